// A change of ours made again on the list as another writer left it: the item
// found by its values wherever it moved, only the changed cells written, and
// the other writer's change of the same item told.

#include "app/change_replay.h"
#include "app/row_marks.h"
#include "tests/support/cells_test_grid.h"

#include <gtest/gtest.h>

namespace {
const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,False");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");
const QString kBallMarked = QStringLiteral("Ball,,$5,1,12/7/2026,0,True");
const QString kBallBlue = QStringLiteral("Ball,blue,$5,1,12/7/2026,0,False");
const QString kBook = QStringLiteral("Book,,$9,4,12/7/2026,0,False");
const QString kDrum = QStringLiteral("Drum,,$3,1,1/1/2026,0,False");

TRowSnapshot Item(const QString &line)
{
    TRowSnapshot item;
    item.texts = line.split(u',');
    const TColor color = MarkColor(item.texts.last() == QLatin1String("True"));
    for (int i = 0; i < item.texts.size(); ++i)
        item.colors.append(color);
    return item;
}

std::optional<TRowSnapshot> Maybe(const QString &line)
{
    return line.isEmpty() ? std::nullopt : std::optional(Item(line));
}
} // namespace

TEST(ChangeReplay, MakesTheChangeOnTheOtherWritersList)
{
    using enum TReplayOutcome;
    struct Case {
        const char *name;
        QStringList theirs;
        int row;
        QString from, to; // empty: no item
        bool atEnd;
        QStringList after;
        TReplayOutcome outcome;
    };
    const QString kBallBlueMarked = QStringLiteral("Ball,blue,$5,1,12/7/2026,0,True");
    const Case cases[] = {
        {"at its row", {kKite, kBall}, 1, kBall, kBallMarked, false, {kKite, kBallMarked}, roClean},
        {"moved down by an insert",
         {kBook, kKite, kBall},
         1,
         kBall,
         kBallMarked,
         false,
         {kBook, kKite, kBallMarked},
         roClean},
        {"their other cell stays",
         {kKite, kBallBlue},
         1,
         kBall,
         kBallMarked,
         false,
         {kKite, kBallBlueMarked},
         roClean},
        {"same cell: ours, the later, wins",
         {kKite, "Ball,,$7,1,12/7/2026,0,False"},
         1,
         kBall,
         "Ball,,$6,1,12/7/2026,0,False",
         false,
         {kKite, "Ball,,$6,1,12/7/2026,0,False"},
         roMetOther},
        {"removed by them, changed by us: back",
         {kKite},
         1,
         kBall,
         kBallMarked,
         false,
         {kKite, kBallMarked},
         roMetOther},
        {"changed by them, removed by us",
         {kKite, kBallBlue},
         1,
         kBall,
         "",
         false,
         {kKite},
         roMetOther},
        {"removed by both", {kKite}, 1, kBall, "", false, {kKite}, roNothing},
        {"an add at the end stays at the end",
         {kKite, kBall, kBook},
         1,
         "",
         kDrum,
         true,
         {kKite, kBall, kBook, kDrum},
         roClean},
        {"an undone delete goes to its row",
         {kKite, kBall, kBook},
         1,
         "",
         kDrum,
         false,
         {kKite, kDrum, kBall, kBook},
         roClean},
        {"two shared texts are another item",
         {kKite, kDrum},
         1,
         kBall,
         kBallMarked,
         false,
         {kKite, kBallMarked, kDrum},
         roMetOther},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TTestGrid grid;
        for (const QString &line : c.theirs)
            grid.AppendRow(line.split(u','));
        EXPECT_EQ(ReplayRowChange(grid, c.row, Maybe(c.from), Maybe(c.to), c.atEnd), c.outcome);
        std::vector<QStringList> want;
        for (const QString &line : c.after)
            want.push_back(line.split(u','));
        EXPECT_EQ(grid.Texts(), want);
    }
}

TEST(ChangeReplay, AMarkRecoloursTheRowAndNothingElseDoes)
{
    TTestGrid grid;
    grid.AppendRow(kBall.split(u','));
    ASSERT_EQ(ReplayRowChange(grid, 0, Item(kBall), Item(kBallMarked)), TReplayOutcome::roClean);
    for (int column = 0; column < grid.ColumnCount(); ++column)
        EXPECT_EQ(grid.GetCell(column, 0)->GetColor(), clYellow) << column;
    const TColor kept = 0x0000FF;
    grid.GetCell(0, 0)->SetColor(kept);
    ASSERT_EQ(ReplayRowChange(grid, 0, Item(kBallMarked), Item("Ball,blue,$5,1,12/7/2026,0,True")),
              TReplayOutcome::roClean);
    EXPECT_EQ(grid.GetCell(0, 0)->GetColor(), kept);
}
