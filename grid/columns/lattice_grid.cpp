#include "grid/columns/lattice_grid.h"

#include "grid/columns/colors.h"

#include <QPainter>

TLatticeGrid::TLatticeGrid(QWidget *parent) : QWidget(parent), TLtCustomGridControl(&columns_)
{
    columns_.OnChange = [this](TColumnsOperation operation, int index, int secondIndex) {
        Cells().ColumnsChange(operation, index, secondIndex);
        update();
    };
}

TLatticeGrid::~TLatticeGrid() = default;

void TLatticeGrid::SetColor(TColor value)
{
    if (color_ == value)
        return;
    color_ = value;
    update();
}

TColor TLatticeGrid::ActualCellFontColor(TCell &, int column, int)
{
    return columns_.Item(column)->FontColor();
}

void TLatticeGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(color_, palette()));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TLatticeGrid::CellChanged(int, int)
{
    update();
}

void TLatticeGrid::RowsReplaced()
{
    update();
}
