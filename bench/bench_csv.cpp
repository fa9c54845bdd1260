// csv-export: `yearnbox --export-csv FILE OUT` as the program runs it (the
// profile loaded, every item written as CSV, synced to the disk). csv-import:
// `yearnbox --import-csv CSV PROFILE` into a new profile each run (the file
// read and checked whole, the items added, the profile saved). "items" is the
// number of items in the profile the last run wrote or read.

#include "bench/bench_csv.h"
#include "bench/bench_timing.h"

#include "app/csv_commands.h"
#include "app/item_columns.h"
#include "grid_window/lattice_grid.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

int CountItems(const QString &profile)
{
    TLatticeGrid grid;
    BuildItemColumns(grid);
    grid.LoadFromTextFile(profile, QLatin1Char(','), QLatin1Char('|'));
    return grid.RowCount();
}

} // namespace

int RunCsvBench(const std::vector<std::string> &args, int runs)
{
    const bool exporting = args[0] == "csv-export";
    if (args.size() != (exporting ? 3u : 2u)) {
        std::fputs("usage: yearnbox-bench csv-export FILE OUT | csv-import CSV\n", stderr);
        return 2;
    }
    const QString first = QString::fromLocal8Bit(args[1].c_str());
    QTemporaryDir folder;
    const QString second = exporting ? QString::fromLocal8Bit(args[2].c_str())
                                     : folder.filePath(QStringLiteral("imported.ybk"));
    std::vector<double> seconds;
    for (int i = runs > 1 ? -1 : 0; i < runs; ++i) {
        if (!exporting)
            QFile::remove(second);
        int code = 0;
        const double took = SecondsOf([&] {
            code = exporting ? ExportCsvCommand(first, second)
                             : ImportCsvCommand(first, second, folder.path() + QLatin1Char('/'));
        });
        if (code != 0)
            return code;
        if (i >= 0)
            seconds.push_back(took);
    }
    std::printf("{\"op\":\"%s\",\"items\":%d,\"seconds\":%.6f,\"csv_bytes\":%lld,\"runs\":%d}\n",
                args[0].c_str(), CountItems(exporting ? first : second), Median(seconds),
                static_cast<long long>(QFile(exporting ? second : first).size()), runs);
    return 0;
}
