#include "CatalogueFixture.h"

#include <gtest/gtest.h>

#include <set>

TEST(BandTable, CodeOfAndTextOfFallBackToTheirFixedPositions) {
    const CatalogueFixture db;
    const TFrqList& bands = db.Bands;
    const std::pair<const char*, int> codes[] = {
        {"400 - 470MHz", 247}, {"440 - 530MHz", 249}, {" 27 -  72MHz", 253},
        {"470 - 650MHz", 246}, {"400-470MHz", 253},   {"", 253},
    };
    for (const auto& [text, code] : codes) {
        EXPECT_EQ(bands.CodeOf(text), code) << text;
    }
    const std::pair<int, const char*> texts[] = {
        {247, "400 - 470MHz"}, {242, "136 - 174MHz"}, {0, "440 - 530MHz"}, {7, "440 - 530MHz"}};
    for (const auto& [code, text] : texts) {
        EXPECT_EQ(bands.TextOf(static_cast<std::uint8_t>(code)), text) << code;
    }
}

TEST(BandTable, HoldsFourteenDistinctParsableBands) {
    const CatalogueFixture db;
    const TFrqList& bands = db.Bands;
    ASSERT_EQ(bands.Count(), 14);
    std::set<int> codes;
    for (const auto& pair : bands.Pairs()) {
        const auto range = ParseBandRange(pair.Text);
        ASSERT_TRUE(range.has_value()) << pair.Text;
        EXPECT_LT(range.value().Low, range.value().High) << pair.Text;
        EXPECT_EQ(bands.CodeOf(pair.Text), pair.Code);
        codes.insert(pair.Code);
    }
    EXPECT_EQ(codes.size(), 14U);
}

TEST(BandTable, EmptyTableAnswersWithoutCrashing) {
    TFrqList empty;
    EXPECT_EQ(empty.CodeOf("400 - 470MHz"), 0);
    EXPECT_EQ(empty.TextOf(247), "");
}

TEST(ParseBandRange, ReadsBothEdgesOrRefuses) {
    const struct {
        const char* text;
        double low;
        double high;
    } good[] = {{"440 - 530MHz", 440, 530}, {" 27 -  72MHz", 27, 72}, {"400.5-470MHz", 400.5, 470}};
    for (const auto& c : good) {
        const auto range = ParseBandRange(c.text);
        ASSERT_TRUE(range.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(range.value().Low, c.low);
        EXPECT_DOUBLE_EQ(range.value().High, c.high);
    }
    for (const char* bad : {"", "400", "400 - 470", "abc - 470MHz", "400 - MHz", " - 470MHz",
                            "400 - 47x0MHz", "400 MHz - 470"}) {
        const auto range = ParseBandRange(bad);
        EXPECT_FALSE(range.has_value()) << bad;
        if (!range.has_value()) {
            EXPECT_NE(range.error().Reason.find(bad), std::string::npos) << range.error().Reason;
        }
    }
}

TEST(MacList, LookUpsAreExactAndReturnTheFirstMatch) {
    const CatalogueFixture db;
    const TMacList& models = db.Models;
    ASSERT_EQ(models.Count(), 1);
    const TMacType* model = models.Items(0);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->Code, "WZRE");
    EXPECT_EQ(model->Name, "KX-40(UHF)");
    EXPECT_EQ(model->ChannelCount, 16);
    EXPECT_EQ(model->MinFreq, 300.0);
    EXPECT_EQ(model->MaxFreq, 650.0);
    EXPECT_EQ(model->DefaultBand, "400 - 470MHz");

    EXPECT_EQ(models.Items(1), nullptr);
    EXPECT_EQ(models.Items(-1), nullptr);
    EXPECT_EQ(models.FindByCode("WZRE"), model);
    EXPECT_EQ(models.FindByCode("wzre"), nullptr);
    EXPECT_EQ(models.FindByName("KX-40(UHF)"), model);
    EXPECT_EQ(models.FindByName("kx-40(uhf)"), nullptr);
    EXPECT_EQ(models.FindByBand("400 - 470MHz"), model);
    EXPECT_EQ(models.FindByBand("440 - 530MHz"), model);
    EXPECT_EQ(models.FindByBand("136 - 174MHz"), nullptr);

    std::vector<std::string> names{"stale"};
    models.FillNames(names);
    EXPECT_EQ(names, std::vector<std::string>{"KX-40(UHF)"});
}

TEST(MacList, DuplicateCodesAndBandsFindTheEarlierEntry) {
    TMacList models;
    TMacType first("AAAA", "First", 16);
    first.AddBand("400 - 470MHz");
    TMacType second("AAAA", "Second", 8);
    second.AddBand("136 - 174MHz");
    second.AddBand("400 - 470MHz");
    models.Add(first);
    models.Add(second);
    EXPECT_EQ(models.FindByCode("AAAA")->Name, "First");
    EXPECT_EQ(models.FindByBand("400 - 470MHz")->Name, "First");
    EXPECT_EQ(models.FindByBand("136 - 174MHz")->Name, "Second");
}

TEST(ApplyModel, SetsModelAndBandFromTheCode) {
    const struct {
        int code;
        bool useBand;
        const char* bandText;
        double low;
        double high;
    } cases[] = {
        {0, false, "400 - 470MHz", -1, -1}, // edges left for the caller to parse
        {249, true, "440 - 530MHz", 440, 530}, {247, true, "400 - 470MHz", 400, 470},
        {0, true, "440 - 530MHz", 440, 530}, // unknown code stands for 440 - 530
        {249, false, "400 - 470MHz", -1, -1},
    };
    for (const auto& c : cases) {
        CatalogueFixture db;
        db.All.BandLow = -1;
        db.All.BandHigh = -1;
        const auto status =
            ApplyModel(db.All, db.Models, db.Bands, static_cast<std::uint8_t>(c.code), c.useBand);
        ASSERT_TRUE(status.has_value()) << c.code;
        EXPECT_EQ(db.All.CurrentModel, db.Models.Items(0));
        EXPECT_EQ(db.All.ModelName, "KX-40(UHF)");
        EXPECT_EQ(db.All.ModelCode, "WZRE");
        EXPECT_EQ(db.All.ChannelCount, 16);
        EXPECT_EQ(db.All.MinFreq, 300.0);
        EXPECT_EQ(db.All.MaxFreq, 650.0);
        EXPECT_EQ(db.All.BandText, c.bandText) << c.code;
        EXPECT_EQ(db.All.BandLow, c.low) << c.code;
        EXPECT_EQ(db.All.BandHigh, c.high) << c.code;
    }
}

TEST(ApplyModel, BandNoModelListsIsRefusedAndChangesNothing) {
    CatalogueFixture db;
    ASSERT_TRUE(ApplyModel(db.All, db.Models, db.Bands, 249, true).has_value());
    const TALL before = db.All;
    const auto status = ApplyModel(db.All, db.Models, db.Bands, 242, true);
    ASSERT_FALSE(status.has_value());
    EXPECT_NE(status.error().Reason.find("136 - 174MHz"), std::string::npos);
    EXPECT_EQ(db.All.CurrentModel, before.CurrentModel);
    EXPECT_EQ(db.All.BandText, "440 - 530MHz");
    EXPECT_EQ(db.All.BandLow, 440);
    EXPECT_EQ(db.All.BandHigh, 530);
    EXPECT_EQ(db.All.ModelCode, "WZRE");
}
