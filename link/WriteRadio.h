#pragma once

#include "link/RadioDialog.h"
#include "radio/DateTimeCodec.h"

#include <functional>

// "Write data to radio": writes the image to the radio; stays open after a
// write, so that the next radio can follow.
class TfWriteRadio : public TfRadioDialog {
    Q_OBJECT
public:
    // `localNow` gives the time stamped into the image at the model check.
    TfWriteRadio(TfMaindb& db, SerialLink& link, Scheduler& scheduler,
                 std::function<DateTimeBytes()> localNow, QWidget* parent = nullptr);
};

// Command 21: runs the dialog on the program's serial port.
bool RunWriteRadio(TfMaindb& db, QWidget* parent);
