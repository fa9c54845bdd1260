#include "grid_window/columns.h"

#include "grid_window/column_sizing.h"
#include "platform/errors.h"

#include <algorithm>

TLtColumns::TLtColumns(IColumnsHost &host) : host_(host) {}

// The grid is going: the columns go without reports.
TLtColumns::~TLtColumns()
{
    for (auto &column : items_)
        column->columns_ = nullptr;
}

void TLtColumns::Report(TColumnsOperation operation, int index, int second)
{
    if (OnChange)
        OnChange(operation, index, second);
    if (OnRepaint)
        OnRepaint(operation, index, second);
}

void TLtColumns::ColumnChanged(TLtCustomColumn &column, TColumnChangeKind kind, int parameter)
{
    if (OnColumnChange)
        OnColumnChange(column, kind, parameter);
}

void TLtColumns::SetUpAdded(TLtCustomColumn &column, const QString &caption)
{
    try {
        column.SetColor(host_.GridColor());
        column.SetCursor(host_.GridCursor());
        if (column.ParentFont())
            column.CopyParentFont();
        column.Header().SetCaption(caption);
    } catch (...) {
        Remove(&column);
        throw;
    }
}

void TLtColumns::SetUpInserted(TLtCustomColumn &column)
{
    column.color_ = host_.GridColor();
    column.cursor_ = host_.GridCursor();
    column.font_ = host_.GridFont();
    column.fontColor_ = host_.GridFontColor();
}

TLtCustomColumn *TLtColumns::AddColumn(std::unique_ptr<TLtCustomColumn> column)
{
    TLtCustomColumn *added = column.get();
    added->columns_ = this;
    items_.push_back(std::move(column));
    if (!reading_) {
        positions_.push_back(added);
        added->position_ = int(positions_.size()) - 1;
        UpdateColumns(false);
        ResizeColumns(nullptr, false);
    }
    Report(TColumnsOperation::opAdd, Count() - 1, 0);
    return added;
}

TLtCustomColumn *TLtColumns::InsertColumn(std::unique_ptr<TLtCustomColumn> column, int index)
{
    if (index < 0 || index > Count())
        throw EListError(index);
    TLtCustomColumn *inserted = column.get();
    inserted->columns_ = this;
    items_.insert(items_.begin() + index, std::move(column));
    positions_.push_back(inserted);
    UpdateColumns(true);
    ResizeColumns(nullptr, false);
    Report(TColumnsOperation::opInsert, index, 0);
    return inserted;
}

void TLtColumns::Delete(int index)
{
    if (!Exists(index))
        throw EListError(index);
    Remove(Item(index));
}

std::unique_ptr<TLtCustomColumn> TLtColumns::Remove(TLtCustomColumn *column)
{
    const int index = IndexOf(column);
    const int place = PositionOf(column);
    if (index < 0 && place < 0)
        return nullptr;
    std::unique_ptr<TLtCustomColumn> removed;
    if (index >= 0) {
        removed = std::move(items_[size_t(index)]);
        items_.erase(items_.begin() + index);
        if (OnChange)
            OnChange(TColumnsOperation::opDelete, index, 0);
    }
    if (place >= 0)
        positions_.erase(positions_.begin() + place);
    column->columns_ = nullptr;
    column->visibleIndex_ = -1;
    if (!reading_) {
        UpdateColumns(true);
        ResizeColumns(nullptr, false);
    }
    if (OnRepaint)
        OnRepaint(TColumnsOperation::opDelete, index, 0);
    return removed;
}

void TLtColumns::Clear()
{
    for (auto &column : items_)
        column->columns_ = nullptr;
    positions_.clear();
    items_.clear();
    fixedWidth_ = 0;
    Report(TColumnsOperation::opClear, 0, 0);
}

void TLtColumns::Move(int from, int to)
{
    if (!Exists(from) || !Exists(to))
        return;
    auto column = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(column));
    UpdateColumns(false);
    Report(TColumnsOperation::opMove, to, from);
}

void TLtColumns::ChangePosition(int from, int to)
{
    if (from == to)
        return;
    const int count = int(positions_.size());
    if (from < 0 || from >= count)
        throw EListError(from);
    if (to < 0 || to >= count)
        throw EListError(to);
    TLtCustomColumn *column = positions_[size_t(from)];
    positions_.erase(positions_.begin() + from);
    positions_.insert(positions_.begin() + to, column);
    UpdateColumns(true);
    column->NotifyColumnChange(TColumnChangeKind::ccPosition, from);
}

void TLtColumns::HideAll()
{
    for (auto &column : items_) {
        column->visible_ = false;
        column->visibleIndex_ = -1;
        column->left_ = 0;
        column->NotifyColumnChange(TColumnChangeKind::ccVisible, 0);
    }
    UpdateFixedWidth();
    if (OnRepaint)
        OnRepaint(TColumnsOperation::opDelete, 0, 0);
}

TLtCustomColumn *TLtColumns::Item(int index) const
{
    if (!Exists(index))
        throw EListError(index);
    return items_[size_t(index)].get();
}

TLtCustomColumn *TLtColumns::PositionItem(int position) const
{
    if (position < 0 || position >= int(positions_.size()))
        throw EListError(position);
    return positions_[size_t(position)];
}

int TLtColumns::IndexOf(const TLtCustomColumn *column) const
{
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [column](const auto &item) { return item.get() == column; });
    return it == items_.end() ? -1 : int(it - items_.begin());
}

int TLtColumns::PositionOf(const TLtCustomColumn *column) const
{
    const auto it = std::find(positions_.begin(), positions_.end(), column);
    return it == positions_.end() ? -1 : int(it - positions_.begin());
}

TLtCustomColumn *TLtColumns::GetColumn(const QString &name) const
{
    for (const auto &column : items_)
        if (column->Name().compare(name, Qt::CaseInsensitive) == 0)
            return column.get();
    return nullptr;
}

QString TLtColumns::UniqueName(const QString &base) const
{
    for (int n = 1;; ++n) {
        const QString name = base + QString::number(n);
        if (!GetColumn(name))
            return name;
    }
}

int TLtColumns::GetVisibleCount() const
{
    return int(std::count_if(items_.begin(), items_.end(),
                             [](const auto &column) { return column->Visible(); }));
}

TLtCustomColumn *TLtColumns::GetFirst() const
{
    const auto it = std::find_if(positions_.begin(), positions_.end(),
                                 [](const TLtCustomColumn *c) { return c->Visible(); });
    return it == positions_.end() ? nullptr : *it;
}

TLtCustomColumn *TLtColumns::GetLast() const
{
    const auto it = std::find_if(positions_.rbegin(), positions_.rend(),
                                 [](const TLtCustomColumn *c) { return c->Visible(); });
    return it == positions_.rend() ? nullptr : *it;
}

TLtCustomColumn *TLtColumns::GetNextColumn(TLtCustomColumn *column) const
{
    const int place = PositionOf(column);
    if (place < 0)
        return column;
    for (size_t p = size_t(place) + 1; p < positions_.size(); ++p)
        if (positions_[p]->Enabled() && positions_[p]->Visible())
            return positions_[p];
    return column;
}

TLtCustomColumn *TLtColumns::GetPrevColumn(TLtCustomColumn *column) const
{
    const int place = PositionOf(column);
    for (int p = place - 1; p >= 0; --p)
        if (positions_[size_t(p)]->Enabled() && positions_[size_t(p)]->Visible())
            return positions_[size_t(p)];
    return column;
}

int TLtColumns::GetClientWidth() const
{
    int width = 0;
    for (const auto &column : items_)
        if (column->Visible())
            width += column->Width();
    return width;
}

void TLtColumns::SetFixedCols(int value)
{
    fixedCols_ = std::max(value, 0);
    UpdateFixedWidth();
}

void TLtColumns::UpdateFixedWidth()
{
    fixedWidth_ = 0;
    const size_t fixed = std::min(size_t(fixedCols_), positions_.size());
    for (size_t p = 0; p < fixed; ++p)
        if (positions_[p]->Visible())
            fixedWidth_ += positions_[p]->Width();
}

void TLtColumns::UpdateColumns(bool renumber)
{
    UpdateFixedWidth();
    int x = host_.ShowsIndicator() ? kIndicatorWidth : 0;
    int visibleIndex = 0;
    for (size_t p = 0; p < positions_.size(); ++p) {
        TLtCustomColumn *column = positions_[p];
        if (column->Visible()) {
            column->left_ = x;
            column->visibleIndex_ = visibleIndex++;
            x += column->Width();
        } else {
            column->visibleIndex_ = -1;
        }
        if (renumber)
            column->position_ = int(p);
    }
}

void TLtColumns::ResizeColumns(TLtCustomColumn *column, bool autoSizeSwitched)
{
    if (reading_)
        return;
    const int indicator = host_.ShowsIndicator() ? kIndicatorWidth : 0;
    const int innerWidth = host_.ClientWidth() - indicator;
    const int place = column ? PositionOf(column) : -1;
    size_t start = 0;
    int used = 0;
    if (place >= 0) {
        if (autoSizeSwitched) {
            start = size_t(place);
            used = column->Left();
        } else {
            start = size_t(place) + 1;
            used = column->Left() + (column->Visible() ? column->Width() : 0);
        }
        used -= indicator;
    }
    int autoSizeSum = 0;
    int fixedSum = 0;
    for (size_t p = start; p < positions_.size(); ++p) {
        const TLtCustomColumn *c = positions_[p];
        if (!c->Visible())
            continue;
        (c->Options().Contains(TColumnOption::coAutoSize) ? autoSizeSum : fixedSum) += c->Width();
    }
    if (autoSizeSum == 0)
        return;
    const int freeWidth = innerWidth - used - fixedSum;
    for (size_t p = start; p < positions_.size(); ++p) {
        TLtCustomColumn *c = positions_[p];
        if (c->Visible() && c->Options().Contains(TColumnOption::coAutoSize))
            c->ApplyWidth(AutoSizeWidth(c->Width(), autoSizeSum, freeWidth));
    }
}

void TLtColumns::UpdatePositionList(TLtCustomColumn *column)
{
    if (PositionOf(column) >= 0)
        return;
    const auto before =
        std::find_if(positions_.begin(), positions_.end(), [column](const TLtCustomColumn *placed) {
            return placed->Position() > column->Position();
        });
    positions_.insert(before, column);
    UpdateColumns(false);
}

void TLtColumns::BeginRead()
{
    reading_ = true;
}

void TLtColumns::EndRead()
{
    reading_ = false;
    for (auto &column : items_)
        UpdatePositionList(column.get());
}

void TLtColumns::ParentFontChanged()
{
    for (auto &column : items_)
        if (column->ParentFont())
            column->CopyParentFont();
}

int TLtColumns::NeighbourColumn(int index, int step) const
{
    const int count = Count();
    int position = index < 0 ? (step > 0 ? -1 : count) : PositionOf(Item(index));
    for (position += step; position >= 0 && position < count; position += step) {
        const TLtCustomColumn *column = PositionItem(position);
        if (column->Visible() && column->Enabled())
            return column->Index();
    }
    return -1;
}

TColumnSortSettings TLtColumns::ColumnSortSettings(int index) const
{
    const TLtCustomColumn &column = *Item(index);
    return {column.Options().Contains(TColumnOption::coCanSort), column.SortType(),
            column.SortKind(), column.Options().Contains(TColumnOption::coFullResort)};
}

int TLtColumns::SearchColumn() const
{
    for (int i = 0; i < Count(); ++i)
        if (Item(i)->Options().Contains(TColumnOption::coSearchColumn))
            return i;
    return -1;
}
