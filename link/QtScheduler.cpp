#include "link/QtScheduler.h"

#include <QTimer>

void QtScheduler::After(int ms, std::function<void()> fn) {
    // Precise: the protocol's 2 ms and 5 ms pauses must not grow to 20 ms.
    QTimer::singleShot(ms, Qt::PreciseTimer, &context_, std::move(fn));
}
