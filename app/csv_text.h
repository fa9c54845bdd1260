#pragma once
// Comma-separated text (RFC 4180) as spreadsheets read and write it.
//
// Writing: fields split by ',', records ended by CR LF; a field holding the
// separator, a double quote, CR or LF, or a blank at either end is enclosed
// in double quotes with each double quote doubled. Every text comes back
// exactly.
//
// Reading: the bytes are UTF-8 (with or without a byte order mark) or UTF-16
// (with a mark, or without one when every second byte is 0); the separator is
// the one of ',' ';' and tab that the first record holds most often; records
// end with CR LF, LF or CR; a quoted field may hold separators, doubled
// quotes and line breaks. A file that breaks these rules raises EConvertError
// with a text that names its line ("line 4: ...").

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <vector>

struct TCsvRecord {
    // The line of the file on which the record begins, from 1.
    int line = 0;
    QStringList fields;
};

// Appends one record, CR LF included.
void AppendCsvRecord(QString &out, const QStringList &fields);

// The text of a CSV file's bytes.
QString DecodeCsvBytes(const QByteArray &bytes);
QChar DetectCsvSeparator(QStringView text);
// Hands each record to take as it is read, then ParseCsv the whole list.
void ForEachCsvRecord(QStringView text, QChar separator,
                      const std::function<void(const TCsvRecord &)> &take);
std::vector<TCsvRecord> ParseCsv(QStringView text, QChar separator);
