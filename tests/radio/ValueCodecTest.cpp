#include "CodecTestSupport.h"

#include "app/TALL.h"
#include "radio/DateTimeCodec.h"
#include "radio/FileHeader.h"
#include "radio/FreqCodec.h"
#include "radio/HexText.h"
#include "radio/RangeGuard.h"
#include "radio/Scrambler.h"
#include "radio/ToneCodec.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

struct TextBytes {
    std::string Text;
    std::string Bytes;
};

} // namespace

TEST(FreqCodec, TextToBcd) {
    const std::vector<TextBytes> cases = {
        {"446.00625", "25 06 60 44"}, {"400.125MHz", "00 25 01 40"}, {"27", "00 00 70 02"},
        {"", "FF FF FF FF"},          {"MHz", "FF FF FF FF"},        {"0", "00 00 00 00"},
        {"999.99999", "99 99 99 99"}, {"446.006254", "25 06 60 44"},
    };
    for (const auto& c : cases) {
        const auto bytes = FreqToBcd(c.Text);
        ASSERT_TRUE(bytes) << c.Text;
        EXPECT_EQ(Hex(*bytes), c.Bytes) << c.Text;
    }
}

TEST(FreqCodec, RefusesTextsThatAreNoFrequency) {
    for (const std::string text : {"abc", "446,5", "4.4.6", "1000", "-1", "inf", " ", "12.5 Hz"}) {
        const auto bytes = FreqToBcd(text);
        ASSERT_FALSE(bytes) << text;
        EXPECT_FALSE(bytes.error().Reason.empty());
    }
}

TEST(FreqCodec, BcdToFreq) {
    const std::vector<std::pair<FreqBytes, double>> cases = {
        {{0x25, 0x06, 0x60, 0x44}, 446.00625}, {{0x00, 0x25, 0x01, 0x40}, 400.125},
        {{0xFF, 0xFF, 0xFF, 0xFF}, -1.0},      {{0x25, 0x06, 0x6A, 0x44}, -1.0},
        {{0x25, 0x06, 0x60, 0xF4}, -1.0},
    };
    for (const auto& [bytes, mhz] : cases) {
        EXPECT_DOUBLE_EQ(BcdToFreq(bytes), mhz) << Hex(bytes);
    }
}

TEST(FreqCodec, SnapToStep) {
    const TALL all;
    const std::vector<std::pair<double, double>> cases = {
        {446.00625, 446.00625}, {446.005, 446.005}, {446.0093, 446.00625},
        {446.003, 446.0},       {400.0, 400.0},     {-5.0, -5.0},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_DOUBLE_EQ(SnapToStep(all, in), out) << in;
    }
}

TEST(ToneCodec, TextToBytes) {
    const std::vector<TextBytes> cases = {
        {"67.0", "70 06"},  {"100.0Hz", "00 10"}, {"254.1", "41 25"}, {"D023N", "23 80"},
        {"D754I", "54 C7"}, {"D023n", "23 80"},   {"D023i", "23 C0"}, {"", "FF FF"},
        {"Hz", "FF FF"},    {"88.55", "86 08"},
    };
    for (const auto& c : cases) {
        const auto bytes = ToneToBytes(c.Text);
        ASSERT_TRUE(bytes) << c.Text;
        EXPECT_EQ(Hex(*bytes), c.Bytes) << c.Text;
    }
}

TEST(ToneCodec, RefusesTextsThatAreNoTone) {
    for (const std::string text : {"abc", "6.7.1", "D23N", "D028N", "D023X", "D", "800.0", "-1"}) {
        EXPECT_FALSE(ToneToBytes(text)) << text;
    }
}

TEST(ToneCodec, BytesToTone) {
    const std::vector<std::pair<ToneBytes, std::string>> cases = {
        {{0x70, 0x06}, "67.0"},  {{0x00, 0x10}, "100.0"}, {{0x23, 0x80}, "D023N"},
        {{0x54, 0xC7}, "D754I"}, {{0xFF, 0xFF}, ""},      {{0x0A, 0x01}, ""},
        {{0x29, 0x80}, ""},      {{0x23, 0x88}, ""},      {{0x23, 0x40}, "402.3"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(BytesToTone(bytes), text) << Hex(bytes);
    }
}

TEST(ToneCodec, NormalizeTone) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"25", "30.0"},     {"300", "290.0"},   {"88.5", "88.5"},   {"6.7.1", "290.0"},
        {"D023N", "D023N"}, {"D028N", "D777N"}, {"d023n", "D777N"}, {"D023n", "D023n"},
        {"D23N", "D777N"},  {"", ""},           {"67", "67.0"},     {"1e2", "100.0"},
        {"None", "D777N"},
    };
    for (const auto& [typed, canonical] : cases) {
        EXPECT_EQ(NormalizeTone(typed), canonical) << typed;
    }
}

TEST(ToneCodec, TypedTonesStoreAndReadBack) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"67", "67.0"},     {"250.3", "250.3"}, {"12", "30.0"},    {"999", "290.0"},
        {"D754I", "D754I"}, {"D023n", "D023N"}, {"junk", "D777N"},
    };
    for (const auto& [typed, shown] : cases) {
        const auto bytes = ToneToBytes(NormalizeTone(typed));
        ASSERT_TRUE(bytes) << typed;
        EXPECT_EQ(BytesToTone(*bytes), shown) << typed;
    }
}

TEST(DateTimeCodec, RoundTrip) {
    const auto bytes = DateTimeToBytes("2026-12-09 08:38:10");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(Hex(*bytes), "EA 07 0C 09 08 26 0A");
    EXPECT_EQ(BytesToDateTime(*bytes), "2026-12-09 08:38:10");

    const DateTimeBytes blank{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(BytesToDateTime(blank), "65535-255-255 255:255:255");
    const DateTimeBytes early{0x07, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05};
    EXPECT_EQ(BytesToDateTime(early), "7-01-02 03:04:05");
}

TEST(DateTimeCodec, RefusesOtherPatterns) {
    for (const std::string text :
         {"", "2026-12-09 08:38", "2026-12-09T08:38:10", "2026-12-9 08:38:10",
          "2026-12-09 08:38:1x", "2026-12-09 08:38:100"}) {
        EXPECT_FALSE(DateTimeToBytes(text)) << text;
    }
}

TEST(FileHeader, BuildAndParse) {
    const auto header = BuildFileHeader("PWZRE", "400470", "2026-12-09 08:38");
    ASSERT_TRUE(header);
    EXPECT_EQ(Hex(*header), "50 57 5A 52 45 40 04 70 EA 07 0C 09 08 26 FF FF");
    const TFileHeader parsed = ParseFileHeader(*header);
    EXPECT_EQ(parsed.ModelText, "PWZRE");
    EXPECT_EQ(parsed.BandDigits, "400470");
    EXPECT_EQ(parsed.DateText, "2026-12-09 08:38");

    const auto lowBand = BuildFileHeader("PAB", "027072", "2026-01-02 03:04");
    ASSERT_TRUE(lowBand);
    EXPECT_EQ(Hex(*lowBand), "50 41 42 20 20 02 70 72 EA 07 01 02 03 04 FF FF");

    FileHeaderBytes foreign = *header;
    foreign[6] = 0x4A;
    EXPECT_EQ(ParseFileHeader(foreign).BandDigits, "404A70");
}

TEST(FileHeader, RefusesBadBandDigitsAndDates) {
    EXPECT_FALSE(BuildFileHeader("PWZRE", "1000470", "2026-12-09 08:38"));
    EXPECT_FALSE(BuildFileHeader("PWZRE", "40047", "2026-12-09 08:38"));
    EXPECT_FALSE(BuildFileHeader("PWZRE", "40047x", "2026-12-09 08:38"));
    EXPECT_FALSE(BuildFileHeader("PWZRE", "400470", "2026-12-09 08:38:10"));
}

TEST(Scrambler, ScrambleBlock) {
    const std::array<std::uint8_t, 8> zeroFirst{0x00, 1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(Hex(ScrambleBlock(zeroFirst)), "5E 01 02 03 04 05 06 07");
    const std::array<std::uint8_t, 8> allEqual{0x31, 0x31, 0x31, 0x31, 0x31, 0x31, 0x31, 0x31};
    EXPECT_EQ(Hex(ScrambleBlock(allEqual)), "6F 00 00 00 00 00 00 00");
    const std::array<std::uint8_t, 8> password{'1', '2', '3', '4', ' ', ' ', ' ', ' '};
    EXPECT_EQ(Hex(ScrambleBlock(password)), "6F 03 02 05 11 11 11 11");
}

TEST(HexText, Conversions) {
    EXPECT_EQ(*HexToInt(""), 0u);
    EXPECT_EQ(*HexToInt("fF10"), 0xFF10u);
    EXPECT_EQ(*HexToInt("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_FALSE(HexToInt("123456789"));
    EXPECT_FALSE(HexToInt("12G"));
    EXPECT_EQ(*HexPairToByte("a5"), 0xA5);
    EXPECT_FALSE(HexPairToByte("5"));
    EXPECT_FALSE(HexPairToByte("-5"));
    EXPECT_EQ(ByteToHex(0x0A), "0A");

    const std::array<std::uint8_t, 4> reply{'W', 0x00, 'R', 'E'};
    EXPECT_EQ(BytesToText(reply, 3), std::string("W\0R", 3));
    EXPECT_EQ(BytesToText(reply, 9).size(), 4u);

    std::array<std::uint8_t, 3> bytes{1, 2, 3};
    FillFF(bytes);
    EXPECT_EQ(Hex(bytes), "FF FF FF");

    EXPECT_TRUE(ContainsAnyChar("ABCDEF", "44A0"));
    EXPECT_FALSE(ContainsAnyChar("ABCDEF", "4460"));
    EXPECT_FALSE(ContainsAnyChar("", "ABC"));
}

TEST(HexText, FilterChar) {
    const std::vector<std::pair<std::uint8_t, std::string>> cases = {
        {0x41, "A"}, {'z', "z"}, {'0', "0"}, {0xFF, " "}, {0x2D, " "}, {0x00, " "}, {0xC4, " "},
    };
    for (const auto& [byte, text] : cases) {
        EXPECT_EQ(FilterChar(byte), text) << int(byte);
    }
}

TEST(RangeGuard, RangeOrDefault) {
    EXPECT_EQ(RangeOrDefault(9, 0, 8, 4), 4);
    EXPECT_EQ(RangeOrDefault(8, 0, 8, 4), 8);
    EXPECT_EQ(RangeOrDefault(0, 0, 8, 4), 0);
    EXPECT_EQ(RangeOrDefault(1, 2, 8, 4), 4);
    EXPECT_EQ(RangeOrDefault(0xFF, 0, 30, 6), 6);
}
