#include "editors/ChInfo.h"

#include "WindowFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

class ChInfoTest : public WindowFixture {
protected:
    ChInfoTest() {
        win.show();
        win.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&win));
        grid = win.Grid();
        db.All.Modified = false;
    }

    // Types into a frequency cell through the grid's in-place editor.
    void TypeInto(int channel, int column, const char* keys) {
        grid->setCurrentCell(channel - 1, column - 1);
        grid->editItem(grid->item(channel - 1, column - 1));
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        // The grid commits the edit, then the warning follows, each queued.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    QString CellText(int channel, int column) const {
        return grid->item(channel - 1, column - 1)->text();
    }
    // Selects an option or tone cell, which places its drop-down editor.
    QComboBox* Select(int channel, int column, CellEditor kind) {
        grid->setCurrentCell(channel - 1, column - 1);
        QComboBox* box = win.Box(kind);
        EXPECT_TRUE(box->isVisible());
        return box;
    }

    TfChInfo win{db, host};
    QTableWidget* grid = nullptr;
};

const std::initializer_list<std::uint8_t> Example = {
    0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x70, 0x06, 0x23, 0x80, 0xEB, 0xFF, 0xFF, 0xFF};

} // namespace

TEST_F(ChInfoTest, ShowsTheLayoutAndOnlyTheAllowedCellsAreEditable) {
    EXPECT_EQ(win.width(), 800);
    EXPECT_EQ(grid->columnCount(), 11);
    EXPECT_EQ(grid->rowCount(), 16);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "RX Frequency");
    EXPECT_EQ(grid->columnWidth(1), 90);
    EXPECT_EQ(CellText(16, 1), "16");
    EXPECT_TRUE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(0, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(0, 3)->flags() & Qt::ItemIsEditable);
    // An empty row offers no drop-down editor.
    grid->setCurrentCell(0, 10);
    EXPECT_FALSE(win.Box(CellEditor::YesNo)->isVisible());
}

TEST_F(ChInfoTest, TypingIntoAnEmptyRowCreatesTheChannel) {
    TypeInto(2, 2, "44x6");
    EXPECT_EQ(CellText(2, 2), "446.00000");
    EXPECT_EQ(CellText(2, 3), "446.00000");
    EXPECT_EQ(CellText(2, 4), "None");
    EXPECT_EQ(CellText(2, 6), "High");
    EXPECT_EQ(CellText(2, 7), "Wide");
    EXPECT_EQ(CellText(2, 11), "No");
    EXPECT_TRUE(grid->item(1, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(Record(2)[3], 0x44);
    EXPECT_EQ(Record(2)[12], 0xFB);
    EXPECT_TRUE(db.All.Modified);
    EXPECT_EQ(db.All.CurrentChannel, 2);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(host.Calls.back(), "refresh2");
}

TEST_F(ChInfoTest, WarningsAreShownOncePerEntry) {
    TypeInto(1, 2, "480");
    EXPECT_EQ(CellText(1, 2), "480.00000");
    TypeInto(1, 2, "700");
    EXPECT_EQ(CellText(1, 2), "470.00000");
    EXPECT_EQ(Messages(), (std::vector<std::string>{Warning(db.Language.OutRange),
                                                    Warning(db.Language.ErrRange)}));
}

TEST_F(ChInfoTest, ClearingTheTransmitCellDropsTheEncodeEditor) {
    SetRecord(1, Example);
    win.LoadChannelRow(1);
    TypeInto(1, 3, "\b");
    EXPECT_EQ(CellText(1, 3), "");
    EXPECT_EQ(CellText(1, 5), "None");
    EXPECT_EQ(Record(1)[4], 0xFF);
    EXPECT_EQ(Record(1)[10], 0xFF);
    grid->setCurrentCell(0, 4);
    EXPECT_FALSE(win.Box(CellEditor::EncodeTone)->isVisible());
}

TEST_F(ChInfoTest, DropDownChoicesStoreTheBit) {
    SetRecord(1, Example);
    win.LoadChannelRow(1);
    QComboBox* box = Select(1, 11, CellEditor::YesNo);
    EXPECT_EQ(box->currentIndex(), 1);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(CellText(1, 11), "Yes");
    EXPECT_EQ(Record(1)[12], 0xEA);
    EXPECT_TRUE(db.All.Modified);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());

    box = Select(1, 7, CellEditor::Bandwidth);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(CellText(1, 7), "Narrow");
    EXPECT_EQ(Record(1)[12], 0xEE);
}

TEST_F(ChInfoTest, ToneBoxFiltersKeysAndNormalises) {
    SetRecord(1, Example);
    win.LoadChannelRow(1);
    QComboBox* box = Select(1, 4, CellEditor::DecodeTone);
    EXPECT_EQ(box->currentText(), "67.0");
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "x8d8.5");
    EXPECT_EQ(box->currentText(), "8d8.5");
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "88.5");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(CellText(1, 4), "88.5");
    EXPECT_EQ(Record(1)[8], 0x85);
    EXPECT_EQ(Record(1)[9], 0x08);
}

TEST_F(ChInfoTest, ToneBoxDoubleClickTakesThePickedTone) {
    SetRecord(1, Example);
    win.LoadChannelRow(1);
    QString reply = "D023I";
    win.PickTone = [&](QWidget*) { return reply; };
    QComboBox* box = Select(1, 5, CellEditor::EncodeTone);
    QTest::mouseDClick(box->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(CellText(1, 5), "D023I");
    EXPECT_EQ(Record(1)[10], 0x23);
    EXPECT_EQ(Record(1)[11], 0xC0);
    // Closing the picker without a pick keeps the tone.
    reply.clear();
    QTest::mouseDClick(box->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(CellText(1, 5), "D023I");
}

TEST_F(ChInfoTest, SelectingARowMakesItCurrent) {
    grid->setCurrentCell(8, 0);
    EXPECT_EQ(db.All.CurrentChannel, 9);
    grid->setCurrentCell(8, 3);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"select+reload"});
}

TEST_F(WindowFixture, TranslatedGridUsesItsOwnTitlesOptionsAndNoneText) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("Test.Ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[fChInfo]\nlbColumns.1=Empfang\nlbColumns.12=120\ncbDec.0=Keine\ncbPower.1=Hoch\n");
    file.close();
    db.All.AppDir = folder.path().toStdString() + "/";
    db.All.LanguageName = "Test";
    db.All.LanguageIndex = 1;
    SetRecord(1, {0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});

    TfChInfo win(db, host);
    win.show();
    QTableWidget* grid = win.Grid();
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Empfang");
    EXPECT_EQ(grid->columnWidth(1), 120);
    EXPECT_EQ(win.width(), 830);
    EXPECT_EQ(grid->item(0, 3)->text(), "Keine");
    EXPECT_EQ(grid->item(0, 4)->text(), "Keine");
    EXPECT_EQ(grid->item(0, 5)->text(), "Hoch");
    EXPECT_EQ(win.Box(CellEditor::EncodeTone)->itemText(0), "Keine");
    EXPECT_EQ(win.Box(CellEditor::EncodeTone)->itemText(1), "67.0");
}
