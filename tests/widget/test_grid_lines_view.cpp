// Grid lines on screen: a grid of two 80-pixel text columns and two rows
// under an 18-pixel header, inside a one-pixel frame. Column 0 spans x 1..80,
// column 1 x 81..160; row 0 spans y 19..34, row 1 y 35..50, and the first
// empty line y 51..66.

#include "grid_window/column_kinds.h"
#include "grid_window/lattice_grid.h"

#include <QApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace {

using enum TGridLinesStyle;
const QColor kRed(Qt::red);
const QColor kYellow(Qt::yellow);
const QColor kLightBlue(0x00, 0x80, 0xFF);
const QColor kWhite(Qt::white);

// Counts the paint events that reach a widget.
struct TPaintCounter : QObject {
    explicit TPaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

class GridLinesView : public ::testing::Test {
protected:
    GridLinesView()
    {
        grid.resize(202, 100);
        grid.SetColor(clWhite);
        grid.Columns().Add<TLtTextColumn>();
        grid.Columns().Add<TLtTextColumn>();
        grid.AddRow(2);
        for (int row = 0; row < 2; ++row) {
            grid.GetCell(0, row)->SetColor(clYellow);
            grid.GetCell(1, row)->SetColor(0xFF8000);
        }
        grid.SetGridLinesColor(0x0000FF);
        grid.SetOptions({TGridOption::goHeader, TGridOption::goGrid});
    }
    QColor At(int x, int y) { return grid.grab().toImage().pixelColor(x, y); }

    TLatticeGrid grid;
};

} // namespace

TEST_F(GridLinesView, DefaultsAreButtonFaceNormalLines)
{
    TLatticeGrid fresh;
    EXPECT_EQ(fresh.GridLinesColor(), TColor(0xFF00000F));
    EXPECT_EQ(fresh.GridLinesStyle(), lsNormal);
    EXPECT_FALSE(fresh.Options().Contains(TGridOption::goGrid));
    grid.SetGridLinesColor(clBtnFace);
    EXPECT_EQ(At(80, 25), grid.palette().color(QPalette::Button));
}

TEST_F(GridLinesView, NormalLinesTakeTheRightColumnAndBottomRowOfEachCell)
{
    const QImage picture = grid.grab().toImage();
    EXPECT_EQ(picture.pixelColor(80, 25), kRed) << "right of column 0";
    EXPECT_EQ(picture.pixelColor(79, 25), kYellow) << "the fill stops one pixel earlier";
    EXPECT_EQ(picture.pixelColor(81, 25), kLightBlue) << "no line at the left";
    EXPECT_EQ(picture.pixelColor(160, 40), kRed) << "right of column 1";
    EXPECT_EQ(picture.pixelColor(40, 34), kRed) << "bottom of row 0";
    EXPECT_EQ(picture.pixelColor(40, 33), kYellow);
    EXPECT_EQ(picture.pixelColor(40, 35), kYellow) << "no line at the top of row 1";
    EXPECT_EQ(picture.pixelColor(40, 66), kRed) << "bottom of the first empty line";
    EXPECT_EQ(picture.pixelColor(80, 60), kRed) << "right of an empty cell";
    EXPECT_EQ(picture.pixelColor(40, 60), kWhite);
}

TEST_F(GridLinesView, EachStyleDrawsItsOwnLines)
{
    struct Row {
        TGridLinesStyle style;
        bool vertical, horizontal;
        QColor emptyLines; // the lines of the empty line below the rows
    };
    const Row rows[] = {
        {lsNormal, true, true, kRed},
        {lsFramed, true, true, kRed},
        {lsActiveRows, true, true, kWhite},
        {lsHorizontalOnly, false, true, kRed},
        {lsActiveHorzOnly, false, true, kWhite},
        {lsVerticalOnly, true, false, kRed},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(int(row.style));
        grid.SetGridLinesStyle(row.style);
        const QImage picture = grid.grab().toImage();
        EXPECT_EQ(picture.pixelColor(80, 25), row.vertical ? kRed : kYellow);
        EXPECT_EQ(picture.pixelColor(40, 34), row.horizontal ? kRed : kYellow);
        if (row.horizontal) {
            EXPECT_EQ(picture.pixelColor(40, 66), row.emptyLines);
        }
        if (row.vertical) {
            EXPECT_EQ(picture.pixelColor(80, 60), row.emptyLines);
        }
    }
}

TEST_F(GridLinesView, ThreeDLinesAddALeftAndATopLine)
{
    grid.SetAppearanceOptions(grid.AppearanceOptions().With(TAppearanceOption::ao3DGridLines));
    const QImage picture = grid.grab().toImage();
    EXPECT_EQ(picture.pixelColor(1, 25), kRed) << "left of column 0";
    EXPECT_EQ(picture.pixelColor(81, 25), kRed) << "left of column 1";
    EXPECT_EQ(picture.pixelColor(40, 19), kRed) << "top of row 0";
    EXPECT_EQ(picture.pixelColor(40, 35), kRed) << "top of row 1";
    EXPECT_EQ(picture.pixelColor(2, 20), kYellow);
    EXPECT_EQ(picture.pixelColor(79, 33), kYellow);
    EXPECT_EQ(picture.pixelColor(80, 25), kRed);
    EXPECT_EQ(picture.pixelColor(40, 34), kRed);
}

TEST_F(GridLinesView, CellColoringMayChangeTheLineColour)
{
    grid.OnCellColoring = [](TLatticeGrid &, int column, int row, TColor &, TColor &lines,
                             TCellState state) {
        if (column == 0 && (row == 1 || state.Contains(TCellStateFlag::csEmpty)))
            lines = 0x00FF00;
    };
    const QImage picture = grid.grab().toImage();
    EXPECT_EQ(picture.pixelColor(80, 25), kRed);
    EXPECT_EQ(picture.pixelColor(80, 40), QColor(Qt::green));
    EXPECT_EQ(picture.pixelColor(40, 66), QColor(Qt::green));
    EXPECT_EQ(picture.pixelColor(160, 40), kRed);
}

TEST_F(GridLinesView, WithoutGridLinesAdjacentCellsTouch)
{
    grid.SetOptions({TGridOption::goHeader});
    const QImage picture = grid.grab().toImage();
    EXPECT_EQ(picture.pixelColor(80, 25), kYellow);
    EXPECT_EQ(picture.pixelColor(81, 25), kLightBlue);
    EXPECT_EQ(picture.pixelColor(40, 34), kYellow);
    EXPECT_EQ(picture.pixelColor(40, 35), kYellow);
}

TEST_F(GridLinesView, ChangingTheLinesRepaintsOnlyWhenTheyChange)
{
    grid.show();
    QApplication::processEvents();
    TPaintCounter paints(*grid.viewport());
    grid.SetGridLinesColor(0x0000FF);
    grid.SetGridLinesStyle(lsNormal);
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 0) << "unchanged values";
    grid.SetGridLinesColor(0x00FF00);
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 1);
    grid.SetGridLinesStyle(lsHorizontalOnly);
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 2);
}
