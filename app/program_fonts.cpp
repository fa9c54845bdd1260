#include "app/program_fonts.h"

#include "resources/resources.h"

#include <QFontDatabase>

void RegisterProgramFonts()
{
    static const bool registered = [] {
        QFontDatabase::addApplicationFont(resources::kTahoma);
        return true;
    }();
    (void)registered;
}

QFont TahomaFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}
