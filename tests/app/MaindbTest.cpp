#include "app/Maindb.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Maindb, StartValues) {
    TfMaindb db("/tmp/kx40/");
    const TALL& all = db.All;
    EXPECT_EQ(all.AppDir, "/tmp/kx40/");
    EXPECT_EQ(all.LanguageName, "Chinese");
    EXPECT_EQ(all.LanguageIndex, 0);
    EXPECT_EQ(all.ComPort, "Com1");
    EXPECT_EQ(all.HelpName, "VQ");
    EXPECT_EQ(all.PicId, 1);
    EXPECT_EQ(all.FileDate, "");
    EXPECT_FALSE(all.Modified);

    // Set by the model registration.
    EXPECT_EQ(all.AppTitle, "KX-40");
    EXPECT_EQ(all.CurrentChannel, 1);
    EXPECT_EQ(all.FineStep, 625);
    EXPECT_EQ(all.CoarseStep, 500);
    EXPECT_TRUE(all.TestOnline);
    EXPECT_FALSE(all.SerialEditable);
    EXPECT_FALSE(all.NewPasswordEnabled);

    EXPECT_EQ(db.Bands.Count(), 14);
    EXPECT_EQ(db.Models.Count(), 1);
    // No model is current until the main window first shows.
    EXPECT_EQ(all.CurrentModel, nullptr);
    EXPECT_TRUE(std::all_of(all.Image.begin(), all.Image.end(), [](auto b) { return b == 0; }));
    EXPECT_TRUE(
        std::all_of(all.TestCode.begin(), all.TestCode.end(), [](auto b) { return b == 0; }));
}

TEST(Maindb, FirstStartGivesAFreshImageOfTheFirstModel) {
    TfMaindb db("/tmp/kx40/");
    db.All.Modified = true;
    ASSERT_TRUE(db.CompleteStartup({2026, 12, 9, 8, 38, 10}).has_value());
    const TALL& all = db.All;
    EXPECT_EQ(all.CurrentModel, db.Models.Items(0));
    EXPECT_EQ(all.ModelName, "KX-40(UHF)");
    EXPECT_EQ(all.ChannelCount, 16);
    EXPECT_EQ(all.BandText, "400 - 470MHz");
    EXPECT_EQ(all.BandLow, 400.0);
    EXPECT_EQ(all.BandHigh, 470.0);
    EXPECT_FALSE(all.Modified);

    const RadioImage image(db.All.Image);
    EXPECT_EQ(image.Byte(RadioImage::IdentMark), 0x50);
    EXPECT_EQ(image.Text(RadioImage::IdentModelCode), "WZRE");
    EXPECT_EQ(image.Byte(RadioImage::IdentBandCode), 247);
    EXPECT_EQ(image.Byte(RadioImage::VoxGainLevel), 5);
    EXPECT_EQ(image.Byte(RadioImage::ChannelOffset(1)), 0xFF);
    const auto fileTail = image.Bytes(RadioImage::FileTail);
    EXPECT_TRUE(std::all_of(fileTail.begin(), fileTail.end(), [](auto b) { return b == 0; }));
}
