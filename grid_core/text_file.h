#pragma once
// The grid's delimited text format: one line per row, fields divided by a
// separator, CR LF ending every line, a line-break mark standing for a line
// break inside a cell, double quotes around fields holding the separator or a
// double quote (inner quotes doubled).
//
// These are the pure halves of SaveToTextFile and LoadFromTextFile: building
// fields, turning text into file bytes and back, and the parser that feeds a
// target row by row.
//
// A whole profile is a quarter of a gigabyte at a million items, so a file's
// bytes become its characters in place, and a save goes out in pieces.

#include "grid_core/char_scan.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>

enum class TEncodingKind : uint8_t { ekAnsi, ekUnicode, ekUnicodeBigEndian };

// Appends the field for a cell text to out.
void AppendTextField(QString &out, QStringView text, QChar separator, QChar lineBreak);

// Writes fields, separators and line ends through a cursor into a buffer,
// growing it in large steps: a million rows are fourteen million pieces, too
// many for one QString::append each.
//
// Appending: the buffer is the text being built and holds exactly what was
// written once the writer is finished or gone. Flushing: whenever a line ends
// with the buffer past chunkUnits, its whole lines go to flush and the buffer
// starts again, so a file is written without its whole text in memory; a
// piece never ends inside a line, nor so inside a surrogate pair.
class TTextFieldWriter {
public:
    using TFlush = std::function<void(QStringView lines)>;

    TTextFieldWriter(QString &out, QChar separator, QChar lineBreak);
    TTextFieldWriter(QString &buffer, QChar separator, QChar lineBreak, TFlush flush,
                     qsizetype chunkUnits = qsizetype(1) << 20);
    ~TTextFieldWriter();
    TTextFieldWriter(const TTextFieldWriter &) = delete;
    TTextFieldWriter &operator=(const TTextFieldWriter &) = delete;

    // The field for a cell text.
    void Field(QStringView text);
    void PutSeparator() { Put(separator_); }
    void PutLineEnd()
    {
        Reserve(2);
        *at_++ = u'\r';
        *at_++ = u'\n';
        if (flush_ && Used() >= chunkUnits_)
            FlushLines();
    }
    // Flushes what is left, or cuts the text being built to what was written.
    void Finish();

private:
    void Put(char16_t ch)
    {
        Reserve(1);
        *at_++ = ch;
    }
    void Reserve(qsizetype units)
    {
        if (end_ - at_ < units)
            Grow(units);
    }
    void Grow(qsizetype units);
    qsizetype Used() const { return at_ - begin_; }
    void FlushLines();

    QString &out_;
    char16_t separator_;
    char16_t lineBreak_;
    // What makes a field more than a copy of its text.
    TSpecials escapes_;
    TFlush flush_;
    qsizetype chunkUnits_ = 0;
    char16_t *begin_ = nullptr;
    char16_t *at_ = nullptr;
    char16_t *end_ = nullptr;
};

// The order mark that begins a file of this encoding (none for ekAnsi).
QByteArray TextFileOrderMark(TEncodingKind encoding);
// The bytes of text in a file of this encoding, without the order mark: UTF-16
// units in the mark's byte order, or 8-bit text in the locale's encoding for
// ekAnsi. Where the units are already in the file's byte order the result
// shares text's memory, so it must not outlive it.
QByteArray EncodeTextUnits(QStringView text, TEncodingKind encoding);
// The bytes of a whole file holding text: the order mark, then the units.
QByteArray EncodeTextFile(QStringView text, TEncodingKind encoding);

// The characters of a file: FF FE and FE FF select UTF-16 (the mark skipped, a
// trailing odd byte ignored); anything else is read byte by byte, each byte one
// character of the same code.
QString DecodeTextFile(const QByteArray &bytes);
QString DecodeTextFile(QByteArray &&bytes);

// How many LF characters chars holds: a bound on the rows a file gives, less one.
qsizetype CountLineFeeds(QStringView chars);

// Where the parser puts what it reads.
class ITextFileTarget {
public:
    virtual void AddRow() = 0;
    // Raises for a place outside the grid. text may share the characters of
    // the file being read.
    virtual void StoreField(int column, int row, const QString &text) = 0;

protected:
    ~ITextFileTarget() = default;
};

// Reads the characters of a whole file into target, row by row. Given the
// file as a QString, the parser offers every field as a place in it
// (text_arena.h), which text cells keep instead of a copy.
void ParseTextFile(QStringView chars, QChar separator, QChar lineBreak, ITextFileTarget &target);
void ParseTextFile(const QString &chars, QChar separator, QChar lineBreak, ITextFileTarget &target);

// The text of one field from its characters in the file (from just after the
// previous field's end up to, not including, its own end), written over text,
// whose memory is reused where it is large enough and not shared.
void DecodeTextField(QStringView field, QChar separator, QChar lineBreak, QString &text);
