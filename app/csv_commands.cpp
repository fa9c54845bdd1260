#include "app/csv_commands.h"

#include "app/csv_items.h"
#include "app/item_columns.h"
#include "grid/columns/lattice_grid.h"
#include "platform/conversions.h"
#include "platform/errors.h"

#include <QFile>

#include <cstdio>

namespace {

int Fail(const QString &file, const QString &message)
{
    std::fprintf(stderr, "yearnbox: %s: %s\n", QFile::encodeName(file).constData(),
                 message.toLocal8Bit().constData());
    return 1;
}

void LoadProfile(TLatticeGrid &grid, const QString &profile)
{
    grid.LoadFromTextFile(profile, QLatin1Char(','), QLatin1Char('|'),
                          TLoadFailure::lfKeepPreviousRows);
}

} // namespace

int ExportCsvCommand(const QString &profile, const QString &csv)
{
    TLatticeGrid grid;
    BuildItemColumns(grid);
    try {
        LoadProfile(grid, profile);
    } catch (const EYearnboxError &error) {
        return Fail(profile, error.Message());
    }
    try {
        SaveItemsCsvFile(grid, csv);
    } catch (const EYearnboxError &error) {
        return Fail(csv, error.Message());
    }
    return 0;
}

int ImportCsvCommand(const QString &csv, const QString &profile)
{
    std::vector<QStringList> items;
    try {
        items = ReadItemsCsvFile(csv, DateTimeToStr(Today()));
    } catch (const EYearnboxError &error) {
        return Fail(csv, error.Message());
    }
    TLatticeGrid grid;
    BuildItemColumns(grid);
    try {
        if (QFile::exists(profile))
            LoadProfile(grid, profile);
    } catch (const EYearnboxError &error) {
        return Fail(profile, error.Message());
    }
    AppendItems(grid, items);
    try {
        grid.SaveToTextFile(profile, QLatin1Char(','), QLatin1Char('|'), TEncodingKind::ekUnicode);
    } catch (const EYearnboxError &error) {
        return Fail(profile, error.Message());
    }
    return 0;
}
