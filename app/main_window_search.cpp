// The search panel of the main window: Search opens it (closing the entry
// panel first), Cancel Search closes it, New Search (or Enter in the search
// box) finds the first item whose name or notes hold the search text as a
// whole word, Find Next the next one after the last hit. SearchNextRow, the
// row after the last hit, is never reset.

#include "app/cell_matches.h"
#include "app/item_columns.h"
#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "platform/message_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// The entry panel counts as open above this height.
constexpr int kEntryOpenThreshold = 100;

// The first row from `from` on whose name or notes match word, or -1.
int FindItem(TLatticeGrid &grid, int from, const QString &word)
{
    const TWordMatcher matcher(word);
    const int rows = grid.RowCount();
    // One scratch string for every cell: a scan builds no strings of its own.
    QString scratch;
    for (int row = std::max(from, 0); row < rows; ++row)
        for (int column : {icName, icNotes})
            if (matcher.Matches(grid.GetCell(column, row)->GetAsStringView(scratch)))
                return row;
    return -1;
}

} // namespace

void TForm1::SearchFrom(int from)
{
    const QString word = edit4_->text();
    if (word.isEmpty())
        return;
    TLatticeGrid &grid = *latticeGrid1_;
    const int row = FindItem(grid, from, word);
    if (row < 0) {
        messages_.ShowMessage(tr("No results were found."));
        return;
    }
    searchNextRow_ = row;
    grid.SetSelectedRow(row);
    // A hit below the rows in view would stay unseen.
    grid.ScrollToRow(row);
    ++searchNextRow_;
    grid.setFocus();
}

void TForm1::BitBtn5Click()
{
    SearchFrom(0);
}

void TForm1::BitBtn6Click()
{
    SearchFrom(searchNextRow_);
}

void TForm1::Edit4KeyPress(QChar &Key)
{
    if (Key != QChar(13))
        return;
    Key = QChar(0);
    BitBtn5Click();
}

void TForm1::BitBtn7Click()
{
    if (panel1_->height() > kEntryOpenThreshold) {
        timer2_->start();
        WaitWhileActive(timer2_);
        ResetEntryPanel();
    }
    timer3_->start();
    ShowPanelControls(*panel2_, true);
    // The panel opens for the word: it takes the focus from the hidden button.
    HandFocus({bitBtn7_}, edit4_);
    bitBtn7_->hide();
    bitBtn8_->show();
}

void TForm1::BitBtn8Click()
{
    timer4_->start();
    bitBtn7_->show();
    HandFocus({panel2_, bitBtn8_}, bitBtn7_);
    bitBtn8_->hide();
}
