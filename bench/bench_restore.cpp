// yearnbox-bench restore FILE [VERSIONS]: the main window started with a copy
// of FILE, whose backup folder holds VERSIONS earlier versions of it (FILE
// with 1, 2, ... more items, named as the backups name them, a minute apart).
// "Restore an Earlier Version…" is opened and cancelled: `seconds` is the
// median time from the call until the dialog shows (the list's names
// gathered, the versions listed); `all_versions_seconds` the time the dialog
// then takes, once, to fill in every version's item count and first
// differences, one version per turn of the event loop.
// Then versions are restored, the two oldest in turn: `restore_seconds` is the
// median time from the call, through the dialog's "Restore", until the call
// returns and the first row is painted again; `restore_durable_seconds` until
// its save has renamed the file into place.

#include "bench/bench_restore.h"

#include "app/main_window.h"
#include "app/profile_backups.h"
#include "app/profiles.h"
#include "app/restore_dialog.h"
#include "bench/bench_timing.h"
#include "bench/bench_window.h"
#include "grid_window/lattice_grid.h"
#include "platform/content_hash.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/modal_windows.h"

#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using TClock = std::chrono::steady_clock;

// Notes when the dialog shows; fills it in whole when asked to; cancels it.
class TTimedModal : public IModalWindows {
public:
    void ShowModal(QDialog &window) override
    {
        shownAt = TClock::now();
        if (choose >= 0) {
            auto &dialog = static_cast<TRestoreDialog &>(window);
            QTreeWidget &versions = *dialog.Versions();
            versions.setCurrentItem(
                versions.topLevelItem(versions.topLevelItemCount() - 1 - choose));
            window.accept();
            return;
        }
        if (fill) {
            auto &dialog = static_cast<TRestoreDialog &>(window);
            while (dialog.SummarizeNext()) {
            }
            filledAt = TClock::now();
        }
        window.reject();
    }
    bool fill = false;
    // The version to restore, counted from the oldest; none when negative.
    int choose = -1;
    TClock::time_point shownAt;
    TClock::time_point filledAt;
};

// An item line in the profile's encoding (UTF-16LE), ended by CR LF.
QByteArray ItemLine(int i)
{
    const QString line = QStringLiteral("Version %1,,$1,1,12/7/2026,0,False\r\n").arg(i);
    return QByteArray(reinterpret_cast<const char *>(line.utf16()), line.size() * 2);
}

double Seconds(TClock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

} // namespace

int RunRestoreBench(const std::vector<std::string> &args, int runs)
{
    if (args.size() < 2 || args.size() > 3)
        return 2;
    const int versions = args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 20;
    QTemporaryDir folder;
    const QString profile = folder.filePath(QStringLiteral("restore.ybk"));
    TFailingMessageBoxes boxes;
    TNoFileDialogs dialogs;
    try {
        QByteArray bytes = ReadWholeFile(QString::fromLocal8Bit(args[1].c_str()));
        WriteWholeFile(profile, bytes);
        const QString kept = TProfileBackups(folder.path() + QLatin1Char('/')).FolderFor(profile);
        QDir().mkpath(kept);
        const QDateTime start = QDateTime::currentDateTime().addSecs(-60LL * versions);
        for (int i = 1; i <= versions; ++i) {
            bytes += ItemLine(i);
            TContentHash hash;
            hash.Add(bytes.constData(), bytes.size());
            WriteWholeFile(kept + BackupFileName(start.addSecs(60LL * i), hash.Value()), bytes);
        }
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
    TForm1 form(folder.path() + QLatin1Char('/'), profile, boxes, dialogs);
    if (boxes.shown)
        return 1;
    TTimedModal modal;
    form.SetModalWindows(&modal);
    std::vector<double> open;
    for (int i = runs > 1 ? -1 : 0; i < runs; ++i) {
        const TClock::time_point called = TClock::now();
        form.RestoreAnEarlierVersion();
        if (i >= 0)
            open.push_back(Seconds(modal.shownAt - called));
    }
    modal.fill = true;
    form.RestoreAnEarlierVersion();
    const int items = form.LatticeGrid1()->RowCount();
    const double filled = Seconds(modal.filledAt - modal.shownAt);
    modal.fill = false;
    TLatticeGrid &grid = *form.LatticeGrid1();
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> restored, durable;
    for (int i = runs > 1 ? -1 : 0; i < runs; ++i) {
        modal.choose = (i + 2) % 2;
        const TClock::time_point called = TClock::now();
        form.RestoreAnEarlierVersion();
        grid.viewport()->render(&image, QPoint(), QRegion(grid.CellRect(0, 0)));
        const TClock::time_point painted = TClock::now();
        form.Profiles().WaitForSaves();
        if (i >= 0) {
            restored.push_back(Seconds(painted - called));
            durable.push_back(Seconds(TClock::now() - called));
        }
    }
    if (boxes.shown)
        return 1;
    std::printf("{\"op\":\"restore\",\"items\":%d,\"versions\":%d,\"seconds\":%.6f,"
                "\"all_versions_seconds\":%.3f,\"restore_seconds\":%.6f,"
                "\"restore_durable_seconds\":%.6f,\"runs\":%d}\n",
                items, versions, Median(open), filled, Median(restored), Median(durable), runs);
    return 0;
}
