#pragma once
// The grid's columns: one TLtCustomColumn per column, kept by the collection
// TLtColumns in index order (the order of creation, which is also the order of
// the cell lists and of the saved fields).
//
// The collection reports structural changes upward through OnChange; the grid
// passes them on to its cell store.

#include "grid/cell_columns.h"
#include "grid/grid_types.h"

#include <QFont>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TLtColumns;

class TLtCustomColumn {
public:
    explicit TLtCustomColumn(TLtColumns *owner);
    virtual ~TLtCustomColumn();
    TLtCustomColumn(const TLtCustomColumn &) = delete;
    TLtCustomColumn &operator=(const TLtCustomColumn &) = delete;

    TLtColumns *Owner() const { return owner_; }
    int Index() const;

    TColumnType ColumnType() const { return columnType_; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    const QFont &Font() const { return font_; }
    void SetFont(const QFont &value) { font_ = value; }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value) { fontColor_ = value; }
    TFontStyles FontStyle() const;

protected:
    void SetColumnType(TColumnType value) { columnType_ = value; }

private:
    TLtColumns *owner_;
    TColumnType columnType_ = TColumnType::ctNone;
    TColor color_ = clWindow;
    QFont font_;
    TColor fontColor_ = clBlack;
};

class TLtColumns : public ICellColumns {
public:
    using TColumnsChangeEvent = std::function<void(TColumnsOperation, int index, int secondIndex)>;

    TLtColumns();
    ~TLtColumns();

    // Creates a column of the given kind at the end of the index order.
    template <typename TKind>
    TKind *Add()
    {
        auto column = std::make_unique<TKind>(this);
        TKind *added = column.get();
        AddColumn(std::move(column));
        return added;
    }

    int Count() const { return int(items_.size()); }
    TLtCustomColumn *Item(int index) const { return items_.at(size_t(index)).get(); }
    int IndexOf(const TLtCustomColumn *column) const;

    TColumnsChangeEvent OnChange;

    int ColumnCount() const override { return Count(); }
    TColumnType ColumnDataType(int index) const override { return Item(index)->ColumnType(); }
    TFontStyles ColumnFontStyle(int index) const override { return Item(index)->FontStyle(); }
    TColor ColumnColor(int index) const override { return Item(index)->Color(); }

private:
    void AddColumn(std::unique_ptr<TLtCustomColumn> column);
    std::vector<std::unique_ptr<TLtCustomColumn>> items_;
};
