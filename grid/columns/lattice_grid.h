#pragma once
// The grid control as a window: the data side (TLtCustomGridControl) with its
// columns, shown as a body of the grid's Color inside a one-pixel frame.
//
// The grid hosts its columns collection: it answers the collection's
// geometry questions, passes structural changes on to the cell store, lets
// the auto-size columns share its inner width whenever that changes, and
// repaints on every change that a column or the collection reports.

#include "grid/columns/columns.h"
#include "grid/columns/columns_host.h"
#include "grid/grid_control.h"

#include <QWidget>

#include <optional>

class TLatticeGrid : public QWidget, public TLtCustomGridControl, public IColumnsHost {
    Q_OBJECT
public:
    // Width of the frame on each side.
    static constexpr int kFrameWidth = 1;

    explicit TLatticeGrid(QWidget *parent = nullptr);
    ~TLatticeGrid() override;

    TLtColumns &Columns() { return columns_; }
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    // Colour of the grid's font, which columns with ParentFont take over.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);
    // Height of the header row.
    void SetHeaderSize(int value);

    TColor ActualCellFontColor(TCell &cell, int column, int row) override;

    int ClientWidth() const override;
    int ClientHeight() const override;
    // No row indicator: the grid has no goIndicator option yet.
    bool ShowsIndicator() const override { return false; }
    int HeaderSize() const override { return headerSize_; }
    // The body does not scroll yet.
    int HorzScrollPosition() const override { return 0; }
    // There is no form designer on this platform.
    bool IsDesigning() const override { return false; }
    TColor GridColor() const override { return color_; }
    Qt::CursorShape GridCursor() const override { return cursor().shape(); }
    QFont GridFont() const override { return font(); }
    TColor GridFontColor() const override { return fontColor_; }
    void RefreshColumn(TLtCustomColumn &column, TGridArea area) override;

    // Geometry in widget coordinates, inside the frame.
    QRect BodyRect() const;
    QRect HeaderRect() const;
    // The top of a row in view, or nothing when the row is above the top row
    // or starts below the body.
    std::optional<int> RowTop(int row) const;
    QRect RowRect(int row) const;
    QRect CellRect(int column, int row) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void RefreshCell(int column, int row) override;
    void RefreshRow(int row) override;
    void RefreshBody() override;
    void RefreshHeader() override;
    void RowsReplaced() override;
    int VisibleRowCountInBody() const override;

private:
    void ColumnChanged(TLtCustomColumn &column, TColumnChangeKind kind, int parameter);

    TLtColumns columns_;
    TColor color_ = clWindow;
    TColor fontColor_ = clBlack;
    int headerSize_ = 18;
};
