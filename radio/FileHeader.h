#pragma once

#include "radio/Result.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::size_t FileHeaderSize = 16;
using FileHeaderBytes = std::array<std::uint8_t, FileHeaderSize>;

// The 16-byte header of a data file: "P" and the model code (5 characters),
// the band edges as six packed digits most significant pair first, the save
// time to the minute, FF FF.
struct TFileHeader {
    std::string ModelText;  // "P" + the model code, as stored
    std::string BandDigits; // e.g. "400470"; hexadecimal digits from a foreign file
    std::string DateText;   // "yyyy-MM-dd HH:mm"
};

// The header for "P" + model code, six band digits and "yyyy-MM-dd HH:mm".
// Band digits that are not six hexadecimal digits, or a date of another
// form, are an error.
Result<FileHeaderBytes> BuildFileHeader(std::string_view modelText, std::string_view bandDigits,
                                        std::string_view dateText);

TFileHeader ParseFileHeader(std::span<const std::uint8_t, FileHeaderSize> bytes);
