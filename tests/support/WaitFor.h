#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

// Runs the event loop until `done` holds or `ms` have passed; returns `done()`.
template <typename Done> bool WaitFor(Done done, int ms = 3000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}
