// The sort of the item grid by one column (INDEX: 0 "Name:", 3 "Priority:",
// 6 the mark), through the grid's SortColumn with the rows loaded beforehand:
// "seconds" is the sort alone. --reverse times the reversal of the sorted
// column (the second click on its header). "cpu_seconds" is the processor
// time of the sort (the figure that other programs running at the same time
// do not inflate), "repaint_seconds" the full repaint of a 651 x 394 grid
// that follows.

#include "bench/bench_sort.h"
#include "bench/bench_timing.h"

#include "app/item_columns.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"

#include <QImage>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Wall-clock seconds of body; its processor seconds go to cpu.
double Seconds(const std::function<void()> &body, double *cpu = nullptr)
{
    const double cpuStart = ThreadCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    body();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (cpu)
        *cpu = ThreadCpuSeconds() - cpuStart;
    return wall;
}

} // namespace

int RunSortBench(const std::vector<std::string> &args, int runs)
{
    std::vector<std::string> plain;
    bool descending = false;
    bool reverse = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--descending")
            descending = true;
        else if (args[i] == "--reverse")
            reverse = true;
        else
            plain.push_back(args[i]);
    }
    if (plain.size() != 2) {
        std::fputs("usage: yearnbox-bench sort FILE INDEX [--descending] [--reverse]\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(plain[0].c_str());
    const int column = std::atoi(plain[1].c_str());

    TLatticeGrid grid;
    grid.resize(651, 394);
    grid.SetOptions({TGridOption::goHeader, TGridOption::goSelectFullRow});
    BuildItemColumns(grid);
    if (column < 0 || column >= grid.Columns().Count()) {
        std::fprintf(stderr, "No column %d\n", column);
        return 2;
    }
    const auto load = [&] {
        grid.LoadFromTextFile(file, QLatin1Char(','), QLatin1Char('|'),
                              TLoadFailure::lfKeepPreviousRows);
    };
    std::vector<double> sorts;
    std::vector<double> sortCpus;
    std::vector<double> repaints;
    QImage image(grid.size(), QImage::Format_ARGB32_Premultiplied);
    try {
        bool ascending = !descending;
        if (reverse) {
            load();
            grid.SortColumn(column, ascending);
        }
        for (int i = runs > 1 ? -1 : 0; i < runs; ++i) {
            if (reverse)
                ascending = !ascending;
            else
                load();
            double cpu = 0;
            const double sort = Seconds([&] { grid.SortColumn(column, ascending); }, &cpu);
            const double repaint = Seconds([&] { grid.render(&image); });
            if (i >= 0) {
                sorts.push_back(sort);
                sortCpus.push_back(cpu);
                repaints.push_back(repaint);
            }
        }
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
    const double seconds = Median(sorts);
    std::printf("{\"op\":\"sort\",\"items\":%d,\"column\":%d,\"descending\":%s,\"reverse\":%s,"
                "\"seconds\":%.6f,\"cpu_seconds\":%.6f,\"repaint_seconds\":%.6f,\"runs\":%d}\n",
                grid.RowCount(), column, descending ? "true" : "false", reverse ? "true" : "false",
                seconds, Median(sortCpus), Median(repaints), runs);
    return 0;
}
