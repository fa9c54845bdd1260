#include "grid_window/accessible_texts.h"

#include <QCoreApplication>

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
    const QString count =
        max == 1 ? QCoreApplication::translate("TLatticeGrid", "%1 of 1 star").arg(value)
                 : QCoreApplication::translate("TLatticeGrid", "%1 of %n stars", nullptr, max)
                       .arg(value);
    return name.isEmpty() ? count : name + QStringLiteral(": ") + count;
}

QString AccessibleCheckText(const QString &name, bool checked)
{
    if (name.isEmpty())
        return checked ? QCoreApplication::translate("TLatticeGrid", "Checked")
                       : QCoreApplication::translate("TLatticeGrid", "Not checked");
    if (checked)
        return name;
    return QCoreApplication::translate("TLatticeGrid", "Not %1").arg(name.toLower());
}
