// The item grid with FILE loaded and the running totals attached, as the main
// window keeps them. "seconds" is one change of a mark (the cell set and the
// totals brought up to date, which a click on the mark adds to its save);
// "without_totals_seconds" the same change with no totals attached;
// "price_edit_seconds" a new price text in a row; "delete_seconds" a row
// deleted and the same row added back; "recount_seconds" reading every row
// (what a load adds).

#include "bench/bench_totals.h"

#include "app/item_columns.h"
#include "app/list_totals.h"
#include "grid/columns/lattice_grid.h"
#include "platform/errors.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

double MedianSeconds(int runs, const std::function<void(int)> &body)
{
    std::vector<double> seconds;
    for (int i = runs > 1 ? -1 : 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body(i + 1);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (i >= 0)
            seconds.push_back(took.count());
    }
    std::sort(seconds.begin(), seconds.end());
    const size_t n = seconds.size();
    return n % 2 ? seconds[n / 2] : (seconds[n / 2 - 1] + seconds[n / 2]) / 2;
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
    try {
        grid.LoadFromTextFile(file, QLatin1Char(','), QLatin1Char('|'),
                              TLoadFailure::lfKeepPreviousRows);
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
    const double recount = MedianSeconds(runs, [&](int) { totals->Recount(); });
    const double mark = MedianSeconds(runs, [&](int) { ToggleMark(grid, middle); });
    const double edit = MedianSeconds(runs, [&](int i) {
        grid.GetCell(icPrice, middle)->SetAsString(QStringLiteral("$%1.50").arg(i));
    });
    const double remove = MedianSeconds(runs, [&](int) {
        grid.DeleteRow(middle);
        grid.InsertRow(middle);
        grid.GetCell(icPrice, middle)->SetAsString(QStringLiteral("$12"));
    });
    std::printf("{\"op\":\"totals\",\"items\":%d,\"seconds\":%.9f,\"without_totals_seconds\":%.9f,"
                "\"price_edit_seconds\":%.9f,\"delete_seconds\":%.9f,\"recount_seconds\":%.6f,"
                "\"runs\":%d,\"hint\":\"%s\"}\n",
                items, mark, without, edit, remove, recount, runs,
                grid.Columns().Item(icPrice)->Header().Hint().toUtf8().constData());
    return 0;
}
