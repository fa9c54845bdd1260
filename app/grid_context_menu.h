#pragma once
// The item grid's right-click menu. The grid selects the cell under a right
// press itself; the menu opens when that button is released over the grid's
// body, or at once with the Menu key or Shift+F10, under the selected cell. Its entries
// are listed in one place, TForm1::FillGridContextMenu (grid_context_menu.cpp),
// each a text and what it does.

#include <QObject>
#include <QPoint>

#include <functional>

class QMenu;
class TLatticeGrid;

class TGridContextMenu : public QObject {
public:
    // fill adds the entries to a new, empty menu.
    TGridContextMenu(TLatticeGrid &grid, std::function<void(QMenu &)> fill);

    // Opens the menu at a point of the grid's viewport; it deletes itself once closed.
    QMenu *Open(QPoint at);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TLatticeGrid &grid_;
    std::function<void(QMenu &)> fill_;
    // A right press on the body, not yet released.
    bool pressed_ = false;
};
