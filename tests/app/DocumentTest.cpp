#include "app/Document.h"
#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr DateTimeBytes Now{0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A};

// Answers questions and dialogs from a script and records everything asked.
class ScriptedUi : public DocumentUi {
public:
    bool Ask(const std::string& text) override {
        asked.push_back(text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return yes;
    }
    void Tell(const std::string& text) override { told.push_back(text); }
    std::optional<std::string> OpenPath() override { return openPath; }
    std::optional<std::string> SavePath() override {
        ++saveDialogs;
        return savePath;
    }
    void FileChanged() override { ++fileChanges; }
    void ImageReplaced() override { ++replacements; }
    DateTimeBytes Now() override { return ::Now; }

    std::deque<bool> answers;
    std::optional<std::string> openPath;
    std::optional<std::string> savePath;
    std::vector<std::string> asked;
    std::vector<std::string> told;
    int saveDialogs = 0;
    int fileChanges = 0;
    int replacements = 0;
};

class Document : public ::testing::Test {
protected:
    Document() {
        char folder[] = "/tmp/kx40-document-XXXXXX";
        dir = ::mkdtemp(folder);
        EXPECT_TRUE(db.CompleteStartup(Now));
        db.All.Image[RadioImage::ChannelRecord(1).Offset] = 0x12;
        db.All.Modified = true;
        edited = db.All.Image;
    }
    ~Document() override { fs::remove_all(dir); }

    std::string Path(const char* name) const { return (dir / name).string(); }
    static std::string Fixture(const char* name) {
        return (fs::path(KX40_TEST_DATA) / name).string();
    }

    TfMaindb db{"/tmp/kx40/"};
    ScriptedUi ui;
    TDocument doc{db, ui};
    fs::path dir;
    ImageBytes edited;
};

TEST_F(Document, SaveAsksForAPathOnlyWithoutAFileName) {
    ui.savePath = std::nullopt;
    EXPECT_EQ(doc.Save(), TDocument::SaveResult::Cancelled);
    EXPECT_TRUE(db.All.Modified);
    EXPECT_TRUE(fs::is_empty(dir));

    ui.savePath = Path("plan.dat");
    EXPECT_EQ(doc.Save(), TDocument::SaveResult::Saved);
    EXPECT_EQ(fs::file_size(Path("plan.dat")), 448u);
    EXPECT_FALSE(db.All.Modified);
    EXPECT_EQ(doc.Caption(), "KX-40 [" + Path("plan.dat") + "]");

    db.All.Modified = true;
    EXPECT_EQ(doc.Save(), TDocument::SaveResult::Saved);
    EXPECT_EQ(ui.saveDialogs, 2);

    // Save As that is cancelled leaves no file current; the next Save asks.
    ui.savePath = std::nullopt;
    EXPECT_EQ(doc.SaveAs(), TDocument::SaveResult::Cancelled);
    EXPECT_EQ(doc.Caption(), "KX-40");
    EXPECT_EQ(doc.Save(), TDocument::SaveResult::Cancelled);
    EXPECT_EQ(ui.saveDialogs, 4);
}

TEST_F(Document, AFailedSaveIsReportedAndKeepsThePath) {
    ui.savePath = Path("missing/plan.dat");
    EXPECT_EQ(doc.Save(), TDocument::SaveResult::Failed);
    ASSERT_EQ(ui.told.size(), 1u);
    EXPECT_NE(ui.told[0].find("plan.dat"), std::string::npos) << ui.told[0];
    EXPECT_TRUE(db.All.Modified);
    EXPECT_EQ(doc.FileName, Path("missing/plan.dat"));
}

TEST_F(Document, OpenReplacesTheImage) {
    ui.savePath = Path("plan.dat");
    ASSERT_EQ(doc.Save(), TDocument::SaveResult::Saved);
    const ImageBytes saved = db.All.Image;
    doc.New();
    ASSERT_NE(db.All.Image, saved);

    db.All.Modified = true;
    ui.answers = {false};
    ui.openPath = Path("plan.dat");
    doc.Open();
    EXPECT_EQ(ui.asked, std::vector<std::string>{db.Language.SaveProgram});
    // The channel plan comes back; the settings block is also brought into range.
    const auto channels = saved.begin() + RadioImage::ChannelRecord(1).Offset;
    EXPECT_TRUE(std::equal(channels, saved.begin() + RadioImage::SettingsBlock.Offset,
                           db.All.Image.begin() + RadioImage::ChannelRecord(1).Offset));
    EXPECT_FALSE(db.All.Modified);
    EXPECT_EQ(doc.Caption(), "KX-40 [" + Path("plan.dat") + "]");
    EXPECT_EQ(ui.replacements, 2);
}

TEST_F(Document, RefusedOpensChangeNothingAndForgetTheFile) {
    struct Case {
        std::string file;
        bool modError;
    };
    for (const Case& c :
         {Case{Fixture("unregistered_model.dat"), true}, Case{Fixture("short.dat"), true},
          Case{Path("no such file.dat"), false}}) {
        SCOPED_TRACE(c.file);
        doc.FileName = Path("current.dat");
        ui.told.clear();
        ui.openPath = c.file;
        ui.answers = {false};
        doc.Open();
        EXPECT_EQ(db.All.Image, edited);
        EXPECT_TRUE(db.All.Modified);
        EXPECT_EQ(doc.FileName, "");
        ASSERT_EQ(ui.told.size(), 1u);
        if (c.modError) {
            EXPECT_EQ(ui.told[0], db.Language.ModError);
        } else {
            EXPECT_NE(ui.told[0].find("no such file.dat"), std::string::npos) << ui.told[0];
        }
    }
    EXPECT_EQ(ui.replacements, 0);
}

TEST_F(Document, OpenCancelledKeepsEverything) {
    doc.FileName = Path("current.dat");
    ui.openPath = std::nullopt;
    ui.answers = {false};
    doc.Open();
    EXPECT_EQ(doc.FileName, Path("current.dat"));
    EXPECT_EQ(db.All.Image, edited);
}

TEST_F(Document, NewOffersToSaveFirst) {
    // No: nothing is written, the image starts afresh.
    ui.answers = {false};
    doc.FileName = Path("plan.dat");
    doc.New();
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_NE(db.All.Image, edited);
    EXPECT_FALSE(db.All.Modified);
    EXPECT_EQ(doc.FileName, "");
    EXPECT_EQ(ui.replacements, 1);

    // Without changes there is no question.
    ui.asked.clear();
    doc.New();
    EXPECT_TRUE(ui.asked.empty());

    // Yes with the save dialog cancelled: nothing to save to, New goes on.
    db.All.Modified = true;
    ui.answers = {true};
    ui.savePath = std::nullopt;
    doc.New();
    EXPECT_FALSE(db.All.Modified);
    EXPECT_EQ(ui.replacements, 3);
}

TEST_F(Document, ChangesAreNeverDroppedWhenTheirSaveFails) {
    ui.savePath = Path("missing/plan.dat");
    ui.answers = {true, true, true};
    doc.New();
    EXPECT_EQ(db.All.Image, edited);
    EXPECT_TRUE(db.All.Modified);
    ui.openPath = Fixture("kx40_two_channels.dat");
    doc.Open();
    EXPECT_EQ(db.All.Image, edited);
    EXPECT_FALSE(doc.SaveCheck());
    EXPECT_EQ(ui.replacements, 0);
}

TEST_F(Document, SaveCheckOnLeaving) {
    ui.answers = {false};
    EXPECT_TRUE(doc.SaveCheck());
    EXPECT_TRUE(fs::is_empty(dir));

    // Yes, then the dialog is cancelled: the application may still close.
    ui.answers = {true};
    ui.savePath = std::nullopt;
    EXPECT_TRUE(doc.SaveCheck());
    EXPECT_TRUE(fs::is_empty(dir));

    ui.answers = {true};
    ui.savePath = Path("plan.dat");
    EXPECT_TRUE(doc.SaveCheck());
    EXPECT_TRUE(fs::exists(Path("plan.dat")));

    ui.asked.clear();
    EXPECT_TRUE(doc.SaveCheck());
    EXPECT_TRUE(ui.asked.empty());
}

TEST_F(Document, ChangeModelStartsAFreshImageForTheBand) {
    ui.answers = {false};
    doc.ChangeModel("440 - 530MHz");
    EXPECT_EQ(ui.asked, std::vector<std::string>{db.Language.ClearData});
    EXPECT_EQ(db.All.BandText, "400 - 470MHz");
    EXPECT_EQ(db.All.Image, edited);

    ui.asked.clear();
    ui.answers = {true, false};
    doc.ChangeModel("440 - 530MHz");
    EXPECT_EQ(ui.asked, (std::vector<std::string>{db.Language.ClearData, db.Language.SaveProgram}));
    EXPECT_EQ(db.All.BandText, "440 - 530MHz");
    EXPECT_EQ(db.All.BandLow, 440.0);
    EXPECT_EQ(db.All.BandHigh, 530.0);
    EXPECT_EQ(db.All.Image[RadioImage::IdentBandCode], 249);
    EXPECT_FALSE(db.All.Modified);

    // Unchanged data: no question, the image still starts afresh.
    ui.asked.clear();
    db.All.Image[RadioImage::ChannelRecord(1).Offset] = 0x12;
    doc.ChangeModel("440 - 530MHz");
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_NE(db.All.Image[RadioImage::ChannelRecord(1).Offset], 0x12);
}

} // namespace
