#include "app/grid_context_menu.h"

#include "app/application.h"
#include "app/item_history.h"
#include "app/item_transfer.h"
#include "app/main_window.h"
#include "grid_window/lattice_grid.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

TGridContextMenu::TGridContextMenu(TLatticeGrid &grid, std::function<void(QMenu &)> fill)
    : QObject(&grid), grid_(grid), fill_(std::move(fill))
{
    grid.viewport()->installEventFilter(this);
    grid.installEventFilter(this);
}

QMenu *TGridContextMenu::Open(QPoint at)
{
    auto *menu = new QMenu(&grid_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    fill_(*menu);
    menu->popup(grid_.viewport()->mapToGlobal(at));
    return menu;
}

bool TGridContextMenu::eventFilter(QObject *, QEvent *event)
{
    // The Menu key and Shift+F10 open it too, under the selected cell (or the
    // body's corner).
    const bool shiftF10 =
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->keyCombination() ==
                                                 QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
    if (shiftF10 ||
        (event->type() == QEvent::ContextMenu &&
         static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard)) {
        const int row = grid_.SelectedRow();
        const QRect cell = row >= 0 ? grid_.CellRect(std::max(grid_.SelectedColumn(), 0), row)
                                    : QRect(grid_.BodyRect().topLeft(), QSize());
        Open(QPoint(cell.left(), cell.bottom() + 1));
        return true;
    }
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton)
        return false;
    const QPoint at = mouse->position().toPoint();
    const bool inBody = grid_.BodyRect().contains(at);
    if (event->type() == QEvent::MouseButtonPress) {
        pressed_ = inBody;
    } else if (std::exchange(pressed_, false) && inBody) {
        // After the grid's own release, which closes an open editor.
        QMetaObject::invokeMethod(
            this, [this, at] { Open(at); }, Qt::QueuedConnection);
    }
    return false;
}

namespace {

// Each sortable column shown with a caption, in screen order, by its caption
// without the colon; a choice does what a click on that header does.
void AddSortMenu(QMenu &menu, TLatticeGrid &grid)
{
    QMenu *sub = menu.addMenu(QCoreApplication::translate("TForm1", "Sort by"));
    TLtColumns &columns = grid.Columns();
    for (int position = 0; position < columns.Count(); ++position) {
        const TLtCustomColumn &column = *columns.PositionItem(position);
        QString caption = column.Header().Caption();
        if (caption.endsWith(QLatin1Char(':')))
            caption.chop(1);
        if (!column.Visible() || caption.isEmpty() ||
            !column.Options().Contains(TColumnOption::coCanSort))
            continue;
        const int index = column.Index();
        QObject::connect(sub->addAction(caption), &QAction::triggered, &grid,
                         [&grid, index] { grid.ClickHeader(index); });
    }
    sub->setEnabled(!sub->isEmpty());
}

} // namespace

void TForm1::FillGridContextMenu(QMenu &menu)
{
    const auto add = [&](const QString &text, bool enabled, void (TForm1::*action)()) {
        QAction *entry = menu.addAction(text);
        entry->setEnabled(enabled);
        connect(entry, &QAction::triggered, this,
                Guarded(&messages_, [this, action] { (this->*action)(); }));
    };
    add(history_->UndoText(), history_->CanUndo(), &TForm1::Undo);
    add(history_->RedoText(), history_->CanRedo(), &TForm1::Redo);
    menu.addSeparator();
    add(tr("Restore an Earlier Version…"),
        !profiles_->Backups().List(CurrentProfilePath()).isEmpty(),
        &TForm1::RestoreAnEarlierVersion);
    menu.addSeparator();
    add(tr("Summary…"), true, &TForm1::ShowSummary);
    add(tr("Export…"), true, &TForm1::ExportItems);
    add(tr("Import…"), true, &TForm1::ImportItems);
    add(tr("Print…"), true, &TForm1::PrintTheList);
    menu.actions().constLast()->setShortcut(Qt::CTRL | Qt::Key_P);
    add(tr("Save as PDF…"), true, &TForm1::SaveTheListAsPdf);
    add(tr("Share as Web Page…"), true, &TForm1::ShareAsWebPage);
    menu.addSeparator();
    add(tr("Find in All Profiles…"), true, &TForm1::FindInAllProfiles);
    menu.actions().constLast()->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
    AddTransferMenu(menu, TTransferKind::tkCopy);
    AddTransferMenu(menu, TTransferKind::tkMove);
    // After the entries that were there before it, so their places stay.
    AddSortMenu(menu, *latticeGrid1_);
    menu.addSeparator();
    AddLinkMenus(menu);
    menu.addSeparator();
    // The profile buttons' own words, with the keys that press them.
    const auto addProfileEntry = [&](QToolButton *button, QKeyCombination key,
                                     void (TForm1::*action)()) {
        add(button->statusTip(), true, action);
        menu.actions().constLast()->setShortcut(key);
    };
    addProfileEntry(speedButton4_, Qt::CTRL | Qt::Key_N, &TForm1::SpeedButton4Click);
    addProfileEntry(speedButton1_, Qt::CTRL | Qt::Key_S, &TForm1::SpeedButton1Click);
    addProfileEntry(speedButton2_, Qt::CTRL | Qt::Key_O, &TForm1::SpeedButton2Click);
    addProfileEntry(speedButton3_, Qt::CTRL | Qt::SHIFT | Qt::Key_Delete,
                    &TForm1::SpeedButton3Click);
}
