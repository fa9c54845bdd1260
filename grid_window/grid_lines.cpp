#include "grid_window/grid_lines.h"

TGridLineSpaces GridLineSpaces(TGridOptions options, TAppearanceOptions appearance,
                               TGridLinesStyle style)
{
    TGridLineSpaces spaces;
    if (!options.Contains(TGridOption::goGrid))
        return spaces;
    const int extra = appearance.Contains(TAppearanceOption::ao3DGridLines) ? 1 : 0;
    if (style != TGridLinesStyle::lsHorizontalOnly && style != TGridLinesStyle::lsActiveHorzOnly) {
        spaces.Right = 1;
        spaces.Left = extra;
    }
    if (style != TGridLinesStyle::lsVerticalOnly) {
        spaces.Bottom = 1;
        spaces.Top = extra;
    }
    return spaces;
}

QRect WithoutGridLines(const QRect &cell, const TGridLineSpaces &spaces)
{
    return cell.adjusted(spaces.Left, spaces.Top, -spaces.Right, -spaces.Bottom);
}

std::vector<QRect> GridLineStrips(const QRect &cell, const TGridLineSpaces &spaces)
{
    std::vector<QRect> strips;
    if (spaces.Right > 0)
        strips.emplace_back(cell.left() + cell.width() - spaces.Right, cell.top(), spaces.Right,
                            cell.height());
    if (spaces.Bottom > 0)
        strips.emplace_back(cell.left(), cell.top() + cell.height() - spaces.Bottom, cell.width(),
                            spaces.Bottom);
    if (spaces.Left > 0)
        strips.emplace_back(cell.left(), cell.top(), spaces.Left, cell.height());
    if (spaces.Top > 0)
        strips.emplace_back(cell.left(), cell.top(), cell.width(), spaces.Top);
    return strips;
}

TColor EmptyCellGridLineColor(TGridLinesStyle style, TColor background, TColor gridLinesColor)
{
    if (style == TGridLinesStyle::lsActiveRows || style == TGridLinesStyle::lsActiveHorzOnly)
        return background;
    return gridLinesColor;
}
