#pragma once

#include "radio/Result.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A date and time as the radio and the data file store it: the year as a
// 16-bit little-endian number, then month, day, hour, minute (and, in the
// radio, second) as one plain binary byte each.

using DateTimeBytes = std::array<std::uint8_t, 7>;
using DateMinuteBytes = std::array<std::uint8_t, 6>;

// "yyyy-MM-dd HH:mm:ss"; any other text is an error.
Result<DateTimeBytes> DateTimeToBytes(std::string_view text);

// The stored bytes as "yyyy-MM-dd HH:mm:ss"; the year has no leading zeros and
// no field is range-checked, so a blank record reads 65535-255-255 255:255:255.
std::string BytesToDateTime(std::span<const std::uint8_t, 7> bytes);

// The same without seconds, "yyyy-MM-dd HH:mm", for the data-file header.
Result<DateMinuteBytes> DateMinuteToBytes(std::string_view text);
std::string BytesToDateMinute(std::span<const std::uint8_t, 6> bytes);
