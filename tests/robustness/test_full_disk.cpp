// Saves on a full or read-only disk: a small tmpfs holds the application
// folder with a saved profile and is then filled to the last byte or made
// read-only. Every save fails, the failure is reported the way each operation
// reports it, naming the file and the system's reason, and every file stays
// byte for byte as it was. Where no tmpfs can be mounted the tests are skipped.

#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/cells_expect.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/small_disk.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <ostream>

namespace {

// How the disk refuses a save, and the system's reason for it.
struct TRefusal {
    const char *name;
    std::function<bool(TSmallDisk &)> refuse;
    const char *reason;
    // Whether a file of a few bytes, like the settings, can still be saved.
    bool smallFilesFit = false;
};

// The profile outgrows a page, so on a disk with a page to spare its save
// stops part-way.
const QString kLongName = QString(3000, u'K');

void PrintTo(const TRefusal &refusal, std::ostream *out)
{
    *out << refusal.name;
}

const TRefusal kFull{"Full", [](TSmallDisk &disk) { return disk.Fill(); },
                     "No space left on device"};
// Room for a small save, not for the profile's.
const TRefusal kPageSpare{"APageSpare", [](TSmallDisk &disk) { return disk.Fill(4096); },
                          "No space left on device", true};
const TRefusal kReadOnly{"ReadOnly", [](TSmallDisk &disk) { return disk.MakeReadOnly(); },
                         "Read-only file system"};

class FullDiskTest : public ::testing::TestWithParam<TRefusal> {
protected:
    void SetUp() override
    {
        if (!disk.IsMounted())
            GTEST_SKIP() << disk.Reason().toStdString();
        form = std::make_unique<TForm1>(disk.Path(), QString(), boxes, dialogs);
        AddItem(kLongName, "$20");
        dialogs.Answer(File("toys.ybk"));
        form->SpeedButton1()->click();
        AddItem("Ball", "$5");
        ASSERT_TRUE(boxes.shown.isEmpty());
        ASSERT_EQ(form->CurrentProfilePath(), File("toys.ybk"));
        before = Files();
        ASSERT_EQ(before.size(), 4u) << "profile, blank profile, list and settings";
        ASSERT_TRUE(GetParam().refuse(disk)) << disk.Reason().toStdString();
    }

    // What an automatic save of the named file says.
    QString WriteError(const QString &name) const
    {
        return "File could not be written: \"" + File(name) + "\": " + GetParam().reason;
    }

    QString File(const QString &name) const { return disk.Path() + name; }
    TLatticeGrid &Grid() { return *form->LatticeGrid1(); }
    // An item through the entry panel; Save Item saves the list at once.
    void AddItem(const QString &name, const QString &price)
    {
        form->Edit1()->setText(name);
        form->Edit3()->setText(price);
        form->BitBtn2()->click();
        // Its save runs in the background: its failure is reported when it ends.
        form->Profiles().WaitForSaves();
    }
    // Every file of the folder but the filler and the backups, with its bytes.
    std::map<QString, QByteArray> Files() const
    {
        form->Profiles().WaitForSaves();
        std::map<QString, QByteArray> files;
        const QDir folder(disk.Path());
        for (const QString &name : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                    QDir::NoDotAndDotDot)) {
            if (name == QLatin1String("filler") || name == QLatin1String("backups"))
                continue;
            QFile file(folder.filePath(name));
            files[name] =
                file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        }
        return files;
    }
    QByteArray GridBytes()
    {
        return EncodeTextFile(Grid().SaveToText(u',', u'|'), TEncodingKind::ekUnicode);
    }

    TSmallDisk disk;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::map<QString, QByteArray> before;
};

// Only saves of the whole profile: they outgrow a spare page.
class AutomaticSaveTest : public FullDiskTest {};

std::string RefusalName(const ::testing::TestParamInfo<TRefusal> &info)
{
    return info.param.name;
}

} // namespace

TEST_P(AutomaticSaveTest, ReportsTheErrorKeepsTheFileAndSavesTheItemLater)
{
    AddItem("Book", "$9");
    EXPECT_EQ(boxes.shown, QStringList({WriteError("toys.ybk")}));
    EXPECT_EQ(Files(), before) << "no file changed and no temporary file was left";
    // The program goes on with the item in the list.
    ASSERT_EQ(Grid().RowCount(), 3);
    EXPECT_EQ(Grid().GetCells(0, 2), "Book");

    // Where the settings cannot be written either, that is ignored.
    form->close();
    EXPECT_EQ(boxes.shown.size(), 1);
    if (GetParam().smallFilesFit)
        EXPECT_EQ(Files().at("toys.ybk"), before.at("toys.ybk"));
    else
        EXPECT_EQ(Files(), before);

    disk.MakeRoom();
    form->Profiles().SaveCurrent();
    EXPECT_EQ(Files().at("toys.ybk"), GridBytes()) << "the next save holds all three items";
}

TEST_P(FullDiskTest, SaveThisProfileSaysFileCouldNotBeSavedWhyAndChangesNothing)
{
    for (const QString name : {"books.ybk", "toys.ybk"}) {
        dialogs.Answer(File(name));
        form->SpeedButton1()->click();
        EXPECT_EQ(boxes.shown, QStringList({"File could not be saved."})) << name.toStdString();
        ASSERT_EQ(boxes.details.size(), 1);
        EXPECT_TRUE(boxes.details[0].contains("\"" + File(name) + "\": "))
            << boxes.details[0].toStdString();
        EXPECT_TRUE(boxes.details[0].endsWith(GetParam().reason)) << boxes.details[0].toStdString();
        boxes.shown.clear();
        boxes.details.clear();
        EXPECT_EQ(Files(), before) << name.toStdString();
        EXPECT_EQ(form->CurrentProfilePath(), File("toys.ybk"));
        EXPECT_EQ(form->ComboBox1()->count(), 1);
        EXPECT_EQ(form->ComboBox1()->currentText(), "toys");
    }
}

TEST_P(FullDiskTest, ANewListThatCannotBeSavedNeverOverwritesTheProfileLater)
{
    form->SpeedButton4()->click();
    EXPECT_EQ(boxes.shown, QStringList({WriteError("blank.yearnbox")}));
    EXPECT_EQ(Files(), before);

    disk.MakeRoom();
    AddItem("Book", "$9");
    EXPECT_EQ(Files().at("toys.ybk"), before.at("toys.ybk"))
        << "the new list's item went to the blank profile, not over the profile";
    EXPECT_EQ(Files().at("blank.yearnbox"), GridBytes());
}

INSTANTIATE_TEST_SUITE_P(Disk, AutomaticSaveTest, ::testing::Values(kFull, kPageSpare, kReadOnly),
                         RefusalName);
INSTANTIATE_TEST_SUITE_P(Disk, FullDiskTest, ::testing::Values(kFull, kReadOnly), RefusalName);
