#include "RadioBench.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct LoopbackLinkTest : ::testing::Test {
    RadioBench bench;
    Bytes received; // by the PC
    int lineErrors = 0;

    void SetUp() override {
        bench.Radio.SetModelCode("WZRE");
        bench.Link.SetOnDataAvailable([this](std::size_t) {
            while (bench.Link.ByteReady())
                received.push_back(bench.Link.GetByte());
        });
        bench.Link.SetOnLineError([this] { ++lineErrors; });
    }
    void Configure(int baud) {
        bench.Link.SetPortNumber(1);
        bench.Link.SetBaud(baud);
        bench.Link.SetParity(Parity::None);
        bench.Link.SetDataBits(8);
        bench.Link.SetStopBits(2);
    }
};

TEST_F(LoopbackLinkTest, EveryByteTakesElevenBitTimesAtTheConfiguredRate) {
    Configure(2400);
    ASSERT_TRUE(bench.Link.Open());
    const Bytes handshake{'P', 'R', 'O', 'G', 'R', 'A', 'M'};
    ASSERT_TRUE(bench.Link.Send(handshake));
    EXPECT_EQ(bench.Link.OutputQueued(), 7u);
    // 11 bits at 2400 baud: 4583 us a byte.
    bench.Clock.Advance(3 * 4583);
    EXPECT_EQ(bench.Link.OutputQueued(), 4u);
    EXPECT_EQ(bench.Radio.Received().size(), 3u);
    bench.Clock.Advance(4 * 4583 + 4583 - 1);
    EXPECT_TRUE(received.empty()) << "the 06 is still on the wire";
    bench.Clock.Advance(1);
    EXPECT_EQ(received, Bytes{0x06});
    EXPECT_EQ(bench.Link.OutputQueued(), 0u);
    EXPECT_EQ(bench.Link.Calls().front(), "SetPortNumber 1");
    EXPECT_EQ(bench.Link.Calls().back(), "Open");
}

TEST_F(LoopbackLinkTest, WrongFormatGetsNothingThroughAndReportsLineErrors) {
    Configure(9600);
    ASSERT_TRUE(bench.Link.Open());
    ASSERT_TRUE(bench.Link.SendBytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    bench.Link.Transmit(Bytes{0x06, 0x06});
    bench.Clock.AdvanceMs(100);
    EXPECT_TRUE(bench.Radio.Received().empty());
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(lineErrors, 2);
}

TEST_F(LoopbackLinkTest, ClosedPortRefusesToSendAndLosesWhatArrives) {
    Configure(2400);
    EXPECT_FALSE(bench.Link.SendBytes({0x02}));
    bench.Link.SetOpenFailure("Permission denied");
    const auto refused = bench.Link.Open();
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().Reason, "Permission denied");
    bench.Link.SetOpenFailure(std::nullopt);
    ASSERT_TRUE(bench.Link.Open());
    bench.Link.Transmit(Bytes{1, 2});
    bench.Link.Close();
    bench.Clock.AdvanceMs(100);
    EXPECT_TRUE(received.empty());
}

TEST_F(LoopbackLinkTest, FlushOutputDropsWhatHasNotLeftAndFlushInputWhatWasNotTaken) {
    Configure(2400);
    ASSERT_TRUE(bench.Link.Open());
    bench.Link.SetOnDataAvailable([](std::size_t) {});
    ASSERT_TRUE(bench.Link.SendBytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    bench.Clock.Advance(2 * 4583);
    bench.Link.FlushOutput();
    bench.Link.Transmit(Bytes{9});
    bench.Clock.AdvanceMs(100);
    EXPECT_EQ(bench.Radio.Received(), (Bytes{'P', 'R'}));
    EXPECT_EQ(bench.Link.OutputQueued(), 0u);
    EXPECT_TRUE(bench.Link.ByteReady());
    bench.Link.FlushInput();
    EXPECT_FALSE(bench.Link.ByteReady());
}

TEST_F(LoopbackLinkTest, HangUpIsALineErrorThatClosesThePortForGood) {
    Configure(2400);
    ASSERT_TRUE(bench.Link.Open());
    bench.Link.HangUp();
    bench.Clock.AdvanceMs(1);
    EXPECT_EQ(lineErrors, 1);
    EXPECT_FALSE(bench.Link.IsOpen());
    EXPECT_FALSE(bench.Link.Open());
}

} // namespace
