// Rolling backups of the profiles: which versions are kept, identical
// contents stored once, the size cap, saves that go on when no backup can be
// written, and each file's versions kept apart from another's of its name.

#include "app/main_window.h"
#include "app/profile_backups.h"
#include "app/restore_dialog.h"
#include "grid_window/lattice_grid.h"
#include "platform/files.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/scripted_modal_windows.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");

QDateTime At(int day, int hour)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, 0));
}

} // namespace

TEST(BackupRules, KeepTheNewestTheDailyOnesAndStayUnderTheCap)
{
    const QDate today(2026, 12, 9);
    const TBackupRules rules{3, 4, 100, 10};
    struct Case {
        const char *name;
        QList<TBackupEntry> newestFirst;
        qint64 profileSize;
        QList<int> drop;
    };
    const Case cases[] = {
        {"the newest three of one day",
         {{"", At(9, 5), 1}, {"", At(9, 4), 1}, {"", At(9, 3), 1}, {"", At(9, 2), 1}},
         1,
         {3}},
        {"plus the newest of each earlier day within four",
         {{"", At(9, 5), 1},
          {"", At(9, 4), 1},
          {"", At(9, 3), 1},
          {"", At(8, 9), 1},
          {"", At(8, 8), 1},
          {"", At(6, 1), 1},
          {"", At(5, 1), 1}},
         1,
         {4, 6}},
        {"over the cap the oldest go",
         {{"", At(9, 5), 60}, {"", At(9, 4), 30}, {"", At(8, 3), 30}},
         5,
         {2}},
        {"the cap follows the profile",
         {{"", At(9, 5), 60}, {"", At(9, 4), 30}, {"", At(8, 3), 30}},
         12,
         {}},
        {"the newest stays even over the cap", {{"", At(9, 5), 500}, {"", At(9, 4), 1}}, 1, {1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BackupsToDrop(c.newestFirst, c.profileSize, today, rules), c.drop);
    }
}

TEST(BackupRules, FolderNamesTellFilesOfOneNameApartAndStayWithinAFileName)
{
    struct Case {
        const char *name;
        QString path;
        QString legacy;
        QString folder;
    };
    const QString longName(251, u'x');
    const QString accents(124, u'\u00e9');
    QString faces;
    for (int i = 0; i < 62; ++i)
        faces += QString::fromUtf8("\xf0\x9f\x98\x80");
    const Case cases[] = {
        {"a profile", "/a/toys.ybk", "toys", "toys-d23dba68"},
        {"one of that name elsewhere", "/b/toys.ybk", "toys", "toys-a5325d4a"},
        {"the blank profile", "/a/blank.yearnbox", "blank.yearnbox", "blank.yearnbox-975808d1"},
        {"only an extension", "/a/.ybk", ".ybk", ".ybk-8e34f585"},
        {"a dot, once the backups folder itself", "/a/..ybk", ".", ".-434da1ab"},
        {"255 bytes", "/a/" + longName + ".ybk", longName, longName.left(246) + "-c212c3b6"},
        {"two-byte characters", "/a/" + accents + ".ybk", accents, accents.left(123) + "-509540ba"},
        {"four-byte characters", "/a/" + faces + ".ybk", faces, faces.left(2 * 61) + "-f4204258"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LegacyBackupFolderName(c.path), c.legacy);
        EXPECT_EQ(BackupFolderName(c.path), c.folder);
        EXPECT_LE(BackupFolderName(c.path).toUtf8().size(), 255);
    }
}

TEST(ProfileBackups, TwoFilesOfOneNameListAndPruneOnlyTheirOwnVersions)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TScriptedModalWindows modal;
    ASSERT_TRUE(QDir().mkpath(folder.File("a")) && QDir().mkpath(folder.File("b")));
    const QString a = folder.File("a/toys.ybk");
    const QString b = folder.File("b/toys.ybk");
    folder.Write("a/toys.ybk", ProfileBytes({kKite}));
    folder.Write("b/toys.ybk", ProfileBytes({kBall}));
    folder.Write("mpl.mpl", (a + "\r\n" + b + "\r\n").toLocal8Bit());
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    folder.BeforeRead = [&] { form.Profiles().WaitForSaves(); };
    form.SetModalWindows(&modal);
    TLatticeGrid &grid = *form.LatticeGrid1();
    form.Profiles().ShowProfile(a);
    grid.AddRow(1);
    grid.SetCells(0, 1, "Rake");
    form.Profiles().SaveCurrent(); // keeps a's Kite
    form.Profiles().ShowProfile(b);
    for (int save = 0; save < 25; ++save) {
        grid.AddRow(1);
        grid.SetCells(0, grid.RowCount() - 1, QString::number(save));
        // Each save on its own: saves asked for while one runs become one.
        form.Profiles().SaveCurrent();
        form.Profiles().WaitForSaves();
    }
    EXPECT_EQ(form.Profiles().Backups().List(b).size(), 20);
    form.Profiles().ShowProfile(a);
    QStringList listed;
    modal.answer = [&](QDialog &dialog) {
        auto &restore = static_cast<TRestoreDialog &>(dialog);
        while (restore.SummarizeNext()) {
        }
        QTreeWidget &versions = *restore.Versions();
        for (int i = 0; i < versions.topLevelItemCount(); ++i)
            listed << versions.topLevelItem(i)->text(1) + ":" + versions.topLevelItem(i)->text(2);
        versions.setCurrentItem(versions.topLevelItem(0));
        dialog.accept();
    };
    form.RestoreAnEarlierVersion();
    EXPECT_EQ(listed, QStringList({"1:\u2212Rake"}));
    EXPECT_EQ(folder.Read("a/toys.ybk"), ProfileBytes({kKite}));
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.GetCells(0, 0), "Kite");
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(ProfileBackups, ASharedFolderOfOldIsAdoptedOnlyByTheOneKnownFileOfItsName)
{
    struct Case {
        const char *name;
        QStringList listed;
        // The old versions that the first listing of a/toys.ybk offers, and
        // those left in the shared folder after 25 saves of it.
        int adopted;
        int left;
    };
    const Case cases[] = {
        {"one file of that name", {"a/toys.ybk", "a/kite.ybk"}, 2, 0},
        {"two files of that name", {"a/toys.ybk", "b/toys.ybk"}, 0, 2},
        {"a link to the same file", {"a/toys.ybk", "b/toys.ybk -> a/toys.ybk"}, 2, 0},
        // Its versions may be among them, and it may come back.
        {"a listed file that is gone", {"a/toys.ybk", "b/toys.ybk -> gone"}, 0, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TTempFolder folder;
        ASSERT_TRUE(QDir().mkpath(folder.File("a")) && QDir().mkpath(folder.File("b")) &&
                    QDir().mkpath(folder.File("backups/toys")));
        QByteArray lines;
        for (const QString &entry : c.listed) {
            const QStringList parts = entry.split(" -> ");
            if (parts.size() == 1) {
                folder.Write(parts[0], ProfileBytes({kKite}));
            } else if (parts[1] != "gone") {
                ASSERT_TRUE(QFile::link(folder.File(parts[1]), folder.File(parts[0])));
            }
            lines += (folder.File(parts[0]) + "\r\n").toLocal8Bit();
        }
        folder.Write("mpl.mpl", lines);
        const QString a = folder.File("a/toys.ybk");
        for (const int day : {1, 2})
            folder.Write("backups/toys/" +
                             BackupFileName(QDateTime(QDate(2020, 1, day), QTime(9, 0)), day),
                         ProfileBytes({kBall}));
        TProfileBackups backups(folder.Path());
        int adopted = 0;
        for (const TBackupEntry &entry : backups.List(a))
            adopted += entry.time.date().year() == 2020;
        for (int save = 0; save < 25; ++save) {
            backups.Keep(a);
            WriteWholeFile(a, QByteArray::number(save));
        }
        EXPECT_EQ(adopted, c.adopted);
        EXPECT_EQ(QDir(folder.File("backups/toys")).entryList(QDir::Files).size(), c.left);
    }
}

TEST(ProfileBackups, ThirtySavesKeepTwentyVersionsEachOnceUnderTheCap)
{
    TTempFolder folder;
    TProfileBackups backups(folder.Path());
    const QString profile = folder.File("list.ybk");
    for (int save = 0; save < 30; ++save) {
        backups.Keep(profile);
        // Every fifth save writes what the one before wrote.
        WriteWholeFile(profile,
                       QByteArray::number(save % 5 == 4 ? save - 1 : save) + QByteArray(1000, 'x'));
    }
    // Newest first in the order they were kept (many within one millisecond),
    // each content once: the newest is the one the last save replaced.
    QList<int> kept;
    qint64 total = 0;
    for (const TBackupEntry &entry : backups.List(profile)) {
        kept.append(
            folder.Read(QDir(folder.Path()).relativeFilePath(entry.path)).chopped(1000).toInt());
        total += entry.size;
    }
    EXPECT_EQ(kept, QList<int>({28, 27, 26, 25, 23, 22, 21, 20, 18, 17,
                                16, 15, 13, 12, 11, 10, 8,  7,  6,  5}));
    EXPECT_LE(total, 5 << 20);
}

TEST(ProfileBackups, ASaveGoesOnWhenNoBackupCanBeWritten)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    TLatticeGrid &grid = *form.LatticeGrid1();
    const QString backupFolder = form.Profiles().Backups().FolderFor(form.CurrentProfilePath());
    ASSERT_TRUE(QDir().mkpath(backupFolder));
    // A read-only folder; root writes into any folder, so for root a file
    // stands where the folder would be.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_TRUE(QDir(backupFolder).removeRecursively());
        QFile blocker(backupFolder.chopped(1));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    } else {
        QFile::setPermissions(backupFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    grid.AddRow(1);
    grid.SetCells(0, 0, "Kite");
    form.Profiles().SaveCurrent();
    form.Profiles().WaitForSaves();
    if (!root)
        QFile::setPermissions(backupFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner);
    const QByteArray bytes = folder.Read("blank.yearnbox");
    EXPECT_TRUE(QStringView(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                            (bytes.size() - 2) / 2)
                    .startsWith(u"Kite,"));
    EXPECT_TRUE(form.Profiles().Backups().List(form.CurrentProfilePath()).isEmpty());
    EXPECT_TRUE(boxes.shown.isEmpty());
}
