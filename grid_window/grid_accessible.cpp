#include "grid_window/grid_accessible.h"

#include "grid_window/accessible_texts.h"
#include "grid_window/column_kinds.h"
#include "grid_window/lattice_grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <algorithm>
#include <exception>

namespace {

// Cells kept at most; the cache is emptied when it is full.
constexpr int kCellCacheLimit = 4096;
// Beyond this many rows below the top row a cell counts as off screen, so
// that its rectangle is never computed by a long walk.
constexpr int kRowsInViewLimit = 256;

// The visible columns in display order, as column indexes.
QList<int> TableColumns(TLatticeGrid &grid)
{
    QList<int> result;
    TLtColumns &columns = grid.Columns();
    for (int position = 0; position < columns.Count(); ++position)
        if (const TLtCustomColumn *column = columns.PositionItem(position);
            column && column->Visible())
            result.append(column->Index());
    return result;
}

TLtCustomColumn *TableColumn(TLatticeGrid &grid, int tableColumn)
{
    const QList<int> columns = TableColumns(grid);
    return tableColumn >= 0 && tableColumn < columns.size()
               ? grid.Columns().Item(columns[tableColumn])
               : nullptr;
}

QString ColumnName(const TLtCustomColumn &column)
{
    return AccessibleColumnName(column.Header().Caption(), column.AccessibleName());
}

QString CellText(TLatticeGrid &grid, const TLtCustomColumn &column, int row)
{
    TCell &cell = *grid.GetCell(column.Index(), row);
    try {
        if (const auto text = column.AccessibleText(ColumnName(column), cell))
            return *text;
        return grid.CellDisplayText(column.Index(), row);
    } catch (...) {
        // A value that does not convert reads as its text.
        return cell.GetAsString();
    }
}

// Runs an action as a click runs: a failure (a save that cannot be written)
// is raised again from a queued call, while Qt delivers an event, where the
// application reports it; it never travels back through the bridge.
template <typename F>
void Perform(TLatticeGrid &grid, F act)
{
    try {
        act();
    } catch (...) {
        QMetaObject::invokeMethod(
            &grid, [failure = std::current_exception()] { std::rethrow_exception(failure); },
            Qt::QueuedConnection);
    }
}

// A check-box cell whose value does not convert counts as not checked.
bool IsChecked(TCell &cell)
{
    try {
        return cell.GetAsBoolean();
    } catch (...) {
        return false;
    }
}

class TGridAccessible;

// A header (row -1) or a body cell, by table column and row.
class TGridCellAccessible : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface,
                            public QAccessibleValueInterface {
public:
    TGridCellAccessible(TLatticeGrid *grid, int row, int tableColumn)
        : grid_(grid), row_(row), tableColumn_(tableColumn)
    {
    }

    bool isValid() const override
    {
        return grid_ && (row_ < 0 || grid_->RowExist(row_)) && Column() != nullptr;
    }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        const TLtCustomColumn *column = Column();
        if (!column || kind != QAccessible::Name || (row_ >= 0 && !grid_->RowExist(row_)))
            return {};
        told_ = row_ < 0 ? ColumnName(*column) : CellText(*grid_, *column, row_);
        return told_;
    }
    // The text when last read or made, so that a change of colour alone
    // tells nothing.
    const QString &Told() const { return told_; }
    bool IsCheckBox() const { return Role() == TElementRole::erCheckBox; }
    bool HasValue() const { return row_ >= 0 && Role() == TElementRole::erRating; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const TLtCustomColumn *column = Column();
        if (!column || !grid_->RowExist(grid_->TopRow()))
            return {};
        const int row = row_ < 0 ? grid_->TopRow() : row_;
        if (row < grid_->TopRow() || row - grid_->TopRow() > kRowsInViewLimit)
            return {};
        QRect cell = grid_->CellRect(column->Index(), row);
        if (row_ < 0)
            cell = QRect(cell.left(), cell.top() - grid_->HeaderSize(), cell.width(),
                         grid_->HeaderSize());
        return QRect(grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override
    {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const TLtCustomColumn *column = Column();
        if (!column || row_ < 0)
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.focused =
            state.selected && grid_->GridHasFocus() && grid_->SelectedColumn() == column->Index();
        state.offscreen = rect().isEmpty();
        if (IsCheckBox()) {
            state.checkable = true;
            state.checked = IsChecked(*grid_->GetCell(column->Index(), row_));
        }
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface &&
            (row_ >= 0 ? Role() != TElementRole::erNone : CanSort()))
            return static_cast<QAccessibleActionInterface *>(this);
        if (type == QAccessible::ValueInterface && HasValue())
            return static_cast<QAccessibleValueInterface *>(this);
        return nullptr;
    }

    // Table cell.
    bool isSelected() const override { return row_ >= 0 && grid_ && grid_->SelectedRow() == row_; }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return tableColumn_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // Actions: what a click on the cell, or on the header, does.
    QStringList actionNames() const override
    {
        if (row_ < 0)
            return {pressAction()};
        switch (Role()) {
        case TElementRole::erNone: return {};
        case TElementRole::erCheckBox: return {toggleAction()};
        case TElementRole::erButton: return {pressAction()};
        case TElementRole::erRating: return {increaseAction(), decreaseAction()};
        }
        return {};
    }
    void doAction(const QString &name) override
    {
        if (!isValid())
            return;
        if (row_ < 0) {
            if (name == pressAction() && CanSort())
                Perform(*grid_, [&] { grid_->ClickHeader(Column()->Index()); });
            return;
        }
        const int column = Column()->Index();
        TLatticeGrid &grid = *grid_;
        if (name == toggleAction() && IsCheckBox())
            Perform(grid, [&] {
                grid.ActivateCell(column, row_, IsChecked(*grid.GetCell(column, row_)) ? 0 : 1);
            });
        else if (name == pressAction() && Role() == TElementRole::erButton)
            Perform(grid, [&] { grid.ActivateCell(column, row_, std::nullopt); });
        else if (name == increaseAction() || name == decreaseAction())
            setCurrentValue(currentValue().toInt() + (name == increaseAction() ? 1 : -1));
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // Value of a rate cell.
    QVariant currentValue() const override
    {
        if (!isValid() || row_ < 0)
            return 0;
        TCell &cell = *grid_->GetCell(Column()->Index(), row_);
        try {
            return cell.GetAsInteger();
        } catch (...) {
            // A value that does not convert counts as none.
            return 0;
        }
    }
    void setCurrentValue(const QVariant &value) override
    {
        if (!isValid() || row_ < 0 || !IsRate())
            return;
        const int wanted = std::clamp(value.toInt(), 0, Column()->ElementMax());
        if (wanted != currentValue().toInt())
            Perform(*grid_, [&] { grid_->ActivateCell(Column()->Index(), row_, wanted); });
    }
    QVariant maximumValue() const override { return IsRate() ? Column()->ElementMax() : 0; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    TLtCustomColumn *Column() const { return grid_ ? TableColumn(*grid_, tableColumn_) : nullptr; }
    TElementRole Role() const
    {
        const TLtCustomColumn *column = Column();
        return column ? column->ElementRole() : TElementRole::erNone;
    }
    bool IsRate() const
    {
        return row_ >= 0 && (Role() == TElementRole::erButton || Role() == TElementRole::erRating);
    }
    bool CanSort() const
    {
        const TLtCustomColumn *column = Column();
        return column && column->Options().Contains(TColumnOption::coCanSort);
    }

    QPointer<TLatticeGrid> grid_;
    int row_;
    int tableColumn_;
    mutable QString told_;
};

class TGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TGridAccessible(TLatticeGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~TGridAccessible() override { ForgetCells(); }

    TLatticeGrid &Grid() const { return *static_cast<TLatticeGrid *>(widget()); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface *child(int index) const override
    {
        const int columns = columnCount();
        return index >= 0 && columns > 0 ? Cell(index / columns - 1, index % columns) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || child->parent() != this)
            return -1;
        const auto *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface();
        return cell ? (cell->rowIndex() + 1) * columnCount() + cell->columnIndex() : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint point = Grid().viewport()->mapFromGlobal(QPoint(x, y));
        const auto at = Grid().CellAt(point);
        if (!at || at->first < 0 || !Grid().RowExist(at->second))
            return nullptr;
        const int tableColumn = TableColumns(Grid()).indexOf(at->first);
        return tableColumn < 0 ? nullptr : Cell(at->second, tableColumn);
    }
    QAccessibleInterface *focusChild() const override
    {
        const int tableColumn = TableColumns(Grid()).indexOf(Grid().SelectedColumn());
        if (!Grid().GridHasFocus() || !Grid().RowExist(Grid().SelectedRow()) || tableColumn < 0)
            return nullptr;
        return Cell(Grid().SelectedRow(), tableColumn);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return row >= 0 && row < rowCount() ? Cell(row, column) : nullptr;
    }
    int selectedCellCount() const override { return int(selectedRows().size()) * columnCount(); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (const int row : selectedRows())
            for (int column = 0; column < columnCount(); ++column)
                cells.append(Cell(row, column));
        return cells;
    }
    QString columnDescription(int column) const override
    {
        const TLtCustomColumn *item = TableColumn(Grid(), column);
        return item ? ColumnName(*item) : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return int(TableColumns(Grid()).size()); }
    int rowCount() const override { return Grid().RowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    // The grid selects whole rows, one at a time.
    QList<int> selectedRows() const override
    {
        const int row = Grid().SelectedRow();
        return Grid().RowExist(row) ? QList<int>{row} : QList<int>{};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override
    {
        return Grid().RowExist(row) && row == Grid().SelectedRow();
    }
    bool selectRow(int row) override
    {
        if (!Grid().RowExist(row))
            return false;
        Grid().SetSelectedRow(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { ForgetCells(); }

    QAccessibleInterface *Cell(int row, int tableColumn) const
    {
        if (tableColumn < 0 || tableColumn >= columnCount() || row < -1 || row >= rowCount())
            return nullptr;
        if (QAccessibleInterface *known = KnownCell(row, tableColumn))
            return known;
        if (cells_.size() >= kCellCacheLimit)
            const_cast<TGridAccessible *>(this)->ForgetCells();
        auto *cell = new TGridCellAccessible(&Grid(), row, tableColumn);
        cells_.insert(Key(row, tableColumn), QAccessible::registerAccessibleInterface(cell));
        // Its text now is what a change is measured against, read or not.
        cell->text(QAccessible::Name);
        return cell;
    }
    // A cell a tool has asked for; none for the others, which no tool knows.
    TGridCellAccessible *KnownCell(int row, int tableColumn) const
    {
        const auto found = cells_.constFind(Key(row, tableColumn));
        return found == cells_.constEnd()
                   ? nullptr
                   : static_cast<TGridCellAccessible *>(QAccessible::accessibleInterface(*found));
    }
    // The selected cell tools were last told of, as a child index.
    int toldSelection = -1;
    void ForgetCells()
    {
        for (const QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
        toldSelection = -1;
    }

private:
    static quint64 Key(int row, int tableColumn)
    {
        return (quint64(quint32(row + 1)) << 32) | quint32(tableColumn);
    }

    mutable QHash<quint64, QAccessible::Id> cells_;
};

QList<QAccessibleInterface *> TGridCellAccessible::columnHeaderCells() const
{
    auto *table = static_cast<TGridAccessible *>(parent());
    return table && row_ >= 0 ? QList<QAccessibleInterface *>{table->Cell(-1, tableColumn_)}
                              : QList<QAccessibleInterface *>{};
}

QAccessibleInterface *GridFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("TLatticeGrid"))
        if (auto *grid = qobject_cast<TLatticeGrid *>(object))
            return new TGridAccessible(grid);
    return nullptr;
}

TGridAccessible *TableOf(TLatticeGrid &grid)
{
    return dynamic_cast<TGridAccessible *>(QAccessible::queryAccessibleInterface(&grid));
}

void Tell(TLatticeGrid &grid, QAccessible::Event type, int child)
{
    QAccessibleEvent event(&grid, type);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
}

void AccessibleSelectionMoved(TLatticeGrid &grid, int column, int row)
{
    if (!QAccessible::isActive() || !grid.RowExist(row))
        return;
    TGridAccessible *table = TableOf(grid);
    const int tableColumn = TableColumns(grid).indexOf(column);
    if (!table || tableColumn < 0)
        return;
    const int child = (row + 1) * table->columnCount() + tableColumn;
    if (child == table->toldSelection)
        return;
    table->toldSelection = child;
    Tell(grid, QAccessible::Selection, child);
    if (grid.GridHasFocus())
        Tell(grid, QAccessible::Focus, child);
}

void AccessibleFocusEntered(TLatticeGrid &grid)
{
    if (!QAccessible::isActive())
        return;
    TGridAccessible *table = TableOf(grid);
    const int tableColumn = TableColumns(grid).indexOf(grid.SelectedColumn());
    if (table && tableColumn >= 0 && grid.RowExist(grid.SelectedRow()))
        Tell(grid, QAccessible::Focus,
             (grid.SelectedRow() + 1) * table->columnCount() + tableColumn);
}

void AccessibleCellChanged(TLatticeGrid &grid, int column, int row)
{
    if (!QAccessible::isActive() || !grid.RowExist(row))
        return;
    TGridAccessible *table = TableOf(grid);
    const int tableColumn = TableColumns(grid).indexOf(column);
    TGridCellAccessible *cell =
        table && tableColumn >= 0 ? table->KnownCell(row, tableColumn) : nullptr;
    if (!cell)
        return;
    const QString before = cell->Told();
    if (cell->text(QAccessible::Name) == before)
        return;
    const int child = (row + 1) * table->columnCount() + tableColumn;
    if (cell->HasValue()) {
        QAccessibleValueChangeEvent value(&grid, cell->valueInterface()->currentValue());
        value.setChild(child);
        QAccessible::updateAccessibility(&value);
    }
    if (cell->IsCheckBox()) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent state(&grid, checked);
        state.setChild(child);
        QAccessible::updateAccessibility(&state);
    }
    Tell(grid, QAccessible::NameChanged, child);
}

void AccessibleTableChanged(TLatticeGrid &grid)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTableModelChangeEvent event(&grid, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
    // The selected cell may now be another item's (the one after a deleted
    // row): the focus is told again.
    if (grid.GridHasFocus())
        AccessibleFocusEntered(grid);
}
