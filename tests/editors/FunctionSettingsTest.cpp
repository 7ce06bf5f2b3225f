#include "editors/FunctionSettings.h"

#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using S = RadioImage::Setting;
using I = FunSetId;

// A data module right after New.
struct FunctionSettingsTest : ::testing::Test {
    FunctionSettingsTest() {
        EXPECT_TRUE(db.CompleteStartup({0xEA, 0x07, 12, 9, 8, 38, 10}).has_value());
    }

    std::vector<std::uint8_t> Block() const {
        const auto* first = db.All.Image.data() + RadioImage::SettingsBlock.Offset;
        return {first, first + RadioImage::SettingsBlock.Size};
    }

    TfMaindb db{"/tmp/kx40/"};
    RadioImage image{db.All.Image};
};

} // namespace

TEST(FunSetControls, TableFollowsTheIdsAndLabelsNameTheirControls) {
    const auto controls = FunSetControls();
    ASSERT_EQ(controls.size(), FunSetCount);
    for (std::size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(controls[i].Id), i) << controls[i].Name;

    // In label order the visible captions are the report's rows.
    std::vector<std::string_view> shown;
    for (int n = 1; n <= 13; ++n) {
        const auto id = FunSetControlOfLabel("L" + std::to_string(n));
        ASSERT_TRUE(id.has_value()) << n;
        if (FunSetControl(*id).Visible)
            shown.push_back(FunSetControl(*id).Caption);
    }
    EXPECT_EQ(shown, (std::vector<std::string_view>{
                         "Squelch level", "Side Key", "TX Time Out", "Scan", "Voice",
                         "Voice Annunciation", "Incept Alarm", "FM", "Battery Save", "Epilogue"}));
    EXPECT_EQ(FunSetControl(*FunSetControlOfLabel("L1")).Name, "cbSQvelch");
    EXPECT_FALSE(FunSetControlOfLabel("L14").has_value());

    // The report prints those lists, then four check boxes and the gain level.
    const auto rows = FunSetReportRows();
    ASSERT_EQ(rows.size(), 15U);
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(FunSetControl(rows[i]).Caption, shown[i]);
    std::vector<std::string_view> rest;
    for (std::size_t i = shown.size(); i < rows.size(); ++i)
        rest.push_back(FunSetControl(rows[i]).Caption);
    EXPECT_EQ(rest, (std::vector<std::string_view>{"Clew Voice", "High Vol Inhibit Tx",
                                                   "Low Vol Inhibit Tx", "VOX Function",
                                                   "VOX Gain Level"}));
}

TEST_F(FunctionSettingsTest, AfterNewTheControlsShowTheDefaults) {
    const TFunctionSettings s = LoadSettings(image);
    const std::pair<I, std::string> lists[] = {{I::Voice, "On"},
                                               {I::VoiceLanguage, "Chinese"},
                                               {I::Scan, "Off"},
                                               {I::VoxGainLevel, "6"},
                                               {I::InceptAlarm, "Off"},
                                               {I::Fm, "Turn on"},
                                               {I::Epilogue, "Type-1"},
                                               {I::BatterySave, "1:3"},
                                               {I::Squelch, "5"},
                                               {I::SideKey, "Monmome"},
                                               {I::TxTimeOut, "180"},
                                               // 0xFF has no entry in the hidden lists.
                                               {I::RxShape, ""},
                                               {I::TxShape, ""},
                                               {I::Whisper, ""}};
    for (const auto& [id, text] : lists)
        EXPECT_EQ(FunSetText(s, id), text) << FunSetControl(id).Name;
    EXPECT_EQ(s[I::RxShape], -1);
    EXPECT_EQ(s[I::VoxFunction], 0);
    EXPECT_EQ(s[I::VoxInhibit], 1);
    EXPECT_EQ(s[I::LowVolInhibit], 1);
    EXPECT_EQ(s[I::HighVolInhibit], 1);
    EXPECT_EQ(s[I::ClewVoice], 1);
}

TEST_F(FunctionSettingsTest, OneChangeRewritesTheWholeBlockFromTheControls) {
    TFunctionSettings s = LoadSettings(image);
    s[I::Squelch] = 7;
    // Bytes that differ from what the controls show are rewritten from them.
    image.SetByte(S::VoiceSwitch, 0);
    image.SetByte(S::BatterySave, 0);
    StoreSettings(s, db.All);
    EXPECT_EQ(Block(), (std::vector<std::uint8_t>{0x01, 0x01, 0x00, 0x00, 0x05, 0x01, 0x01,
                                                  0x01, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0x01,
                                                  0x03, 0xFF, 0x01, 0x07, 0x01, 0x06}));
    EXPECT_TRUE(db.All.Modified);
}

TEST_F(FunctionSettingsTest, BytesWithoutAnEntryAreWrittenBackUntilAnEntryIsPicked) {
    image.SetByte(S::TxTimeOut, 15);
    image.SetByte(S::SignalShape, 0x2F);
    image.SetByte(S::WhisperSetting, 0x07);
    TFunctionSettings s = LoadSettings(image);
    EXPECT_EQ(s[I::TxTimeOut], -1);
    EXPECT_EQ(s[I::RxShape], -1);
    EXPECT_EQ(s[I::TxShape], 2);
    EXPECT_EQ(s[I::Whisper], -1);

    StoreSettings(s, db.All);
    EXPECT_EQ(image.Byte(S::TxTimeOut), 15);
    EXPECT_EQ(image.Byte(S::SignalShape), 0x2F);
    EXPECT_EQ(image.Byte(S::WhisperSetting), 0x07);

    s[I::TxTimeOut] = 2;
    s[I::RxShape] = 1;
    s[I::TxShape] = 0;
    StoreSettings(s, db.All);
    EXPECT_EQ(image.Byte(S::TxTimeOut), 2);
    EXPECT_EQ(image.Byte(S::SignalShape), 0x01);
}

TEST_F(FunctionSettingsTest, ClewVoiceIsBitZeroOnly) {
    image.SetByte(S::ClewVoice, 0xFE);
    TFunctionSettings s = LoadSettings(image);
    EXPECT_EQ(s[I::ClewVoice], 0);
    s[I::ClewVoice] = 1;
    StoreSettings(s, db.All);
    EXPECT_EQ(image.Byte(S::ClewVoice), 0xFF);
    s[I::ClewVoice] = 0;
    StoreSettings(s, db.All);
    EXPECT_EQ(image.Byte(S::ClewVoice), 0xFE);
}

TEST_F(FunctionSettingsTest, GainLevelIsStoredOneLowerAndAlwaysInRange) {
    TFunctionSettings s = LoadSettings(image);
    s[I::VoxFunction] = 1;
    s[I::VoxGainLevel] = 9;
    StoreSettings(s, db.All);
    EXPECT_EQ(image.Byte(S::VoxFunction), 1);
    EXPECT_EQ(image.Byte(S::VoxGainLevel), 8);
    EXPECT_EQ(LoadSettings(image)[I::VoxGainLevel], 9);

    // A byte no sanitiser has seen still loads as a level the box can show.
    image.SetByte(S::VoxGainLevel, 0xFF);
    EXPECT_EQ(LoadSettings(image)[I::VoxGainLevel], GainLevelMax);
}

TEST(ValidateGainLevel, MovesAnyEntryOntoTheGridAndIntoRange) {
    const std::pair<double, int> cases[] = {{1, 1},
                                            {9, 9},
                                            {12, 9},
                                            {0, 1},
                                            {-3, 1},
                                            {5.7, 5},
                                            {8.999, 8},
                                            {1e300, 9},
                                            {-1e300, 1},
                                            {std::numeric_limits<double>::quiet_NaN(), 1},
                                            {std::numeric_limits<double>::infinity(), 9}};
    for (const auto& [entered, level] : cases)
        EXPECT_EQ(ValidateGainLevel(entered), level) << entered;
}
