#include "report/ReportRows.h"
#include "report/ReportBuilder.h"
#include "report/ReportLayout.h"

#include "ReportTestSupport.h"
#include "TempDir.h"
#include "editors/ChannelColumns.h"
#include "radio/RadioImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<TReportRow>;

std::vector<std::string> Column(const Rows& rows, std::string TReportRow::*field) {
    std::vector<std::string> out;
    for (const auto& row : rows) {
        out.push_back(row.*field);
    }
    return out;
}

Rows Section(const Rows& rows, int typeId) {
    Rows out;
    for (const auto& row : rows) {
        if (row.TypeID == typeId) {
            out.push_back(row);
        }
    }
    return out;
}

struct ReportRowsTest : ::testing::Test {
    ReportRowsTest() { StartUp(db); }
    TfMaindb db{"/nonexistent/"};
};

} // namespace

TEST_F(ReportRowsTest, ResetImageGivesTheSettingsAndAnEmptyChannelSection) {
    BuildReport(db);

    ASSERT_EQ(db.myMain.size(), 1u);
    const TReportMain& head = db.myMain[0];
    EXPECT_EQ(head.Title, "KX-40");
    EXPECT_EQ(head.AField, "Model Type");
    EXPECT_EQ(head.AValue, db.All.ModelName);
    EXPECT_EQ(head.BField, "Frequency[MHz]");
    EXPECT_EQ(head.BValue, "400 - 470MHz");
    EXPECT_EQ(head.CField, "Serial Number");
    EXPECT_EQ(head.CValue.size(), 16u);

    const Rows functions = Section(db.myAdo, FunctionSection);
    ASSERT_EQ(functions.size(), 15u);
    EXPECT_EQ(Column(functions, &TReportRow::AField),
              (std::vector<std::string>{"Squelch level", "Side Key", "TX Time Out", "Scan", "Voice",
                                        "Voice Annunciation", "Incept Alarm", "FM", "Battery Save",
                                        "Epilogue", "Clew Voice", "High Vol Inhibit Tx",
                                        "Low Vol Inhibit Tx", "VOX Function", "VOX Gain Level"}));
    for (const auto& row : functions) {
        EXPECT_EQ(row.TypeName, "Function Setting");
        EXPECT_EQ(row.BField + row.BValue, "") << row.AField;
    }
    const auto values = Column(functions, &TReportRow::AValue);
    EXPECT_EQ(values.front(),
              FunSetText(LoadSettings(RadioImageView(db.All.Image)), FunSetId::Squelch));
    EXPECT_EQ(values.back(),
              FunSetText(LoadSettings(RadioImageView(db.All.Image)), FunSetId::VoxGainLevel));

    const Rows channels = Section(db.myAdo, ChannelSection);
    ASSERT_EQ(channels.size(), 1u);
    TReportRow title;
    title.TypeID = ChannelSection;
    title.TypeName = db.Language.Channel + db.Language.Info;
    EXPECT_EQ(channels[0], title);
    EXPECT_EQ(db.myAdo.size(), 16u) << "nothing but the two sections";
    EXPECT_EQ(db.myAdo.back().TypeID, ChannelSection) << "channels come after the settings";
}

TEST_F(ReportRowsTest, ProgrammedChannelPrintsSixLinesFromTheGridTexts) {
    OpenTwoChannels(db);
    // Channel 1 cleared, so the lines come from channel 2 alone and keep its number.
    std::fill_n(RadioImage(db.All.Image).Channel(1).begin(), 16, std::uint8_t{0xFF});
    BuildReport(db);

    const Rows channels = Section(db.myAdo, ChannelSection);
    ASSERT_EQ(channels.size(), 7u);
    const auto& t = DefaultColumnList();
    EXPECT_EQ(channels[1].AField, "Channel No.2");
    EXPECT_EQ(channels[1].AValue + channels[1].BField + channels[1].BValue, "");
    EXPECT_EQ(channels[2].AField, t[1]);
    EXPECT_EQ(channels[2].AValue, "400.12500");
    EXPECT_EQ(channels[2].BField, t[2]);
    for (std::size_t line = 2; line < 7; ++line) {
        EXPECT_EQ(channels[line].AField, t[2 * line - 3]) << line;
        EXPECT_EQ(channels[line].BField, t[2 * line - 2]) << line;
        EXPECT_FALSE(channels[line].AValue.empty()) << line;
    }
    EXPECT_EQ(channels[3].AValue, "D754I");
    EXPECT_EQ(channels[3].BValue, "None");
}

TEST_F(ReportRowsTest, CheckBoxesPrintTheOpenAndCloseTexts) {
    db.Language.Open = "switched on";
    db.Language.Close = "switched off";
    for (const std::uint8_t clew : {0x01, 0x00}) {
        RadioImage(db.All.Image).SetByte(RadioImage::Setting::ClewVoice, clew);
        BuildReport(db);
        const auto row = std::find_if(db.myAdo.begin(), db.myAdo.end(),
                                      [](const auto& r) { return r.AField == "Clew Voice"; });
        ASSERT_NE(row, db.myAdo.end());
        EXPECT_EQ(row->AValue, clew ? "switched on" : "switched off");
    }
}

TEST_F(ReportRowsTest, BuildingTwiceGivesTheSameRows) {
    OpenTwoChannels(db);
    BuildReport(db);
    const Rows first = db.myAdo;
    const auto firstTitle = db.myMain.at(0).Title;
    BuildReport(db);
    EXPECT_EQ(db.myAdo, first);
    ASSERT_EQ(db.myMain.size(), 1u);
    EXPECT_EQ(db.myMain[0].Title, firstTitle);
    EXPECT_EQ(Section(first, ChannelSection).size(), 13u);
    EXPECT_FALSE(db.All.Modified) << "reading the windows changes nothing";
}

TEST(ReportClosedWindows, TranslatedLanguageGivesTheCaptionsAWindowWouldShow) {
    TempDir dir;
    dir.Write("Deutsch.Ini", "[fInfoMsg]\nlbModel.Caption=Modell\n"
                             "[fBFunSet]\nfBFunSet.Caption=Funktionen\nL1.Caption=Rauschsperre\n"
                             "cbBeepTone.Caption=Signalton\ncxScan.0=Aus\ncxScan.1=Ein\n"
                             "cbSQvelch.0=null\n"
                             "[fChInfo]\nlbColumns.0=Kanal-\ncbPower.0=Niedrig\ncbPower.1=Hoch\n");
    TfMaindb db(dir.Dir());
    OpenTwoChannels(db);
    db.All.LanguageName = "Deutsch";
    db.All.LanguageIndex = 2;
    BuildReport(db);

    EXPECT_EQ(db.myMain.at(0).AField, "Modell");
    EXPECT_EQ(db.myMain.at(0).BField, "Frequency[MHz]");
    const auto find = [&](const std::string& caption) {
        return *std::find_if(db.myAdo.begin(), db.myAdo.end(),
                             [&](const auto& r) { return r.AField == caption; });
    };
    EXPECT_EQ(find("Rauschsperre").TypeName, "Funktionen");
    EXPECT_NE(find("Rauschsperre").AValue, "null") << "squelch levels are data, not words";
    EXPECT_NO_FATAL_FAILURE(find("Signalton"));
    const std::string scan = find("Scan").AValue;
    EXPECT_TRUE(scan == "Aus" || scan == "Ein") << scan;
    const Rows channels = Section(db.myAdo, ChannelSection);
    ASSERT_GT(channels.size(), 1u);
    EXPECT_EQ(channels[1].AField, "Kanal-1");
    const std::string power = channels[4].AValue;
    EXPECT_TRUE(power == "Niedrig" || power == "Hoch") << power;

    db.All.LanguageIndex = 0;
    BuildReport(db);
    EXPECT_EQ(db.myMain.at(0).AField, "Model Type") << "the first language uses the built-in texts";
}

TEST(ReportLayout, EachSectionStartsANewPageAndLongSectionsFlowOn) {
    const auto rows = [](int functions, int channels) {
        TReportRow row;
        row.TypeID = FunctionSection;
        Rows out(static_cast<std::size_t>(functions), row);
        row.TypeID = ChannelSection;
        out.resize(out.size() + static_cast<std::size_t>(channels), row);
        return out;
    };
    const double fits = 10 * ReportPage::RowHeight; // a title and nine lines
    struct Case {
        int functions, channels;
        std::vector<std::size_t> bandsPerPage;
    } cases[] = {
        {0, 0, {0}},         {15, 1, {16, 2}},         {9, 1, {10, 2}},
        {10, 1, {10, 1, 2}}, {9, 20, {10, 10, 10, 1}},
    };
    for (const auto& c : cases) {
        const auto pages =
            LayoutReport(rows(c.functions, c.channels), c.functions == 15 ? 1000 : fits);
        std::vector<std::size_t> sizes;
        for (const auto& page : pages) {
            sizes.push_back(page.size());
        }
        EXPECT_EQ(sizes, c.bandsPerPage) << c.functions << "+" << c.channels;
    }
    const auto pages = LayoutReport(rows(2, 1));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[1][0].GroupHeader);
    EXPECT_EQ(pages[1][0].Row, 2u);
    EXPECT_FALSE(pages[1][1].GroupHeader);
}

TEST(ReportLayout, PagesToPrintFollowTheRangeAndOrder) {
    EXPECT_EQ(PagesToPrint(3, 0, 0, false), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(PagesToPrint(3, 0, 0, true), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(PagesToPrint(5, 2, 4, false), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(PagesToPrint(3, 2, 9, true), (std::vector<int>{3, 2}));
    EXPECT_EQ(PagesToPrint(3, 4, 5, false), (std::vector<int>{}));
}
