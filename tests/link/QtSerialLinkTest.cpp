#include "link/QtSerialLink.h"
#include "link/QtScheduler.h"
#include "link/SystemPorts.h"
#include "sim/PtyRadioLine.h"
#include "sim/VirtualRadio.h"

#include "WaitFor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A virtual radio on a pseudo-terminal, pinned as COM3, and a port to it.
struct QtSerialLinkTest : ::testing::Test {
    PtyRadioLine line;
    QtScheduler radioScheduler;
    VirtualRadio radio{radioScheduler, line};
    std::unique_ptr<QtSerialLink> link;
    Bytes received;
    int lineErrors = 0;

    void SetUp() override {
        ASSERT_TRUE(line.Open());
        line.SetReceiver([this](std::uint8_t byte) { radio.Receive(byte); });
        radio.SetModelCode("WZRE");
        link = MakeLink();
        link->SetOnDataAvailable([this](std::size_t count) {
            EXPECT_GT(count, 0u);
            while (link->ByteReady())
                received.push_back(link->GetByte());
        });
        link->SetOnLineError([this] { ++lineErrors; });
    }
    std::unique_ptr<QtSerialLink> MakeLink() {
        auto made = std::make_unique<QtSerialLink>(PortDirectory({{3, line.DevicePath()}}, {}));
        made->SetPortNumber(3);
        made->SetBaud(2400);
        made->SetParity(Parity::None);
        made->SetDataBits(8);
        made->SetStopBits(2);
        return made;
    }
};

TEST_F(QtSerialLinkTest, RoundTripAt2400Baud8N2) {
    ASSERT_TRUE(link->Open());
    ASSERT_TRUE(link->SendBytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    ASSERT_TRUE(WaitFor([&] { return received.size() == 1; }));
    EXPECT_EQ(received, Bytes{0x06});
    received.clear();
    ASSERT_TRUE(link->SendBytes({0x02}));
    ASSERT_TRUE(WaitFor([&] { return received.size() >= 16; }));
    EXPECT_EQ(Bytes(received.begin() + 1, received.begin() + 5), (Bytes{'W', 'Z', 'R', 'E'}));
    EXPECT_EQ(radio.Received().size(), 8u);
    EXPECT_TRUE(WaitFor([&] { return link->OutputQueued() == 0; }));
    EXPECT_EQ(lineErrors, 0);
}

TEST_F(QtSerialLinkTest, HangUpIsOneLineErrorAndClosesThePort) {
    ASSERT_TRUE(link->Open());
    line.HangUp();
    ASSERT_TRUE(WaitFor([&] { return lineErrors > 0; }));
    EXPECT_FALSE(link->IsOpen());
    WaitFor([] { return false; }, 100);
    EXPECT_EQ(lineErrors, 1);
    EXPECT_FALSE(link->SendBytes({0x02}));
}

TEST_F(QtSerialLinkTest, APortHeldOpenIsInUseAndNotListed) {
    ASSERT_TRUE(link->Open());
    auto second = MakeLink();
    const auto refused = second->Open();
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().Reason.find("in use"), std::string::npos) << refused.error().Reason;
    EXPECT_FALSE(CanOpenExclusively(line.DevicePath()));
    std::vector<std::string> listed;
    EnumerateSystemPorts(&listed, {{3, line.DevicePath()}});
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "COM3"), 0);
    link->Close();
    EXPECT_TRUE(CanOpenExclusively(line.DevicePath()));
    listed.clear();
    EnumerateSystemPorts(&listed, {{3, line.DevicePath()}});
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "COM3"), 1);
    EXPECT_TRUE(second->Open());
}

TEST_F(QtSerialLinkTest, OpenFailuresSayWhy) {
    link->SetPortNumber(9);
    const auto unknown = link->Open();
    ASSERT_FALSE(unknown);
    EXPECT_NE(unknown.error().Reason.find("No serial device is known as COM9"), std::string::npos);
    QtSerialLink gone(PortDirectory({{4, "/dev/kx40-no-such-device"}}, {}));
    gone.SetPortNumber(4);
    const auto missing = gone.Open();
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().Reason.find("/dev/kx40-no-such-device"), std::string::npos);
}

} // namespace
