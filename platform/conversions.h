#pragma once
// Conversions between text and values in the user's locale. Failures raise
// EConvertError with the documented texts.
//
// Date-time values count days since 30 December 1899; the fraction is the time
// of day (for negative values the fraction still counts forwards from midnight).

#include <QDate>
#include <QString>

#include <cstdint>

QString IntToStr(int32_t value);
// An optional sign followed by decimal digits, within 32 bits.
int32_t StrToInt(const QString &text);

// Shortest general form with up to 15 significant digits, locale decimal separator.
QString FloatToStr(double value);
double StrToFloat(const QString &text);

// Nearest integer, halves to the even neighbour; outside 32 bits raises.
int32_t RoundHalfEven(double value);

QString BoolToStr(bool value);
// A number gives true when not 0; otherwise "True"/"False" in any case.
bool StrToBool(const QString &text);

// The user's short date format with a four-digit year (a lone yy becomes yyyy).
QString ShortDateFormat();
// The long time format, without a time-zone part.
QString LongTimeFormat();

// Short date, then a blank and the long time only when the time of day is not 0.
QString DateTimeToStr(double value);
// A date, optionally followed by a time, in the user's formats.
double StrToDateTime(const QString &text);

double DateToDateTime(const QDate &date);
QDate DateTimeToDate(double value);
// The current date with time of day 0.
double Today();
