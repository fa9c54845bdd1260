#include "platform/files.h"

#include "platform/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QByteArray ReadWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path))
            throw EInOutError(QStringLiteral("File not found"));
        throw EInOutError(QStringLiteral("File could not be opened: %1").arg(file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("File could not be read: %1").arg(file.errorString()));
    return bytes;
}

void WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EInOutError(QStringLiteral("File could not be created: %1").arg(file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw EInOutError(QStringLiteral("File could not be written: %1").arg(reason));
    }
    if (!file.commit())
        throw EInOutError(QStringLiteral("File could not be written: %1").arg(file.errorString()));
}

bool FileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}
