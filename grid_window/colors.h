#pragma once
// Turning the grid's 32-bit colours into Qt colours: system colours (high byte
// 0xFF) come from the palette, the others hold red, green and blue, red lowest.

#include "grid_core/grid_types.h"

#include <QColor>
#include <QPalette>

QColor ToQColor(TColor color, const QPalette &palette);

// What a cell or the grid is filled with. Under a dark palette white, which
// stands for the window on a light desktop, is the palette's Base instead.
QColor ShownBackground(TColor color, const QPalette &palette);
// What text is drawn in on background: the colour itself under a light
// palette; under a dark one its variant that reads on background
// (kInkContrast).
QColor ShownText(TColor color, const QColor &background, const QPalette &palette);
