#include "editors/BFunSet.h"

#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using S = RadioImage::Setting;
using I = FunSetId;

struct BFunSetTest : ::testing::Test {
    BFunSetTest() { EXPECT_TRUE(db.CompleteStartup({0xEA, 0x07, 12, 9, 8, 38, 10}).has_value()); }

    TfBFunSet& Open() {
        window = std::make_unique<TfBFunSet>(db);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return *window;
    }
    template <class W> W* Find(const char* name) {
        auto* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    TfMaindb db{"/tmp/kx40/"};
    RadioImage image{db.All.Image};
    std::unique_ptr<TfBFunSet> window;
};

} // namespace

TEST_F(BFunSetTest, ShowsTheImageWithoutStoringAnything) {
    image.SetByte(S::ClewVoice, 0xFE);
    Open();
    EXPECT_EQ(window->ControlText(I::Voice), "On");
    EXPECT_EQ(window->ControlText(I::Scan), "Off");
    EXPECT_EQ(window->ControlText(I::TxTimeOut), "180");
    EXPECT_EQ(window->ControlText(I::VoxGainLevel), "6");
    EXPECT_EQ(Find<QComboBox>("cxRxShape")->currentIndex(), -1);
    EXPECT_FALSE(Find<QComboBox>("cxRxShape")->isVisibleTo(window.get()));
    EXPECT_FALSE(Find<QCheckBox>("cbBeepTone")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("cbVolhigh")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chVoxFun")->isChecked());
    EXPECT_FALSE(Find<QWidget>("pVox")->isEnabled());
    EXPECT_EQ(Find<QLabel>("L1")->text(), "Squelch level");
    EXPECT_EQ(Find<QLabel>("L1")->property("hint").toString(), "cbSQvelch");
    EXPECT_EQ(window->windowTitle(), "Function Setting");
    EXPECT_FALSE(db.All.Modified);
    EXPECT_EQ(image.Byte(S::ClewVoice), 0xFE);
}

TEST_F(BFunSetTest, EachUserChangeStoresTheBlock) {
    Open();
    Find<QComboBox>("cbSQvelch")->setCurrentIndex(7);
    EXPECT_EQ(image.Byte(S::SquelchLevel), 7);
    EXPECT_EQ(image.Byte(S::SignalShape), 0xFF);
    EXPECT_EQ(image.Byte(S::WhisperSetting), 0xFF);
    EXPECT_TRUE(db.All.Modified);

    auto* vox = Find<QCheckBox>("chVoxFun");
    QTest::mouseClick(vox, Qt::LeftButton, {}, QPoint(4, vox->height() / 2));
    EXPECT_TRUE(vox->isChecked());
    EXPECT_TRUE(Find<QWidget>("pVox")->isEnabled());
    EXPECT_EQ(image.Byte(S::VoxFunction), 1);

    QTest::mouseClick(Find<QCheckBox>("cbBeepTone"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(image.Byte(S::ClewVoice), 0x00);
}

TEST_F(BFunSetTest, TypedGainLevelsAreClampedNotRefused) {
    image.SetByte(S::VoxFunction, 1);
    Open();
    auto* gain = Find<QSpinBox>("seVoxLevel");
    auto* edit = gain->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    for (const auto& [typed, level] : {std::pair{"9", 9}, std::pair{"12", 9}, std::pair{"0", 1}}) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(typed));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(gain->value(), level) << typed;
        EXPECT_EQ(image.Byte(S::VoxGainLevel), level - 1) << typed;
    }
}
