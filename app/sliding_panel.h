#pragma once
// The sliding panels under "New Item" and "Search": each tick of a slide
// timer changes the panel's height by 10 and moves the buttons below it
// along, clamped at their open or closed places; the slide ends once the
// panel passes its end height, which it is then set to.
//
// Places are in the main window's client area: the panel's height, the top
// of "About Yearnbox" and the top of "Search" (moved only by the entry panel).

class QWidget;

enum class TSlideDirection { sdOpen, sdClose };

struct TSlidePlaces {
    int panelHeight;
    int aboutTop;
    int searchTop;
};

struct TSlideTick {
    TSlidePlaces places;
    bool ended;
};

// One tick from the places now; movesSearch is true for the entry panel.
TSlideTick SlideTick(TSlidePlaces now, TSlideDirection direction, bool movesSearch);

// Shows an opening panel's controls and hides a closed one's, so that neither
// Tab nor a screen reader meets a control nobody sees; clipped by the panel,
// they paint nothing either way.
void ShowPanelControls(QWidget &panel, bool shown);
