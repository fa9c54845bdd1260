#pragma once
// The grid's scroll-bar objects. A bar keeps its range (Min..Max) and its
// Position within it; a position change asks the control to move its picture
// by the distance between the old and the new position (not while the bar is
// updating, nor with ManualScroll), and every change of range or position is
// passed on to the window's bar (UpdateScrollBar). A bar with AutoHide is
// hidden while Max is 0. TLtScrollBar binds a bar to one of a scroll area's
// two QScrollBars.

#include <QtGlobal>

#include <functional>

class QAbstractScrollArea;
class QScrollBar;

enum class TScrollBarKind : uint8_t { skHorizontal, skVertical };

class TLtCustomScrollBar {
public:
    // Moves the control's picture from the old position to the new one.
    using TMovePicture =
        std::function<void(TLtCustomScrollBar &bar, int oldPosition, int newPosition)>;

    TLtCustomScrollBar(TScrollBarKind kind, TMovePicture movePicture);
    virtual ~TLtCustomScrollBar();
    TLtCustomScrollBar(const TLtCustomScrollBar &) = delete;
    TLtCustomScrollBar &operator=(const TLtCustomScrollBar &) = delete;

    TScrollBarKind Kind() const { return kind_; }
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    // Shows or hides the bar by AutoHide and pulls a Position above it down.
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int value);
    int OldPosition() const { return oldPosition_; }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    bool AutoHide() const { return autoHide_; }
    void SetAutoHide(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool ManualScroll() const { return manualScroll_; }
    void SetManualScroll(bool value) { manualScroll_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    void MoveBy(int delta) { SetPosition(position_ + delta); }
    void First() { SetPosition(0); }
    void Last() { SetPosition(max_); }
    // One line, as the bar's arrows scroll.
    void Next();
    void Prior();
    // One page, as a click in the bar's trough scrolls.
    void PageDown();
    void PageUp();
    bool IsFirst() const { return position_ <= min_; }
    bool IsLast() const { return position_ >= max_; }
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool IsUpdating() const { return updateCount_ > 0; }

protected:
    // Passes Min, Max, PageSize, Position, Enabled and Visible to the window's bar.
    virtual void UpdateScrollBar() {}

private:
    const TScrollBarKind kind_;
    TMovePicture movePicture_;
    int min_ = 0;
    int max_ = 0;
    int position_ = 0;
    int oldPosition_ = 0;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    bool autoHide_ = true;
    bool enabled_ = true;
    bool manualScroll_ = false;
    bool visible_ = false;
    int updateCount_ = 0;
};

class TLtScrollBar : public TLtCustomScrollBar {
public:
    TLtScrollBar(QAbstractScrollArea &area, TScrollBarKind kind, TMovePicture movePicture);
    QScrollBar &WindowBar() const;

protected:
    void UpdateScrollBar() override;

private:
    // Shows or hides the window bar as Visible says.
    void ApplyVisibility();

    QAbstractScrollArea &area_;
    bool visibilityQueued_ = false;
};
