#include "editors/ToneOption.h"

#include "app/Maindb.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ToneOptionTest : public ::testing::Test {
protected:
    ToneOptionTest() { dialog.show(); }

    static void DoubleClick(TfToneOption& picker, TonePage page, int row, int column) {
        QTableWidget* table = picker.Table(page);
        table->setCurrentCell(row, column);
        emit table->cellDoubleClicked(row, column);
    }
    void DoubleClick(TonePage page, int row, int column) { DoubleClick(dialog, page, row, column); }
    // A radio button reacts to clicks on its indicator and text only.
    static void ClickPage(TfToneOption& picker, TonePage page) {
        QTest::mouseClick(picker.PageButton(page), Qt::LeftButton, {}, QPoint(5, 5));
    }

    QTemporaryDir dir;
    TfMaindb db{dir.path().toStdString() + "/"};
    TfToneOption dialog{db};
};

} // namespace

TEST_F(ToneOptionTest, OpensOnTheCtcssPage) {
    EXPECT_TRUE(dialog.PageButton(TonePage::Ctcss)->isChecked());
    EXPECT_TRUE(dialog.Table(TonePage::Ctcss)->isVisible());
    EXPECT_FALSE(dialog.Table(TonePage::DcsNormal)->isVisible());
    EXPECT_EQ(dialog.CodeGroup()->title(), "CTCSS");
    EXPECT_TRUE(dialog.Result().isEmpty());
}

TEST_F(ToneOptionTest, OnlyValueCellsArePicked) {
    DoubleClick(TonePage::Ctcss, 8, 0); // index "09"
    DoubleClick(TonePage::Ctcss, 8, 2); // code "YB"
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Result().isEmpty());
    DoubleClick(TonePage::Ctcss, 8, 1);
    EXPECT_EQ(dialog.Result(), "88.5");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ToneOptionTest, DcsPagesGiveThePolarityOfTheirPage) {
    ClickPage(dialog, TonePage::DcsInverted);
    EXPECT_EQ(dialog.CodeGroup()->title(), "DCS-I");
    EXPECT_FALSE(dialog.Table(TonePage::Ctcss)->isVisible());
    DoubleClick(TonePage::DcsInverted, 0, 1);
    EXPECT_EQ(dialog.Result(), "D023I");

    TfToneOption normal(db);
    normal.show();
    ClickPage(normal, TonePage::DcsNormal);
    DoubleClick(normal, TonePage::DcsNormal, 0, 1);
    EXPECT_EQ(normal.Result(), "D023N");
}

TEST_F(ToneOptionTest, BlankValueCellClosesWithoutATone) {
    DoubleClick(TonePage::Ctcss, 8, 13);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.Result().isEmpty());
}
