#pragma once
// The grid control's data side: it owns the cell store, gives text access to
// cells by coordinates and reads and writes the whole grid as a text file.
// The widget that shows it (TLatticeGrid) derives from it and repaints what
// the change reports name.

#include "grid/cells.h"
#include "grid/cells_host.h"
#include "grid/text_file.h"

#include <QString>

class ICellColumns;

// What a failed load leaves in the grid.
enum class TLoadFailure : uint8_t {
    lfKeepRowsRead,     // the rows read before the failure
    lfKeepPreviousRows  // the rows held before the load: the file replaces them only once read whole
};

class TLtCustomGridControl : public ICellsHost {
public:
    // columns is only stored here; it may be a member still being constructed.
    explicit TLtCustomGridControl(const ICellColumns *columns);
    virtual ~TLtCustomGridControl();

    TCells &Cells() { return cells_; }
    const TCells &Cells() const { return cells_; }
    int RowCount() const { return cells_.RowCount(); }
    int ColumnCount() const;

    TCell *GetCell(int column, int row) { return cells_.GetCell(column, row); }
    // Text of a cell; empty outside the grid.
    QString GetCells(int column, int row);
    // Sets a cell from text; does nothing outside the grid.
    void SetCells(int column, int row, const QString &text);

    virtual void AddRow(int count);
    virtual void ClearRows();

    // Raises EInOutError when the file cannot be written; the old file is then unchanged.
    void SaveToTextFile(const QString &fileName, QChar separator, QChar lineBreak,
                        TEncodingKind encoding);
    // Raises EInOutError, EConvertError or ECellOutOfBounds.
    void LoadFromTextFile(const QString &fileName, QChar separator, QChar lineBreak,
                          TLoadFailure failure = TLoadFailure::lfKeepRowsRead);

    // The whole grid as the text of a file (every row, fields in index order).
    QString SaveToText(QChar separator, QChar lineBreak);

    TColor ActualCellColor(TCell &cell, int column, int row) override;
    TColor ActualCellFontColor(TCell &cell, int column, int row) override;
    bool CellHighlighted(int column, int row) override;

protected:
    // A cell reported a change.
    virtual void CellChanged(int column, int row);
    // The rows were replaced as a whole.
    virtual void RowsReplaced();

private:
    const ICellColumns *columns_;
    TCells cells_;
};
