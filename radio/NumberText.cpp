#include "radio/NumberText.h"

#include <charconv>
#include <cmath>

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<double> ParseDecimalNumber(std::string_view text) {
    text = Trimmed(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint32_t> ParseDigits(std::string_view text) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<unsigned> UnpackBcd(std::uint8_t byte) {
    const unsigned high = byte >> 4;
    const unsigned low = byte & 0x0Fu;
    if (high > 9 || low > 9) {
        return std::nullopt;
    }
    return high * 10 + low;
}

std::string ZeroPadded(unsigned value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return digits;
}

std::string TenthsText(unsigned tenths) {
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}
