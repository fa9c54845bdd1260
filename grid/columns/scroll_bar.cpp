#include "grid/columns/scroll_bar.h"

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
    const Qt::ScrollBarPolicy policy = Visible() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (Kind() == TScrollBarKind::skVertical) {
        if (area_.verticalScrollBarPolicy() != policy)
            area_.setVerticalScrollBarPolicy(policy);
    } else if (area_.horizontalScrollBarPolicy() != policy) {
        area_.setHorizontalScrollBarPolicy(policy);
    }
}
