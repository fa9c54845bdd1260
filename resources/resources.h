#pragma once
// The program's compiled-in files, by resource path.

#include <QByteArray>
#include <QString>

namespace resources {
inline const QString kMainBackground = QStringLiteral(":/pictures/main_background.jpg");
inline const QString kAboutBackground = QStringLiteral(":/pictures/about_background.jpg");
// The 64 x 64 PNG the desktop shows for the program and its profiles.
inline const QString kIcon = QStringLiteral(":/icons/yearnbox.png");
inline const QString kTahoma = QStringLiteral(":/fonts/tahoma.ttf");

// ":/glyphs/<name>.bmp"
QString GlyphPath(const char *name);
// ":/cursors/<name>.xpm": an XPM whose values line also holds the hot spot.
QString CursorPath(const char *name);
// The bytes of a resource; empty when there is none.
QByteArray Bytes(const QString &path);
} // namespace resources
