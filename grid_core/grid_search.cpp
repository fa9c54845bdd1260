// The grid's own searches. Type-ahead: typed characters gather in SearchText
// until a pause of 500 ms (the search timer) and each time select the next
// row whose search-column text begins with them (SearchNext). FindText and
// Locate select the first row whose cell matches under TSearchOptions. A hit
// is selected and, unless the grid is updating, scrolled into view.

#include "grid_core/grid_search.h"
#include "grid_core/grid_columns.h"
#include "grid_core/grid_control.h"

bool CellStartsWith(QStringView cell, const QString &text)
{
    if (cell.size() < text.size())
        return false;
    // Most cells already differ in their first character.
    if (!text.isEmpty() && cell[0] != text[0] && cell[0].toCaseFolded() != text[0].toCaseFolded())
        return false;
    return cell.left(text.size()).compare(text, Qt::CaseInsensitive) == 0;
}

bool CellMatches(QStringView cell, const QString &text, TSearchOptions options)
{
    const bool anyCase = options.Contains(TSearchOption::soCaseInsensitive);
    if (options.Contains(TSearchOption::soExactMatch))
        return anyCase ? cell.compare(text, Qt::CaseInsensitive) == 0
                       : QString::localeAwareCompare(cell, text) == 0;
    if (text.isEmpty())
        return false;
    return anyCase ? cell.toString().toUpper().contains(text.toUpper()) : cell.contains(text);
}

int TLtCustomGridControl::GetSearchColumn() const
{
    return columns_->SearchColumn();
}

void TLtCustomGridControl::SelectFound(int row)
{
    SetSelectedRow(row);
    if (!IsUpdating())
        ScrollToRow(row);
}

int TLtCustomGridControl::FindRow(int column, int first, int last, bool searchInvisible,
                                  const std::function<bool(QStringView)> &matches)
{
    // A column outside the grid has empty text in every row.
    if (column < 0 || column >= ColumnCount())
        return -1;
    const bool allVisible = searchInvisible || cells_.VisibleRowCount() == RowCount();
    QString scratch;
    for (int r = std::max(first, 0); r <= last && r < RowCount(); ++r)
        if ((allVisible || GetRowVisible(r)) &&
            matches(cells_.GetCell(column, r)->GetAsStringView(scratch)))
            return r;
    return -1;
}

bool TLtCustomGridControl::SearchNext(int column, const QString &text, bool fromStart)
{
    if (RowCount() == 0)
        return false;
    const auto prefix = [&text](QStringView cell) { return CellStartsWith(cell, text); };
    int row = -1;
    if (fromStart) {
        row = FindRow(column, 0, RowCount() - 1, false, prefix);
    } else {
        row = FindRow(column, SelectedRow() + 1, RowCount() - 1, false, prefix);
        if (row < 0)
            row = FindRow(column, 0, SelectedRow(), false, prefix);
    }
    if (row < 0)
        return false;
    SelectFound(row);
    return true;
}

bool TLtCustomGridControl::Locate(int column, int first, int last, const QString &text,
                                  TSearchOptions options)
{
    const int row = FindRow(column, first, last, options.Contains(TSearchOption::soSearchInvisible),
                            [&](QStringView cell) { return CellMatches(cell, text, options); });
    if (row < 0)
        return false;
    SelectFound(row);
    return true;
}

bool TLtCustomGridControl::FindText(int column, const QString &text, TSearchOptions options)
{
    if (RowCount() == 0)
        return false;
    if (!options.Contains(TSearchOption::soFromSelected))
        return Locate(column, 0, RowCount() - 1, text, options);
    if (Locate(column, SelectedRow() + 1, RowCount() - 1, text, options))
        return true;
    return options.Contains(TSearchOption::soContinueFromTop) &&
           Locate(column, 0, RowCount() - 1, text, options);
}

void TLtCustomGridControl::KeyPressTypeAhead(QChar key)
{
    if (!CellBounds(SelectedColumn(), SelectedRow()))
        return;
    const int column = GetSearchColumn();
    if (column < 0 || RowCount() == 0)
        return;
    searchTimer_.stop();
    searchTimer_.start();
    searchText_ += key;
    SearchNext(column, searchText_, false);
}

void TLtCustomGridControl::DoSearchTimer()
{
    searchText_.clear();
    searchTimer_.stop();
}
