#pragma once

#include <QRect>
// The rules of the mouse on the header row as pure arithmetic: the size grip
// band, the guide lines of a resize, when a press becomes a move, and the
// drop target of a dragged column. Positions are display places (Position),
// x values pixels in one coordinate system of the caller's choice.

// A press becomes a move once the mouse went more than this far.
constexpr int kMoveStartDistance = 3;

// Whether x lies on the size grip of a column whose right edge (left + Width)
// is rightEdge: from 3 pixels left to 2 pixels right of it.
bool InSizeGrip(int x, int rightEdge);

// The guide line at a resized column's left edge: one pixel further left
// unless the column is the first one by index.
int LeftGuide(int columnLeft, bool firstByIndex);
// The right guide line follows the pointer, never closer than the smallest
// column width to the column's left edge.
int RightGuide(int pointerX, int columnLeft);

// The column under the pointer while a column is dragged over the header row.
struct TDropQuery {
    int dragged;         // position of the dragged column
    int hovered;         // position of the column under the pointer
    bool rightHalf;      // the pointer is over its right half
    int previousVisible; // position of the nearest visible column before it, -1 for none
    bool hoveredClipped; // it is scrolled under the fixed columns
};

// Where the dragged column goes: over the right half, the hovered position
// when the dragged column comes from its left, else the one after it; over
// the left half, the hovered position when it lies left of the dragged column
// or no visible column precedes it, else the previous visible column's
// position. Over the dragged column itself, and behind the fixed columns over
// a column scrolled under them, the column stays where it is.
int DropTarget(const TDropQuery &query);

// With goLockFixedCols a move into or out of the fixed columns is refused.
bool DropRefused(int dragged, int target, int fixedCols, bool lockFixedCols);

// The part of a pressed header that the classic (unthemed) look inverts: one
// pixel more up and left for a column alone, else one pixel less on the right.
QRect PressedHeaderRect(const QRect &header, bool alone);
