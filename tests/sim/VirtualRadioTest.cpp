#include "RadioBench.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A scripted host: sends a request and collects what comes back.
struct VirtualRadioTest : ::testing::Test {
    RadioBench bench;
    VirtualRadio& radio = bench.Radio;
    Bytes received;
    int lineErrors = 0;

    void SetUp() override {
        radio.SetModelCode("WZRE");
        radio.SetTestCode("KTEST");
        std::iota(radio.Memory().begin(), radio.Memory().end(), 0);
        bench.Link.SetOnDataAvailable([this](std::size_t) {
            while (bench.Link.ByteReady())
                received.push_back(bench.Link.GetByte());
        });
        bench.Link.SetOnLineError([this] { ++lineErrors; });
        ASSERT_TRUE(bench.Link.Open());
    }
    Bytes Ask(const Bytes& request, int waitMs = 200) {
        received.clear();
        EXPECT_TRUE(bench.Link.Send(request));
        bench.Clock.AdvanceMs(waitMs);
        return received;
    }
    Bytes Ident(const std::string& code) {
        Bytes ident(16, 0xFF);
        ident[0] = 0;
        std::copy(code.begin(), code.end(), ident.begin() + 1);
        return ident;
    }
};

TEST_F(VirtualRadioTest, ProgrammingSessionReadsAndWritesTheMemory) {
    const Bytes block{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7};
    const Bytes write = Concat({{'W', 0x01, 0x68, 0x08}, block});
    EXPECT_EQ(Ask(Text("PROGRAM")), Bytes{0x06});
    EXPECT_EQ(radio.CurrentMode(), VirtualRadio::Mode::Programming);
    EXPECT_EQ(Ask({0x02}), Ident("WZRE"));
    EXPECT_EQ(Ask({0x06}), Bytes{0x06});
    EXPECT_EQ(Ask({'R', 0x00, 0x08, 0x08}),
              (Bytes{'W', 0x00, 0x08, 0x08, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(Ask(write), Bytes{0x06});
    EXPECT_EQ(Bytes(radio.Memory().begin() + 0x168, radio.Memory().end()), block);
    EXPECT_EQ(Ask({'E'}), Bytes{});
    EXPECT_EQ(radio.CurrentMode(), VirtualRadio::Mode::Idle);
    EXPECT_EQ(radio.Received(),
              Concat({Text("PROGRAM"), {0x02, 0x06, 'R', 0x00, 0x08, 0x08}, write, {'E'}}));
    EXPECT_EQ(radio.Requests().size(), 6u);
    EXPECT_EQ(radio.Requests()[4], write);
}

TEST_F(VirtualRadioTest, IgnoresWhatItCannotServe) {
    EXPECT_EQ(Ask({0x02}), Bytes{}) << "not in programming mode yet";
    EXPECT_EQ(Ask(Text("PROG")), Bytes{});
    EXPECT_EQ(Ask(Text("PROGRAM")), Bytes{0x06});
    EXPECT_EQ(Ask({'R', 0x01, 0x6C, 0x08}), Bytes{}) << "past the end of the memory";
    EXPECT_EQ(Ask({'R', 0x00, 0x00, 0x00}), Bytes{}) << "no length";
    EXPECT_EQ(Ask({'S', 0x00, 0x16}), Bytes{}) << "a test-mode command";
    EXPECT_EQ(Ask({0x06}), Bytes{0x06}) << "still in step after the refusals";
}

TEST_F(VirtualRadioTest, HandshakeRestartsASessionButNotInsideAWrite) {
    EXPECT_EQ(Ask(Text("PROGRAM")), Bytes{0x06});
    const Bytes write = Concat({{'W', 0x00, 0x00, 0x08, 'P'}, Text("PROGRAM")});
    EXPECT_EQ(Ask(write), Bytes{0x06});
    EXPECT_EQ(Bytes(radio.Memory().begin() + 1, radio.Memory().begin() + 8), Text("PROGRAM"));
    // A host that retries while the radio still is in programming mode.
    EXPECT_EQ(Ask(Text("PROGRAM")), Bytes{0x06});
    EXPECT_EQ(Ask({0x02}), Ident("WZRE"));
}

TEST_F(VirtualRadioTest, TestModeReadsAndSetsTheTestMemoryAndKeysTheTransmitter) {
    radio.TestMemory()[0x16] = 40;
    radio.TestMemory()[0x17] = 200;
    EXPECT_EQ(Ask(Text("KTEST")), Bytes{0x06});
    EXPECT_EQ(radio.CurrentMode(), VirtualRadio::Mode::Test);
    EXPECT_EQ(Ask({'S', 0x00, 0x16, 0x02}), (Bytes{'S', 0x00, 0x16, 0x02, 40, 200}));
    EXPECT_EQ(Ask({'X', 0x00, 0x00, 0x06, 0x00, 0x25, 0x01, 0x44, 0xFF, 0xFF}), Bytes{0x06});
    EXPECT_EQ(Bytes(radio.TestMemory().begin(), radio.TestMemory().begin() + 6),
              (Bytes{0x00, 0x25, 0x01, 0x44, 0xFF, 0xFF}));
    EXPECT_EQ(Ask({'X', 0x01, 0x6D, 0x01, 99}), Bytes{0x06});
    EXPECT_EQ(radio.TestMemory()[0x16D], 99);
    EXPECT_EQ(Ask({0x05, 0xAA}), Bytes{0x06});
    EXPECT_TRUE(radio.PttOn());
    EXPECT_EQ(Ask({0x05, 0x55, 'B'}), Bytes{0x06});
    EXPECT_FALSE(radio.PttOn());
    EXPECT_EQ(Ask({'E'}), Bytes{});
    EXPECT_EQ(radio.CurrentMode(), VirtualRadio::Mode::Idle);
}

TEST_F(VirtualRadioTest, WithoutAnAccessCodeThereIsNoTestMode) {
    radio.SetTestCode("");
    EXPECT_EQ(Ask(Text("KTEST")), Bytes{});
    EXPECT_EQ(radio.CurrentMode(), VirtualRadio::Mode::Idle);
}

// Each fault hits the second request, the identification.
TEST_F(VirtualRadioTest, FaultsHitTheRequestTheyNameAndNoOther) {
    struct Case {
        const char* name;
        void (*set)(RadioFaults&);
        Bytes answer;
        int lineErrors;
    };
    const Bytes ident = Ident("WZRE");
    Bytes garbled = ident;
    garbled.insert(garbled.begin(), 0xA5);
    const Case cases[] = {
        {"no reply", [](RadioFaults& f) { f.NoReplyAt = 2; }, {}, 0},
        {"wrong byte", [](RadioFaults& f) { f.WrongByteAt = 2; }, {0x15}, 0},
        {"garbage first", [](RadioFaults& f) { f.GarbageAt = 2; }, garbled, 0},
        {"line error", [](RadioFaults& f) { f.LineErrorAt = 2; }, {}, 1},
        {"hang-up", [](RadioFaults& f) { f.HangUpAt = 2; }, {}, 1},
    };
    for (const Case& c : cases) {
        RadioBench b;
        b.Radio.SetModelCode("WZRE");
        c.set(b.Radio.Faults());
        Bytes got;
        int errors = 0;
        b.Link.SetOnDataAvailable([&](std::size_t) {
            while (b.Link.ByteReady())
                got.push_back(b.Link.GetByte());
        });
        b.Link.SetOnLineError([&] { ++errors; });
        ASSERT_TRUE(b.Link.Open());
        ASSERT_TRUE(b.Link.SendBytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
        b.Clock.AdvanceMs(100);
        EXPECT_EQ(got, Bytes{0x06}) << c.name << ": the handshake is untouched";
        got.clear();
        ASSERT_TRUE(b.Link.SendBytes({0x02}));
        b.Clock.AdvanceMs(300);
        EXPECT_EQ(got, c.answer) << c.name;
        EXPECT_EQ(errors, c.lineErrors) << c.name;
        got.clear();
        (void)b.Link.SendBytes({0x06});
        b.Clock.AdvanceMs(300);
        const bool answers = !b.Radio.HungUp();
        EXPECT_EQ(got, answers ? Bytes{0x06} : Bytes{}) << c.name << ": the next request";
    }
}

TEST_F(VirtualRadioTest, SlowAndSilentRadios) {
    radio.Faults().ReplyDelayMs = 300;
    EXPECT_EQ(Ask(Text("PROGRAM"), 300), Bytes{}) << "7 bytes on the wire + 300 ms";
    bench.Clock.AdvanceMs(40);
    EXPECT_EQ(received, Bytes{0x06});
    radio.Faults().Silent = true;
    EXPECT_EQ(Ask({0x02}, 2000), Bytes{});
    EXPECT_EQ(radio.Received().back(), 0x02) << "a silent radio still listens";
}

// Records when the radio puts each byte on the line.
struct TimedLine : RadioLine {
    VirtualClock& clock;
    std::vector<std::pair<std::int64_t, std::size_t>> sent; // ms, byte count
    explicit TimedLine(VirtualClock& c) : clock(c) {}
    void Transmit(std::span<const std::uint8_t> bytes) override {
        sent.emplace_back(clock.NowMs(), bytes.size());
    }
    void RaiseLineError() override {}
    void HangUp() override {}
};

TEST(VirtualRadioPacing, PacedAnswersLeaveAtTheLineRate) {
    VirtualClock clock;
    VirtualScheduler scheduler(clock);
    TimedLine line(clock);
    VirtualRadio radio(scheduler, line);
    radio.Faults().Paced = true;
    for (char c : std::string("PROGRAM"))
        radio.Receive(static_cast<std::uint8_t>(c));
    radio.Receive(0x02);
    clock.AdvanceMs(1000);
    ASSERT_EQ(line.sent.size(), 17u) << "06, then 16 identification bytes one at a time";
    // Byte k of an answer leaves k * 11 / 2400 s after the first.
    EXPECT_EQ(line.sent[1].first, 0);
    EXPECT_EQ(line.sent[2].first, 4);
    EXPECT_EQ(line.sent[3].first, 9);
    EXPECT_EQ(line.sent[16].first, 15 * 11000 / 2400);
}

} // namespace
