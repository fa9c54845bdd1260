// Two savers never interleave: a second process waits for the lock that a
// first one holds, whether it names the profile directly or through a link
// in another folder.

#include "platform/save_lock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {
// A child process that holds the lock on path for holdMs, then leaves a
// mark file and lets go; the parent learns when the child holds it.
pid_t HoldInChild(const QString &path, const QString &mark, int holdMs)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        {
            const TSaveLock lock(path);
            const char held = lock.Held() ? 'y' : 'n';
            (void)!::write(ready[1], &held, 1);
            ::usleep(holdMs * 1000);
            QFile file(mark);
            (void)file.open(QIODevice::WriteOnly);
        }
        ::_exit(0);
    }
    ::close(ready[1]);
    char held = 0;
    (void)!::read(ready[0], &held, 1);
    ::close(ready[0]);
    return held == 'y' ? child : -1;
}
} // namespace

TEST(SaveLock, ASecondProcessWaitsForTheFirstToLetGo)
{
    QTemporaryDir dir;
    QTemporaryDir other;
    const QString profile = dir.filePath(QStringLiteral("toys.ybk"));
    QFile(profile).open(QIODevice::WriteOnly);
    const QString alias = other.filePath(QStringLiteral("alias.ybk"));
    ASSERT_TRUE(QFile::link(profile, alias));
    struct Case {
        const char *name;
        QString first, second;
    };
    const Case cases[] = {
        {"one name", profile, profile},
        {"a link in another folder", profile, alias},
        {"a file not yet made", dir.filePath(QStringLiteral("new.ybk")), profile}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString mark = dir.filePath(QStringLiteral("let-go"));
        QFile::remove(mark);
        const pid_t child = HoldInChild(c.first, mark, 300);
        ASSERT_GT(child, 0);
        {
            const TSaveLock lock(c.second);
            EXPECT_TRUE(lock.Held());
            EXPECT_TRUE(QFile::exists(mark));
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
}

TEST(SaveLock, ProfilesInTwoFoldersDoNotWaitForEachOther)
{
    QTemporaryDir a;
    QTemporaryDir b;
    const QString mark = a.filePath(QStringLiteral("let-go"));
    const pid_t child = HoldInChild(a.filePath(QStringLiteral("toys.ybk")), mark, 2000);
    ASSERT_GT(child, 0);
    {
        const TSaveLock lock(b.filePath(QStringLiteral("toys.ybk")));
        EXPECT_TRUE(lock.Held());
        EXPECT_FALSE(QFile::exists(mark));
    }
    ::waitpid(child, nullptr, 0);
}
