// The grid menu's "Summary…", "Export…", "Import…" and "Share as Web Page…"
// on the main window: the summary's table, an export and an import through
// the dialogs with the files' bytes checked, an import undone as one change, a
// refused file; the web page's escaping, links and structure, and the page of
// the marked items reached by Shift+F10.

#include "app/csv_items.h"
#include "app/gift_page.h"
#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/print_options_dialog.h"
#include "app/summary_dialog.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,True");
const QString kBall = QStringLiteral("Ball,,$5,1,12/7/2026,0,False");

class ListSharingTest : public TMainWindowTest {
public:
    void SetUp() override
    {
        folder.Write("blank.yearnbox", ProfileBytes({kKite, kBall}));
        form = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
        form->SetModalWindows(&modal);
        form->show();
    }
    QByteArray Blank() { return folder.Read("blank.yearnbox"); }
};

} // namespace

TEST_F(ListSharingTest, SummaryShowsTheTotalsTable)
{
    QString title;
    std::vector<QStringList> rows;
    modal.answer = [&](QDialog &shown) {
        auto *dialog = dynamic_cast<TSummaryDialog *>(&shown);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        const QTreeWidget &table = *dialog->Table();
        QStringList header;
        for (int c = 0; c < table.columnCount(); ++c)
            header << table.headerItem()->text(c);
        rows.push_back(header);
        for (int r = 0; r < table.topLevelItemCount(); ++r) {
            QStringList row;
            for (int c = 0; c < table.columnCount(); ++c)
                row << table.topLevelItem(r)->text(c);
            rows.push_back(row);
        }
    };
    form->ShowSummary();
    EXPECT_EQ(title, "Summary");
    EXPECT_EQ(rows, (std::vector<QStringList>{{"", "Prices", "Not read", "USD"},
                                              {"All items", "2", "0", "$25"},
                                              {"Marked", "1", "0", "$20"},
                                              {"Not marked", "1", "0", "$5"},
                                              {"Priority 2", "1", "0", "$20"},
                                              {"Priority 1", "1", "0", "$5"}}));
}

TEST_F(ListSharingTest, ExportThenImportAppendsSavesAndIsUndoneAsOneChange)
{
    const QString csv = folder.File("list.csv");
    dialogs.Answer(csv);
    form->ExportItems();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].fileName, folder.File("blank.csv"));
    EXPECT_EQ(QString::fromUtf8(folder.Read("list.csv")),
              "Name:,Notes:,Price:,Priority:,Date Added:,Marked:\r\n"
              "Kite,red,$20,2,12/7/2026,True\r\nBall,,$5,1,12/7/2026,False\r\n");

    const QByteArray before = Blank();
    const int steps = form->History().Stack().count();
    dialogs.Answer(csv);
    form->ImportItems();
    EXPECT_EQ(Blank(), ProfileBytes({kKite, kBall, kKite, kBall}));
    EXPECT_EQ(Grid().GetCell(icName, 2)->GetColor(), clYellow);
    EXPECT_EQ(form->History().Stack().count(), steps + 1);
    form->Undo();
    EXPECT_EQ(Blank(), before);
    form->Redo();
    EXPECT_EQ(Blank(), ProfileBytes({kKite, kBall, kKite, kBall}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ListSharingTest, AFileThatCannotBeReadIsRefusedWithItsLineAndChangesNothing)
{
    folder.Write("bad.csv", "Name:,Priority:\nA,2\nB,high\n");
    const QByteArray before = Blank();
    const int steps = form->History().Stack().count();
    dialogs.Answer(folder.File("bad.csv"));
    form->ImportItems();
    EXPECT_EQ(boxes.shown, QStringList({"\"bad.csv\" could not be imported: line 3: the priority "
                                        "'high' is not a whole number"}));
    EXPECT_EQ(Blank(), before);
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(form->History().Stack().count(), steps);
    // A cancelled dialog does nothing.
    form->ImportItems();
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST(GiftPage, EscapesEveryTextKeepsLineBreaksAndLinksOnlyAddresses)
{
    struct TCase {
        TGiftItem item;
        QStringList present;
        QStringList absent;
    };
    const QString star = QString(QChar(0x2605)), empty = QString(QChar(0x2606));
    const TCase cases[] = {
        {{"<b>Kite</b> & \"tail\"\x01", "", "", 0, false},
         {"<li><h2>&lt;b&gt;Kite&lt;/b&gt; &amp; &quot;tail&quot;</h2></li>"},
         {"<b>", "\x01", "class=\"stars\"", "class=\"about\""}},
        {{"Lamp", "one\r\ntwo\rthree\nfour", "$5", 3, true},
         {"<li class=\"marked\">", "<p class=\"notes\">one<br>two<br>three<br>four</p>",
          "aria-label=\"3 of 5 stars\">" + star.repeated(3) + "<span>" + empty.repeated(2) +
              "</span>",
          "<span class=\"price\">$5</span><span class=\"mark\">\u2713 Marked</span>"},
         {}},
        {{"Bike", "see https://x.example/a?b=1&c=2. or www.shop.example!", "", 9, false},
         {"see <a href=\"https://x.example/a?b=1&amp;c=2\">https://x.example/a?b=1&amp;c=2</a>. or "
          "<a href=\"https://www.shop.example\">www.shop.example</a>!",
          "aria-label=\"5 of 5 stars\">" + star.repeated(5) + "</span>"},
         {empty}},
        // A parenthesis of the address stays in it; one around it does not.
        {{"Book", "(http://w.example/A_(b)) HTTP://up.example", "", 0, false},
         {"(<a href=\"http://w.example/A_(b)\">http://w.example/A_(b)</a>)",
          "<a href=\"HTTP://up.example\">"},
         {}},
        // A quote ends an address, so no text becomes an attribute.
        {{"Cup", "http://x.example/\"onclick=\"alert(1)", "", 0, false},
         {"<a href=\"http://x.example/\">http://x.example/</a>&quot;onclick=&quot;alert(1)"},
         {"\"onclick"}},
        {{"Pen",
          "javascript:alert(1) mailto:a@b.example ftp://f.example xhttp://y.example "
          "http:// www. <a href=x>",
          "", 0, false},
         {"&lt;a href=x&gt;"},
         {"<a "}},
    };
    for (const TCase &c : cases) {
        const QString html = GiftPageHtml({"Toys", 5, {c.item}, {}});
        for (const QString &text : c.present)
            EXPECT_TRUE(html.contains(text)) << text.toStdString() << "\n" << html.toStdString();
        for (const QString &text : c.absent)
            EXPECT_FALSE(html.contains(text)) << text.toStdString() << "\n" << html.toStdString();
    }
    // One document that loads nothing: the title escaped, a phone's viewport,
    // a print style, the items in their order, then the totals.
    const QString html = GiftPageHtml({"Ann's <list>",
                                       5,
                                       {{"A", "", "", 0, false}, {"B", "", "", 0, false}},
                                       {"All items: 1", "x < y"}});
    const QStringList parts{
        "<!DOCTYPE html>\n<html lang=\"en\">",
        "<meta charset=\"utf-8\">",
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
        "<title>Ann&#39;s &lt;list&gt;</title>",
        "@media print{",
        "<h1>Ann&#39;s &lt;list&gt;</h1>",
        "<h2>A</h2>",
        "<h2>B</h2>",
        "<p>All items: 1</p>\n<p>x &lt; y</p>",
        "</html>\n"};
    qsizetype at = 0;
    for (const QString &part : parts) {
        const qsizetype found = html.indexOf(part, at);
        EXPECT_GE(found, at) << part.toStdString();
        at = std::max(found, at);
    }
    for (const char *external : {"src=", "href=", "url(", "@import", "<link", "<script"})
        EXPECT_FALSE(html.contains(external)) << external;
}

TEST_F(ListSharingTest, ShiftF10ReachesShareAsWebPageWhichWritesTheMarkedItems)
{
    QApplication::setActiveWindow(form.get());
    Grid().setFocus();
    QString title;
    modal.answer = [&](QDialog &dialog) {
        title = dialog.windowTitle();
        static_cast<TPrintOptionsDialog &>(dialog).MarkedOnly()->setChecked(true);
        dialog.accept();
    };
    QTest::keyClick(&Grid(), Qt::Key_F10, Qt::ShiftModifier);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction *share = nullptr;
    for (QAction *action : menu->actions())
        if (action->text() == QStringLiteral("Share as Web Page\u2026"))
            share = action;
    ASSERT_NE(share, nullptr);
    dialogs.Answer(folder.File("gift"));
    share->trigger();
    menu->close();
    EXPECT_EQ(title, "Share as Web Page");
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].fileName, folder.File("Yearnbox.html"));
    const QString html = QString::fromUtf8(folder.Read("gift.html"));
    EXPECT_TRUE(html.contains("<h1>Yearnbox</h1>"));
    EXPECT_TRUE(html.contains("<h2>Kite</h2>"));
    EXPECT_FALSE(html.contains("Ball"));
    EXPECT_TRUE(html.contains("<p>All items: 2 prices, $25</p>")) << html.toStdString();
    // Never over a profile, whatever its name.
    folder.Write("old.html", ProfileBytes({kBall}));
    dialogs.Answer(folder.File("old.html"));
    form->ShareAsWebPage();
    EXPECT_EQ(folder.Read("old.html"), ProfileBytes({kBall}));
    EXPECT_EQ(boxes.shown, QStringList({"File could not be saved."}));
    EXPECT_EQ(boxes.details, QStringList({"\"old.html\" is a profile; it is not replaced"}));
}
