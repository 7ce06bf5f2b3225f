#pragma once

#include "link/RadioDialog.h"

class RadioReader;

// "Read data From radio": reads the radio into the image. The main window
// looks at ReadDone() after the dialog has closed.
class TfReadRadio : public TfRadioDialog {
    Q_OBJECT
public:
    TfReadRadio(TfMaindb& db, SerialLink& link, Scheduler& scheduler, QWidget* parent = nullptr);

    bool ReadDone() const;

private:
    RadioReader* reader_;
};

// Command 20: runs the dialog on the program's serial port; true when a read
// completed.
bool RunReadRadio(TfMaindb& db, QWidget* parent);
