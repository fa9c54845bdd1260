#pragma once
// Reading a free-text price: the price column stays free text, and this only
// reads what the user typed, never changes it.
//
// Flow: trim; "free" is 0; an approximation word or sign in front ("~",
// "about", "ca.") is dropped; then one amount or a range of two ("20-30",
// "20–30", "20 to 30"), each amount a number with an optional "k" (thousands)
// and an optional currency before or after it ("$", "€", "£", "EUR", "USD").
// Anything left over makes the text "not a price".
//
// Terms: an amount is held in hundredths of the currency unit, so that totals
// add and subtract exactly. The currency is an ISO code ("USD", "EUR"); a
// bare number is in the locale's currency, which is empty where the locale has
// none (the C locale); "free" is in no currency at all.
// Numbers: when a text holds both '.' and ',' the last one is the decimal
// mark; a lone mark followed by exactly three digits is the locale's decimal
// mark if it is the locale's, else a thousands separator ("£1,200" is 1200
// under en_US, "1.200" is 1200 under de_DE); otherwise it is the decimal mark
// ("€49,99").

#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>

enum class TPriceKind : uint8_t {
    pkNone,     // no text, or blanks only: no price given
    pkNotPrice, // a text that is not read as a price ("ask Tom")
    pkPrice
};

struct TPriceReading {
    TPriceKind kind = TPriceKind::pkNone;
    QString currency;
    // Hundredths; low == high unless the text is a range.
    int64_t low = 0;
    int64_t high = 0;
    // "free" and its kin: 0 that no currency's sum takes.
    bool isFree = false;

    bool operator==(const TPriceReading &) const = default;
};

// Reads prices in one locale; what it needs of the locale is looked up once.
class TPriceReader {
public:
    explicit TPriceReader(const QLocale &locale);
    TPriceReading Read(QStringView text) const;

    // The locale's own currency symbol and code ("$", "USD"), its decimal mark.
    const QString &OwnSymbol() const { return ownSymbol_; }
    const QString &OwnCurrency() const { return ownCurrency_; }
    QChar DecimalPoint() const { return decimalPoint_; }

private:
    QString ownSymbol_;
    QString ownCurrency_;
    QChar decimalPoint_;
};

TPriceReading ReadPrice(QStringView text, const QLocale &locale);

// The locale's currency code, "" when it has none (the C locale).
QString LocaleCurrency(const QLocale &locale);

// An amount of hundredths in a currency as the locale writes money: "$1,234.50",
// "€80", "1.234,50 €"; whole amounts without decimals.
QString FormatMoney(int64_t hundredths, const QString &currency, const QLocale &locale);
