// The grid as a whole text file: saving every row, loading a file in place of the rows.

#include "grid_core/grid_control.h"

#include "grid_core/grid_columns.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace {

// Stores fields straight into a store; out-of-place fields raise. How rows
// are made is the kind's own.
class TStoreTarget : public ITextFileTarget {
public:
    explicit TStoreTarget(TCells &cells) : cells_(cells) {}
    void StoreField(int column, int row, const QString &text) override
    {
        if (column < 0 || column >= cells_.ColumnCount() || row < 0 || row >= rows_)
            throw ECellOutOfBounds(column, row);
        cells_.GetCell(column, row)->SetAsString(text);
    }

protected:
    TCells &cells_;
    int rows_ = 0;
};

// Grows the rows through the grid's own operation, so it can follow them.
class TGridTarget : public TStoreTarget {
public:
    explicit TGridTarget(TLtCustomGridControl &grid) : TStoreTarget(grid.Cells()), grid_(grid) {}
    void AddRow() override
    {
        grid_.AddRow(1);
        ++rows_;
    }

private:
    TLtCustomGridControl &grid_;
};

// Fills a store of its own, which nobody else sees until the file is read
// whole: rows are made a batch at a time, and the ones not needed are dropped
// at the end.
class TStagingTarget : public TStoreTarget {
public:
    // rowsRead, when given, hears of the rows read whole, a batch at a time.
    TStagingTarget(TCells &cells, qsizetype expectedRows,
                   std::function<void(int first, int count)> rowsRead)
        : TStoreTarget(cells), expectedRows_(std::min<qsizetype>(expectedRows, kMaxReserve)),
          rowsRead_(std::move(rowsRead))
    {
        cells_.ReserveRows(int(expectedRows_));
    }
    void AddRow() override
    {
        if (rows_ == cells_.RowCount()) {
            // The rows before this one are whole.
            ReportRowsRead();
            cells_.AddRow(int(std::clamp<qsizetype>(expectedRows_ - rows_, 1, kBatchRows)));
        }
        ++rows_;
    }
    // At the end of the text: the last rows are whole, the spare ones go.
    void Finish()
    {
        ReportRowsRead();
        while (cells_.RowCount() > rows_)
            cells_.DeleteRow(cells_.RowCount() - 1);
    }

private:
    void ReportRowsRead()
    {
        if (rowsRead_ && rows_ > reported_)
            rowsRead_(reported_, rows_ - reported_);
        reported_ = rows_;
    }

    static constexpr int kBatchRows = 1024;
    static constexpr qsizetype kMaxReserve = std::numeric_limits<int>::max() / 2;
    // At most a row per line, and one more for a last line without its end.
    qsizetype expectedRows_;
    std::function<void(int first, int count)> rowsRead_;
    int reported_ = 0;
};

} // namespace

QString TLtCustomGridControl::SaveToText(QChar separator, QChar lineBreak)
{
    QString text;
    TTextFieldWriter writer(text, separator, lineBreak);
    cells_.WriteText(writer);
    writer.Finish();
    return text;
}

quint64 TLtCustomGridControl::SaveToTextFile(const QString &fileName, QChar separator,
                                             QChar lineBreak, TEncodingKind encoding)
{
    TWholeFileWriter file(fileName);
    WriteTextFile(cells_, file, separator, lineBreak, encoding);
    file.Commit();
    return file.ContentHash();
}

void TLtCustomGridControl::WriteTextFile(const TCells &cells, TWholeFileWriter &file,
                                         QChar separator, QChar lineBreak, TEncodingKind encoding)
{
    file.Write(TextFileOrderMark(encoding));
    QString buffer;
    TTextFieldWriter writer(buffer, separator, lineBreak, [&](QStringView lines) {
        file.Write(EncodeTextUnits(lines, encoding));
    });
    cells.WriteText(writer);
    writer.Finish();
}

void TLtCustomGridControl::LoadFromTextFile(const QString &fileName, QChar separator,
                                            QChar lineBreak, TLoadFailure failure)
{
    // Rows read up to a failure replace the old ones even when the file is missing.
    if (failure == TLoadFailure::lfKeepRowsRead)
        ClearRows();
    ParseIntoGrid(DecodeTextFile(ReadWholeFile(fileName)), separator, lineBreak, failure);
}

void TLtCustomGridControl::LoadFromText(const QString &chars, QChar separator, QChar lineBreak,
                                        TLoadFailure failure)
{
    if (failure == TLoadFailure::lfKeepRowsRead)
        ClearRows();
    ParseIntoGrid(chars, separator, lineBreak, failure);
}

void TLtCustomGridControl::ParseIntoGrid(const QString &text, QChar separator, QChar lineBreak,
                                         TLoadFailure failure)
{
    if (failure == TLoadFailure::lfKeepRowsRead) {
        TGridTarget target(*this);
        ParseTextFile(text, separator, lineBreak, target);
        return;
    }
    TCells staging(this, columns_);
    staging.SetDefaultRowHeight(cells_.DefaultRowHeight());
    for (int c = 0; c < cells_.ColumnCount(); ++c)
        staging.AddColumn();
    std::function<void(int, int)> rowsRead;
    if (!rowsListeners_.empty()) {
        rowsRead = [&](int first, int count) {
            for (IRowsListener *listener : rowsListeners_)
                listener->RowsRead(staging, first, count);
        };
    }
    TStagingTarget target(staging, CountLineFeeds(text) + 1, std::move(rowsRead));
    try {
        ParseTextFile(text, separator, lineBreak, target);
        target.Finish();
    } catch (...) {
        for (IRowsListener *listener : rowsListeners_)
            listener->LoadAbandoned();
        throw;
    }
    ClearRows();
    cells_.TakeRowsFrom(staging);
    RecomputeVisibleRows();
    if (RowCount() > 0)
        lastAddedRow_ = RowCount() - 1;
    RowsReplaced();
    DoRowsReset();
    RefreshBody();
    UpdateScrollBars();
}
