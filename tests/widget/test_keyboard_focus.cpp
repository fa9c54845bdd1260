// The keyboard focus in the main window: it starts on the items, Tab and
// Shift+Tab visit only the controls the user sees, Enter presses a focused
// button, and the focus never stays on a hidden button or in a closed panel.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/tab_stops.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"
#include "tests/support/wait_until.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

class KeyboardFocus : public TMainWindowTest {
protected:
    // The window as the program starts it: nobody sets the focus.
    void Start()
    {
        folder.Write("blank.yearnbox",
                     ProfileBytes({QStringLiteral("Kite,,$20,2,12/7/2026,0,False")}));
        form = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
        form->show();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
    }
    static QString FocusName()
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // The names the focus visits from the grid until it is back there.
    QStringList Ring(bool forward)
    {
        form->LatticeGrid1()->setFocus();
        QStringList names{FocusName()};
        for (int i = 0; i < 30; ++i) {
            Key(forward ? Qt::Key_Tab : Qt::Key_Backtab,
                forward ? Qt::NoModifier : Qt::ShiftModifier);
            if (QApplication::focusWidget() == form->LatticeGrid1())
                return names;
            names << FocusName();
        }
        return names << QStringLiteral("(stuck)");
    }
    static QStringList Reversed(QStringList names)
    {
        std::reverse(names.begin() + 1, names.end());
        return names;
    }
    void Slide(QPushButton *button, QTimer *timer)
    {
        button->click();
        ASSERT_TRUE(WaitUntil([timer] { return !timer->isActive(); }));
    }
};

} // namespace

TEST_F(KeyboardFocus, StartsOnTheItemsSoTextTypedAtOnceLandsInNoHiddenBox)
{
    Start();
    EXPECT_EQ(QApplication::focusWidget(), form->LatticeGrid1());
    QTest::keyClicks(QApplication::focusWidget(), "abc");
    for (QLineEdit *box : {form->Edit1(), form->Edit2(), form->Edit3(), form->Edit4()})
        EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
    EXPECT_EQ(form->Memo1()->toPlainText(), "");
}

TEST_F(KeyboardFocus, TabAndShiftTabVisitOnlyTheControlsInViewInEachResting)
{
    Start();
    const QStringList closed = {"LatticeGrid1", "ComboBox1", "BitBtn1", "BitBtn7", "BitBtn3"};
    EXPECT_EQ(Ring(true), closed);
    EXPECT_EQ(Ring(false), Reversed(closed));

    Slide(form->BitBtn1(), form->Timer1());
    const QStringList entryOpen = {"LatticeGrid1", "ComboBox1", "Edit1",   "Edit2",   "Edit3",
                                   "TrackBar1",    "BitBtn2",   "BitBtn4", "BitBtn7", "BitBtn3"};
    EXPECT_EQ(Ring(true), entryOpen);
    EXPECT_EQ(Ring(false), Reversed(entryOpen));

    Slide(form->BitBtn7(), form->Timer3());
    const QStringList searchOpen = {"LatticeGrid1", "ComboBox1", "BitBtn1", "Edit4",
                                    "BitBtn5",      "BitBtn6",   "BitBtn8", "BitBtn3"};
    EXPECT_EQ(Ring(true), searchOpen);
    EXPECT_EQ(Ring(false), Reversed(searchOpen));

    // The focus parked by a click on the picture leaves the memo by Tab.
    Slide(form->BitBtn8(), form->Timer4());
    QTest::mouseClick(form->Image1(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 500));
    ASSERT_EQ(QApplication::focusWidget(), form->Memo1());
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), "LatticeGrid1");
    EXPECT_EQ(form->Memo1()->toPlainText(), "");
}

TEST_F(KeyboardFocus, TheKeyboardAloneAddsAnItemAndSearchesAndTheFocusStaysInView)
{
    Start();
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "BitBtn1");
    Key(Qt::Key_Return);
    EXPECT_EQ(FocusName(), "Edit1") << "New Item opens the panel for the name";
    ASSERT_TRUE(WaitUntil([this] { return !form->Timer1()->isActive(); }));
    QTest::keyClicks(form->Edit1(), "Ball");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "Edit3");
    QTest::keyClicks(form->Edit3(), "$5");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Right);
    Key(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "BitBtn2");
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().GetCells(icName, 1), "Ball");
    EXPECT_EQ(Grid().GetCells(icPrice, 1), "$5");
    EXPECT_EQ(Grid().GetCells(icPriority, 1), "2");
    ASSERT_TRUE(WaitUntil([this] { return !form->Timer2()->isActive(); }));
    EXPECT_EQ(FocusName(), "BitBtn1") << "back on the button that opens the panel";

    Key(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "BitBtn7");
    Key(Qt::Key_Return);
    EXPECT_EQ(FocusName(), "Edit4") << "Search opens the panel for the word";
    ASSERT_TRUE(WaitUntil([this] { return !form->Timer3()->isActive(); }));
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), "BitBtn8");
    Key(Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([this] { return !form->Timer4()->isActive(); }));
    EXPECT_EQ(form->Panel2()->height(), 33);
    EXPECT_EQ(FocusName(), "BitBtn7");
    EXPECT_TRUE(IsTabStop(*QApplication::focusWidget()));
}

TEST(TabStops, AControlIsInViewWhereEveryParentLeavesSomeOfIt)
{
    QWidget window;
    window.resize(200, 100);
    auto *panel = new QWidget(&window);
    panel->setGeometry(150, 10, 40, 30);
    auto *inside = new QLineEdit(panel);
    inside->setGeometry(0, 5, 20, 20);
    auto *below = new QLineEdit(panel);
    below->setGeometry(0, 30, 20, 20);
    auto *across = new QLineEdit(panel);
    across->setGeometry(30, 20, 20, 20);
    auto *offWindow = new QLineEdit(&window);
    offWindow->setGeometry(4000, 50, 4000, 20);
    window.show();
    const struct {
        QWidget *control;
        QRect inView;
    } cases[] = {
        {inside, QRect(150, 15, 20, 20)},
        {below, QRect()},                 // the panel's height clips it away
        {across, QRect(180, 30, 10, 10)}, // cut by the panel on two sides
        {offWindow, QRect()},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(RectInView(*c.control), c.inView) << c.control->geometry().x();
        EXPECT_EQ(IsTabStop(*c.control), !c.inView.isEmpty()) << c.control->geometry().x();
    }
    inside->setEnabled(false);
    EXPECT_FALSE(IsTabStop(*inside)) << "disabled";
    across->hide();
    EXPECT_FALSE(IsTabStop(*across)) << "hidden";
}
