#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

class Scheduler;

// A one-shot timer: each Arm calls the expiry handler once, unless Disarm or a
// new Arm comes first. Destroying the timer disarms it.
class OneShotTimer {
public:
    OneShotTimer(Scheduler& scheduler, std::function<void()> onExpiry);
    ~OneShotTimer();
    OneShotTimer(const OneShotTimer&) = delete;
    OneShotTimer& operator=(const OneShotTimer&) = delete;

    void Arm(int ms);
    void Disarm();
    // True from Arm until the expiry handler runs or the timer is disarmed.
    bool IsArmed() const;

private:
    struct State;
    Scheduler& scheduler_;
    std::shared_ptr<State> state_;
};

// Time for the radio engines: one-shot timers and pauses.
//
// A pause behaves like a blocking wait of the engine: while it runs, timer
// expiries and the events handed to WhenFree are held back; when it ends the
// continuation runs first, then the held events in the order they came. The
// thread itself is never blocked, so the window stays painted and Cancel works.
//
// The callbacks given to a scheduler must stay valid while it lives; pending
// work is dropped when it is destroyed.
class Scheduler {
public:
    Scheduler() = default;
    virtual ~Scheduler() = default;
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    virtual std::int64_t NowMs() const = 0;

    // Runs `then` after `ms` milliseconds; see the class comment.
    void Pause(int ms, std::function<void()> then);
    // Runs `event` now, or after the pause in progress and the events before it.
    void WhenFree(std::function<void()> event);
    bool Paused() const { return pauses_ > 0; }

protected:
    // Calls `fn` once, `ms` milliseconds from now, from the event loop. Must not
    // call it after the scheduler is destroyed.
    virtual void After(int ms, std::function<void()> fn) = 0;

private:
    friend class OneShotTimer;
    void RunHeld();

    int pauses_ = 0;
    bool running_ = false;
    std::deque<std::function<void()>> held_;
};
