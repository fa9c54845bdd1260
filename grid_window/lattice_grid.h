#pragma once
// The grid control as a window: the data side (TLtCustomGridControl) with its
// columns, shown as a body of the grid's Color inside a one-pixel frame.
//
// The window is a scroll control: everything is painted on, and every mouse
// event arrives through, its viewport, whose coordinates are the grid's
// coordinates (the frame included); the two scroll bars sit beside it. The
// vertical bar counts visible rows, the horizontal one pixels.
//
// The grid hosts its columns collection: it answers the collection's
// geometry questions, passes structural changes on to the cell store, lets
// the auto-size columns share its inner width whenever that changes, and
// repaints on every change that a column or the collection reports.

#include "grid_core/grid_control.h"
#include "grid_window/columns.h"
#include "grid_window/columns_host.h"
#include "grid_window/grid_lines.h"
#include "grid_window/header_interaction.h"
#include "grid_window/scroll_control.h"

#include <QPointer>

#include <functional>
#include <optional>
#include <utility>

class THintWindow;

enum class TCellStateFlag : uint8_t { csBoldTextSelection, csEmpty, csFocused, csSelected };
using TCellState = TSet<TCellStateFlag>;
enum class TSortedStyle : uint8_t { soDefault, soDarker, soWhite };

class TLatticeGrid : public TLtScrollControl, public TLtCustomGridControl, public IColumnsHost {
    Q_OBJECT
public:
    // Width of the frame on each side.
    static constexpr int kFrameWidth = 1;

    explicit TLatticeGrid(QWidget *parent = nullptr);
    ~TLatticeGrid() override;

    TLtColumns &Columns() { return columns_; }
    const TLtColumns &Columns() const { return columns_; }
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    // Colour of the grid's font, which columns with ParentFont take over.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);
    // Height of the header row.
    void SetHeaderSize(int value);

    TColor ActualCellFontColor(TCell &cell, int column, int row) override;
    TColor ActualCellColor(TCell &cell, int column, int row) override;
    // Highlighted cells: every cell of a selected row (or the selected cell
    // without goSelectFullRow); none while the grid lacks focus under
    // aoHideSelection.
    bool CellHighlighted(int column, int row) override;

    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor value);
    TColor InactiveSelectionColor() const { return inactiveSelectionColor_; }
    void SetInactiveSelectionColor(TColor value);
    TColor HighlightedTextColor() const { return highlightedTextColor_; }
    void SetHighlightedTextColor(TColor value);
    // Grid lines show only with goGrid.
    TColor GridLinesColor() const { return gridLinesColor_; }
    void SetGridLinesColor(TColor value);
    TGridLinesStyle GridLinesStyle() const { return gridLinesStyle_; }
    void SetGridLinesStyle(TGridLinesStyle value);
    // What the grid lines take of every cell's rectangle under the current options.
    TGridLineSpaces CellGridLineSpaces() const;
    // Readies the column's own editor (CellEditor) for a cell, the first part
    // of opening it: a hidden child of the grid, empty, without a change
    // handler, with the grid's WantTabs and direction, prepared by the column
    // (BeginEditing), then on the cell's own colour (never the highlight) in
    // the column's font, caret at the end. None for a cell outside the grid
    // or a column without an editor.
    TLtCustomEdit *PrepareCellEditor(int column, int row);

    // --- in-place editing (see lattice_grid_editing.cpp)
    // Opens the editor on a cell with text, or with the cell's own text when
    // text is empty; nothing for a cell that cannot be edited, nor for an
    // empty text and a cell text longer than the editor takes (editor_text.h).
    void EditCell(int column, int row, const QString &text);
    // Opens the editor on a cell because key was typed: the key is its first input.
    void StartEdit(int column, int row, QChar key);
    // EditCell with an empty text.
    void SetEditingCell(int column, int row) { EditCell(column, row, QString()); }
    // Commits the open editor's text to its cell, true when the cell changed;
    // the editor stays open.
    bool ApplyEditing();
    // Hides the editor, repaints its cell and clears the editing state.
    void EndEditing() override;
    // Places the editor over the editing cell, shows it and gives it the
    // keyboard focus; hides it while the row is scrolled under the header.
    void RefreshCellEditor();
    // Makes an editor the active one: a hidden, empty child of the grid's
    // viewport with the grid's WantTabs and direction.
    void SetInplaceEdit(TLtCustomEdit *editor);
    // Attaches the grid's handlers to the active editor.
    void SetInplaceEditEvents();
    // The open editor, none while closed.
    TLtCustomEdit *ActiveEditor() const { return activeEditor_; }
    bool CanEdit() const { return true; }
    // The text a cell shows: its column's draw text after OnApplyCell, no
    // more of it than one line wider than any screen shows.
    QString CellDisplayText(int column, int row);
    // What a click on a cell does, for a user without a mouse: the selection,
    // OnCellClick, and the element's new value where the column's element
    // runs (value), in the mouse's order.
    void ActivateCell(int column, int row, std::optional<int> value);
    // What a click on a header does, for a user without a mouse: OnHeaderClick,
    // then, with coCanSort, sorts by the column or turns its sort round.
    void ClickHeader(int column);
    void PrepareEdit() {}
    // The colour a cell has of its own: its stored colour, or the column's
    // with ParentCellColor.
    static TColor OwnCellColor(const TLtCustomColumn &column, const TCell &cell);
    // The grid counts as focused while it or its editor holds the keyboard focus.
    bool GridHasFocus() const;
    // The cell under a point of the viewport: column -1 right of the last
    // column, row past the last row when below it; nothing outside the body.
    std::optional<std::pair<int, int>> CellAt(QPoint point) const;
    // Painting callbacks, all optional; handlers may change what they get by reference.
    std::function<void(TLatticeGrid &, int column, int row, TColor &cellColor,
                       TColor &gridLineColor, TCellState state)>
        OnCellColoring;
    std::function<void(TLatticeGrid &, int column, int row, const QRect &rect, TCellState state,
                       bool &defaultDrawing)>
        OnDrawCellBackground;
    std::function<void(TLatticeGrid &, int column, int row, TColor &textColor,
                       TFontStyles &fontStyle, TCellState state)>
        OnCellFormating;
    std::function<void(TLatticeGrid &, int column, int row, QString &text)> OnApplyCell;
    std::function<void(TLatticeGrid &, int column, int row, QPainter &painter, const QRect &rect,
                       TCellState state)>
        OnCustomDrawCell;
    std::function<void(TLatticeGrid &, QPainter &painter)> OnPostDraw;
    std::function<void(TLatticeGrid &, int column, int row, QString &text)> OnCellHint;
    // A header's hint is about to show; text comes in as the header's Hint.
    std::function<void(TLatticeGrid &, int column, QString &text)> OnHeaderHint;
    // A Ctrl+click on an address a cell shows, with the address as typed.
    std::function<void(TLatticeGrid &, const QString &link)> OnLinkClick;
    // The address a text cell shows under a point of the viewport, as typed.
    std::optional<QString> LinkAt(QPoint point);

    void DoCellColoring(int column, int row, TColor &cellColor, TColor &gridLineColor,
                        TCellState state);
    bool DoDrawCellBackground(int column, int row, const QRect &rect, TCellState state);
    void DoCellFormating(int column, int row, TColor &textColor, TFontStyles &fontStyle,
                         TCellState state);
    void DoApplyCell(int column, int row, QString &text);
    void DoCustomDrawCell(int column, int row, QPainter &painter, const QRect &rect,
                          TCellState state);
    void DoPostDraw(QPainter &painter);
    void DoCellHint(int column, int row, QString &text);
    void DoHeaderHint(int column, QString &text);

    TSortedStyle SortedStyle() const { return sortedStyle_; }
    void SetSortedStyle(TSortedStyle value);
    // Drawn centred while the grid has no visible rows.
    const QString &Caption() const { return caption_; }
    void SetCaption(const QString &value);
    // Off: the classic raised-button headers instead of the style's.
    bool EnableVisualStyles() const { return enableVisualStyles_; }
    void SetEnableVisualStyles(bool value);

    // A text fits when the column is at least its width + 5.
    static bool TextFits(int columnWidth, int textWidth) { return columnWidth >= textWidth + 5; }
    // The window that shows text-fit, cell and header hints.
    THintWindow &HintWindow() { return *hint_; }
    // Whether the click being reported is the second half of a double click.
    bool ClickIsSecondOfDouble() const { return secondOfDouble_; }

    int ClientWidth() const override;
    int ClientHeight() const override;
    // No row indicator: the grid has no goIndicator option yet.
    bool ShowsIndicator() const override { return false; }
    int HeaderSize() const override { return headerSize_; }
    int HorzScrollPosition() const override { return HorzScrollBar().Position(); }
    // There is no form designer on this platform.
    bool IsDesigning() const override { return false; }
    TColor GridColor() const override { return color_; }
    Qt::CursorShape GridCursor() const override { return cursor().shape(); }
    QFont GridFont() const override { return font(); }
    TColor GridFontColor() const override { return fontColor_; }
    void RefreshColumn(TLtCustomColumn &column, TGridArea area) override;
    int SelectedColumnIndex() const override { return SelectedColumn(); }
    // The column whose header is under the mouse.
    int HoveredColumnIndex() const override { return hoveredHeader_; }
    int PressedHeaderIndex() const override { return header_.PressedColumn(); }
    // The mouse on the header row: pressing, resizing and moving columns.
    const THeaderInteraction &HeaderInteraction() const { return header_; }
    // The column (index) whose span holds x, -1 for none.
    int ColumnAt(int x) const;
    void DrawColumnHeader(QPainter &painter, const TLtCustomColumn &column, const QRect &rect);
    TCellState CellStateOf(int column, int row);
    void RefreshHeader() override;

    // Geometry in viewport coordinates, inside the frame.
    QRect BodyRect() const;
    QRect HeaderRect() const;
    // The top of a row in view, or nothing when the row is above the top row
    // or starts below the body.
    std::optional<int> RowTop(int row) const;
    QRect RowRect(int row) const;
    QRect CellRect(int column, int row) const;
    // A column's span (header or cell) between top and top + height.
    QRect ColumnRect(const TLtCustomColumn &column, int top, int height) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void RefreshCell(int column, int row) override;
    void RefreshRow(int row) override;
    void RefreshBody() override;
    void RowsReplaced() override;
    void SelectedCellReported(int column, int row) override;
    void CellChangeHeard(int column, int row) override;
    // Rows from row down moved up or down: repaints them and whatever a
    // delete uncovered below the last row.
    void ScrollRows(int row, int dy) override;
    int VisibleRowCountInBody() const override;

public:
    // --- scrolling
    // Visible rows that fit wholly into the body from the first row in view
    // (with fromEnd, also above it once the rows run out).
    int GetVisibleCount(bool fromEnd) const;
    int GetVertMax() const;
    int GetHorzMax() const;
    void UpdateVertScrollBar() override;
    void UpdateHorzScrollBar();
    void ScrollToColumn(int column) override;

protected:
    void UpdateScrollBars() override;
    int GetVertOffset(int oldPosition, int newPosition) override;
    QRect HorzScrollClip() const override;
    QRect VertScrollClip() const override;
    bool EditorOpen() const override;
    void CloseEditor() override;
    void HorzScrollFocus() override;
    void ScrollVertically(int lines) override;
    void ScrollHorizontally(int steps) override;

private:
    // Makes the column's editor (its InplaceEdit or CellEditor) the active
    // one, ready for the cell.
    TLtCustomEdit *OpenEditor(TLtCustomColumn &item, int column, int row);
    // The steps shared by EditCell and StartEdit up to an active editor.
    TLtCustomEdit *BeginCellEditing(int column, int row);
    // Commit, then close, also when the commit fails.
    void ApplyAndEndEditing();
    void EditorKeyDown(TLtCustomEdit &editor, QKeyEvent &key, bool &taken);
    void EditorExit(TLtCustomEdit &editor, QFocusEvent &event);
    // The area the open editor covers, which painting leaves alone.
    QRect EditorArea() const;
    // The grid's own handling of navigation keys; false for other keys.
    bool KeyDown(QKeyEvent &event);
    // The grid's handling of a typed character; false when nothing took it.
    bool KeyPress(QChar key);

    void DrawCell(QPainter &painter, int column, int row, const QRect &cellRect);
    void DrawEmptyCell(QPainter &painter, int column, const QRect &cellRect, const QRect &clip);
    // The cell's grid lines in the given colour; nothing without goGrid.
    void DrawGridLines(QPainter &painter, const QRect &cell, TColor color) const;
    void DrawEmptyHeader(QPainter &painter, const QRect &rect);
    void DrawClassicHeaderBackground(QPainter &painter, const TLtCustomColumn &column,
                                     const QRect &rect);
    void DrawFocusCell(QPainter &painter);
    QColor Resolved(TColor color) const;
    void PressBody(QMouseEvent *event);
    // An element's new value for the cell, through OnEditAccept and OnAfterEdit.
    void ApplyElementValue(int column, int row, int value);
    // Applies what the header interaction asks for; whether it took the event.
    bool HeaderTook(const std::optional<THeaderRequest> &request);
    bool ElementRuns(const TLtCustomColumn &column) const;
    void RefreshSelectedRows();

    // The text-fit hint, or the cell's own hint, for the cell under the mouse.
    void ShowHintFor(int column, int row);
    // The mouse is over the header of a column (-1: over no header): entering
    // a header shows its Header.Hint below the header, leaving it hides it.
    void HoverHeader(int column);
    // The mouse left the cells: their hints go, the cursor is the default.
    void LeaveBody();
    void HideHint();

    THintWindow *hint_;
    std::pair<int, int> pressedCell_{-1, -1};
    // The pressed cell was the selected cell before the press.
    bool pressedCellWasSelected_ = false;
    QPointer<TLtCustomEdit> activeEditor_;
    // Set while the editor is loaded: its changes raise no OnEdit.
    bool loadingEditor_ = false;
    std::pair<int, int> hoveredCell_{-1, -1};
    int hoveredHeader_ = -1;
    // The row count assistive tools were last told of.
    int toldRowCount_ = 0;
    enum class THintKind { hkNone, hkTextFit, hkCell, hkHeader } hintKind_ = THintKind::hkNone;
    bool secondOfDouble_ = false;
    bool pressIsDouble_ = false;
    TColor selectionColor_ = clHighlight;
    TColor inactiveSelectionColor_ = clBtnFace;
    TColor highlightedTextColor_ = clHighlightText;
    TColor gridLinesColor_ = clBtnFace;
    TGridLinesStyle gridLinesStyle_ = TGridLinesStyle::lsNormal;
    TSortedStyle sortedStyle_ = TSortedStyle::soDefault;
    QString caption_;
    bool enableVisualStyles_ = true;

    void ColumnChanged(TLtCustomColumn &column, TColumnChangeKind kind, int parameter);

    THeaderInteraction header_{*this};
    TLtColumns columns_;
    TColor color_ = clWindow;
    TColor fontColor_ = clBlack;
    int headerSize_ = 18;
    // The viewport size the columns and the ranges were last fitted to.
    QSize layoutSize_{-1, -1};
    // The grid's own size, apart from its viewport's.
    QSize gridSize_;
};
