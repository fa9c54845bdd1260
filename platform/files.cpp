#include "platform/files.h"

#include "platform/errors.h"

#include <QFile>
#include <QFileInfo>

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
    TWholeFileWriter file(path);
    file.Write(bytes);
    file.Commit();
}

TWholeFileWriter::TWholeFileWriter(const QString &path) : file_(path)
{
    if (!file_.open(QIODevice::WriteOnly))
        throw EInOutError(QStringLiteral("File could not be created: %1").arg(file_.errorString()));
}

void TWholeFileWriter::Write(const QByteArray &bytes)
{
    if (file_.write(bytes) != bytes.size())
        throw EInOutError(QStringLiteral("File could not be written: %1").arg(file_.errorString()));
}

void TWholeFileWriter::Commit()
{
    if (!file_.commit())
        throw EInOutError(QStringLiteral("File could not be written: %1").arg(file_.errorString()));
}

bool FileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}
