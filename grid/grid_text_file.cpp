// The grid as a whole text file: saving every row, loading a file in place of the rows.

#include "grid/grid_control.h"

#include "grid/grid_columns.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace {

// Stores fields straight into a store; out-of-place fields raise.
class TStoreTarget : public ITextFileTarget {
public:
    explicit TStoreTarget(TCells &cells) : cells_(cells) {}
    void AddRow() override { cells_.AddRow(1); }
    void StoreField(int column, int row, const QString &text) override
    {
        if (column < 0 || column >= cells_.ColumnCount() || row < 0 || row >= cells_.RowCount())
            throw ECellOutOfBounds(column, row);
        cells_.GetCell(column, row)->SetAsString(text);
    }

private:
    TCells &cells_;
};

// Grows the rows through the grid's own operation, so it can follow them.
class TGridTarget : public TStoreTarget {
public:
    explicit TGridTarget(TLtCustomGridControl &grid) : TStoreTarget(grid.Cells()), grid_(grid) {}
    void AddRow() override { grid_.AddRow(1); }

private:
    TLtCustomGridControl &grid_;
};

} // namespace

QString TLtCustomGridControl::SaveToText(QChar separator, QChar lineBreak)
{
    QString text;
    const int columns = ColumnCount();
    const int rows = RowCount();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            AppendTextField(text, cells_.GetCell(c, r)->GetAsString(), separator, lineBreak);
            if (c + 1 < columns)
                text += separator;
        }
        text += QLatin1String("\r\n");
    }
    return text;
}

void TLtCustomGridControl::SaveToTextFile(const QString &fileName, QChar separator,
                                          QChar lineBreak, TEncodingKind encoding)
{
    WriteWholeFile(fileName, EncodeTextFile(SaveToText(separator, lineBreak), encoding));
}

void TLtCustomGridControl::LoadFromTextFile(const QString &fileName, QChar separator,
                                            QChar lineBreak, TLoadFailure failure)
{
    if (failure == TLoadFailure::lfKeepRowsRead) {
        ClearRows();
        const QString text = DecodeTextFile(ReadWholeFile(fileName));
        TGridTarget target(*this);
        ParseTextFile(text, separator, lineBreak, target);
        return;
    }
    const QString text = DecodeTextFile(ReadWholeFile(fileName));
    TCells staging(this, columns_);
    staging.SetDefaultRowHeight(cells_.DefaultRowHeight());
    for (int c = 0; c < cells_.ColumnCount(); ++c)
        staging.AddColumn();
    TStoreTarget target(staging);
    ParseTextFile(text, separator, lineBreak, target);
    ClearRows();
    cells_.TakeRowsFrom(staging);
    RecomputeVisibleRows();
    if (RowCount() > 0)
        lastAddedRow_ = RowCount() - 1;
    RowsReplaced();
    RefreshBody();
    UpdateScrollBars();
}

