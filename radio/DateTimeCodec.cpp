#include "radio/DateTimeCodec.h"

#include "radio/NumberText.h"

namespace {

// Where each two-digit field after the year starts in "yyyy-MM-dd HH:mm:ss",
// and the separator in front of it.
struct Field {
    std::size_t Pos;
    char Separator;
};
constexpr std::array<Field, 5> Fields = {{{5, '-'}, {8, '-'}, {11, ' '}, {14, ':'}, {17, ':'}}};

// Reads the year and the first `count` two-digit fields of a text that must be
// exactly that long.
template <std::size_t N>
Result<std::array<std::uint8_t, N>> ParseFields(std::string_view text, std::string_view pattern) {
    constexpr std::size_t count = N - 2;
    const auto year = ParseDigits(text.substr(0, 4));
    bool ok = text.size() == Fields[count - 1].Pos + 2 && year.has_value();
    std::array<std::uint8_t, N> bytes{};
    if (ok) {
        bytes[0] = static_cast<std::uint8_t>(*year & 0xFF);
        bytes[1] = static_cast<std::uint8_t>(*year >> 8);
    }
    for (std::size_t i = 0; ok && i < count; ++i) {
        const auto value = ParseDigits(text.substr(Fields[i].Pos, 2));
        ok = text[Fields[i].Pos - 1] == Fields[i].Separator && value.has_value();
        bytes[i + 2] = static_cast<std::uint8_t>(value.value_or(0));
    }
    if (!ok) {
        return Error{"\"" + std::string(text) + "\" is not a date and time of the form " +
                     std::string(pattern) + "."};
    }
    return bytes;
}

std::string FormatFields(std::span<const std::uint8_t> bytes) {
    std::string text = std::to_string(bytes[0] | bytes[1] << 8);
    for (std::size_t i = 2; i < bytes.size(); ++i) {
        text += Fields[i - 2].Separator + ZeroPadded(bytes[i], 2);
    }
    return text;
}

} // namespace

Result<DateTimeBytes> DateTimeToBytes(std::string_view text) {
    return ParseFields<7>(text, "yyyy-MM-dd HH:mm:ss");
}

std::string BytesToDateTime(std::span<const std::uint8_t, 7> bytes) {
    return FormatFields(bytes);
}

Result<DateMinuteBytes> DateMinuteToBytes(std::string_view text) {
    return ParseFields<6>(text, "yyyy-MM-dd HH:mm");
}

std::string BytesToDateMinute(std::span<const std::uint8_t, 6> bytes) {
    return FormatFields(bytes);
}
