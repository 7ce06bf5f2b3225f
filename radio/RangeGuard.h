#pragma once

#include <cstdint>

// The value when low <= value <= high, otherwise the default: how a setting
// read from a radio or a file is brought back into range.
inline constexpr std::uint8_t RangeOrDefault(std::uint8_t value, std::uint8_t low,
                                             std::uint8_t high, std::uint8_t fallback) {
    return value < low || value > high ? fallback : value;
}
