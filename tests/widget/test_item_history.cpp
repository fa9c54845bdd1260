// Undo and redo of the changes to the list: each kind of change undone and
// redone with the file's bytes checked, rows put back at their place with
// their colours, after a sort and across a profile switch; the keys and the
// grid's right-click menu.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/row_snapshot.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"
#include "tests/support/wait_until.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");
const QString kBook = QStringLiteral("Book,,$9,4,12/7/2026,0,False");

class ItemHistoryTest : public TMainWindowTest {
public:
    void Click(int column, int row, QPoint offset = {})
    {
        const QRect cell = Grid().CellRect(column, row);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                          offset.isNull() ? cell.center() : cell.topLeft() + offset);
    }
    QList<TRowSnapshot> Rows()
    {
        QList<TRowSnapshot> rows;
        for (int r = 0; r < Grid().RowCount(); ++r)
            rows.append(TakeRow(Grid(), r));
        return rows;
    }
    QByteArray Blank() { return folder.Read("blank.yearnbox"); }
};

} // namespace

TEST_F(ItemHistoryTest, EachChangeIsUndoneAndRedoneAndSavedEachTime)
{
    const QString today = QLocale().toString(QDate::currentDate(), QStringLiteral("M/d/yyyy"));
    struct Case {
        const char *name;
        std::function<void(ItemHistoryTest &)> change;
        QStringList after;
    };
    const Case cases[] = {
        {"add",
         [](ItemHistoryTest &t) {
             t.form->Edit1()->setText("Drum");
             t.form->Edit3()->setText("$3");
             t.form->BitBtn2()->click();
         },
         {kKite, kBall, kBook, "Drum,,$3,1," + today + ",0,False"}},
        {"delete a marked row", [](ItemHistoryTest &t) { t.Click(icDelete, 0); }, {kBall, kBook}},
        {"mark",
         [](ItemHistoryTest &t) { t.Click(icMark, 1); },
         {kKite, "Ball,,$5,1,12/7/2026,0,True", kBook}},
        {"unmark",
         [](ItemHistoryTest &t) { t.Click(icMark, 0); },
         {"Kite,red,$20,2,12/7/2026,0,False", kBall, kBook}},
        {"priority",
         [](ItemHistoryTest &t) { t.Click(icPriority, 2, QPoint(2 * 16 + 8, 8)); },
         {kKite, kBall, "Book,,$9,3,12/7/2026,0,False"}},
        {"edit in place",
         [](ItemHistoryTest &t) {
             t.Click(icNotes, 1);
             ASSERT_TRUE(t.Grid().ActiveEditor());
             t.Grid().ActiveEditor()->selectAll();
             QTest::keyClicks(t.Grid().ActiveEditor(), "round");
             QTest::keyClick(t.Grid().ActiveEditor(), Qt::Key_Return);
         },
         {kKite, "Ball,round,$5,1,12/7/2026,0,False", kBook}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ShowWith({kKite, kBall, kBook});
        const QByteArray before = Blank();
        const QList<TRowSnapshot> rowsBefore = Rows();
        c.change(*this);
        const QList<TRowSnapshot> rowsAfter = Rows();
        ASSERT_EQ(Blank(), ProfileBytes(c.after));
        form->Undo();
        EXPECT_EQ(Blank(), before);
        EXPECT_EQ(Rows(), rowsBefore);
        form->Redo();
        EXPECT_EQ(Blank(), ProfileBytes(c.after));
        EXPECT_EQ(Rows(), rowsAfter);
        form.reset();
    }
}

TEST_F(ItemHistoryTest, AfterASortUndoFindsItsRowAndDoesNotSort)
{
    ShowWith({kKite, kBall, kBook});
    Click(icMark, 1);   // Ball marked
    Click(icDelete, 0); // Kite deleted from index 0
    Grid().SortColumn(icName, false);
    ASSERT_EQ(Grid().GetCells(icName, 0), "Book");
    form->Undo(); // Kite back at index 0
    form->Undo(); // Ball, now last, unmarked
    EXPECT_EQ(Blank(), ProfileBytes({kKite, kBook, kBall}));
    EXPECT_EQ(Grid().GetCell(icName, 0)->GetColor(), clYellow);
    EXPECT_EQ(Grid().GetCell(icName, 2)->GetColor(), clWhite);
}

TEST_F(ItemHistoryTest, UndoActsOnTheProfileShown)
{
    folder.Write("a.ybk", ProfileBytes({kKite, kBall}));
    folder.Write("b.ybk", ProfileBytes({kBook}));
    folder.Write("mpl.mpl",
                 (folder.File("a.ybk") + "\r\n" + folder.File("b.ybk") + "\r\n").toLocal8Bit());
    Show(folder.File("a.ybk"));
    const auto choose = [&](int index) {
        form->ComboBox1()->setCurrentIndex(index);
        emit form->ComboBox1()->activated(index);
    };
    Click(icDelete, 0);
    choose(1);
    Click(icDelete, 0);
    form->Undo();
    EXPECT_EQ(folder.Read("b.ybk"), ProfileBytes({kBook}));
    EXPECT_EQ(folder.Read("a.ybk"), ProfileBytes({kBall}));
    form->Undo(); // nothing more to undo in b
    EXPECT_EQ(folder.Read("a.ybk"), ProfileBytes({kBall}));
    choose(0);
    form->Undo();
    EXPECT_EQ(folder.Read("a.ybk"), ProfileBytes({kKite, kBall}));
    EXPECT_EQ(Grid().GetCell(icMark, 0)->GetColor(), clYellow);
}

TEST_F(ItemHistoryTest, KeysOnTheWindowUndoAndRedo)
{
    ShowWith({kKite, kBall});
    Click(icDelete, 1);
    struct Key {
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        QStringList lines;
    };
    const Key keys[] = {{Qt::ControlModifier, Qt::Key_Z, {kKite, kBall}},
                        {Qt::ControlModifier, Qt::Key_Y, {kKite}},
                        {Qt::ControlModifier, Qt::Key_Z, {kKite, kBall}},
                        {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, {kKite}}};
    for (const Key &k : keys) {
        QTest::keyClick(&Grid(), k.key, k.modifiers);
        EXPECT_EQ(Blank(), ProfileBytes(k.lines));
    }
}

TEST_F(ItemHistoryTest, ARightPressSelectsAndItsReleaseOpensTheMenu)
{
    ShowWith({kKite, kBall});
    Click(icDelete, 0);
    // The version the delete's save keeps is what turns "Restore" on.
    form->Profiles().WaitForSaves();
    const QPoint at = Grid().CellRect(icName, 0).center();
    QTest::mousePress(Grid().viewport(), Qt::RightButton, {}, at);
    EXPECT_EQ(Grid().SelectedRow(), 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::mouseRelease(Grid().viewport(), Qt::RightButton, {}, at);
    ASSERT_TRUE(WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text() + (action->isEnabled() ? "" : " (off)");
    // The history's entries come first; other entries follow them.
    EXPECT_EQ(texts.mid(0, 3),
              QStringList({"Undo", "Redo (off)", "Restore an Earlier Version\u2026"}));
    menu->grab().save(folder.File("menu.png"));
    menu->actions().first()->trigger();
    menu->close();
    EXPECT_EQ(Blank(), ProfileBytes({kKite, kBall}));

    // The Menu key opens it under the selected cell, without the mouse.
    Grid().SelectCell(icName, 1, true, {});
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), Grid().mapToGlobal(QPoint()));
    QApplication::sendEvent(&Grid(), &key);
    ASSERT_TRUE(WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
    EXPECT_EQ(
        QApplication::activePopupWidget()->pos(),
        Grid().viewport()->mapToGlobal(Grid().CellRect(icName, 1).bottomLeft() + QPoint(0, 1)));
    QApplication::activePopupWidget()->close();
}
