#pragma once
// The item list as CSV: one record per item in the grid's row order, after a
// header of the column captions ("Name:", "Notes:", "Price:", "Priority:",
// "Date Added:", and "Marked:" for the mark, which has no caption).
//
// Reading maps the fields by caption when the first record is such a header
// (captions compared without regard to case, blanks or the trailing ':'),
// and by that order otherwise. An empty date becomes today's, an empty
// priority 1; line breaks in a text become the grid's CR LF; records with
// nothing in them are skipped. Everything is checked before any row is added,
// so a refused file adds nothing.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TLtCustomGridControl;

// The header record's fields.
QStringList CsvCaptions();

// Writes the header and every row; out receives the text a piece at a time.
void WriteItemsCsv(TLtCustomGridControl &grid, const std::function<void(const QString &)> &out);

// Each item as its seven profile fields. Raises EConvertError naming the line.
std::vector<QStringList> ReadItemsCsv(const QByteArray &bytes, const QString &today);

// The same with files: writes the grid to a CSV file in UTF-8, replacing it
// whole (a failure leaves the old file); reads a CSV file whole. Both raise
// EInOutError naming the file; reading raises EConvertError naming the line.
void SaveItemsCsvFile(TLtCustomGridControl &grid, const QString &path);
std::vector<QStringList> ReadItemsCsvFile(const QString &path, const QString &today);

// Adds the items after the grid's last row, in one batch.
void AppendItems(TLtCustomGridControl &grid, const std::vector<QStringList> &items);
