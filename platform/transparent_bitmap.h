#pragma once
// Glyph bitmaps carry their transparent colour in their bottom-left pixel.

#include <QImage>

// A copy in which every pixel of the bottom-left pixel's colour is fully transparent.
QImage TransparentByBottomLeft(const QImage &bitmap);
