#pragma once

#include "radio/Result.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

using ToneBytes = std::array<std::uint8_t, 2>;

// A tone field: FF FF for no tone; a CTCSS tone as four packed-BCD digits of
// tenths of Hz, low pair first (67.0 is 70 06); a DCS code as its three octal
// digits with the polarity in the high nibble of byte 1, 8 for N and C for I
// (D023N is 23 80, D754I is 54 C7).

// A CTCSS value ("67.0", may end in "Hz"), a DCS code ("D023N", polarity of
// either case) or an empty text for no tone. A text that is none of these, or
// a CTCSS value outside 0.0 to 799.9 Hz (it would read back as a DCS code), is
// an error.
Result<ToneBytes> ToneToBytes(std::string_view text);

// The tone as text: "67.0", "D023N", "D023I", or empty for no tone and for
// bytes that hold no valid tone.
std::string BytesToTone(std::span<const std::uint8_t, 2> bytes);

// What a tone box turns the user's (trimmed) text into: a number is held to
// 30.0..290.0 Hz with one decimal ("290.0" when it cannot be read), a
// well-formed DCS code stays as typed, anything else becomes "D777N".
std::string NormalizeTone(std::string_view text);
