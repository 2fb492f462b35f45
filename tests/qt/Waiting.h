#pragma once

#include <QElapsedTimer>
#include <QTest>

// Lets the event loop run until the condition holds; false when it did not within the time.
template <typename Condition>
bool WaitUntil(Condition done, int timeoutMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}
