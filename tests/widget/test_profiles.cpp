// The profile operations of the main window: save, load, choose, delete and
// start a new list, with the profile list "mpl.mpl" and the drop-down list.

#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "platform/save_lock.h"
#include "tests/support/main_window_test.h"
#include "tests/support/wait_until.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace {

const QByteArray kBom("\xFF\xFE", 2);
const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");
const QString kBook = QStringLiteral("Book,,$9,3,12/7/2026,0,False");

class ProfilesTest : public TMainWindowTest {
protected:
    void SetUp() override { Restart(); }

    void Restart(const QString &commandLineFile = QString())
    {
        form.reset();
        form = std::make_unique<TForm1>(folder.Path(), commandLineFile, boxes, dialogs);
    }
    QComboBox &List() { return *form->ComboBox1(); }
    QStringList Entries()
    {
        QStringList entries;
        for (int i = 0; i < List().count(); ++i)
            entries.append(List().itemText(i));
        return entries;
    }
    // The user picks an entry of the drop-down list.
    void Choose(int index)
    {
        List().setCurrentIndex(index);
        emit List().activated(index);
    }
    void SaveAs(const QString &path)
    {
        dialogs.Answer(path);
        form->SpeedButton1()->click();
    }
    void LoadThrough(const QString &path)
    {
        dialogs.Answer(path);
        form->SpeedButton2()->click();
    }
    void AddItem(const QString &name)
    {
        Grid().AddRow(1);
        Grid().SetCells(0, Grid().RowCount() - 1, name);
        form->Profiles().SaveCurrent();
    }
    QByteArray ListFile() { return folder.Read("mpl.mpl"); }
};

} // namespace

TEST_F(ProfilesTest, SavingUnderANewNameWritesTheFileListsItAndMakesItCurrent)
{
    AddItem("Kite");
    SaveAs(folder.File("groceries"));
    const QString file = folder.File("groceries.ybk");
    EXPECT_EQ(folder.Read("groceries.ybk"), ProfileBytes({"Kite,,,0,,0,False"}));
    EXPECT_EQ(ListFile(), (file + "\r\n").toLocal8Bit());
    EXPECT_EQ(Entries(), QStringList({"groceries"}));
    EXPECT_EQ(List().currentIndex(), 0);
    EXPECT_EQ(form->CurrentProfilePath(), file);

    AddItem("Ball");
    EXPECT_EQ(folder.Read("groceries.ybk"),
              ProfileBytes({"Kite,,,0,,0,False", "Ball,,,0,,0,False"}));
    // The item added before went to the blank profile, current at that time.
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({"Kite,,,0,,0,False"}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ProfilesTest, TheSaveDialogHasItsTitleAndFilterAndStartsFromTheLastName)
{
    SaveAs(folder.File("groceries"));
    SaveAs(folder.File("groceries.YBK"));
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked[0].kind, TFileDialogKind::fdSave);
    EXPECT_EQ(dialogs.asked[0].title, "Save Yearnbox Profile");
    EXPECT_EQ(dialogs.asked[0].filter, "Yearnbox Profile (*.ybk)");
    EXPECT_EQ(dialogs.asked[0].fileName, "");
    EXPECT_EQ(dialogs.asked[1].fileName, folder.File("groceries.ybk"));
    // Only the exact lower-case extension counts.
    EXPECT_TRUE(folder.Exists("groceries.YBK.ybk"));
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("groceries.YBK.ybk"));
    EXPECT_EQ(Entries(), QStringList({"groceries", "groceries.YBK"}));
}

TEST_F(ProfilesTest, CancellingTheSaveDialogChangesNothing)
{
    dialogs.Answer(std::nullopt);
    form->SpeedButton1()->click();
    EXPECT_FALSE(folder.Exists("mpl.mpl"));
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ProfilesTest, SavingTheSameNameAgainAddsNeitherALineNorAnEntry)
{
    SaveAs(folder.File("groceries.ybk"));
    AddItem("Kite");
    SaveAs(folder.File("groceries.ybk"));
    EXPECT_EQ(ListFile(), (folder.File("groceries.ybk") + "\r\n").toLocal8Bit());
    EXPECT_EQ(Entries(), QStringList({"groceries"}));
    EXPECT_EQ(folder.Read("groceries.ybk"), ProfileBytes({"Kite,,,0,,0,False"}));
}

TEST_F(ProfilesTest, ANameThatExistsInAnotherFolderKeepsTheFirstFileInTheList)
{
    QDir(folder.Path()).mkdir("other");
    SaveAs(folder.File("toys.ybk"));
    AddItem("Kite");
    SaveAs(folder.File("other/toys.ybk"));
    AddItem("Ball");
    EXPECT_EQ(folder.Read("other/toys.ybk"),
              ProfileBytes({"Kite,,,0,,0,False", "Ball,,,0,,0,False"}));
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("other/toys.ybk"));
    EXPECT_EQ(ListFile(), (folder.File("toys.ybk") + "\r\n").toLocal8Bit());
    EXPECT_EQ(Entries(), QStringList({"toys"}));

    Choose(0);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("toys.ybk"));
    EXPECT_EQ(Grid().RowCount(), 1);
}

TEST_F(ProfilesTest, AFailedSaveSaysSoAndKeepsTheCurrentProfile)
{
    SaveAs(folder.File("missing/folder/toys.ybk"));
    EXPECT_EQ(boxes.shown, QStringList({"File could not be saved."}));
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));
    EXPECT_EQ(Entries(), QStringList());
    EXPECT_FALSE(folder.Exists("mpl.mpl"));
}

TEST_F(ProfilesTest, ChoosingAProfileLoadsItColoursItsMarksAndMakesItCurrent)
{
    folder.Write("toys.ybk", ProfileBytes({kBall, kKite}));
    folder.Write("mpl.mpl", (folder.File("toys.ybk") + "\r\n").toLocal8Bit());
    Restart();
    ASSERT_EQ(Entries(), QStringList({"toys"}));
    Choose(0);
    ASSERT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().GetCell(0, 0)->GetColor(), clWhite);
    EXPECT_EQ(Grid().GetCell(6, 1)->GetColor(), clYellow);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("toys.ybk"));
    EXPECT_EQ(List().currentIndex(), 0);
}

TEST_F(ProfilesTest, SelectingFromCodeLoadsNothing)
{
    folder.Write("toys.ybk", ProfileBytes({kBall}));
    folder.Write("mpl.mpl", (folder.File("toys.ybk") + "\r\n").toLocal8Bit());
    Restart();
    List().setCurrentIndex(0);
    EXPECT_EQ(Grid().RowCount(), 0);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));
}

TEST_F(ProfilesTest, AFailedChoiceLeavesTheListTheRowsAndThePathAsTheyWere)
{
    folder.Write("good.ybk", ProfileBytes({kBall, kKite}));
    folder.Write("bad.ybk", ProfileBytes({kBook, "x,x,x,notanumber,x,0,False"}));
    folder.Write("mpl.mpl", (folder.File("good.ybk") + "\r\n" + folder.File("bad.ybk") + "\r\n" +
                             folder.File("gone.ybk") + "\r\n")
                                .toLocal8Bit());
    Restart();
    Choose(0);
    const QByteArray before = folder.Read("good.ybk");
    for (int bad : {1, 2}) {
        Choose(bad);
        EXPECT_EQ(boxes.shown.takeFirst(),
                  "Profile could not be loaded; it may be missing or corrupt.");
        EXPECT_EQ(Grid().RowCount(), 2);
        EXPECT_EQ(Grid().GetCells(0, 0), "Ball");
        EXPECT_EQ(Grid().GetCell(0, 1)->GetColor(), clYellow);
        EXPECT_EQ(form->CurrentProfilePath(), folder.File("good.ybk"));
    }
    // The next automatic save writes the list it still shows.
    form->Profiles().SaveCurrent();
    EXPECT_EQ(folder.Read("good.ybk"), before);
}

TEST_F(ProfilesTest, LoadingThroughTheDialogLeavesTheListAndTheColoursAlone)
{
    folder.Write("toys.ybk", ProfileBytes({kKite}));
    LoadThrough(folder.File("toys.ybk"));
    ASSERT_EQ(Grid().RowCount(), 1);
    EXPECT_EQ(Grid().GetCell(0, 0)->GetColor(), clWhite);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("toys.ybk"));
    EXPECT_FALSE(folder.Exists("mpl.mpl"));
    EXPECT_EQ(Entries(), QStringList());
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].kind, TFileDialogKind::fdOpen);
    EXPECT_EQ(dialogs.asked[0].title, "Load Yearnbox Profile");
    EXPECT_EQ(dialogs.asked[0].filter, "Yearnbox Profile (*.ybk)");
}

TEST_F(ProfilesTest, LoadingAnUpperCaseExtensionLooksForTheNameWithYbkAppended)
{
    folder.Write("toys.YBK", ProfileBytes({kKite}));
    AddItem("Ball");
    LoadThrough(folder.File("toys.YBK"));
    EXPECT_EQ(boxes.shown, QStringList({"Profile could not be loaded."}));
    EXPECT_EQ(Grid().RowCount(), 1);
    EXPECT_EQ(Grid().GetCells(0, 0), "Ball");
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));

    folder.Write("toys.YBK.ybk", ProfileBytes({kKite, kBall}));
    LoadThrough(folder.File("toys.YBK"));
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("toys.YBK.ybk"));
}

TEST_F(ProfilesTest, DeletingTheOnlyProfileEmptiesItsLineAndLoadsTheBlankProfile)
{
    SaveAs(folder.File("toys.ybk"));
    AddItem("Kite");
    form->Profiles().CreateANewYearnbox();
    AddItem("Ball");
    List().setCurrentIndex(0);
    form->SpeedButton3()->click();
    EXPECT_FALSE(folder.Exists("toys.ybk"));
    EXPECT_EQ(ListFile(), QByteArray("\r\n"));
    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(List().currentIndex(), -1);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));
    ASSERT_EQ(Grid().RowCount(), 1);
    EXPECT_EQ(Grid().GetCells(0, 0), "Ball");
    EXPECT_EQ(boxes.shown, QStringList({"toys has been deleted. A new Yearnbox was loaded!"}));
}

TEST_F(ProfilesTest, DeletingTheSecondOfThreeThenChoosingTheThirdLoadsTheThird)
{
    for (const char *name : {"one", "two", "three"}) {
        form->Profiles().CreateANewYearnbox();
        AddItem(name);
        SaveAs(folder.File(QString::fromLatin1(name) + ".ybk"));
    }
    List().setCurrentIndex(1);
    form->SpeedButton3()->click();
    EXPECT_EQ(
        ListFile(),
        (folder.File("one.ybk") + "\r\n\r\n" + folder.File("three.ybk") + "\r\n").toLocal8Bit());
    EXPECT_EQ(Entries(), QStringList({"one", "three"}));
    EXPECT_EQ(List().currentIndex(), 0);
    // Selecting the first entry after a delete does not load it.
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));

    Restart();
    EXPECT_EQ(Entries(), QStringList({"one", "three"}));
    Choose(1);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("three.ybk"));
    EXPECT_EQ(Grid().GetCells(0, 0), "three");
}

TEST_F(ProfilesTest, DeletingWithNothingSelectedDoesNothing)
{
    SaveAs(folder.File("toys.ybk"));
    Restart();
    ASSERT_EQ(List().currentIndex(), -1);
    form->SpeedButton3()->click();
    EXPECT_TRUE(folder.Exists("toys.ybk"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ProfilesTest, DeletingAProfileWhoseFileIsGoneStillEmptiesItsLine)
{
    SaveAs(folder.File("toys.ybk"));
    QFile::remove(folder.File("toys.ybk"));
    Choose(0);
    EXPECT_EQ(boxes.shown.takeFirst(),
              "Profile could not be loaded; it may be missing or corrupt.");
    List().setCurrentIndex(0);
    form->SpeedButton3()->click();
    EXPECT_EQ(ListFile(), QByteArray("\r\n"));
    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(boxes.shown, QStringList({"toys has been deleted. A new Yearnbox was loaded!"}));
}

TEST_F(ProfilesTest, AMissingProfileListFailsChoosingAndDeletingButNotSaving)
{
    SaveAs(folder.File("toys.ybk"));
    QFile::remove(folder.File("mpl.mpl"));
    Choose(0);
    EXPECT_EQ(boxes.shown.takeFirst(),
              "Profile could not be loaded; it may be missing or corrupt.");
    List().setCurrentIndex(0);
    form->SpeedButton3()->click();
    EXPECT_EQ(boxes.shown.takeFirst(), "The current profile could not be deleted, sorry.");
    EXPECT_TRUE(folder.Exists("toys.ybk"));
    // Filling the list without the file keeps the entries.
    form->Profiles().FillProfileList();
    EXPECT_EQ(Entries(), QStringList({"toys"}));
    SaveAs(folder.File("books.ybk"));
    EXPECT_EQ(ListFile(), (folder.File("books.ybk") + "\r\n").toLocal8Bit());
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ProfilesTest, ANewListEmptiesTheGridAndSavesToTheBlankProfile)
{
    SaveAs(folder.File("toys.ybk"));
    AddItem("Kite");
    const QByteArray toys = folder.Read("toys.ybk");
    form->SpeedButton4()->click();
    EXPECT_EQ(Grid().RowCount(), 0);
    EXPECT_EQ(folder.Read("blank.yearnbox"), kBom);
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));
    EXPECT_EQ(List().currentText(), "toys");
    AddItem("Ball");
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({"Ball,,,0,,0,False"}));
    EXPECT_EQ(folder.Read("toys.ybk"), toys);
}

TEST_F(ProfilesTest, ANewListThatCannotBeSavedReportsTheErrorTextAndSparesTheProfile)
{
    SaveAs(folder.File("toys.ybk"));
    AddItem("Kite");
    const QByteArray toys = folder.Read("toys.ybk");
    // The blank profile replaced by a folder: the save cannot replace it.
    QFile::remove(folder.File("blank.yearnbox"));
    QDir(folder.Path()).mkdir("blank.yearnbox");
    form->SpeedButton4()->click();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith("File could not be"));
    EXPECT_EQ(Grid().RowCount(), 0);
    // The emptied list belongs to the blank profile: its saves fail too, and
    // never replace the profile that was current.
    EXPECT_EQ(form->CurrentProfilePath(), folder.File("blank.yearnbox"));
    AddItem("Ball");
    EXPECT_EQ(folder.Read("toys.ybk"), toys);
    EXPECT_EQ(boxes.shown.size(), 2);
}

TEST_F(ProfilesTest, ASaveThatFailsInTheBackgroundIsReportedByNameAndTheNextChangeSavesAgain)
{
    SaveAs(folder.File("toys.ybk"));
    AddItem("Kite");
    ASSERT_EQ(folder.Read("toys.ybk"), ProfileBytes({"Kite,,,0,,0,False"}));
    // A folder in the profile's place: no file can be renamed over it.
    QFile::remove(folder.File("toys.ybk"));
    QDir(folder.Path()).mkdir("toys.ybk");
    AddItem("Ball");
    ASSERT_TRUE(WaitUntil([&] { return !boxes.shown.isEmpty(); }));
    EXPECT_TRUE(boxes.shown[0].contains(folder.File("toys.ybk"))) << boxes.shown[0].toStdString();
    QDir(folder.Path()).rmdir("toys.ybk");
    AddItem("Book");
    EXPECT_EQ(folder.Read("toys.ybk"),
              ProfileBytes({"Kite,,,0,,0,False", "Ball,,,0,,0,False", "Book,,,0,,0,False"}));
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST_F(ProfilesTest, ClosingTheWindowWaitsForTheLastSaveAndSaysItIsSaving)
{
    SaveAs(folder.File("toys.ybk"));
    // Another saver holds the folder's lock for a while: the save waits.
    auto other = std::make_unique<TSaveLock>(folder.File("toys.ybk"));
    AddItem("Kite");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        other.reset();
    });
    form->close();
    release.join();
    QFile file(folder.File("toys.ybk"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ProfileBytes({"Kite,,,0,,0,False"}));
    const QList<QLabel *> labels = form->findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel *label) { return label->text() == "Saving…"; }));
}

TEST_F(ProfilesTest, TheSpeedButtonsSitAtTheTopAndNeverTakeTheFocus)
{
    struct Expected {
        QToolButton *button;
        int left;
        const char *hint;
        bool shown;
    };
    const Expected expected[] = {
        {form->SpeedButton4(), 403, "Create a New Yearnbox", false},
        {form->SpeedButton1(), 426, "Save this Profile", true},
        {form->SpeedButton2(), 449, "Load a Profile", true},
        {form->SpeedButton3(), 620, "Delete the active profile", true},
    };
    for (const Expected &e : expected) {
        EXPECT_EQ(e.button->geometry(), QRect(e.left, 8, 23, 22)) << e.hint;
        EXPECT_EQ(e.button->focusPolicy(), Qt::NoFocus) << e.hint;
        EXPECT_TRUE(e.button->autoRaise()) << e.hint;
        EXPECT_EQ(e.button->statusTip(), e.hint);
        EXPECT_EQ(e.button->toolTip(), e.shown ? QString(e.hint) : QString()) << e.hint;
    }
}
