#pragma once
// Comma-separated text (RFC 4180) as spreadsheets read and write it.
//
// Writing: fields split by ',', records ended by CR LF; a field holding the
// separator, a double quote, CR or LF, or a blank at either end is enclosed
// in double quotes with each double quote doubled. Every text comes back
// exactly.
//
// Reading streams, a piece of the file at a time: the bytes are UTF-8 (with
// or without a byte order mark) or UTF-16 (with a mark, or without one when
// the first or second byte is 0); the separator is the one of ',' ';' and tab
// that the first record holds most often (within the first piece); records
// end with CR LF, LF or CR; a quoted field may hold separators, doubled
// quotes and line breaks. A file that breaks these rules, or UTF-16 with an
// odd number of bytes, raises EConvertError with a text that names its line
// ("line 4: ...").

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

// The fields' texts one after another in one string, reused from record to
// record, so a record costs no string of its own per field.
struct TCsvRecord {
    // The line of the file on which the record begins, from 1.
    int line = 0;
    QString chars;
    // Where each field ends in chars.
    std::vector<qsizetype> ends;

    qsizetype Size() const { return qsizetype(ends.size()); }
    QStringView Field(qsizetype i) const
    {
        const qsizetype start = i == 0 ? 0 : ends[size_t(i - 1)];
        return QStringView(chars).sliced(start, ends[size_t(i)] - start);
    }
    QStringList Fields() const;
};

// Appends one record, CR LF included.
void AppendCsvRecord(QString &out, const QStringList &fields);

// A spreadsheet runs a cell that begins with '=', '+', '-', '@', tab or CR
// unless it is a plain number (-5, +3, -4.25): such a text is written with a
// leading apostrophe, and so is one that already begins with an apostrophe,
// so that removing exactly one leading apostrophe gives every text back.
QString GuardSpreadsheetFormula(const QString &text);
QString UnguardSpreadsheetFormula(const QString &text);

// How many line ends (CR LF, LF or CR) text holds; crBefore says whether the
// text before it ended with CR, and receives whether this one does.
qsizetype CountCsvLineEnds(QStringView text, bool &crBefore);

// The text of a CSV file's bytes, given in pieces of any size.
class TCsvDecoder {
public:
    QString Decode(QByteArrayView bytes);
    // After the last piece: the text still held back. Raises for a file that
    // ends inside a character.
    QString Finish();

private:
    QString Begin();
    QString DecodeKnown(QByteArrayView bytes);
    QString DecodeUtf8(QByteArrayView bytes);
    void Count(QStringView text);
    [[noreturn]] void RefuseUtf8(QByteArrayView bytes);

    // The first bytes, until the encoding is known.
    QByteArray start_;
    bool decided_ = false;
    std::optional<QStringDecoder> decoder_;
    bool utf8_ = false;
    // The bytes of a UTF-8 character cut by the end of a piece.
    QByteArray cut_;
    qint64 utf16Bytes_ = 0;
    qsizetype lineEnds_ = 0;
    bool crBefore_ = false;
};

// Splits text given in pieces into records, handing each to take as soon as
// it ends.
class TCsvParser {
public:
    using TTake = std::function<void(const TCsvRecord &)>;
    TCsvParser(QChar separator, TTake take) : separator_(separator), take_(std::move(take)) {}

    void Feed(QStringView text);
    // After the last piece: the last record, when it has no line end.
    void Finish();

private:
    enum class TState {
        stRecordStart,
        stFieldStart,
        stPlain,
        stQuoted,
        stQuoteInQuoted,
        stAfterCr
    };
    void EndField();
    void EndRecord();
    void CountLines(QStringView run);

    QChar separator_;
    TTake take_;
    TState state_ = TState::stRecordStart;
    TCsvRecord record_;
    int line_ = 1;
    int opened_ = 0;
    bool crBefore_ = false;
};

// The text of a whole CSV file's bytes.
QString DecodeCsvBytes(const QByteArray &bytes);
QChar DetectCsvSeparator(QStringView text);
// Hands each record of a whole text to take as it is read, then ParseCsv the
// whole list.
void ForEachCsvRecord(QStringView text, QChar separator,
                      const std::function<void(const TCsvRecord &)> &take);
std::vector<TCsvRecord> ParseCsv(QStringView text, QChar separator);
