#pragma once
// The grid control's data side: it owns the cell store and wraps it with row
// operations that keep the selection and the visible-row range right, a
// selected cell with a selected row, the grid's events, update batching and
// the text-file operations. The widget that shows it (TLatticeGrid) derives
// from it and answers the repaint and scroll requests (the protected virtual
// Refresh… and Scroll… operations; here they do nothing).
//
// Terms: the selected cell is (SelectedColumn, SelectedRow); a row is selected
// when its record's Selected flag is set; SelectedRow -1 means none. The top
// row is the first row in view; FirstVisibleRow and LastVisibleRow are the
// first and last rows that are not hidden. The editing cell is the cell under
// the open in-place editor (gtEdit), (-1, -1) while none is open; the window
// owns the editor, this side its state, its events and the commit rule.

#include "grid_core/cells.h"
#include "grid_core/cells_host.h"
#include "grid_core/grid_options.h"
#include "grid_core/grid_search.h"
#include "grid_core/rows_listener.h"
#include "grid_core/text_file.h"

#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class TWholeFileWriter;

class IGridColumns;

// What a failed load leaves in the grid.
enum class TLoadFailure : uint8_t {
    lfKeepRowsRead,    // the rows read before the failure
    lfKeepPreviousRows // the rows held before the load: the file replaces them only once read whole
};

class TLtCustomGridControl : public ICellsHost {
public:
    using TCellEvent = std::function<void(TLtCustomGridControl &sender, int column, int row)>;
    using TBeforeEditEvent =
        std::function<void(TLtCustomGridControl &sender, int column, int row, bool &accept)>;
    using TEditAcceptEvent = std::function<void(TLtCustomGridControl &sender, int column, int row,
                                                const QString &value, bool &accept)>;
    using TEditEvent = std::function<void(TLtCustomGridControl &sender, int column, int row,
                                          const QString &value)>;
    using THeaderClickEvent = std::function<void(TLtCustomGridControl &sender, int column)>;
    using TSortColumnEvent =
        std::function<void(TLtCustomGridControl &sender, int column, bool ascending)>;
    using TColumnEvent = std::function<void(TLtCustomGridControl &sender, int column)>;
    using TColumnMoveEvent = std::function<void(TLtCustomGridControl &sender, int column,
                                                int fromPosition, int toPosition)>;
    using TCompareEvent =
        std::function<void(TLtCustomGridControl &sender, TCell &cell1, TCell &cell2, int &compare)>;
    using TEditTextEvent =
        std::function<void(TLtCustomGridControl &sender, int column, int row, QString &value)>;
    using TNotifyEvent = std::function<void(TLtCustomGridControl &sender)>;

    // columns is only stored here; it may be a member still being constructed.
    explicit TLtCustomGridControl(const IGridColumns *columns);
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

    // --- options
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    TAppearanceOptions AppearanceOptions() const { return appearanceOptions_; }
    void SetAppearanceOptions(TAppearanceOptions value);
    TGridState GridState() const { return gridState_; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value) { autoScroll_ = value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    TSelectionMoveDirection SelectionMoveDirection() const { return moveDirection_; }
    void SetSelectionMoveDirection(TSelectionMoveDirection value) { moveDirection_ = value; }
    int RowSize() const { return cells_.DefaultRowHeight(); }
    void SetRowSize(int value);

    // --- rows
    virtual void AddRow(int count);
    void InsertRow(int row);
    void DeleteRow(int row);
    virtual void ClearRows();
    void ClearRow(int row);
    void MoveRow(int from, int to);
    void SwapRows(int a, int b);
    void SetRowCount(int count);
    void ReserveRows(int count);
    bool GetRowVisible(int row) const;
    void SetRowVisible(int row, bool visible);
    int GetRowHeight(int row) const;
    void SetRowHeight(int row, int height);
    bool GetSelected(int row) const;
    void SetSelected(int row, bool selected);
    bool RowExist(int row) const { return row >= 0 && row < RowCount(); }
    bool CellBounds(int column, int row) const;
    int TopRow() const { return topRow_; }
    int FirstVisibleRow() const { return firstVisibleRow_; }
    int LastVisibleRow() const { return lastVisibleRow_; }
    int LastAddedRow() const { return lastAddedRow_; }

    // --- selection
    int SelectedColumn() const { return selectedColumn_; }
    int SelectedRow() const { return selectedRow_; }
    int AnchorRow() const { return anchorRow_; }
    void SetSelectedRow(int row);
    void SetSelectedColumn(int column);
    // Stores both coordinates, nothing else.
    void SetSelectedCell(int column, int row);
    void SelectCell(int column, int row, bool clearMultiSelection, TShiftState shift);
    void SelectFirstRow(TShiftState shift);
    void SelectLastRow(TShiftState shift);
    void SelectRange(int first, int last, bool value);
    void ClearSelection();
    void NoSelection();
    void ScrollToRow(int row);
    // Brings a column into view.
    virtual void ScrollToColumn(int column);
    void MoveSelectionUp(TShiftState shift);
    void MoveSelectionDown(TShiftState shift, bool wrap);
    void MoveSelectionLeft();
    void MoveSelectionRight();
    void MoveSelectionBy(int count);
    void MoveSelectionPageDown();
    void MoveSelectionPageUp();
    void MoveSelectionHome();
    void MoveSelectionEnd();
    void MoveToNextCell(bool wrap);
    void MoveToPrevCell();

    // --- sorting (grid_sorting.cpp)
    // Sorts the rows by the column (index) unless it lacks coCanSort: closes
    // the editor unapplied, remembers the column as the sorted column, raises
    // OnSortColumn, sorts the store, keeps the selected row record selected
    // and in view, repaints and raises OnAfterSort. A conversion error stops
    // the sort part-way and passes on, without OnAfterSort.
    virtual void SortColumn(int column, bool ascending);
    // Sorts the sorted column again by its SortKind; nothing without one.
    void Resort();
    // The column most recently sorted by (index), -1 for none.
    int SortedColumn() const { return sortedColumn_; }
    // The sorted column reported ccUnsorted.
    void ForgetSortedColumn() { sortedColumn_ = -1; }
    // Keeps the sorted column on its column when the collection changes.
    void FollowColumnsChange(TColumnsOperation operation, int index, int second);
    // --- search
    // Selects the next row (after the selected one, wrapping, the selected
    // row last; or from row 0) whose text in column begins with text.
    bool SearchNext(int column, const QString &text, bool fromStart);
    bool FindText(int column, const QString &text, TSearchOptions options);
    // Selects the first row from first to last whose text in column matches.
    bool Locate(int column, int first, int last, const QString &text, TSearchOptions options);
    // The column that type-ahead searches, -1 for none.
    int GetSearchColumn() const;
    // What was typed since the last pause.
    const QString &SearchText() const { return searchText_; }
    const QTimer &SearchTimer() const { return searchTimer_; }
    // The search timer's tick: the pause ends the typed prefix.
    void DoSearchTimer();
    // --- in-place editing
    int EditingColumn() const { return editingColumn_; }
    int EditingRow() const { return editingRow_; }
    // Stores an edited text into its cell.
    void CompleteEdit(int column, int row, const QString &text);
    // Closes the in-place editor without committing its text: the cell keeps
    // its value. Every action that only closes an open editor calls this.
    virtual void EndEditing();

    // --- batching
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool IsUpdating() const { return updateCount_ > 0; }

    // --- events
    TCellEvent OnCellClick;
    TCellEvent OnCellDblClick;
    TCellEvent OnSelectCell;
    TCellEvent OnDeselectCell;
    TBeforeEditEvent OnBeforeSelect;
    TCellEvent OnChange;
    TEditAcceptEvent OnEditAccept;
    TEditEvent OnAfterEdit;
    THeaderClickEvent OnHeaderClick;
    THeaderClickEvent OnHeaderDblClick;
    TSortColumnEvent OnSortColumn;
    TColumnEvent OnAfterSort;
    TCompareEvent OnCompare;
    // A column moved to another position; its width changed.
    TColumnMoveEvent OnColumnMove;
    TColumnEvent OnColumnResize;
    TBeforeEditEvent OnBeforeEdit;
    TEditTextEvent OnApplyEditText;
    TEditEvent OnEdit;
    TEditTextEvent OnEditText;
    TNotifyEvent OnEditExit;
    // Listeners of the rows (rows_listener.h); a listener is removed before it goes.
    void AddRowsListener(IRowsListener *listener);
    void RemoveRowsListener(IRowsListener *listener);

    void DoCellClick(int column, int row);
    void DoCellDblClick(int column, int row);
    void DoSelectCell(int column, int row);
    void DoDeselectCell(int column, int row);
    bool DoBeforeSelect(int column, int row);
    void DoChange(int column, int row);
    bool DoEditAccept(int column, int row, const QString &value);
    void DoAfterEdit(int column, int row, const QString &value);
    void DoHeaderClick(int column);
    void DoHeaderDblClick(int column);
    void DoSortColumn(int column, bool ascending);
    void DoAfterSort(int column);
    // Compare comes in as 0; no handler leaves it 0.
    int DoCompare(TCell &cell1, TCell &cell2);
    void DoColumnMove(int column, int fromPosition, int toPosition);
    void DoColumnResize(int column);
    bool DoBeforeEdit(int column, int row);
    void DoApplyEditText(int column, int row, QString &value);
    void DoEdit(int column, int row, const QString &value);
    void DoEditText(int column, int row, QString &value);
    void DoEditExit();
    // Tell the rows' listeners.
    void DoDeletingRow(int row);
    void DoRowsReset();

    // --- text files
    // Raises EInOutError when the file cannot be written; the old file is then
    // unchanged. Returns the hash of the bytes written (TContentHash).
    quint64 SaveToTextFile(const QString &fileName, QChar separator, QChar lineBreak,
                           TEncodingKind encoding);
    // Writes what SaveToTextFile writes into file, without committing it.
    // Only reads the store, so it may run on another thread between
    // TCells::BeginRead and EndRead.
    static void WriteTextFile(const TCells &cells, TWholeFileWriter &file, QChar separator,
                              QChar lineBreak, TEncodingKind encoding);
    // Raises EInOutError, EConvertError or ECellOutOfBounds.
    void LoadFromTextFile(const QString &fileName, QChar separator, QChar lineBreak,
                          TLoadFailure failure = TLoadFailure::lfKeepRowsRead);
    // The same from the characters of a file (DecodeTextFile), without the file.
    void LoadFromText(const QString &chars, QChar separator, QChar lineBreak,
                      TLoadFailure failure = TLoadFailure::lfKeepRowsRead);
    // The whole grid as the text of a file (every row, fields in index order).
    QString SaveToText(QChar separator, QChar lineBreak);

    TColor ActualCellColor(TCell &cell, int column, int row) override;
    TColor ActualCellFontColor(TCell &cell, int column, int row) override;
    bool CellHighlighted(int column, int row) override;
    int CompareCells(TCell &cell1, TCell &cell2) override { return DoCompare(cell1, cell2); }

protected:
    const IGridColumns &GridColumns() const { return *columns_; }

    // Repaint and scroll requests, answered by the window.
    virtual void RefreshCell(int column, int row);
    virtual void RefreshRow(int row);
    virtual void RefreshBody();
    virtual void RefreshHeader();
    virtual void RefreshIndicator(int row);
    // The rows from row on moved by dy pixels on the screen.
    virtual void ScrollRows(int row, int dy);
    virtual void ScrollHorizontally(int steps);
    virtual void UpdateScrollBars();
    // The rows were replaced or reordered as a whole.
    virtual void RowsReplaced();
    // The selected cell was set; the store reported a change of a cell. For
    // listeners of the window (assistive tools); nothing here.
    virtual void SelectedCellReported(int, int) {}
    virtual void CellChangeHeard(int, int) {}
    // gtEdit on, the editing cell := (column, row).
    void StartEditingState(int column, int row);
    // The commit rule for the open editor's text: nothing when it equals the
    // cell's text; otherwise OnEditAccept, and when accepted and the editing
    // row still exists OnEditText, the store and OnAfterEdit. True when stored.
    bool CommitEditText(QString text);
    // Rows that fit completely into the body from the top row.
    virtual int VisibleRowCountInBody() const;
    // Scrolls the rows by lines visible rows (up when negative).
    virtual void ScrollVertically(int lines);
    // Moves the top row over steps visible rows (back when negative) and
    // answers how far the rows move on the screen, in pixels (negative: up);
    // a distance beyond 65,536 pixels may be answered as about that.
    int StepTopRow(int steps);
    // The number of visible rows before row.
    int VisibleRowsBefore(int row) const;
    // A typed character that opened no editor: the type-ahead search's.
    void KeyPressTypeAhead(QChar key);

private:
    // A file's characters into the grid: after its rows (lfKeepRowsRead, the
    // caller has cleared them) or in place of them once read whole.
    void ParseIntoGrid(const QString &text, QChar separator, QChar lineBreak, TLoadFailure failure);
    void CellChangeReported(int column, int row);
    void RecomputeVisibleRows();
    int NextVisibleRow(int from, int step) const;
    // The row steps visible rows after (before, when negative) row, or the
    // last (first) visible row when there are fewer.
    int VisibleRowAfter(int row, int steps) const;
    // Visible rows after row, up to and including last.
    int VisibleRowsBetween(int row, int last) const;
    // The first row in view that is not hidden.
    int FirstRowInView() const;
    int FindRow(int column, int first, int last, bool searchInvisible,
                const std::function<bool(QStringView)> &matches);
    void SelectFound(int row);
    void MoveSelectionSideways(int step);
    void AfterRowsAdded();

    const IGridColumns *columns_;
    TCells cells_;
    TGridOptions options_;
    TAppearanceOptions appearanceOptions_{TAppearanceOption::aoHideSelection,
                                          TAppearanceOption::aoHighlightSlideCells};
    TGridState gridState_;
    bool autoScroll_ = false;
    bool readOnly_ = false;
    bool wantTabs_ = false;
    bool wantReturns_ = false;
    TSelectionMoveDirection moveDirection_ = TSelectionMoveDirection::mdDown;
    int selectedColumn_ = 0;
    int selectedRow_ = -1;
    int anchorRow_ = -1;
    int topRow_ = 0;
    int firstVisibleRow_ = 0;
    int lastVisibleRow_ = 0;
    int lastAddedRow_ = -1;
    int updateCount_ = 0;
    bool batchChangedCells_ = false;
    std::vector<IRowsListener *> rowsListeners_;
    int sortedColumn_ = -1;
    QString searchText_;
    QTimer searchTimer_;
    int editingColumn_ = -1;
    int editingRow_ = -1;
};
