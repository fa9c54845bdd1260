#include "app/csv_text.h"

#include "platform/errors.h"

#include <QStringDecoder>

#include <array>
#include <functional>

namespace {

bool NeedsQuotes(QStringView field)
{
    if (field.isEmpty())
        return false;
    if (field.front() == u' ' || field.back() == u' ')
        return true;
    for (const QChar c : field)
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    return false;
}

[[noreturn]] void Refuse(int line, const QString &what)
{
    throw EConvertError(QStringLiteral("line %1: %2").arg(line).arg(what));
}

QString DecodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (!decoder.hasError())
        return text;
    // Name the first line that is not UTF-8.
    int line = 1;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = lineDecoder(QByteArrayView(bytes).sliced(start, end - start));
        if (lineDecoder.hasError())
            break;
        start = end + 1;
        ++line;
    }
    Refuse(line, QStringLiteral("the text is neither UTF-8 nor UTF-16"));
}

} // namespace

void AppendCsvRecord(QString &out, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += u',';
        const QString &field = fields[i];
        if (!NeedsQuotes(field)) {
            out += field;
            continue;
        }
        out += u'"';
        for (const QChar c : field) {
            if (c == u'"')
                out += u'"';
            out += c;
        }
        out += u'"';
    }
    out += QStringLiteral("\r\n");
}

QString DecodeCsvBytes(const QByteArray &bytes)
{
    const auto starts = [&](std::initializer_list<unsigned char> mark) {
        if (bytes.size() < qsizetype(mark.size()))
            return false;
        qsizetype i = 0;
        for (const unsigned char b : mark)
            if (static_cast<unsigned char>(bytes[i++]) != b)
                return false;
        return true;
    };
    if (starts({0xEF, 0xBB, 0xBF}))
        return DecodeUtf8(bytes.sliced(3));
    QStringDecoder::Encoding utf16 = QStringDecoder::Utf8;
    qsizetype skip = 0;
    if (starts({0xFF, 0xFE})) {
        utf16 = QStringDecoder::Utf16LE;
        skip = 2;
    } else if (starts({0xFE, 0xFF})) {
        utf16 = QStringDecoder::Utf16BE;
        skip = 2;
    } else if (bytes.size() >= 2 && bytes.size() % 2 == 0 && bytes[0] != 0 && bytes[1] == 0) {
        utf16 = QStringDecoder::Utf16LE;
    } else if (bytes.size() >= 2 && bytes.size() % 2 == 0 && bytes[0] == 0 && bytes[1] != 0) {
        utf16 = QStringDecoder::Utf16BE;
    }
    if (utf16 == QStringDecoder::Utf8)
        return DecodeUtf8(bytes);
    QStringDecoder decoder(utf16);
    return decoder(QByteArrayView(bytes).sliced(skip));
}

QChar DetectCsvSeparator(QStringView text)
{
    const std::array<QChar, 3> candidates{u',', u';', u'\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted)
            for (size_t i = 0; i < candidates.size(); ++i)
                counts[i] += c == candidates[i] ? 1 : 0;
    }
    size_t best = 0;
    for (size_t i = 1; i < candidates.size(); ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

void ForEachCsvRecord(QStringView text, QChar separator,
                      const std::function<void(const TCsvRecord &)> &take)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    int line = 1;
    // Steps past a line end at i (CR LF, LF or CR).
    const auto takeLineEnd = [&] {
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        ++i;
        ++line;
    };
    TCsvRecord record;
    while (i < n) {
        record.line = line;
        record.fields.clear();
        for (;;) {
            QString field;
            if (i < n && text[i] == u'"') {
                const int opened = line;
                ++i;
                for (;;) {
                    // Whole runs up to the next quote at once.
                    const qsizetype quote = text.indexOf(u'"', i);
                    if (quote < 0)
                        Refuse(opened, QStringLiteral("a quoted field is not closed"));
                    const QStringView run = text.sliced(i, quote - i);
                    for (qsizetype k = 0; k < run.size(); ++k)
                        if (run[k] == u'\n' || (run[k] == u'\r' && !(k + 1 < run.size() && run[k + 1] == u'\n')))
                            ++line;
                    field += run;
                    i = quote + 1;
                    if (i < n && text[i] == u'"') {
                        field += u'"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (i < n && text[i] != separator && text[i] != u'\r' && text[i] != u'\n')
                    Refuse(line, QStringLiteral("text after the closing quote of a field"));
            } else {
                const qsizetype start = i;
                while (i < n && text[i] != separator && text[i] != u'\r' && text[i] != u'\n')
                    ++i;
                field = text.sliced(start, i - start).toString();
            }
            record.fields.append(std::move(field));
            if (i < n && text[i] == separator) {
                ++i;
                continue;
            }
            if (i < n)
                takeLineEnd();
            break;
        }
        take(record);
    }
}

std::vector<TCsvRecord> ParseCsv(QStringView text, QChar separator)
{
    std::vector<TCsvRecord> records;
    ForEachCsvRecord(text, separator, [&](const TCsvRecord &record) { records.push_back(record); });
    return records;
}
