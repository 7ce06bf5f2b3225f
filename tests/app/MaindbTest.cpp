#include "app/Maindb.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Maindb, StartValues) {
    TempDir tmp; // no settings file: the start values stay
    TfMaindb db(tmp.Dir());
    const TALL& all = db.All;
    EXPECT_EQ(all.AppDir, tmp.Dir());
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
    TempDir tmp;
    TfMaindb db(tmp.Dir());
    db.All.Modified = true;
    ASSERT_TRUE(db.CompleteStartup({0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A}).has_value());
    const TALL& all = db.All;
    EXPECT_EQ(all.CurrentModel, db.Models.Items(0));
    EXPECT_EQ(all.ModelName, "KX-40(UHF)");
    EXPECT_EQ(all.ChannelCount, 16);
    EXPECT_EQ(all.BandText, "400 - 470MHz");
    EXPECT_EQ(all.BandLow, 400.0);
    EXPECT_EQ(all.BandHigh, 470.0);
    EXPECT_FALSE(all.Modified);

    const RadioImageView image(db.All.Image);
    EXPECT_EQ(image.Byte(RadioImage::IdentMark), 0x50);
    EXPECT_EQ(image.Text(RadioImage::IdentModelCode), "WZRE");
    EXPECT_EQ(image.Byte(RadioImage::IdentBandCode), 247);
    EXPECT_EQ(image.Byte(RadioImage::VoxGainLevel), 5);
    EXPECT_EQ(image.Byte(RadioImage::ChannelOffset(1)), 0xFF);
    const auto fileTail = image.Bytes(RadioImage::FileTail);
    EXPECT_TRUE(std::all_of(fileTail.begin(), fileTail.end(), [](auto b) { return b == 0; }));
}

TEST(Maindb, ReadsTheSettingsThenTheTextsOfTheirLanguage) {
    TempDir tmp;
    tmp.Write("SysInfo.Ini", "[SysInfo]\nCom=COM4\nDefaultLanguage=1\nPicID=7\n");
    tmp.Write("English.Ini", "[Language]\nComError=Check the cable.\n");
    TfMaindb db(tmp.Dir());
    EXPECT_EQ(db.All.ComPort, "COM4");
    EXPECT_EQ(db.All.LanguageName, "English");
    EXPECT_EQ(db.All.PicId, 8);
    EXPECT_EQ(db.Language.ComError, "Check the cable.");
    EXPECT_EQ(db.Language.Confirmation, TLanguage{}.Confirmation);

    // A language whose file is missing keeps the built-in texts.
    tmp.Write("SysInfo.Ini", "[SysInfo]\nLanguage=Chinese|English|French\nDefaultLanguage=2\n");
    TfMaindb french(tmp.Dir());
    EXPECT_EQ(french.All.LanguageName, "French");
    EXPECT_EQ(french.Language.ComError, TLanguage{}.ComError);
}
