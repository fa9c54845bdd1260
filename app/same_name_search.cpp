#include "app/same_name_search.h"

#include "grid_core/text_file.h"
#include "platform/errors.h"
#include "platform/file_identity.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QFileInfo>

QString SameNameKey(QStringView name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar c : name)
        if (!c.isSpace())
            key.append(c);
    return key.toCaseFolded();
}

QString SameNameWarning(const TSameNameHit &hit)
{
    QString what = hit.item.name;
    if (!hit.item.price.isEmpty())
        what += QStringLiteral(", ") + hit.item.price;
    return QCoreApplication::translate("TForm1", "Already in %1: %2")
        .arg(QFileInfo(hit.profile.path).fileName(), what);
}

std::optional<TSameNameIndex::TStamp> TSameNameIndex::StampOf(const QString &path)
{
    const std::optional<TFileIdentity> identity = FileIdentityOf(path);
    if (!identity)
        return std::nullopt;
    const QFileInfo info(path);
    return TStamp{identity->device, identity->inode, info.size(), info.lastModified()};
}

std::optional<TSameNameIndex::TFileNames> TSameNameIndex::ReadNames(const QString &path,
                                                                    const TStamp &stamp)
{
    TFileNames names{stamp, {}};
    try {
        for (TFoundItem &item : ItemsOfProfileText(DecodeTextFile(ReadWholeFile(path)))) {
            const QString key = SameNameKey(item.name);
            if (!names.items.contains(key))
                names.items.insert(key, std::move(item));
        }
    } catch (const EYearnboxError &) {
        return std::nullopt;
    }
    return names;
}

const TSameNameIndex::TFileNames *TSameNameIndex::NamesOf(const QString &path)
{
    const std::optional<TStamp> stamp = StampOf(path);
    if (!stamp) {
        files_.remove(path);
        return nullptr;
    }
    if (const auto kept = files_.constFind(path); kept != files_.cend() && kept->stamp == *stamp)
        return &*kept;
    std::optional<TFileNames> names = ReadNames(path, *stamp);
    if (!names) {
        files_.remove(path);
        return nullptr;
    }
    return &*files_.insert(path, std::move(*names));
}

void TSameNameIndex::Prepare(const QList<TSearchedProfile> &profiles)
{
    if (prepared_.valid())
        return;
    QList<QPair<QString, TStamp>> stale;
    for (const TSearchedProfile &profile : profiles) {
        const std::optional<TStamp> stamp = StampOf(profile.path);
        const auto kept = files_.constFind(profile.path);
        if (stamp && (kept == files_.cend() || kept->stamp != *stamp))
            stale.append({profile.path, *stamp});
    }
    if (stale.isEmpty())
        return;
    prepared_ = std::async(std::launch::async, [stale] {
        QHash<QString, TFileNames> read;
        for (const auto &[path, stamp] : stale)
            if (std::optional<TFileNames> names = ReadNames(path, stamp))
                read.insert(path, std::move(*names));
        return read;
    });
}

void TSameNameIndex::TakePrepared()
{
    if (!prepared_.valid())
        return;
    // A file changed since it was read is read again by NamesOf.
    const QHash<QString, TFileNames> read = prepared_.get();
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        files_.insert(it.key(), it.value());
}

std::optional<TSameNameHit> TSameNameIndex::Find(const QList<TSearchedProfile> &profiles,
                                                 const QString &name)
{
    const QString key = SameNameKey(name);
    // A name of blanks alone names nothing.
    if (key.isEmpty())
        return std::nullopt;
    TakePrepared();
    for (const TSearchedProfile &profile : profiles) {
        const TFileNames *names = NamesOf(profile.path);
        if (!names)
            continue;
        if (const auto found = names->items.constFind(key); found != names->items.cend())
            return TSameNameHit{profile, *found};
    }
    return std::nullopt;
}
