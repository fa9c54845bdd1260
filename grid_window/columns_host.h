#pragma once
// What the columns collection asks of the grid that owns it: the geometry that
// places and auto-sizes the columns, the settings a new column takes over, and
// repaint requests for one part of a column.

#include "grid_window/column_types.h"

#include <QFont>
#include <Qt>

class TLtCustomColumn;

class IColumnsHost {
public:
    // Width and height inside the grid's frame, in pixels.
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    // The 12-pixel row indicator strip at the left (goIndicator).
    virtual bool ShowsIndicator() const = 0;
    virtual int HeaderSize() const = 0;
    virtual int HorzScrollPosition() const = 0;
    // While designing, a width set on a column also becomes its DefaultWidth.
    virtual bool IsDesigning() const = 0;

    // What Add and Insert give a new column, and ParentFont copies.
    virtual TColor GridColor() const = 0;
    virtual Qt::CursorShape GridCursor() const = 0;
    virtual QFont GridFont() const = 0;
    virtual TColor GridFontColor() const = 0;

    virtual void RefreshColumn(TLtCustomColumn &column, TGridArea area) = 0;

    // The grid's selected column, the column under the mouse and the column
    // whose header is pressed, by index; -1 for none.
    virtual int SelectedColumnIndex() const = 0;
    virtual int HoveredColumnIndex() const = 0;
    virtual int PressedHeaderIndex() const = 0;

protected:
    ~IColumnsHost() = default;
};
