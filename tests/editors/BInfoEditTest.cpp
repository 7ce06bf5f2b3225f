#include "editors/BInfoEdit.h"

#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace {

class BInfoEditTest : public WindowFixture {
protected:
    BInfoEditTest() {
        win.show();
        win.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&win));
        db.All.Modified = false;
    }

    template <class W> W* Control(const char* name) const {
        return win.findChild<W*>(QString::fromLatin1(name));
    }
    void Type(QWidget* box, const char* keys) {
        auto* line = qobject_cast<QLineEdit*>(box);
        if (auto* combo = qobject_cast<QComboBox*>(box)) {
            line = combo->lineEdit();
        } else if (auto* spin = qobject_cast<QSpinBox*>(box)) {
            line = spin->findChild<QLineEdit*>();
        }
        ASSERT_NE(line, nullptr);
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, keys);
        QTest::keyClick(line, Qt::Key_Return);
    }

    TfBInfoEdit win{db, host};
};

} // namespace

TEST_F(BInfoEditTest, EmptyChannelLeavesOnlyChannelAndReceiveBoxesEnabled) {
    for (const char* name : {"sexd", "eRx"}) {
        EXPECT_TRUE(Control<QWidget>(name)->isEnabled()) << name;
    }
    for (const char* name :
         {"eTX", "cbQT", "cbDQT", "cbkz", "cbfsgl", "chsmtj", "chfm", "chCp", "chSr", "chpppy"}) {
        EXPECT_FALSE(Control<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_EQ(Control<QComboBox>("cbQT")->currentText(), "None");
    EXPECT_EQ(Control<QComboBox>("cbfsgl")->currentText(), "High");
    EXPECT_FALSE(Control<QCheckBox>("chWp")->isVisible());
}

TEST_F(BInfoEditTest, TypingAReceiveFrequencyCreatesTheChannel) {
    Type(Control<QLineEdit>("eRx"), "4x46");
    EXPECT_EQ(Control<QLineEdit>("eRx")->text(), "446.00000");
    EXPECT_EQ(Control<QLineEdit>("eTX")->text(), "446.00000");
    EXPECT_TRUE(Control<QWidget>("cbDQT")->isEnabled());
    EXPECT_TRUE(Control<QWidget>("chfm")->isEnabled());
    EXPECT_EQ(Record(1), (Bytes16{0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(db.All.Modified);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"refresh0"});

    Type(Control<QLineEdit>("eRx"), "700");
    EXPECT_EQ(Control<QLineEdit>("eRx")->text(), "470.00000");
    EXPECT_EQ(Messages(), std::vector<std::string>{Warning(db.Language.ErrRange)});
}

TEST_F(BInfoEditTest, OptionsStoreTheWholeRecordWithBit7Set) {
    SetRecord(1, {0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                  0xFF, 0xFF, 0xFF});
    win.LoadChannel();
    auto* busyLock = Control<QCheckBox>("chfm");
    EXPECT_TRUE(busyLock->isChecked());
    QTest::mouseClick(busyLock, Qt::LeftButton);
    EXPECT_EQ(Record(1)[12], 0x81); // bit 0 set, bit 7 written as 1, bit 1 kept
    QTest::mouseClick(busyLock, Qt::LeftButton);
    EXPECT_EQ(Record(1)[12], 0x80);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"refresh0", "refresh0"}));
}

TEST_F(BInfoEditTest, ClearingTheTransmitBoxDisablesTheEncodeTone) {
    SetRecord(1, {0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44, 0x70, 0x06, 0x23, 0x80, 0xFB,
                  0xFF, 0xFF, 0xFF});
    win.LoadChannel();
    EXPECT_EQ(Control<QComboBox>("cbDQT")->currentText(), "D023N");
    Type(Control<QLineEdit>("eTX"), "\b");
    EXPECT_EQ(Control<QComboBox>("cbDQT")->currentText(), "None");
    EXPECT_FALSE(Control<QWidget>("cbDQT")->isEnabled());
    EXPECT_EQ(Record(1)[4] & Record(1)[7] & Record(1)[10] & Record(1)[11], 0xFF);
    EXPECT_EQ(Record(1)[8], 0x70);
}

TEST_F(BInfoEditTest, ToneBoxesFilterKeysNormaliseAndPick) {
    Type(Control<QLineEdit>("eRx"), "446");
    auto* encode = Control<QComboBox>("cbDQT");
    Type(encode, "xD023N");
    EXPECT_EQ(encode->currentText(), "D023N");
    EXPECT_EQ(Record(1)[10], 0x23);
    EXPECT_EQ(Record(1)[11], 0x80);
    Type(encode, "25");
    EXPECT_EQ(encode->currentText(), "30.0");
    EXPECT_EQ(Record(1)[10], 0x00);
    EXPECT_EQ(Record(1)[11], 0x03);

    win.PickTone = [](QWidget*) { return QStringLiteral("88.5"); };
    QTest::mouseDClick(Control<QComboBox>("cbQT")->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(Control<QComboBox>("cbQT")->currentText(), "88.5");
    EXPECT_EQ(Record(1)[8], 0x85);
}

TEST_F(BInfoEditTest, ChannelBoxClampsAndSelectsTheChannel) {
    SetRecord(16, {0x00, 0x00, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    auto* box = Control<QSpinBox>("sexd");
    Type(box, "17");
    EXPECT_EQ(box->value(), 16);
    EXPECT_EQ(db.All.CurrentChannel, 16);
    EXPECT_EQ(Control<QLineEdit>("eRx")->text(), "446.00000");
    EXPECT_EQ(host.Calls, std::vector<std::string>{"select"});
    Type(box, "0");
    EXPECT_EQ(box->value(), 1);
    EXPECT_FALSE(db.All.Modified);
}
