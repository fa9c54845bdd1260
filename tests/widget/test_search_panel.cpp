// The search panel: Search and Cancel Search with their slides, New Search,
// Find Next and Enter in the search box, stepping through whole-word hits.

#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"
#include "tests/support/wait_until.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const char kNoResults[] = "No results were found.";

class SearchPanelTest : public TMainWindowTest {
protected:
    void WaitFor(QTimer *timer)
    {
        ASSERT_TRUE(WaitUntil([&] { return !timer->isActive(); }, 5000));
    }
    void Press(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Presses a search button with word in the search box; answers the row
    // then selected and whether the message was shown.
    std::pair<int, bool> Search(QPushButton *button, const QString &word)
    {
        form->Edit4()->setText(word);
        const qsizetype before = boxes.shown.size();
        Press(button);
        const bool missed = boxes.shown.size() > before;
        if (missed) {
            EXPECT_EQ(boxes.shown.last(), kNoResults);
        }
        return {Grid().SelectedRow(), missed};
    }
};

QString Item(const char *name, const char *notes)
{
    return QStringLiteral("%1,%2,$1,1,12/7/2026,0,False")
        .arg(QLatin1String(name), QLatin1String(notes));
}

} // namespace

TEST_F(SearchPanelTest, StepsThroughWholeWordHitsWithoutWrappingAround)
{
    ShowWith({Item("lamp", ""), Item("red bike", "fast  and light"), Item("kite", "bike  bell"),
              Item("blue bike", "bike"), Item("lampshade", "")});
    QPushButton *newSearch = form->BitBtn5();
    QPushButton *findNext = form->BitBtn6();
    struct Row {
        QPushButton *button;
        const char *word;
        int row;
        bool missed;
        int next;
    };
    const Row rows[] = {
        {newSearch, "BIKE", 1, false, 2},    {findNext, "BIKE", 2, false, 3},
        {findNext, "bike", 3, false, 4},     {findNext, "bike", 3, true, 4},
        {findNext, "bike", 3, true, 4},      {newSearch, "bike", 1, false, 2},
        {newSearch, "red bike", 1, true, 2}, {newSearch, "light", 1, false, 2},
        {newSearch, "", 1, false, 2},        {findNext, "", 1, false, 2},
        {newSearch, "LAMP", 0, false, 1},    {newSearch, "nothing", 0, true, 1},
    };
    for (const Row &row : rows) {
        const auto [selected, missed] = Search(row.button, QString::fromLatin1(row.word));
        EXPECT_EQ(selected, row.row) << row.word;
        EXPECT_EQ(missed, row.missed) << row.word;
        EXPECT_EQ(form->SearchNextRow(), row.next) << row.word;
    }
    EXPECT_EQ(form->Edit4()->text(), QStringLiteral("nothing")) << "never changed by the program";
}

TEST_F(SearchPanelTest, AHitIsSelectedScrolledIntoViewAndTakesTheFocus)
{
    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines << Item(i == 50 ? "globe" : "item", "");
    ShowWith(lines);
    form->Edit4()->setFocus();
    const auto [selected, missed] = Search(form->BitBtn5(), QStringLiteral("globe"));
    EXPECT_EQ(selected, 50);
    EXPECT_FALSE(missed);
    EXPECT_TRUE(Grid().hasFocus());
    EXPECT_FALSE(Grid().RowRect(50).isNull()) << "in view";
}

TEST_F(SearchPanelTest, EnterInTheSearchBoxRunsNewSearchAndIsSwallowed)
{
    ShowWith({Item("kite", ""), Item("kite", "")});
    form->Edit4()->setText(QStringLiteral("kite"));
    int returnPressed = 0;
    QObject::connect(form->Edit4(), &QLineEdit::returnPressed, [&] { ++returnPressed; });
    for (int i = 0; i < 2; ++i) {
        form->Edit4()->setFocus();
        QTest::keyClick(form->Edit4(), Qt::Key_Return);
        EXPECT_EQ(Grid().SelectedRow(), 0) << "New Search, not Find Next";
        EXPECT_EQ(form->SearchNextRow(), 1);
    }
    EXPECT_EQ(returnPressed, 0);
    QTest::keyClicks(form->Edit4(), QStringLiteral("s"));
    EXPECT_EQ(form->Edit4()->text(), QStringLiteral("kites"));
}

TEST_F(SearchPanelTest, FindNextAfterRowsWereDeletedReportsNothingAtOnce)
{
    ShowWith({Item("kite", ""), Item("ball", ""), Item("kite", "")});
    EXPECT_EQ(Search(form->BitBtn5(), QStringLiteral("kite")).first, 0);
    EXPECT_EQ(Search(form->BitBtn6(), QStringLiteral("kite")).first, 2);
    Grid().DeleteRow(0);
    Grid().DeleteRow(0);
    EXPECT_TRUE(Search(form->BitBtn6(), QStringLiteral("kite")).second);
    EXPECT_EQ(form->SearchNextRow(), 3) << "never reset";
}

TEST_F(SearchPanelTest, SearchClosesAFilledEntryPanelFirstAndCancelSearchClosesItsPanel)
{
    ShowWith({});
    Press(form->BitBtn1());
    WaitFor(form->Timer1());
    form->Edit1()->setText(QStringLiteral("kite"));
    form->Edit2()->setText(QStringLiteral("red"));
    form->Edit3()->setText(QStringLiteral("$20"));
    form->TrackBar1()->setValue(3);

    Press(form->BitBtn7());
    EXPECT_FALSE(form->Timer2()->isActive()) << "the entry panel closed before";
    EXPECT_EQ(form->Panel1()->height(), 33);
    for (QLineEdit *edit : {form->Edit1(), form->Edit2(), form->Edit3()})
        EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(form->TrackBar1()->value(), 0);
    EXPECT_TRUE(form->BitBtn1()->isVisible());
    EXPECT_FALSE(form->BitBtn2()->isVisible());
    EXPECT_FALSE(form->BitBtn4()->isVisible());
    EXPECT_FALSE(form->BitBtn7()->isVisible());
    EXPECT_TRUE(form->BitBtn8()->isVisible());
    WaitFor(form->Timer3());
    EXPECT_EQ(form->Panel2()->height(), 254);

    form->Edit4()->setText(QStringLiteral("kite"));
    Press(form->BitBtn8());
    EXPECT_TRUE(form->BitBtn7()->isVisible());
    EXPECT_FALSE(form->BitBtn8()->isVisible());
    WaitFor(form->Timer4());
    EXPECT_EQ(form->Panel2()->height(), 33);
    EXPECT_EQ(form->Edit4()->text(), QStringLiteral("kite"));
}
