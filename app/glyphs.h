#pragma once
// The 16 x 16 glyphs of the buttons, made transparent by their bottom-left pixel.

#include <QIcon>
#include <QImage>

// name is the glyph's file name without extension ("save", "star", ...).
QImage GlyphImage(const char *name);
QIcon GlyphIcon(const char *name);
