#include "radio/RadioImage.h"
#include "CatalogueFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr DateTimeBytes Written{0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A};

// The first offset where the images differ, or ImageSize.
std::size_t FirstDifference(const ImageBytes& a, const ImageBytes& b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin());
}

// A data module with the first model applied, as at first show.
struct ImageTest : ::testing::Test {
    ImageTest() { EXPECT_TRUE(ApplyModel(db.All, db.Models, db.Bands, 0, false).has_value()); }

    void UseBand(std::uint8_t code) {
        ASSERT_TRUE(ApplyModel(db.All, db.Models, db.Bands, code, true).has_value());
    }

    CatalogueFixture db;
    RadioImage image{db.All.Image};
};

} // namespace

TEST(RadioImageLayout, RegionsTileTheWholeImage) {
    const ImageRegion regions[] = {
        RadioImage::Password,      RadioImage::NewPassword, RadioImage::HeadBlock,
        RadioImage::Channels,      RadioImage::SpareBlock,  RadioImage::SettingsBlock,
        RadioImage::SettingsSpare, RadioImage::Ident,       RadioImage::RadioPassword,
        RadioImage::SerialNumber,  RadioImage::WriteTime,   RadioImage::WindowSpare,
        RadioImage::LocalTail,     RadioImage::FileTail};
    std::size_t next = 0;
    for (const auto& region : regions) {
        EXPECT_EQ(region.Offset, next);
        next = region.End();
    }
    EXPECT_EQ(next, ImageSize);
    EXPECT_EQ(RadioImage::ChannelOffset(1), 32U);
    EXPECT_EQ(RadioImage::ChannelRecord(16).End(), RadioImage::SpareBlock.Offset);
    EXPECT_EQ(RadioImage::RadioWindow.End(), RadioImage::LocalTail.Offset);
    EXPECT_EQ(RadioImage::ToRadioAddress(RadioImage::IdentBandCode), 0x145U);
    EXPECT_EQ(RadioImage::ToImageOffset(0x168) + 8, RadioImage::RadioWindow.End());
    EXPECT_EQ(RadioImage::SettingsBlock.Offset, RadioImage::VoiceSwitch);
    EXPECT_EQ(RadioImage::SettingsBlock.End() - 1, RadioImage::TxTimeOut);
}

TEST_F(ImageTest, TypedAccessorsTouchOnlyTheirBytes) {
    image.Fill(RadioImage::Channels, 0xFF);
    image.SetText(RadioImage::SerialNumber, "AB12");
    EXPECT_EQ(image.Text(RadioImage::SerialNumber), "AB12            ");
    image.SetText(RadioImage::Password, "123456789");
    EXPECT_EQ(image.Text(RadioImage::Password), "12345678");
    EXPECT_EQ(image.Byte(RadioImage::NewPassword.Offset), 0x00);

    image.SetChannelFlagBit(3, RadioImage::ChannelFlag::Narrow, false);
    EXPECT_EQ(image.Channel(3)[RadioImage::Record::ChannelFlags], 0xFB);
    EXPECT_FALSE(image.ChannelFlagBit(3, RadioImage::ChannelFlag::Narrow));
    EXPECT_TRUE(image.ChannelFlagBit(3, RadioImage::ChannelFlag::HighPower));
    image.SetChannelFlagBit(3, RadioImage::ChannelFlag::Narrow, true);
    EXPECT_EQ(db.All.Image[RadioImage::ChannelOffset(3) + 12], 0xFF);

    std::ranges::copy(Written, image.Field<RadioImage::WriteTime>().begin());
    EXPECT_EQ(BytesToDateTime(image.Field<RadioImage::WriteTime>()), "2026-12-09 08:38:10");
    EXPECT_EQ(image.Field<RadioImage::WriteTime>().data(), &db.All.Image[368]);
}

TEST_F(ImageTest, ResetFillsTheDefaultsAndKeepsTheFileTail) {
    std::iota(db.All.Image.begin(), db.All.Image.end(), std::uint8_t{0});
    const ImageBytes before = db.All.Image;
    db.All.NewPasswordEnabled = true;

    ResetImage(db.All, db.Bands, Written);

    ImageBytes expected;
    expected.fill(0xFF);
    const std::uint8_t settings[] = {0x01, 0x01, 0x00, 0x00, 0x05, 0x01, 0x01, 0x01, 0x00, 0x01,
                                     0xFF, 0xFF, 0xFF, 0x01, 0x03, 0xFF, 0x01, 0x05, 0x01, 0x06};
    std::copy(std::begin(settings), std::end(settings), expected.begin() + 304);
    const std::uint8_t ident[] = {0x50, 'W', 'Z', 'R', 'E', 0xF7, 0x00, 0x00};
    std::copy(std::begin(ident), std::end(ident), expected.begin() + 336);
    std::copy(Written.begin(), Written.end(), expected.begin() + 368);
    std::copy(before.begin() + 432, before.end(), expected.begin() + 432);

    for (std::size_t i = 0; i < ImageSize; ++i) {
        EXPECT_EQ(db.All.Image[i], expected[i]) << "offset " << i;
    }
    EXPECT_FALSE(db.All.NewPasswordEnabled);
}

TEST_F(ImageTest, StampNamesTheCurrentBandOrFallsBackToTheFirstCode) {
    UseBand(249);
    StampIdent(db.All, db.Bands);
    EXPECT_EQ(image.Byte(RadioImage::IdentBandCode), 249);
    db.All.BandText = "440-530MHz";
    StampIdent(db.All, db.Bands);
    EXPECT_EQ(image.Byte(RadioImage::IdentBandCode), 253);
    EXPECT_EQ(image.Text(RadioImage::IdentModelCode), "WZRE");
}

TEST_F(ImageTest, SanitizeBringsSettingsIntoRange) {
    const struct {
        std::size_t offset;
        std::uint8_t stored;
        std::uint8_t sanitised;
    } cases[] = {
        {RadioImage::VoiceSwitch, 0xFE, 0x00},
        {RadioImage::VoiceSwitch, 0x03, 0x01},
        {RadioImage::VoiceLanguage, 0xFF, 0x01},
        {RadioImage::VoxFunction, 0x02, 0x00},
        {RadioImage::VoxGainLevel, 9, 4},
        {RadioImage::VoxGainLevel, 8, 8},
        {RadioImage::VoxInhibitOnReceive, 0xFE, 0},
        {RadioImage::FmRadio, 0xFF, 1},
        {RadioImage::SignalShape, 0xFF, 0x00},
        {RadioImage::SignalShape, 0x23, 0x20},
        {RadioImage::SignalShape, 0x31, 0x01},
        {RadioImage::SignalShape, 0x22, 0x22},
        {RadioImage::Epilogue, 3, 0},
        {RadioImage::Epilogue, 2, 2},
        {RadioImage::BatterySave, 5, 4},
        {RadioImage::BatterySave, 0xFF, 4},
        {RadioImage::SquelchLevel, 10, 5},
        {RadioImage::SquelchLevel, 9, 9},
        {RadioImage::SideKey, 4, 1},
        {RadioImage::SideKey, 3, 3},
        {RadioImage::TxTimeOut, 31, 6},
        {RadioImage::TxTimeOut, 30, 30},
        {RadioImage::SettingsSpare1, 0xAB, 0xAB},
        {RadioImage::WhisperSetting, 0xFF, 0xFF},
        {RadioImage::ClewVoice, 0xFE, 0xFE},
    };
    ResetImage(db.All, db.Bands, Written);
    SanitizeImage(db.All, db.Bands);
    const ImageBytes clean = db.All.Image;
    for (const auto& c : cases) {
        db.All.Image = clean;
        image.SetByte(c.offset, c.stored);
        SanitizeImage(db.All, db.Bands);
        EXPECT_EQ(image.Byte(c.offset), c.sanitised) << "offset " << c.offset;
        db.All.Image[c.offset] = clean[c.offset];
        EXPECT_EQ(FirstDifference(db.All.Image, clean), ImageSize) << "case offset " << c.offset;
    }
}

TEST_F(ImageTest, SanitizeLeavesEverythingOutsideTheSettingsAlone) {
    std::iota(db.All.Image.begin(), db.All.Image.end(), std::uint8_t{0x80});
    image.SetByte(RadioImage::IdentBandCode, 247);
    const ImageBytes before = db.All.Image;
    SanitizeImage(db.All, db.Bands);
    for (std::size_t i = 0; i < ImageSize; ++i) {
        if (i < RadioImage::SettingsBlock.Offset || i >= RadioImage::SettingsBlock.End()) {
            EXPECT_EQ(db.All.Image[i], before[i]) << "offset " << i;
        }
    }
}

TEST_F(ImageTest, UnknownBandCodeInARadioImageBecomesTheFallbackBand) {
    ResetImage(db.All, db.Bands, Written);
    image.SetByte(RadioImage::IdentBandCode, 0x00);
    UseBand(image.Byte(RadioImage::IdentBandCode));
    SanitizeImage(db.All, db.Bands);
    EXPECT_EQ(db.All.BandText, "440 - 530MHz");
    EXPECT_EQ(image.Byte(RadioImage::IdentBandCode), 249);
}

TEST_F(ImageTest, WriteBlocksComeFromTheWindowWithTheNewPasswordSubstituted) {
    std::iota(db.All.Image.begin(), db.All.Image.end(), std::uint8_t{0});
    image.SetText(RadioImage::NewPassword, "1234");
    const ImageBytes before = db.All.Image;
    const auto block = [&](std::size_t address) {
        const auto result = BlockToWrite(db.All, address);
        EXPECT_TRUE(result.has_value()) << address;
        return result.has_value() ? *result : RadioBlock{};
    };
    const auto imageBlock = [&](std::size_t offset) {
        RadioBlock expected;
        std::copy_n(before.begin() + static_cast<std::ptrdiff_t>(offset), 8, expected.begin());
        return expected;
    };

    EXPECT_EQ(block(0x000), imageBlock(16));
    EXPECT_EQ(block(0x168), imageBlock(376));
    EXPECT_EQ(block(0x148), imageBlock(344));
    db.All.NewPasswordEnabled = true;
    // '1' ^ 0x5E, then every byte XOR '1': "234" and four spaces.
    EXPECT_EQ(block(0x148), (RadioBlock{0x6F, 0x03, 0x02, 0x05, 0x11, 0x11, 0x11, 0x11}));
    EXPECT_EQ(block(0x140), imageBlock(336));
    EXPECT_EQ(db.All.Image, before);

    for (const std::size_t bad : {std::size_t{3}, std::size_t{0x170}, std::size_t{0x1000}}) {
        EXPECT_FALSE(BlockToWrite(db.All, bad).has_value()) << bad;
    }
}

TEST_F(ImageTest, MemoryReadFromARadioClearsTheLocalTailOnly) {
    std::iota(db.All.Image.begin(), db.All.Image.end(), std::uint8_t{1});
    const ImageBytes before = db.All.Image;
    std::array<std::uint8_t, RadioImage::RadioWindow.Size> memory;
    memory.fill(0xA5);
    StoreRadioMemory(db.All, memory);
    for (std::size_t i = 0; i < ImageSize; ++i) {
        const std::uint8_t expected = i < 16 || i >= 432 ? before[i] : i < 384 ? 0xA5 : 0x00;
        EXPECT_EQ(db.All.Image[i], expected) << "offset " << i;
    }
}
