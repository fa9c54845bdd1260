#include "app/csv_text.h"

#include "platform/errors.h"

#include <array>
#include <functional>

#include <QCoreApplication>

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

[[noreturn]] void Refuse(qsizetype line, const QString &what)
{
    throw EConvertError(QCoreApplication::translate("EConvertError", "line %1: %2")
                            .arg(QString::number(line), what));
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A sign, digits, and at most one '.' or ',' between digits.
bool IsPlainNumber(QStringView text)
{
    qsizetype i = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digits = true;
        } else if ((text[i] == u'.' || text[i] == u',') && digits && !point &&
                   i + 1 < text.size() && IsDigit(text[i + 1])) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

} // namespace

QStringList TCsvRecord::Fields() const
{
    QStringList fields;
    for (qsizetype i = 0; i < Size(); ++i)
        fields.append(Field(i).toString());
    return fields;
}

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

QString GuardSpreadsheetFormula(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar first = text.front();
    const bool formula = QStringView(u"=+-@\t\r").contains(first) && !IsPlainNumber(text);
    return formula || first == u'\'' ? QLatin1Char('\'') + text : text;
}

QString UnguardSpreadsheetFormula(const QString &text)
{
    return text.startsWith(u'\'') ? text.sliced(1) : text;
}

qsizetype CountCsvLineEnds(QStringView text, bool &crBefore)
{
    if (text.isEmpty())
        return 0;
    const char16_t *data = text.utf16();
    // A CR ends a line, and so does an LF that no CR comes right before;
    // counted without branches, since every character of a file passes here.
    qsizetype count = (data[0] == u'\r') + (data[0] == u'\n' && !crBefore);
    for (qsizetype i = 1; i < text.size(); ++i)
        count += (data[i] == u'\r') | ((data[i] == u'\n') & (data[i - 1] != u'\r'));
    crBefore = data[text.size() - 1] == u'\r';
    return count;
}

QString TCsvDecoder::Decode(QByteArrayView bytes)
{
    if (decided_)
        return DecodeKnown(bytes);
    start_.append(bytes);
    // The longest order mark is three bytes.
    return start_.size() < 3 ? QString() : Begin();
}

QString TCsvDecoder::Finish()
{
    QString text = decided_ ? QString() : Begin();
    if (utf8_ && !cut_.isEmpty())
        RefuseUtf8(std::exchange(cut_, QByteArray()));
    if (!utf8_ && utf16Bytes_ % 2 != 0)
        Refuse(lineEnds_ + 1, QCoreApplication::translate(
                                  "EConvertError", "the UTF-16 text has an odd number of bytes"));
    return text;
}

QString TCsvDecoder::Begin()
{
    decided_ = true;
    const QByteArray first = std::exchange(start_, QByteArray());
    const auto starts = [&](std::initializer_list<unsigned char> mark) {
        if (first.size() < qsizetype(mark.size()))
            return false;
        qsizetype i = 0;
        for (const unsigned char b : mark)
            if (static_cast<unsigned char>(first[i++]) != b)
                return false;
        return true;
    };
    qsizetype skip = 0;
    if (starts({0xEF, 0xBB, 0xBF})) {
        utf8_ = true;
        skip = 3;
    } else if (starts({0xFF, 0xFE})) {
        decoder_.emplace(QStringDecoder::Utf16LE);
        skip = 2;
    } else if (starts({0xFE, 0xFF})) {
        decoder_.emplace(QStringDecoder::Utf16BE);
        skip = 2;
    } else if (first.size() >= 2 && first[0] != 0 && first[1] == 0) {
        decoder_.emplace(QStringDecoder::Utf16LE);
    } else if (first.size() >= 2 && first[0] == 0 && first[1] != 0) {
        decoder_.emplace(QStringDecoder::Utf16BE);
    } else {
        utf8_ = true;
    }
    return DecodeKnown(QByteArrayView(first).sliced(skip));
}

QString TCsvDecoder::DecodeKnown(QByteArrayView bytes)
{
    if (utf8_)
        return DecodeUtf8(bytes);
    utf16Bytes_ += bytes.size();
    QString text = (*decoder_)(bytes);
    Count(text);
    return text;
}

QString TCsvDecoder::DecodeUtf8(QByteArrayView bytes)
{
    QByteArray joined;
    if (!cut_.isEmpty()) {
        joined = std::exchange(cut_, QByteArray());
        joined.append(bytes);
        bytes = joined;
    }
    // Hold back a character that the piece's end cuts, so that each piece
    // decodes alone and a refusal can find its line.
    qsizetype end = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto b = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((b & 0xC0) == 0x80)
            continue;
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (length > back)
            end = bytes.size() - back;
        break;
    }
    cut_ = bytes.sliced(end).toByteArray();
    bytes = bytes.first(end);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        RefuseUtf8(bytes);
    Count(text);
    return text;
}

void TCsvDecoder::Count(QStringView text)
{
    lineEnds_ += CountCsvLineEnds(text, crBefore_);
}

void TCsvDecoder::RefuseUtf8(QByteArrayView bytes)
{
    // Line breaks are single bytes that no UTF-8 character holds, so the
    // piece decodes line by line up to the first line at fault.
    qsizetype start = 0;
    for (;;) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        QStringDecoder line(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        // The decoder only decodes what is taken as text.
        const QString text = line(bytes.sliced(start, end - start));
        if (line.hasError() || end == bytes.size())
            break;
        start = end + 1;
    }
    QStringDecoder before(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = before(bytes.first(start));
    bool cr = crBefore_;
    Refuse(lineEnds_ + 1 + CountCsvLineEnds(text, cr),
           QCoreApplication::translate("EConvertError", "the text is neither UTF-8 nor UTF-16"));
}

void TCsvParser::Feed(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    // What ends a field at i: the next field, or the record and its line.
    const auto endAt = [&](QChar c) {
        EndField();
        ++i;
        if (c == separator_) {
            state_ = TState::stFieldStart;
            return;
        }
        EndRecord();
        ++line_;
        state_ = c == u'\r' ? TState::stAfterCr : TState::stRecordStart;
    };
    while (i < n) {
        switch (state_) {
        case TState::stAfterCr:
            if (text[i] == u'\n')
                ++i;
            state_ = TState::stRecordStart;
            break;
        case TState::stRecordStart:
            record_.line = line_;
            // Emptied, its memory kept for the next record.
            record_.chars.resize(0);
            record_.ends.clear();
            state_ = TState::stFieldStart;
            break;
        case TState::stFieldStart:
            if (text[i] == u'"') {
                opened_ = line_;
                crBefore_ = false;
                ++i;
                state_ = TState::stQuoted;
            } else {
                state_ = TState::stPlain;
            }
            break;
        case TState::stPlain: {
            qsizetype end = i;
            while (end < n && text[end] != separator_ && text[end] != u'\r' && text[end] != u'\n')
                ++end;
            record_.chars += text.sliced(i, end - i);
            i = end;
            if (i < n)
                endAt(text[i]);
            break;
        }
        case TState::stQuoted: {
            // Whole runs up to the next quote at once.
            const qsizetype quote = text.indexOf(u'"', i);
            const QStringView run = text.sliced(i, (quote < 0 ? n : quote) - i);
            CountLines(run);
            record_.chars += run;
            i += run.size();
            if (quote >= 0) {
                ++i;
                crBefore_ = false;
                state_ = TState::stQuoteInQuoted;
            }
            break;
        }
        case TState::stQuoteInQuoted: {
            const QChar c = text[i];
            if (c == u'"') {
                record_.chars += c;
                ++i;
                state_ = TState::stQuoted;
            } else if (c == separator_ || c == u'\r' || c == u'\n') {
                endAt(c);
            } else {
                Refuse(line_, QCoreApplication::translate(
                                  "EConvertError", "text after the closing quote of a field"));
            }
            break;
        }
        }
    }
}

void TCsvParser::Finish()
{
    switch (state_) {
    case TState::stRecordStart:
    case TState::stAfterCr: return;
    case TState::stQuoted:
        Refuse(opened_,
               QCoreApplication::translate("EConvertError", "a quoted field is not closed"));
    case TState::stFieldStart:
    case TState::stPlain:
    case TState::stQuoteInQuoted:
        EndField();
        EndRecord();
        state_ = TState::stRecordStart;
        return;
    }
}

void TCsvParser::EndField()
{
    record_.ends.push_back(record_.chars.size());
}

void TCsvParser::EndRecord()
{
    take_(record_);
}

void TCsvParser::CountLines(QStringView run)
{
    line_ += int(CountCsvLineEnds(run, crBefore_));
}

QString DecodeCsvBytes(const QByteArray &bytes)
{
    TCsvDecoder decoder;
    QString text = decoder.Decode(bytes);
    return text + decoder.Finish();
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
    TCsvParser parser(separator, take);
    parser.Feed(text);
    parser.Finish();
}

std::vector<TCsvRecord> ParseCsv(QStringView text, QChar separator)
{
    std::vector<TCsvRecord> records;
    ForEachCsvRecord(text, separator, [&](const TCsvRecord &record) { records.push_back(record); });
    return records;
}
