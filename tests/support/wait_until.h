#pragma once
// Waiting in GoogleTest bodies: events are processed until a condition holds
// or the time runs out. The result feeds a real EXPECT/ASSERT, so a wait that
// times out fails the test (QtTest's QTRY_* would only tell QtTest).
//
//     ASSERT_TRUE(WaitUntil([&] { return QToolTip::isVisible(); }));

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

template <typename Condition>
[[nodiscard]] ::testing::AssertionResult WaitUntil(Condition condition, int timeoutMs = 2000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return ::testing::AssertionFailure()
                   << "condition not met within " << timeoutMs << " ms";
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return ::testing::AssertionSuccess();
}
