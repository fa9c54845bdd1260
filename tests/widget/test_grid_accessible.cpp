// The item grid as an assistive tool reads and drives it through QAccessible:
// a table of the seven columns, cells in the words a user sees, events for
// what changes, and actions that mark and rate items and are saved at once.

#include "app/item_columns.h"
#include "app/main_window.h"
#include "grid/columns/accessible_texts.h"
#include "grid/columns/lattice_grid.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

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

std::vector<std::pair<QAccessible::Event, int>> g_events;

class GridAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
        form = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
        form->show();
        g_events.clear();
        previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            g_events.emplace_back(event->type(), event->child());
        });
    }
    void TearDown() override
    {
        QAccessible::installUpdateHandler(previous);
        form.reset();
    }
    TLatticeGrid &Grid() { return *form->LatticeGrid1(); }
    QAccessibleInterface *Table() { return QAccessible::queryAccessibleInterface(&Grid()); }
    QAccessibleInterface *Cell(int row, int column) { return Table()->tableInterface()->cellAt(row, column); }
    QByteArray Profile() { return folder.Read("blank.yearnbox"); }
    bool Saw(QAccessible::Event type, int child)
    {
        return std::find(g_events.begin(), g_events.end(), std::pair(type, child)) != g_events.end();
    }

    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    std::unique_ptr<TForm1> form;
    QAccessible::UpdateHandler previous = nullptr;
};

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
    const QStringList headers = {"Name", "Notes", "Price", "Priority", "Date Added", "Delete", "Marked"};
    const QStringList marked = {"Ball", "", "$5", "Priority: 3 of 5 stars", "12/7/2026", "Delete", "Marked"};
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
        EXPECT_EQ(table->indexOfChild(cell), 2 * 7 + column);
    }
    EXPECT_EQ(Cell(0, icMark)->text(QAccessible::Name), "Not marked");
    EXPECT_TRUE(Cell(1, icMark)->state().checked);
    EXPECT_EQ(Cell(2, 0), nullptr);
}

TEST_F(GridAccessibleTest, AStarClickChangesTheValueTheToolReads)
{
    // The fourth star of the first row.
    const QRect cell = Grid().CellRect(icPriority, 0);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 3 * 16 + 8, cell.center().y()));
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,4,12/7/2026,0,False", kBall}));
    EXPECT_EQ(Cell(0, icPriority)->valueInterface()->currentValue().toInt(), 4);
    EXPECT_EQ(Cell(0, icPriority)->text(QAccessible::Name), "Priority: 4 of 5 stars");
    EXPECT_TRUE(Cell(0, icName)->state().selected);
    EXPECT_FALSE(Cell(1, icName)->state().selected);
}

TEST_F(GridAccessibleTest, AStarClickSendsAValueChangeAndTheSelection)
{
    // Qt hands events on only while a platform bridge is active, which the
    // offscreen platform never is.
    if (!QAccessible::isActive())
        GTEST_SKIP() << "no active accessibility bridge: events are not delivered";
    const QRect cell = Grid().CellRect(icPriority, 0);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 3 * 16 + 8, cell.center().y()));
    EXPECT_TRUE(Saw(QAccessible::ValueChanged, 7 + icPriority));
    EXPECT_TRUE(Saw(QAccessible::Selection, 7 + icPriority));
}

TEST_F(GridAccessibleTest, ActionsMarkRateAndDeleteAsTheMouseDoes)
{
    QAccessibleInterface *mark = Cell(0, icMark);
    ASSERT_NE(mark->actionInterface(), nullptr);
    EXPECT_EQ(mark->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::toggleAction()});
    mark->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,2,12/7/2026,0,True", kBall}));
    EXPECT_EQ(Grid().GetCell(icName, 0)->GetColor(), clYellow);
    EXPECT_EQ(mark->text(QAccessible::Name), "Marked");

    QAccessibleValueInterface *priority = Cell(0, icPriority)->valueInterface();
    ASSERT_NE(priority, nullptr);
    EXPECT_EQ(priority->maximumValue().toInt(), 5);
    priority->setCurrentValue(9);
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,5,12/7/2026,0,True", kBall}));
    Cell(0, icPriority)->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(Cell(0, icPriority)->text(QAccessible::Name), "Priority: 4 of 5 stars");

    EXPECT_EQ(Cell(1, icDelete)->valueInterface(), nullptr);
    Cell(1, icDelete)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,4,12/7/2026,0,True"}));
    EXPECT_EQ(Table()->tableInterface()->rowCount(), 1);
}
