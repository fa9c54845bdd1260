#include "app/price_reading.h"

#include <algorithm>
#include <array>

namespace {

struct TCurrencySymbol {
    QStringView symbol;
    // Static text: copying it allocates nothing.
    QString code;
};

// Longer symbols first: "US$" must be tried before "$".
const std::array<TCurrencySymbol, 12> kSymbols{{
    {u"US$", QStringLiteral("USD")},
    {u"R$", QStringLiteral("BRL")},
    {u"$", QStringLiteral("USD")},
    {u"\u20ac", QStringLiteral("EUR")},
    {u"\u00a3", QStringLiteral("GBP")},
    {u"\u00a5", QStringLiteral("JPY")},
    {u"\u20b9", QStringLiteral("INR")},
    {u"\u20bd", QStringLiteral("RUB")},
    {u"\u20a9", QStringLiteral("KRW")},
    {u"z\u0142", QStringLiteral("PLN")},
    {u"\u20ba", QStringLiteral("TRY")},
    {u"\u20aa", QStringLiteral("ILS")},
}};

// Words that stand for 0.
const std::array<QStringView, 4> kFreeWords{u"free", u"gratis", u"kostenlos", u"gratuit"};

// In front of an amount, dropped; longer forms first.
const std::array<QStringView, 14> kApproximations{
    u"~",       u"\u2248", u"approximately", u"approx.", u"approx", u"about",   u"around",
    u"roughly", u"circa",  u"ca.",           u"ca",      u"etwa",   u"environ", u"env."};

// Between the two ends of a range; the words need blanks or digits around them.
const std::array<QStringView, 6> kRangeMarks{u"-", u"\u2013", u"\u2014", u"to", u"bis", u"\u00e0"};

constexpr int kMaxIntegerDigits = 12;
constexpr int64_t kMicro = 1000000;

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\u00a0' || c == u'\u202f' || c == u'\t';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

struct TAmount {
    QString currency;
    int64_t hundredths = 0;
};

// A number as typed, without its currency: integer and fraction digits split
// by the rules in the header. False when the separators make no sense.
bool NumberValue(QStringView raw, QChar decimalPoint, int64_t &micro)
{
    const qsizetype lastDot = raw.lastIndexOf(u'.');
    const qsizetype lastComma = raw.lastIndexOf(u',');
    qsizetype decimalAt = -1;
    if (lastDot >= 0 && lastComma >= 0) {
        decimalAt = std::max(lastDot, lastComma);
    } else if (lastDot >= 0 || lastComma >= 0) {
        const QChar mark = lastDot >= 0 ? u'.' : u',';
        const qsizetype at = std::max(lastDot, lastComma);
        if (raw.count(mark) == 1 && (raw.size() - at - 1 != 3 || mark == decimalPoint))
            decimalAt = at;
    }
    if (decimalAt >= 0 && raw.count(raw[decimalAt]) != 1)
        return false;
    const QStringView whole = decimalAt >= 0 ? raw.first(decimalAt) : raw;
    const QStringView fraction = decimalAt >= 0 ? raw.sliced(decimalAt + 1) : QStringView();

    // Groups: the first of 1 to 3 digits, the others of exactly 3, all split
    // by the same mark.
    int64_t integer = 0;
    int digits = 0;
    int groupLength = 0;
    QChar groupMark;
    bool grouped = false;
    for (const QChar c : whole) {
        if (IsDigit(c)) {
            if (++digits > kMaxIntegerDigits)
                return false;
            integer = integer * 10 + (c.unicode() - u'0');
            ++groupLength;
            continue;
        }
        if ((grouped && c != groupMark) || (grouped ? groupLength != 3 : groupLength > 3))
            return false;
        grouped = true;
        groupMark = c;
        groupLength = 0;
    }
    if (grouped && groupLength != 3)
        return false;
    int64_t fractionMicro = 0;
    int64_t scale = kMicro / 10;
    for (const QChar c : fraction) {
        if (!IsDigit(c))
            return false;
        fractionMicro += (c.unicode() - u'0') * scale;
        scale /= 10;
    }
    micro = integer * kMicro + fractionMicro;
    return true;
}

class TPriceScanner {
public:
    TPriceScanner(QStringView text, const TPriceReader &reader) : s_(text), reader_(reader) {}

    bool AtEnd() const { return i_ >= s_.size(); }

    void SkipBlanks()
    {
        while (i_ < s_.size() && IsBlank(s_[i_]))
            ++i_;
    }

    void SkipApproximation()
    {
        // Most prices begin with a digit or a currency sign.
        if (AtEnd() || IsDigit(s_[i_]) || s_[i_] == u'$')
            return;
        for (const QStringView word : kApproximations)
            if (TakeWord(word)) {
                SkipBlanks();
                return;
            }
    }

    bool TakeRangeMark()
    {
        for (const QStringView mark : kRangeMarks)
            if (TakeWord(mark))
                return true;
        return false;
    }

    // [currency] number [k] [currency]
    bool ReadAmount(TAmount &amount)
    {
        SkipBlanks();
        QString before;
        if (TakeCurrency(before))
            SkipBlanks();
        int64_t micro = 0;
        if (!TakeNumber(micro))
            return false;
        if (i_ < s_.size() && (s_[i_] == u'k' || s_[i_] == u'K') &&
            (i_ + 1 >= s_.size() || !s_[i_ + 1].isLetter())) {
            ++i_;
            if (micro > INT64_MAX / 1000)
                return false;
            micro *= 1000;
        }
        const qsizetype afterNumber = i_;
        SkipBlanks();
        QString after;
        if (!TakeCurrency(after))
            i_ = afterNumber;
        if (!before.isEmpty() && !after.isEmpty() && before != after)
            return false;
        amount.currency = before.isEmpty() ? after : before;
        amount.hundredths = (micro + kMicro / 200) / (kMicro / 100);
        return true;
    }

private:
    bool StartsWith(QStringView word, Qt::CaseSensitivity cs) const
    {
        return s_.sliced(i_).startsWith(word, cs);
    }

    // A word of letters must not run on into more letters.
    bool TakeWord(QStringView word)
    {
        if (!StartsWith(word, Qt::CaseInsensitive))
            return false;
        const qsizetype end = i_ + word.size();
        if (word.back().isLetter() && end < s_.size() && s_[end].isLetter())
            return false;
        i_ = end;
        return true;
    }

    bool TakeCurrency(QString &code)
    {
        if (AtEnd() || IsDigit(s_[i_]))
            return false;
        const QString &own = reader_.OwnSymbol();
        if (!own.isEmpty() && StartsWith(own, Qt::CaseSensitive) &&
            !(own.back().isLetter() && i_ + own.size() < s_.size() &&
              s_[i_ + own.size()].isLetter())) {
            i_ += own.size();
            code = reader_.OwnCurrency();
            return true;
        }
        for (const TCurrencySymbol &symbol : kSymbols)
            if (StartsWith(symbol.symbol, Qt::CaseSensitive)) {
                i_ += symbol.symbol.size();
                code = symbol.code;
                return true;
            }
        // An ISO code: three capital letters standing alone.
        if (i_ + 3 <= s_.size() &&
            std::all_of(s_.begin() + i_, s_.begin() + i_ + 3,
                        [](QChar c) { return c >= u'A' && c <= u'Z'; }) &&
            (i_ + 3 == s_.size() || !s_[i_ + 3].isLetter())) {
            code = s_.sliced(i_, 3).toString();
            i_ += 3;
            return true;
        }
        return false;
    }

    bool TakeNumber(int64_t &micro)
    {
        const qsizetype start = i_;
        if (i_ >= s_.size() || !IsDigit(s_[i_]))
            return false;
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            const bool digitNext = i_ + 1 < s_.size() && IsDigit(s_[i_ + 1]);
            if (IsDigit(c)) {
                ++i_;
            } else if ((c == u'.' || c == u',' || c == u'\'' || c == u'\u2019') && digitNext) {
                ++i_;
            } else if (IsBlank(c) && i_ + 4 <= s_.size() &&
                       std::all_of(s_.begin() + i_ + 1, s_.begin() + i_ + 4, IsDigit) &&
                       (i_ + 4 == s_.size() || !IsDigit(s_[i_ + 4]))) {
                // A blank splits thousands only before a group of three.
                ++i_;
            } else {
                break;
            }
        }
        return NumberValue(s_.sliced(start, i_ - start), reader_.DecimalPoint(), micro);
    }

    QStringView s_;
    const TPriceReader &reader_;
    qsizetype i_ = 0;
};

} // namespace

QString LocaleCurrency(const QLocale &locale)
{
    return locale.currencySymbol(QLocale::CurrencyIsoCode);
}

TPriceReader::TPriceReader(const QLocale &locale)
    : ownSymbol_(locale.currencySymbol(QLocale::CurrencySymbol)),
      ownCurrency_(LocaleCurrency(locale)),
      decimalPoint_(locale.decimalPoint().size() == 1 ? locale.decimalPoint()[0] : QChar(u'.'))
{
}

TPriceReading ReadPrice(QStringView text, const QLocale &locale)
{
    return TPriceReader(locale).Read(text);
}

TPriceReading TPriceReader::Read(QStringView text) const
{
    const QStringView s = text.trimmed();
    TPriceReading reading;
    if (s.isEmpty())
        return reading;
    for (const QStringView word : kFreeWords)
        if (s.size() == word.size() && s.compare(word, Qt::CaseInsensitive) == 0) {
            reading.kind = TPriceKind::pkPrice;
            reading.isFree = true;
            return reading;
        }
    reading.kind = TPriceKind::pkNotPrice;
    TPriceScanner scanner(s, *this);
    scanner.SkipApproximation();
    TAmount low;
    if (!scanner.ReadAmount(low))
        return reading;
    TAmount high = low;
    scanner.SkipBlanks();
    if (scanner.TakeRangeMark() && !scanner.ReadAmount(high))
        return reading;
    scanner.SkipBlanks();
    if (!scanner.AtEnd())
        return reading;
    if (!low.currency.isEmpty() && !high.currency.isEmpty() && low.currency != high.currency)
        return reading;
    reading.kind = TPriceKind::pkPrice;
    reading.currency = !low.currency.isEmpty()    ? low.currency
                       : !high.currency.isEmpty() ? high.currency
                                                  : ownCurrency_;
    reading.low = std::min(low.hundredths, high.hundredths);
    reading.high = std::max(low.hundredths, high.hundredths);
    return reading;
}

QString FormatMoney(int64_t hundredths, const QString &currency, const QLocale &locale)
{
    const int precision = hundredths % 100 == 0 ? 0 : 2;
    const double value = double(hundredths) / 100.0;
    if (currency.isEmpty())
        return locale.toString(value, 'f', precision);
    QString symbol;
    if (currency == LocaleCurrency(locale)) {
        symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    } else {
        // The shortest symbol that does not stand for the locale's own money.
        const QString own = locale.currencySymbol(QLocale::CurrencySymbol);
        for (const TCurrencySymbol &entry : kSymbols)
            if (entry.code == currency && entry.symbol != own &&
                (symbol.isEmpty() || entry.symbol.size() < symbol.size()))
                symbol = entry.symbol.toString();
        if (symbol.isEmpty())
            symbol = currency;
    }
    return locale.toCurrencyString(value, symbol, precision);
}
