#pragma once
// Checks shared by the data-core tests: readable QString output in failure
// messages, and "raises this error type with exactly this text".

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << bytes.toHex(' ').toStdString();
}

template <typename E, typename F>
::testing::AssertionResult RaisesWith(F &&action, const QString &message)
{
    try {
        action();
    } catch (const E &error) {
        if (error.Message() == message)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "raised \"" << error.Message().toStdString()
                                             << "\", expected \"" << message.toStdString() << '"';
    } catch (const EYearnboxError &error) {
        return ::testing::AssertionFailure()
               << "raised another error type: \"" << error.Message().toStdString() << '"';
    }
    return ::testing::AssertionFailure() << "raised nothing";
}
