#include "grid/columns/accessible_texts.h"

QString AccessibleColumnName(const QString &caption, const QString &accessibleName)
{
    if (!accessibleName.isEmpty())
        return accessibleName;
    QString name = caption.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}

QString AccessibleRateText(const QString &name, int value, int max, bool button)
{
    if (button)
        return name;
    const QString stars = max == 1 ? QStringLiteral("star") : QStringLiteral("stars");
    const QString count = QStringLiteral("%1 of %2 %3").arg(value).arg(max).arg(stars);
    return name.isEmpty() ? count : name + QStringLiteral(": ") + count;
}

QString AccessibleCheckText(const QString &name, bool checked)
{
    if (name.isEmpty())
        return checked ? QStringLiteral("Checked") : QStringLiteral("Not checked");
    if (checked)
        return name;
    return QStringLiteral("Not ") + name.toLower();
}
