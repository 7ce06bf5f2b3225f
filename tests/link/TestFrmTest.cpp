#include "link/TestFrm.h"
#include "app/Maindb.h"
#include "link/TestCode.h"

#include "RadioBench.h"
#include "ScriptedMessages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The power test dialog on a virtual radio in test mode, band 400 - 470 MHz.
struct TestFrmTest : ::testing::Test {
    TfMaindb db{"/nonexistent/"};
    RadioBench bench;
    VirtualRadio& radio = bench.Radio;
    ScriptedMessages messages{db};
    std::unique_ptr<TfTestFrm> form;

    void SetUp() override {
        ASSERT_TRUE(db.CompleteStartup({0xEA, 0x07, 0x0C, 0x09, 0x08, 0x26, 0x0A}).has_value());
        radio.SetTestCode(std::string(DefaultTestCode));
        for (int slot = 0; slot < PowerSlotCount; ++slot) {
            radio.TestMemory()[PowerAddress(slot, PowerLevel::Low)] = std::uint8_t(10 + slot);
            radio.TestMemory()[PowerAddress(slot, PowerLevel::High)] = std::uint8_t(200 + slot);
        }
        Open();
    }
    void Open() {
        form = std::make_unique<TfTestFrm>(db, bench.Link, bench.PcScheduler);
        form->show();
    }
    void GoOnline() {
        form->btnTx->click();
        bench.Clock.AdvanceMs(3000);
        ASSERT_TRUE(form->btnPtt->isEnabled());
    }
    Bytes SentSince(std::size_t from) const {
        return Bytes(radio.Received().begin() + static_cast<std::ptrdiff_t>(from),
                     radio.Received().end());
    }
    bool Red(const QLabel* light) const {
        return light->palette().color(QPalette::Window) == QColor(Qt::red);
    }
    void Type(QLineEdit* box, const QString& text) {
        box->setText(text);
        emit box->editingFinished();
    }
    // A drag over the bar, then the mouse is let go.
    void Drag(QSlider* bar, std::initializer_list<int> positions) {
        for (const int position : positions)
            bar->setValue(position);
        QTest::mouseRelease(bar, Qt::LeftButton);
    }
};

TEST_F(TestFrmTest, OpensOfflineOnTheFirstSubBand) {
    EXPECT_EQ(form->objectName(), "fTestFrm");
    EXPECT_EQ(form->windowTitle(), "Power Test");
    ASSERT_EQ(form->cxFreq->count(), 7);
    EXPECT_EQ(form->cxFreq->itemText(0), "400.000 -- 410.000MHz");
    EXPECT_EQ(form->cxFreq->itemText(6), "460.000 -- 470.000MHz");
    EXPECT_EQ(form->cxFreqV->text(), "405.12500");
    EXPECT_EQ(form->lbPort->text().toStdString(), " COM:    " + db.Language.Close);
    EXPECT_FALSE(form->tbTx[0]->isEnabled());
    EXPECT_FALSE(form->btnPtt->isEnabled());
    EXPECT_TRUE(form->fP[0]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->fP[1]->isVisibleTo(form.get()));
    EXPECT_EQ(db.All.TestCode, *ParseTestCode(DefaultTestCode));
}

TEST_F(TestFrmTest, OnlineShowsTheRadiosValuesAndEnablesTheControls) {
    GoOnline();
    EXPECT_EQ(radio.Requests().size(), 13u);
    EXPECT_EQ(radio.Received().back(), 'B');
    EXPECT_TRUE(Red(form->fSTx));
    EXPECT_EQ(form->lbPort->text().toStdString(), " COM:    " + db.Language.Open);
    EXPECT_EQ(form->tbTx[0]->value(), 10);
    EXPECT_EQ(form->tbTx[1]->value(), 200);
    EXPECT_EQ(form->ceTx[1]->text(), "200");
    EXPECT_TRUE(form->cxFreq->isEnabled());
    EXPECT_TRUE(form->pMain->isEnabled());
    EXPECT_FALSE(form->cxBar->isVisible()) << "hidden again by CTimer";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TestFrmTest, SubBandsShowTheirSlotsAndKeepChangedValues) {
    GoOnline();
    form->cxFreq->setCurrentIndex(3);
    bench.Clock.AdvanceMs(1000);
    EXPECT_EQ(form->cxFreqV->text(), "435.12500");
    EXPECT_EQ(form->tbTx[0]->value(), 13);
    EXPECT_EQ(form->tbTx[1]->value(), 203);

    std::size_t from = radio.Received().size();
    Drag(form->tbTx[1], {150, 160, 170});
    bench.Clock.AdvanceMs(1000);
    EXPECT_EQ(SentSince(from), (Bytes{'X', 0, 6, 1, 1, 'X', 0x00, 0x89, 1, 170, 'B'}))
        << "one sequence on release, not one per move";
    EXPECT_TRUE(form->fP[1]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->fP[0]->isVisibleTo(form.get()));

    from = radio.Received().size();
    QTest::keyClick(form->tbTx[0], Qt::Key_Right);
    QTest::keyClick(form->tbTx[0], Qt::Key_PageUp);
    QTest::mouseRelease(form->tbTx[0], Qt::LeftButton);
    EXPECT_EQ(form->tbTx[0]->value(), 13) << "keys do not move the bars";

    form->cxFreq->setCurrentIndex(0);
    bench.Clock.AdvanceMs(1000);
    form->cxFreq->setCurrentIndex(3);
    bench.Clock.AdvanceMs(1000);
    EXPECT_EQ(form->tbTx[1]->value(), 170);
    EXPECT_EQ(form->ceTx[1]->text(), "170");
    EXPECT_EQ(SentSince(from), (Bytes{'X', 0, 0, 6, 0x00, 0x25, 0x51, 0x40, 0xFF, 0xFF, 'B',
                                      'X', 0, 0, 6, 0x00, 0x25, 0x51, 0x43, 0xFF, 0xFF, 'B'}))
        << "selecting a sub-band sends only its test frequency";
}

TEST_F(TestFrmTest, TypedPowerIsClampedAndSentAtOnce) {
    GoOnline();
    const std::size_t from = radio.Received().size();
    Type(form->ceTx[0], "300");
    bench.Clock.AdvanceMs(1000);
    EXPECT_EQ(form->ceTx[0]->text(), "255");
    EXPECT_EQ(form->tbTx[0]->value(), 255);
    EXPECT_EQ(SentSince(from), (Bytes{'X', 0, 6, 1, 0, 'X', 0x00, 0x16, 1, 255, 'B'}));
    EXPECT_EQ(radio.TestMemory()[0x16], 255);
}

TEST_F(TestFrmTest, FrequencyBoxIsClampedSnappedAndSent) {
    GoOnline();
    struct Case {
        const char* typed;
        const char* shown;
        bool errRange;
    };
    const Case cases[] = {
        {"405.1234", "405.11875", false},
        {"415", "409.99500", false},
        {"", "405.12500", false},
        {"4o5", "405.12500", true},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        const std::size_t from = radio.Received().size();
        Type(form->cxFreqV, QString::fromLatin1(c.typed));
        bench.Clock.AdvanceMs(1000);
        EXPECT_EQ(form->cxFreqV->text(), c.shown) << c.typed;
        ASSERT_EQ(messages.shown.size(), c.errRange ? 1u : 0u) << c.typed;
        if (c.errRange) {
            EXPECT_EQ(messages.shown[0].Caption, db.Language.Caution);
            EXPECT_EQ(messages.shown[0].Text, db.Language.ErrRange);
            EXPECT_EQ(SentSince(from), Bytes{}) << "nothing sent for a non-number";
        } else {
            EXPECT_EQ(SentSince(from).size(), 11u) << c.typed;
        }
    }
    EXPECT_EQ(Bytes(radio.TestMemory().begin(), radio.TestMemory().begin() + 6),
              (Bytes{0x00, 0x25, 0x51, 0x40, 0xFF, 0xFF}));
}

TEST_F(TestFrmTest, NothingIsSentBeforeOnline) {
    for (QWidget* w : {static_cast<QWidget*>(form->cxFreq), static_cast<QWidget*>(form->tbTx[0]),
                       static_cast<QWidget*>(form->ceTx[1]), static_cast<QWidget*>(form->btnPtt)})
        w->setEnabled(true);
    form->cxFreq->setCurrentIndex(2);
    Type(form->cxFreqV, "421");
    Drag(form->tbTx[0], {40});
    Type(form->ceTx[1], "77");
    form->btnPtt->click();
    bench.Clock.AdvanceMs(3000);
    EXPECT_TRUE(radio.Received().empty());
    EXPECT_EQ(form->Sequencer().CachedPower(2), (TestSequencer::PowerPair{40, 77}));
}

TEST_F(TestFrmTest, PttFollowsTheAcknowledges) {
    GoOnline();
    const std::size_t from = radio.Received().size();
    form->btnPtt->click();
    EXPECT_FALSE(Red(form->fD1));
    bench.Clock.AdvanceMs(1000);
    EXPECT_TRUE(Red(form->fD1));
    form->btnPtt->click();
    bench.Clock.AdvanceMs(1000);
    EXPECT_FALSE(Red(form->fD1));
    EXPECT_EQ(SentSince(from), (Bytes{0x05, 0xAA, 'B', 0x05, 0x55, 'B'}));
}

TEST_F(TestFrmTest, SilentRadioOffersRetryAndCancelGoesOffline) {
    radio.Faults().Silent = true;
    messages.answers = {IdRetry, IdCancel};
    form->btnTx->click();
    bench.Clock.AdvanceMs(5000);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].Text, db.Language.ComError);
    EXPECT_EQ(messages.shown[0].Caption, db.Language.Confirmation);
    EXPECT_EQ(messages.shown[0].Style, MsgRetryCancel);
    const auto code = *ParseTestCode(DefaultTestCode);
    Bytes twice(code.begin(), code.end());
    twice.insert(twice.end(), code.begin(), code.end());
    EXPECT_EQ(radio.Received(), twice) << "Retry starts again with the access code";
    EXPECT_EQ(form->lbPort->text(), "    COM:Close");
    EXPECT_FALSE(bench.Link.IsOpen());
    EXPECT_TRUE(form->pMain->isEnabled());
    EXPECT_FALSE(form->btnPtt->isEnabled());
    EXPECT_FALSE(Red(form->fSTx));
}

TEST_F(TestFrmTest, PortThatDoesNotOpenShowsLPortError) {
    bench.Link.SetOpenFailure("Permission denied");
    form->btnTx->click();
    bench.Clock.AdvanceMs(1000);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Text.rfind(db.Language.LPortError, 0), 0u);
    EXPECT_NE(messages.shown[0].Text.find("Permission denied"), std::string::npos);
    EXPECT_TRUE(radio.Received().empty());
}

TEST_F(TestFrmTest, CloseLeavesTestModeAndClosesHalfASecondLater) {
    GoOnline();
    const std::size_t from = radio.Received().size();
    form->btnClose->click();
    bench.Clock.AdvanceMs(499);
    EXPECT_TRUE(form->isVisible());
    bench.Clock.AdvanceMs(1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(SentSince(from), Bytes{'E'});
    EXPECT_FALSE(bench.Link.IsOpen());
}

} // namespace
