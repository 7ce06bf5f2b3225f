#include "link/GatedLinkEvents.h"
#include "sim/VirtualScheduler.h"

#include "RadioBench.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct SchedulerTest : ::testing::Test {
    VirtualClock clock;
    VirtualScheduler scheduler{clock};
    std::vector<std::string> log;

    auto Note(std::string what) {
        return [this, what] { log.push_back(what + "@" + std::to_string(clock.NowMs())); };
    }
};

TEST_F(SchedulerTest, TimerFiresOnceAtItsTimeAndRearmRestartsIt) {
    OneShotTimer timer(scheduler, Note("expiry"));
    timer.Arm(500);
    clock.AdvanceMs(300);
    timer.Arm(500); // restarts: due at 800, not 500
    EXPECT_TRUE(timer.IsArmed());
    clock.AdvanceMs(2000);
    EXPECT_EQ(log, (std::vector<std::string>{"expiry@800"}));
    EXPECT_FALSE(timer.IsArmed());
}

TEST_F(SchedulerTest, DisarmedOrDestroyedTimerStaysQuiet) {
    OneShotTimer disarmed(scheduler, Note("disarmed"));
    auto destroyed = std::make_unique<OneShotTimer>(scheduler, Note("destroyed"));
    disarmed.Arm(450);
    destroyed->Arm(450);
    clock.AdvanceMs(100);
    disarmed.Disarm();
    destroyed.reset();
    clock.AdvanceMs(1000);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(disarmed.IsArmed());
}

TEST_F(SchedulerTest, PauseHoldsEventsAndExpiriesUntilItEndsThenRunsThemInOrder) {
    OneShotTimer timer(scheduler, Note("timer"));
    timer.Arm(10);
    scheduler.Pause(50, [&] {
        Note("continued")();
        // A second pause in the continuation keeps everything waiting.
        scheduler.Pause(20, Note("continued again"));
    });
    clock.AdvanceMs(5);
    scheduler.WhenFree(Note("byte"));
    clock.AdvanceMs(30);
    scheduler.WhenFree(Note("line error"));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(scheduler.Paused());
    clock.AdvanceMs(100);
    EXPECT_EQ(log, (std::vector<std::string>{"continued@50", "continued again@70", "byte@70",
                                             "timer@70", "line error@70"}));
    EXPECT_FALSE(scheduler.Paused());
}

TEST_F(SchedulerTest, TimerDisarmedDuringPauseDoesNotFireAfterIt) {
    OneShotTimer timer(scheduler, Note("timer"));
    timer.Arm(10);
    scheduler.Pause(50, [&] { timer.Disarm(); });
    clock.AdvanceMs(100);
    EXPECT_TRUE(log.empty());
}

TEST_F(SchedulerTest, HeldEventThatPausesHoldsBackTheRest) {
    scheduler.Pause(10, [] {});
    scheduler.WhenFree([&] { scheduler.Pause(100, Note("inner pause")); });
    scheduler.WhenFree(Note("second"));
    clock.AdvanceMs(500);
    EXPECT_EQ(log, (std::vector<std::string>{"inner pause@110", "second@110"}));
}

TEST_F(SchedulerTest, DestroyedSchedulerDropsItsPendingWork) {
    auto shortLived = std::make_unique<VirtualScheduler>(clock);
    shortLived->Pause(10, Note("continuation"));
    shortLived.reset();
    EXPECT_TRUE(clock.RunUntilIdle());
    EXPECT_TRUE(log.empty());
}

TEST(GatedLinkEvents, LinkEventsWaitForTheEnginePause) {
    RadioBench bench;
    std::vector<std::string> log;
    GateLinkEvents(
        bench.Link, bench.PcScheduler,
        [&](std::size_t count) {
            while (bench.Link.ByteReady())
                log.push_back("byte " + std::to_string(bench.Link.GetByte()) + " of " +
                              std::to_string(count) + "@" + std::to_string(bench.Clock.NowMs()));
        },
        [&] { log.push_back("line error@" + std::to_string(bench.Clock.NowMs())); });
    ASSERT_TRUE(bench.Link.Open());
    bench.PcScheduler.Pause(100, [&] { log.push_back("resumed"); });
    bench.Link.Transmit(std::vector<std::uint8_t>{6});
    bench.Link.RaiseLineError();
    bench.Clock.AdvanceMs(200);
    EXPECT_EQ(log, (std::vector<std::string>{"resumed", "byte 6 of 1@100", "line error@100"}));
}

} // namespace
