#include "bench/bench_scroll.h"
#include "bench/bench_timing.h"

#include "app/item_columns.h"
#include "grid_window/lattice_grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace {

double Seconds(const std::function<void()> &step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    // The repaint that the step asked for.
    QCoreApplication::processEvents();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

void WheelNotch(TLatticeGrid &grid, int notches)
{
    const QPointF at(100, 100);
    QWheelEvent event(at, grid.viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &event);
}

void Key(TLatticeGrid &grid, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&grid, &press);
}

} // namespace

double TimeScrolling(TLatticeGrid &grid, QString &extra)
{
    std::vector<double> wheel, pageDown;
    const int rows = grid.RowCount();
    for (const int start : {0, rows / 2, std::max(rows - 150, 0)}) {
        grid.SelectCell(icDateAdded, start, true, {});
        grid.VertScrollBar().SetPosition(start);
        QCoreApplication::processEvents();
        for (int i = 0; i < 100; ++i)
            wheel.push_back(Seconds([&] { WheelNotch(grid, -1); }));
        for (int i = 0; i < 20; ++i)
            pageDown.push_back(Seconds([&] { Key(grid, Qt::Key_PageDown); }));
    }

    // A name of its own near the end, jumped to from the first row by its
    // first letter.
    std::vector<double> jump;
    const int target = std::max(rows - 10, 0);
    if (rows > 0) {
        grid.SetCells(icName, target, QStringLiteral("Zyzzyva"));
        for (int run = 0; run < 5; ++run) {
            grid.DoSearchTimer();
            grid.SelectCell(icDateAdded, 0, true, {});
            grid.VertScrollBar().First();
            QCoreApplication::processEvents();
            jump.push_back(Seconds([&] { Key(grid, Qt::Key_Z, QStringLiteral("Z")); }));
            if (grid.SelectedRow() != target)
                return -1;
        }
    }
    extra = QStringLiteral(",\"wheel_steps\":%1,\"page_down_seconds\":%2,\"typeahead_seconds\":%3")
                .arg(wheel.size())
                .arg(Median(pageDown), 0, 'f', 6)
                .arg(Median(jump), 0, 'f', 6);
    return Median(wheel);
}
