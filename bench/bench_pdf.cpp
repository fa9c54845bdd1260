// The PDF of a whole list on the item grid, as "Save as PDF…" makes it:
// "seconds" is the median of the whole (reading the rows, wrapping their
// texts, laying out and painting every page, and the bytes in memory);
// "read_seconds" the reading and wrapping alone; then the pages, the bytes of
// the PDF and the peak memory.

#include "bench/bench_pdf.h"
#include "bench/bench_timing.h"

#include "app/item_columns.h"
#include "app/print_output.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QPageLayout>

#include <sys/resource.h>

#include <cstdio>

namespace {

} // namespace

int RunPdfBench(const std::vector<std::string> &args, int runs)
{
    if (args.size() != 3) {
        std::fputs("usage: yearnbox-bench pdf FILE OUT\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(args[1].c_str());
    const QString out = QString::fromLocal8Bit(args[2].c_str());
    TLatticeGrid grid;
    BuildItemColumns(grid);
    const TPrintRequest request{QStringLiteral("Bench"), false, {}};
    std::vector<double> wholes;
    double read = 0;
    int pages = 0;
    QByteArray pdf;
    try {
        grid.LoadFromTextFile(file, QLatin1Char(','), QLatin1Char('|'),
                              TLoadFailure::lfKeepPreviousRows);
        const QSize area = PrintedArea(UsualPageLayout());
        read = SecondsOf(
            [&] { pages = int(LayOutDocument(ReadPrintDocument(grid, request, area)).size()); });
        for (int i = 0; i < runs; ++i)
            wholes.push_back(SecondsOf([&] { pdf = ListAsPdf(grid, request); }));
        WriteWholeFile(out, pdf);
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("{\"op\":\"pdf\",\"items\":%d,\"seconds\":%.6f,\"read_seconds\":%.6f,"
                "\"pages\":%d,\"pdf_bytes\":%lld,\"peak_rss_bytes\":%lld,\"runs\":%d}\n",
                grid.RowCount(), Median(wholes), read, pages, static_cast<long long>(pdf.size()),
                static_cast<long long>(usage.ru_maxrss) * 1024, runs);
    return 0;
}
