#pragma once
// The mouse on the grid's header row. Flow: a left press on a size grip
// starts a resize (two inverted guide lines; SetWidth on release); a left
// press on a header with coCanClick makes it the pressed column, drawn
// pressed until the release, which raises OnHeaderClick and, over the same
// header with coCanSort, sorts or turns the sort round; dragging the pressed
// header more than 3 pixels moves it instead (a floating copy follows the
// mouse, arrows mark the drop target, ChangePosition on release). The second
// press of a double click fits a column to its widest cell on a grip and
// raises OnHeaderDblClick on a header. The interaction only reads the columns:
// what it wants of them (a width, a position, hiding, a click) it reports as a
// THeaderRequest, which the window applies.
//
// Terms: a column's index is its place in creation order (cells and saved
// fields), its position its place on screen. x values are the grid widget's.

#include <QPixmap>
#include <QPoint>

#include <cstdint>
#include <optional>

class QPainter;
class TLatticeGrid;
class TLtCustomColumn;

enum class THeaderDragState : uint8_t { hdNone, hdPressed, hdResizing, hdMoving };

enum class THeaderRequestKind : uint8_t {
    hrNone,     // nothing to change
    hrResizeTo, // SetWidth(value)
    hrMoveTo,   // ChangePosition to position value
    hrHide,     // SetVisible(false)
    hrClick     // a click on the header: OnHeaderClick and, with coCanSort, the sort
};

struct THeaderRequest {
    THeaderRequestKind kind = THeaderRequestKind::hrNone;
    int column = -1; // index
    int value = 0;
};

class THeaderInteraction {
public:
    explicit THeaderInteraction(TLatticeGrid &grid) : grid_(grid) {}

    // Each answers whether it took the event: a press on the header row, or
    // any mouse event while a drag runs; a press or release that took it
    // answers with what the window is to do.
    std::optional<THeaderRequest> Press(QPoint point, bool doubleClick);
    bool Move(QPoint point);
    std::optional<THeaderRequest> Release(QPoint point);
    // The guide lines, or the floating header and the drop arrows, drawn
    // over everything else.
    void Paint(QPainter &painter) const;
    // The mouse rests on the header row without a drag: "HORZSPLIT" over a
    // size grip, the default cursor elsewhere.
    void HoverAt(QPoint point);

    THeaderDragState State() const { return state_; }
    // The column (index) whose header is pressed, -1 for none.
    int PressedColumn() const
    {
        return state_ == THeaderDragState::hdPressed || state_ == THeaderDragState::hdMoving
                   ? column_
                   : -1;
    }
    // The column (index) whose size grip lies under x, -1 for none.
    int SizeGripAt(int x) const;
    // The width that fits the column's widest drawn cell over the visible
    // rows (measured as painted, at least 8) plus 5.
    int BestFitWidth(int column) const;

private:
    int Left(const TLtCustomColumn &column) const;
    // The column (index) under x on the header row, -1 outside it.
    int HeaderColumnAt(QPoint point) const;
    bool MovingAllowed(const TLtCustomColumn &column) const;
    void StartMoving();
    // The drop target for the pointer, -1 when it is not over the header row.
    int TargetAt(QPoint point) const;
    void Finish();
    void RefreshDrag();

    TLatticeGrid &grid_;
    THeaderDragState state_ = THeaderDragState::hdNone;
    // The pressed, resized or moved column (index).
    int column_ = -1;
    QPoint pressPoint_;
    QPoint pointer_;
    // Resizing: the column's left edge and the two guide lines.
    int columnLeft_ = 0;
    int leftGuide_ = 0;
    int rightGuide_ = 0;
    // Moving: the floating header, where it was grabbed, the drop target
    // (position, -1 for none) and whether the target is refused.
    QPixmap floating_;
    int grabOffset_ = 0;
    int target_ = -1;
    bool refused_ = false;
};
