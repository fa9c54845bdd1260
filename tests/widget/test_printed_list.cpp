// The printed list: the page layout as literal geometry, the options dialog's
// words, and the PDF of a known list read back with poppler's tools (pages,
// title, order, marked items only), also through the print dialog, the keys
// and the right-click menu.

#include "app/grid_context_menu.h"
#include "app/item_columns.h"
#include "app/list_totals.h"
#include "app/main_window.h"
#include "app/print_layout.h"
#include "app/print_options_dialog.h"
#include "app/print_output.h"
#include "grid_window/custom_column.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPageLayout>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// "y:h" per row, pages split by " | ", "T@y" where the totals go.
QString Pages(const std::vector<TPrintPage> &pages)
{
    QStringList out;
    for (const TPrintPage &page : pages) {
        QStringList items;
        for (const TPlacedRow &row : page.rows)
            items << QStringLiteral("%1:%2").arg(row.y).arg(row.height);
        if (page.totalsY >= 0)
            items << QStringLiteral("T@%1").arg(page.totalsY);
        out << items.join(' ');
    }
    return out.join(QStringLiteral(" | "));
}

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString &path)
{
    const QString info = Run("pdfinfo", {path});
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PdfPageText(const QString &path, int page)
{
    const QString n = QString::number(page);
    return Run("pdftotext", {"-layout", "-f", n, "-l", n, path, "-"});
}

// Items "Item 001" ... with a long note on every seventh and every third marked.
QStringList Items(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        const QString note = i % 7 == 0 ? QString("a long note that wraps ").repeated(12) : "short";
        lines << QStringLiteral("Item %1,%2,$%3,%4,12/7/2026,0,%5")
                     .arg(i, 3, 10, QChar('0'))
                     .arg(note)
                     .arg(i)
                     .arg(i % 6)
                     .arg(i % 3 == 0 ? "True" : "False");
    }
    return lines;
}

class PrintedListTest : public TMainWindowTest {
public:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty() ||
            QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
        folder.Write("toys.ybk", ProfileBytes(Items(150)));
        form = std::make_unique<TForm1>(folder.Path(), folder.File("toys.ybk"), boxes, dialogs);
        form->SetModalWindows(&modal);
        modal.answer = [](QDialog &dialog) { dialog.accept(); };
    }
    int LaidOutPages(bool markedOnly)
    {
        return int(
            LayOutDocument(
                ReadPrintDocument(Grid(), {"toys", markedOnly, form->ListTotals().SummaryLines()},
                                  PrintedArea(UsualPageLayout())))
                .size());
    }
};

} // namespace

TEST(PrintLayout, RowsAndTotalsGoDownThePagesAndMoveOnWhenTheyWouldPassTheBottom)
{
    const TPageFrame frame{62, 22, 100};
    struct Case {
        std::vector<int> heights;
        int totals;
        const char *pages;
    };
    const Case cases[] = {
        {{}, 0, ""},
        {{}, 10, "T@62"},
        {{38}, 0, "62:38"}, // ends exactly at the bottom
        {{20, 20, 20}, 0, "62:20 | 22:20 42:20"},
        {{30}, 50, "62:30 | T@22"},            // the totals move on alone
        {{200, 10}, 0, " | 22:78 | 22:10"},    // cut to the body, after the title
        {{10, 10}, 300, "62:10 72:10 | T@22"}, // totals cut to the body too
    };
    for (const Case &c : cases)
        EXPECT_EQ(Pages(LayOutPages(c.heights, c.totals, frame)), c.pages) << c.pages;
}

TEST(PrintLayout, MinimumPagesAndColumnWidths)
{
    const TPageFrame frame{62, 22, 100}; // one row of 20 on the first page, three after
    const int counts[][2] = {{0, 1}, {1, 1}, {2, 2}, {4, 2}, {5, 3}, {10000, 3334}};
    for (const auto &c : counts)
        EXPECT_EQ(MinimumPageCount(c[0], 20, frame), c[1]) << c[0];

    struct Case {
        QList<int> widths;
        QList<bool> fixed;
        int available;
        QList<int> fitted;
    };
    const Case cases[] = {
        {{100, 150, 80}, {false, false, true}, 330, {100, 150, 80}},
        {{100, 150, 80}, {false, false, true}, 580, {200, 300, 80}},
        {{100, 150, 80}, {false, false, true}, 50, {0, 0, 80}},
        {{1, 1, 1}, {false, false, false}, 10, {3, 3, 4}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FitColumnWidths(c.widths, c.fixed, c.available), c.fitted) << c.available;
}

TEST(PrintLayout, TheOptionsDialogTellsTheExtentAndWarnsOfAGreatDeal)
{
    EXPECT_EQ(PrintExtentText(1, 1), "1 item on at least 1 page.");
    EXPECT_EQ(PrintExtentText(10000, 100), "10,000 items on at least 100 pages.");
    EXPECT_EQ(PrintExtentText(1000000, 20834), "1,000,000 items on at least 20,834 pages.\n"
                                               "That is a great deal of paper and takes a while.");
    TPrintOptionsDialog dialog("Print", 40, 3, [](int count) { return count * 10; });
    EXPECT_EQ(dialog.Extent()->text(), PrintExtentText(40, 400));
    dialog.MarkedOnly()->setChecked(true);
    EXPECT_EQ(dialog.Extent()->text(), PrintExtentText(3, 30));
}

TEST_F(PrintedListTest, ThePdfHasTheLaidOutPagesTheTitleAndTheGridsOrder)
{
    Grid().SortColumn(icName, false);
    Grid().Columns().Item(icPrice)->SetPosition(0);
    dialogs.Answer(folder.File("out"));
    form->SaveTheListAsPdf();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, "Save as PDF");
    EXPECT_EQ(dialogs.asked[0].fileName, folder.File("toys.pdf"));
    const QString pdf = folder.File("out.pdf");
    const int pages = LaidOutPages(false);
    EXPECT_GE(pages, 4);
    EXPECT_EQ(PdfPages(pdf), pages);

    const QString first = PdfPageText(pdf, 1);
    EXPECT_TRUE(first.trimmed().startsWith("toys")) << first.left(200).toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("Page 1 of %1").arg(pages)));
    const auto before = [&](const char *a, const char *b) {
        return first.indexOf(a) >= 0 && first.indexOf(a) < first.indexOf(b);
    };
    EXPECT_TRUE(before("Price:", "Name:"));
    EXPECT_TRUE(before("Item 150", "Item 149"));
    const QString last = PdfPageText(pdf, pages);
    EXPECT_TRUE(last.contains("Item 001"));
    // The totals come after the last row.
    EXPECT_GT(last.indexOf("All items:"), last.indexOf("Item 001")) << last.toStdString();
}

TEST_F(PrintedListTest, MarkedItemsOnlyLeavesTheOthersOut)
{
    modal.answer = [](QDialog &dialog) {
        static_cast<TPrintOptionsDialog &>(dialog).MarkedOnly()->setChecked(true);
        dialog.accept();
    };
    dialogs.Answer(folder.File("marked.pdf"));
    form->SaveTheListAsPdf();
    const QString pdf = folder.File("marked.pdf");
    EXPECT_EQ(PdfPages(pdf), LaidOutPages(true));
    EXPECT_LT(LaidOutPages(true), LaidOutPages(false));
    const QString first = PdfPageText(pdf, 1);
    EXPECT_TRUE(first.contains("Item 003"));
    EXPECT_FALSE(first.contains("Item 001"));
    EXPECT_FALSE(first.contains("Item 002"));
}

TEST_F(PrintedListTest, CancellingEitherDialogWritesNothing)
{
    modal.answer = [](QDialog &dialog) { dialog.reject(); };
    form->SaveTheListAsPdf();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    modal.answer = [](QDialog &dialog) { dialog.accept(); };
    form->SaveTheListAsPdf(); // the file dialog is cancelled
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_FALSE(folder.Exists("toys.pdf"));
}

TEST_F(PrintedListTest, CtrlPPrintsThePagesChosenInThePrintDialog)
{
    const QString pdf = folder.File("printed.pdf");
    QStringList shown;
    modal.answer = [&](QDialog &dialog) {
        shown << dialog.windowTitle();
        if (auto *print = qobject_cast<QPrintDialog *>(&dialog)) {
            QPrinter &printer = *print->printer();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageLayout(UsualPageLayout());
            QPageRanges ranges;
            ranges.addRange(2, 3);
            printer.setPageRanges(ranges);
            // The dialog's accept would apply its own widgets over this choice.
            print->done(QDialog::Accepted);
            return;
        }
        dialog.accept();
    };
    form->show();
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], "Print");
    EXPECT_EQ(PdfPages(pdf), 2);
    EXPECT_TRUE(
        PdfPageText(pdf, 1).contains(QStringLiteral("Page 2 of %1").arg(LaidOutPages(false))));
    EXPECT_TRUE(PdfPageText(pdf, 2).contains(QStringLiteral("Page 3 of")));
}

TEST_F(PrintedListTest, TheRightClickMenuOffersPrintAndSaveAsPdf)
{
    QMenu *menu = form->GridContextMenu().Open(QPoint(10, 30));
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Print\u2026")));
    ASSERT_TRUE(texts.contains(QStringLiteral("Save as PDF\u2026")));
    dialogs.Answer(folder.File("menu.pdf"));
    menu->actions()[texts.indexOf(QStringLiteral("Save as PDF\u2026"))]->trigger();
    EXPECT_TRUE(folder.Exists("menu.pdf"));
    menu->close();
}
