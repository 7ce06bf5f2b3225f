#pragma once

#include "link/Scheduler.h"

#include <QElapsedTimer>
#include <QObject>

// The Scheduler of the running program: Qt timers on the event loop. A pause
// is a timer too, so the window keeps painting and Cancel keeps working.
class QtScheduler : public Scheduler {
public:
    QtScheduler() { clock_.start(); }

    std::int64_t NowMs() const override { return clock_.elapsed(); }

protected:
    void After(int ms, std::function<void()> fn) override;

private:
    // Owns the pending timers: they die with the scheduler.
    QObject context_;
    QElapsedTimer clock_;
};
