#include "platform/app_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

QString WithSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

bool CanCreateFilesIn(const QString &folder)
{
    // Asking for the write bit is not enough (read-only mounts, ACLs): try it.
    QTemporaryFile probe(folder + QStringLiteral(".yearnbox-probe-XXXXXX"));
    return probe.open();
}

} // namespace

bool IsInstalledCopy(const QString &executableFolder)
{
    const QDir bin(executableFolder);
    return bin.dirName() == QLatin1String("bin") && QFileInfo::exists(bin.filePath(QStringLiteral(
                                                        "../share/applications/yearnbox.desktop")));
}

QString ChooseApplicationFolder(const QString &executableFolder, const QString &dataHome)
{
    const QString own = WithSlash(executableFolder);
    if (!IsInstalledCopy(executableFolder) && CanCreateFilesIn(own))
        return own;
    const QString data = WithSlash(dataHome) + QStringLiteral("yearnbox/");
    QDir().mkpath(data);
    return data;
}
