// How the grid draws itself in its report style. Paint order: the rows (each
// cell skipped before any work when it misses the clip box), the area right
// of the columns, the headers and the empty header strip, the frame.

#include "grid_window/cell_info.h"
#include "grid_window/cell_layout.h"
#include "grid_window/colors.h"
#include "grid_window/column_displays.h"
#include "grid_window/grid_lines.h"
#include "grid_window/header_geometry.h"
#include "grid_window/lattice_grid.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionHeader>

namespace {

// How much darker a pressed header's face is (QColor::darker's factor).
constexpr int kPressedShade = 115;

TColor FromQColor(const QColor &color)
{
    return TColor(color.red()) | TColor(color.green()) << 8 | TColor(color.blue()) << 16;
}

// Right edge of the visible columns, exclusive, in widget coordinates.
int ColumnsRight(const TLtColumns &columns, int frame, int scroll)
{
    return frame + columns.GetClientWidth() - scroll;
}

} // namespace

QColor TLatticeGrid::Resolved(TColor color) const
{
    return ToQColor(color, palette());
}

bool TLatticeGrid::GridHasFocus() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

bool TLatticeGrid::CellHighlighted(int column, int row)
{
    if (column < 0 || column >= columns_.Count() || !RowExist(row))
        return false;
    if (columns_.Item(column)->Options().Contains(TColumnOption::coDontHighlight))
        return false;
    if (AppearanceOptions().Contains(TAppearanceOption::aoHideSelection) && !GridHasFocus())
        return false;
    const bool isSelectedCell = column == SelectedColumn() && row == SelectedRow();
    // The cell under an open editor is never highlighted.
    if (GridState().Contains(TGridStateFlag::gtEdit) && column == EditingColumn() &&
        row == EditingRow())
        return false;
    if (Options().Contains(TGridOption::goSelectFullRow)) {
        if (!GetSelected(row))
            return false;
        return !(isSelectedCell &&
                 AppearanceOptions().Contains(TAppearanceOption::aoIndicateSelectedCell));
    }
    return isSelectedCell;
}

TColor TLatticeGrid::OwnCellColor(const TLtCustomColumn &column, const TCell &cell)
{
    return column.ParentCellColor() ? column.Color() : cell.GetColor();
}

TColor TLatticeGrid::ActualCellColor(TCell &cell, int column, int row)
{
    const TColor base = OwnCellColor(*columns_.Item(column), cell);
    if (!CellHighlighted(column, row))
        return base;
    if (!GridHasFocus())
        return inactiveSelectionColor_;
    if (AppearanceOptions().Contains(TAppearanceOption::aoAlphaBlendedSelection))
        return FromQColor(BlendedTowardHighlight(ShownBackground(base, palette()),
                                                 palette().color(QPalette::Highlight)));
    return selectionColor_;
}

TColor TLatticeGrid::ActualCellFontColor(TCell &, int column, int row)
{
    if (CellHighlighted(column, row) && GridHasFocus())
        return highlightedTextColor_;
    return columns_.Item(column)->FontColor();
}

TCellState TLatticeGrid::CellStateOf(int column, int row)
{
    TCellState state;
    if (CellHighlighted(column, row)) {
        state.Include(TCellStateFlag::csSelected);
        if (AppearanceOptions().Contains(TAppearanceOption::aoBoldTextSelection))
            state.Include(TCellStateFlag::csBoldTextSelection);
    }
    if (GridHasFocus() && !AppearanceOptions().Contains(TAppearanceOption::aoHideFocus))
        state.Include(TCellStateFlag::csFocused);
    return state;
}

void TLatticeGrid::DrawGridLines(QPainter &painter, const QRect &cell, TColor color) const
{
    for (const QRect &strip : GridLineStrips(cell, CellGridLineSpaces()))
        painter.fillRect(strip, ShownBackground(color, palette()));
}

void TLatticeGrid::DrawCell(QPainter &painter, int column, int row, const QRect &cellRect)
{
    TLtCustomColumn &item = *columns_.Item(column);
    TCell &data = *GetCell(column, row);
    // Nothing below fetches another cell, so the store's current position,
    // which the cell's colour questions use, stays this cell.
    TColor background = data.GetActualColor();
    const TCellState state = CellStateOf(column, row);
    TColor gridLines = gridLinesColor_;
    DoCellColoring(column, row, background, gridLines, state);
    QColor fillColor = ShownBackground(background, palette());
    const bool highlighted = state.Contains(TCellStateFlag::csSelected);
    if (item.Sorted() && !highlighted) {
        if (sortedStyle_ == TSortedStyle::soDarker ||
            AppearanceOptions().Contains(TAppearanceOption::aoIndicateSortedColumn))
            fillColor = Darkened(fillColor);
        else if (sortedStyle_ == TSortedStyle::soWhite)
            fillColor = Qt::white;
    }
    painter.save();
    painter.setClipRect(cellRect, Qt::IntersectClip);
    DrawGridLines(painter, cellRect, gridLines);
    const QRect cell = WithoutGridLines(cellRect, CellGridLineSpaces());
    TCellPaint paint;
    paint.rect = cell;
    paint.highlighted = highlighted;
    paint.selected = column == SelectedColumn() && row == SelectedRow();
    paint.themed = enableVisualStyles_;
    bool fill = !AppearanceOptions().Contains(TAppearanceOption::aoDontFillCells) &&
                item.DrawingOptions() != TDrawingOptions::doCustomOnly;
    if (!DoDrawCellBackground(column, row, cell, state))
        fill = false;
    if (fill)
        painter.fillRect(cell, fillColor);
    const bool drawContent = item.DrawingOptions() == TDrawingOptions::doNormal ||
                             item.DrawingOptions() == TDrawingOptions::doCustom;
    if (drawContent && !data.GetEmpty()) {
        TColor textColor = data.GetActualFontColor();
        TFontStyles fontStyle = data.GetFontStyle();
        if (state.Contains(TCellStateFlag::csBoldTextSelection))
            fontStyle.Include(TFontStyle::fsBold);
        paint.info = CellInfoOf(item.ColumnType(), data,
                                TTextColumnDisplay::TextArea(item, cell, item.Font()));
        DoCellFormating(column, row, textColor, fontStyle, state);
        paint.textColor = ShownText(isEnabled() ? textColor : clGrayText, fillColor, palette());
        paint.font = WithStyle(item.Font(), fontStyle);
        if (const TColumnDisplay *display = item.Display())
            display->Paint(painter, item, paint, this);
    }
    if (AppearanceOptions().Contains(TAppearanceOption::aoHintMarks) && !data.GetHint().isEmpty()) {
        const int right = cell.left() + cell.width();
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::red);
        painter.drawPolygon(QPolygon({QPoint(right - 5, cell.top()), QPoint(right - 1, cell.top()),
                                      QPoint(right - 1, cell.top() + 4)}));
    }
    if (item.DrawingOptions() != TDrawingOptions::doNormal)
        DoCustomDrawCell(column, row, painter, cell, state);
    painter.restore();
}

void TLatticeGrid::DrawEmptyCell(QPainter &painter, int column, const QRect &cellRect,
                                 const QRect &clip)
{
    if (!cellRect.intersects(clip))
        return;
    TColor background = color_;
    if (AppearanceOptions().Contains(TAppearanceOption::aoIndicateSortedColumn) &&
        columns_.Item(column)->Sorted())
        background = FromQColor(Darkened(ShownBackground(background, palette())));
    TColor gridLines = EmptyCellGridLineColor(gridLinesStyle_, background, gridLinesColor_);
    const TCellState state{TCellStateFlag::csEmpty};
    DoCellColoring(column, -1, background, gridLines, state);
    DrawGridLines(painter, cellRect, gridLines);
    const QRect cell = WithoutGridLines(cellRect, CellGridLineSpaces());
    if (DoDrawCellBackground(column, -1, cell, state))
        painter.fillRect(cell, ShownBackground(background, palette()));
}

void TLatticeGrid::DrawFocusCell(QPainter &painter)
{
    if (AppearanceOptions().Contains(TAppearanceOption::aoHideFocus) || !GridHasFocus() ||
        !RowExist(SelectedRow()) || SelectedRow() < TopRow())
        return;
    QRect focus = Options().Contains(TGridOption::goSelectFullRow)
                      ? RowRect(SelectedRow())
                            .intersected(QRect(kFrameWidth - HorzScrollPosition(), 0,
                                               columns_.GetClientWidth(), viewport()->height()))
                      : CellRect(SelectedColumn(), SelectedRow());
    if (focus.isNull() || !BodyRect().contains(focus))
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = focus;
    painter.save();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    painter.restore();
}

void TLatticeGrid::DrawClassicHeaderBackground(QPainter &painter, const TLtCustomColumn &column,
                                               const QRect &rect)
{
    const QColor face = Resolved(column.Header().Color());
    const QColor light = Resolved(clBtnHighlight);
    const QColor dark = Resolved(clBtnShadow);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), face);
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    const TColumnLocation location = column.GetLocation();
    painter.setPen(light);
    painter.drawLine(l, t, r, t);
    if (location == TColumnLocation::clAlone || location == TColumnLocation::clLeftSide) {
        painter.drawLine(l, t + 1, l, b);
    } else {
        painter.drawLine(l, t + 2, l, b - 3);
        painter.setPen(face);
        painter.drawPoint(l, t + 1);
        painter.drawPoint(l, b - 2);
    }
    painter.setPen(dark);
    painter.drawLine(l, b, r, b);
    if (location == TColumnLocation::clAlone || location == TColumnLocation::clRightSide) {
        painter.drawLine(r, t, r, b);
    } else {
        painter.drawLine(r, t + 2, r, b - 3);
        painter.setPen(face);
        painter.drawPoint(r, t + 1);
        painter.drawPoint(r, b - 2);
    }
}

void TLatticeGrid::DrawColumnHeader(QPainter &painter, const TLtCustomColumn &column,
                                    const QRect &rect)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    if (enableVisualStyles_) {
        QStyleOptionHeader option;
        option.initFrom(this);
        option.rect = rect;
        option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
        if (column.GetFocused()) {
            option.state |= QStyle::State_Sunken;
            // Fusion draws a header section alike pressed or not: a pressed
            // one takes the darker face of a pressed button.
            option.palette.setColor(QPalette::Button,
                                    option.palette.color(QPalette::Button).darker(kPressedShade));
        } else if (column.GetHover())
            option.state |= QStyle::State_MouseOver;
        style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
    } else {
        DrawClassicHeaderBackground(painter, column, rect);
    }

    // The caption in the grid's font, placed by the header's alignment.
    painter.setFont(font());
    painter.setPen(ShownText(fontColor_, Resolved(column.Header().Color()), palette()));
    const QString caption = column.Header().Caption();
    const int tw = painter.fontMetrics().horizontalAdvance(caption) + 2;
    const int left = rect.left();
    const int right = rect.left() + rect.width();
    int x = left + 2;
    if (column.Header().Alignment() == TAlignment::taRightJustify)
        x = right - tw - (column.Sorted() ? 31 : 0);
    else if (column.Header().Alignment() == TAlignment::taCenter)
        x = left + (right - left) / 2 - tw / 2;
    const QRect textRect(x, rect.top(), right - x, rect.height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(caption, Qt::ElideRight, textRect.width()));

    if (column.Sorted()) {
        const int y = rect.top() + rect.height() / 2 - 4;
        const int ax = x + tw + 19;
        if (ax + 8 < right || !column.Header().HideArrow()) {
            const bool up = column.SortKind() == TSortKind::skAscending;
            const QPolygon arrow =
                up ? QPolygon({QPoint(ax, y + 4), QPoint(ax + 4, y), QPoint(ax + 8, y + 4)})
                   : QPolygon({QPoint(ax, y), QPoint(ax + 4, y + 4), QPoint(ax + 8, y)});
            if (enableVisualStyles_) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(Resolved(clGrayText));
                painter.drawPolygon(arrow);
            } else {
                // The classic marker: a shadowed outline, lit along its lower side.
                painter.setBrush(Qt::NoBrush);
                painter.setPen(Resolved(clBtnShadow));
                painter.drawPolyline(QPolygon({arrow[0], arrow[1], arrow[2]}));
                painter.setPen(Resolved(clBtnHighlight));
                painter.drawLine(arrow[0], arrow[2]);
            }
        }
    }
    painter.restore();
    if (!enableVisualStyles_ && column.GetFocused()) {
        // The classic pressed look: the header inverted while the button is down.
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.fillRect(PressedHeaderRect(rect, column.GetLocation() == TColumnLocation::clAlone),
                         Qt::white);
        painter.restore();
    }
}

void TLatticeGrid::DrawEmptyHeader(QPainter &painter, const QRect &rect)
{
    if (!enableVisualStyles_) {
        painter.fillRect(rect, ShownBackground(color_, palette()));
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect;
    option.position = QStyleOptionHeader::End;
    option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
    style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
    painter.restore();
}

void TLatticeGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect clip = event->rect();
    const QRect body = BodyRect();
    const int columnsRight = ColumnsRight(columns_, kFrameWidth, HorzScrollPosition());

    painter.save();
    // The area under an open editor is the editor's to paint.
    painter.setClipRegion(QRegion(body).subtracted(EditorArea()));
    int y = body.top();
    for (int r = TopRow(); y <= body.bottom(); ++r) {
        const bool existing = r < RowCount();
        if (existing && !GetRowVisible(r))
            continue;
        const int rowHeight = existing ? GetRowHeight(r) : RowSize();
        const QRect rowRect(body.left(), y, body.width(), rowHeight);
        if (rowRect.intersects(clip)) {
            for (int p = 0; p < columns_.Count(); ++p) {
                const TLtCustomColumn &column = *columns_.PositionItem(p);
                if (!column.Visible())
                    continue;
                const QRect cell = ColumnRect(column, y, rowHeight);
                if (cell.left() > body.right())
                    break;
                if (!existing)
                    DrawEmptyCell(painter, column.Index(), cell, clip);
                else if (cell.intersects(clip))
                    DrawCell(painter, column.Index(), r, cell);
            }
        }
        y += rowHeight;
    }
    if (columnsRight <= body.right())
        painter.fillRect(
            QRect(columnsRight, body.top(), body.right() - columnsRight + 1, body.height()),
            ShownBackground(color_, palette()));
    if (Options().Contains(TGridOption::goSelectFullRow))
        DrawFocusCell(painter);
    if (Cells().VisibleRowCount() == 0 && !caption_.isEmpty()) {
        painter.setPen(ShownText(isEnabled() ? fontColor_ : clGrayText,
                                 ShownBackground(color_, palette()), palette()));
        painter.drawText(body, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
    painter.restore();

    const QRect header = HeaderRect();
    if (!header.isNull() && header.intersects(clip)) {
        painter.save();
        painter.setClipRect(header);
        for (int p = 0; p < columns_.Count(); ++p) {
            const TLtCustomColumn &column = *columns_.PositionItem(p);
            if (!column.Visible())
                continue;
            const QRect rect = ColumnRect(column, header.top(), header.height());
            if (rect.left() > header.right())
                break;
            if (rect.intersects(clip))
                DrawColumnHeader(painter, column, rect);
        }
        if (columnsRight <= header.right())
            DrawEmptyHeader(painter, QRect(columnsRight, header.top(),
                                           header.right() - columnsRight + 1, header.height()));
        painter.restore();
    }

    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
    header_.Paint(painter);
    DoPostDraw(painter);
}

void TLatticeGrid::DoCellColoring(int column, int row, TColor &cellColor, TColor &gridLineColor,
                                  TCellState state)
{
    if (OnCellColoring)
        OnCellColoring(*this, column, row, cellColor, gridLineColor, state);
}

bool TLatticeGrid::DoDrawCellBackground(int column, int row, const QRect &rect, TCellState state)
{
    bool defaultDrawing = true;
    if (OnDrawCellBackground)
        OnDrawCellBackground(*this, column, row, rect, state, defaultDrawing);
    return defaultDrawing;
}

void TLatticeGrid::DoCellFormating(int column, int row, TColor &textColor, TFontStyles &fontStyle,
                                   TCellState state)
{
    if (OnCellFormating)
        OnCellFormating(*this, column, row, textColor, fontStyle, state);
}

void TLatticeGrid::DoApplyCell(int column, int row, QString &text)
{
    if (OnApplyCell)
        OnApplyCell(*this, column, row, text);
}

void TLatticeGrid::DoCustomDrawCell(int column, int row, QPainter &painter, const QRect &rect,
                                    TCellState state)
{
    if (OnCustomDrawCell)
        OnCustomDrawCell(*this, column, row, painter, rect, state);
}

void TLatticeGrid::DoPostDraw(QPainter &painter)
{
    if (OnPostDraw)
        OnPostDraw(*this, painter);
}

void TLatticeGrid::DoCellHint(int column, int row, QString &text)
{
    if (OnCellHint)
        OnCellHint(*this, column, row, text);
}

void TLatticeGrid::DoHeaderHint(int column, QString &text)
{
    if (OnHeaderHint)
        OnHeaderHint(*this, column, text);
}

void TLatticeGrid::SetSortedStyle(TSortedStyle value)
{
    sortedStyle_ = value;
    RefreshBody();
}

void TLatticeGrid::SetCaption(const QString &value)
{
    caption_ = value;
    RefreshBody();
}

void TLatticeGrid::SetEnableVisualStyles(bool value)
{
    enableVisualStyles_ = value;
    viewport()->update();
}
