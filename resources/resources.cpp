#include "resources/resources.h"

#include <QFile>

namespace resources {

QString GlyphPath(const char *name)
{
    return QStringLiteral(":/glyphs/%1.bmp").arg(QLatin1String(name));
}

QString CursorPath(const char *name)
{
    return QStringLiteral(":/cursors/%1.xpm").arg(QLatin1String(name));
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace resources
