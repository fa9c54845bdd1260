// Moving an item to a profile on a disk that refuses the save (full, or
// read-only): the user is told why, and both files stay byte for byte as they
// were, the item still here. Where no tmpfs can be mounted the test is skipped.

#include "app/item_transfer.h"
#include "app/main_window.h"
#include "app/profile_search.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/small_disk.h"
#include "tests/support/temp_folder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

TEST(TransferRefused, AMoveToAProfileThatCannotBeWrittenKeepsBothFilesWhole)
{
    const QStringList here = {"Kite,red,$20,2,12/7/2026,0,True", "Ball,,$5,1,12/7/2026,0,False"};
    const QByteArray there = ProfileBytes({"Rake,,$9,3,12/7/2026,0,False"});
    struct Refusal {
        std::function<bool(TSmallDisk &)> refuse;
        const char *reason;
    };
    const Refusal refusals[] = {
        {[](TSmallDisk &disk) { return disk.Fill(); }, "No space left on device"},
        {[](TSmallDisk &disk) { return disk.MakeReadOnly(); }, "Read-only file system"}};
    for (const Refusal &refusal : refusals) {
        TSmallDisk disk;
        if (!disk.IsMounted())
            GTEST_SKIP() << disk.Reason().toStdString();
        const QString garden = disk.Path() + "garden.ybk";
        TTempFolder folder;
        folder.Write("blank.yearnbox", ProfileBytes(here));
        folder.Write("mpl.mpl", (garden + "\r\n").toLocal8Bit());
        QFile file(garden);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(there) == there.size());
        file.close();
        ASSERT_TRUE(refusal.refuse(disk)) << disk.Reason().toStdString();
        TRecordedMessageBoxes boxes;
        TScriptedFileDialogs dialogs;
        TForm1 form(folder.Path(), QString(), boxes, dialogs);
        form.LatticeGrid1()->SetSelectedRow(0);
        form.TransferItem({garden, "garden"}, TTransferKind::tkMove);
        EXPECT_EQ(boxes.shown, QStringList({"The item could not be moved to garden."}));
        ASSERT_EQ(boxes.details.size(), 1);
        EXPECT_TRUE(boxes.details[0].endsWith(refusal.reason)) << boxes.details[0].toStdString();
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes(here));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), there);
        QStringList files = QDir(disk.Path()).entryList(QDir::Files);
        files.removeAll("filler");
        EXPECT_EQ(files, QStringList({"garden.ybk"})) << "no temporary file was left";
        EXPECT_EQ(form.LatticeGrid1()->RowCount(), 2);
        EXPECT_FALSE(form.History().CanUndo());
    }
}
