#include "link/TestBands.h"
#include "app/TALL.h"
#include "lang/IniFile.h"
#include "link/TestCode.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(TestBands, SubBandListsAndSlotsFollowTheBand) {
    const auto uhf = SubBands(400, 470);
    ASSERT_EQ(uhf.size(), 7u);
    EXPECT_EQ(uhf[0].Text, "400.000 -- 410.000MHz");
    EXPECT_EQ(uhf[6].Text, "460.000 -- 470.000MHz");
    EXPECT_DOUBLE_EQ(uhf[6].Low, 460.0);
    EXPECT_DOUBLE_EQ(uhf[6].High, 469.995);

    std::vector<int> slots;
    for (const auto& band : SubBands(440, 530))
        slots.push_back(band.Slot);
    EXPECT_EQ(slots, (std::vector<int>{4, 5, 6, 7, 8, 9, 0, 1, 2}));
    EXPECT_TRUE(SubBands(470, 400).empty());
}

TEST(TestBands, TestFrequencyIsClampedSnappedAndFormatted) {
    TALL all;
    const SubBand band = SubBands(400, 470)[0];
    struct Case {
        const char* typed;
        std::optional<std::string> shown;
    };
    const Case cases[] = {
        {"405.1234", "405.11875"}, {"415", "409.99500"},  {"", "405.12500"},
        {"  ", "405.12500"},       {"399", "400.00000"},  {"406.2", "406.20000"},
        {"abc", std::nullopt},     {"4e2", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettleTestFrequency(c.typed, band, all), c.shown) << c.typed;
}

TEST(TestCode, OnlyFiveCapitalLettersReplaceTheBuiltInCode) {
    const auto builtIn = *ParseTestCode(DefaultTestCode);
    struct Case {
        const char* stored;
        std::string code;
    };
    const Case cases[] = {
        {"ABCDE", "ABCDE"},
        {"abcde", std::string(DefaultTestCode)},
        {"ABCD", std::string(DefaultTestCode)},
        {"ABCDEF", std::string(DefaultTestCode)},
        {"AB1DE", std::string(DefaultTestCode)},
        {"ÄBCDE", std::string(DefaultTestCode)},
    };
    for (const auto& c : cases) {
        IniFile ini("unused");
        ini.WriteString("SysInfo", "TestCode", c.stored);
        const auto code = ReadTestCode(ini);
        EXPECT_EQ(std::string(code.begin(), code.end()), c.code) << c.stored;
    }
    EXPECT_EQ(ReadTestCode(IniFile("unused")), builtIn);
}

} // namespace
