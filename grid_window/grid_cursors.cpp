#include "grid_window/grid_cursors.h"

#include "resources/resources.h"

#include <QPixmap>
#include <QRegularExpression>

#include <array>

namespace {

constexpr std::array kNames{"HORZSPLIT", "COLUMNNODRAG", "ROLL", "ROLLUP", "ROLLDOWN"};

// The hot spot from the XPM values line "w h colours chars x y".
QPoint HotSpot(const QByteArray &xpm)
{
    static const QRegularExpression values(
        QStringLiteral("\"\\s*\\d+\\s+\\d+\\s+\\d+\\s+\\d+\\s+(\\d+)\\s+(\\d+)\\s*\""));
    const QRegularExpressionMatch match = values.match(QString::fromLatin1(xpm));
    return match.hasMatch() ? QPoint(match.captured(1).toInt(), match.captured(2).toInt())
                            : QPoint(-1, -1);
}

QCursor Load(TGridCursor cursor)
{
    const QString path = resources::CursorPath(GridCursorName(cursor));
    const QByteArray xpm = resources::Bytes(path);
    QPixmap pixmap;
    pixmap.loadFromData(xpm, "XPM");
    const QPoint hot = HotSpot(xpm);
    return QCursor(pixmap, hot.x(), hot.y());
}

} // namespace

const char *GridCursorName(TGridCursor cursor)
{
    return kNames[size_t(cursor)];
}

const QCursor &GridCursor(TGridCursor cursor)
{
    static const std::array<QCursor, kNames.size()> cursors{
        Load(TGridCursor::gcHorzSplit), Load(TGridCursor::gcColumnNoDrag),
        Load(TGridCursor::gcRoll), Load(TGridCursor::gcRollUp), Load(TGridCursor::gcRollDown)};
    return cursors[size_t(cursor)];
}
