// Which file a path names: one file by many paths (links, "..", doubled
// slashes, a hard link), two files of equal bytes kept apart, and paths of
// files that are not there.

#include "platform/file_identity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class FileIdentity : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp_.isValid());
        base_ = QDir(temp_.path()).canonicalPath() + QLatin1Char('/');
        for (const char *name : {"toys.ybk", "twin.ybk"}) {
            QFile file(base_ + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("same bytes");
        }
        ASSERT_TRUE(QDir().mkpath(base_ + "sub"));
        ASSERT_TRUE(QFile::link("toys.ybk", base_ + "alias.ybk"));
        ASSERT_TRUE(QFile::link(base_ + "alias.ybk", base_ + "chain.ybk"));
        ASSERT_TRUE(QFile::link("gone.ybk", base_ + "dangling.ybk"));
        ASSERT_TRUE(QFile::link("sub", base_ + "into"));
        ASSERT_EQ(::link(QFile::encodeName(base_ + "toys.ybk").constData(),
                         QFile::encodeName(base_ + "hard.ybk").constData()),
                  0);
    }
    QString At(const QString &relative) const { return base_ + relative; }

    QTemporaryDir temp_;
    QString base_;
};

} // namespace

TEST_F(FileIdentity, OneFileByAnyPathTwoFilesNeverThoughTheirBytesAgree)
{
    struct Case {
        const char *a;
        const char *b;
        bool same;
    };
    const Case cases[] = {
        {"toys.ybk", "toys.ybk", true},
        {"alias.ybk", "toys.ybk", true},
        {"chain.ybk", "toys.ybk", true},
        {"sub/../toys.ybk", "./toys.ybk", true},
        {"sub//..//toys.ybk", "toys.ybk", true},
        {"hard.ybk", "toys.ybk", true},
        {"twin.ybk", "toys.ybk", false},
        {"alias.ybk", "twin.ybk", false},
        // No file, no identity: not even a path with itself.
        {"gone.ybk", "gone.ybk", false},
        {"dangling.ybk", "dangling.ybk", false},
        {"dangling.ybk", "gone.ybk", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(IsSameFile(At(c.a), At(c.b)), c.same);
        EXPECT_EQ(IsSameFile(At(c.b), At(c.a)), c.same);
    }
    EXPECT_FALSE(IsSameFile(QString(), QString()));
    EXPECT_FALSE(FileIdentityOf(At("gone.ybk")));
    EXPECT_EQ(FileIdentityOf(At("alias.ybk")), FileIdentityOf(At("toys.ybk")));
}

TEST_F(FileIdentity, CanonicalPathsResolveLinksAlsoForAFileNotThereYet)
{
    struct Case {
        const char *path;
        QString canonical;
    };
    const Case cases[] = {
        {"alias.ybk", At("toys.ybk")},
        {"chain.ybk", At("toys.ybk")},
        {"sub/../twin.ybk", At("twin.ybk")},
        // A hard link is a name of its own.
        {"hard.ybk", At("hard.ybk")},
        {"into/new.ybk", At("sub/new.ybk")},
        {"dangling.ybk", At("dangling.ybk")},
        {"nowhere/../nowhere/x/new.ybk", At("nowhere/x/new.ybk")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CanonicalFilePath(At(c.path)), c.canonical);
    }
    EXPECT_EQ(CanonicalFilePath("/new.ybk"), "/new.ybk");
}
