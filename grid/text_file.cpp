#include "grid/text_file.h"

#include <QtEndian>

namespace {
constexpr char16_t kQuote = u'"';
constexpr char16_t kCR = u'\r';
constexpr char16_t kLF = u'\n';
} // namespace

void AppendTextField(QString &out, QStringView text, QChar separator, QChar lineBreak)
{
    // Whether to enclose looks at the text, not at what the line breaks become.
    const bool enclose = text.contains(separator) || text.contains(QChar(kQuote));
    if (enclose)
        out += QChar(kQuote);
    qsizetype runStart = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ch = text[i].unicode();
        if (ch != kQuote && ch != kCR && ch != kLF)
            continue;
        out += text.mid(runStart, i - runStart);
        runStart = i + 1;
        if (ch == kQuote)
            out += QLatin1String("\"\"");
        else if (ch == kCR)
            out += lineBreak;
    }
    out += text.mid(runStart);
    if (enclose)
        out += QChar(kQuote);
}

QByteArray EncodeTextFile(const QString &text, TEncodingKind encoding)
{
    if (encoding == TEncodingKind::ekAnsi)
        return text.toLocal8Bit();
    const qsizetype units = text.size();
    QByteArray bytes(2 + units * 2, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(bytes.data());
    const char16_t *in = reinterpret_cast<const char16_t *>(text.constData());
    if (encoding == TEncodingKind::ekUnicode) {
        qToLittleEndian<char16_t>(0xFEFF, out);
        qToLittleEndian<char16_t>(in, units, out + 1);
    } else {
        qToBigEndian<char16_t>(0xFEFF, out);
        qToBigEndian<char16_t>(in, units, out + 1);
    }
    return bytes;
}

QString DecodeTextFile(const QByteArray &bytes)
{
    const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
    const bool little = bytes.size() >= 2 && raw[0] == 0xFF && raw[1] == 0xFE;
    const bool big = bytes.size() >= 2 && raw[0] == 0xFE && raw[1] == 0xFF;
    if (!little && !big)
        return QString::fromLatin1(bytes);
    const qsizetype units = (bytes.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    if (little)
        qFromLittleEndian<char16_t>(raw + 2, units, out);
    else
        qFromBigEndian<char16_t>(raw + 2, units, out);
    return text;
}

void ParseTextFile(QStringView chars, QChar separatorChar, QChar lineBreakChar,
                   ITextFileTarget &target)
{
    const char16_t separator = separatorChar.unicode();
    const char16_t lineBreak = lineBreakChar.unicode();
    QString field;
    int quotes = 0;
    int row = -1;
    int column = -1;
    bool newRow = true;

    auto endField = [&](bool endsLine) {
        quotes = 0;
        if (newRow) {
            newRow = false;
            target.AddRow();
            ++row;
            column = -1;
        }
        ++column;
        target.StoreField(column, row, field);
        field.clear();
        if (endsLine)
            newRow = true;
    };
    auto isSpecial = [&](char16_t ch) {
        return ch == separator || ch == lineBreak || ch == kQuote || ch == kCR || ch == kLF;
    };

    const char16_t *data = chars.utf16();
    const qsizetype n = chars.size();
    qsizetype i = 0;
    while (i < n) {
        // Ordinary characters are appended as one run.
        qsizetype runEnd = i;
        while (runEnd < n && !isSpecial(data[runEnd]))
            ++runEnd;
        if (runEnd > i) {
            field.append(reinterpret_cast<const QChar *>(data + i), runEnd - i);
            i = runEnd;
            continue;
        }
        const char16_t ch = data[i++];
        if (ch == separator) {
            if (quotes % 2 == 1)
                field += QChar(ch);
            else
                endField(false);
        } else if (ch == lineBreak) {
            field += QLatin1String("\r\n");
        } else if (ch == kQuote) {
            ++quotes;
            if (quotes % 2 == 1 && (!field.isEmpty() || quotes == 3))
                field += QChar(kQuote);
        } else if (ch == kCR) {
            // dropped
        } else if (ch == kLF) {
            endField(true);
        }
    }
    if (!field.isEmpty())
        target.StoreField(column + 1, row, field);
}
