#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>

// Simulated time for tests: events run in time order (first come first at equal
// times) only when the test advances the clock, so long exchanges with all their
// time-outs take no real time and timing is exact.
class VirtualClock {
public:
    using Micros = std::int64_t;

    Micros Now() const { return now_; }
    std::int64_t NowMs() const { return now_ / 1000; }

    void At(Micros when, std::function<void()> fn);
    void AfterMicros(Micros delay, std::function<void()> fn) { At(now_ + delay, std::move(fn)); }

    // Runs every event due up to now + span, then sets the time to that point.
    void Advance(Micros span);
    void AdvanceMs(std::int64_t ms) { Advance(ms * 1000); }
    // Runs events until none is left or `limit` of simulated time has passed;
    // returns false in the second case (something keeps rescheduling itself).
    bool RunUntilIdle(Micros limit = 600'000'000);
    bool Idle() const { return events_.empty(); }

private:
    bool RunNext(Micros until);

    Micros now_ = 0;
    std::uint64_t sequence_ = 0;
    std::map<std::pair<Micros, std::uint64_t>, std::function<void()>> events_;
};

// Schedules on a clock on behalf of an owner: events still pending when the
// client is destroyed are dropped, so an owner may go before the clock.
class ClockClient {
public:
    explicit ClockClient(VirtualClock& clock) : clock_(clock) {}

    VirtualClock& Clock() const { return clock_; }
    void AfterMicros(VirtualClock::Micros delay, std::function<void()> fn);

private:
    VirtualClock& clock_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
