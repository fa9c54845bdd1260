#include "app/profile_backups.h"

#include "app/profile_extension.h"
#include "app/profile_list.h"
#include "platform/content_hash.h"
#include "platform/errors.h"
#include "platform/file_identity.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {
const QString kTimeFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
// <time>-<hash as 16 hex digits> and the profile extension
const qsizetype kNameSize = 19 + 1 + 16 + 4;
// A file name's limit in bytes, and what the hash takes of it: '-' and 8 digits.
const qsizetype kFileNameMax = 255;
const qsizetype kPathHashSize = 1 + 8;

// The versions in a folder, in no order.
QList<TBackupEntry> VersionsIn(const QString &folder)
{
    QList<TBackupEntry> entries;
    const QDir dir(folder);
    for (const QFileInfo &info :
         dir.entryInfoList({QStringLiteral("*") + kProfileExtension}, QDir::Files)) {
        const QString name = info.fileName();
        const QDateTime time = QDateTime::fromString(name.left(kTimeFormat.size()), kTimeFormat);
        bool hex = false;
        const quint64 hash = name.mid(kTimeFormat.size() + 1, 16).toULongLong(&hex, 16);
        if (time.isValid() && hex && name.size() == kNameSize)
            entries.append({info.filePath(), time, info.size(), hash});
    }
    return entries;
}
} // namespace

QList<int> BackupsToDrop(const QList<TBackupEntry> &newestFirst, qint64 profileSize,
                         const QDate &today, const TBackupRules &rules)
{
    QList<bool> kept(newestFirst.size(), false);
    QSet<QDate> daysKept;
    for (int i = 0; i < newestFirst.size(); ++i) {
        const QDate day = newestFirst[i].time.date();
        const bool recentDay = day.daysTo(today) < rules.days && !daysKept.contains(day);
        if (recentDay)
            daysKept.insert(day);
        kept[i] = i < rules.newest || recentDay;
    }
    const qint64 cap = std::max(rules.minimumCap, rules.capTimesProfile * profileSize);
    qint64 total = 0;
    for (int i = 0; i < newestFirst.size(); ++i)
        if (kept[i])
            total += newestFirst[i].size;
    // Over the cap the oldest go, but never the newest version.
    for (int i = int(newestFirst.size()) - 1; i > 0 && total > cap; --i)
        if (std::exchange(kept[i], false))
            total -= newestFirst[i].size;
    QList<int> drop;
    for (int i = 0; i < newestFirst.size(); ++i)
        if (!kept[i])
            drop.append(i);
    return drop;
}

QString LegacyBackupFolderName(const QString &profilePath)
{
    const QString fileName = QFileInfo(profilePath).fileName();
    const bool profile =
        fileName.endsWith(kProfileExtension) && fileName.size() > kProfileExtension.size();
    return profile ? fileName.chopped(kProfileExtension.size()) : fileName;
}

QString BackupFolderName(const QString &canonicalPath)
{
    QString name = LegacyBackupFolderName(canonicalPath);
    // A long name gives way to the hash, a whole character at a time.
    while (name.toUtf8().size() > kFileNameMax - kPathHashSize)
        name.chop(name.back().isLowSurrogate() && name.size() > 1 ? 2 : 1);
    const QByteArray path = canonicalPath.toUtf8();
    TContentHash hash;
    hash.Add(path.constData(), path.size());
    return name + QStringLiteral("-%1").arg(hash.Value() >> 32, 8, 16, QLatin1Char('0'));
}

QString BackupFileName(const QDateTime &time, quint64 hash)
{
    return time.toString(kTimeFormat) + QStringLiteral("-%1").arg(hash, 16, 16, QLatin1Char('0')) +
           kProfileExtension;
}

QString TProfileBackups::FolderFor(const QString &profilePath) const
{
    return folder_ + QStringLiteral("backups/") + BackupFolderName(CanonicalFilePath(profilePath)) +
           QLatin1Char('/');
}

QList<TBackupEntry> TProfileBackups::List(const QString &profilePath)
{
    AdoptLegacyVersions(profilePath);
    QList<TBackupEntry> entries = VersionsIn(FolderFor(profilePath));
    std::sort(entries.begin(), entries.end(), [](const TBackupEntry &a, const TBackupEntry &b) {
        return a.time > b.time || (a.time == b.time && a.path > b.path);
    });
    return entries;
}

void TProfileBackups::AdoptLegacyVersions(const QString &profilePath)
{
    const QString name = LegacyBackupFolderName(profilePath);
    const QString legacy = folder_ + QStringLiteral("backups/") + name + QLatin1Char('/');
    const QString own = FolderFor(profilePath);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        legacy == own || !QFileInfo(legacy).isDir())
        return;
    // The files whose versions the folder may hold: those known by that name.
    QStringList known{folder_ + QStringLiteral("blank.yearnbox")};
    try {
        known += ReadProfileList(ReadWholeFile(folder_ + QStringLiteral("mpl.mpl")));
    } catch (const EYearnboxError &) {
        // No profile saved yet: the blank profile alone.
    }
    for (const QString &path : known)
        if (!path.isEmpty() && LegacyBackupFolderName(path) == name &&
            !IsSameProfileFile(path, profilePath))
            return;
    if (!QDir().mkpath(own))
        return;
    for (const TBackupEntry &entry : VersionsIn(legacy))
        QFile::rename(entry.path, own + QFileInfo(entry.path).fileName());
    QDir().rmdir(legacy);
}

std::optional<TBackupEntry> TProfileBackups::Keep(const QString &profilePath,
                                                  std::optional<quint64> hash) noexcept
{
    try {
        return KeepOrThrow(profilePath, hash);
    } catch (...) {
        // A backup is never a reason for the save not to happen.
        return std::nullopt;
    }
}

TFileVersion TProfileBackups::KeepVersion(const QString &profilePath,
                                          std::optional<quint64> hash) noexcept
{
    TFileVersion version;
    version.exists = QFileInfo(profilePath).isFile();
    if (!version.exists)
        return version;
    if (const std::optional<TBackupEntry> kept = Keep(profilePath, hash)) {
        version.backup = kept->path;
        return version;
    }
    try {
        version.bytes = ReadWholeFile(profilePath);
    } catch (...) {
        // Unreadable: nothing of it can be held, and nothing can be lost by
        // the operation that follows either, as it was never readable.
        version.exists = false;
    }
    return version;
}

std::optional<quint64> TProfileBackups::PutBack(const QString &profilePath,
                                                const TFileVersion &version)
{
    // Read before keeping: the keeping may prune the version read.
    const QByteArray bytes =
        !version.exists || version.backup.isEmpty() ? version.bytes : ReadWholeFile(version.backup);
    Keep(profilePath);
    if (!version.exists) {
        QFile::remove(profilePath);
        return std::nullopt;
    }
    WriteWholeFile(profilePath, bytes);
    TContentHash hash;
    hash.Add(bytes.constData(), bytes.size());
    return hash.Value();
}

std::optional<TBackupEntry> TProfileBackups::KeepOrThrow(const QString &profilePath,
                                                         std::optional<quint64> hash)
{
    const QFileInfo profile(profilePath);
    if (!profile.isFile())
        return std::nullopt;
    const QString folder = FolderFor(profilePath);
    if (!QDir().mkpath(folder))
        return std::nullopt;
    if (!hash)
        hash = HashOfFile(profilePath);
    if (!hash)
        return std::nullopt;
    QList<TBackupEntry> entries = List(profilePath);
    for (const TBackupEntry &entry : entries)
        if (entry.hash == *hash)
            return entry;
    // Names order the versions: a save within the newest one's millisecond,
    // or after the clock went back, is still named after it.
    QDateTime when = QDateTime::currentDateTime();
    if (!entries.isEmpty() && entries.first().time >= when)
        when = entries.first().time.addMSecs(1);
    const QString target = folder + BackupFileName(when, *hash);
    if (!LinkOrCopyFile(profilePath, target))
        return std::nullopt;
    const TBackupEntry kept{target, when, profile.size(), *hash};
    entries.prepend(kept);
    for (const int i : BackupsToDrop(entries, profile.size(), QDate::currentDate()))
        QFile::remove(entries[i].path);
    return kept;
}
