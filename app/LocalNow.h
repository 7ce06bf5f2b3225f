#pragma once

#include "radio/DateTimeCodec.h"

// The local date and time as the image and the data file store it.
DateTimeBytes LocalNow();
