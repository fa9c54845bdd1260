#include "app/sliding_panel.h"

#include <QWidget>

#include <algorithm>

namespace {
constexpr int kSlideStep = 10;
constexpr int kPanelOpen = 254;
constexpr int kPanelClosed = 33;
constexpr int kAboutTopClosed = 136;
constexpr int kAboutTopOpen = 353;
constexpr int kSearchTopClosed = 97;
constexpr int kSearchTopOpen = 314;
} // namespace

TSlideTick SlideTick(TSlidePlaces now, TSlideDirection direction, bool movesSearch)
{
    TSlideTick tick{now, false};
    TSlidePlaces &p = tick.places;
    if (direction == TSlideDirection::sdOpen) {
        p.panelHeight += kSlideStep;
        p.aboutTop = std::min(p.aboutTop + kSlideStep, kAboutTopOpen);
        if (movesSearch)
            p.searchTop = std::min(p.searchTop + kSlideStep, kSearchTopOpen);
        tick.ended = p.panelHeight > kPanelOpen;
        if (tick.ended)
            p.panelHeight = kPanelOpen;
    } else {
        p.panelHeight -= kSlideStep;
        p.aboutTop = std::max(p.aboutTop - kSlideStep, kAboutTopClosed);
        if (movesSearch)
            p.searchTop = std::max(p.searchTop - kSlideStep, kSearchTopClosed);
        tick.ended = p.panelHeight < kPanelClosed;
        if (tick.ended)
            p.panelHeight = kPanelClosed;
    }
    return tick;
}

void ShowPanelControls(QWidget &panel, bool shown)
{
    for (QWidget *child : panel.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setVisible(shown);
}
