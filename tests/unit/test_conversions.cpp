// Text conversions in the user's locale (en_US unless a test pins another).

#include "platform/conversions.h"
#include "platform/errors.h"
#include "tests/support/cells_expect.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <limits>
#include <optional>

namespace {

// Pins a locale for one test and puts en_US back.
class TLocaleGuard {
public:
    explicit TLocaleGuard(QLocale::Language language, QLocale::Territory territory)
    {
        QLocale::setDefault(QLocale(language, territory));
    }
    ~TLocaleGuard() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

// Pins the process's time zone for one test.
class TTimeZoneGuard {
public:
    explicit TTimeZoneGuard(const char *zone)
    {
        if (const char *old = std::getenv("TZ"))
            old_ = old;
        qputenv("TZ", zone);
        tzset();
    }
    ~TTimeZoneGuard()
    {
        if (old_)
            qputenv("TZ", old_->c_str());
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> old_;
};

constexpr double kDec7 = 46363; // 12/7/2026

} // namespace

TEST(IntegerText, WritesPlainDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(4), "4");
    EXPECT_EQ(IntToStr(-3), "-3");
    EXPECT_EQ(IntToStr(1234567), "1234567");
    EXPECT_EQ(IntToStr(std::numeric_limits<int32_t>::min()), "-2147483648");
}

TEST(IntegerText, ParsesASignAndDecimalDigitsWithin32Bits)
{
    const std::vector<std::pair<QString, int32_t>> good = {
        {"0", 0},
        {"4", 4},
        {"-17", -17},
        {"+5", 5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int32_t>::min()}};
    for (const auto &[text, value] : good)
        EXPECT_EQ(StrToInt(text), value) << text.toStdString();
    for (const QString text : {"", "abc", "-", "+", "2.5", "1,000", "4x", "2147483648",
                               "-2147483649", "99999999999999999999", "\u0663"}) {
        EXPECT_TRUE(RaisesWith<EConvertError>([&] { StrToInt(text); },
                                              "'" + text + "' is not a valid integer value"))
            << text.toStdString();
    }
}

TEST(FloatText, WritesShortestFormWithUpTo15Digits)
{
    const std::vector<std::pair<double, QString>> table = {{2.5, "2.5"},
                                                           {0.1, "0.1"},
                                                           {100, "100"},
                                                           {-1.5, "-1.5"},
                                                           {0, "0"},
                                                           {-0.0, "0"},
                                                           {1.0 / 3, "0.333333333333333"},
                                                           {46363.75, "46363.75"},
                                                           {1234567.0, "1234567"}};
    for (const auto &[value, text] : table)
        EXPECT_EQ(FloatToStr(value), text) << value;
}

TEST(FloatText, FollowsTheLocaleDecimalSeparator)
{
    TLocaleGuard german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    EXPECT_DOUBLE_EQ(StrToFloat("2,5"), 2.5);
}

TEST(FloatText, ParsesNumbersAndRejectsTheRest)
{
    EXPECT_DOUBLE_EQ(StrToFloat("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloat("-4"), -4);
    EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000);
    for (const QString text : {"", "abc", "1,5", "nan", "inf", "1e999"}) {
        EXPECT_TRUE(RaisesWith<EConvertError>([&] { StrToFloat(text); },
                                              "'" + text + "' is not a valid floating point value"))
            << text.toStdString();
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const std::vector<std::pair<double, int32_t>> table = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3}};
    for (const auto &[value, rounded] : table)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    EXPECT_THROW(RoundHalfEven(3e9), EConvertError);
}

TEST(BooleanText, ReadsNumbersAndTrueOrFalseInAnyCase)
{
    EXPECT_EQ(BoolToStr(true), "True");
    EXPECT_EQ(BoolToStr(false), "False");
    const std::vector<std::pair<QString, bool>> good = {
        {"0", false},   {"1", true},    {"-1", true},   {"2.5", true},    {"0.0", false},
        {"True", true}, {"TRUE", true}, {"true", true}, {"False", false}, {"fAlSe", false}};
    for (const auto &[text, value] : good)
        EXPECT_EQ(StrToBool(text), value) << text.toStdString();
    // What the number parse refuses is not a number here either.
    for (const QString text : {"", "yes", "no", " true", "True ", "nan", "inf"}) {
        EXPECT_TRUE(RaisesWith<EConvertError>([&] { StrToBool(text); },
                                              "'" + text + "' is not a valid boolean value"))
            << text.toStdString();
    }
}

TEST(DateText, ShortDateHasAFourDigitYear)
{
    EXPECT_EQ(ShortDateFormat(), "M/d/yyyy");
    {
        TLocaleGuard german(QLocale::German, QLocale::Germany);
        EXPECT_EQ(ShortDateFormat(), "dd.MM.yyyy");
    }
    {
        TLocaleGuard swedish(QLocale::Swedish, QLocale::Sweden);
        EXPECT_EQ(ShortDateFormat(), "yyyy-MM-dd");
    }
}

TEST(DateText, DayCountStartsAt30December1899)
{
    EXPECT_DOUBLE_EQ(DateToDateTime(QDate(1899, 12, 30)), 0);
    EXPECT_DOUBLE_EQ(DateToDateTime(QDate(1899, 12, 29)), -1);
    EXPECT_DOUBLE_EQ(DateToDateTime(QDate(2026, 12, 7)), kDec7);
    EXPECT_EQ(DateTimeToDate(kDec7 + 0.75), QDate(2026, 12, 7));
    EXPECT_EQ(DateTimeToDate(-1.25), QDate(1899, 12, 29));
    EXPECT_DOUBLE_EQ(Today(), DateToDateTime(QDate::currentDate()));
}

TEST(DateText, TimeOfDayIsWrittenOnlyWhenNotZero)
{
    const std::vector<std::pair<double, QString>> table = {
        {kDec7, "12/7/2026"},
        {kDec7 + 0.75, "12/7/2026 6:00:00 PM"},
        {kDec7 + 1.0 / 86400, "12/7/2026 12:00:01 AM"},
        {kDec7 + 0.5 / 86400, "12/7/2026 12:00:00 AM"},
        {0, "12/30/1899"},
        {-1.25, "12/29/1899 6:00:00 AM"},
    };
    for (const auto &[value, text] : table)
        EXPECT_EQ(DateTimeToStr(value), text) << value;
    TLocaleGuard german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(DateTimeToStr(kDec7), "07.12.2026");
    EXPECT_EQ(DateTimeToStr(kDec7 + 0.75), "07.12.2026 18:00:00");
}

TEST(DateText, ParsesADateWithOrWithoutATime)
{
    const std::vector<std::pair<QString, double>> table = {
        {"12/7/2026", kDec7},
        {" 12/7/2026 ", kDec7},
        {"12/07/2026", kDec7},
        {"12/7/2026 6:00:00 PM", kDec7 + 0.75},
        {"12/7/2026 6:00 PM", kDec7 + 0.75},
        {"12/29/1899 6:00:00 AM", -1.25},
    };
    for (const auto &[text, value] : table)
        EXPECT_DOUBLE_EQ(StrToDateTime(text), value) << text.toStdString();
    for (const QString text : {"", "junk", "13/40/2026", "12/7/2026 25:00:00 PM", "6:00:00 PM"}) {
        EXPECT_TRUE(RaisesWith<EConvertError>([&] { StrToDateTime(text); },
                                              "'" + text + "' is not a valid date and time"))
            << text.toStdString();
    }
}

TEST(DateText, WallClockTimesDoNotDependOnTheTimeZone)
{
    // 2:30 AM on 8 March 2026 does not exist in New York: the clocks skip that
    // hour. A day count is not a moment, so the text still reads back.
    TTimeZoneGuard newYork("America/New_York");
    const double skipped = 46089 + 2.5 / 24;
    EXPECT_EQ(DateTimeToStr(skipped), "3/8/2026 2:30:00 AM");
    EXPECT_DOUBLE_EQ(StrToDateTime("3/8/2026 2:30:00 AM"), skipped);
    EXPECT_DOUBLE_EQ(StrToDateTime("11/1/2026 1:30:00 AM"), 46327 + 1.5 / 24);
}

TEST(DateText, RoundTripsThroughText)
{
    for (double value :
         {kDec7, kDec7 + 0.75, kDec7 + 13.0 / 24 + 7.0 / 1440 + 9.0 / 86400, -1.25}) {
        EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(value)), value) << value;
        TLocaleGuard german(QLocale::German, QLocale::Germany);
        EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(value)), value) << value << " de_DE";
    }
}
