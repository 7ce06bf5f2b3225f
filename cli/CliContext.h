#pragma once

#include "radio/DateTimeCodec.h"

#include <functional>
#include <ostream>
#include <string>

// What a command works with besides its arguments, so that tests can run it
// in-process: the two output streams, the program folder and the clock.
struct CliContext {
    std::ostream& Out;
    std::ostream& Err;
    // Where the settings file (and its port pins) and the language files are.
    std::string AppDir;
    // The local time that a new image and a saved file are stamped with.
    std::function<DateTimeBytes()> Now;
    // Draw a progress bar on Err (only when it is a terminal).
    bool Progress = false;
};
