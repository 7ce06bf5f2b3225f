#include "app/MainFrm.h"
#include "ShellFakes.h"
#include "app/ChildFrame.h"
#include "app/Maindb.h"
#include "lang/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

struct Shown {
    std::string caption;
    std::string text;
    int style;
};

class MainFrmTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.MessageBox = [this](const std::string& caption, const std::string& text, int style) {
            shown.push_back({caption, text, style});
            if (answers.empty()) {
                return IdNo;
            }
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        };
        auto fake = std::make_unique<FakeDesktop>();
        desktop = fake.get();
        frm = std::make_unique<TfMainFrm>(db, FakeWindows(log), std::move(fake));
        frm->show();
        log.clear();
    }

    QString Panel(int i) const {
        return frm->findChild<QLabel*>(QStringLiteral("MainBarPanel%1").arg(i))->text();
    }
    QTreeWidget* Tree() const { return frm->findChild<QTreeWidget*>(QStringLiteral("cxQN7415")); }
    QTreeWidgetItem* ChannelNode(int n) const {
        return Tree()->topLevelItem(0)->child(1)->child(n - 1);
    }
    QAction* Action(const char* name) const {
        return frm->findChild<QAction*>(QString::fromLatin1(name));
    }
    void DoubleClick(QTreeWidgetItem* item) { emit Tree()->itemDoubleClicked(item, 0); }
    int OpenChildren() const {
        return static_cast<int>(frm->findChild<QMdiArea*>()->subWindowList().size());
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& s : shown) {
            texts.push_back(s.text);
        }
        return texts;
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    TfMaindb db{dir.path().toStdString() + "/"};
    std::vector<Shown> shown;
    std::deque<int> answers;
    CallLog log;
    FakeDesktop* desktop = nullptr;
    std::unique_ptr<TfMainFrm> frm;
};

TEST_F(MainFrmTest, FirstShowCompletesTheStateAndTheWindow) {
    const TALL& all = db.All;
    EXPECT_FALSE(all.Modified);
    EXPECT_EQ(all.ModelName, "KX-40(UHF)");
    EXPECT_EQ(all.BandLow, 400.0);
    EXPECT_EQ(all.BandHigh, 470.0);
    EXPECT_TRUE(frm->Document().FileName.empty());
    EXPECT_EQ(frm->windowTitle(), "KX-40");

    QTreeWidgetItem* root = Tree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), "KX-40");
    EXPECT_EQ(root->child(0)->text(0), "Radio Information");
    EXPECT_EQ(root->child(1)->text(0), "Channel Information");
    EXPECT_EQ(root->child(1)->childCount(), 16);
    EXPECT_EQ(ChannelNode(1)->text(0), "No. -  1");
    EXPECT_EQ(ChannelNode(16)->text(0), "No. -  16");
    EXPECT_EQ(root->child(2)->text(0), "Function");
    EXPECT_TRUE(ChannelNode(16)->isExpanded() || ChannelNode(16)->parent()->isExpanded());
    EXPECT_EQ(Tree()->currentItem(), root);

    EXPECT_EQ(Panel(0), "");
    EXPECT_TRUE(QDate::fromString(Panel(1), QStringLiteral("yyyy/MM/dd")).isValid())
        << Panel(1).toStdString();
    EXPECT_TRUE(QTime::fromString(Panel(2), QStringLiteral("HH:mm:ss")).isValid());
    EXPECT_EQ(Panel(3), QString::fromStdString("Port: " + all.ComPort));
    EXPECT_EQ(Panel(4), "KX-40(UHF)");
    EXPECT_EQ(Panel(5), "400 - 470MHz");

    EXPECT_NE(frm->ChildWindow(EditorKind::ChannelGrid), nullptr);
    EXPECT_EQ(OpenChildren(), 1);
    EXPECT_EQ(Action("miTestOnline")->isVisible(), all.TestOnline);
}

TEST(MainFrmStartup, TheStoredPortIsSettledAtFirstShow) {
    struct Case {
        const char* stored;
        std::vector<std::string> available;
        const char* expected;
    };
    for (const Case& c : {Case{"com3", {"COM1", "COM3"}, "COM3"},
                          Case{"COM7", {"COM1", "COM3"}, "COM1"}, Case{"COM7", {}, "COM7"}}) {
        QTemporaryDir dir;
        TfMaindb db(dir.path().toStdString() + "/");
        db.All.ComPort = c.stored;
        CallLog log;
        auto desktop = std::make_unique<FakeDesktop>();
        desktop->ports = c.available;
        TfMainFrm frm(db, FakeWindows(log), std::move(desktop));
        frm.show();
        EXPECT_EQ(db.All.ComPort, c.expected) << c.stored;
        const auto* panel = frm.findChild<QLabel*>(QStringLiteral("MainBarPanel3"));
        EXPECT_EQ(panel->text(), QString::fromStdString(std::string("Port: ") + c.expected));
        EXPECT_EQ(panel->toolTip(), QStringLiteral("/dev/ttyUSB0")) << "the device behind it";
    }
}

TEST_F(MainFrmTest, EveryCommandReachesItsAction) {
    struct Case {
        const char* action;
        int tag;
        CallLog expected;
    };
    const std::vector<Case> cases = {
        {"miChannelInfo", 5, {"grid.new"}},
        {"miChannelEdit", 10, {"edit.new", "edit.show"}},
        {"tbChannelEdit", 10, {"edit.new", "edit.show"}},
        {"miBatchEdit", 36, {}},
        {"miRadioInfo", 11, {"info.new"}},
        {"miPassWord", 12, {"password.new"}},
        {"miFunction", 37, {"function.new"}},
        {"miPrint", 7, {"print"}},
        {"tbPrint", 7, {"print"}},
        {"miPreview", 8, {"preview"}},
        {"miTestFrequency", 18, {"testfrequency"}},
        {"miEmbeddedMessage", 19, {"message"}},
        {"miRead", 20, {"read", "grid.new"}},
        {"tbRead", 20, {"read", "grid.new"}},
        {"miWrite", 21, {"write"}},
        {"tbWrite", 21, {"write"}},
        {"miTestOnline", 22, {"testonline"}},
        {"miPort", 24, {"port"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        frm->CloseEditorWindows();
        log.clear();
        QAction* action = Action(c.action);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->property("tag").toInt(), c.tag);
        action->trigger();
        EXPECT_EQ(log, c.expected);
    }
}

TEST_F(MainFrmTest, EveryCommandFirstEndsAGridEditAndUnusedNumbersDoNothingElse) {
    for (int unused : {0, 6, 13, 14, 15, 16, 17, 23, 36, 38, -1}) {
        log.clear();
        frm->RunCommand(unused);
        EXPECT_EQ(log, CallLog{"grid.finish"}) << unused;
    }
    log.clear();
    frm->RunCommand(11);
    EXPECT_EQ(log, (CallLog{"grid.finish", "info.new"}));
}

TEST_F(MainFrmTest, ShortcutsAndHiddenItems) {
    const std::vector<std::pair<const char*, const char*>> shortcuts = {
        {"miNew", "Ctrl+N"},    {"miOpen", "Ctrl+O"},  {"miSave", "Ctrl+S"},
        {"miSaveAs", "Ctrl+A"}, {"miPrint", "Ctrl+P"}, {"miPreview", "Ctrl+V"},
        {"miExit", "Ctrl+X"},   {"miRead", "Ctrl+R"},  {"miWrite", "Ctrl+W"}};
    for (const auto& [name, keys] : shortcuts) {
        EXPECT_EQ(Action(name)->shortcut(), QKeySequence(QString::fromLatin1(keys))) << name;
    }
    EXPECT_FALSE(frm->findChild<QMenu*>(QStringLiteral("mWindow"))->menuAction()->isVisible());
    for (const char* hidden :
         {"miBatchEdit", "miPassWord", "miTestFrequency", "miEmbeddedMessage", "tbChannelEdit"}) {
        EXPECT_FALSE(Action(hidden)->isVisible()) << hidden;
    }
    // Save As and Print Preview have no tool button.
    for (QAction* action : frm->findChild<QToolBar*>(QStringLiteral("tbar"))->actions()) {
        const int tag = action->property("tag").toInt();
        EXPECT_NE(tag, 4);
        EXPECT_NE(tag, 8);
    }
}

TEST_F(MainFrmTest, TreeDoubleClickRules) {
    // A channel node opens the channel edit window on its channel.
    Tree()->setCurrentItem(ChannelNode(5));
    DoubleClick(ChannelNode(5));
    EXPECT_EQ(db.All.CurrentChannel, 5);
    EXPECT_EQ(log, (CallLog{"grid.finish", "edit.new", "edit.show"}));

    // A node other than the selected one counts for nothing.
    log.clear();
    DoubleClick(ChannelNode(7));
    EXPECT_EQ(db.All.CurrentChannel, 5);
    EXPECT_TRUE(log.empty());

    // The root only ends a grid edit.
    log.clear();
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    DoubleClick(Tree()->topLevelItem(0));
    EXPECT_EQ(log, CallLog{"grid.finish"});

    log.clear();
    QTreeWidgetItem* function = Tree()->topLevelItem(0)->child(2);
    Tree()->setCurrentItem(function);
    DoubleClick(function);
    EXPECT_EQ(log, (CallLog{"grid.finish", "function.new"}));
}

TEST_F(MainFrmTest, EditorsAreKeptInStep) {
    frm->RunCommand(10);
    log.clear();
    frm->RefreshEditors(0);
    frm->RefreshEditors(2);
    EXPECT_EQ(log, (CallLog{"grid.show", "edit.show"}));

    log.clear();
    db.All.CurrentChannel = 9;
    frm->SelectChannelNode(false);
    EXPECT_EQ(Tree()->currentItem(), ChannelNode(9));
    EXPECT_TRUE(log.empty());
    db.All.CurrentChannel = 3;
    frm->SelectChannelNode(true);
    EXPECT_EQ(Tree()->currentItem(), ChannelNode(3));
    EXPECT_EQ(log, CallLog{"edit.show"});

    // A focused window is not built again.
    log.clear();
    frm->RunCommand(10);
    EXPECT_EQ(log, (CallLog{"grid.finish", "edit.show"}));
}

TEST_F(MainFrmTest, FreshGridAfterEveryWindowClosed) {
    frm->RunCommand(10);
    frm->RunCommand(11);
    frm->RunCommand(37);
    EXPECT_EQ(OpenChildren(), 4);
    // The function window, closed first, destroys the information window on
    // its way out, before the main window gets to it.
    QPointer<QMdiSubWindow> info = frm->ChildWindow(EditorKind::RadioInformation);
    auto* function = qobject_cast<ChildFrame*>(frm->ChildWindow(EditorKind::FunctionSetting));
    QObject::connect(function, &ChildFrame::closed,
                     [info] { std::unique_ptr<QMdiSubWindow> gone(info.data()); });
    QMdiSubWindow* grid = frm->ChildWindow(EditorKind::ChannelGrid);

    log.clear();
    frm->RefreshEditors(1);
    EXPECT_TRUE(info.isNull());
    for (EditorKind kind :
         {EditorKind::ChannelEdit, EditorKind::RadioInformation, EditorKind::FunctionSetting}) {
        EXPECT_EQ(frm->ChildWindow(kind), nullptr);
    }
    EXPECT_NE(frm->ChildWindow(EditorKind::ChannelGrid), grid);
    EXPECT_EQ(log, CallLog{"grid.new"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenChildren(), 1);
}

TEST_F(MainFrmTest, ReadFollowUpForgetsTheFile) {
    frm->Document().FileName = "/tmp/a.dat";
    frm->RefreshStatus();
    EXPECT_EQ(frm->windowTitle(), "KX-40 [/tmp/a.dat]");
    frm->RunCommand(20);
    EXPECT_EQ(frm->windowTitle(), "KX-40");
    EXPECT_TRUE(frm->Document().FileName.empty());
}

TEST_F(MainFrmTest, HelpOpensAtMostOneViewer) {
    db.All.LanguageName = "English";
    frm->RunCommand(34);
    ASSERT_EQ(desktop->helpFiles.size(), 1u);
    EXPECT_EQ(desktop->helpFiles[0], dir.path() + "/VQ_English.chm");
    EXPECT_EQ(desktop->raised.back(), "VQ_Help");
    frm->RunCommand(34);
    EXPECT_EQ(desktop->helpFiles.size(), 1u);
    EXPECT_EQ(desktop->raised.size(), 2u);
}

TEST_F(MainFrmTest, ViewCommandsToggleTheirParts) {
    QWidget* tbar = frm->findChild<QToolBar*>(QStringLiteral("tbar"));
    Action("miToolbar")->trigger();
    EXPECT_FALSE(Action("miToolbar")->isChecked());
    EXPECT_FALSE(tbar->isVisible());
    EXPECT_TRUE(frm->findChild<QWidget*>(QStringLiteral("pBar"))->isVisible());
    Action("miToolbar")->trigger();
    EXPECT_TRUE(tbar->isVisible());

    Action("miStatusBar")->trigger();
    EXPECT_FALSE(frm->statusBar()->isVisible());

    QWidget* tree = frm->findChild<QWidget*>(QStringLiteral("pTree"));
    Action("miTreeView")->trigger();
    EXPECT_FALSE(tree->isVisible());
    Action("miTreeView")->trigger();
    EXPECT_TRUE(tree->isVisible());
    QTest::mouseClick(frm->findChild<QWidget*>(QStringLiteral("TreeHide")), Qt::LeftButton);
    EXPECT_FALSE(tree->isVisible());
    EXPECT_TRUE(log.empty());
}

TEST_F(MainFrmTest, AboutBoxShowsThePlaceholdersAndClosesOnAClick) {
    QString memo;
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        memo = box->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
        QTest::mouseClick(box->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
    });
    frm->RunCommand(35);
    EXPECT_EQ(title, "KX-40");
    EXPECT_EQ(memo, "7\n8\n\n9");
}

TEST_F(MainFrmTest, LeavingAsksFirstAndNoKeepsEverything) {
    db.All.Modified = true;
    const ImageBytes image = db.All.Image;
    answers = {IdNo};
    EXPECT_FALSE(frm->close());
    EXPECT_TRUE(frm->isVisible());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, db.Language.Confirmation);
    EXPECT_EQ(shown[0].text, db.Language.ExitProgram);
    EXPECT_EQ(shown[0].style, MsgYesNo);
    EXPECT_TRUE(db.All.Modified);
    EXPECT_EQ(db.All.Image, image);
    EXPECT_EQ(log, CallLog{"grid.finish"});
}

TEST_F(MainFrmTest, LeavingWithChangesOffersToSaveAndWritesTheSettings) {
    db.All.Modified = true;
    db.All.ComPort = "COM7";
    // Yes, Yes, then the save dialog is cancelled: the window closes anyway.
    answers = {IdYes, IdYes};
    EXPECT_TRUE(frm->close());
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{db.Language.ExitProgram, db.Language.SaveProgram}));
    EXPECT_EQ(desktop->saveDialogs, 1);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.dat")}).size(), 0);
    QFile settings(Path("SysInfo.Ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("COM7"));
}

TEST_F(MainFrmTest, AFailedSaveOnLeavingKeepsTheWindowOpen) {
    db.All.Modified = true;
    desktop->saveReply = Path("missing/plan.dat");
    answers = {IdYes, IdYes, IdOk};
    EXPECT_FALSE(frm->close());
    EXPECT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown.back().style, MsgInformation);
    EXPECT_TRUE(db.All.Modified);
}

TEST_F(MainFrmTest, DocumentCommandsKeepTheCaptionAndTheEditorsInStep) {
    desktop->saveReply = Path("plan.dat");
    frm->RunCommand(3);
    EXPECT_EQ(desktop->filters.back(), "Data File(*.dat)");
    EXPECT_EQ(frm->windowTitle(), "KX-40 [" + Path("plan.dat") + "]");
    EXPECT_FALSE(db.All.Modified);

    log.clear();
    desktop->openReply = Path("plan.dat");
    frm->RunCommand(2);
    EXPECT_EQ(frm->windowTitle(), "KX-40 [" + Path("plan.dat") + "]");
    EXPECT_EQ(log, (CallLog{"grid.finish", "grid.new"}));

    desktop->openReply = QString::fromLatin1(KX40_TEST_DATA) + "/unregistered_model.dat";
    frm->RunCommand(2);
    EXPECT_EQ(Texts().back(), db.Language.ModError);
    EXPECT_EQ(frm->windowTitle(), "KX-40");

    frm->RunCommand(3);
    log.clear();
    frm->RunCommand(1);
    EXPECT_EQ(frm->windowTitle(), "KX-40");
    EXPECT_EQ(log, (CallLog{"grid.finish", "grid.new"}));
}

TEST_F(MainFrmTest, ModelDialogOffersTheCatalogueAndAppliesTheChoice) {
    const auto runDialog = [this](const char* band, const char* button) {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->objectName(), "fModel");
            auto* model = box->findChild<QComboBox*>(QStringLiteral("cbCopmut"));
            auto* bands = box->findChild<QComboBox*>(QStringLiteral("cbPd"));
            EXPECT_EQ(model->currentText(), "KX-40(UHF)");
            EXPECT_EQ(bands->currentText(), QString::fromStdString(db.All.BandText));
            bands->setCurrentText(QString::fromLatin1(band));
            box->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
        frm->RunCommand(9);
    };
    const ImageBytes image = db.All.Image;
    runDialog("440 - 530MHz", "btnCancel");
    EXPECT_EQ(db.All.BandText, "400 - 470MHz");
    EXPECT_EQ(db.All.Image, image);

    db.All.Modified = true;
    answers = {IdNo};
    runDialog("440 - 530MHz", "btnOk");
    EXPECT_EQ(Texts(), std::vector<std::string>{db.Language.ClearData});
    EXPECT_EQ(db.All.BandText, "400 - 470MHz");

    answers = {IdYes, IdNo};
    log.clear();
    runDialog("440 - 530MHz", "btnOk");
    EXPECT_EQ(db.All.BandText, "440 - 530MHz");
    EXPECT_EQ(db.All.BandLow, 440.0);
    EXPECT_EQ(db.All.BandHigh, 530.0);
    EXPECT_FALSE(db.All.Modified);
    EXPECT_EQ(log, (CallLog{"grid.finish", "grid.new"}));
    EXPECT_EQ(Panel(5), "440 - 530MHz");
}

TEST_F(MainFrmTest, ANewLanguageRetitlesTheWindowAndStartsAfresh) {
    QFile ini(Path("Chinese.Ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[fMainFrm]\nmiNew.Caption=&Neu\ntbNew.Hint=Neu\nlCom.Caption=Anschluss:\n"
              "Label1.Caption=Funkgerät\nLabel5.Caption=Nr.\n");
    ini.close();
    db.All.Modified = true;
    log.clear();
    frm->RunCommand(25);
    EXPECT_EQ(Action("miNew")->text(), "&Neu");
    EXPECT_EQ(Action("tbNew")->toolTip(), "Neu");
    EXPECT_EQ(Tree()->topLevelItem(0)->child(0)->text(0), "Funkgerät");
    EXPECT_EQ(ChannelNode(3)->text(0), "Nr. 3");
    EXPECT_TRUE(Panel(3).startsWith("Anschluss:"));
    EXPECT_FALSE(db.All.Modified);
    EXPECT_EQ(log, (CallLog{"grid.finish", "language", "grid.new"}));
}

} // namespace
