#include "ShellFakes.h"
#include "app/MainFrm.h"
#include "app/Maindb.h"
#include "editors/BInfoEdit.h"
#include "editors/ChInfo.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The real main window with the real channel editors: the grid, the edit
// window and the tree follow each other through it.
class InStepTest : public ::testing::Test {
protected:
    InStepTest() {
        db.MessageBox = [](const std::string&, const std::string&, int) { return 1; };
        frm = std::make_unique<TfMainFrm>(db, DefaultWindows(), std::make_unique<FakeDesktop>());
        frm->show();
        frm->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    }

    template <class W> W* Editor(EditorKind kind) const {
        QMdiSubWindow* frame = frm->ChildWindow(kind);
        return frame != nullptr ? dynamic_cast<W*>(frame->widget()) : nullptr;
    }
    QTreeWidgetItem* SelectedNode() const {
        return frm->findChild<QTreeWidget*>(QStringLiteral("cxQN7415"))->currentItem();
    }
    void Type(QLineEdit* line, const char* keys) {
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, keys);
        QTest::keyClick(line, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    TfMaindb db{dir.path().toStdString() + "/"};
    std::unique_ptr<TfMainFrm> frm;
};

} // namespace

TEST_F(InStepTest, GridEditWindowAndTreeFollowEachOther) {
    auto* grid = Editor<TfChInfo>(EditorKind::ChannelGrid);
    ASSERT_NE(grid, nullptr) << "the grid opens at first show";
    QMdiSubWindow* gridFrame = frm->ChildWindow(EditorKind::ChannelGrid);
    EXPECT_TRUE(gridFrame->isVisible());
    EXPECT_TRUE(gridFrame->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(gridFrame->pos(), QPoint(20, 20));
    EXPECT_EQ(gridFrame->width(), 800);
    EXPECT_FALSE(db.All.Modified);
    frm->RunCommand(10);
    auto* edit = Editor<TfBInfoEdit>(EditorKind::ChannelEdit);
    ASSERT_NE(edit, nullptr);
    auto* rx = edit->findChild<QLineEdit*>(QStringLiteral("eRx"));

    // A row chosen in the grid becomes the channel of the tree and the form.
    QTableWidget* table = grid->Grid();
    table->setCurrentCell(2, 1);
    EXPECT_EQ(db.All.CurrentChannel, 3);
    EXPECT_EQ(SelectedNode()->text(0), "No. -  3");

    // An entry in the grid shows in the form at once ...
    table->editItem(table->item(2, 1));
    auto* cell = qobject_cast<QLineEdit*>(table->indexWidget(table->currentIndex()));
    ASSERT_NE(cell, nullptr);
    Type(cell, "446.5");
    EXPECT_EQ(rx->text(), "446.50000");
    EXPECT_TRUE(db.All.Modified);

    // ... and an entry in the form redraws the grid's row.
    Type(rx, "447");
    EXPECT_EQ(table->item(2, 1)->text(), "447.00000");
    EXPECT_EQ(table->item(2, 2)->text(), "446.50000");

    // The form's channel box moves the tree and reloads the form.
    auto* channel = edit->findChild<QSpinBox*>(QStringLiteral("sexd"));
    channel->setValue(5);
    EXPECT_EQ(db.All.CurrentChannel, 5);
    EXPECT_EQ(SelectedNode()->text(0), "No. -  5");
    EXPECT_EQ(rx->text(), "");
}
