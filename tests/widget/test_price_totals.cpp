// Reading free-text prices and the running totals of the item grid.

#include "app/item_columns.h"
#include "app/list_totals.h"
#include "app/main_window.h"
#include "grid/columns/hint_window.h"
#include "grid/columns/lattice_grid.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct PriceRow {
    const char *locale;
    const char16_t *text;
    TPriceKind kind;
    const char *currency;
    int64_t low, high;
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
        {"en_US", u"FREE", P, "", 0, 0},
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
    };
    for (const PriceRow &row : rows) {
        const QString text = QString::fromUtf16(row.text);
        const TPriceReading got = ReadPrice(text, QLocale(QString::fromLatin1(row.locale)));
        const TPriceReading want{row.kind, QString::fromLatin1(row.currency), row.low, row.high};
        EXPECT_EQ(got, want) << row.locale << " '" << text.toStdString() << "' gave "
                             << int(got.kind) << " " << got.currency.toStdString() << " "
                             << got.low << "-" << got.high;
    }
}

TEST(PriceReading, MoneyIsWrittenInTheLocalesWay)
{
    struct Row { const char *locale; int64_t hundredths; const char *currency; const char16_t *text; };
    const Row rows[] = {
        {"en_US", 123450, "USD", u"$1,234.50"},
        {"en_US", 8000, "EUR", u"\u20ac80"},
        {"en_US", 500, "CHF", u"CHF5"},
        {"de_DE", 123450, "EUR", u"1.234,50\u00a0\u20ac"},
        {"en_CA", 1000, "USD", u"US$10"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(FormatMoney(row.hundredths, QString::fromLatin1(row.currency),
                              QLocale(QString::fromLatin1(row.locale))),
                  QString::fromUtf16(row.text));
}

namespace {

struct TItemGrid : TLatticeGrid {
    TItemGrid() { BuildItemColumns(*this); }
};

class ListTotalsTest : public ::testing::Test {
protected:
    void Add(const QString &price, int priority, bool marked)
    {
        grid.AddRow(1);
        const int row = grid.RowCount() - 1;
        grid.GetCell(icName, row)->SetAsString(QStringLiteral("item"));
        grid.GetCell(icPrice, row)->SetAsString(price);
        grid.GetCell(icPriority, row)->SetAsInteger(priority);
        grid.GetCell(icMark, row)->SetAsBoolean(marked);
    }
    QString Hint() { return grid.Columns().Item(icPrice)->Header().Hint(); }
    // The kept totals must equal a count made from nothing.
    void ExpectSameAsRecount()
    {
        const QString kept = Hint();
        const QStringList keptSummary = totals.Totals().SummaryLines();
        totals.Recount();
        EXPECT_EQ(kept, Hint());
        EXPECT_EQ(keptSummary, totals.Totals().SummaryLines());
    }

    TItemGrid grid;
    TListTotals totals{grid, QLocale(QStringLiteral("en_US"))};
};

} // namespace

TEST_F(ListTotalsTest, KeptThroughAddEditMarkDeleteSortAndLoad)
{
    EXPECT_EQ(Hint(), "");
    Add(QStringLiteral("$1,200"), 3, false);
    Add(QStringLiteral("\u20ac80"), 5, true);
    Add(QStringLiteral("ask Tom"), 1, false);
    Add(QStringLiteral("$20-30"), 5, true);
    Add(QString(), 2, false);
    EXPECT_EQ(Hint(), QString::fromUtf16(u"Total of 3 prices: $1,220\u2013$1,230 and \u20ac80 "
                                         u"\u00b7 marked: $20\u2013$30 and \u20ac80 "
                                         u"\u00b7 1 price not read"));
    ExpectSameAsRecount();

    grid.GetCell(icPrice, 2)->SetAsString(QStringLiteral("$14.50"));
    grid.GetCell(icMark, 0)->SetAsBoolean(true);
    grid.GetCell(icPriority, 1)->SetAsInteger(2);
    EXPECT_EQ(Hint(), QString::fromUtf16(u"Total of 4 prices: $1,234.50\u2013$1,244.50 and "
                                         u"\u20ac80 \u00b7 marked: $1,220\u2013$1,230 and \u20ac80"));
    ExpectSameAsRecount();

    grid.BeginUpdate();
    grid.GetCell(icPrice, 4)->SetAsString(QStringLiteral("$5"));
    grid.EndUpdate();
    ExpectSameAsRecount();

    grid.SortColumn(icPrice, true);
    grid.DeleteRow(0);
    grid.DeleteRow(grid.RowCount() - 1);
    ExpectSameAsRecount();
    const QStringList summary = totals.Totals().SummaryLines();
    EXPECT_EQ(summary.size(), 3 + int(totals.Totals().Priorities().size()));

    TTempFolder folder;
    const QString path = folder.Path() + QStringLiteral("list.ybk");
    grid.SaveToTextFile(path, u',', u'|', TEncodingKind::ekUnicode);
    grid.ClearRows();
    EXPECT_EQ(Hint(), "");
    grid.LoadFromTextFile(path, u',', u'|', TLoadFailure::lfKeepPreviousRows);
    EXPECT_EQ(totals.Totals().SummaryLines(), summary);
}

TEST(PriceTotals, SummaryPerGroup)
{
    TPriceTotals totals(QLocale(QStringLiteral("en_US")));
    totals.Add(totals.Figure(u"$10", 5, true));
    totals.Add(totals.Figure(u"free", 5, false));
    totals.Add(totals.Figure(u"?", 1, false));
    EXPECT_EQ(totals.SummaryLines(),
              QStringList({"All items: 2 prices, $10; 1 price not read",
                           "Marked: 1 price, $10", "Not marked: 1 price, $0; 1 price not read",
                           "Priority 5: 2 prices, $10", "Priority 1: 0 prices, $0; 1 price not read"}));
}

TEST(PriceHeaderHint, TheMainWindowShowsTheTotalsOverThePriceHeader)
{
    TTempFolder folder;
    folder.Write(QStringLiteral("list.ybk"),
                 QByteArray("\xFF\xFE") +
                     QByteArray(reinterpret_cast<const char *>(
                                    u"Bike,,$450,4,12/7/2026,0,True\r\nLamp,,ask Tom,2,12/7/2026,0,False\r\n"),
                                2 * 66));
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TForm1 form(folder.Path(), folder.File(QStringLiteral("list.ybk")), boxes, dialogs);
    form.show();
    QApplication::setActiveWindow(&form);
    TLatticeGrid &grid = *form.LatticeGrid1();
    ASSERT_EQ(grid.RowCount(), 2);
    // Name 90 and Notes 69 wide: "Price:" starts 160 pixels in.
    QTest::mouseMove(grid.viewport(), QPoint(120, 10));
    QTest::mouseMove(grid.viewport(), QPoint(200, 10));
    ASSERT_TRUE(grid.HintWindow().isVisible());
    EXPECT_EQ(grid.HintWindow().text(),
              QString::fromUtf16(u"Total of 1 price: $450 \u00b7 marked: $450 \u00b7 1 price not read"));
    // A click on the mark changes the hint at once.
    grid.DoCellClick(icMark, 0);
    EXPECT_EQ(grid.Columns().Item(icPrice)->Header().Hint(),
              QString::fromUtf16(u"Total of 1 price: $450 \u00b7 1 price not read"));
}
