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

// True as soon as condition holds, false once timeout_ms passed without it, checking
// every poll_ms and handling no events: for what another process or a socket brings,
// and from any thread.
inline bool poll_until(const std::function<bool()>& condition, int timeout_ms = default_wait_ms,
                       int poll_ms = 20) {
    const QDeadlineTimer deadline(timeout_ms);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(static_cast<unsigned long>(poll_ms));
    }
    return true;
}

// As poll_until, but with a Qt application this thread's events are handled between
// the checks (QTest::qWaitFor), so timers, signals and painting go on.
inline bool wait_until(const std::function<bool()>& condition, int timeout_ms = default_wait_ms,
                       int poll_ms = 20) {
    if (QCoreApplication::instance() != nullptr) return QTest::qWaitFor(condition, timeout_ms);
    return poll_until(condition, timeout_ms, poll_ms);
}

} // namespace vimo::test
