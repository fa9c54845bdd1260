#include "grid_window/colors.h"

#include "grid_window/contrast.h"

QColor ToQColor(TColor color, const QPalette &palette)
{
    if ((color >> 24) == 0xFF) {
        switch (color & 0xFF) {
        case 0x05: return palette.color(QPalette::Base);
        case 0x0D: return palette.color(QPalette::Highlight);
        case 0x0E: return palette.color(QPalette::HighlightedText);
        case 0x0F: return palette.color(QPalette::Button);
        case 0x10: return palette.color(QPalette::Dark);
        case 0x11: return palette.color(QPalette::PlaceholderText);
        case 0x14: return palette.color(QPalette::Light);
        default: return palette.color(QPalette::WindowText);
        }
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QColor ShownBackground(TColor color, const QPalette &palette)
{
    if (color == clWhite && IsDarkPalette(palette))
        return palette.color(QPalette::Base);
    return ToQColor(color, palette);
}

QColor ShownText(TColor color, const QColor &background, const QPalette &palette)
{
    const QColor ink = ToQColor(color, palette);
    return IsDarkPalette(palette) ? ReadableOn(ink, background, kInkContrast) : ink;
}
