#pragma once
// The grid's collection of columns, kept in two lists of the same columns:
// the index list (creation order; Item(i); the order of the cell store's
// lists and of the saved fields) and the position list (display order, left
// to right; PositionItem(p)). Moving a column on screen (ChangePosition)
// permutes the position list only.
//
// Reports to the grid:
// - OnChange(operation, index, second): structural changes that the cell
//   store follows (opAdd with the new index; opInsert and opDelete with the
//   index; opClear; opMove with the new index first, then the old one);
// - OnRepaint: the same, for repainting (HideAll reports opDelete here only);
// - OnColumnChange(column, kind, parameter): what a column reported.
//
// Reading a layout: between BeginRead and EndRead a new column goes to the
// index list only and setters recompute nothing; EndRead places each column
// read by its Position (before the first column whose Position is greater).
//
// Widths: UpdateColumns sets every column's Left and VisibleIndex in one pass
// over the position list; ResizeColumns lets the coAutoSize columns share the
// width that the others leave of the grid's inner width.

#include "grid_core/grid_columns.h"
#include "grid_window/columns_host.h"
#include "grid_window/custom_column.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TLtColumns : public IGridColumns {
public:
    using TColumnsChangeEvent = std::function<void(TColumnsOperation, int index, int second)>;
    using TColumnChangeEvent =
        std::function<void(TLtCustomColumn &column, TColumnChangeKind kind, int parameter)>;

    // Width of the row indicator strip.
    static constexpr int kIndicatorWidth = 12;

    explicit TLtColumns(IColumnsHost &host);
    ~TLtColumns();
    TLtColumns(const TLtColumns &) = delete;
    TLtColumns &operator=(const TLtColumns &) = delete;

    IColumnsHost &Host() const { return host_; }

    // A new column of kind TKind at the end of both lists, with the grid's
    // colour, cursor and (with ParentFont) font, and caption as its header.
    template <typename TKind>
    TKind *Add(const QString &caption = QString())
    {
        auto *column = static_cast<TKind *>(AddColumn(std::make_unique<TKind>()));
        SetUpAdded(*column, caption);
        return column;
    }
    // A new column of kind TKind at index in the index list, last on screen,
    // with the grid's colour, cursor and font.
    template <typename TKind>
    TKind *Insert(int index)
    {
        auto column = std::make_unique<TKind>();
        SetUpInserted(*column);
        return static_cast<TKind *>(InsertColumn(std::move(column), index));
    }
    TLtCustomColumn *AddColumn(std::unique_ptr<TLtCustomColumn> column);
    // Raises EListError for an index outside 0..Count.
    TLtCustomColumn *InsertColumn(std::unique_ptr<TLtCustomColumn> column, int index);
    // Destroys the column; raises EListError for an index outside the list.
    void Delete(int index);
    // Takes the column out of both lists and hands it over; none when the
    // column is not in this collection.
    std::unique_ptr<TLtCustomColumn> Remove(TLtCustomColumn *column);
    void Clear();
    // Moves a column in the index list; indices outside the list do nothing.
    void Move(int from, int to);
    // Moves a column in display order; raises EListError for a position
    // outside the list.
    void ChangePosition(int from, int to);
    void HideAll();

    int Count() const { return int(items_.size()); }
    bool Exists(int index) const { return index >= 0 && index < Count(); }
    // Raise EListError outside the lists.
    TLtCustomColumn *Item(int index) const;
    TLtCustomColumn *PositionItem(int position) const;
    int IndexOf(const TLtCustomColumn *column) const;
    // Place in the position list, -1 when not placed.
    int PositionOf(const TLtCustomColumn *column) const;
    // First column of that name, without regard to case; none if no column has it.
    TLtCustomColumn *GetColumn(const QString &name) const;
    // base followed by the first number from 1 up that no column is named.
    QString UniqueName(const QString &base) const;

    int GetVisibleCount() const;
    // First and last visible column in display order, or none.
    TLtCustomColumn *GetFirst() const;
    TLtCustomColumn *GetLast() const;
    // Nearest enabled visible column after / before it in display order; the
    // column itself when there is none.
    TLtCustomColumn *GetNextColumn(TLtCustomColumn *column) const;
    TLtCustomColumn *GetPrevColumn(TLtCustomColumn *column) const;
    // Sum of the widths of the visible columns.
    int GetClientWidth() const;

    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    // Sum of the widths of the visible columns among the first FixedCols positions.
    int FixedWidth() const { return fixedWidth_; }

    // column none: all auto-size columns share the grid's inner width; with a
    // column, those from its place on (autoSizeSwitched: its coAutoSize just
    // changed) or after it (its width was just set).
    void ResizeColumns(TLtCustomColumn *column, bool autoSizeSwitched);
    // Left and VisibleIndex of every column; renumber also sets each
    // Position to its place in the position list.
    void UpdateColumns(bool renumber);
    void UpdateFixedWidth();
    // Places a column that was read into the position list by its Position.
    void UpdatePositionList(TLtCustomColumn *column);

    void BeginRead();
    void EndRead();
    bool IsReading() const { return reading_; }

    // The grid's font changed: every column with ParentFont copies it.
    void ParentFontChanged();

    TColumnsChangeEvent OnChange;
    TColumnsChangeEvent OnRepaint;
    TColumnChangeEvent OnColumnChange;

    int ColumnCount() const override { return Count(); }
    TColumnType ColumnDataType(int index) const override { return Item(index)->ColumnType(); }
    TFontStyles ColumnFontStyle(int index) const override { return Item(index)->FontStyle(); }
    TColor ColumnColor(int index) const override { return Item(index)->Color(); }
    bool ColumnEnabled(int index) const override { return Item(index)->Enabled(); }
    bool ColumnVisible(int index) const override { return Item(index)->Visible(); }
    QString ColumnDefaultValue(int index) const override { return Item(index)->DefaultValue(); }
    // Skips hidden and disabled columns, as navigation does.
    int NeighbourColumn(int index, int step) const override;
    TColumnSortSettings ColumnSortSettings(int index) const override;
    int SearchColumn() const override;

private:
    friend class TLtCustomColumn;
    void ColumnChanged(TLtCustomColumn &column, TColumnChangeKind kind, int parameter);
    void Report(TColumnsOperation operation, int index, int second);
    void SetUpAdded(TLtCustomColumn &column, const QString &caption);
    void SetUpInserted(TLtCustomColumn &column);

    IColumnsHost &host_;
    std::vector<std::unique_ptr<TLtCustomColumn>> items_;
    std::vector<TLtCustomColumn *> positions_;
    bool reading_ = false;
    int fixedCols_ = 0;
    int fixedWidth_ = 0;
};
