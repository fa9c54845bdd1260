// The item grid as an assistive tool reads and drives it through QAccessible:
// a table of the seven columns, cells in the words a user sees, events for
// what changes, and actions that mark and rate items and are saved at once.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "grid_window/accessible_texts.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "tests/support/main_window_test.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#if __has_include(<qpa/qplatformaccessibility.h>)
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#define YB_CAN_ACTIVATE_ACCESSIBILITY 1
#endif

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(AccessibleTexts, NameColumnsAndCellsAsTheyAreSeen)
{
    struct TCase {
        QString got, want;
    };
    const TCase cases[] = {
        {AccessibleColumnName("Priority:", ""), "Priority"},
        {AccessibleColumnName(" Date Added: ", ""), "Date Added"},
        {AccessibleColumnName("", "Delete"), "Delete"},
        {AccessibleRateText("Priority", 4, 5, false), "Priority: 4 of 5 stars"},
        {AccessibleRateText("Priority", 0, 5, false), "Priority: 0 of 5 stars"},
        {AccessibleRateText("Level", 1, 1, false), "Level: 1 of 1 star"},
        {AccessibleRateText("", 2, 5, false), "2 of 5 stars"},
        {AccessibleRateText("Delete", 0, 1, true), "Delete"},
        {AccessibleCheckText("Marked", true), "Marked"},
        {AccessibleCheckText("Marked", false), "Not marked"},
        {AccessibleCheckText("", false), "Not checked"},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(c.got, c.want);
}

const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,False");
const QString kBall = QStringLiteral("Ball,,$5,3,12/7/2026,0,True");

struct TTold {
    QAccessible::Event type;
    int child;
    bool operator==(const TTold &) const = default;
};
std::vector<TTold> g_told;

// Qt hands events on only while accessibility is active, which on the
// offscreen platform only the platform's own switch makes it (as in Qt's
// own accessibility tests).
bool SetAccessibilityActive(bool active)
{
#ifdef YB_CAN_ACTIVATE_ACCESSIBILITY
    if (QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(active);
        return QAccessible::isActive() == active;
    }
#endif
    (void)active;
    return false;
}

class GridAccessibleTest : public TMainWindowTest {
protected:
    void SetUp() override
    {
        folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
        form = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
        form->show();
        previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            g_told.push_back({event->type(), event->child()});
        });
    }
    void TearDown() override
    {
        SetAccessibilityActive(false);
        QAccessible::installUpdateHandler(previous);
        form.reset();
        g_told.clear();
    }
    QAccessibleInterface *Table() { return QAccessible::queryAccessibleInterface(&Grid()); }
    QAccessibleInterface *Cell(int row, int column)
    {
        return Table()->tableInterface()->cellAt(row, column);
    }
    QByteArray Profile() { return folder.Read("blank.yearnbox"); }
    void ClickStar(int row, int star)
    {
        const QRect cell = Grid().CellRect(icPriority, row);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                          QPoint(cell.left() + (star - 1) * 16 + 8, cell.center().y()));
    }
    // A tool (or the bridge telling it of an event) holds cells whose
    // texts it has not necessarily read.
    void KnowEveryCell()
    {
        for (int row = 0; row < Grid().RowCount(); ++row)
            for (int column = 0; column < 7; ++column)
                Cell(row, column);
    }

    QAccessible::UpdateHandler previous = nullptr;
};

// The table's child of a body cell: the header row comes first.
constexpr int Child(int row, int column)
{
    return (row + 1) * 7 + column;
}

} // namespace

TEST_F(GridAccessibleTest, ReadsTheGridAsATableOfWhatIsShown)
{
    QAccessibleInterface *table = Table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface *cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 2);
    EXPECT_EQ(cells->columnCount(), 7);
    EXPECT_EQ(table->childCount(), 3 * 7);
    const QStringList headers = {"Name",       "Notes",  "Price", "Priority",
                                 "Date Added", "Delete", "Marked"};
    const QStringList marked = {"Ball",      "",       "$5",    "Priority: 3 of 5 stars",
                                "12/7/2026", "Delete", "Marked"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(cells->columnDescription(column), headers[column]);
        EXPECT_EQ(table->child(column)->role(), QAccessible::ColumnHeader);
        EXPECT_EQ(table->child(column)->text(QAccessible::Name), headers[column]);
        QAccessibleInterface *cell = Cell(1, column);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->text(QAccessible::Name), marked[column]) << column;
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
        EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
                  headers[column]);
        EXPECT_EQ(table->indexOfChild(cell), Child(1, column));
        EXPECT_EQ(table->child(Child(1, column)), cell);
    }
    EXPECT_EQ(Cell(0, icMark)->text(QAccessible::Name), "Not marked");
    EXPECT_TRUE(Cell(1, icMark)->state().checked);
    EXPECT_EQ(Cell(2, 0), nullptr);
}

TEST_F(GridAccessibleTest, ChangesAreToldAsTheyHappen)
{
    if (!SetAccessibilityActive(true))
        GTEST_SKIP() << "accessibility cannot be switched on here: events are not delivered";
    QApplication::setActiveWindow(form.get());
    struct TStep {
        const char *what;
        std::function<void()> act;
        std::vector<TTold> told, notTold;
    };
    const TStep steps[] = {
        {"a star click",
         [&] { ClickStar(0, 4); },
         {{QAccessible::ValueChanged, Child(0, icPriority)},
          {QAccessible::NameChanged, Child(0, icPriority)},
          {QAccessible::Selection, Child(0, icPriority)}},
         {{QAccessible::NameChanged, Child(0, icName)}}},
        {"the focus back on the grid",
         [&] {
             Grid().clearFocus();
             Grid().setFocus();
         },
         {{QAccessible::Focus, Child(0, icPriority)}},
         {}},
        {"a mark toggled",
         [&] {
             Cell(1, icMark)->actionInterface()->doAction(
                 QAccessibleActionInterface::toggleAction());
         },
         {{QAccessible::Selection, Child(1, icMark)},
          {QAccessible::Focus, Child(1, icMark)},
          {QAccessible::StateChanged, Child(1, icMark)},
          {QAccessible::NameChanged, Child(1, icMark)}},
         // The row turns white: a colour is nothing a reader says.
         {{QAccessible::NameChanged, Child(1, icName)}}},
        {"a sort",
         [&] { Grid().SortColumn(icName, true); },
         {{QAccessible::TableModelChanged, -1}},
         {}},
        {"a row deleted",
         [&] {
             Cell(0, icDelete)
                 ->actionInterface()
                 ->doAction(QAccessibleActionInterface::pressAction());
         },
         // The focus stays on the selected cell, now the next item's.
         {{QAccessible::TableModelChanged, -1}, {QAccessible::Focus, Child(0, icDelete)}},
         {}},
    };
    for (const TStep &step : steps) {
        KnowEveryCell();
        g_told.clear();
        step.act();
        // In this order, among others.
        auto at = g_told.begin();
        for (const TTold &told : step.told) {
            at = std::find(at, g_told.end(), told);
            if (at == g_told.end()) {
                ADD_FAILURE() << step.what << ": event " << told.type << " on child " << told.child;
                break;
            }
            ++at;
        }
        for (const TTold &told : step.notTold)
            EXPECT_EQ(std::find(g_told.begin(), g_told.end(), told), g_told.end())
                << step.what << ": event " << told.type << " on child " << told.child;
    }
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,4,12/7/2026,0,False"}));
}

TEST_F(GridAccessibleTest, ActionsMarkRateAndDeleteAsTheMouseDoes)
{
    ClickStar(0, 4);
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,4,12/7/2026,0,False", kBall}));
    EXPECT_EQ(Cell(0, icPriority)->text(QAccessible::Name), "Priority: 4 of 5 stars");

    QAccessibleInterface *mark = Cell(0, icMark);
    ASSERT_NE(mark->actionInterface(), nullptr);
    EXPECT_EQ(mark->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::toggleAction()});
    mark->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,4,12/7/2026,0,True", kBall}));
    EXPECT_EQ(Grid().GetCell(icName, 0)->GetColor(), clYellow);
    EXPECT_EQ(mark->text(QAccessible::Name), "Marked");
    EXPECT_TRUE(Cell(0, icName)->state().selected);

    QAccessibleValueInterface *priority = Cell(1, icPriority)->valueInterface();
    ASSERT_NE(priority, nullptr);
    EXPECT_EQ(priority->maximumValue().toInt(), 5);
    priority->setCurrentValue(9);
    EXPECT_EQ(Profile(),
              ProfileBytes({"Kite,red,$20,4,12/7/2026,0,True", "Ball,,$5,5,12/7/2026,0,True"}));
    Cell(1, icPriority)->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(Cell(1, icPriority)->text(QAccessible::Name), "Priority: 4 of 5 stars");

    EXPECT_EQ(Cell(1, icDelete)->valueInterface(), nullptr);
    EXPECT_EQ(Cell(1, icDelete)->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    Cell(1, icDelete)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,4,12/7/2026,0,True"}));
    EXPECT_EQ(Table()->tableInterface()->rowCount(), 1);
}

TEST_F(GridAccessibleTest, AnActionWhoseSaveFailsIsReportedLaterNeverThrownAtTheTool)
{
    // A folder where the profile was: every save fails.
    QFile::remove(folder.Path() + "blank.yearnbox");
    ASSERT_TRUE(QDir(folder.Path()).mkdir("blank.yearnbox"));
    QAccessibleInterface *mark = Cell(0, icMark);
    EXPECT_NO_THROW(mark->actionInterface()->doAction(QAccessibleActionInterface::toggleAction()));
    EXPECT_NO_THROW(Cell(0, icPriority)->valueInterface()->setCurrentValue(5));
    EXPECT_NO_THROW(QCoreApplication::sendPostedEvents(&Grid(), QEvent::MetaCall));
    // The saves fail on their own thread (the second holds the change made
    // while the first ran); each failure is reported in a message box.
    form->Profiles().WaitForSaves();
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(boxes.shown[0].startsWith("File could not be"));
    EXPECT_TRUE(boxes.shown[1].startsWith("File could not be"));
    EXPECT_EQ(mark->text(QAccessible::Name), "Marked");
}
