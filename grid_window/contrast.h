#pragma once
// Readable colours: the contrast of two colours as the web's accessibility
// guidelines measure it, whether a palette is dark, and a variant of a fixed
// colour that reads on a given background.

#include <QColor>
#include <QPalette>

// The least contrast at which normal-sized text reads.
constexpr double kReadableContrast = 4.5;
// What a text colour aims at: the smoothed edges of small letters show a
// little less contrast than their ink has.
constexpr double kInkContrast = 5.0;

// 0 for black to 1 for white, from the linearised sRGB channels.
double RelativeLuminance(const QColor &color);
// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 (same) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);
// Light text on a dark window: the window's luminance below its text's.
bool IsDarkPalette(const QPalette &palette);
// ink itself when it reads on background; else ink with its hue and saturation
// and the lightness nearest its own that reaches minimum, lighter or darker,
// whichever way reaches it (the one away from the background first); black
// or white when neither does.
QColor ReadableOn(const QColor &ink, const QColor &background, double minimum = kReadableContrast);
