// The item grid with the running totals attached, as the main window keeps
// them. "load_seconds" is a load of FILE with the totals attached,
// "load_without_totals_seconds" without; "count_seconds" the first asking
// after a load (every row read); then, with the totals live: "seconds" one
// change of a mark (the cell set and the totals brought up to date, which a
// click on the mark adds to its save), "without_totals_seconds" the same
// change with no totals attached, "price_edit_seconds" a new price text in a
// row, "delete_seconds" a row deleted and the same row added back.

#include "bench/bench_totals.h"
#include "bench/bench_timing.h"

#include "app/item_columns.h"
#include "app/list_totals.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"

#include <cstdio>
#include <functional>
#include <memory>

namespace {

double MedianSeconds(int runs, const std::function<void(int)> &body)
{
    return MedianOfRuns(runs, [&](int i) { return SecondsOf([&] { body(i); }); });
}

void ToggleMark(TLatticeGrid &grid, int row)
{
    TCell *mark = grid.GetCell(icMark, row);
    mark->SetAsBoolean(!mark->GetAsBoolean());
}

} // namespace

int RunTotalsBench(const std::vector<std::string> &args, int runs)
{
    if (args.size() != 2) {
        std::fputs("usage: yearnbox-bench totals FILE\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(args[1].c_str());
    TLatticeGrid grid;
    BuildItemColumns(grid);
    const auto load = [&](int) {
        grid.LoadFromTextFile(file, QLatin1Char(','), QLatin1Char('|'),
                              TLoadFailure::lfKeepPreviousRows);
    };
    double loadWithout = 0;
    try {
        loadWithout = MedianSeconds(runs, load);
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
    const int items = grid.RowCount();
    if (items == 0) {
        std::fputs("The profile has no item\n", stderr);
        return 1;
    }
    const int middle = items / 2;
    const double without = MedianSeconds(runs, [&](int) { ToggleMark(grid, middle); });
    auto totals = std::make_unique<TListTotals>(grid, QLocale(QStringLiteral("en_US")));
    const double loadWith = MedianSeconds(runs, load);
    const double count = MedianOfRuns(runs, [&](int) {
        load(0);
        return SecondsOf([&] { totals->Totals(); });
    });
    const double mark = MedianSeconds(runs, [&](int) { ToggleMark(grid, middle); });
    const double edit = MedianSeconds(runs, [&](int i) {
        grid.GetCell(icPrice, middle)->SetAsString(QStringLiteral("$%1.50").arg(i));
    });
    const double remove = MedianSeconds(runs, [&](int) {
        grid.DeleteRow(middle);
        grid.InsertRow(middle);
        grid.GetCell(icPrice, middle)->SetAsString(QStringLiteral("$12"));
    });
    if (!totals->Counted()) {
        std::fputs("The totals were not kept live\n", stderr);
        return 1;
    }
    std::printf("{\"op\":\"totals\",\"items\":%d,\"seconds\":%.9f,\"without_totals_seconds\":%.9f,"
                "\"price_edit_seconds\":%.9f,\"delete_seconds\":%.9f,\"load_seconds\":%.6f,"
                "\"load_without_totals_seconds\":%.6f,\"count_seconds\":%.6f,\"runs\":%d,"
                "\"hint\":\"%s\"}\n",
                items, mark, without, edit, remove, loadWith, loadWithout, count, runs,
                totals->HintText().toUtf8().constData());
    return 0;
}
