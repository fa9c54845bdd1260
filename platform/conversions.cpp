#include "platform/conversions.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 kMsPerDay = 86400000;
const QDate kEpoch(1899, 12, 30);

QLocale NumberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

[[noreturn]] void Fail(const char *pattern, const QString &text)
{
    throw EConvertError(QCoreApplication::translate("EConvertError", pattern).arg(text));
}

// Removes a format token and the blanks that lead up to it.
QString WithoutToken(QString format, const QString &token)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+$"));
    const int at = format.indexOf(token);
    if (at < 0)
        return format;
    QString before = format.left(at);
    before.remove(blanks);
    return before + format.mid(at + token.size());
}

} // namespace

QString IntToStr(int32_t value)
{
    return QString::number(value);
}

int32_t StrToInt(const QString &text)
{
    const int n = text.size();
    int i = 0;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        Fail(QT_TRANSLATE_NOOP("EConvertError", "'%1' is not a valid integer value"), text);
    int64_t magnitude = 0;
    for (; i < n; ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9')
            Fail(QT_TRANSLATE_NOOP("EConvertError", "'%1' is not a valid integer value"), text);
        magnitude = magnitude * 10 + (ch - u'0');
        if (magnitude > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            Fail(QT_TRANSLATE_NOOP("EConvertError", "'%1' is not a valid integer value"), text);
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max())
        Fail(QT_TRANSLATE_NOOP("EConvertError", "'%1' is not a valid integer value"), text);
    return int32_t(value);
}

QString FloatToStr(double value)
{
    return NumberLocale().toString(value, 'g', 15);
}

double StrToFloat(const QString &text)
{
    bool ok = false;
    const double value = NumberLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        Fail(QT_TRANSLATE_NOOP("EConvertError", "'%1' is not a valid floating point value"), text);
    return value;
}

int32_t RoundHalfEven(double value)
{
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    if (!(rounded >= std::numeric_limits<int32_t>::min() &&
          rounded <= std::numeric_limits<int32_t>::max()))
        Fail(QT_TRANSLATE_NOOP("EConvertError", "'%1' is not a valid integer value"),
             FloatToStr(value));
    return int32_t(rounded);
}

QString BoolToStr(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool StrToBool(const QString &text)
{
    // A number is what StrToFloat accepts: "nan" and "inf" are not.
    bool isNumber = false;
    const double number = NumberLocale().toDouble(text.trimmed(), &isNumber);
    if (isNumber && std::isfinite(number))
        return number != 0;
    if (text.compare(BoolToStr(true), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(BoolToStr(false), Qt::CaseInsensitive) == 0)
        return false;
    Fail(QT_TRANSLATE_NOOP("EConvertError", "'%1' is not a valid boolean value"), text);
}

QString ShortDateFormat()
{
    static const QRegularExpression loneYy(QStringLiteral("(?<!y)yy(?!y)"));
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    format.replace(loneYy, QStringLiteral("yyyy"));
    return format;
}

QString LongTimeFormat()
{
    return WithoutToken(QLocale().timeFormat(QLocale::LongFormat), QStringLiteral("t"));
}

double DateToDateTime(const QDate &date)
{
    return double(kEpoch.daysTo(date));
}

QDate DateTimeToDate(double value)
{
    return kEpoch.addDays(qint64(std::trunc(value)));
}

QString DateTimeToStr(double value)
{
    const QLocale locale;
    const QString date = locale.toString(DateTimeToDate(value), ShortDateFormat());
    const qint64 ms = std::llround(std::fabs(value - std::trunc(value)) * kMsPerDay);
    if (ms == 0 || ms >= kMsPerDay)
        return date;
    return date + QLatin1Char(' ') +
           locale.toString(QTime::fromMSecsSinceStartOfDay(int(ms)), LongTimeFormat());
}

double StrToDateTime(const QString &text)
{
    const QLocale locale;
    const QString trimmed = text.trimmed();
    const QString dateFormat = ShortDateFormat();
    const QDate date = locale.toDate(trimmed, dateFormat);
    if (date.isValid())
        return DateToDateTime(date);
    // Date and time are read apart: the value is a wall-clock reading, and
    // reading both as one local date-time would refuse the hour that a
    // daylight-saving change skips. The date itself may hold blanks.
    const QStringList timeFormats = {
        LongTimeFormat(),
        WithoutToken(locale.timeFormat(QLocale::ShortFormat), QStringLiteral("t"))};
    for (qsizetype blank = trimmed.indexOf(QLatin1Char(' ')); blank > 0;
         blank = trimmed.indexOf(QLatin1Char(' '), blank + 1)) {
        const QDate day = locale.toDate(trimmed.left(blank), dateFormat);
        if (!day.isValid())
            continue;
        const QString clock = trimmed.mid(blank + 1).trimmed();
        for (const QString &timeFormat : timeFormats) {
            const QTime time = locale.toTime(clock, timeFormat);
            if (!time.isValid())
                continue;
            const double whole = DateToDateTime(day);
            const double fraction = time.msecsSinceStartOfDay() / double(kMsPerDay);
            return whole < 0 ? whole - fraction : whole + fraction;
        }
    }
    Fail(QT_TRANSLATE_NOOP("EConvertError", "'%1' is not a valid date and time"), text);
}

double Today()
{
    return DateToDateTime(QDate::currentDate());
}
