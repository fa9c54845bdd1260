#include "grid/columns/lattice_grid.h"

#include "grid/columns/colors.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>

TLatticeGrid::TLatticeGrid(QWidget *parent)
    : QWidget(parent), TLtCustomGridControl(&columns_), columns_(*this)
{
    columns_.OnChange = [this](TColumnsOperation operation, int index, int second) {
        // The collection reports a move as (new index, old index); the store
        // takes (from, to).
        if (operation == TColumnsOperation::opMove)
            Cells().ColumnsChange(operation, second, index);
        else
            Cells().ColumnsChange(operation, index, second);
    };
    columns_.OnRepaint = [this](TColumnsOperation, int, int) { update(); };
    columns_.OnColumnChange = [this](TLtCustomColumn &column, TColumnChangeKind kind,
                                     int parameter) { ColumnChanged(column, kind, parameter); };
}

TLatticeGrid::~TLatticeGrid() = default;

void TLatticeGrid::SetColor(TColor value)
{
    if (color_ == value)
        return;
    color_ = value;
    update();
}

void TLatticeGrid::SetFontColor(TColor value)
{
    if (fontColor_ == value)
        return;
    fontColor_ = value;
    columns_.ParentFontChanged();
}

void TLatticeGrid::SetHeaderSize(int value)
{
    if (headerSize_ == value)
        return;
    headerSize_ = value;
    update();
}

TColor TLatticeGrid::ActualCellFontColor(TCell &, int column, int)
{
    return columns_.Item(column)->FontColor();
}

int TLatticeGrid::ClientWidth() const
{
    return width() - 2 * kFrameWidth;
}

int TLatticeGrid::ClientHeight() const
{
    return height() - 2 * kFrameWidth;
}

void TLatticeGrid::RefreshColumn(TLtCustomColumn &, TGridArea)
{
    update();
}

// Painting shows no columns yet, so every change repaints the whole grid.
void TLatticeGrid::ColumnChanged(TLtCustomColumn &, TColumnChangeKind, int)
{
    update();
}

void TLatticeGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(color_, palette()));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TLatticeGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (event->oldSize().width() != event->size().width())
        columns_.ResizeColumns(nullptr, false);
}

void TLatticeGrid::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        columns_.ParentFontChanged();
}

void TLatticeGrid::CellChanged(int, int)
{
    update();
}

void TLatticeGrid::RowsReplaced()
{
    update();
}
