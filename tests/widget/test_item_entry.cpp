// The item entry panel: New Item, Save Item and Cancel with their slides, and
// the background click that parks the focus.

#include "app/duplicate_line.h"
#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"
#include "tests/support/wait_until.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

const char kFillInMore[] =
    "Please fill in more information about this item before trying to add it.";

// One tick of a running timer, without waiting for it.
void Tick(QTimer *timer)
{
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

QString TodayText()
{
    return QLocale().toString(QDate::currentDate(), QStringLiteral("M/d/yyyy"));
}

class ItemEntryTest : public TMainWindowTest {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
        form->show();
    }
    void WaitFor(QTimer *timer)
    {
        ASSERT_TRUE(WaitUntil([&] { return !timer->isActive(); }, 5000));
    }
    void OpenEntry()
    {
        QTest::mouseClick(form->BitBtn1(), Qt::LeftButton);
        WaitFor(form->Timer1());
    }
    void Type(const QString &name, const QString &notes, const QString &price)
    {
        form->Edit1()->setText(name);
        form->Edit2()->setText(notes);
        form->Edit3()->setText(price);
    }
    void SaveItem() { QTest::mouseClick(form->BitBtn2(), Qt::LeftButton); }
};

} // namespace

TEST_F(ItemEntryTest, NewItemOpensThePanelAndSwitchesTheButtons)
{
    QTest::mouseClick(form->BitBtn1(), Qt::LeftButton);
    EXPECT_FALSE(form->BitBtn1()->isVisible());
    EXPECT_TRUE(form->BitBtn2()->isVisible());
    EXPECT_TRUE(form->BitBtn4()->isVisible());
    EXPECT_TRUE(form->BitBtn7()->isVisible());
    EXPECT_FALSE(form->BitBtn8()->isVisible());
    EXPECT_TRUE(form->Timer1()->isActive());
    WaitFor(form->Timer1());
    EXPECT_EQ(form->Panel1()->height(), 254);
    EXPECT_EQ(form->BitBtn3()->y(), 353);
    EXPECT_EQ(form->BitBtn7()->y(), 314);
}

TEST_F(ItemEntryTest, SaveItemWritesTheRowToTheProfileAtOnce)
{
    OpenEntry();
    Type("Road bike", "Red, 21 gears", "$450");
    form->TrackBar1()->setValue(3);
    SaveItem();
    EXPECT_EQ(folder.Read("blank.yearnbox"),
              ProfileBytes({"Road bike,\"Red, 21 gears\",$450,4," + TodayText() + ",0,False"}));
    EXPECT_EQ(Grid().RowCount(), 1);
    EXPECT_TRUE(form->Edit1()->text().isEmpty());
    EXPECT_TRUE(form->Edit2()->text().isEmpty());
    EXPECT_TRUE(form->Edit3()->text().isEmpty());
    EXPECT_TRUE(form->BitBtn1()->isVisible());
    EXPECT_FALSE(form->BitBtn2()->isVisible());
    EXPECT_FALSE(form->BitBtn4()->isVisible());
    WaitFor(form->Timer2());
    EXPECT_EQ(form->Panel1()->height(), 33);
    EXPECT_EQ(form->BitBtn3()->y(), 136);
    EXPECT_EQ(form->BitBtn7()->y(), 97);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ItemEntryTest, ANameAndAPriceAreRequiredButBlanksCount)
{
    OpenEntry();
    const struct {
        const char *name, *notes, *price;
    } missing[] = {{"Kite", "red", ""}, {"", "red", "$5"}, {"", "", ""}};
    for (const auto &m : missing) {
        Type(m.name, m.notes, m.price);
        SaveItem();
        EXPECT_EQ(boxes.shown, QStringList({kFillInMore}));
        boxes.shown.clear();
        EXPECT_EQ(Grid().RowCount(), 0);
        EXPECT_EQ(form->Edit1()->text(), m.name) << "nothing is cleared";
        EXPECT_EQ(form->Edit2()->text(), m.notes);
        EXPECT_TRUE(form->BitBtn2()->isVisible()) << "the panel stays open";
        EXPECT_EQ(form->Panel1()->height(), 254);
    }
    EXPECT_FALSE(folder.Read("blank.yearnbox").size() > 2);

    Type(" ", "", " ");
    SaveItem();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({" ,, ,1," + TodayText() + ",0,False"}));
}

TEST(ItemEntrySameName, IsToldUnderThePanelAndSavedOnlyWhenAsked)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    const QString ball = "Ball,,$5,1,12/7/2026,0,False";
    folder.Write("blank.yearnbox", ProfileBytes({ball}));
    folder.Write("toys.ybk", ProfileBytes({"Red bike,,$100,1,12/7/2026,0,False"}));
    folder.Write("mpl.mpl", (folder.File("toys.ybk") + "\r\n").toLocal8Bit());
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    folder.BeforeRead = [&] { form.Profiles().WaitForSaves(); };
    form.show();
    QApplication::setActiveWindow(&form);
    TDuplicateLine &line = *form.DuplicateLine();
    QTest::mouseClick(form.BitBtn1(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return !form.Timer1()->isActive(); }, 5000));
    const QString added = "red  BIKE,,$90,1," + TodayText() + ",0,False";
    struct TStep {
        const char *what;
        std::function<void()> act;
        QString told; // empty: the line is hidden
        QStringList saved;
    };
    const TStep steps[] = {
        {"Save Item",
         [&] {
             form.Edit1()->setText("red  BIKE");
             form.Edit3()->setText("$90");
             QTest::mouseClick(form.BitBtn2(), Qt::LeftButton);
         },
         "Already in toys.ybk: Red bike, $100",
         {ball}},
        {"a change of the name", [&] { QTest::keyClick(form.Edit1(), Qt::Key_E); }, "", {ball}},
        {"Save Item again",
         [&] {
             form.Edit1()->setText("red  BIKE");
             QTest::mouseClick(form.BitBtn2(), Qt::LeftButton);
         },
         "Already in toys.ybk: Red bike, $100",
         {ball}},
        {"Tab from Save Item, then Enter on Save Anyway",
         [&] {
             form.BitBtn2()->setFocus();
             QTest::keyClick(form.BitBtn2(), Qt::Key_Tab);
             ASSERT_EQ(QApplication::focusWidget(), line.SaveAnyway());
             QTest::keyClick(line.SaveAnyway(), Qt::Key_Return);
         },
         "",
         {ball, added}},
    };
    for (const TStep &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(line.isVisible(), !step.told.isEmpty());
        if (!step.told.isEmpty()) {
            EXPECT_EQ(line.Text()->text(), step.told);
            EXPECT_EQ(line.geometry().top(), form.Panel1()->geometry().bottom() + 1);
            EXPECT_EQ(line.SaveAnyway()->accessibleName(), "Save Anyway");
            EXPECT_EQ(line.GoToItem()->accessibleName(), "Go to Item");
            line.grab().save(folder.File("same_name.png"));
        }
        EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes(step.saved));
    }
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ItemEntryTest, TheTrackBarEndsGiveOneAndFiveAndItKeepsItsPosition)
{
    OpenEntry();
    form->TrackBar1()->setValue(0);
    Type("Kite", "", "$5");
    SaveItem();
    WaitFor(form->Timer2());
    OpenEntry();
    form->TrackBar1()->setValue(4);
    Type("Ball", "", "$2");
    SaveItem();
    WaitFor(form->Timer2());
    OpenEntry();
    EXPECT_EQ(form->TrackBar1()->value(), 4) << "Save Item does not reset it";
    Type("Book", "", "$9");
    SaveItem();
    ASSERT_EQ(Grid().RowCount(), 3);
    EXPECT_EQ(Grid().GetCell(3, 0)->GetAsInteger(), 1);
    EXPECT_EQ(Grid().GetCell(3, 1)->GetAsInteger(), 5);
    EXPECT_EQ(Grid().GetCell(3, 2)->GetAsInteger(), 5);
    EXPECT_EQ(Grid().GetCells(4, 2), TodayText());
    EXPECT_EQ(Grid().GetCells(6, 2), "False");
}

TEST_F(ItemEntryTest, CancelClearsTheFieldsAndClosesThePanel)
{
    OpenEntry();
    Type("Kite", "red", "$5");
    form->TrackBar1()->setValue(3);
    QTest::mouseClick(form->BitBtn4(), Qt::LeftButton);
    EXPECT_TRUE(form->Edit1()->text().isEmpty());
    EXPECT_TRUE(form->Edit2()->text().isEmpty());
    EXPECT_TRUE(form->Edit3()->text().isEmpty());
    EXPECT_EQ(form->TrackBar1()->value(), 0);
    EXPECT_TRUE(form->BitBtn1()->isVisible());
    EXPECT_FALSE(form->BitBtn2()->isVisible());
    WaitFor(form->Timer2());
    EXPECT_EQ(form->Panel1()->height(), 33);
    EXPECT_EQ(form->BitBtn3()->y(), 136);
    EXPECT_EQ(form->BitBtn7()->y(), 97);
    EXPECT_EQ(Grid().RowCount(), 0);
}

TEST_F(ItemEntryTest, NewItemWhileTheSearchPanelIsOpenClosesItFirst)
{
    form->Timer3()->start();
    WaitFor(form->Timer3());
    ASSERT_EQ(form->Panel2()->height(), 254);
    ASSERT_EQ(form->BitBtn3()->y(), 353);
    form->BitBtn7()->hide();
    form->BitBtn8()->show();
    QTest::mouseClick(form->BitBtn1(), Qt::LeftButton);
    EXPECT_EQ(form->Panel2()->height(), 33) << "closed before the entry panel opens";
    EXPECT_TRUE(form->BitBtn7()->isVisible());
    EXPECT_FALSE(form->BitBtn8()->isVisible());
    WaitFor(form->Timer1());
    EXPECT_EQ(form->Panel1()->height(), 254);
    EXPECT_EQ(form->BitBtn3()->y(), 353);
}

TEST_F(ItemEntryTest, ASlideTakesTwentyThreeTicksAndACloseInterruptsAnOpening)
{
    // Ticks driven by hand: 34 → 254 in 23 ticks, the buttons clamped on the 22nd.
    QTimer *open = form->Timer1();
    int ticks = 0;
    for (open->start(); open->isActive() && ticks < 100; ++ticks)
        Tick(open);
    EXPECT_EQ(ticks, 23);
    EXPECT_EQ(form->Panel1()->height(), 254);

    QTimer *close = form->Timer2();
    form->Timer1()->start();
    close->start();
    Tick(close);
    EXPECT_FALSE(form->Timer1()->isActive());
    ticks = 1;
    while (close->isActive() && ticks < 100) {
        Tick(close);
        ++ticks;
    }
    EXPECT_EQ(ticks, 23);
    EXPECT_EQ(form->Panel1()->height(), 33);
    EXPECT_EQ(form->BitBtn3()->y(), 136);
    EXPECT_EQ(form->BitBtn7()->y(), 97);
}

TEST_F(ItemEntryTest, AFailedSaveReportsTheErrorAndKeepsTheRow)
{
    QFile::remove(folder.File("blank.yearnbox"));
    QDir(folder.Path()).mkdir("blank.yearnbox");
    OpenEntry();
    Type("Kite", "", "$5");
    SaveItem();
    // The save fails on its own thread; the report comes once that is known.
    form->Profiles().WaitForSaves();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith("File could not be"));
    EXPECT_EQ(Grid().RowCount(), 1);
}

TEST_F(ItemEntryTest, AClickOnThePictureParksTheFocusOnTheMemo)
{
    QApplication::setActiveWindow(form.get());
    form->Edit1()->setFocus();
    QTest::mouseClick(form->Image1(), Qt::LeftButton, {}, QPoint(600, 500));
    EXPECT_TRUE(form->Memo1()->hasFocus());
}
