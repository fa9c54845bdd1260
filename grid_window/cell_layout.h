#pragma once
// Pure rules of cell drawing: where a box goes inside a cell, and how the
// grid tints colours.

#include "grid_window/column_types.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner of a box placed in rect with margin by the alignments:
// left + m, right - m - w or cx - w div 2; top + m, bottom - m - h or cy - h div 2.
QPoint PosInRect(QSize box, const QRect &rect, int margin, TAlignment alignment,
                 TVerticalAlignment verticalAlignment);

// Each channel becomes (245 * channel) div 256: white turns 0xF4F4F4.
QColor Darkened(const QColor &color);
// Each channel the nearest integer to 0.25 * highlight + 0.75 * base.
QColor BlendedTowardHighlight(const QColor &base, const QColor &highlight);
