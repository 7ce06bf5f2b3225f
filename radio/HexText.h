#pragma once

#include "radio/Result.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Conversions between bytes and the texts that the radio link and the codecs
// handle. Hexadecimal digits written here are upper case.

// The value of up to eight hexadecimal digits of either case; "" gives 0.
Result<std::uint32_t> HexToInt(std::string_view text);

// The byte written as exactly two hexadecimal digits.
Result<std::uint8_t> HexPairToByte(std::string_view text);

// The byte as two upper-case hexadecimal digits: 0x0A gives "0A".
std::string ByteToHex(std::uint8_t byte);

// The first n bytes (at most all of them) as characters, zero bytes included.
std::string BytesToText(std::span<const std::uint8_t> bytes, std::size_t n);

void FillFF(std::span<std::uint8_t> bytes);

// True when any character of `set` occurs in `text`; false for an empty set.
bool ContainsAnyChar(std::string_view set, std::string_view text);

// A letter or digit as itself, any other byte as a space: what the radio
// information window shows of a text field of the image.
std::string FilterChar(std::uint8_t byte);
