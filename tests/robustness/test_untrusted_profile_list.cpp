// Profile lists that do not match the folder: a listed profile that is
// deleted after the drop-down list was filled, and "mpl.mpl" files of random
// bytes. Neither loses the list in use nor stops the program.

#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/cells_expect.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QComboBox>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kNotLoaded =
    QStringLiteral("Profile could not be loaded; it may be missing or corrupt.");

// The user picks an entry of the drop-down list.
void Choose(TForm1 &form, int index)
{
    form.ComboBox1()->setCurrentIndex(index);
    emit form.ComboBox1()->activated(index);
}

// Random bytes with what breaks text readers mixed in: NULs, bytes that are
// no UTF-8, lone CRs and LFs, and one line of a mebibyte.
QByteArray RandomProfileList(quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes;
    for (int piece = 0; piece < 400; ++piece) {
        switch (random.bounded(6)) {
        case 0: bytes += QByteArray(random.bounded(1, 8), '\0'); break;
        case 1: bytes += "\xC3\x28\xFF\xFE\xE2\x82"; break;
        case 2: bytes += random.bounded(2) ? "\r" : "\n"; break;
        case 3: bytes += "/no/such/folder/toys.ybk\r\n"; break;
        default:
            for (int i = random.bounded(1, 200); i > 0; --i)
                bytes += char(random.bounded(256));
        }
        if (piece == 200)
            bytes += QByteArray(1024 * 1024, char(0x80 + random.bounded(0x80)));
    }
    return bytes;
}

} // namespace

TEST(UntrustedProfileList, AProfileDeletedAfterListingFailsToLoadAndKeepsTheListInUse)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    folder.Write("toys.ybk",
                 ProfileBytes({"Kite,red,$20,2,12/7/2026,0,True", "Ball,,$5,1,12/7/2026,0,False"}));
    folder.Write("books.ybk", ProfileBytes({"Atlas,,$30,3,12/7/2026,0,False"}));
    folder.Write(
        "mpl.mpl",
        (folder.File("toys.ybk") + "\r\n" + folder.File("books.ybk") + "\r\n").toLocal8Bit());
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    ASSERT_EQ(form.ComboBox1()->count(), 2);
    Choose(form, 0);
    ASSERT_EQ(form.LatticeGrid1()->RowCount(), 2);
    const QByteArray toys = folder.Read("toys.ybk");

    ASSERT_TRUE(QFile::remove(folder.File("books.ybk")));
    Choose(form, 1);
    EXPECT_EQ(boxes.shown, QStringList({kNotLoaded}));
    TLatticeGrid &grid = *form.LatticeGrid1();
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.GetCells(0, 0), "Kite");
    EXPECT_EQ(grid.GetCells(0, 1), "Ball");
    EXPECT_EQ(grid.GetCell(0, 0)->GetColor(), clYellow);
    EXPECT_EQ(form.CurrentProfilePath(), folder.File("toys.ybk"));
    // The next automatic save goes to the list in use, with its rows.
    form.Profiles().SaveCurrent();
    EXPECT_EQ(folder.Read("toys.ybk"), toys);
    EXPECT_FALSE(folder.Exists("books.ybk"));
}

TEST(UntrustedProfileList, ARandomProfileListNeverStopsStartUpOrAChoice)
{
    for (quint32 seed : {1u, 2u, 3u, 4u}) {
        TTempFolder folder;
        TRecordedMessageBoxes boxes;
        TScriptedFileDialogs dialogs;
        folder.Write("blank.yearnbox", ProfileBytes({"Kite,,$20,2,12/7/2026,0,False"}));
        folder.Write("mpl.mpl", RandomProfileList(seed));
        TForm1 form(folder.Path(), QString(), boxes, dialogs);
        EXPECT_TRUE(boxes.shown.isEmpty()) << "seed " << seed;
        EXPECT_EQ(form.CurrentProfilePath(), folder.File("blank.yearnbox")) << "seed " << seed;
        ASSERT_EQ(form.LatticeGrid1()->RowCount(), 1) << "seed " << seed;
        ASSERT_GT(form.ComboBox1()->count(), 2) << "seed " << seed;
        for (int index : {0, 1, form.ComboBox1()->count() - 1}) {
            Choose(form, index);
            EXPECT_EQ(boxes.shown, QStringList({kNotLoaded}))
                << "seed " << seed << ", entry " << index;
            boxes.shown.clear();
            EXPECT_EQ(form.LatticeGrid1()->GetCells(0, 0), "Kite") << "seed " << seed;
            EXPECT_EQ(form.CurrentProfilePath(), folder.File("blank.yearnbox")) << "seed " << seed;
        }
    }
}
