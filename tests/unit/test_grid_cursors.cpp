// The grid's cursors come from the program's own bitmaps, hot spot included.

#include "grid_window/grid_cursors.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QPixmap>

TEST(GridCursors, EachIsA32PixelBitmapWithItsHotSpot)
{
    struct Row {
        TGridCursor cursor;
        const char *name;
        QPoint hotSpot;
    };
    const Row rows[] = {
        {TGridCursor::gcHorzSplit, "HORZSPLIT", {15, 15}},
        {TGridCursor::gcColumnNoDrag, "COLUMNNODRAG", {0, 0}},
        {TGridCursor::gcRoll, "ROLL", {15, 15}},
        {TGridCursor::gcRollUp, "ROLLUP", {15, 15}},
        {TGridCursor::gcRollDown, "ROLLDOWN", {15, 15}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(GridCursorName(row.cursor), row.name);
        const QCursor &cursor = GridCursor(row.cursor);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
        EXPECT_TRUE(cursor.pixmap().hasAlphaChannel() || !cursor.pixmap().mask().isNull());
        EXPECT_EQ(cursor.hotSpot(), row.hotSpot);
    }
}
