#include "platform/save_lock.h"

#include "platform/file_identity.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QString SaveLockFolder(const QString &path)
{
    // A link's target is the file that is replaced, so its folder is the one
    // every name of that file shares.
    return QFileInfo(CanonicalFilePath(path)).absolutePath();
}

TSaveLock::TSaveLock(const QString &path)
{
    const QByteArray folder = QFile::encodeName(SaveLockFolder(path));
    fd_ = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    int result;
    do {
        result = ::flock(fd_, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

TSaveLock::~TSaveLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}
