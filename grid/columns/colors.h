#pragma once
// Turning the grid's 32-bit colours into Qt colours: system colours (high byte
// 0xFF) come from the palette, the others hold red, green and blue, red lowest.

#include "grid/grid_types.h"

#include <QColor>
#include <QPalette>

QColor ToQColor(TColor color, const QPalette &palette);
