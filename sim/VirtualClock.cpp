#include "sim/VirtualClock.h"

#include <algorithm>

void VirtualClock::At(Micros when, std::function<void()> fn) {
    events_.emplace(std::make_pair(std::max(when, now_), sequence_++), std::move(fn));
}

bool VirtualClock::RunNext(Micros until) {
    if (events_.empty() || events_.begin()->first.first > until)
        return false;
    auto node = events_.extract(events_.begin());
    now_ = node.key().first;
    node.mapped()();
    return true;
}

void VirtualClock::Advance(Micros span) {
    const Micros until = now_ + span;
    while (RunNext(until)) {
    }
    now_ = until;
}

bool VirtualClock::RunUntilIdle(Micros limit) {
    const Micros until = now_ + limit;
    while (RunNext(until)) {
    }
    return events_.empty();
}

void ClockClient::AfterMicros(VirtualClock::Micros delay, std::function<void()> fn) {
    std::weak_ptr<bool> alive = alive_;
    clock_.AfterMicros(delay, [alive, fn = std::move(fn)] {
        if (alive.lock())
            fn();
    });
}
