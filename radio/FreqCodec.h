#pragma once

#include "radio/Result.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

struct TALL;

using FreqBytes = std::array<std::uint8_t, 4>;

// A frequency field: eight packed-BCD digits of the frequency in units of
// 10 Hz, least significant pair first (446.00625 MHz is 25 06 60 44).

// The text in MHz, which may end in "MHz"; an empty text gives the blank field
// FF FF FF FF. A text that is no number, or a frequency outside 0 to
// 999.99999 MHz, is an error.
Result<FreqBytes> FreqToBcd(std::string_view text);

// The frequency in MHz, or -1.0 when any nibble is above 9 (blank field).
double BcdToFreq(std::span<const std::uint8_t, 4> bytes);

// Takes a frequency that is on neither the coarse nor the fine raster of the
// application state down to the fine raster; one on a raster comes back as
// it was given.
double SnapToStep(const TALL& all, double mhz);
