#include "platform/files.h"

#include "platform/errors.h"
#include "platform/huge_pages.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

QByteArray ReadWholeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw EInOutError(QStringLiteral("File not found"));
    // A pipe would wait for a writer and a device may never end.
    if (!info.isFile())
        throw EInOutError(QStringLiteral("File could not be opened: not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("File could not be opened: %1").arg(file.errorString()));
    // Read into a block of the file's size, then take whatever a growing file
    // added since.
    const qsizetype expected = qsizetype(file.size());
    QByteArray bytes(expected, Qt::Uninitialized);
    // A profile of a million items is a quarter of a gigabyte.
    AdviseHugePages(bytes.data(), size_t(expected));
    qsizetype got = 0;
    while (got < expected) {
        const qint64 read = file.read(bytes.data() + got, expected - got);
        if (read <= 0)
            break;
        got += qsizetype(read);
    }
    bytes.truncate(got);
    if (got == expected)
        bytes.append(file.readAll());
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
    // A large file starts going to the disk while the rest is being made, so
    // the sync before the commit has less left to wait for.
    constexpr qsizetype kEarlyWriteBytes = 1 << 20;
    if (bytes.size() >= kEarlyWriteBytes && file_.flush())
        ::sync_file_range(file_.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
}

void TWholeFileWriter::Commit()
{
    // QSaveFile::commit() renames the temporary file even when its own final
    // flush fails (a full disk), so every byte is flushed and synced here,
    // where a failure can still cancel the save.
    const bool flushed = file_.flush();
    if (!flushed || ::fsync(file_.handle()) != 0) {
        const QString reason = flushed ? QString::fromLocal8Bit(std::strerror(errno))
                                       : file_.errorString();
        file_.cancelWriting();
        throw EInOutError(QStringLiteral("File could not be written: %1").arg(reason));
    }
    if (!file_.commit())
        throw EInOutError(QStringLiteral("File could not be written: %1").arg(file_.errorString()));
}

bool FileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

bool LinkOrCopyFile(const QString &from, const QString &to)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return QFile::copy(from, to);
}

bool SameBytes(const QString &a, const QString &b)
{
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) ||
        first.size() != second.size())
        return false;
    constexpr qint64 kBlock = 1 << 20;
    QByteArray blockA(kBlock, Qt::Uninitialized);
    QByteArray blockB(kBlock, Qt::Uninitialized);
    for (;;) {
        const qint64 readA = first.read(blockA.data(), kBlock);
        const qint64 readB = second.read(blockB.data(), kBlock);
        if (readA != readB || readA < 0)
            return false;
        if (readA == 0)
            return true;
        if (std::memcmp(blockA.constData(), blockB.constData(), size_t(readA)) != 0)
            return false;
    }
}
