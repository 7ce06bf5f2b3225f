#include "ShellFakes.h"
#include "app/MainFrm.h"
#include "app/MainMenu.h"
#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include "TempDir.h"

#include <QAction>
#include <gtest/gtest.h>

#include <memory>

namespace {

class CsvCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.MessageBox = [this](const std::string& caption, const std::string& text, int) {
            shown.push_back(caption + "|" + text);
            return 1;
        };
        auto fake = std::make_unique<FakeDesktop>();
        desktop = fake.get();
        frm = std::make_unique<TfMainFrm>(db, FakeWindows(log), std::move(fake));
        frm->show();
        log.clear();
    }
    std::uint8_t Byte(std::size_t offset) const { return db.All.Image[offset]; }

    TempDir dir;
    TfMaindb db{dir.Dir()};
    CallLog log;
    std::vector<std::string> shown;
    FakeDesktop* desktop = nullptr;
    std::unique_ptr<TfMainFrm> frm;
};

} // namespace

TEST_F(CsvCommandsTest, FileMenuOffersImportAndExport) {
    for (const auto& [name, command] :
         {std::pair{"miImportCsv", CmdImportCsv}, std::pair{"miExportCsv", CmdExportCsv}}) {
        const QAction* action = frm->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->property("tag").toInt(), command);
        EXPECT_TRUE(action->isVisible());
    }
}

TEST_F(CsvCommandsTest, ImportReplacesThePlanReopensTheGridAndShowsWarnings) {
    dir.Write("plan.csv", "Location,Frequency,Tone,rToneFreq\n3,446.003,Tone,67.0\n");
    desktop->openReply = QString::fromStdString(dir.Path("plan.csv"));
    frm->RunCommand(CmdImportCsv);
    const std::size_t ch3 = RadioImage::ChannelOffset(3);
    EXPECT_EQ(Byte(ch3 + 2), 0x60); // 446.00000 after snapping
    EXPECT_EQ(Byte(ch3 + 10), 0x70);
    EXPECT_TRUE(db.All.Modified);
    EXPECT_EQ(log, (CallLog{"grid.finish", "grid.new"}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("Line 2: the frequency 446.00300 MHz is off the channel raster"),
              std::string::npos)
        << shown[0];
}

TEST_F(CsvCommandsTest, AFailedImportSaysWhyAndChangesNothing) {
    const ImageBytes before = db.All.Image;
    dir.Write("bad.csv", "Location,Frequency\n1,446.0\n2,999.0\n");
    desktop->openReply = QString::fromStdString(dir.Path("bad.csv"));
    frm->RunCommand(CmdImportCsv);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("Line 3: the frequency 999.00000 MHz is outside"), std::string::npos);
    EXPECT_EQ(db.All.Image, before);
    EXPECT_FALSE(db.All.Modified);
    EXPECT_EQ(log, (CallLog{"grid.finish"}));

    desktop->openReply.clear();
    frm->RunCommand(CmdImportCsv);
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(CsvCommandsTest, ExportWritesThePlanAndAddsTheSuffix) {
    RadioImage image(db.All.Image);
    const std::uint8_t record[] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                   0x70, 0x06, 0x23, 0x80, 0xEB, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(record), std::end(record), image.Channel(1).begin());
    desktop->saveReply = QString::fromStdString(dir.Path("plan"));
    frm->RunCommand(CmdExportCsv);
    const std::string csv = dir.Read("plan.csv");
    EXPECT_EQ(csv.substr(0, 9), "Location,");
    EXPECT_NE(csv.find("\n1,,446.006250,,0.000000,Cross,88.5,67.0,023,NN,023,DTCS->Tone,FM"),
              std::string::npos)
        << csv;
    EXPECT_TRUE(shown.empty());
}
