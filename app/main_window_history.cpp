// The main window's undo and redo: the stacks per profile, the keys on the
// window and the grid's right-click menu that offers them.

#include "app/application.h"
#include "app/grid_context_menu.h"
#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/notice_line.h"
#include "app/restore_dialog.h"
#include "app/row_marks.h"
#include "app/version_summary.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "platform/modal_windows.h"

#include <QApplication>
#include <QKeySequence>
#include <QScopeGuard>
#include <QShortcut>

#include <memory>

void TForm1::CreateHistory()
{
    history_ = std::make_unique<TItemHistory>(
        *latticeGrid1_, [this] { return profiles_->CurrentProfilePath(); },
        [this] { profiles_->SaveCurrent(); });
    // An edit is recorded with the row as it was when the grid accepted it.
    latticeGrid1_->OnEditAccept = [this](TLtCustomGridControl &grid, int, int row, const QString &,
                                         bool &) { editedRow_.emplace(row, TakeRow(grid, row)); };
    const auto addKey = [this](QKeyCombination key, void (TForm1::*action)()) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this,
                Guarded(&messages_, [this, action] { (this->*action)(); }));
    };
    addKey(Qt::CTRL | Qt::Key_Z, &TForm1::Undo);
    addKey(Qt::CTRL | Qt::Key_Y, &TForm1::Redo);
    addKey(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, &TForm1::Redo);
    addKey(Qt::CTRL | Qt::Key_P, &TForm1::PrintTheList);
    // The four profile buttons take no focus; these keys press them.
    addKey(Qt::CTRL | Qt::Key_N, &TForm1::SpeedButton4Click);
    addKey(Qt::CTRL | Qt::Key_S, &TForm1::SpeedButton1Click);
    addKey(Qt::CTRL | Qt::Key_O, &TForm1::SpeedButton2Click);
    // Two modifiers, so that a slip of the Delete key does not delete a profile.
    addKey(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete, &TForm1::SpeedButton3Click);
    profiles_->Watch().OnChangedOutside = Guarded(&messages_, [this] { ReloadChangedProfile(); });
    profiles_->OnFileKnown = [this](std::size_t held) { history_->Saved(held); };
    // However the program quits, the last change is saved first.
    connect(qApp, &QCoreApplication::aboutToQuit, this,
            Guarded(&messages_, [this] { profiles_->WaitForSaves(); }));
    profiles_->OnCountUnsaved = [this] { return history_->UnsavedCount(); };
    profiles_->OnSlowSave = [this] {
        notice_->Tell(tr("Saving…"));
        // The window waits for the disk: the notice is painted now.
        notice_->repaint();
    };
    profiles_->OnChangedBeforeSave = [this] { MergeWithOtherWriter(); };
    notice_ = new TNoticeLine(this);
    gridContextMenu_ =
        new TGridContextMenu(*latticeGrid1_, [this](QMenu &menu) { FillGridContextMenu(menu); });
}

void TForm1::SpeedButton3Click()
{
    std::optional<TDeletedProfile> deleted = profiles_->DeleteTheActiveProfile();
    if (!deleted)
        return;
    // Shared by the two steps: a redo keeps the version it deletes.
    auto kept = std::make_shared<TDeletedProfile>(std::move(*deleted));
    history_->ProfileChanged(
        kept->path, CurrentProfilePath(), [this, kept] { profiles_->PutBack(*kept); },
        [this, kept] { profiles_->DeleteAgain(*kept); });
}

void TForm1::SpeedButton4Click()
{
    auto replaced = std::make_shared<TNewYearnbox>();
    // Recorded also when the save fails: the list it emptied can come back.
    const auto record = qScopeGuard([&] {
        history_->ProfileChanged(
            replaced->previousPath, profiles_->BlankProfilePath(),
            [this, replaced] { profiles_->PutBack(*replaced); },
            [this, replaced] { profiles_->CreateANewYearnbox(replaced.get()); });
    });
    profiles_->CreateANewYearnbox(replaced.get());
}

void TForm1::Undo()
{
    history_->Undo();
}
void TForm1::Redo()
{
    history_->Redo();
}

void TForm1::RestoreAnEarlierVersion()
{
    // The versions are listed with no save of ours adding or dropping one.
    profiles_->WaitForSaves();
    TLatticeGrid &grid = *latticeGrid1_;
    QStringList names;
    names.reserve(grid.RowCount());
    for (int row = 0; row < grid.RowCount(); ++row)
        names.append(grid.GetCells(icName, row));
    TRestoreDialog dialog(profiles_->Backups().List(CurrentProfilePath()), names, grid.Columns(),
                          this);
    TModalWindows exec;
    (modal_ ? *modal_ : exec).ShowModal(dialog);
    const QString chosen = dialog.ChosenPath();
    if (dialog.result() != QDialog::Accepted || chosen.isEmpty())
        return;
    // Every change saved, the file is the list: its kept version is what an
    // undo loads back.
    const QString path = CurrentProfilePath();
    const TFileVersion before =
        profiles_->Backups().KeepVersion(path, profiles_->Watch().KnownHash(path));
    std::function<void()> loadBefore;
    if (!before.backup.isEmpty())
        loadBefore = [this, backup = before.backup] {
            profiles_->LoadFile(backup);
            ApplyRowMarks(*latticeGrid1_);
        };
    // Loaded again on the other version when another writer saved meanwhile.
    history_->ReplaceAll(
        [this, chosen, saved = dialog.ChosenSaved()] {
            try {
                profiles_->LoadFile(chosen);
            } catch (const EYearnboxError &) {
                // The load's own text may quote megabytes of the version: say
                // which version and where, briefly.
                const TVersionSummary failed =
                    SummarizeVersionFile(chosen, {}, latticeGrid1_->Columns());
                if (!failed.unreadable)
                    throw;
                throw EInOutError(UnreadableVersionText(saved, failed));
            }
            ApplyRowMarks(*latticeGrid1_);
        },
        std::move(loadBefore));
}

void TForm1::ReloadChangedProfile()
{
    // A save running checks the file under its lock and looks again when it ends.
    if (profiles_->Saving())
        return;
    // Changes that a failed save left unsaved are made on the other version.
    if (history_->HasUnsaved()) {
        profiles_->SaveCurrent();
        return;
    }
    try {
        ReloadKeepingPlace();
    } catch (const EYearnboxError &) {
        // Gone or unreadable: the list stays, and the next save writes it.
    }
}

void TForm1::MergeWithOtherWriter()
{
    bool met = false;
    try {
        met = history_->ReplayUnsaved([this] { ReloadKeepingPlace(); });
    } catch (const EYearnboxError &) {
        // The other version cannot be read: this list is written, and that
        // version stays among the backups.
        return;
    }
    if (met)
        notice_->Tell(tr(
            "An item you changed was changed elsewhere too: your change was saved, and the other "
            "version is kept under \"Restore an Earlier Version…\"."));
}

void TForm1::ReloadKeepingPlace()
{
    TLatticeGrid &grid = *latticeGrid1_;
    const int selected = grid.SelectedRow();
    const int top = grid.TopRow();
    const auto itemAt = [&](int row) {
        return grid.RowExist(row) ? std::optional(TakeRow(grid, row)) : std::nullopt;
    };
    const std::optional<TRowSnapshot> selectedItem = itemAt(selected);
    const std::optional<TRowSnapshot> topItem = itemAt(top);
    profiles_->LoadFile(CurrentProfilePath());
    ApplyRowMarks(grid);
    if (topItem) {
        if (const int row = FindRow(grid, *topItem, top); row >= 0) {
            // From the end back up, the row comes to the top.
            grid.ScrollToRow(grid.RowCount() - 1);
            grid.ScrollToRow(row);
        }
    }
    if (selectedItem) {
        if (const int row = FindRow(grid, *selectedItem, selected); row >= 0)
            grid.SelectCell(std::max(grid.SelectedColumn(), 0), row, true, {});
    }
}
