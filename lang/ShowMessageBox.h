#pragma once

#include "lang/MessageBox.h"

#include <string>

class TfMaindb;

// The real message box, modal over the active window: style 1 information with
// OK, 2 a question with Yes and No, 22 a question with Retry and Cancel.
int QtMessageBox(const std::string& caption, const std::string& text, int style);

// How every window shows a message: through the data module's handler, or the
// real box when none is installed. Returns IdOk, IdYes/IdNo or IdRetry/IdCancel.
int ShowMessageBox(const TfMaindb& db, const std::string& caption, const std::string& text,
                   int style);
