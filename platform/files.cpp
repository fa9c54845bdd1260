#include "platform/files.h"

#include "platform/errors.h"
#include "platform/huge_pages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

void OpenForReading(QFile &file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists())
        throw EInOutError(QCoreApplication::translate("EInOutError", "File not found"));
    // A pipe would wait for a writer and a device may never end.
    if (!info.isFile())
        throw EInOutError(QCoreApplication::translate(
            "EInOutError", "File could not be opened: not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QCoreApplication::translate("EInOutError", "File could not be opened: %1")
                              .arg(file.errorString()));
}

QByteArray ReadWholeFile(const QString &path)
{
    QFile file(path);
    OpenForReading(file);
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
        throw EInOutError(QCoreApplication::translate("EInOutError", "File could not be read: %1")
                              .arg(file.errorString()));
    return bytes;
}

void WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    TWholeFileWriter file(path);
    file.Write(bytes);
    file.Commit();
}

namespace {

const char *const kNotWritten =
    QT_TRANSLATE_NOOP("EInOutError", "File could not be written: \"%1\": %2");
const char *const kNotCreated =
    QT_TRANSLATE_NOOP("EInOutError", "File could not be created: \"%1\": %2");

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The error of a save, e.g. 'File could not be written: "/home/u/toys.ybk": No
// space left on device'; pattern is one of kNotWritten and kNotCreated.
EInOutError SaveError(const char *pattern, const QString &path, const QString &reason)
{
    return EInOutError(QCoreApplication::translate("EInOutError", pattern).arg(path, reason));
}

} // namespace

TWholeFileWriter::TWholeFileWriter(const QString &path) : path_(path), file_(path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat old {};
    const bool replaces = ::stat(native.constData(), &old) == 0 && S_ISREG(old.st_mode);
    // Renaming over a file the user may not write would bypass its protection.
    if (replaces && ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        throw SaveError(kNotWritten, path_, SystemReason(errno));
    if (!file_.open(QIODevice::WriteOnly))
        throw SaveError(kNotCreated, path_, file_.errorString());
    if (replaces) {
        // The owner first: a change of owner clears the set-id bits. Only root
        // may give a file away; anyone else keeps the file as their own.
        if (::fchown(file_.handle(), old.st_uid, old.st_gid) != 0)
            (void)::fchown(file_.handle(), uid_t(-1), old.st_gid);
        if (::fchmod(file_.handle(), old.st_mode & 07777) != 0)
            Fail(kNotCreated, SystemReason(errno));
    }
}

void TWholeFileWriter::Write(const QByteArray &bytes)
{
    // Straight to the descriptor: a short write then still carries the
    // system's reason.
    hash_.Add(bytes.constData(), bytes.size());
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file_.handle(), data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        // A regular file takes no bytes only when there is no room.
        if (written <= 0)
            Fail(kNotWritten, SystemReason(written < 0 ? errno : ENOSPC));
        data += written;
        left -= written;
    }
    // A large file starts going to the disk while the rest is being made, so
    // the sync before the commit has less left to wait for.
    constexpr qsizetype kEarlyWriteBytes = 1 << 20;
    if (bytes.size() >= kEarlyWriteBytes)
        ::sync_file_range(file_.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
}

void TWholeFileWriter::Commit()
{
    // Synced here, where a failure can still cancel the save: a file system
    // may report a full disk only now.
    if (::fsync(file_.handle()) != 0)
        Fail(kNotWritten, SystemReason(errno));
    if (!file_.commit())
        throw SaveError(kNotWritten, path_, file_.errorString());
}

void TWholeFileWriter::Fail(const char *pattern, const QString &reason)
{
    file_.cancelWriting();
    throw SaveError(pattern, path_, reason);
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
