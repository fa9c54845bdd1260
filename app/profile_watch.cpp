#include "app/profile_watch.h"

#include "app/profile_list.h"

#include <sys/stat.h>

#include <QFile>

namespace {
// A writer that writes in pieces is given this long to finish.
constexpr int kSettleMs = 250;
} // namespace

TFileStamp StampOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec, quint64(info.st_ino)};
}

TProfileWatch::TProfileWatch()
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { Settled(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this,
            [this](const QString &path) { FileChanged(path); });
}

void TProfileWatch::Know(const QString &path, std::optional<quint64> hash)
{
    Know(path, hash, StampOf(path));
}

void TProfileWatch::Know(const QString &path, std::optional<quint64> hash, const TFileStamp &stamp)
{
    path_ = path;
    known_ = stamp;
    knownHash_ = hash;
    Arm();
}

bool TProfileWatch::Knows(const QString &path) const
{
    return IsSameProfileFile(path, path_);
}

std::optional<quint64> TProfileWatch::KnownHash(const QString &path) const
{
    if (!IsSameProfileFile(path, path_) || StampOf(path) != known_)
        return std::nullopt;
    return knownHash_;
}

bool TProfileWatch::ChangedOutside(const QString &path) const
{
    return IsSameProfileFile(path, path_) && StampOf(path) != known_;
}

void TProfileWatch::Arm()
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!path_.isEmpty() && QFile::exists(path_))
        watcher_.addPath(path_);
}

void TProfileWatch::FileChanged(const QString &path)
{
    if (IsSameProfileFile(path, path_))
        settle_.start();
}

void TProfileWatch::Settled()
{
    settle_.stop();
    // A file renamed over ours is a new file: watch that one.
    Arm();
    if (ChangedOutside(path_) && OnChangedOutside)
        OnChangedOutside();
}
