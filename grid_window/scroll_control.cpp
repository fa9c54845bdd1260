#include "grid_window/scroll_control.h"

#include "grid_window/grid_cursors.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace {

// One wheel notch, in eighths of a degree.
constexpr int kNotch = 120;
// The pointer counts as level with the roll point within this many pixels.
constexpr int kRollDeadZone = 5;

// The marker at the roll point: a ring with an arrow up and an arrow down.
class TRollMarker : public QWidget {
public:
    static constexpr int kSize = 25;
    explicit TRollMarker(QWidget *parent) : QWidget(parent)
    {
        resize(kSize, kSize);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(palette().color(QPalette::Dark));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawEllipse(QRectF(0.5, 0.5, kSize - 1, kSize - 1));
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Text));
        const int c = kSize / 2;
        painter.drawPolygon(
            QPolygon({QPoint(c - 4, c - 3), QPoint(c, c - 8), QPoint(c + 4, c - 3)}));
        painter.drawPolygon(
            QPolygon({QPoint(c - 4, c + 3), QPoint(c, c + 8), QPoint(c + 4, c + 3)}));
        painter.drawEllipse(QPoint(c, c), 1, 1);
    }
};

// "ROLL", "ROLLUP" or "ROLLDOWN".
const QCursor &RollCursor(TRollDirection direction)
{
    switch (direction) {
    case TRollDirection::rdUp: return GridCursor(TGridCursor::gcRollUp);
    case TRollDirection::rdDown: return GridCursor(TGridCursor::gcRollDown);
    case TRollDirection::rdNone: break;
    }
    return GridCursor(TGridCursor::gcRoll);
}

} // namespace

int RollInterval(int dy)
{
    return std::max(1, 100 - std::abs(dy));
}

TRollDirection RollDirectionFor(int dy)
{
    if (dy < -kRollDeadZone)
        return TRollDirection::rdUp;
    if (dy > kRollDeadZone)
        return TRollDirection::rdDown;
    return TRollDirection::rdNone;
}

TLtScrollControl::TLtScrollControl(QWidget *parent)
    : QAbstractScrollArea(parent),
      horzScrollBar_(*this, TScrollBarKind::skHorizontal,
                     [this](TLtCustomScrollBar &bar, int o, int n) { MovePicture(bar, o, n); }),
      vertScrollBar_(*this, TScrollBarKind::skVertical,
                     [this](TLtCustomScrollBar &bar, int o, int n) { MovePicture(bar, o, n); })
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
    horzScrollBar_.SetSmallChange(5);
    horzScrollBar_.SetLargeChange(10);
    vertScrollBar_.SetLargeChange(10);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { ScrollBarMessage(TScrollBarKind::skHorizontal, action); });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { ScrollBarMessage(TScrollBarKind::skVertical, action); });
    rollTimer_.setInterval(1);
    connect(&rollTimer_, &QTimer::timeout, this, [this] { DoRollTimer(); });
}

TLtScrollControl::~TLtScrollControl() = default;

void TLtScrollControl::MovePicture(TLtCustomScrollBar &bar, int oldPosition, int newPosition)
{
    if (bar.Kind() == TScrollBarKind::skVertical)
        ScrollContent(TScrollBarKind::skVertical, 0, GetVertOffset(oldPosition, newPosition));
    else
        ScrollContent(TScrollBarKind::skHorizontal, GetHorzOffset(oldPosition, newPosition), 0);
}

void TLtScrollControl::ScrollContent(TScrollBarKind bar, int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    const QRect clip = bar == TScrollBarKind::skVertical ? VertScrollClip() : HorzScrollClip();
    viewport()->scroll(dx, dy, clip);
}

void TLtScrollControl::ScrollBarMessage(TScrollBarKind kind, int action)
{
    CloseEditor();
    const bool vertical = kind == TScrollBarKind::skVertical;
    if (vertical)
        UpdateVertScrollBar();
    TLtScrollBar &bar = vertical ? vertScrollBar_ : horzScrollBar_;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: bar.MoveBy(-bar.SmallChange()); break;
    case QAbstractSlider::SliderSingleStepAdd: bar.MoveBy(bar.SmallChange()); break;
    case QAbstractSlider::SliderPageStepSub: bar.MoveBy(-bar.LargeChange()); break;
    case QAbstractSlider::SliderPageStepAdd: bar.MoveBy(bar.LargeChange()); break;
    case QAbstractSlider::SliderMove: bar.SetPosition(bar.WindowBar().sliderPosition()); break;
    case QAbstractSlider::SliderToMinimum: bar.SetPosition(0); break;
    case QAbstractSlider::SliderToMaximum: bar.SetPosition(bar.Max()); break;
    default: break;
    }
    // The window bar settles where the grid's bar is.
    bar.WindowBar().setSliderPosition(bar.Position());
    if (vertical) {
        DoVerticalScroll(bar.Position());
    } else {
        HorzScrollFocus();
        DoHorizontalScroll(bar.Position());
    }
}

void TLtScrollControl::Wheel(int notches, bool page)
{
    for (; notches < 0; ++notches) {
        if (vertScrollBar_.Max() >= 1 && !vertScrollBar_.IsLast())
            page ? vertScrollBar_.PageDown() : vertScrollBar_.Next();
        else if (ReportStyle() && horzScrollBar_.Max() >= 1 && !vertScrollBar_.Visible())
            page ? horzScrollBar_.PageDown() : horzScrollBar_.Next();
    }
    for (; notches > 0; --notches) {
        if (vertScrollBar_.Max() >= 1)
            page ? vertScrollBar_.PageUp() : vertScrollBar_.Prior();
        else if (ReportStyle() && horzScrollBar_.Max() >= 1)
            page ? horzScrollBar_.PageUp() : horzScrollBar_.Prior();
    }
}

void TLtScrollControl::wheelEvent(QWheelEvent *event)
{
    if (!mouseWheelEnabled_) {
        event->ignore();
        return;
    }
    event->accept();
    if (EditorOpen())
        return;
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / kNotch;
    wheelRest_ -= notches * kNotch;
    Wheel(notches, event->modifiers() & Qt::ControlModifier);
}

void TLtScrollControl::StartRolling(QPoint at)
{
    // Rolling scrolls: an open editor closes unsaved.
    CloseEditor();
    viewState_ = TViewState::vsRolling;
    rollPoint_ = at;
    rollPointerY_ = at.y();
    rollDirection_ = TRollDirection::rdNone;
    if (!rollMarker_)
        rollMarker_ = new TRollMarker(viewport());
    rollMarker_->move(at - QPoint(TRollMarker::kSize / 2, TRollMarker::kSize / 2));
    rollMarker_->show();
    rollMarker_->raise();
    viewport()->setCursor(RollCursor(rollDirection_));
    rollTimer_.setInterval(1);
    rollTimer_.start();
    viewport()->grabMouse();
}

void TLtScrollControl::StopRolling()
{
    viewState_ = TViewState::vsNormal;
    rollDirection_ = TRollDirection::rdNone;
    rollTimer_.stop();
    if (rollMarker_)
        rollMarker_->hide();
    viewport()->unsetCursor();
    viewport()->releaseMouse();
}

void TLtScrollControl::DoRollTimer()
{
    rollTimer_.setInterval(RollInterval(rollPointerY_ - rollPoint_.y()));
    if (rollDirection_ == TRollDirection::rdUp)
        vertScrollBar_.Prior();
    else if (rollDirection_ == TRollDirection::rdDown)
        vertScrollBar_.Next();
}

void TLtScrollControl::mousePressEvent(QMouseEvent *event)
{
    if (viewState_ == TViewState::vsRolling)
        return;
    if (event->button() == Qt::MiddleButton && scrollStyle_ == TLtScrollStyle::rsRoll) {
        StartRolling(event->position().toPoint());
        return;
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void TLtScrollControl::mouseMoveEvent(QMouseEvent *event)
{
    if (viewState_ != TViewState::vsRolling) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    rollPointerY_ = event->position().toPoint().y();
    const TRollDirection direction = RollDirectionFor(rollPointerY_ - rollPoint_.y());
    if (direction != rollDirection_) {
        rollDirection_ = direction;
        viewport()->setCursor(RollCursor(direction));
    }
}

void TLtScrollControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (viewState_ == TViewState::vsRolling) {
        StopRolling();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void TLtScrollControl::DoVerticalScroll(int position)
{
    if (OnVerticalScroll)
        OnVerticalScroll(*this, position);
}

void TLtScrollControl::DoHorizontalScroll(int position)
{
    if (OnHorizontalScroll)
        OnHorizontalScroll(*this, position);
}
