#pragma once

#include "link/Scheduler.h"
#include "sim/VirtualClock.h"

// A Scheduler on a VirtualClock. Each party of a simulated exchange (engine,
// radio) gets its own, so that a pause of one does not hold back the other.
class VirtualScheduler : public Scheduler {
public:
    explicit VirtualScheduler(VirtualClock& clock) : client_(clock) {}

    std::int64_t NowMs() const override { return client_.Clock().NowMs(); }

protected:
    void After(int ms, std::function<void()> fn) override {
        client_.AfterMicros(static_cast<VirtualClock::Micros>(ms) * 1000, std::move(fn));
    }

private:
    ClockClient client_;
};
