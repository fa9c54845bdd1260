// Reading free-text prices, the totals and their texts, and the running totals
// of the main window kept through every kind of change.

#include "app/item_columns.h"
#include "app/list_totals.h"
#include "app/main_window.h"
#include "grid_window/hint_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

struct PriceRow {
    const char *locale;
    const char16_t *text;
    TPriceKind kind;
    const char *currency;
    int64_t low, high;
    bool isFree = false;
};

constexpr TPriceKind P = TPriceKind::pkPrice;
constexpr TPriceKind N = TPriceKind::pkNotPrice;
constexpr TPriceKind E = TPriceKind::pkNone;

} // namespace

TEST(PriceReading, FormsAndLocales)
{
    const PriceRow rows[] = {
        {"en_US", u"$450", P, "USD", 45000, 45000},
        {"en_US", u"450 $", P, "USD", 45000, 45000},
        {"en_US", u"\u20ac49,99", P, "EUR", 4999, 4999},
        {"en_US", u"49.99 EUR", P, "EUR", 4999, 4999},
        {"en_US", u"\u00a31,200", P, "GBP", 120000, 120000},
        {"en_US", u"1.200,50 \u20ac", P, "EUR", 120050, 120050},
        {"en_US", u"~50", P, "USD", 5000, 5000},
        {"en_US", u"about 40", P, "USD", 4000, 4000},
        {"en_US", u"About $40", P, "USD", 4000, 4000},
        {"en_US", u"$20-30", P, "USD", 2000, 3000},
        {"en_US", u"20\u201330 \u20ac", P, "EUR", 2000, 3000},
        {"en_US", u"$20 to $30", P, "USD", 2000, 3000},
        {"en_US", u"$30-20", P, "USD", 2000, 3000},
        {"en_US", u"$1.2k", P, "USD", 120000, 120000},
        {"en_US", u"$1,090", P, "USD", 109000, 109000},
        {"en_US", u"1.200", P, "USD", 120, 120},
        {"en_US", u"USD 15", P, "USD", 1500, 1500},
        {"en_US", u"  12.345  ", P, "USD", 1235, 1235},
        {"en_US", u"FREE", P, "", 0, 0, true},
        {"en_US", u"0", P, "USD", 0, 0},
        {"en_US", u"", E, "", 0, 0},
        {"en_US", u"   ", E, "", 0, 0},
        {"en_US", u"ask Tom", N, "", 0, 0},
        {"en_US", u"free shipping", N, "", 0, 0},
        {"en_US", u"$", N, "", 0, 0},
        {"en_US", u"-5", N, "", 0, 0},
        {"en_US", u"$20-", N, "", 0, 0},
        {"en_US", u"$20-\u20ac30", N, "", 0, 0},
        {"en_US", u"1,2,3", N, "", 0, 0},
        {"en_US", u"1.2.3", N, "", 0, 0},
        {"en_US", u"12 EURO", N, "", 0, 0},
        {"en_US", u"1234567890123", N, "", 0, 0},
        {"de_DE", u"1.200", P, "EUR", 120000, 120000},
        {"de_DE", u"1,200", P, "EUR", 120, 120},
        {"de_DE", u"49,99 \u20ac", P, "EUR", 4999, 4999},
        {"de_DE", u"ca. 30", P, "EUR", 3000, 3000},
        {"de_DE", u"$5", P, "USD", 500, 500},
        {"fr_FR", u"1 200,50 \u20ac", P, "EUR", 120050, 120050},
        {"en_GB", u"12.50", P, "GBP", 1250, 1250},
        {"en_CA", u"$10", P, "CAD", 1000, 1000},
        {"en_CA", u"US$10", P, "USD", 1000, 1000},
        {"de_CH", u"CHF 1'200.50", P, "CHF", 120050, 120050},
        // The C locale has no currency: a bare number is in its empty one, "free" in none.
        {"C", u"~50", P, "", 5000, 5000},
        {"C", u"00123", P, "", 12300, 12300},
        {"C", u"12.50", P, "", 1250, 1250},
        {"C", u"$5", P, "USD", 500, 500},
        {"C", u"free", P, "", 0, 0, true},
        {"C", u"ask Tom", N, "", 0, 0},
    };
    for (const PriceRow &row : rows) {
        const QString text = QString::fromUtf16(row.text);
        const TPriceReading got = ReadPrice(text, QLocale(QString::fromLatin1(row.locale)));
        const TPriceReading want{row.kind, QString::fromLatin1(row.currency), row.low, row.high,
                                 row.isFree};
        EXPECT_EQ(got, want) << row.locale << " '" << text.toStdString() << "' gave "
                             << int(got.kind) << " " << got.currency.toStdString() << " " << got.low
                             << "-" << got.high;
    }
}

TEST(PriceReading, MoneyIsWrittenInTheLocalesWay)
{
    struct Row {
        const char *locale;
        int64_t hundredths;
        const char *currency;
        const char16_t *text;
    };
    const Row rows[] = {
        {"en_US", 123450, "USD", u"$1,234.50"}, {"en_US", 8000, "EUR", u"\u20ac80"},
        {"en_US", 500, "CHF", u"CHF5"},         {"de_DE", 123450, "EUR", u"1.234,50\u00a0\u20ac"},
        {"en_CA", 1000, "USD", u"US$10"},       {"C", 22300, "", u"223"},
        {"C", 123450, "", u"1234.50"},          {"C", 500, "USD", u"5$"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(FormatMoney(row.hundredths, QString::fromLatin1(row.currency),
                              QLocale(QString::fromLatin1(row.locale))),
                  QString::fromUtf16(row.text));
}

TEST(PriceTotals, HintAndSummaryTexts)
{
    struct Item {
        const char16_t *price;
        int priority;
        bool marked;
    };
    struct Row {
        std::vector<Item> items;
        const char16_t *hint;
    };
    const Row rows[] = {
        {{}, u""},
        {{{u"", 2, false}}, u""},
        {{{u"$1,200", 3, false},
          {u"\u20ac80", 5, true},
          {u"ask Tom", 1, false},
          {u"$20-30", 5, true},
          {u"", 2, false}},
         u"Total of 3 prices: $1,220\u2013$1,230 and \u20ac80 \u00b7 marked: $20\u2013$30 and "
         u"\u20ac80 \u00b7 1 price not read"},
        {{{u"\u00a35", 1, false}, {u"\u20ac1", 1, false}, {u"CHF 2", 1, false}},
         u"Total of 3 prices: CHF2, \u20ac1 and \u00a35"},
        {{{u"free", 1, true}}, u"Total of 1 price: $0 \u00b7 marked: $0"},
    };
    for (const Row &row : rows) {
        TPriceTotals totals(QLocale(QStringLiteral("en_US")));
        for (const Item &item : row.items)
            totals.Add(totals.Figure(QString::fromUtf16(item.price), item.priority, item.marked));
        EXPECT_EQ(totals.HintText(), QString::fromUtf16(row.hint));
    }
}

TEST(PriceTotals, BareNumbersSumInTheLocalesCurrencyOrPlainWhereItHasNone)
{
    struct Row {
        const char *locale;
        const char16_t *hint;
        QStringList header;
        QStringList allItems;
        const char16_t *markedLine;
    };
    struct Item {
        const char16_t *price;
        bool marked;
    };
    const Item items[] = {
        {u"~50", true}, {u"00123", false}, {u"50", false}, {u"$5", false}, {u"free", false}};
    const Row rows[] = {
        {"C",
         u"Total of 5 prices: 223 and 5$ \u00b7 marked: 50",
         {"", "Prices", "Not read", "No symbol", "USD"},
         {"All items", "5", "0", "223", "5$"},
         u"Marked: 1 price, 50"},
        {"en_US",
         u"Total of 5 prices: $228 \u00b7 marked: $50",
         {"", "Prices", "Not read", "USD"},
         {"All items", "5", "0", "$228"},
         u"Marked: 1 price, $50"},
        {"de_DE",
         u"Total of 5 prices: 223\u00a0\u20ac and 5\u00a0$ \u00b7 marked: 50\u00a0\u20ac",
         {"", "Prices", "Not read", "EUR", "USD"},
         {"All items", "5", "0", QString::fromUtf16(u"223\u00a0\u20ac"),
          QString::fromUtf16(u"5\u00a0$")},
         u"Marked: 1 price, 50\u00a0\u20ac"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.locale);
        TPriceTotals totals{QLocale(QString::fromLatin1(row.locale))};
        for (const Item &item : items)
            totals.Add(totals.Figure(QString::fromUtf16(item.price), 3, item.marked));
        EXPECT_EQ(totals.HintText(), QString::fromUtf16(row.hint));
        // The summary and the printed list show the same sums.
        const TPriceTotals::TTable table = totals.SummaryTable();
        EXPECT_EQ(table.header, row.header);
        ASSERT_FALSE(table.rows.isEmpty());
        EXPECT_EQ(table.rows.first(), row.allItems);
        EXPECT_EQ(totals.SummaryLines().value(1), QString::fromUtf16(row.markedLine));
    }
}

TEST(PriceTotals, SummaryPerGroupAsLinesAndTableAndRemoveUndoesAdd)
{
    TPriceTotals totals(QLocale(QStringLiteral("en_US")));
    const TItemFigure passing = totals.Figure(u"$99-100", 3, true);
    totals.Add(totals.Figure(u"$10", 5, true));
    totals.Add(passing);
    totals.Add(totals.Figure(u"free", 5, false));
    totals.Add(totals.Figure(u"?", 1, false));
    totals.Remove(passing);
    EXPECT_EQ(totals.SummaryLines(),
              QStringList({"All items: 2 prices, $10; 1 price not read", "Marked: 1 price, $10",
                           "Not marked: 1 price, $0; 1 price not read", "Priority 5: 2 prices, $10",
                           "Priority 1: 0 prices, $0; 1 price not read"}));
    totals.Add(totals.Figure(u"\u20ac4-5", 1, false));
    const TPriceTotals::TTable table = totals.SummaryTable();
    EXPECT_EQ(table.header, QStringList({"", "Prices", "Not read", "USD", "EUR"}));
    EXPECT_EQ(table.rows,
              QList<QStringList>({{"All items", "3", "1", "$10", "\u20ac4\u2013\u20ac5"},
                                  {"Marked", "1", "0", "$10", ""},
                                  {"Not marked", "2", "1", "", "\u20ac4\u2013\u20ac5"},
                                  {"Priority 5", "2", "0", "$10", ""},
                                  {"Priority 1", "1", "1", "", "\u20ac4\u2013\u20ac5"}}));
}

namespace {

const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");
const QString kBook = QStringLiteral("Book,,ask Tom,4,12/7/2026,0,False");

class WindowTotalsTest : public TMainWindowTest {
public:
    void Click(int column, int row)
    {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                          Grid().CellRect(column, row).center());
    }
    void EditInPlace(int column, int row, const QString &text)
    {
        Click(column, row);
        ASSERT_TRUE(Grid().ActiveEditor());
        Grid().ActiveEditor()->selectAll();
        QTest::keyClicks(Grid().ActiveEditor(), text);
        QTest::keyClick(Grid().ActiveEditor(), Qt::Key_Return);
    }
};

} // namespace

TEST_F(WindowTotalsTest, KeptRightThroughAddDeleteEditUndoAndLoad)
{
    ShowWith({kKite, kBall, kBook});
    // A load counts the totals as it reads the rows.
    EXPECT_TRUE(form->ListTotals().Counted());
    struct Step {
        const char *name;
        std::function<void(WindowTotalsTest &)> change;
        const char16_t *hint; // nullptr: only as a count made from nothing
    };
    // More rows than a load reads in one batch.
    QStringList many;
    for (int i = 0; i < 2500; ++i)
        many << (i % 3 ? kBall : kKite);
    const Step steps[] = {
        {"first asked", [](WindowTotalsTest &) {},
         u"Total of 2 prices: $25 \u00b7 marked: $20 \u00b7 1 price not read"},
        {"add",
         [](WindowTotalsTest &t) {
             t.form->Edit1()->setText("Drum");
             t.form->Edit3()->setText("\u20ac3");
             t.form->BitBtn2()->click();
         },
         u"Total of 3 prices: $25 and \u20ac3 \u00b7 marked: $20 \u00b7 1 price not read"},
        {"delete a marked row", [](WindowTotalsTest &t) { t.Click(icDelete, 0); },
         u"Total of 2 prices: $5 and \u20ac3 \u00b7 1 price not read"},
        {"undo the delete", [](WindowTotalsTest &t) { t.form->Undo(); },
         u"Total of 3 prices: $25 and \u20ac3 \u00b7 marked: $20 \u00b7 1 price not read"},
        {"mark", [](WindowTotalsTest &t) { t.Click(icMark, 1); },
         u"Total of 3 prices: $25 and \u20ac3 \u00b7 marked: $25 \u00b7 1 price not read"},
        {"edit a price in place", [](WindowTotalsTest &t) { t.EditInPlace(icPrice, 2, "$1.2k"); },
         u"Total of 4 prices: $1,225 and \u20ac3 \u00b7 marked: $25"},
        {"undo the edit", [](WindowTotalsTest &t) { t.form->Undo(); },
         u"Total of 3 prices: $25 and \u20ac3 \u00b7 marked: $25 \u00b7 1 price not read"},
        {"redo the edit", [](WindowTotalsTest &t) { t.form->Redo(); },
         u"Total of 4 prices: $1,225 and \u20ac3 \u00b7 marked: $25"},
        {"sort", [](WindowTotalsTest &t) { t.Grid().SortColumn(icPrice, true); },
         u"Total of 4 prices: $1,225 and \u20ac3 \u00b7 marked: $25"},
        {"load",
         [](WindowTotalsTest &t) {
             // Another program writes the list once our saves are over.
             t.form->Profiles().WaitForSaves();
             t.folder.Write("blank.yearnbox", ProfileBytes({kBall, kBook}));
             t.form->ReloadChangedProfile();
             EXPECT_TRUE(t.form->ListTotals().Counted());
         },
         u"Total of 1 price: $5 \u00b7 1 price not read"},
        {"a load that fails after a batch",
         [&many](WindowTotalsTest &t) {
             t.folder.Write("blank.yearnbox", ProfileBytes(many + QStringList{"a,b,c,d,e,f,g,h"}));
             t.form->ReloadChangedProfile();
         },
         u"Total of 1 price: $5 \u00b7 1 price not read"},
        {"a load of many batches",
         [&many](WindowTotalsTest &t) {
             t.folder.Write("blank.yearnbox", ProfileBytes(many));
             t.form->ReloadChangedProfile();
             EXPECT_EQ(t.Grid().RowCount(), 2500);
         },
         nullptr},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        step.change(*this);
        if (step.hint) {
            EXPECT_EQ(form->ListTotals().HintText(), QString::fromUtf16(step.hint));
        }
        // Kept totals equal a count made from nothing, on a copy of the list
        // (the rows' tags are the window's totals' own).
        TLatticeGrid copy;
        BuildItemColumns(copy);
        copy.LoadFromText(Grid().SaveToText(u',', u'|'), u',', u'|');
        TListTotals fresh(copy);
        EXPECT_EQ(form->ListTotals().SummaryLines(), fresh.SummaryLines());
    }
}

TEST_F(WindowTotalsTest, TheHintShowsOverThePriceHeader)
{
    ShowWith({kKite, kBook});
    // Name 90 and Notes 69 wide: "Price:" starts 160 pixels in.
    QTest::mouseMove(Grid().viewport(), QPoint(120, 10));
    QTest::mouseMove(Grid().viewport(), QPoint(200, 10));
    ASSERT_TRUE(Grid().HintWindow().isVisible());
    EXPECT_EQ(
        Grid().HintWindow().text(),
        QString::fromUtf16(u"Total of 1 price: $20 \u00b7 marked: $20 \u00b7 1 price not read"));
    // A change shows in the next hint.
    Click(icMark, 0);
    QTest::mouseMove(Grid().viewport(), QPoint(120, 10));
    QTest::mouseMove(Grid().viewport(), QPoint(200, 10));
    EXPECT_EQ(Grid().HintWindow().text(),
              QString::fromUtf16(u"Total of 1 price: $20 \u00b7 1 price not read"));
}
