#include "CodecTestSupport.h"

#include "app/TALL.h"
#include "radio/ChannelCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int Ch = 5;

class ChannelCodec : public ::testing::Test {
protected:
    ChannelCodec() { std::ranges::fill(all.Image, 0xFF); }

    std::string RecordHex() const {
        return Hex(std::span<const std::uint8_t>(all.Image).subspan(RadioImage::ChannelOffset(Ch),
                                                                    RadioImage::ChannelSize));
    }

    std::uint8_t Flags() const {
        return all.Image[RadioImage::ChannelOffset(Ch) + RadioImage::Record::ChannelFlags];
    }

    void Set(int kind, const std::string& text) {
        ASSERT_TRUE(SetChannelField(all, Ch, kind, text));
    }

    TALL all;
};

} // namespace

TEST_F(ChannelCodec, FieldsBuildTheRecordAndDecodeBack) {
    Set(0, "446.00625");
    Set(1, "446.00625");
    Set(2, "67.0");
    Set(3, "D023N");
    const std::vector<std::string> flags = {"1", "0", "1", "1", "0", "0", "0", "0"};
    for (int i = 0; i < 8; ++i) {
        Set(4 + i, flags[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(RecordHex(), "25 06 60 44 25 06 60 44 70 06 23 80 0D FF FF FF");

    ImageBytes untouched{};
    std::ranges::fill(untouched, 0xFF);
    std::ranges::copy(RadioImage(all.Image).Channel(Ch),
                      untouched.begin() + RadioImage::ChannelOffset(Ch));
    EXPECT_EQ(all.Image, untouched) << "only channel " << Ch << " may change";

    const auto channel = DecodeChannel(RadioImage(all.Image).Channel(Ch).first<16>());
    ASSERT_TRUE(channel);
    EXPECT_DOUBLE_EQ(channel->RxFreq, 446.00625);
    EXPECT_DOUBLE_EQ(channel->TxFreq, 446.00625);
    EXPECT_EQ(channel->RxTone, "67.0");
    EXPECT_EQ(channel->TxTone, "D023N");
    EXPECT_EQ(channel->Flags, (std::array<int, 7>{1, 0, 1, 1, 0, 0, 0}));
}

TEST_F(ChannelCodec, ClearingFrequenciesClearsWhatDependsOnThem) {
    Set(0, "446.00625");
    Set(1, "446.1");
    Set(2, "67.0");
    Set(3, "D023N");
    Set(4, "0");
    Set(1, "");
    EXPECT_EQ(RecordHex(), "25 06 60 44 FF FF FF FF 70 06 FF FF FE FF FF FF");
    Set(0, "");
    EXPECT_EQ(RecordHex(), "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
}

TEST_F(ChannelCodec, FlagKindsTouchOneBit) {
    RadioImage(all.Image).Channel(Ch)[RadioImage::Record::ChannelFlags] = 0x00;
    Set(6, "1");
    EXPECT_EQ(Flags(), 0x04);
    Set(4, "1");
    Set(6, "0");
    EXPECT_EQ(Flags(), 0x01);
    Set(4, "");
    Set(11, "yes");
    EXPECT_EQ(Flags(), 0x00);
}

TEST_F(ChannelCodec, RefusedInputChangesNothing) {
    Set(0, "446.00625");
    Set(2, "67.0");
    const ImageBytes before = all.Image;
    const std::vector<std::pair<int, std::string>> refused = {
        {0, "44x"}, {1, "4.4.6"}, {2, "abc"}, {3, "D9"}, {0, "1234.5"},
    };
    for (const auto& [kind, text] : refused) {
        const auto result = SetChannelField(all, Ch, kind, text);
        ASSERT_FALSE(result) << kind << " " << text;
        EXPECT_FALSE(result.error().Reason.empty());
    }
    EXPECT_TRUE(SetChannelField(all, Ch, 12, "1"));
    EXPECT_TRUE(SetChannelField(all, Ch, -1, "1"));
    for (const int n : {0, 17, -1, 1000}) {
        EXPECT_FALSE(SetChannelField(all, n, 0, "446.0")) << n;
    }
    EXPECT_EQ(all.Image, before);
}

TEST(ChannelDecode, EmptyAndMalformedRecords) {
    std::array<std::uint8_t, 16> record{};
    std::ranges::fill(record, 0xFF);
    EXPECT_FALSE(DecodeChannel(record));

    record = {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF,
              0x0A, 0x01, 0x23, 0xC0, 0xFF, 0xFF, 0xFF, 0xFF};
    const auto channel = DecodeChannel(record);
    ASSERT_TRUE(channel);
    EXPECT_DOUBLE_EQ(channel->TxFreq, -1.0);
    EXPECT_EQ(channel->RxTone, "");
    EXPECT_EQ(channel->TxTone, "D023I");
    EXPECT_EQ(channel->Flags, (std::array<int, 7>{1, 1, 1, 1, 1, 1, 1}));

    record[2] = 0x6A;
    EXPECT_FALSE(DecodeChannel(record));
}
