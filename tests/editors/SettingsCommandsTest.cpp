#include "app/MainFrm.h"
#include "app/Maindb.h"
#include "editors/EmbeddedMessage.h"
#include "tests/app/ShellFakes.h"

#include <QApplication>
#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct SettingsCommandsTest : ::testing::Test {
    SettingsCommandsTest() { frm.show(); }

    QTemporaryDir dir;
    TfMaindb db{dir.path().toStdString() + "/"};
    TfMainFrm frm{db, DefaultWindows(), std::make_unique<FakeDesktop>()};
};

} // namespace

TEST_F(SettingsCommandsTest, EditorsOpenAtTheirPlaceOnceAndCloseWithTheirButton) {
    const std::tuple<int, EditorKind, const char*> commands[] = {
        {11, EditorKind::RadioInformation, "fInfoMsg"},
        {12, EditorKind::Password, "fPassWord"},
        {37, EditorKind::FunctionSetting, "fBFunSet"}};
    for (const auto& [no, kind, form] : commands) {
        frm.RunCommand(no);
        QMdiSubWindow* sub = frm.ChildWindow(kind);
        ASSERT_NE(sub, nullptr) << no;
        EXPECT_EQ(sub->widget()->objectName(), form);
        EXPECT_EQ(sub->pos(), QPoint(20, 20)) << no;
        frm.RunCommand(no);
        EXPECT_EQ(frm.ChildWindow(kind), sub) << no;

        sub->widget()->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
        EXPECT_EQ(frm.ChildWindow(kind), nullptr) << no;
    }
    EXPECT_FALSE(db.All.Modified);
}

TEST_F(SettingsCommandsTest, TheFrameShowsTheTranslatedCaption) {
    QFile file(dir.filePath(QStringLiteral("Test.Ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[fBFunSet]\nfBFunSet.Caption=Funktionen\n");
    file.close();
    db.All.LanguageName = "Test";
    db.All.LanguageIndex = 1;
    frm.RunCommand(37);
    ASSERT_NE(frm.ChildWindow(EditorKind::FunctionSetting), nullptr);
    EXPECT_EQ(frm.ChildWindow(EditorKind::FunctionSetting)->windowTitle(), "Funktionen");
}

TEST_F(SettingsCommandsTest, TreeNodesOpenRadioInformationAndFunctionSetting) {
    auto* tree = frm.findChild<QTreeWidget*>(QStringLiteral("cxQN7415"));
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (const auto& [node, kind] :
         {std::pair{0, EditorKind::RadioInformation}, std::pair{2, EditorKind::FunctionSetting}}) {
        tree->setCurrentItem(root->child(node));
        emit tree->itemDoubleClicked(root->child(node), 0);
        EXPECT_NE(frm.ChildWindow(kind), nullptr) << node;
    }
}

TEST_F(SettingsCommandsTest, EmbeddedMessageIsAModalDialog) {
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<TfEmbeddedMessage*>(QApplication::activeModalWidget())) {
            shown = dialog->windowTitle();
            dialog->reject();
        }
    });
    frm.RunCommand(19);
    EXPECT_EQ(shown, "Embedded Message");
}
