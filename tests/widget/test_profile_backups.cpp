// Rolling backups of the profiles: which versions are kept, identical
// contents stored once, the size cap, and saves that go on when no backup can
// be written.

#include "app/main_window.h"
#include "app/profile_backups.h"
#include "grid/columns/lattice_grid.h"
#include "platform/files.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QDateTime At(int day, int hour) { return QDateTime(QDate(2026, 12, day), QTime(hour, 0)); }

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
        {"the newest three of one day", {{"", At(9, 5), 1}, {"", At(9, 4), 1}, {"", At(9, 3), 1}, {"", At(9, 2), 1}}, 1, {3}},
        {"plus the newest of each earlier day within four",
         {{"", At(9, 5), 1}, {"", At(9, 4), 1}, {"", At(9, 3), 1}, {"", At(8, 9), 1}, {"", At(8, 8), 1},
          {"", At(6, 1), 1}, {"", At(5, 1), 1}},
         1, {4, 6}},
        {"over the cap the oldest go", {{"", At(9, 5), 60}, {"", At(9, 4), 30}, {"", At(8, 3), 30}}, 5, {2}},
        {"the cap follows the profile", {{"", At(9, 5), 60}, {"", At(9, 4), 30}, {"", At(8, 3), 30}}, 12, {}},
        {"the newest stays even over the cap", {{"", At(9, 5), 500}, {"", At(9, 4), 1}}, 1, {1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BackupsToDrop(c.newestFirst, c.profileSize, today, rules), c.drop);
    }
}

TEST(BackupRules, FolderNames)
{
    EXPECT_EQ(BackupFolderName("/a/groceries.ybk"), "groceries");
    EXPECT_EQ(BackupFolderName("/a/blank.yearnbox"), "blank.yearnbox");
    EXPECT_EQ(BackupFolderName("/a/.ybk"), ".ybk");
}

TEST(ProfileBackups, ThirtySavesKeepTwentyVersionsEachOnceUnderTheCap)
{
    TTempFolder folder;
    TProfileBackups backups(folder.Path());
    const QString profile = folder.File("list.ybk");
    for (int save = 0; save < 30; ++save) {
        backups.Keep(profile);
        // Every fifth save writes what the one before wrote.
        WriteWholeFile(profile, QByteArray::number(save % 5 == 4 ? save - 1 : save) +
                                    QByteArray(1000, 'x'));
    }
    // Newest first in the order they were kept (many within one millisecond),
    // each content once: the newest is the one the last save replaced.
    QList<int> kept;
    qint64 total = 0;
    for (const TBackupEntry &entry : backups.List(profile)) {
        kept.append(folder.Read(QDir(folder.Path()).relativeFilePath(entry.path)).chopped(1000).toInt());
        total += entry.size;
    }
    EXPECT_EQ(kept, QList<int>({28, 27, 26, 25, 23, 22, 21, 20, 18, 17, 16, 15, 13, 12, 11, 10, 8, 7, 6, 5}));
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
