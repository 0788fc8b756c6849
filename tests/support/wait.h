#pragma once
// Polling instead of sleeping, for widget tests and for tests that drive another
// process alike.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QThread>
#include <functional>

namespace vimo::test {

// Generous on purpose: a slow machine only makes a passing test take longer.
inline constexpr int default_wait_ms = 15000;

// True as soon as condition holds, false once timeout_ms passed without it; between
// the checks it handles this thread's Qt events (or only sleeps where no Qt
// application exists), so timers, signals and painting go on while it waits.
inline bool wait_until(const std::function<bool()>& condition, int timeout_ms = default_wait_ms,
                       int step_ms = 20) {
    const QDeadlineTimer deadline(timeout_ms);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        if (QCoreApplication::instance() != nullptr)
            QTest::qWait(step_ms);
        else
            QThread::msleep(static_cast<unsigned long>(step_ms));
    }
    return true;
}

} // namespace vimo::test
