#include "radio/HexText.h"

#include <algorithm>

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

Result<std::uint32_t> HexToInt(std::string_view text) {
    if (text.size() > 8) {
        return Error{"\"" + std::string(text) + "\" is too long for a hexadecimal number."};
    }
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return Error{"\"" + std::string(text) + "\" is not a hexadecimal number."};
        }
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

Result<std::uint8_t> HexPairToByte(std::string_view text) {
    if (text.size() != 2) {
        return Error{"\"" + std::string(text) + "\" is not a pair of hexadecimal digits."};
    }
    const auto value = HexToInt(text);
    if (!value) {
        return value.error();
    }
    return static_cast<std::uint8_t>(*value);
}

std::string ByteToHex(std::uint8_t byte) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 0x0F]};
}

std::string BytesToText(std::span<const std::uint8_t> bytes, std::size_t n) {
    const auto taken = bytes.first(std::min(n, bytes.size()));
    return {taken.begin(), taken.end()};
}

void FillFF(std::span<std::uint8_t> bytes) {
    std::ranges::fill(bytes, std::uint8_t{0xFF});
}

bool ContainsAnyChar(std::string_view set, std::string_view text) {
    return !set.empty() && text.find_first_of(set) != std::string_view::npos;
}

std::string FilterChar(std::uint8_t byte) {
    const bool letterOrDigit = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                               (byte >= '0' && byte <= '9');
    return std::string(1, letterOrDigit ? static_cast<char>(byte) : ' ');
}
