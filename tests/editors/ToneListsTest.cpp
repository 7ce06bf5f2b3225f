#include "editors/ToneLists.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(ToneLists, BoxListHoldsNoneCtcssNormalAndInvertedCodes) {
    const auto& list = ToneBoxList();
    ASSERT_EQ(list.size(), 205u);
    EXPECT_EQ(list[0], "None");
    EXPECT_EQ(list[1], "67.0");
    EXPECT_EQ(list[39], "250.3");
    EXPECT_EQ(list[40], "D023N");
    EXPECT_EQ(list[122], "D754N");
    EXPECT_EQ(list[123], "D023I");
    EXPECT_EQ(list[204], "D754I");
    // The inverted codes put 145 where 245 stands and leave out 351.
    const auto at = [&](const char* tone) { return std::find(list.begin(), list.end(), tone); };
    EXPECT_EQ(at("D145I") - list.begin(), 123 + 34);
    EXPECT_EQ(at("D245I"), list.end());
    EXPECT_EQ(at("D351I"), list.end());
    EXPECT_NE(at("D351N"), list.end());
}

TEST(ToneLists, PickerSourceHasTwoBlocksWithBlankEnds) {
    const auto& source = ToneSource();
    ASSERT_EQ(source.size(), 133u);
    EXPECT_EQ(source[0], "01-67.0-XZ");
    EXPECT_EQ(source[9], "0A-91.5-ZZ");
    EXPECT_EQ(source[41], "2A-254.1-0Z");
    EXPECT_EQ(source[42] + source[43] + source[44], "");
    EXPECT_EQ(source[45], "1-D023");
    EXPECT_EQ(source[129], "85-D754");
    EXPECT_EQ(source[130] + source[131] + source[132], "");
}

TEST(ToneLists, ToneBoxNormalisation) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"", "Keine"},      {"   ", "Keine"},   {"Keine", "Keine"}, {" 88.5 ", "88.5"},
        {"25", "30.0"},     {"300", "290.0"},   {"D023N", "D023N"}, {"D023n", "D023n"},
        {"d023n", "D777N"}, {"D028N", "D777N"}, {"N", "D777N"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormalizeToneBox(c.typed, "Keine"), c.shown) << c.typed;
    }
}

TEST(ToneLists, KeyFilters) {
    for (char32_t ch : U"0123456789.DINdin") {
        if (ch != 0) {
            EXPECT_TRUE(ToneKeyAllowed(ch)) << char(ch);
        }
    }
    for (char32_t ch : U"xX-+ eE,a") {
        if (ch != 0) {
            EXPECT_FALSE(ToneKeyAllowed(ch)) << char(ch);
        }
    }
    EXPECT_TRUE(FreqKeyAllowed(U'7'));
    EXPECT_TRUE(FreqKeyAllowed(U'.'));
    for (char32_t ch : U"-+eE, D") {
        if (ch != 0) {
            EXPECT_FALSE(FreqKeyAllowed(ch)) << char(ch);
        }
    }
}
