// Find in All Profiles on the main window: Ctrl+Shift+F and the grid's
// right-click menu open the dialog; the hit chosen is shown in its profile,
// which is loaded first unless it is the one shown, then selected and
// scrolled into view, as a hit of the search panel is.

#include "app/application.h"
#include "app/find_all_dialog.h"
#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/profile_list.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "platform/message_box.h"
#include "platform/modal_windows.h"

#include <QKeySequence>
#include <QShortcut>

namespace {

bool RowHoldsItem(TLatticeGrid &grid, int row, const TFoundItem &item)
{
    return grid.GetCells(icName, row) == item.name && grid.GetCells(icNotes, row) == item.notes &&
           grid.GetCells(icPrice, row) == item.price;
}

// The found item's row: its row in the file, unless the list shown was sorted
// since; then the first row holding it; -1 when it is gone.
int RowOfFoundItem(TLatticeGrid &grid, const TFoundItem &item)
{
    if (grid.RowExist(item.row) && RowHoldsItem(grid, item.row, item))
        return item.row;
    for (int row = 0; row < grid.RowCount(); ++row)
        if (RowHoldsItem(grid, row, item))
            return row;
    return -1;
}

} // namespace

void TForm1::CreateFindAll()
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), this);
    connect(shortcut, &QShortcut::activated, this,
            Guarded(&messages_, [this] { FindInAllProfiles(); }));
}

void TForm1::FindInAllProfiles()
{
    const TProfiles &profiles = *profiles_;
    TFindAllDialog dialog(
        [&profiles](const QString &word) { return FindInProfiles(KnownProfiles(profiles), word); },
        this);
    TModalWindows exec;
    (modal_ ? *modal_ : exec).ShowModal(dialog);
    const std::optional<TChosenItem> chosen = dialog.Chosen();
    if (dialog.result() == QDialog::Accepted && chosen)
        ShowFoundItem(*chosen);
}

void TForm1::ShowFoundItem(const TChosenItem &chosen)
{
    if (!IsSameProfileFile(chosen.path, CurrentProfilePath())) {
        try {
            profiles_->ShowProfile(chosen.path);
        } catch (const EYearnboxError &) {
            messages_.ShowMessage(tr("Profile could not be loaded; it may be missing or corrupt."));
            return;
        }
    }
    TLatticeGrid &grid = *latticeGrid1_;
    const int row = RowOfFoundItem(grid, chosen.item);
    if (row < 0)
        return;
    grid.SetSelectedRow(row);
    grid.ScrollToRow(row);
    grid.setFocus();
}
