#include "grid_window/scroll_bar.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include <algorithm>

TLtCustomScrollBar::TLtCustomScrollBar(TScrollBarKind kind, TMovePicture movePicture)
    : kind_(kind), movePicture_(std::move(movePicture))
{
}

TLtCustomScrollBar::~TLtCustomScrollBar() = default;

void TLtCustomScrollBar::SetMin(int value)
{
    value = std::max(value, 0);
    if (value == min_)
        return;
    min_ = value;
    UpdateScrollBar();
}

void TLtCustomScrollBar::SetMax(int value)
{
    value = std::max(value, 0);
    if (value == max_)
        return;
    max_ = value;
    SetVisible(max_ > 0 || !autoHide_);
    UpdateScrollBar();
    if (position_ > max_)
        SetPosition(max_);
}

void TLtCustomScrollBar::SetPosition(int value)
{
    const int position = std::max(value < min_ ? min_ : std::min(value, max_), 0);
    if (position == position_)
        return;
    oldPosition_ = position_;
    position_ = position;
    UpdateScrollBar();
    if (!IsUpdating() && !manualScroll_ && movePicture_)
        movePicture_(*this, oldPosition_, position_);
}

void TLtCustomScrollBar::SetPageSize(int value)
{
    if (value == pageSize_)
        return;
    pageSize_ = std::max(value, 8);
    UpdateScrollBar();
}

void TLtCustomScrollBar::SetAutoHide(bool value)
{
    if (value == autoHide_)
        return;
    autoHide_ = value;
    SetVisible(max_ > 0 || !autoHide_);
}

void TLtCustomScrollBar::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    UpdateScrollBar();
}

void TLtCustomScrollBar::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    UpdateScrollBar();
}

void TLtCustomScrollBar::Next()
{
    if (max_ >= 1)
        MoveBy(smallChange_);
}

void TLtCustomScrollBar::Prior()
{
    if (max_ >= 1)
        MoveBy(-smallChange_);
}

void TLtCustomScrollBar::PageDown()
{
    if (max_ > 0)
        MoveBy(largeChange_);
}

void TLtCustomScrollBar::PageUp()
{
    if (max_ > 0)
        MoveBy(-largeChange_);
}

void TLtCustomScrollBar::EndUpdate()
{
    if (updateCount_ > 0)
        --updateCount_;
}

TLtScrollBar::TLtScrollBar(QAbstractScrollArea &area, TScrollBarKind kind, TMovePicture movePicture)
    : TLtCustomScrollBar(kind, std::move(movePicture)), area_(area)
{
}

QScrollBar &TLtScrollBar::WindowBar() const
{
    return *(Kind() == TScrollBarKind::skVertical ? area_.verticalScrollBar()
                                                  : area_.horizontalScrollBar());
}

void TLtScrollBar::UpdateScrollBar()
{
    QScrollBar &bar = WindowBar();
    bar.setRange(Min(), Max());
    bar.setPageStep(PageSize());
    bar.setSingleStep(SmallChange());
    bar.setValue(Position());
    bar.setEnabled(Enabled());
    // A bar that comes or goes lays the area out anew, which must not happen
    // inside the resize that changed the range: the area would keep the old
    // layout's viewport. Qt's own bars wait for the event loop likewise.
    const Qt::ScrollBarPolicy shown = Kind() == TScrollBarKind::skVertical
                                          ? area_.verticalScrollBarPolicy()
                                          : area_.horizontalScrollBarPolicy();
    if (!visibilityQueued_ && (shown == Qt::ScrollBarAlwaysOn) != Visible()) {
        visibilityQueued_ = true;
        QMetaObject::invokeMethod(
            &area_, [this] { ApplyVisibility(); }, Qt::QueuedConnection);
    }
}

void TLtScrollBar::ApplyVisibility()
{
    visibilityQueued_ = false;
    const Qt::ScrollBarPolicy policy = Visible() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (Kind() == TScrollBarKind::skVertical)
        area_.setVerticalScrollBarPolicy(policy);
    else
        area_.setHorizontalScrollBarPolicy(policy);
}
