#include "radio/ChannelCodec.h"

#include "app/TALL.h"
#include "radio/FreqCodec.h"
#include "radio/ToneCodec.h"

#include <algorithm>

namespace {

using Record = RadioImage::Record;

template <std::size_t N>
std::span<const std::uint8_t, N> Field(std::span<const std::uint8_t, RadioImage::ChannelSize> r,
                                       ImageRegion field) {
    return std::span<const std::uint8_t, N>(r.subspan(field.Offset, N));
}

bool IsBlank(std::span<const std::uint8_t> bytes) {
    return std::ranges::all_of(bytes, [](std::uint8_t b) { return b == RadioImage::Empty; });
}

} // namespace

std::optional<TChannelData>
DecodeChannel(std::span<const std::uint8_t, RadioImage::ChannelSize> record) {
    TChannelData channel;
    channel.RxFreq = BcdToFreq(Field<4>(record, Record::RxFreq));
    if (channel.RxFreq < 0) {
        return std::nullopt;
    }
    channel.TxFreq = BcdToFreq(Field<4>(record, Record::TxFreq));
    channel.RxTone = BytesToTone(Field<2>(record, Record::RxTone));
    channel.TxTone = BytesToTone(Field<2>(record, Record::TxTone));
    const std::uint8_t flags = record[Record::ChannelFlags];
    for (std::size_t bit = 0; bit < channel.Flags.size(); ++bit) {
        channel.Flags[bit] = flags >> bit & 1;
    }
    return channel;
}

Result<void> SetChannelField(TALL& all, int n, int kind, std::string_view text) {
    if (n < 1 || n > RadioImage::MaxChannels) {
        return Error{"There is no channel " + std::to_string(n) + "."};
    }
    RadioImage image(all.Image);
    const auto record = image.Channel(n);
    const auto store = [&](ImageRegion field, const auto& bytes) {
        std::ranges::copy(bytes, record.begin() + static_cast<std::ptrdiff_t>(field.Offset));
    };
    switch (kind) {
    case FieldRxFreq:
    case FieldTxFreq: {
        const auto bytes = FreqToBcd(text);
        if (!bytes) {
            return bytes.error();
        }
        const bool rx = kind == FieldRxFreq;
        store(rx ? Record::RxFreq : Record::TxFreq, *bytes);
        if (IsBlank(*bytes)) {
            // No receive frequency means no channel; no transmit frequency
            // leaves nothing to send a tone on.
            const ImageRegion cleared =
                rx ? ImageRegion{Record::TxFreq.Offset,
                                 RadioImage::ChannelSize - Record::TxFreq.Offset}
                   : Record::TxTone;
            std::ranges::fill(record.subspan(cleared.Offset, cleared.Size), RadioImage::Empty);
        }
        return {};
    }
    case FieldRxTone:
    case FieldTxTone: {
        const auto bytes = ToneToBytes(text);
        if (!bytes) {
            return bytes.error();
        }
        store(kind == FieldRxTone ? Record::RxTone : Record::TxTone, *bytes);
        return {};
    }
    default:
        if (kind >= FieldFirstFlag && kind <= FieldLastFlag) {
            image.SetChannelFlagBit(n, static_cast<RadioImage::ChannelFlag>(kind - FieldFirstFlag),
                                    text == "1");
        }
        return {};
    }
}
