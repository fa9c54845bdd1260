// "Copy to Profile" and "Move to Profile" on the grid's right-click menu:
// the selected item goes to the end of another profile's file, saved there
// first; a move deletes it here only once that file is saved. A file that
// cannot be read or written is told of and changes nothing, here or there;
// nor does a profile that is the file shown under another name.

#include "app/application.h"
#include "app/item_transfer.h"
#include "app/main_window.h"
#include "app/profile_list.h"
#include "app/profile_search.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "platform/message_box.h"

#include <QMenu>

QList<TSearchedProfile> TForm1::OtherProfiles() const
{
    QList<TSearchedProfile> others = KnownProfiles(*profiles_);
    others.removeIf([this](const TSearchedProfile &profile) {
        return IsSameProfileFile(profile.path, CurrentProfilePath());
    });
    return others;
}

void TForm1::AddTransferMenu(QMenu &menu, TTransferKind kind)
{
    QMenu *sub =
        menu.addMenu(kind == TTransferKind::tkCopy ? tr("Copy to Profile") : tr("Move to Profile"));
    for (const TSearchedProfile &profile : OtherProfiles())
        connect(sub->addAction(profile.name), &QAction::triggered, this,
                Guarded(&messages_, [this, profile, kind] { TransferItem(profile, kind); }));
    sub->setEnabled(latticeGrid1_->RowExist(latticeGrid1_->SelectedRow()) && !sub->isEmpty());
}

void TForm1::TransferItem(const TSearchedProfile &to, TTransferKind kind)
{
    TLatticeGrid &grid = *latticeGrid1_;
    const int row = grid.SelectedRow();
    if (!grid.RowExist(row))
        return;
    const bool copy = kind == TTransferKind::tkCopy;
    // A link or another spelling of the file shown: appending there and
    // deleting here would write one file twice and lose the item.
    if (IsSameProfileFile(to.path, CurrentProfilePath())) {
        messages_.ShowMessage((copy ? tr("The item was not copied: %1 is the profile shown.")
                                    : tr("The item was not moved: %1 is the profile shown."))
                                  .arg(to.name));
        return;
    }
    const TRowSnapshot item = TakeRow(grid, row);
    const TChangeProfileFile change = [this](const QString &path, const auto &edit) {
        profiles_->ChangeProfileFile(path, edit);
    };
    int appended = -1;
    try {
        change(to.path, [&](TLtCustomGridControl &other) {
            appended = AppendItem(other, item);
            return true;
        });
    } catch (const EYearnboxError &error) {
        messages_.ShowDetailedMessage((copy ? tr("The item could not be copied to %1.")
                                            : tr("The item could not be moved to %1."))
                                          .arg(to.name),
                                      error.Message());
        return;
    }
    RecordTransfer(*history_, change, to.path, kind, row, item, appended);
    // Not caught here, as after a delete: a failed save reaches the default error report.
    if (kind == TTransferKind::tkMove)
        history_->Move(row, item, std::nullopt);
}
