#pragma once

#include <QObject>

// Discards the typed characters a box does not accept. Control keys
// (Backspace, Enter, Tab, shortcuts) and keys without text pass, so editing
// and navigation keep working; what a paste brings in is checked where the
// text is used.
class KeyFilter : public QObject {
public:
    using Allowed = bool (*)(char32_t);

    KeyFilter(Allowed allowed, QObject* parent) : QObject(parent), allowed_(allowed) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Allowed allowed_;
};
