#pragma once
// "Tahoma", the font of every control, compiled into the program and
// registered with Qt at start-up (fontconfig does not look where Wine keeps it).

#include <QFont>

// Registers the regular face once; later calls do nothing. Bold text is
// that face made bold by the font engine: the bold face Wine ships is drawn
// hardly heavier than the regular one.
void RegisterProgramFonts();
// Tahoma at a pixel height (8 point at 96 dots per inch is 11 pixels).
QFont TahomaFont(int pixelSize, bool bold = false);
