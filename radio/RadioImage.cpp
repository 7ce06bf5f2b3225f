#include "radio/RadioImage.h"

#include "app/TALL.h"
#include "radio/FrqList.h"

#include <algorithm>
#include <ctime>
#include <stdexcept>

namespace {

void CheckRegion(ImageRegion region) {
    if (region.End() > ImageSize) {
        throw std::out_of_range("image region outside the image");
    }
}

} // namespace

std::span<const std::uint8_t> RadioImageView::Bytes(ImageRegion region) const {
    CheckRegion(region);
    return std::span<const std::uint8_t>(*bytes_).subspan(region.Offset, region.Size);
}

std::span<std::uint8_t> RadioImage::Bytes(ImageRegion region) {
    CheckRegion(region);
    return std::span<std::uint8_t>(*bytes_).subspan(region.Offset, region.Size);
}

void RadioImage::Fill(ImageRegion region, std::uint8_t value) {
    std::ranges::fill(Bytes(region), value);
}

std::string RadioImageView::Text(ImageRegion region) const {
    const auto bytes = Bytes(region);
    return std::string(bytes.begin(), bytes.end());
}

void RadioImage::SetText(ImageRegion region, std::string_view text) {
    auto bytes = Bytes(region);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ';
    }
}

bool RadioImageView::ChannelFlagBit(int n, ChannelFlag flag) const {
    return (Channel(n)[Record::ChannelFlags] >> static_cast<unsigned>(flag) & 1U) != 0;
}

void RadioImage::SetChannelFlagBit(int n, ChannelFlag flag, bool set) {
    auto& flags = Channel(n)[Record::ChannelFlags];
    const auto mask = static_cast<std::uint8_t>(1U << static_cast<unsigned>(flag));
    flags = static_cast<std::uint8_t>(set ? flags | mask : flags & ~mask);
}

ImageDateTime RadioImageView::WriteTimeValue() const {
    const auto b = Bytes(WriteTime);
    return {b[0] | b[1] << 8, b[2], b[3], b[4], b[5], b[6]};
}

void RadioImage::SetWriteTime(const ImageDateTime& time) {
    auto b = Bytes(WriteTime);
    const auto byte = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
    b[0] = byte(time.Year);
    b[1] = byte(time.Year >> 8);
    b[2] = byte(time.Month);
    b[3] = byte(time.Day);
    b[4] = byte(time.Hour);
    b[5] = byte(time.Minute);
    b[6] = byte(time.Second);
}

ImageDateTime CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

namespace {

// The settings a new radio starts with, from VoiceSwitch to TxTimeOut.
constexpr std::array<std::uint8_t, RadioImage::SettingsBlock.Size> NewSettings{
    0x01, 0x01, 0x00, 0x00, 0x05, 0x01, 0x01, 0x01, 0x00, 0x01,
    0xFF, 0xFF, 0xFF, 0x01, 0x03, 0xFF, 0x01, 0x05, 0x01, 0x06};

// A setting that fails its range check takes a fixed default.
struct RangeRule {
    RadioImage::Setting Field;
    std::uint8_t High;
    std::uint8_t Default;
};

constexpr std::array<RangeRule, 6> RangeRules{{
    {RadioImage::VoxGainLevel, 8, 4},
    {RadioImage::Epilogue, 2, 0},
    {RadioImage::BatterySave, 4, 4},
    {RadioImage::SquelchLevel, 9, 5},
    {RadioImage::SideKey, 3, 1},
    {RadioImage::TxTimeOut, 30, 6},
}};

// On/off settings: only bit 0 means anything.
constexpr std::array<RadioImage::Setting, 9> SwitchSettings{
    RadioImage::VoiceSwitch,      RadioImage::VoiceLanguage,       RadioImage::ScanSwitch,
    RadioImage::VoxFunction,      RadioImage::VoxInhibitOnReceive, RadioImage::LowVolInhibitTx,
    RadioImage::HighVolInhibitTx, RadioImage::InceptAlarm,         RadioImage::FmRadio};

constexpr std::uint8_t ShapeHigh = 2;

} // namespace

void ResetImage(TALL& all, const TFrqList& bands, const ImageDateTime& now) {
    RadioImage image(all.Image);
    image.Fill({0, RadioImage::FileTail.Offset}, RadioImage::Empty);
    all.NewPasswordEnabled = false;
    std::ranges::copy(NewSettings, image.Bytes(RadioImage::SettingsBlock).begin());
    StampIdent(all, bands);
    image.SetWriteTime(now);
}

void StampIdent(TALL& all, const TFrqList& bands) {
    RadioImage image(all.Image);
    image.Fill(RadioImage::IdentPad, 0x00);
    image.SetByte(RadioImage::IdentBandCode, bands.CodeOf(all.BandText));
    image.SetText(RadioImage::IdentModelCode, all.ModelCode);
    image.SetByte(RadioImage::IdentMark, RadioImage::IdentMarkValue);
}

void SanitizeImage(TALL& all, const TFrqList& bands) {
    RadioImage image(all.Image);
    for (const auto field : SwitchSettings) {
        image.SetByte(field, image.Byte(field) & 1U);
    }
    const std::uint8_t shape = image.Byte(RadioImage::SignalShape);
    const auto rx = static_cast<std::uint8_t>(shape & 0x0F);
    const auto tx = static_cast<std::uint8_t>(shape >> 4);
    image.SetByte(
        RadioImage::SignalShape,
        static_cast<std::uint8_t>((tx > ShapeHigh ? 0 : tx) << 4 | (rx > ShapeHigh ? 0 : rx)));
    for (const RangeRule& rule : RangeRules) {
        if (image.Byte(rule.Field) > rule.High) {
            image.SetByte(rule.Field, rule.Default);
        }
    }
    image.SetByte(RadioImage::IdentBandCode, bands.CodeOf(all.BandText));
}
