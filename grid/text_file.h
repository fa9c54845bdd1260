#pragma once
// The grid's delimited text format: one line per row, fields divided by a
// separator, CR LF ending every line, a line-break mark standing for a line
// break inside a cell, double quotes around fields holding the separator or a
// double quote (inner quotes doubled).
//
// These are the pure halves of SaveToTextFile and LoadFromTextFile: building
// fields, turning text into file bytes and back, and the parser that feeds a
// target row by row.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>

enum class TEncodingKind : uint8_t { ekAnsi, ekUnicode, ekUnicodeBigEndian };

// Appends the field for a cell text to out.
void AppendTextField(QString &out, QStringView text, QChar separator, QChar lineBreak);

// The bytes of a file holding text: the order mark and UTF-16 units for the two
// Unicode kinds, 8-bit text in the locale's encoding for ekAnsi.
QByteArray EncodeTextFile(const QString &text, TEncodingKind encoding);

// The characters of a file: FF FE and FE FF select UTF-16 (the mark skipped, a
// trailing odd byte ignored); anything else is read byte by byte, each byte one
// character of the same code.
QString DecodeTextFile(const QByteArray &bytes);

// Where the parser puts what it reads.
class ITextFileTarget {
public:
    virtual void AddRow() = 0;
    // Raises for a place outside the grid.
    virtual void StoreField(int column, int row, const QString &text) = 0;

protected:
    ~ITextFileTarget() = default;
};

// Reads the characters of a whole file into target, row by row.
void ParseTextFile(QStringView chars, QChar separator, QChar lineBreak, ITextFileTarget &target);
