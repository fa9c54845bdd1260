// Addresses in an item's name and notes on the main window: a Ctrl+click on
// one in the list, Ctrl+L on the selected item and the list menu's "Open
// Link" open it in the desktop's browser; "Copy Link" puts it on the
// clipboard as typed. An item with several addresses offers each.

#include "app/application.h"
#include "app/item_columns.h"
#include "app/main_window.h"
#include "grid_core/link_spans.h"
#include "grid_window/lattice_grid.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>

namespace {

void CopyLink(const QString &link)
{
    QGuiApplication::clipboard()->setText(link);
}

// A menu entry shows an address as typed, "&" included.
QString EntryText(const QString &link)
{
    QString text = link;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

void TForm1::CreateLinks()
{
    latticeGrid1_->OnLinkClick = [this](TLatticeGrid &, const QString &link) { OpenLink(link); };
}

void TForm1::OpenLink(const QString &link)
{
    QDesktopServices::openUrl(LinkUrl(link));
}

QStringList TForm1::SelectedItemLinks() const
{
    TLatticeGrid &grid = *latticeGrid1_;
    const int row = grid.SelectedRow();
    if (!grid.RowExist(row))
        return {};
    return LinkTexts(grid.GetCells(icName, row)) + LinkTexts(grid.GetCells(icNotes, row));
}

void TForm1::AddLinkMenus(QMenu &menu)
{
    const QStringList links = SelectedItemLinks();
    const auto add = [&](const QString &text, void (*act)(TForm1 &, const QString &)) {
        if (links.size() <= 1) {
            QAction *entry = menu.addAction(text);
            entry->setEnabled(!links.isEmpty());
            const QString link = links.value(0);
            connect(entry, &QAction::triggered, this,
                    Guarded(&messages_, [this, act, link] { act(*this, link); }));
            return entry;
        }
        QMenu *sub = menu.addMenu(text);
        for (const QString &link : links)
            connect(sub->addAction(EntryText(link)), &QAction::triggered, this,
                    Guarded(&messages_, [this, act, link] { act(*this, link); }));
        return sub->menuAction();
    };
    add(tr("Open Link"), [](TForm1 &form, const QString &link) {
        form.OpenLink(link);
    })->setShortcut(Qt::CTRL | Qt::Key_L);
    add(tr("Copy Link"), [](TForm1 &, const QString &link) { CopyLink(link); });
}

void TForm1::OpenSelectedItemLink()
{
    const QStringList links = SelectedItemLinks();
    if (links.size() == 1)
        OpenLink(links.first());
    if (links.size() <= 1)
        return;
    // Several: each offered under the selected cell, as the Menu key's menu is.
    TLatticeGrid &grid = *latticeGrid1_;
    auto *menu = new QMenu(&grid);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const QString &link : links)
        connect(menu->addAction(EntryText(link)), &QAction::triggered, this,
                Guarded(&messages_, [this, link] { OpenLink(link); }));
    const QRect cell = grid.CellRect(std::max(grid.SelectedColumn(), 0), grid.SelectedRow());
    menu->popup(grid.viewport()->mapToGlobal(QPoint(cell.left(), cell.bottom() + 1)));
}
