#pragma once

#include <QDeadlineTimer>
#include <QTest>
#include <functional>

// Only a broken build ever waits this long for a condition.
inline constexpr int WaitPatienceMs = 10000;

// Runs the event loop (queued worker results, timers) until done() holds;
// false when it never did.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = WaitPatienceMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(5);
    }
    return true;
}

// Until the colouring worker has no pass outstanding for this colorizer
// (an EditorColorizer or an editor box).
template <typename Colouring> bool waitUntilIdle(const Colouring& colouring) {
    return waitUntil([&colouring] { return !colouring.isBusy(); });
}

// For checking that something does not happen: gives whatever was going to
// arrive (a posted result, a timer) the time to do so.
inline void letEventsRun(int milliseconds = 20) {
    QTest::qWait(milliseconds);
}
