#include "link/QtScheduler.h"
#include "link/QtSerialLink.h"
#include "link/ReadRadio.h"
#include "link/SystemPorts.h"
#include "link/WriteRadio.h"

#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include "ScriptedMessages.h"
#include "TempDir.h"
#include "WaitFor.h"

#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <iterator>

namespace {

// The real dialogs on a real serial port: kx40-radio-sim serves a radio on a
// pseudo-terminal, pinned as COM3 in the settings file of the program folder.
struct RadioEndToEnd : ::testing::Test {
    TempDir tmp;
    QProcess sim;

    void SetUp() override {
        sim.start(QStringLiteral(KX40_RADIO_SIM),
                  {QStringLiteral("--pin-to"), QString::fromStdString(tmp.Path("SysInfo.Ini")),
                   QStringLiteral("--port"), QStringLiteral("3"), QStringLiteral("--dump"),
                   QString::fromStdString(tmp.Path("radio.bin"))});
        ASSERT_TRUE(sim.waitForStarted(5000));
        ASSERT_TRUE(WaitFor([&] { return sim.canReadLine(); }, 5000));
        ASSERT_TRUE(sim.readLine().startsWith("/dev/"));
    }
    void TearDown() override {
        sim.kill();
        sim.waitForFinished(5000);
    }

    // A data module as the program has it after start-up, set to COM3.
    static void Prepare(TfMaindb& db) {
        ASSERT_TRUE(db.CompleteStartup({0xEA, 0x07, 1, 2, 3, 4, 5}));
        db.All.ComPort = "COM3";
    }
    std::vector<std::uint8_t> RadioDump() const {
        std::ifstream in(tmp.Path("radio.bin"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST_F(RadioEndToEnd, WhatTheWriteDialogSendsTheReadDialogGetsBack) {
    TfMaindb written(tmp.Dir());
    Prepare(written);
    ScriptedMessages writeMessages(written);
    // Channel 1: 446.00625 MHz both ways, no tones, all options off.
    const std::uint8_t channel[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(channel), std::end(channel), written.All.Image.begin() + 32);
    // Signal shapes in range, so the read does not tidy them.
    written.All.Image[RadioImageView::SignalShape] = 0x21;
    {
        QtSerialLink link(CurrentPortDirectory(written.All));
        QtScheduler scheduler;
        TfWriteRadio dialog(written, link, scheduler,
                            [] { return DateTimeBytes{0xEA, 0x07, 12, 9, 8, 38, 10}; });
        dialog.show();
        ASSERT_TRUE(WaitFor([&] { return link.IsOpen(); }));
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return !writeMessages.shown.empty(); }, 30000));
        EXPECT_EQ(writeMessages.shown[0].Text, written.Language.WriteOk);
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    }
    const auto window = RadioImageView::RadioWindow;
    const std::vector<std::uint8_t> sent(written.All.Image.begin() + window.Offset,
                                         written.All.Image.begin() + window.End());
    ASSERT_TRUE(WaitFor([&] { return RadioDump().size() == window.Size; }));
    EXPECT_EQ(RadioDump(), sent);

    TfMaindb read(tmp.Dir());
    Prepare(read);
    ScriptedMessages readMessages(read);
    QtSerialLink link(CurrentPortDirectory(read.All));
    QtScheduler scheduler;
    TfReadRadio dialog(read, link, scheduler);
    dialog.show();
    ASSERT_TRUE(WaitFor([&] { return link.IsOpen(); }));
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !dialog.isVisible(); }, 30000));
    ASSERT_EQ(readMessages.shown.size(), 1u);
    EXPECT_EQ(readMessages.shown[0].Text, read.Language.ReadOk);
    EXPECT_TRUE(dialog.ReadDone());
    EXPECT_TRUE(read.All.Modified);
    EXPECT_EQ(std::vector<std::uint8_t>(read.All.Image.begin() + window.Offset,
                                        read.All.Image.begin() + window.End()),
              sent);
    EXPECT_FALSE(link.IsOpen());
}

} // namespace
