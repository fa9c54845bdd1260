// The store's sort: the comparison pair of the sort type (sort_keys.h), then
// either the reversal of a sorted column or the quicksort (quicksort.h) with
// the process's pivot generator; the sorted marker last, so a sort stopped by
// a conversion error leaves the store unmarked.

#include "grid_core/cells.h"
#include "grid_core/quicksort.h"
#include "grid_core/sort_keys.h"
#include "platform/errors.h"

#include <algorithm>

template <typename Keys>
void TCells::QuicksortColumn(Keys keys, bool ascending)
{
    const auto swapRows = [this](int a, int b) {
        std::swap(rows_[size_t(a)], rows_[size_t(b)]);
        for (int c = 0; c < columnCount_; ++c)
            std::swap(table_[size_t(c)][size_t(a)], table_[size_t(c)][size_t(b)]);
    };
    Quicksort(keys, swapRows, rowCount_, ascending, TSortRandom::Process());
}

void TCells::ReverseRows()
{
    // Exchanging rows i and count - 1 - i for i below count / 2, one list at a time.
    std::reverse(rows_.begin(), rows_.end());
    for (int c = 0; c < columnCount_; ++c)
        std::reverse(table_[size_t(c)].begin(), table_[size_t(c)].end());
}

void TCells::SortColumn(int index, TSortType sortType, TSortKind sortKind, bool fullResort)
{
    BeforeRowsChange();
    if (index < 0 || index >= columnCount_)
        throw EListError(index);
    if (index == sortIndex_ && sorted_ && sortKind != sortKind_ && !fullResort) {
        sortKind_ = sortKind;
        ReverseRows();
        sorted_ = true;
        return;
    }
    // Any other sort: a full quicksort.
    sortKind_ = sortKind;
    const bool ascending = sortKind == TSortKind::skAscending;
    TCell *const *column = table_[size_t(index)].data();
    const int count = rowCount_;
    switch (sortType) {
    case TSortType::stAlphabetic:
        QuicksortColumn(TValueSortKeys(ReadTextRanks(column, count)), ascending);
        break;
    case TSortType::stCaseInsensitive:
        QuicksortColumn(TValueSortKeys(ReadLoweredBytes(column, count)), ascending);
        break;
    case TSortType::stIP:
        QuicksortColumn(TValueSortKeys(ReadAddresses(column, count)), ascending);
        break;
    case TSortType::stCustom: QuicksortColumn(TCustomSortKeys(column, *grid_), ascending); break;
    case TSortType::stNumeric:
    case TSortType::stDate:
    case TSortType::stBoolean: {
        const TReadNumber read = sortType == TSortType::stNumeric ? ReadFloat
                                 : sortType == TSortType::stDate  ? ReadDateTime
                                                                  : ReadBoolean;
        std::vector<double> numbers;
        try {
            numbers = ReadNumbers(column, count, read);
        } catch (const EConvertError &) {
            // The comparisons meet the unreadable cell during the sort.
            QuicksortColumn(TConvertingSortKeys(column, read), ascending);
            break;
        }
        QuicksortColumn(TValueSortKeys(std::move(numbers)), ascending);
        break;
    }
    }
    sortIndex_ = index;
    sorted_ = true;
}
