// The grid menu's "Summary…", "Export…" and "Import…" on the main window:
// the summary's table, an export and an import through the dialogs with the
// files' bytes checked, an import undone as one change, and a refused file.

#include "app/csv_items.h"
#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/summary_dialog.h"
#include "grid/columns/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QApplication>
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
