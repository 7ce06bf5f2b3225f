#include "link/ReadRadio.h"
#include "link/WriteRadio.h"

#include "lang/MessageBox.h"
#include "link/PortOpenError.h"

#include "ProgramRig.h"
#include "ScriptedMessages.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

// The dialogs on the virtual radio in virtual time: the window is real, the
// line and the clock are simulated.
struct DialogTest : ::testing::Test, ProgramRig {
    ScriptedMessages messages{db};

    DialogTest() {
        std::fill_n(bench.Radio.Memory().begin(), 368, 0x00);
        const std::uint8_t ident[8] = {'P', 'W', 'Z', 'R', 'E', 247, 0, 0};
        std::copy(std::begin(ident), std::end(ident), bench.Radio.Memory().begin() + 320);
    }
    void ShowAndClickOk(TfRadioDialog& dialog) {
        dialog.show();
        bench.Clock.AdvanceMs(100);
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.shown)
            texts.push_back(m.Text);
        return texts;
    }
};

TEST_F(DialogTest, ReadShowsReadOkAndClosesWithTheImageReplaced) {
    TfReadRadio dialog(db, bench.Link, bench.PcScheduler);
    EXPECT_EQ(dialog.objectName(), "fReadRadio");
    EXPECT_EQ(dialog.windowTitle(), "Read data From radio");
    EXPECT_EQ(dialog.pBar->maximum(), 44);
    ShowAndClickOk(dialog);
    EXPECT_FALSE(dialog.btnOk->isEnabled());
    RunAll();

    EXPECT_EQ(Texts(), std::vector<std::string>{db.Language.ReadOk});
    EXPECT_EQ(messages.shown[0].Caption, db.Language.Confirmation);
    EXPECT_EQ(messages.shown[0].Style, MsgInformation);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.ReadDone());
    EXPECT_EQ(dialog.pBar->value(), 44);
    EXPECT_EQ(ImageBytes(32, 48), std::vector<std::uint8_t>(16, 0x00));
    EXPECT_TRUE(db.All.Modified);
}

TEST_F(DialogTest, ShowTranslatesFromTheChosenLanguage) {
    tmp.Write("English.Ini", "[fWriteRadio]\nfWriteRadio.Caption=Program the radio\n"
                             "btnOk.Caption=&Go\n");
    db.All.LanguageIndex = 1;
    db.All.LanguageName = "English";
    TfWriteRadio dialog(db, bench.Link, bench.PcScheduler, [] { return DateTimeBytes{}; });
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Program the radio");
    EXPECT_EQ(dialog.btnOk->text(), "&Go");
    EXPECT_EQ(dialog.btnCancel->text(), "&Cancel");
    dialog.reject();
}

TEST_F(DialogTest, CancelMidReadClosesAtOnceAndSendsNothingMore) {
    TfReadRadio dialog(db, bench.Link, bench.PcScheduler);
    const auto before = db.All.Image;
    ShowAndClickOk(dialog);
    RunUntilReceived(9 + 5 * 8);
    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    const auto sent = bench.Radio.Received().size();
    RunAll();
    EXPECT_EQ(bench.Radio.Received().size(), sent);
    EXPECT_FALSE(bench.Link.IsOpen());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(dialog.ReadDone());
    EXPECT_EQ(db.All.Image, before);
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(DialogTest, PortFailureShowsTheReasonUnderTheMessageAndCloses) {
    bench.Link.SetOpenFailure("Permission denied");
    TfReadRadio dialog(db, bench.Link, bench.PcScheduler);
    dialog.show();
    RunAll();
    EXPECT_EQ(Texts(),
              std::vector<std::string>{WithReason(db.Language.LPortError, "Permission denied")});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogTest, WriteAsksForAForeignRadioAndStaysOpenAfterWriteOk) {
    bench.Radio.SetModelCode("ABCD");
    messages.answers = {IdYes};
    TfWriteRadio dialog(db, bench.Link, bench.PcScheduler,
                        [] { return DateTimeBytes{0xEA, 0x07, 12, 9, 8, 38, 10}; });
    EXPECT_EQ(dialog.objectName(), "fWriteRadio");
    EXPECT_EQ(dialog.windowTitle(), "Write data to radio");
    ShowAndClickOk(dialog);
    RunAll();

    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].Text, db.Language.Modforce);
    EXPECT_EQ(messages.shown[0].Style, MsgYesNo);
    EXPECT_EQ(messages.shown[1].Text, db.Language.WriteOk);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.btnOk->isEnabled());
    EXPECT_EQ(dialog.pBar->value(), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(bench.Radio.Memory().begin(), bench.Radio.Memory().end()),
              ImageBytes(16, 384));
    dialog.reject();
}

TEST_F(DialogTest, WriteLineErrorLeavesTheDialogOpenWithOkDisabled) {
    TfWriteRadio dialog(db, bench.Link, bench.PcScheduler, [] { return DateTimeBytes{}; });
    ShowAndClickOk(dialog);
    RunUntilReceived(9 + 12 * 3);
    bench.Link.RaiseLineError();
    RunAll();
    EXPECT_EQ(Texts(), std::vector<std::string>{db.Language.ComError});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.btnOk->isEnabled());
    dialog.reject();
}

} // namespace
