#pragma once
// A window that scrolls with its own two scroll bars (TLtScrollBar) and with
// the mouse: the wheel, and rolling (dragging with the middle button).
//
// Flow: a message from a window bar (a QScrollBar action) or a wheel notch
// or a roll tick sets a bar's Position; the bar asks for its picture to move
// (GetVertOffset / GetHorzOffset, answered by the control) and ScrollContent
// moves the viewport's pixels inside the bar's clip rectangle, so that only
// the strip that came into view is repainted. OnVerticalScroll and
// OnHorizontalScroll follow each bar message.
//
// Rolling: a middle press shows the roll marker and starts the roll timer;
// every tick scrolls one line towards the pointer, the faster the further the
// pointer is from the roll point; any release ends it.

#include "grid_window/scroll_bar.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <functional>

enum class TLtScrollStyle : uint8_t { rsNone, rsRoll };
enum class TViewState : uint8_t { vsNormal, vsRolling };
enum class TRollDirection : uint8_t { rdNone, rdUp, rdDown };

// How many milliseconds a roll tick waits with the pointer dy pixels from
// the roll point.
int RollInterval(int dy);
// Where rolling goes with the pointer dy pixels below (negative: above) the roll point.
TRollDirection RollDirectionFor(int dy);

class TLtScrollControl : public QAbstractScrollArea {
    Q_OBJECT
public:
    using TScrollEvent = std::function<void(TLtScrollControl &sender, int position)>;

    explicit TLtScrollControl(QWidget *parent = nullptr);
    ~TLtScrollControl() override;

    TLtScrollBar &HorzScrollBar() { return horzScrollBar_; }
    const TLtScrollBar &HorzScrollBar() const { return horzScrollBar_; }
    TLtScrollBar &VertScrollBar() { return vertScrollBar_; }
    const TLtScrollBar &VertScrollBar() const { return vertScrollBar_; }
    // The vertical bar's AutoHide.
    bool HideScrollBar() const { return vertScrollBar_.AutoHide(); }
    void SetHideScrollBar(bool value) { vertScrollBar_.SetAutoHide(value); }
    bool MouseWheelEnabled() const { return mouseWheelEnabled_; }
    void SetMouseWheelEnabled(bool value) { mouseWheelEnabled_ = value; }
    TLtScrollStyle ScrollStyle() const { return scrollStyle_; }
    void SetScrollStyle(TLtScrollStyle value) { scrollStyle_ = value; }
    TViewState ViewState() const { return viewState_; }
    QPoint RollPoint() const { return rollPoint_; }
    TRollDirection RollDirection() const { return rollDirection_; }
    const QTimer &RollTimer() const { return rollTimer_; }

    // Moves the viewport's pixels inside the bar's clip rectangle.
    void ScrollContent(TScrollBarKind bar, int dx, int dy);
    // A message from a window bar, as its action names it.
    void ScrollBarMessage(TScrollBarKind bar, int action);
    // One roll tick.
    void DoRollTimer();

    TScrollEvent OnVerticalScroll;
    TScrollEvent OnHorizontalScroll;
    void DoVerticalScroll(int position);
    void DoHorizontalScroll(int position);

protected:
    // The pixel distance the picture moves from one position to the other
    // (negative when the content moves up or left).
    virtual int GetVertOffset(int oldPosition, int newPosition) = 0;
    virtual int GetHorzOffset(int oldPosition, int newPosition)
    {
        return oldPosition - newPosition;
    }
    virtual void UpdateVertScrollBar() = 0;
    // What each bar scrolls, in viewport coordinates.
    virtual QRect HorzScrollClip() const = 0;
    virtual QRect VertScrollClip() const = 0;
    // An open in-place editor keeps the wheel still; a bar message closes it unsaved.
    virtual bool EditorOpen() const = 0;
    virtual void CloseEditor() = 0;
    // Around a horizontal bar message: the focus rectangle moves with the columns.
    virtual void HorzScrollFocus() {}
    // The report style lets the wheel scroll sideways.
    virtual bool ReportStyle() const { return true; }

    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The window bars never move the viewport on their own.
    void scrollContentsBy(int, int) override {}

private:
    void StartRolling(QPoint at);
    void StopRolling();
    void MovePicture(TLtCustomScrollBar &bar, int oldPosition, int newPosition);
    void Wheel(int notches, bool page);

    TLtScrollBar horzScrollBar_;
    TLtScrollBar vertScrollBar_;
    bool mouseWheelEnabled_ = true;
    TLtScrollStyle scrollStyle_ = TLtScrollStyle::rsRoll;
    TViewState viewState_ = TViewState::vsNormal;
    QPoint rollPoint_;
    int rollPointerY_ = 0;
    TRollDirection rollDirection_ = TRollDirection::rdNone;
    QTimer rollTimer_;
    QWidget *rollMarker_ = nullptr;
    // Wheel angle not yet turned into whole notches.
    int wheelRest_ = 0;
};
