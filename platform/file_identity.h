#pragma once
// Which file a path names. Two paths name one file when, links resolved,
// they reach the same device and inode: never judged by their spelling, as a
// symbolic link, a "..", a doubled '/' or a hard link all give one file many
// paths. A save renames a new file over the old one, so an identity holds
// only until the next save: compare identities, never keep them.

#include <QString>
#include <QtGlobal>

#include <optional>

struct TFileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const TFileIdentity &) const = default;
};

// The identity of the file at path, links followed; none when there is no
// such file (a dangling link included).
std::optional<TFileIdentity> FileIdentityOf(const QString &path);

// Whether both paths name one existing file.
bool IsSameFile(const QString &a, const QString &b);

// The absolute path with every link, "." and ".." resolved; for a file that
// does not exist (yet), its folder's resolved path and its name, or where
// the folder is missing too, the cleaned absolute path.
QString CanonicalFilePath(const QString &path);
