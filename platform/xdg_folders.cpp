#include "platform/xdg_folders.h"

#include <QDir>

namespace {

QString AbsoluteOr(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

} // namespace

TXdgFolders XdgFoldersFromEnvironment()
{
    TXdgFolders folders;
    folders.dataHome =
        AbsoluteOr("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    folders.configHome =
        AbsoluteOr("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
    for (const QString &dir : qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':')))
        if (QDir::isAbsolutePath(dir))
            folders.dataDirs.append(QDir::cleanPath(dir));
    if (folders.dataDirs.isEmpty())
        folders.dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return folders;
}
