#include "radio/FileHeader.h"

#include "radio/DateTimeCodec.h"
#include "radio/HexText.h"

#include <algorithm>

namespace {

constexpr std::size_t ModelTextSize = 5;
constexpr std::size_t BandPos = 5;
constexpr std::size_t BandSize = 3;
constexpr std::size_t DatePos = 8;

} // namespace

Result<FileHeaderBytes> BuildFileHeader(std::string_view modelText, std::string_view bandDigits,
                                        std::string_view dateText) {
    FileHeaderBytes header{};
    FillFF(header);

    const std::string model =
        (std::string(modelText) + std::string(8, ' ')).substr(0, ModelTextSize);
    std::ranges::copy(model, header.begin());

    if (bandDigits.size() != 2 * BandSize) {
        return Error{"\"" + std::string(bandDigits) + "\" are not six band digits."};
    }
    for (std::size_t i = 0; i < BandSize; ++i) {
        const auto pair = HexPairToByte(bandDigits.substr(2 * i, 2));
        if (!pair) {
            return Error{"\"" + std::string(bandDigits) + "\" are not six band digits."};
        }
        header[BandPos + i] = *pair;
    }

    const auto date = DateMinuteToBytes(dateText);
    if (!date) {
        return date.error();
    }
    std::ranges::copy(*date, header.begin() + DatePos);
    return header;
}

TFileHeader ParseFileHeader(std::span<const std::uint8_t, FileHeaderSize> bytes) {
    TFileHeader header;
    header.ModelText = BytesToText(bytes, ModelTextSize);
    for (const std::uint8_t byte : bytes.subspan(BandPos, BandSize)) {
        header.BandDigits += ByteToHex(byte);
    }
    header.DateText = BytesToDateMinute(bytes.subspan<DatePos, 6>());
    return header;
}
