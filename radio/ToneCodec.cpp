#include "radio/ToneCodec.h"

#include "radio/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint8_t DcsNormal = 0x8;
constexpr std::uint8_t DcsInverted = 0xC;
constexpr double MaxCtcssTenths = 7999; // 800.0 Hz and up would read as DCS

constexpr double MinTypedHz = 30.0;
constexpr double MaxTypedHz = 290.0;
constexpr std::string_view FallbackDcs = "D777N";

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

// "D" + three octal digits + a polarity letter of either case.
bool IsDcsCode(std::string_view text) {
    return text.size() == 5 && text[0] == 'D' && IsOctal(text[1]) && IsOctal(text[2]) &&
           IsOctal(text[3]) && std::string_view("NIni").find(text[4]) != std::string_view::npos;
}

std::uint8_t OctalDigit(char c) {
    return static_cast<std::uint8_t>(c - '0');
}

} // namespace

Result<ToneBytes> ToneToBytes(std::string_view text) {
    text = text.substr(0, text.find("Hz"));
    if (text.empty()) {
        return ToneBytes{0xFF, 0xFF};
    }
    if (text[0] == 'D') {
        if (!IsDcsCode(text)) {
            return Error{"\"" + std::string(text) + "\" is not a DCS code."};
        }
        const bool inverted = text[4] == 'I' || text[4] == 'i';
        return ToneBytes{static_cast<std::uint8_t>(OctalDigit(text[2]) << 4 | OctalDigit(text[3])),
                         static_cast<std::uint8_t>((inverted ? DcsInverted : DcsNormal) << 4 |
                                                   OctalDigit(text[1]))};
    }
    const auto hz = ParseDecimalNumber(text);
    if (!hz) {
        return Error{"\"" + std::string(text) + "\" is not a tone."};
    }
    const double tenths = std::round(*hz * 10);
    if (tenths < 0 || tenths > MaxCtcssTenths) {
        return Error{"The tone " + std::string(text) + " Hz is out of the range 0.0 to 799.9 Hz."};
    }
    const auto value = static_cast<unsigned>(tenths);
    return ToneBytes{PackBcd(value % 100), PackBcd(value / 100)};
}

std::string BytesToTone(std::span<const std::uint8_t, 2> bytes) {
    if (bytes[0] == 0xFF && bytes[1] == 0xFF) {
        return {};
    }
    const unsigned kind = bytes[1] >> 4;
    if (kind == DcsNormal || kind == DcsInverted) {
        const std::string code = {static_cast<char>('0' + (bytes[1] & 0x0F)),
                                  static_cast<char>('0' + (bytes[0] >> 4)),
                                  static_cast<char>('0' + (bytes[0] & 0x0F))};
        const std::string text = 'D' + code + (kind == DcsNormal ? 'N' : 'I');
        return IsDcsCode(text) ? text : std::string();
    }
    const auto low = UnpackBcd(bytes[0]);
    const auto high = UnpackBcd(bytes[1]);
    if (!low || !high) {
        return {};
    }
    return TenthsText(*high * 100 + *low);
}

std::string NormalizeTone(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (text[0] >= '0' && text[0] <= '9') {
        const auto hz = ParseDecimalNumber(text);
        const double held = hz ? std::clamp(*hz, MinTypedHz, MaxTypedHz) : MaxTypedHz;
        return TenthsText(static_cast<unsigned>(std::lround(held * 10)));
    }
    return std::string(IsDcsCode(text) ? text : FallbackDcs);
}
