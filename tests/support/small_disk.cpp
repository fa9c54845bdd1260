#include "tests/support/small_disk.h"

#include <QFile>

#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

TSmallDisk::TSmallDisk(const QByteArray &size)
{
    if (!mountPoint_.isValid()) {
        reason_ = QStringLiteral("no folder for the mount point: ") + mountPoint_.errorString();
        return;
    }
    const QByteArray options = "size=" + size + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(mountPoint_.path()).constData(), "tmpfs",
                MS_NOSUID | MS_NODEV, options.constData()) != 0) {
        reason_ = QStringLiteral("mounting a %1 tmpfs was refused (%2); it needs root with the "
                                 "right to mount")
                      .arg(QString::fromLatin1(size), QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

TSmallDisk::~TSmallDisk()
{
    // Detaching cannot fail on a busy mount; the folder is then empty again.
    if (mounted_)
        ::umount2(QFile::encodeName(mountPoint_.path()).constData(), MNT_DETACH);
}

bool TSmallDisk::Fill(qsizetype spare)
{
    const QByteArray path = QFile::encodeName(Path() + QStringLiteral("filler"));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) {
        reason_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const QByteArray block(64 * 1024, 'x');
    int error = 0;
    // Large blocks first, then single bytes for what is left of the last page.
    for (qsizetype chunk : {block.size(), qsizetype(1)}) {
        for (;;) {
            if (::write(fd, block.constData(), size_t(chunk)) >= 0)
                continue;
            error = errno;
            break;
        }
        if (error != ENOSPC)
            break;
    }
    const off_t filled = ::lseek(fd, 0, SEEK_END);
    if (error == ENOSPC && ::ftruncate(fd, std::max<off_t>(filled - spare, 0)) != 0)
        error = errno;
    ::close(fd);
    if (error != ENOSPC) {
        reason_ = QString::fromLocal8Bit(std::strerror(error));
        return false;
    }
    return true;
}

bool TSmallDisk::MakeReadOnly()
{
    if (::mount(nullptr, QFile::encodeName(mountPoint_.path()).constData(), nullptr,
                MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0)
        return true;
    reason_ = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

void TSmallDisk::MakeRoom()
{
    ::mount(nullptr, QFile::encodeName(mountPoint_.path()).constData(), nullptr,
            MS_REMOUNT | MS_NOSUID | MS_NODEV, nullptr);
    QFile::remove(Path() + QStringLiteral("filler"));
}
