#pragma once

#include <QDialog>

struct TALL;

// Two lines of a message for the radio's display: letters, digits and spaces,
// at most 32 each. The radio image has no place for them, so they live only
// as long as the dialog.
class TfEmbeddedMessage : public QDialog {
    Q_OBJECT
public:
    explicit TfEmbeddedMessage(const TALL& all, QWidget* parent = nullptr);
};
