// yearnbox-bench: times whole-grid operations on the item grid, one JSON line
// per operation, so the figures can be compared with other tools side by side.
//
//   yearnbox-bench [--runs N] load FILE
//   yearnbox-bench [--runs N] save FILE OUT
//   yearnbox-bench [--runs N] clear FILE
//   yearnbox-bench [--runs N] paint FILE
//   yearnbox-bench [--runs N] autosave FILE [--no-backups]
//   yearnbox-bench [--runs N] undo FILE
//   yearnbox-bench [--runs N] click FILE
//   yearnbox-bench [--runs N] click-twice FILE
//   yearnbox-bench [--runs N] cross-twice FILE
//   yearnbox-bench [--runs N] edit FILE
//   yearnbox-bench [--runs N] search FILE WORD
//   yearnbox-bench [--runs N] sort FILE INDEX [--descending] [--reverse]
//   yearnbox-bench huge-cell OUT CHARS [FILL]      (huge_cell.h)
//   yearnbox-bench scroll FILE
//   yearnbox-bench [--runs N] totals FILE          (bench_totals.h)
//   yearnbox-bench [--runs N] csv-export FILE OUT  (bench_csv.h)
//   yearnbox-bench [--runs N] csv-import CSV       (bench_csv.h)
//   yearnbox-bench [--runs N] restore FILE [VERSIONS]    (bench_restore.h)
//   yearnbox-bench [--runs N] pdf FILE OUT                (bench_pdf.h)
//   yearnbox-bench [--runs N] find-all FILE COPIES WORD   (bench_find_all.h)
//   yearnbox-bench [--runs N] same-name FILE COPIES NAME  (bench_same_name.h)
//
// load, save and clear work on the item grid alone; paint (then once a click
// selecting the first row and its repaint) and autosave on the main window, with FILE as its
// profile (autosave on a copy, since it saves;
// --no-backups blocks the backup folder, to compare; undo times Ctrl+Z after
// a click on the first row's red cross);
// click, edit and undo time what a person feels of a change through the
// window's handler (until it returns and the row is painted again: a click on
// a mark, a name typed and Enter, Ctrl+Z after a red cross) and, as
// durable_seconds, until its save has renamed the file into place;
// click-twice times two marks clicked one right after the other (the second
// comes while the first one's save reads the cells), cross-twice two items
// deleted so (the second removes a row the save has still to write);
// search too (bench_search.h); scroll on the shown main window (bench_scroll.h).
//
// --runs 1 times a single run with no warm-up (for whole-process timings).

#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/profiles.h"
#include "bench/bench_csv.h"
#include "bench/bench_find_all.h"
#include "bench/bench_pdf.h"
#include "bench/bench_restore.h"
#include "bench/bench_same_name.h"
#include "bench/bench_scroll.h"
#include "bench/bench_search.h"
#include "bench/bench_sort.h"
#include "bench/bench_timing.h"
#include "bench/bench_totals.h"
#include "bench/bench_window.h"
#include "bench/huge_cell.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
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

// Runs prepare (untimed) and then body (timed); the median of the timed runs.
double Time(int runs, const std::function<void()> &prepare, const std::function<void()> &body)
{
    return MedianOfRuns(runs, [&](int) {
        prepare();
        return SecondsOf(body);
    });
}

void Load(TLatticeGrid &grid, const QString &file)
{
    grid.LoadFromTextFile(file, QLatin1Char(','), QLatin1Char('|'),
                          TLoadFailure::lfKeepPreviousRows);
}

int Usage()
{
    std::fputs(
        "usage: yearnbox-bench [--runs N] load FILE | save FILE OUT | clear FILE"
        " | paint FILE | autosave FILE [--no-backups] | undo FILE | click FILE | click-twice FILE"
        " | cross-twice FILE"
        " | edit FILE"
        " | search FILE WORD"
        " | scroll FILE | restore FILE [VERSIONS] | pdf FILE OUT | find-all FILE COPIES WORD"
        " | same-name FILE COPIES NAME"
        " | sort FILE INDEX [--descending] [--reverse] | huge-cell OUT CHARS [FILL]"
        " | totals FILE | csv-export FILE OUT | csv-import CSV\n",
        stderr);
    return 2;
}

// The main window in a folder of its own, started with a profile.
struct TWindowRig {
    QTemporaryDir folder;
    TFailingMessageBoxes boxes;
    TNoFileDialogs dialogs;
    std::unique_ptr<TForm1> form;

    explicit TWindowRig(const QString &profile)
    {
        form = std::make_unique<TForm1>(folder.path() + '/', profile, boxes, dialogs);
    }
    TLatticeGrid &Grid() { return *form->LatticeGrid1(); }
};

struct TFelt {
    double felt = 0;
    double durable = 0;
};

// Medians of runs of change (untimed prepare first, every save of it ended):
// until change has returned and its row (which it answers) is painted again,
// and until the saves it started are over.
TFelt TimeFelt(int runs, TWindowRig &rig, const std::function<void(int run)> &prepare,
               const std::function<int(int run)> &change)
{
    using TClock = std::chrono::steady_clock;
    const auto seconds = [](TClock::duration d) {
        return std::chrono::duration<double>(d).count();
    };
    TLatticeGrid &grid = rig.Grid();
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> felt, durable;
    for (int i = runs > 1 ? -1 : 0; i < runs; ++i) {
        prepare(i);
        rig.form->Profiles().WaitForSaves();
        const TClock::time_point start = TClock::now();
        const int row = change(i);
        const QRect first = grid.CellRect(0, row);
        grid.viewport()->render(&image, QPoint(),
                                QRegion(0, first.top(), grid.viewport()->width(), first.height()));
        const TClock::time_point painted = TClock::now();
        rig.form->Profiles().WaitForSaves();
        const TClock::time_point saved = TClock::now();
        if (i >= 0) {
            felt.push_back(seconds(painted - start));
            durable.push_back(seconds(saved - start));
        }
    }
    return {Median(felt), Median(durable)};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt takes none of the arguments: it would read --reverse as its own.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    int runs = 5;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            args.emplace_back(argv[i]);
    }
    if (args.empty())
        return Usage();
    const std::string op = args[0];
    if (op == "sort")
        return RunSortBench(args, runs);
    if (op == "huge-cell")
        return HugeCellCommand(args);
    if (op == "totals")
        return RunTotalsBench(args, runs);
    if (op == "csv-export" || op == "csv-import")
        return RunCsvBench(args, runs);
    if (op == "restore") {
        const int status = RunRestoreBench(args, runs);
        return status == 2 ? Usage() : status;
    }
    if (op == "pdf")
        return RunPdfBench(args, runs);
    if (op == "find-all") {
        const int code = RunFindAllBench(args, runs, [&](const auto &prepare, const auto &body) {
            return Time(runs, prepare, body);
        });
        return code == 2 ? Usage() : code;
    }
    if (op == "same-name") {
        const int code = RunSameNameBench(args, runs, [&](const auto &prepare, const auto &body) {
            return Time(runs, prepare, body);
        });
        return code == 2 ? Usage() : code;
    }
    const bool oneFile = op == "load" || op == "clear" || op == "paint" || op == "autosave" ||
                         op == "undo" || op == "scroll" || op == "click" || op == "edit" ||
                         op == "click-twice" || op == "cross-twice";
    const bool twoArguments = op == "save" || op == "search";
    const bool noBackups = op == "autosave" && args.size() == 3 && args[2] == "--no-backups";
    if (!(oneFile && args.size() == 2) && !(twoArguments && args.size() == 3) && !noBackups)
        return Usage();
    const QString file = QString::fromLocal8Bit(args[1].c_str());

    TLatticeGrid grid;
    BuildItemColumns(grid);
    const long long baseline = CurrentRssBytes();

    double seconds = 0;
    // Extra figures of an operation, as "key":value pairs.
    QString extra;
    int items = 0;
    try {
        if (op == "load") {
            seconds = Time(
                runs, [&] { grid.ClearRows(); }, [&] { Load(grid, file); });
            items = grid.RowCount();
        } else if (op == "save") {
            const QString out = QString::fromLocal8Bit(args[2].c_str());
            Load(grid, file);
            items = grid.RowCount();
            seconds = Time(
                runs, [] {},
                [&] {
                    grid.SaveToTextFile(out, QLatin1Char(','), QLatin1Char('|'),
                                        TEncodingKind::ekUnicode);
                });
        } else if (op == "clear") {
            seconds = Time(
                runs,
                [&] {
                    Load(grid, file);
                    items = grid.RowCount();
                },
                [&] { grid.ClearRows(); });
        } else if (op == "search") {
            const TSearchFigures figures = BenchSearch(
                file, QString::fromLocal8Bit(args[2].c_str()),
                [&](const std::function<void()> &prepare, const std::function<void()> &body) {
                    return Time(runs, prepare, body);
                });
            seconds = figures.seconds;
            items = figures.items;
            extra = QStringLiteral(",\"hit_row\":%1").arg(figures.hitRow);
        } else if (op == "paint") {
            TWindowRig rig(file);
            if (rig.boxes.shown)
                return 1;
            TLatticeGrid &shown = rig.Grid();
            items = shown.RowCount();
            QImage image(shown.size(), QImage::Format_ARGB32_Premultiplied);
            // One full repaint of the grid, as the window system would ask for it.
            seconds = Time(
                runs, [] {}, [&] { shown.render(&image); });
            shown.ScrollToRow(std::max(items - 1, 0));
            const double last = Time(
                runs, [] {}, [&] { shown.render(&image); });
            // The window shown and active, the first row in view: a click on
            // its first cell selects it, then the repaint, once, as a person
            // meets it.
            shown.ScrollToRow(0);
            rig.form->show();
            QApplication::setActiveWindow(rig.form.get());
            shown.setFocus();
            QApplication::processEvents();
            const QPoint at = shown.CellRect(0, 0).center();
            const double selected = SecondsOf([&] {
                for (const QEvent::Type type :
                     {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                    QMouseEvent click(type, at, shown.viewport()->mapToGlobal(at), Qt::LeftButton,
                                      type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                       : Qt::NoButton,
                                      Qt::NoModifier);
                    QApplication::sendEvent(shown.viewport(), &click);
                }
                shown.render(&image);
            });
            if (shown.SelectedRow() != 0) {
                std::fprintf(stderr, "The click selected no row\n");
                return 1;
            }
            extra = QStringLiteral(",\"last_rows_seconds\":%1,\"first_selection_seconds\":%2")
                        .arg(last, 0, 'f', 6)
                        .arg(selected, 0, 'f', 6);
        } else if (op == "scroll") {
            TWindowRig rig(file);
            if (rig.boxes.shown)
                return 1;
            rig.form->show();
            items = rig.Grid().RowCount();
            runs = 1;
            seconds = TimeScrolling(rig.Grid(), extra);
            if (seconds < 0) {
                std::fprintf(stderr, "The type-ahead jump missed its row\n");
                return 1;
            }
        } else {
            // The profile is saved on every click: work on a copy.
            QTemporaryDir copies;
            const QString copy = copies.filePath(QStringLiteral("autosave.ybk"));
            if (!QFile::copy(file, copy)) {
                std::fprintf(stderr, "File could not be copied\n");
                return 1;
            }
            TWindowRig rig(copy);
            if (rig.boxes.shown)
                return 1;
            items = rig.Grid().RowCount();
            if (items == 0) {
                std::fprintf(stderr, "The profile has no item to mark\n");
                return 1;
            }
            // A file where the backup folder would be: no backup can be made.
            if (noBackups &&
                !QFile(rig.folder.filePath(QStringLiteral("backups"))).open(QIODevice::WriteOnly))
                return 1;
            TFelt felt;
            if (op == "undo") {
                // The red cross, untimed, then the undo that puts the row back.
                felt = TimeFelt(
                    runs, rig, [&](int) { rig.Grid().DoCellClick(5, 0); },
                    [&](int) {
                        rig.form->Undo();
                        return 0;
                    });
            } else if (op == "click") {
                // A mark of one of the rows in view, as the grid raises the click.
                felt = TimeFelt(
                    runs, rig, [](int) {},
                    [&](int run) {
                        const int row = (run + 1) % std::min(items, 8);
                        rig.Grid().DoCellClick(6, row);
                        return row;
                    });
            } else if (op == "click-twice") {
                felt = TimeFelt(
                    runs, rig, [](int) {},
                    [&](int run) {
                        const int row = (run + 1) % std::min(items, 8);
                        rig.Grid().DoCellClick(6, row);
                        rig.Grid().DoCellClick(6, (row + 1) % std::min(items, 8));
                        return row;
                    });
            } else if (op == "cross-twice") {
                felt = TimeFelt(
                    runs, rig, [](int) {},
                    [&](int) {
                        rig.Grid().DoCellClick(5, 0);
                        rig.Grid().DoCellClick(5, 0);
                        return 0;
                    });
            } else if (op == "edit") {
                // The editor open on a name with a new text, then Enter.
                rig.form->show();
                QApplication::setActiveWindow(rig.form.get());
                QApplication::processEvents();
                felt = TimeFelt(
                    runs, rig,
                    [&](int run) {
                        rig.Grid().EditCell(icName, 0, QStringLiteral("Edited %1").arg(run + 1));
                    },
                    [&](int) {
                        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                        QApplication::sendEvent(rig.Grid().ActiveEditor(), &enter);
                        return 0;
                    });
                if (rig.Grid().GetCells(icName, 0) != QStringLiteral("Edited %1").arg(runs)) {
                    std::fprintf(stderr, "Enter stored no edit\n");
                    return 1;
                }
            } else {
                // A click on a mark, raised as the grid raises it: the window's
                // handler recolours the row and saves. Each run marks another
                // row, so every save replaces a version not kept before and the
                // backup is a new one, never skipped as a duplicate.
                int row = 0;
                seconds = Time(
                    runs, [] {},
                    [&] {
                        rig.Grid().DoCellClick(6, row++ % items);
                        rig.form->Profiles().WaitForSaves();
                    });
            }
            if (op != "autosave") {
                seconds = felt.felt;
                extra = QStringLiteral(",\"durable_seconds\":%1").arg(felt.durable, 0, 'f', 6);
            }
            if (rig.boxes.shown)
                return 1;
        }
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }

    const long long peak = PeakRssBytes();
    const long long perItem = items > 0 ? std::max(0LL, peak - baseline) / items : 0;
    std::printf("{\"op\":\"%s\",\"items\":%d,\"seconds\":%.6f,\"peak_rss_bytes\":%lld,"
                "\"bytes_per_item\":%lld,\"runs\":%d%s}\n",
                op.c_str(), items, seconds, peak, perItem, runs, extra.toUtf8().constData());
    return 0;
}
