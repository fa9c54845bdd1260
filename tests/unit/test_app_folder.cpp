// Where the program keeps its own files: beside a portable copy, in the data
// folder for an installed one, even where the installed copy could write.

#include "platform/app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ApplicationFolder, BesideAPortableCopyInTheDataFolderForAnInstalledOne)
{
    struct Row {
        const char *executable;
        const char *desktopEntry; // created when set
        bool dataFolder;
    };
    const Row rows[] = {
        {"portable", nullptr, false},
        {"bin", nullptr, false},                                      // a bin folder of one's own
        {"usr/bin", "usr/share/applications/yearnbox.desktop", true}, // installed
        {"opt/bin", "opt/share/applications/other.desktop", false},   // someone else's install
        {"usr/libexec", "usr/share/applications/yearnbox.desktop", false},
    };
    for (const Row &row : rows) {
        QTemporaryDir root;
        const QString executable = root.filePath(QString::fromLatin1(row.executable));
        ASSERT_TRUE(QDir().mkpath(executable));
        if (row.desktopEntry) {
            const QString entry = root.filePath(QString::fromLatin1(row.desktopEntry));
            ASSERT_TRUE(QDir().mkpath(QFileInfo(entry).path()));
            QFile file(entry);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const QString data = root.filePath(QStringLiteral("data"));
        const QString chosen = ChooseApplicationFolder(executable, data);
        EXPECT_EQ(chosen, row.dataFolder ? data + QStringLiteral("/yearnbox/")
                                         : executable + QLatin1Char('/'))
            << row.executable;
        EXPECT_EQ(QDir(data + QStringLiteral("/yearnbox")).exists(), row.dataFolder)
            << row.executable;
        EXPECT_TRUE(QDir(executable).entryList(QDir::Files | QDir::Hidden).isEmpty())
            << "the probe leaves nothing behind";
    }
}
