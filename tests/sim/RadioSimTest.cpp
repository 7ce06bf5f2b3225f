#include "lang/IniFile.h"
#include "link/QtSerialLink.h"

#include "WaitFor.h"

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

TEST_F(RadioSimTest, HangsUpWhenAsked) {
    Start({"--hang-up-at", "2"});
    EXPECT_EQ(Ask({'P', 'R', 'O', 'G', 'R', 'A', 'M'}, 1), Bytes{0x06});
    Ask({0x02}, 16);
    EXPECT_EQ(lineErrors, 1);
    EXPECT_FALSE(link->IsOpen());
}

TEST(RadioSimOptions, BadValuesAreRefusedWithAReason) {
    QProcess sim;
    sim.start(QStringLiteral(KX40_RADIO_SIM), {"--model", "TOOLONG"});
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.readAllStandardError().contains("--model wants 4"));
}

} // namespace
