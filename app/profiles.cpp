#include "app/profiles.h"

#include "app/item_columns.h"
#include "grid/columns/lattice_grid.h"

QString ProfileName(const QString &path)
{
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return fileName.size() <= 4 ? QString() : fileName.chopped(4);
}

QStringList ProfileEntries(const QStringList &lines)
{
    QStringList entries;
    for (const QString &line : lines) {
        const QString name = ProfileName(line);
        if (!name.isEmpty() && name != QLatin1String("0"))
            entries.append(name);
    }
    return entries;
}

void ApplyRowMarks(TLatticeGrid &grid)
{
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (!grid.GetCell(icMark, r)->GetAsBoolean())
            continue;
        for (int c = icName; c <= icMark; ++c)
            grid.GetCell(c, r)->SetColor(clYellow);
    }
}
