// "Sort by" on the grid's right-click menu: each sortable column by its
// caption, a choice sorting as a click on that header does, so a second
// choice of the same column (or a choice after a header click) turns it round.

#include "app/grid_context_menu.h"
#include "app/item_columns.h"
#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QStringList kItems = {
    QStringLiteral("Kite,red,$20,2,12/7/2026,0,False"),
    QStringLiteral("Ball,green,$5,3,12/7/2026,0,False"),
    QStringLiteral("Yoyo,amber,$120,1,12/7/2026,0,False"),
};

class SortMenu : public TMainWindowTest {
protected:
    QMenu *SortByMenu()
    {
        QMenu *menu = form->GridContextMenu().Open(QPoint(10, 30));
        for (QAction *action : menu->actions())
            if (action->text() == QStringLiteral("Sort by"))
                return action->menu();
        return nullptr;
    }
    void Choose(const QString &entry)
    {
        QMenu *sub = SortByMenu();
        ASSERT_NE(sub, nullptr);
        QAction *chosen = nullptr;
        for (QAction *action : sub->actions())
            if (action->text() == entry)
                chosen = action;
        ASSERT_NE(chosen, nullptr) << entry.toStdString();
        chosen->trigger();
        qobject_cast<QMenu *>(sub->parent())->close();
        QApplication::processEvents();
    }
    void ClickHeaderOf(int column)
    {
        const QRect header = Grid().HeaderRect();
        const QRect rect =
            Grid().ColumnRect(*Grid().Columns().Item(column), header.top(), header.height());
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, rect.center());
    }
    QStringList Names()
    {
        QStringList names;
        for (int row = 0; row < Grid().RowCount(); ++row)
            names << Grid().GetCell(icName, row)->GetAsString();
        return names;
    }
};

TEST_F(SortMenu, ListsTheCaptionedColumnsWithoutTheirColons)
{
    ShowWith(kItems);
    QMenu *sub = SortByMenu();
    ASSERT_NE(sub, nullptr);
    QStringList entries;
    for (QAction *action : sub->actions())
        entries << action->text();
    EXPECT_EQ(entries, (QStringList{"Name", "Notes", "Price", "Priority", "Date Added"}));
}

struct TSortCase {
    const char *name;
    bool headerClickFirst;
    int column;
    QString entry;
    int choices;
    QStringList order;
};

class SortMenuChoice : public SortMenu, public ::testing::WithParamInterface<TSortCase> {};

TEST_P(SortMenuChoice, SortsAsAHeaderClick)
{
    const TSortCase &c = GetParam();
    ShowWith(kItems);
    if (c.headerClickFirst)
        ClickHeaderOf(c.column);
    for (int i = 0; i < c.choices; ++i)
        Choose(c.entry);
    EXPECT_EQ(Names(), c.order);
    // The sort shows on the header as a click's does.
    EXPECT_TRUE(Grid().Columns().Item(c.column)->Sorted());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SortMenuChoice,
    ::testing::Values(
        TSortCase{"NameOnce", false, icName, "Name", 1, {"Ball", "Kite", "Yoyo"}},
        TSortCase{"NameTwiceReverses", false, icName, "Name", 2, {"Yoyo", "Kite", "Ball"}},
        TSortCase{"NotesOnce", false, icNotes, "Notes", 1, {"Yoyo", "Ball", "Kite"}},
        // Prices sort as text, as their header does.
        TSortCase{"PriceOnce", false, icPrice, "Price", 1, {"Yoyo", "Kite", "Ball"}},
        TSortCase{"PriceTwiceReverses", false, icPrice, "Price", 2, {"Ball", "Kite", "Yoyo"}},
        TSortCase{"PriorityOnce", false, icPriority, "Priority", 1, {"Yoyo", "Kite", "Ball"}},
        TSortCase{
            "PriorityTwiceReverses", false, icPriority, "Priority", 2, {"Ball", "Kite", "Yoyo"}},
        TSortCase{"AfterAHeaderClickReverses", true, icName, "Name", 1, {"Yoyo", "Kite", "Ball"}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
