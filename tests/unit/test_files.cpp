// A save replaces a file whole and keeps what the file was: its permission
// bits and, where the user may give a file away (root), its owner and group.
// A file the user may not write is refused, not replaced; root may write any
// file, and a read-only one stays read-only.

#include "platform/errors.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(WholeFileSave, KeepsTheModeAndOwnerOfTheFileItReplaces)
{
    const bool root = ::geteuid() == 0;
    // Someone else's file, where root can make one.
    const uid_t owner = root ? 4321 : ::geteuid();
    const gid_t group = root ? 4322 : ::getegid();
    struct Case {
        mode_t mode;
        bool writable;
    };
    for (const Case c : {Case{0600, true}, Case{0444, root}, Case{0750, true}}) {
        SCOPED_TRACE(QString::number(c.mode, 8).toStdString());
        QTemporaryDir folder;
        const QString path = folder.filePath("list.ybk");
        const QByteArray native = QFile::encodeName(path);
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        ASSERT_EQ(::chown(native.constData(), owner, group), 0);
        ASSERT_EQ(::chmod(native.constData(), c.mode), 0);

        QString raised;
        try {
            WriteWholeFile(path, "new");
        } catch (const EInOutError &e) {
            raised = e.Message();
        }

        if (c.writable) {
            EXPECT_EQ(raised, QString());
            EXPECT_EQ(ReadBytes(path), "new");
        } else {
            EXPECT_EQ(raised, "File could not be written: \"" + path + "\": Permission denied");
            EXPECT_EQ(ReadBytes(path), "old");
        }
        struct stat after {};
        ASSERT_EQ(::stat(native.constData(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, c.mode);
        EXPECT_EQ(after.st_uid, owner);
        EXPECT_EQ(after.st_gid, group);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"list.ybk"});
    }
}
