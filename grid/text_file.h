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
// A whole profile is a quarter of a gigabyte at a million items, so the
// forms that take their argument by rvalue convert it in place (file bytes to
// characters and back) instead of holding a second copy.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>

enum class TEncodingKind : uint8_t { ekAnsi, ekUnicode, ekUnicodeBigEndian };

// Appends the field for a cell text to out.
void AppendTextField(QString &out, QStringView text, QChar separator, QChar lineBreak);

// Writes fields, separators and line ends at the end of a string through a
// cursor, growing it in large steps: a million rows are fourteen million
// pieces, too many for one QString::append each. The string holds exactly
// what was written once the writer is gone.
class TTextFieldWriter {
public:
    TTextFieldWriter(QString &out, QChar separator, QChar lineBreak);
    ~TTextFieldWriter();
    TTextFieldWriter(const TTextFieldWriter &) = delete;
    TTextFieldWriter &operator=(const TTextFieldWriter &) = delete;

    QChar Separator() const { return QChar(separator_); }
    QChar LineBreak() const { return QChar(lineBreak_); }
    // The field for a cell text, as AppendTextField makes it.
    void Field(QStringView text);
    void PutSeparator() { Put(separator_); }
    void PutLineEnd()
    {
        Reserve(2);
        *at_++ = u'\r';
        *at_++ = u'\n';
    }

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

    QString &out_;
    char16_t separator_;
    char16_t lineBreak_;
    char16_t *at_ = nullptr;
    char16_t *end_ = nullptr;
};

// The bytes of a file holding text: the order mark and UTF-16 units for the two
// Unicode kinds, 8-bit text in the locale's encoding for ekAnsi.
QByteArray EncodeTextFile(const QString &text, TEncodingKind encoding);
QByteArray EncodeTextFile(QString &&text, TEncodingKind encoding);

// The characters of a file: FF FE and FE FF select UTF-16 (the mark skipped, a
// trailing odd byte ignored); anything else is read byte by byte, each byte one
// character of the same code.
QString DecodeTextFile(const QByteArray &bytes);
QString DecodeTextFile(QByteArray &&bytes);

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
// previous field's end up to, not including, its own end).
QString DecodeTextField(QStringView field, QChar separator, QChar lineBreak);
