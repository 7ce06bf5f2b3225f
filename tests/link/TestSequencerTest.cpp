#include "link/TestSequencer.h"
#include "RadioBench.h"
#include "link/TestCode.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const FreqBytes Freq405{0x00, 0x25, 0x51, 0x40}; // 405.12500 MHz

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The power test engine on a port wired to a virtual radio in test mode.
struct TestSequencerTest : ::testing::Test {
    RadioBench bench;
    VirtualRadio& radio = bench.Radio;
    TestCodeBytes code = *ParseTestCode(DefaultTestCode);
    std::deque<bool> retryAnswers;
    int asked = 0;
    int onlineDone = 0;
    int portClosed = 0;
    int closeRequests = 0;
    std::vector<std::string> openFailures;
    std::vector<bool> ptt;
    std::vector<bool> controls;
    std::vector<bool> panel;
    TestSequencer seq{bench.Link, bench.PcScheduler, Events()};

    TestEvents Events() {
        TestEvents e;
        e.EnablePanel = [this](bool on) { panel.push_back(on); };
        e.EnableTestControls = [this](bool on) { controls.push_back(on); };
        e.PortOpenFailed = [this](const std::string& reason) { openFailures.push_back(reason); };
        e.PortClosed = [this] { ++portClosed; };
        e.OnlineDone = [this] { ++onlineDone; };
        e.PttChanged = [this](bool on) { ptt.push_back(on); };
        e.CloseRequest = [this] { ++closeRequests; };
        e.AskRetry = [this] {
            ++asked;
            if (retryAnswers.empty()) {
                ADD_FAILURE() << "unexpected ComError";
                return false;
            }
            const bool retry = retryAnswers.front();
            retryAnswers.pop_front();
            return retry;
        };
        return e;
    }

    void SetUp() override {
        radio.SetTestCode(std::string(DefaultTestCode));
        for (int slot = 0; slot < PowerSlotCount; ++slot) {
            radio.TestMemory()[PowerAddress(slot, PowerLevel::Low)] = std::uint8_t(10 + slot);
            radio.TestMemory()[PowerAddress(slot, PowerLevel::High)] = std::uint8_t(200 + slot);
        }
        seq.SetFrequency(Freq405);
    }

    void GoOnline() {
        seq.GoOnline("COM3", code);
        bench.Clock.AdvanceMs(3000);
        ASSERT_EQ(onlineDone, 1);
    }
    // What the radio received from `from` on.
    Bytes SentSince(std::size_t from) const {
        return Bytes(radio.Received().begin() + static_cast<std::ptrdiff_t>(from),
                     radio.Received().end());
    }
};

TEST_F(TestSequencerTest, OnlineReadsTheTenSlotsSetsTheFrequencyAndEnablesTheControls) {
    GoOnline();
    EXPECT_EQ(bench.Link.PortNumber(), 3);
    EXPECT_EQ(bench.Link.Format(), LineFormat{});
    Bytes expected(code.begin(), code.end());
    for (const int address : {0x16, 0x3C, 0x62, 0x88, 0xAE, 0xD4, 0xFA, 0x120, 0x146, 0x16C})
        expected = Concat({expected, {'S', std::uint8_t(address >> 8), std::uint8_t(address), 2}});
    expected = Concat({expected, {'X', 0, 0, 6, 0x00, 0x25, 0x51, 0x40, 0xFF, 0xFF, 'B'}});
    EXPECT_EQ(radio.Received(), expected);
    EXPECT_EQ(seq.StepCount(), 13);
    for (int slot = 0; slot < PowerSlotCount; ++slot)
        EXPECT_EQ(seq.CachedPower(slot),
                  (TestSequencer::PowerPair{std::uint8_t(10 + slot), std::uint8_t(200 + slot)}));
    EXPECT_EQ(radio.TestMemory()[3], 0x40);
    EXPECT_FALSE(seq.Busy());
    EXPECT_EQ(controls, (std::vector<bool>{false, true, true})) << "disabled, online, CTimer";
    EXPECT_EQ(panel.back(), true);
    EXPECT_EQ(asked, 0);
}

TEST_F(TestSequencerTest, PowerChangeSendsSelectValueAndEndAtTheSlotAddress) {
    GoOnline();
    struct Case {
        int slot;
        PowerLevel level;
        std::uint8_t value;
        Bytes wire;
    };
    const Case cases[] = {
        {0, PowerLevel::Low, 0x33, {'X', 0, 6, 1, 0, 'X', 0x00, 0x16, 1, 0x33, 'B'}},
        {0, PowerLevel::High, 0xFF, {'X', 0, 6, 1, 1, 'X', 0x00, 0x17, 1, 0xFF, 'B'}},
        {4, PowerLevel::Low, 0x00, {'X', 0, 6, 1, 0, 'X', 0x00, 0xAE, 1, 0x00, 'B'}},
        {9, PowerLevel::High, 0x80, {'X', 0, 6, 1, 1, 'X', 0x01, 0x6D, 1, 0x80, 'B'}},
    };
    for (const auto& c : cases) {
        const std::size_t from = radio.Received().size();
        seq.SetSlot(c.slot);
        seq.SetPower(c.level, c.value);
        bench.Clock.AdvanceMs(1000);
        EXPECT_EQ(SentSince(from), c.wire) << "slot " << c.slot;
        EXPECT_EQ(radio.TestMemory()[PowerAddress(c.slot, c.level)], c.value);
        EXPECT_EQ(seq.CachedPower(c.slot)[static_cast<std::size_t>(c.level)], c.value);
    }
    EXPECT_EQ(asked, 0);
}

TEST_F(TestSequencerTest, PttFollowsOnlyTheRadiosAcknowledges) {
    GoOnline();
    const std::size_t from = radio.Received().size();
    seq.TogglePtt();
    EXPECT_FALSE(seq.PttOn()) << "not before the acknowledge";
    bench.Clock.AdvanceMs(1000);
    EXPECT_TRUE(radio.PttOn());
    seq.TogglePtt();
    bench.Clock.AdvanceMs(1000);
    EXPECT_EQ(SentSince(from), (Bytes{0x05, 0xAA, 'B', 0x05, 0x55, 'B'}));
    EXPECT_EQ(ptt, (std::vector<bool>{true, false}));

    radio.Faults().Silent = true;
    retryAnswers = {false};
    seq.TogglePtt();
    bench.Clock.AdvanceMs(3000);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(seq.PttOn());
    EXPECT_EQ(ptt.size(), 2u);
    EXPECT_TRUE(seq.Online()) << "Cancel keeps the port open after other sequences";
}

TEST_F(TestSequencerTest, SilentRadioAsksAfterOneSecondAndRetryStartsWithTheAccessCode) {
    radio.Faults().Silent = true;
    retryAnswers = {true, false};
    seq.GoOnline("COM1", code);
    // 50 ms close pause, 200 ms after the open, 20 ms before the first step.
    bench.Clock.AdvanceMs(50 + 200 + 20 + 999);
    EXPECT_EQ(asked, 0);
    bench.Clock.AdvanceMs(1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(radio.Received(), Bytes(code.begin(), code.end()));
    bench.Clock.AdvanceMs(20 + 1000);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(radio.Received(),
              Concat({Bytes(code.begin(), code.end()), Bytes(code.begin(), code.end())}));
    EXPECT_TRUE(seq.Online());
    bench.Clock.AdvanceMs(999);
    EXPECT_EQ(portClosed, 0);
    bench.Clock.AdvanceMs(1);
    EXPECT_EQ(portClosed, 1) << "KTimer closes the port after a failed online sequence";
    EXPECT_FALSE(seq.Online());
    EXPECT_EQ(panel.back(), true);
    EXPECT_EQ(onlineDone, 0);
}

TEST_F(TestSequencerTest, RepliesThatAreNotGoodAreNotActedOn) {
    struct Case {
        const char* name;
        void (*fault)(RadioFaults&);
        bool completes;
    };
    const Case cases[] = {
        {"acknowledge after a stray byte", [](RadioFaults& f) { f.GarbageAt = 1; }, true},
        {"wrong acknowledge", [](RadioFaults& f) { f.WrongByteAt = 1; }, false},
        {"short data reply", [](RadioFaults& f) { f.WrongByteAt = 4; }, false},
        {"slow but in time", [](RadioFaults& f) { f.ReplyDelayMs = 900; }, true},
    };
    for (const auto& c : cases) {
        RadioBench local;
        local.Radio.SetTestCode(std::string(DefaultTestCode));
        c.fault(local.Radio.Faults());
        int done = 0;
        int retries = 0;
        TestEvents e;
        e.OnlineDone = [&] { ++done; };
        e.AskRetry = [&] {
            ++retries;
            return false;
        };
        TestSequencer local_seq(local.Link, local.PcScheduler, e);
        local_seq.GoOnline("COM1", code);
        local.Clock.AdvanceMs(20000);
        EXPECT_EQ(done, c.completes ? 1 : 0) << c.name;
        EXPECT_EQ(retries, c.completes ? 0 : 1) << c.name;
    }
}

TEST_F(TestSequencerTest, NothingIsSentOfflineOrWhileBusy) {
    seq.SetSlot(2);
    seq.SetPower(PowerLevel::High, 99);
    seq.SetFrequency(Freq405);
    seq.TogglePtt();
    seq.Leave();
    bench.Clock.AdvanceMs(3000);
    EXPECT_TRUE(radio.Received().empty());
    EXPECT_EQ(seq.CachedPower(2)[1], 99) << "the cache still takes the value";
    EXPECT_EQ(closeRequests, 1);

    GoOnline();
    const std::size_t from = radio.Received().size();
    seq.SetBusy(true);
    seq.SetPower(PowerLevel::Low, 7);
    bench.Clock.AdvanceMs(1000);
    EXPECT_EQ(SentSince(from), Bytes{});
    EXPECT_EQ(seq.CachedPower(2)[0], 7);
}

TEST_F(TestSequencerTest, ChangeBeforeTheLastOneIsSentReplacesIt) {
    GoOnline();
    const std::size_t from = radio.Received().size();
    seq.SetPower(PowerLevel::Low, 1);
    bench.Clock.AdvanceMs(5);
    seq.SetPower(PowerLevel::Low, 2);
    bench.Clock.AdvanceMs(1000);
    EXPECT_EQ(SentSince(from), (Bytes{'X', 0, 6, 1, 0, 'X', 0x00, 0x16, 1, 2, 'B'}));
    EXPECT_EQ(asked, 0);
}

TEST_F(TestSequencerTest, LeaveSendsEOnceAndRequestsTheCloseHalfASecondLater) {
    GoOnline();
    const std::size_t from = radio.Received().size();
    seq.Leave();
    EXPECT_EQ(panel.back(), false);
    bench.Clock.AdvanceMs(499);
    EXPECT_EQ(closeRequests, 0);
    bench.Clock.AdvanceMs(1);
    EXPECT_EQ(closeRequests, 1);
    EXPECT_EQ(SentSince(from), Bytes{'E'});
    EXPECT_EQ(radio.CurrentMode(), VirtualRadio::Mode::Idle);
}

TEST_F(TestSequencerTest, PortThatDoesNotOpenIsReportedAndNothingIsSent) {
    bench.Link.SetOpenFailure("Device or resource busy");
    seq.GoOnline("COM2", code);
    seq.GoOnline("Com", code);
    bench.Clock.AdvanceMs(3000);
    ASSERT_EQ(openFailures.size(), 2u);
    EXPECT_NE(openFailures[0].find("busy"), std::string::npos);
    EXPECT_FALSE(openFailures[1].empty());
    EXPECT_TRUE(radio.Received().empty());
    EXPECT_EQ(onlineDone, 0);
}

} // namespace
