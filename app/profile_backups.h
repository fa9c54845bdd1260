#pragma once
// Rolling backups of the profiles. Before a save replaces a profile's file,
// the file it replaces is kept in <application folder>/backups/<name>/, named
// after the time it was replaced and the hash of its bytes (a hard link where
// the file system allows, else a copy), unless a kept version already has
// that hash. The hash of a file this program wrote is known from writing it,
// so a backup reads no file; only a file read or changed from outside is
// hashed by reading it, once. Kept: the
// newest 20 versions and the newest of each of the last 30 days, never more
// than the cap per profile (10 x the profile, at least 5 MiB): the oldest go
// first. A backup that fails is skipped: it never stops the save.
//
// <name> is the profile file's name less ".ybk" ("blank.yearnbox" for the
// blank profile), a '-' and eight hex digits of the hash of the file's
// canonical path, so two files of one name in two folders never share a
// folder, and a link to a profile keeps its versions with the file's.
//
// Before versions were kept per file, the folder was backups/<name>/ alone,
// shared by every file of that name. The first use of a profile adopts such
// a folder's versions (moves them into its own) when no other known profile
// (a line of "mpl.mpl", the blank profile) has that name; otherwise they
// cannot be told apart and stay where they are, listed for neither and never
// pruned.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct TBackupEntry {
    QString path;
    QDateTime time;
    qint64 size = 0;
    quint64 hash = 0;
};

// What a profile's file held before an operation replaced or deleted it, to
// be put back by an undo: the kept version among the backups, or where none
// could be kept, its bytes.
struct TFileVersion {
    bool exists = false;
    QString backup;
    QByteArray bytes;
};

struct TBackupRules {
    int newest = 20;
    int days = 30;
    qint64 minimumCap = 5 << 20;
    int capTimesProfile = 10;
};

// Indexes into the backups (newest first) that the rules let go, given the
// size of the profile and today's date.
QList<int> BackupsToDrop(const QList<TBackupEntry> &newestFirst, qint64 profileSize,
                         const QDate &today, const TBackupRules &rules = {});

// The backup folder's name for the profile file at canonicalPath (links
// resolved); at most 255 bytes, the hash kept whole.
QString BackupFolderName(const QString &canonicalPath);
// The folder's name before versions were kept per file.
QString LegacyBackupFolderName(const QString &profilePath);
// A kept version's file name: the time it was replaced and its bytes' hash.
QString BackupFileName(const QDateTime &time, quint64 hash);

class TProfileBackups {
public:
    // folder is the application folder, ending with '/'.
    explicit TProfileBackups(const QString &folder) : folder_(folder) {}

    QString FolderFor(const QString &profilePath) const;
    // The kept versions of a profile, newest first (adopting those of the
    // shared folder first, where they are its alone).
    QList<TBackupEntry> List(const QString &profilePath);
    // Keeps the file at profilePath (when there is one) as a version, then
    // prunes; hash is its bytes' when known. Never raises.
    // The kept version holding the file's bytes, none when the file was
    // missing or the backup failed.
    std::optional<TBackupEntry> Keep(const QString &profilePath,
                                     std::optional<quint64> hash = std::nullopt) noexcept;
    // Keeps the file as Keep does; where that fails, holds its bytes.
    TFileVersion KeepVersion(const QString &profilePath, std::optional<quint64> hash) noexcept;
    // Keeps what the file holds now, then puts the version back (removes the
    // file when the version had none). Raises EInOutError; the hash of the
    // bytes put back, when it is known.
    std::optional<quint64> PutBack(const QString &profilePath, const TFileVersion &version);

private:
    void AdoptLegacyVersions(const QString &profilePath);
    std::optional<TBackupEntry> KeepOrThrow(const QString &profilePath,
                                            std::optional<quint64> hash);

    QString folder_;
};
