#include "grid/grid_control.h"

#include "grid/cell_columns.h"
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

TLtCustomGridControl::TLtCustomGridControl(const ICellColumns *columns)
    : columns_(columns), cells_(this, columns)
{
    cells_.OnChange = [this](TCells *, int column, int row) { CellChanged(column, row); };
}

TLtCustomGridControl::~TLtCustomGridControl() = default;

int TLtCustomGridControl::ColumnCount() const
{
    return columns_->ColumnCount();
}

QString TLtCustomGridControl::GetCells(int column, int row)
{
    if (column < 0 || column >= ColumnCount() || row < 0 || row >= RowCount())
        return QString();
    return cells_.GetCell(column, row)->GetAsString();
}

void TLtCustomGridControl::SetCells(int column, int row, const QString &text)
{
    if (column < 0 || column >= ColumnCount() || row < 0 || row >= RowCount())
        return;
    cells_.GetCell(column, row)->SetAsString(text);
}

void TLtCustomGridControl::AddRow(int count)
{
    cells_.AddRow(count);
}

void TLtCustomGridControl::ClearRows()
{
    cells_.ClearRows();
}

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
    RowsReplaced();
}

TColor TLtCustomGridControl::ActualCellColor(TCell &cell, int, int)
{
    return cell.GetColor();
}

TColor TLtCustomGridControl::ActualCellFontColor(TCell &, int, int)
{
    return clBlack;
}

bool TLtCustomGridControl::CellHighlighted(int, int)
{
    return false;
}

void TLtCustomGridControl::CellChanged(int, int) {}

void TLtCustomGridControl::RowsReplaced() {}
