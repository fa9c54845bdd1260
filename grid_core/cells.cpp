#include "grid_core/cells.h"

#include "grid_core/cell_columns.h"
#include "grid_core/text_file.h"
#include "platform/errors.h"

#include <algorithm>
#include <new>
#include <optional>

TCells::TCells(ICellsHost *grid, const ICellColumns *columns) : grid_(grid), columns_(columns) {}

TCells::~TCells()
{
    ClearRows();
    ClearColumns();
}

TSlabPool &TCells::PoolFor(size_t size)
{
    const size_t index = (size + 7) / 8;
    if (cellPools_.size() <= index)
        cellPools_.resize(index + 1);
    if (!cellPools_[index])
        cellPools_[index] = std::make_unique<TSlabPool>(index * 8, this);
    return *cellPools_[index];
}

template <typename T>
T *TCells::NewCell()
{
    return new (PoolFor(sizeof(T)).Allocate()) T(this);
}

void TCells::DestroyCell(TCell *cell)
{
    if (cell->hasHint_)
        hints_.remove(cell);
    if (cell->hasObject_)
        objects_.remove(cell);
    cell->~TCell();
    TSlabPool::PoolOf(cell)->Free(cell);
}

TRow *TCells::NewRow()
{
    TRow *row = new (rowPool_->Allocate()) TRow;
    row->height = defaultRowHeight_;
    return row;
}

void TCells::DestroyRow(TRow *row)
{
    row->~TRow();
    rowPool_->Free(row);
}

void TCells::DestroyAllRows()
{
    size_t live = 0;
    for (const auto &pool : cellPools_)
        if (pool)
            live += pool->LiveCount();
    // Every live cell is in the lists (none made by CreateCell alone): the
    // pools go whole, without threading a million slots onto free lists.
    const bool whole =
        live == size_t(columnCount_) * size_t(rowCount_) && rowPool_->LiveCount() == rows_.size();
    for (int c = 0; c < columnCount_; ++c) {
        if (!whole) {
            for (TCell *cell : table_[c])
                DestroyCell(cell);
        } else if (ownedTexts_ > 0) {
            for (TCell *cell : table_[c])
                cell->~TCell();
        }
        TCellList().swap(table_[c]);
    }
    if (whole) {
        hints_.clear();
        objects_.clear();
        for (auto &pool : cellPools_)
            if (pool)
                pool->ReleaseAll();
        rowPool_->ReleaseAll();
    } else {
        for (TRow *row : rows_)
            DestroyRow(row);
    }
    TRowList().swap(rows_);
}

void TCells::ReleasePoolsWhenEmpty()
{
    if (rowCount_ != 0)
        return;
    bool empty = true;
    for (auto &pool : cellPools_) {
        if (pool && pool->LiveCount() == 0)
            pool->ReleaseAll();
        else if (pool)
            empty = false;
    }
    if (rowPool_->LiveCount() == 0)
        rowPool_->ReleaseAll();
    // A cell made by CreateCell alone may still point into an arena.
    if (empty)
        std::vector<std::shared_ptr<const TTextArena>>().swap(arenas_);
}

int TCells::ArenaIndex(const std::shared_ptr<const TTextArena> &arena)
{
    for (size_t i = arenas_.size(); i-- > 0;)
        if (arenas_[i] == arena)
            return int(i);
    if (arenas_.size() >= kMaxArenas)
        return -1;
    // A reader on another thread looks texts up in the list.
    WaitForReader();
    arenas_.push_back(arena);
    return int(arenas_.size()) - 1;
}

TCells::TCellPrototype TCells::PrototypeFor(int column, TCellCreation creation) const
{
    TCellClass cellClass = TCellClass::ccString;
    switch (columns_->ColumnDataType(column)) {
    case TColumnType::ctAutoInc:
        cellClass = creation == TCellCreation::ccAppend || creation == TCellCreation::ccChildRow
                        ? TCellClass::ccIncrement
                        : TCellClass::ccInteger;
        break;
    case TColumnType::ctBoolean: cellClass = TCellClass::ccBoolean; break;
    case TColumnType::ctDate: cellClass = TCellClass::ccDateTime; break;
    case TColumnType::ctFloat: cellClass = TCellClass::ccFloat; break;
    case TColumnType::ctGuid:
        cellClass = creation == TCellCreation::ccAppend || creation == TCellCreation::ccInsertColumn
                        ? TCellClass::ccGuid
                        : TCellClass::ccString;
        break;
    case TColumnType::ctInteger: cellClass = TCellClass::ccInteger; break;
    case TColumnType::ctVirtual: cellClass = TCellClass::ccVirtual; break;
    case TColumnType::ctNone:
    case TColumnType::ctGraphic:
    case TColumnType::ctString:
    case TColumnType::ctLookup:
    case TColumnType::ctMemo: break;
    }
    return {cellClass, uint8_t(columns_->ColumnFontStyle(column).Bits()),
            columns_->ColumnColor(column)};
}

TCell *TCells::NewCell(const TCellPrototype &prototype)
{
    TCell *cell = nullptr;
    switch (prototype.cellClass) {
    case TCellClass::ccString: cell = NewCell<TStringCell>(); break;
    case TCellClass::ccInteger: cell = NewCell<TIntegerCell>(); break;
    case TCellClass::ccBoolean: cell = NewCell<TBooleanCell>(); break;
    case TCellClass::ccFloat: cell = NewCell<TFloatCell>(); break;
    case TCellClass::ccDateTime: cell = NewCell<TDateTimeCell>(); break;
    case TCellClass::ccIncrement: cell = NewCell<TIncrementCell>(); break;
    case TCellClass::ccGuid: cell = NewCell<TGuidCell>(); break;
    case TCellClass::ccVirtual: cell = NewCell<TVirtualCell>(); break;
    }
    // The column's style and colour are the cell's own from birth: not a change.
    cell->fontStyle_ = prototype.fontStyle;
    cell->color_ = prototype.color;
    cell->SetLocked(false);
    return cell;
}

TCell *TCells::CreateCell(int column, TCellCreation creation)
{
    return NewCell(PrototypeFor(column, creation));
}

TCell *TCells::GetCell(int column, int row)
{
    currentColumn_ = column;
    currentRow_ = row;
    if (row < 0 || row >= rowCount_)
        throw EListError(row);
    return table_[column][row];
}

TRow *TCells::GetRow(int row) const
{
    if (row < 0 || row >= rowCount_)
        throw EListError(row);
    return rows_[row];
}

int TCells::GetRowIndex(const TRow *row) const
{
    const auto it = std::find(rows_.begin(), rows_.end(), row);
    return it == rows_.end() ? -1 : int(it - rows_.begin());
}

int TCells::GetCellRowIndex(const TCell *cell) const
{
    for (int c = 0; c < columnCount_; ++c) {
        const auto &list = table_[c];
        const auto it = std::find(list.begin(), list.end(), cell);
        if (it != list.end())
            return int(it - list.begin());
    }
    return -1;
}

namespace {
// Room for extra more elements. Growing to the exact size would copy the whole
// list on every AddRow(1), which is how a load adds its rows.
template <typename T>
void ReserveMore(T &list, size_t extra)
{
    const size_t needed = list.size() + extra;
    if (needed > list.capacity())
        list.reserve(std::max(needed, list.capacity() * 2));
}
} // namespace

void TCells::AddRow(int count)
{
    BeforeRowsChange();
    if (count > 0) {
        ReserveMore(rows_, size_t(count));
        for (int c = 0; c < columnCount_; ++c)
            ReserveMore(table_[c], size_t(count));
    }
    // The columns cannot change while rows are being added.
    for (int c = 0; c < columnCount_ && count > 0; ++c)
        prototypes_[size_t(c)] = PrototypeFor(c, TCellCreation::ccAppend);
    for (int i = 0; i < count; ++i) {
        rows_.push_back(NewRow());
        ++visibleRowCount_;
        for (int c = 0; c < columnCount_; ++c)
            table_[c].push_back(NewCell(prototypes_[size_t(c)]));
        ++rowCount_;
    }
    sorted_ = false;
}

void TCells::ReserveRows(int count)
{
    BeforeRowsChange();
    rows_.reserve(size_t(std::max(count, 0)));
    for (int c = 0; c < columnCount_; ++c)
        table_[c].reserve(size_t(std::max(count, 0)));
}

void TCells::InsertRow(int row)
{
    BeforeRowsChange();
    if (row < 0 || row > rowCount_)
        throw EListError(row);
    for (int c = 0; c < columnCount_; ++c)
        table_[c].insert(table_[c].begin() + row, CreateCell(c, TCellCreation::ccInsertRow));
    rows_.insert(rows_.begin() + row, NewRow());
    ++visibleRowCount_;
    ++rowCount_;
    sorted_ = false;
}

void TCells::DeleteRow(int row)
{
    BeforeRowsChange();
    TRow *record = GetRow(row);
    const bool read = readGuard_.Reading();
    for (int c = 0; c < columnCount_; ++c) {
        if (read)
            removed_.push_back(table_[c][row]);
        else
            DestroyCell(table_[c][row]);
        table_[c].erase(table_[c].begin() + row);
    }
    --rowCount_;
    if (record->Visible)
        --visibleRowCount_;
    DestroyRow(record);
    rows_.erase(rows_.begin() + row);
    ReleasePoolsWhenEmpty();
}

void TCells::ClearRows()
{
    WaitForReader();
    readGuard_.ReleaseCopies();
    DestroyAllRows();
    rowCount_ = 0;
    visibleRowCount_ = 0;
    sorted_ = false;
    ReleasePoolsWhenEmpty();
}

namespace {
template <typename T>
void MoveElement(T &list, int from, int to)
{
    if (from < to)
        std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
    else if (from > to)
        std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
}
} // namespace

void TCells::MoveRow(int from, int to)
{
    BeforeRowsChange();
    GetRow(from);
    GetRow(to);
    MoveElement(rows_, from, to);
    for (int c = 0; c < columnCount_; ++c)
        MoveElement(table_[c], from, to);
    sorted_ = false;
}

void TCells::SwapRows(int a, int b)
{
    BeforeRowsChange();
    GetRow(a);
    GetRow(b);
    std::swap(rows_[a], rows_[b]);
    for (int c = 0; c < columnCount_; ++c)
        std::swap(table_[c][a], table_[c][b]);
}

void TCells::ShowRow(int row, bool visible)
{
    TRow *record = GetRow(row);
    if (record->Visible == visible)
        return;
    record->Visible = visible;
    visibleRowCount_ += visible ? 1 : -1;
}

void TCells::ExpandRow(int row, bool shown)
{
    TRow *record = GetRow(row);
    if (record->shown == shown)
        return;
    record->shown = shown;
    visibleRowCount_ += shown ? 1 : -1;
}

void TCells::AddChildRow(int parent, int position)
{
    BeforeRowsChange();
    TRow *parentRecord = GetRow(parent);
    if (position < 0 || position > rowCount_)
        throw EListError(position);
    TRow *record = NewRow();
    record->parent = parentRecord;
    record->Visible = parentRecord->Expanded;
    record->Level = parentRecord->Level + 1;
    parentRecord->AddChild();
    rows_.insert(rows_.begin() + position, record);
    ++rowCount_;
    if (record->Visible)
        ++visibleRowCount_;
    for (int c = 0; c < columnCount_; ++c)
        table_[c].insert(table_[c].begin() + position, CreateCell(c, TCellCreation::ccChildRow));
}

int TCells::GetChildCount(int row) const
{
    const int level = GetRow(row)->Level;
    int count = 0;
    for (int r = row + 1; r < rowCount_ && rows_[r]->Level > level; ++r)
        ++count;
    return count;
}

int TCells::GetChildsCount(int row) const
{
    const int level = GetRow(row)->Level;
    int count = 0;
    for (int r = row + 1; r < rowCount_ && rows_[r]->Level == level + 1; ++r)
        ++count;
    return count;
}

int TCells::GetAbsoluteIndex(int a, int b) const
{
    const int level = GetRow(b)->Level;
    return a + int(std::count_if(rows_.begin(), rows_.end(),
                                 [level](const TRow *r) { return r->Level == level; }));
}

void TCells::ColumnsChange(TColumnsOperation operation, int index, int secondIndex)
{
    switch (operation) {
    case TColumnsOperation::opAdd: AddColumn(); break;
    case TColumnsOperation::opDelete: DeleteColumn(index); break;
    case TColumnsOperation::opClear: ClearColumns(); break;
    case TColumnsOperation::opInsert: InsertColumn(index); break;
    case TColumnsOperation::opMove: MoveColumn(index, secondIndex); break;
    }
}

void TCells::AddColumn()
{
    WaitForReader();
    const int column = columns_->ColumnCount() - 1;
    auto &list = table_[columnCount_];
    list.reserve(rowCount_);
    for (int r = 0; r < rowCount_; ++r)
        list.push_back(CreateCell(column, TCellCreation::ccAppend));
    ++columnCount_;
}

void TCells::InsertColumn(int index)
{
    WaitForReader();
    TCellList list;
    list.reserve(rowCount_);
    for (int r = 0; r < rowCount_; ++r)
        list.push_back(CreateCell(index, TCellCreation::ccInsertColumn));
    for (int c = columnCount_; c > index; --c)
        table_[c] = std::move(table_[c - 1]);
    table_[index] = std::move(list);
    ++columnCount_;
    sorted_ = false;
}

void TCells::DeleteColumn(int index)
{
    WaitForReader();
    if (columnCount_ == 1) {
        ClearColumns();
        return;
    }
    for (TCell *cell : table_[index])
        DestroyCell(cell);
    for (int c = index; c < columnCount_ - 1; ++c)
        table_[c] = std::move(table_[c + 1]);
    TCellList().swap(table_[columnCount_ - 1]);
    --columnCount_;
}

void TCells::ClearColumns()
{
    ClearRows();
    columnCount_ = 0;
}

void TCells::MoveColumn(int from, int to)
{
    WaitForReader();
    if (from < to)
        std::rotate(table_.begin() + from, table_.begin() + from + 1, table_.begin() + to + 1);
    else if (from > to)
        std::rotate(table_.begin() + to, table_.begin() + from, table_.begin() + from + 1);
}

void TCells::TakeRowsFrom(TCells &other)
{
    WaitForReader();
    other.WaitForReader();
    ClearRows();
    std::swap(rows_, other.rows_);
    for (int c = 0; c < columnCount_; ++c)
        std::swap(table_[c], other.table_[c]);
    std::swap(cellPools_, other.cellPools_);
    std::swap(rowPool_, other.rowPool_);
    std::swap(arenas_, other.arenas_);
    std::swap(ownedTexts_, other.ownedTexts_);
    hints_.swap(other.hints_);
    objects_.swap(other.objects_);
    std::swap(rowCount_, other.rowCount_);
    std::swap(visibleRowCount_, other.visibleRowCount_);
    // The cells now belong here: their pools say so.
    for (auto &pool : cellPools_)
        if (pool)
            pool->SetTag(this);
    for (auto &pool : other.cellPools_)
        if (pool)
            pool->SetTag(&other);
    sorted_ = false;
}

void TCells::WriteText(TTextFieldWriter &writer) const
{
    const bool reader = readGuard_.IsReader();
    const int rows = reader ? readGuard_.Rows() : rowCount_;
    for (int r = 0; r < rows; ++r) {
        {
            // Another thread's read holds one row at a time, and not while
            // the line goes to the file.
            std::optional<TCellsReadGuard::TRowRead> read;
            if (reader)
                read.emplace(readGuard_, r);
            const bool frozen = read && read->Frozen();
            for (int c = 0; c < columnCount_; ++c) {
                if (c > 0)
                    writer.PutSeparator();
                const TCell *cell = frozen ? read->FrozenCell(c) : table_[size_t(c)][size_t(r)];
                if (const QString *kept = read ? read->Kept(cell) : nullptr)
                    writer.Field(*kept);
                else
                    cell->WriteField(writer, r);
            }
        }
        writer.PutLineEnd();
    }
}

void TCells::BeginRead()
{
    DestroyRemovedCells();
    readGuard_.Begin(rowCount_);
}

void TCells::WaitForReader()
{
    readGuard_.WaitForReader();
    DestroyRemovedCells();
}

void TCells::BeforeRowsChange()
{
    if (!readGuard_.Reading()) {
        DestroyRemovedCells();
        return;
    }
    readGuard_.FreezeRows([this](int from, TCellsReadGuard::TFrozenCells &cells) {
        cells.reserve(size_t(rowCount_ - from) * size_t(columnCount_));
        for (int c = 0; c < columnCount_; ++c)
            cells.insert(cells.end(), table_[size_t(c)].begin() + from, table_[size_t(c)].end());
    });
}

void TCells::DestroyRemovedCells()
{
    if (removed_.empty() || readGuard_.Reading())
        return;
    for (TCell *cell : removed_)
        DestroyCell(cell);
    std::vector<TCell *>().swap(removed_);
    ReleasePoolsWhenEmpty();
}

void TCells::Changed()
{
    if (OnChange)
        OnChange(this, currentColumn_, currentRow_);
    sorted_ = false;
}
