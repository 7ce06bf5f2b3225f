#include "radio/RadioImage.h"

#include "app/TALL.h"
#include "radio/FrqList.h"
#include "radio/RangeGuard.h"
#include "radio/Scrambler.h"

#include <algorithm>
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

void ResetImage(TALL& all, const TFrqList& bands, const DateTimeBytes& now) {
    RadioImage image(all.Image);
    image.Fill({0, RadioImage::FileTail.Offset}, RadioImage::Empty);
    all.NewPasswordEnabled = false;
    std::ranges::copy(NewSettings, image.Bytes(RadioImage::SettingsBlock).begin());
    StampIdent(all, bands);
    std::ranges::copy(now, image.Field<RadioImage::WriteTime>().begin());
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
        image.SetByte(rule.Field,
                      RangeOrDefault(image.Byte(rule.Field), 0, rule.High, rule.Default));
    }
    image.SetByte(RadioImage::IdentBandCode, bands.CodeOf(all.BandText));
}

static_assert(RadioImage::RadioPassword.Size == RadioImage::BlockSize &&
              RadioImage::ToRadioAddress(RadioImage::RadioPassword.Offset) %
                      RadioImage::BlockSize ==
                  0);

Result<RadioBlock> BlockToWrite(const TALL& all, std::size_t address) {
    if (address % RadioImage::BlockSize != 0 || address >= RadioImage::RadioWindow.Size) {
        return Error{"Radio address " + std::to_string(address) +
                     " is not the start of a block of the radio's memory."};
    }
    const RadioImageView image(all.Image);
    const std::size_t offset = RadioImage::ToImageOffset(address);
    RadioBlock block;
    if (all.NewPasswordEnabled && offset == RadioImage::RadioPassword.Offset) {
        block = ScrambleBlock(image.Field<RadioImage::NewPassword>());
    } else {
        std::ranges::copy(image.Bytes({offset, RadioImage::BlockSize}), block.begin());
    }
    return block;
}

void StoreRadioMemory(TALL& all,
                      std::span<const std::uint8_t, RadioImage::RadioWindow.Size> memory) {
    RadioImage image(all.Image);
    std::ranges::copy(memory, image.Bytes(RadioImage::RadioWindow).begin());
    image.Fill(RadioImage::LocalTail, 0x00);
}
