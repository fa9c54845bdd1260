#include "platform/file_identity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

std::optional<TFileIdentity> FileIdentityOf(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return TFileIdentity{quint64(info.st_dev), quint64(info.st_ino)};
}

bool IsSameFile(const QString &a, const QString &b)
{
    const std::optional<TFileIdentity> first = FileIdentityOf(a);
    return first && first == FileIdentityOf(b);
}

QString CanonicalFilePath(const QString &path)
{
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    const QString folder = info.absoluteDir().canonicalPath();
    if (folder.isEmpty())
        return QDir::cleanPath(info.absoluteFilePath());
    return folder == QLatin1String("/") ? folder + info.fileName()
                                        : folder + QLatin1Char('/') + info.fileName();
}
