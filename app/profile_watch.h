#pragma once
// Two writers on one profile. The watch knows the current profile's file as
// this program last read or wrote it (its size, modification time and
// identity) and watches it; when the file changes and is no longer that, some
// other program wrote it, and once it has been still for a moment the owner
// is told, to reload it. The watch is armed anew after every read and write
// of ours, since each save renames a new file over the old one.
//
// Every save keeps the file it replaces among the backups, so a version that
// another program wrote just before one of our saves stays restorable.

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

// What tells one version of a file from the next without reading it; the
// hash of its bytes goes with it where known.
struct TFileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    bool operator==(const TFileStamp &) const = default;
};

TFileStamp StampOf(const QString &path);

class TProfileWatch : public QObject {
public:
    TProfileWatch();

    // Told when the known file was changed by another program.
    std::function<void()> OnChangedOutside;

    // The file as just read or written by us, with the hash of its bytes
    // when known: remembered and watched.
    void Know(const QString &path, std::optional<quint64> hash);
    // The same, with the stamp taken while the save that wrote it held its lock.
    void Know(const QString &path, std::optional<quint64> hash, const TFileStamp &stamp);
    // Whether path is the known file, and what it was when we last read or wrote it.
    bool Knows(const QString &path) const;
    const TFileStamp &KnownStamp() const { return known_; }
    // The file at path is no longer the one we last read or wrote.
    bool ChangedOutside(const QString &path) const;
    // The hash of the file at path while it is the one we last wrote.
    std::optional<quint64> KnownHash(const QString &path) const;
    // Waits no longer for the file to be still (tests, and the settle timer).
    void Settled();

    QTimer &SettleTimer() { return settle_; }

private:
    void FileChanged(const QString &path);
    void Arm();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString path_;
    TFileStamp known_;
    std::optional<quint64> knownHash_;
};
