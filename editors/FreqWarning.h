#pragma once

#include "editors/FreqEntry.h"

class TfMaindb;

// Shows the warning of a frequency entry: the ErrRange or OutRange message
// under the Caution caption, with one OK button. FreqMsg::None shows nothing.
void ShowFreqWarning(const TfMaindb& db, FreqMsg msg);
