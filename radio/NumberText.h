#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number reading and writing shared by the codecs. Independent of the C
// locale: the files and the radio always use the decimal point.

// A decimal number such as "446.00625", "-3" or "1e2", with optional spaces
// around it. Nothing else may follow; infinities and NaN are refused.
std::optional<double> ParseDecimalNumber(std::string_view text);

// A non-empty run of the digits 0-9, read as a decimal integer.
std::optional<std::uint32_t> ParseDigits(std::string_view text);

// Two decimal digits packed into one byte, tens in the high nibble (0..99).
inline constexpr std::uint8_t PackBcd(unsigned value) {
    return static_cast<std::uint8_t>((value / 10 % 10) << 4 | value % 10);
}

// The value of a packed-BCD byte, or nothing when a nibble is above 9.
std::optional<unsigned> UnpackBcd(std::uint8_t byte);

// A non-negative integer with at least `width` digits, zero padded.
std::string ZeroPadded(unsigned value, int width);

// A count of tenths written with one decimal: 670 gives "67.0".
std::string TenthsText(unsigned tenths);
