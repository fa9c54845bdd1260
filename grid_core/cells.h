#pragma once
// The grid's cell store: column-major, one cell list per column (slots 0 to
// 1024 of a fixed table) beside one list of row records. All lists always have
// the row count as length; position r of every list belongs to row r.
// Structural operations act on all lists together.
//
// Change report: a cell's change calls Changed, which calls OnChange with the
// column and row of the most recent GetCell, then clears the sorted marker.
//
// Memory: cells live in slab pools tagged with the store; text cells filled by
// a load point into the file's characters (TTextArena), which the store keeps
// until its last row is gone.

#include "grid_core/cell.h"
#include "grid_core/cells_read_guard.h"
#include "grid_core/page_memory.h"
#include "grid_core/row.h"
#include "grid_core/slab_pool.h"
#include "grid_core/text_arena.h"

#include <QHash>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class ICellColumns;
class ICellsHost;

// Which operation creates a cell: the cell class for a data type depends on it.
enum class TCellCreation : uint8_t { ccAppend, ccInsertRow, ccInsertColumn, ccChildRow };

class TCells {
public:
    static constexpr int kColumnSlots = 1025;
    using TCellChangeEvent = std::function<void(TCells *sender, int column, int row)>;

    TCells(ICellsHost *grid, const ICellColumns *columns);
    ~TCells();
    TCells(const TCells &) = delete;
    TCells &operator=(const TCells &) = delete;

    int ColumnCount() const { return columnCount_; }
    int RowCount() const { return rowCount_; }
    int VisibleRowCount() const { return visibleRowCount_; }
    int CurrentColumn() const { return currentColumn_; }
    int CurrentRow() const { return currentRow_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height) { defaultRowHeight_ = height; }
    // The sorted marker: set by every sort, cleared by any reported cell
    // change and by AddRow, InsertRow, ClearRows, MoveRow and InsertColumn.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value) { sorted_ = value; }
    int SortIndex() const { return sortIndex_; }
    TSortKind SortKind() const { return sortKind_; }
    ICellsHost *Grid() const { return grid_; }

    TCellChangeEvent OnChange;

    // Records (column, row) as the current position, then returns the cell.
    // Raises EListError for a row outside the rows; the column is not checked.
    TCell *GetCell(int column, int row);
    TRow *GetRow(int row) const;
    int GetRowIndex(const TRow *row) const;
    int GetCellRowIndex(const TCell *cell) const;

    void AddRow(int count);
    // Room for count rows in all, for a load that can tell how many it reads.
    void ReserveRows(int count);
    // Rows that fit without growing the lists: a load reserves a row per line.
    int RowCapacity() const { return int(rows_.capacity()); }
    void InsertRow(int row);
    void DeleteRow(int row);
    void ClearRows();
    void MoveRow(int from, int to);
    void SwapRows(int a, int b);
    void ShowRow(int row, bool visible);
    void ExpandRow(int row, bool shown);
    void AddChildRow(int parent, int position);
    int GetChildCount(int row) const;
    int GetChildsCount(int row) const;
    int GetAbsoluteIndex(int a, int b) const;

    // Follows a change of the columns collection.
    void ColumnsChange(TColumnsOperation operation, int index, int secondIndex);
    void AddColumn();
    void InsertColumn(int index);
    void DeleteColumn(int index);
    void ClearColumns();
    void MoveColumn(int from, int to);

    TCell *CreateCell(int column, TCellCreation creation = TCellCreation::ccChildRow);
    // Takes over every row of other, whose columns must be the same; the rows
    // held before are destroyed. Nothing is reported.
    void TakeRowsFrom(TCells &other);

    void Changed();

    // Sorts the rows by the column at index (cells_sort.cpp). A column that
    // was the last one sorted, with nothing changed since, in the other
    // direction and without fullResort is reversed instead, comparing
    // nothing. A conversion error stops the sort part-way and passes on; the
    // store is then not marked sorted.
    void SortColumn(int index, TSortType sortType, TSortKind sortKind, bool fullResort);

    // Writes every row as a line of the grid's text format (fields in column
    // index order, CR LF after each row), without a temporary string per cell.
    // Records no position, so another thread may call it between BeginRead
    // and EndRead: it then writes the store as it was at BeginRead.
    void WriteText(TTextFieldWriter &writer) const;
    // Hands the store to a reader on another thread until that reader calls
    // EndRead (cells_read_guard.h): values and rows change meanwhile without
    // waiting for it; columns, loads and ClearRows wait.
    void BeginRead();
    void EndRead() { readGuard_.End(); }

private:
    friend class TCell;
    friend class TStringCell;
    // Text cells keep places in arenas by index; -1 when the store holds too many.
    static constexpr int kMaxArenas = 64;
    int ArenaIndex(const std::shared_ptr<const TTextArena> &arena);
    const TTextArena &Arena(int index) const { return *arenas_[size_t(index)]; }

    // What a new cell of a column starts as: its class, font style and colour.
    enum class TCellClass : uint8_t {
        ccString,
        ccInteger,
        ccBoolean,
        ccFloat,
        ccDateTime,
        ccIncrement,
        ccGuid,
        ccVirtual
    };
    struct TCellPrototype {
        TCellClass cellClass;
        uint8_t fontStyle;
        TColor color;
    };
    TCellPrototype PrototypeFor(int column, TCellCreation creation) const;
    TCell *NewCell(const TCellPrototype &prototype);
    template <typename T>
    T *NewCell();
    void DestroyCell(TCell *cell);
    TRow *NewRow();
    void DestroyRow(TRow *row);
    // Before a change a reader on another thread must not see: waits for it,
    // then destroys the cells removed while it read.
    void WaitForReader();
    // Before rows are added, removed or reordered.
    void BeforeRowsChange();
    void DestroyRemovedCells();
    // Destroys every cell and row record in the lists at once.
    void DestroyAllRows();
    void ReleasePoolsWhenEmpty();
    TSlabPool &PoolFor(size_t size);
    template <typename Keys>
    void QuicksortColumn(Keys keys, bool ascending);
    void ReverseRows();

    ICellsHost *grid_;
    const ICellColumns *columns_;
    int columnCount_ = 0;
    int rowCount_ = 0;
    int visibleRowCount_ = 0;
    int currentColumn_ = 0;
    int currentRow_ = 0;
    int defaultRowHeight_ = 16;
    bool sorted_ = false;
    int sortIndex_ = 0;
    TSortKind sortKind_ = TSortKind::skAscending;
    using TCellList = std::vector<TCell *, TPageAllocator<TCell *>>;
    using TRowList = std::vector<TRow *, TPageAllocator<TRow *>>;
    std::array<TCellList, kColumnSlots> table_;
    // AddRow's new cells, one per column.
    std::array<TCellPrototype, kColumnSlots> prototypes_;
    TRowList rows_;
    std::vector<std::unique_ptr<TSlabPool>> cellPools_;
    std::unique_ptr<TSlabPool> rowPool_ = std::make_unique<TSlabPool>(sizeof(TRow));
    std::vector<std::shared_ptr<const TTextArena>> arenas_;
    // Text cells holding a string of their own: the only cells whose
    // destruction does more than give back their slot.
    size_t ownedTexts_ = 0;
    QHash<const TCell *, QString> hints_;
    QHash<const TCell *, void *> objects_;
    TCellsReadGuard readGuard_;
    // Cells of rows deleted while a reader still writes them.
    std::vector<TCell *> removed_;
};
