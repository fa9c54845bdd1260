#pragma once
// The grid control as a window: the data side (TLtCustomGridControl) with its
// columns, shown as a white body with a one-pixel frame.

#include "grid/columns/columns.h"
#include "grid/grid_control.h"

#include <QWidget>

class TLatticeGrid : public QWidget, public TLtCustomGridControl {
    Q_OBJECT
public:
    explicit TLatticeGrid(QWidget *parent = nullptr);
    ~TLatticeGrid() override;

    TLtColumns &Columns() { return columns_; }
    TColor Color() const { return color_; }
    void SetColor(TColor value);

    TColor ActualCellFontColor(TCell &cell, int column, int row) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void CellChanged(int column, int row) override;
    void RowsReplaced() override;

private:
    TLtColumns columns_;
    TColor color_ = clWindow;
};
