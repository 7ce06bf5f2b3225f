#include "lang/IniFile.h"
#include "link/QtSerialLink.h"
#include "link/TestCode.h"

#include "WaitFor.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The simulator program as a user starts it, and a port on its device.
struct RadioSimTest : ::testing::Test {
    QProcess sim;
    QTemporaryDir dir;
    std::unique_ptr<QtSerialLink> link;
    Bytes received;
    int lineErrors = 0;

    std::string Start(const QStringList& arguments) {
        sim.start(QStringLiteral(KX40_RADIO_SIM), arguments);
        EXPECT_TRUE(sim.waitForStarted());
        EXPECT_TRUE(WaitFor([&] { return sim.canReadLine(); }, 10000));
        const std::string device = sim.readLine().trimmed().toStdString();
        link = std::make_unique<QtSerialLink>(PortDirectory({{1, device}}, {}));
        link->SetPortNumber(1);
        link->SetOnDataAvailable([this](std::size_t) {
            while (link->ByteReady())
                received.push_back(link->GetByte());
        });
        link->SetOnLineError([this] { ++lineErrors; });
        EXPECT_TRUE(link->Open());
        return device;
    }
    Bytes Ask(std::initializer_list<std::uint8_t> request, std::size_t expected) {
        received.clear();
        EXPECT_TRUE(link->SendBytes(request));
        WaitFor([&] { return received.size() >= expected || lineErrors > 0; });
        return received;
    }
    void TearDown() override {
        sim.kill();
        sim.waitForFinished();
    }
};

TEST_F(RadioSimTest, ServesTheRadioOnThePrintedDeviceAndPinsIt) {
    const std::string settings = dir.filePath(QStringLiteral("SysInfo.Ini")).toStdString();
    const std::string device =
        Start({"--model", "ABCD", "--pin-to", QString::fromStdString(settings), "--port", "4"});
    EXPECT_EQ(IniFile::Load(settings).ReadString("Ports", "COM4", ""), device);
    EXPECT_EQ(Ask({'P', 'R', 'O', 'G', 'R', 'A', 'M'}, 1), Bytes{0x06});
    const Bytes ident = Ask({0x02}, 16);
    ASSERT_EQ(ident.size(), 16u);
    EXPECT_EQ(Bytes(ident.begin() + 1, ident.begin() + 5), (Bytes{'A', 'B', 'C', 'D'}));
}

TEST_F(RadioSimTest, TestModeOpensWithTheProgramsOwnCode) {
    Start({});
    const Bytes code(DefaultTestCode.begin(), DefaultTestCode.end());
    received.clear();
    EXPECT_TRUE(link->Send(code));
    WaitFor([&] { return !received.empty(); });
    EXPECT_EQ(received, Bytes{0x06});
    EXPECT_EQ(Ask({'S', 0x00, 0x16, 0x02}, 6).size(), 6u);
}

TEST_F(RadioSimTest, HangsUpWhenAsked) {
    Start({"--hang-up-at", "2"});
    EXPECT_EQ(Ask({'P', 'R', 'O', 'G', 'R', 'A', 'M'}, 1), Bytes{0x06});
    Ask({0x02}, 16);
    EXPECT_EQ(lineErrors, 1);
    EXPECT_FALSE(link->IsOpen());
}

TEST_F(RadioSimTest, StartsFromADataFileAndDumpsTheMemoryAfterASession) {
    QFile data(QStringLiteral(KX40_TEST_DATA "/kx40_two_channels.dat"));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    const QByteArray file = data.readAll();
    const QString dump = dir.filePath(QStringLiteral("memory.bin"));
    Start({"--memory", data.fileName(), "--dump", dump});
    Ask({'P', 'R', 'O', 'G', 'R', 'A', 'M'}, 1);
    Ask({0x02}, 16);
    Ask({0x06}, 1);
    // Radio address a is file offset 16 + a: the header comes first.
    const Bytes block = Ask({'R', 0x00, 0x10, 0x08}, 12);
    ASSERT_EQ(block.size(), 12u);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(block.data()) + 4, 8), file.mid(32, 8));
    Ask({0x06}, 1);
    Ask({'W', 0x01, 0x68, 0x08, 1, 2, 3, 4, 5, 6, 7, 8}, 1);
    Ask({'E'}, 0);
    ASSERT_TRUE(WaitFor([&] { return QFileInfo(dump).size() == 368; }));
    QFile dumped(dump);
    ASSERT_TRUE(dumped.open(QIODevice::ReadOnly));
    const QByteArray memory = dumped.readAll();
    EXPECT_EQ(memory.left(0x168), file.mid(16, 0x168));
    EXPECT_EQ(memory.mid(0x168), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08"));
}

TEST(RadioSimOptions, BadValuesAreRefusedWithAReason) {
    struct Case {
        QStringList arguments;
        const char* reason;
    };
    for (const Case& c :
         {Case{{"--model", "TOOLONG"}, "--model wants 4"},
          Case{{"--no-reply-at", "x"}, "--no-reply-at wants a whole number"},
          Case{{"--memory", QStringLiteral(KX40_TEST_DATA "/short.dat")}, "kx40-radio-sim: "}}) {
        QProcess sim;
        sim.start(QStringLiteral(KX40_RADIO_SIM), c.arguments);
        ASSERT_TRUE(sim.waitForFinished(10000));
        EXPECT_EQ(sim.exitCode(), 2) << c.reason;
        EXPECT_TRUE(sim.readAllStandardError().contains(c.reason)) << c.reason;
    }
}

} // namespace
