#include "platform/desktop_registration.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/mime_globs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kToolTimeoutMs = 20000;

void WriteInFolder(const QString &folder, const QString &name, const QByteArray &bytes)
{
    if (!QDir().mkpath(folder))
        throw EInOutError(
            QCoreApplication::translate("EInOutError", "Folder could not be created: %1")
                .arg(folder));
    WriteWholeFile(folder + QLatin1Char('/') + name, bytes);
}

// A symbolic link folder/name to target, replacing what was there; its path.
QString LinkInFolder(const QString &folder, const QString &name, const QString &target)
{
    const QString link = folder + QLatin1Char('/') + name;
    if (!QDir().mkpath(folder) || (QFileInfo(link).isSymLink() && !QFile::remove(link)) ||
        !QFile::link(target, link))
        throw EInOutError(
            QCoreApplication::translate("EInOutError", "Link could not be created: %1").arg(link));
    return link;
}

} // namespace

bool TDesktopRegistration::KnowsGlob(const QString &glob) const
{
    return MimeDatabaseHasGlob(QStringList{folders_.dataHome} + folders_.dataDirs, glob);
}

void TDesktopRegistration::Register(const TDesktopFileType &type)
{
    const QString data = folders_.dataHome;
    TDesktopFileType entry = type;
    const QString launcher = data + QLatin1Char('/') + type.id + QStringLiteral("/launcher");
    if (!GioFindsExecProgram(type.program) && GioFindsExecProgram(launcher))
        entry.program = LinkInFolder(launcher, type.id, type.program);
    WriteInFolder(data + QStringLiteral("/mime/packages"), type.id + QStringLiteral(".xml"),
                  MimePackageText(type));
    WriteInFolder(data + QStringLiteral("/icons/hicolor/64x64/apps"),
                  type.id + QStringLiteral(".png"), type.iconPng);
    WriteInFolder(data + QStringLiteral("/applications"), type.id + QStringLiteral(".desktop"),
                  DesktopEntryText(entry));
    RunTool(QStringLiteral("update-mime-database"), {data + QStringLiteral("/mime")});
    RunTool(QStringLiteral("update-desktop-database"), {data + QStringLiteral("/applications")});
    RunTool(QStringLiteral("xdg-mime"),
            {QStringLiteral("default"), type.id + QStringLiteral(".desktop"), type.mimeType});
}

void TDesktopRegistration::RunTool(const QString &tool, const QStringList &arguments) const
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folders_.dataHome);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folders_.configHome);
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), folders_.dataDirs.join(QLatin1Char(':')));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(path, arguments);
    if (!process.waitForFinished(kToolTimeoutMs))
        process.kill();
    process.waitForFinished();
}
