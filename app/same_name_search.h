#pragma once
// "Save Item"'s look for an item of the same name: whole names compared with
// case and blanks ignored, in every profile Find in All Profiles searches,
// read from the files as it reads them. A file's names are kept while its
// identity, size and time of change stay the same, so a look after the first
// reads only the files saved since. Prepare reads the files not kept yet on a
// worker while the user types; Find takes what it read.

#include "app/profile_search.h"

#include <QDateTime>
#include <QHash>

#include <future>
#include <optional>

// A name as compared: case folded, every blank left out.
QString SameNameKey(QStringView name);

struct TSameNameHit {
    TSearchedProfile profile;
    TFoundItem item;
};

// What the line under the entry panel says: "Already in toys.ybk: Red bike, $100".
QString SameNameWarning(const TSameNameHit &hit);

class TSameNameIndex {
public:
    // The first item named as name in profiles, in their order; a profile
    // that cannot be read is passed over.
    std::optional<TSameNameHit> Find(const QList<TSearchedProfile> &profiles, const QString &name);
    // Starts reading, off the GUI thread, the files of profiles whose names
    // are not kept as they are now; nothing when a reading still runs.
    void Prepare(const QList<TSearchedProfile> &profiles);

private:
    struct TStamp {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        QDateTime changed;
        bool operator==(const TStamp &) const = default;
    };
    struct TFileNames {
        TStamp stamp;
        // The first item of each name key.
        QHash<QString, TFoundItem> items;
    };
    static std::optional<TStamp> StampOf(const QString &path);
    // The names of a file as it is now; none when it cannot be read.
    static std::optional<TFileNames> ReadNames(const QString &path, const TStamp &stamp);
    // The names of a file, read again when it changed; none when unreadable.
    const TFileNames *NamesOf(const QString &path);
    // What Prepare read, kept where still current.
    void TakePrepared();

    QHash<QString, TFileNames> files_;
    std::future<QHash<QString, TFileNames>> prepared_;
};
