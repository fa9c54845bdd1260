#include "grid_window/header_geometry.h"

#include "grid_window/column_sizing.h"

#include <algorithm>

bool InSizeGrip(int x, int rightEdge)
{
    return x >= rightEdge - 3 && x <= rightEdge + 2;
}

int LeftGuide(int columnLeft, bool firstByIndex)
{
    return firstByIndex ? columnLeft : columnLeft - 1;
}

int RightGuide(int pointerX, int columnLeft)
{
    return std::max(pointerX, columnLeft + kMinColumnWidth);
}

int DropTarget(const TDropQuery &query)
{
    if (query.hoveredClipped || query.hovered == query.dragged)
        return query.dragged;
    if (query.rightHalf)
        return query.dragged < query.hovered ? query.hovered : query.hovered + 1;
    if (query.hovered < query.dragged || query.previousVisible < 0)
        return query.hovered;
    return query.previousVisible;
}

bool DropRefused(int dragged, int target, int fixedCols, bool lockFixedCols)
{
    return lockFixedCols && (dragged < fixedCols) != (target < fixedCols);
}

QRect PressedHeaderRect(const QRect &header, bool alone)
{
    return alone ? header.adjusted(-1, -1, 0, 0) : header.adjusted(0, 0, -1, 0);
}
