// yearnbox-bench: times whole-grid operations on the item grid, one JSON line
// per operation, so the figures can be compared with other tools side by side.
//
//   yearnbox-bench [--runs N] [--kv] load FILE
//   yearnbox-bench [--runs N] [--kv] save FILE OUT
//   yearnbox-bench [--runs N] [--kv] clear FILE
//
// --runs 1 times a single run with no warm-up (for whole-process timings);
// --kv adds key=value lines that peers.sh reads as phases.

#include "app/item_columns.h"
#include "grid/columns/lattice_grid.h"
#include "platform/errors.h"

#include <QApplication>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

long long PeakRssBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

long long CurrentRssBytes()
{
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs prepare (untimed) and then body (timed), once to warm up unless a
// single run is asked for, and returns the median of the timed runs.
double Time(int runs, const std::function<void()> &prepare, const std::function<void()> &body)
{
    std::vector<double> seconds;
    for (int i = runs > 1 ? -1 : 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (i >= 0)
            seconds.push_back(took.count());
    }
    return Median(seconds);
}

void Load(TLatticeGrid &grid, const QString &file)
{
    grid.LoadFromTextFile(file, QLatin1Char(','), QLatin1Char('|'), TLoadFailure::lfKeepPreviousRows);
}

int Usage()
{
    std::fputs("usage: yearnbox-bench [--runs N] [--kv] load FILE | save FILE OUT | clear FILE\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    int runs = 5;
    bool kv = false;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--kv") == 0)
            kv = true;
        else
            args.emplace_back(argv[i]);
    }
    if (args.empty())
        return Usage();
    const std::string op = args[0];
    if (!((op == "load" || op == "clear") && args.size() == 2) && !(op == "save" && args.size() == 3))
        return Usage();
    const QString file = QString::fromLocal8Bit(args[1].c_str());

    TLatticeGrid grid;
    BuildItemColumns(grid);
    const long long baseline = CurrentRssBytes();

    double seconds = 0;
    int items = 0;
    try {
        if (op == "load") {
            seconds = Time(runs, [&] { grid.ClearRows(); }, [&] { Load(grid, file); });
            items = grid.RowCount();
        } else if (op == "save") {
            const QString out = QString::fromLocal8Bit(args[2].c_str());
            Load(grid, file);
            items = grid.RowCount();
            seconds = Time(runs, [] {}, [&] {
                grid.SaveToTextFile(out, QLatin1Char(','), QLatin1Char('|'), TEncodingKind::ekUnicode);
            });
        } else {
            seconds = Time(runs, [&] { Load(grid, file); items = grid.RowCount(); },
                           [&] { grid.ClearRows(); });
        }
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }

    const long long peak = PeakRssBytes();
    const long long perItem = items > 0 ? std::max(0LL, peak - baseline) / items : 0;
    std::printf("{\"op\":\"%s\",\"items\":%d,\"seconds\":%.6f,\"peak_rss_bytes\":%lld,"
                "\"bytes_per_item\":%lld,\"runs\":%d}\n",
                op.c_str(), items, seconds, peak, perItem, runs);
    if (kv)
        std::printf("%s_s=%.6f\npeak_kb=%lld\n", op.c_str(), seconds, peak / 1024);
    return 0;
}
