#include "link/Scheduler.h"

#include <utility>

struct OneShotTimer::State {
    std::function<void()> onExpiry;
    std::uint64_t generation = 0;
    bool armed = false;
};

OneShotTimer::OneShotTimer(Scheduler& scheduler, std::function<void()> onExpiry)
    : scheduler_(scheduler), state_(std::make_shared<State>()) {
    state_->onExpiry = std::move(onExpiry);
}

OneShotTimer::~OneShotTimer() = default;

void OneShotTimer::Arm(int ms) {
    const std::uint64_t generation = ++state_->generation;
    state_->armed = true;
    std::weak_ptr<State> weak = state_;
    Scheduler* scheduler = &scheduler_;
    // The expiry waits for a running pause like any other event; a Disarm or
    // Arm in the meantime makes it stale.
    scheduler_.After(ms, [weak, generation, scheduler] {
        scheduler->WhenFree([weak, generation] {
            auto state = weak.lock();
            if (!state || !state->armed || state->generation != generation)
                return;
            state->armed = false;
            state->onExpiry();
        });
    });
}

void OneShotTimer::Disarm() {
    ++state_->generation;
    state_->armed = false;
}

bool OneShotTimer::IsArmed() const {
    return state_->armed;
}

void Scheduler::Pause(int ms, std::function<void()> then) {
    ++pauses_;
    After(ms, [this, then = std::move(then)] {
        then();
        --pauses_;
        RunHeld();
    });
}

void Scheduler::WhenFree(std::function<void()> event) {
    if (Paused() || running_ || !held_.empty()) {
        held_.push_back(std::move(event));
        if (!Paused())
            RunHeld();
        return;
    }
    event();
}

void Scheduler::RunHeld() {
    if (running_)
        return;
    running_ = true;
    while (!Paused() && !held_.empty()) {
        auto event = std::move(held_.front());
        held_.pop_front();
        event();
    }
    running_ = false;
}
