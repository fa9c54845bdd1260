#include "grid_window/contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// The colour along ink's lightness line, from limit (0 black, 255 white) back
// toward ink, that is nearest ink and still reaches minimum. Luminance rises
// with lightness, so the contrast is monotonic along the line.
QColor NearestReaching(const QColor &ink, const QColor &background, double minimum, int limit)
{
    const int hue = ink.hslHue();
    const int saturation = ink.hslSaturation();
    int far = limit;            // reaches minimum
    int near = ink.lightness(); // does not
    while (std::abs(far - near) > 1) {
        const int middle = (far + near) / 2;
        if (ContrastRatio(QColor::fromHsl(hue, saturation, middle), background) >= minimum)
            far = middle;
        else
            near = middle;
    }
    return QColor::fromHsl(hue, saturation, far).toRgb();
}

} // namespace

double RelativeLuminance(const QColor &color)
{
    return 0.2126 * Linear(color.redF()) + 0.7152 * Linear(color.greenF()) +
           0.0722 * Linear(color.blueF());
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkPalette(const QPalette &palette)
{
    return RelativeLuminance(palette.color(QPalette::Window)) <
           RelativeLuminance(palette.color(QPalette::WindowText));
}

QColor ReadableOn(const QColor &ink, const QColor &background, double minimum)
{
    if (ContrastRatio(ink, background) >= minimum)
        return ink;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const bool lighterFirst = RelativeLuminance(ink) >= RelativeLuminance(background);
    for (const bool lighter : {lighterFirst, !lighterFirst}) {
        if (ContrastRatio(lighter ? white : black, background) >= minimum)
            return NearestReaching(ink, background, minimum, lighter ? 255 : 0);
    }
    return ContrastRatio(white, background) >= ContrastRatio(black, background) ? white : black;
}
