#pragma once
// The item list as CSV: one record per item in the grid's row order, after a
// header of the column captions ("Name:", "Notes:", "Price:", "Priority:",
// "Date Added:", and "Marked:" for the mark, which has no caption). A field
// that a spreadsheet would run as a formula is written with a leading
// apostrophe (GuardSpreadsheetFormula), which reading removes again.
//
// Reading maps the fields by caption when the first record is such a header
// (captions compared without regard to case, blanks or the trailing ':'),
// and by that order otherwise. An empty date becomes today's, an empty
// priority 1; line breaks in a text become the grid's CR LF, and so does a
// '|', which a profile would read back as one; NUL characters are dropped;
// records with nothing in them are skipped. Reading streams: each item is
// handed on as soon as its record ends, so a caller that adds nothing before
// the whole file has been read adds nothing from a refused file.

#include "app/csv_item_texts.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TLtCustomGridControl;
class TCsvDecoder;
class TCsvParser;
struct TCsvRecord;

// The header record's fields.
QStringList CsvCaptions();

// Writes the header and every row; out receives the text a piece at a time.
void WriteItemsCsv(TLtCustomGridControl &grid, const std::function<void(const QString &)> &out);

// What reading changed in the texts, for the import's message.
struct TCsvImportNotes {
    qint64 nulsDropped = 0;
    // The texts in which a '|' became a line break: the first few by line
    // and field caption ("line 3: notes"), and how many in all.
    QStringList pipes;
    qint64 pipeTexts = 0;
};

// The notes as one sentence for a message; empty when there is nothing to say.
QString CsvImportNotesText(const TCsvImportNotes &notes);

// One item's seven profile fields, one after another in one string that the
// reader reuses from item to item: valid until the next item is read.
class TCsvItem {
public:
    QStringView Field(int column) const
    {
        return QStringView(chars_).sliced(starts_[size_t(column)],
                                          starts_[size_t(column) + 1] - starts_[size_t(column)]);
    }

private:
    friend class TCsvItemReader;
    QString chars_;
    std::array<qsizetype, 8> starts_{};
};

// Reads CSV bytes given in pieces and hands on each item as its seven
// profile fields. Raises EConvertError naming the line.
class TCsvItemReader {
public:
    using TTake = std::function<void(const TCsvItem &item)>;
    TCsvItemReader(QString today, TTake take);
    ~TCsvItemReader();

    void Feed(QByteArrayView bytes);
    void Finish();
    const TCsvImportNotes &Notes() const { return notes_; }

private:
    void FeedText(QString text, bool last);
    void Take(const TCsvRecord &record);
    // Appends a text with the grid's line breaks to the item; whether a '|'
    // became one.
    bool AppendText(QStringView text);

    QString today_;
    TTake take_;
    std::unique_ptr<TCsvDecoder> decoder_;
    std::unique_ptr<TCsvParser> parser_;
    // The text read before the separator is chosen.
    QString head_;
    std::vector<int> columns_;
    TCsvImportNotes notes_;
    TCsvItem item_;
    // The fields of a record that held NUL characters, without them.
    std::vector<QString> cleaned_;
};

// Each item of whole CSV bytes.
TCsvItemTexts ReadItemsCsv(const QByteArray &bytes, const QString &today,
                           TCsvImportNotes *notes = nullptr);

// The same with files: writes the grid to a CSV file in UTF-8, replacing it
// whole (a failure leaves the old file); reads a CSV file a piece at a time.
// Both raise EInOutError naming the file; reading raises EConvertError naming
// the line.
void SaveItemsCsvFile(TLtCustomGridControl &grid, const QString &path);
TCsvImportNotes ReadItemsCsvFile(const QString &path, const QString &today,
                                 const TCsvItemReader::TTake &take);

// Adds the items after the grid's last row, in one batch; their text cells
// point into the items' one string, as a load's point into the file's.
void AppendItems(TLtCustomGridControl &grid, const TCsvItemTexts &items);
