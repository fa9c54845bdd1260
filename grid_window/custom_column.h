#pragma once
// One column of the grid: everything that is the same for all cells of the
// column. Its kind (a subclass) decides the cell data type (ColumnType), the
// style it supports and the classes of its painter, mouse and key handler and
// cell editor.
//
// Report upward: a setter stores the value and reports a TColumnChangeKind to
// the collection (NotifyColumnChange), which passes it to the grid. A column
// that is in no collection only stores. While the collection is being read,
// setters do none of the recomputation of places and widths.
//
// Terms: Index is the place in the collection's index list (creation order,
// the order of the cell lists and saved fields); Position is the place in
// display order; Left and VisibleIndex are set by TLtColumns::UpdateColumns.

#include "grid_window/column_parts.h"
#include "grid_window/column_types.h"
#include "grid_window/inplace_edit.h"

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <Qt>

#include <optional>

class TCell;
class TColumnDisplay;
class TLtColumns;

class TLtCustomColumn {
public:
    TLtCustomColumn();
    virtual ~TLtCustomColumn();
    TLtCustomColumn(const TLtCustomColumn &) = delete;
    TLtCustomColumn &operator=(const TLtCustomColumn &) = delete;

    // The owning collection; none until the column is added.
    TLtColumns *Columns() const { return columns_; }
    // Place in the index list, -1 without a collection.
    int Index() const;
    // Moves the column in the index list (TLtColumns::Move).
    void SetIndex(int value);

    const QString &Name() const { return name_; }
    void SetName(const QString &value) { name_ = value; }
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

    // Published properties.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    Qt::CursorShape Cursor() const { return cursor_; }
    void SetCursor(Qt::CursorShape value) { cursor_ = value; }
    const QString &DefaultValue() const { return defaultValue_; }
    void SetDefaultValue(const QString &value) { defaultValue_ = value; }
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int value) { defaultWidth_ = value; }
    TDrawingOptions DrawingOptions() const { return drawingOptions_; }
    void SetDrawingOptions(TDrawingOptions value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    // The cell font and its colour; setting either clears ParentFont.
    const QFont &Font() const { return font_; }
    void SetFont(const QFont &value);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);
    TColumnFooter &Footer() { return footer_; }
    const TColumnFooter &Footer() const { return footer_; }
    TColumnHeader &Header() { return header_; }
    const TColumnHeader &Header() const { return header_; }
    // The kind's own editor, created with the column, owned by it and hidden
    // until the grid shows it; none for kinds without an editor.
    TLtCustomEdit *CellEditor() const { return cellEditor_; }
    // An outside editor used instead of the kind's own; forgotten when it is destroyed.
    TLtCustomEdit *InplaceEdit() const { return inplaceEdit_; }
    void SetInplaceEdit(TLtCustomEdit *value) { inplaceEdit_ = value; }
    const QString &InputCaption() const { return inputCaption_; }
    void SetInputCaption(const QString &value) { inputCaption_ = value; }
    const QString &InputValue() const { return inputValue_; }
    void SetInputValue(const QString &value) { inputValue_ = value; }
    TColumnOptions Options() const { return options_; }
    void SetOptions(TColumnOptions value);
    bool ParentFont() const { return parentFont_; }
    // True copies the grid's font (and its colour) into Font.
    void SetParentFont(bool value);
    bool ParentCellColor() const { return parentCellColor_; }
    void SetParentCellColor(bool value);
    int Position() const { return position_; }
    // Moves the column in display order, then reports ccPosition with -1,
    // also when the position stays.
    void SetPosition(int value);
    const TLtSlideBounds &SlideBounds() const { return slideBounds_; }
    void SetSlideBounds(const TLtSlideBounds &value) { slideBounds_ = value; }
    const QString &SlideCaption() const { return slideCaption_; }
    void SetSlideCaption(const QString &value) { slideCaption_ = value; }
    TSlideCaptionLocation SlideCaptionLocation() const { return slideCaptionLocation_; }
    void SetSlideCaptionLocation(TSlideCaptionLocation value) { slideCaptionLocation_ = value; }
    bool Sorted() const { return sorted_; }
    // At most one column of a collection is Sorted; ignored with csDisableSorting.
    void SetSorted(bool value);
    TSortKind SortKind() const { return sortKind_; }
    void SetSortKind(TSortKind value);
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType value);
    // The name an assistive tool reads for the column (its caption without
    // the colon when empty).
    const QString &AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const QString &value) { accessibleName_ = value; }
    const QString &StyleClass() const { return styleClass_; }
    void SetStyleClass(const QString &value) { styleClass_ = value; }
    TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(TVerticalAlignment value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int Width() const { return width_; }
    // Never below kMinColumnWidth; the auto-size columns to the right share
    // what is left.
    void SetWidth(int value);
    TWrapKind WrapKind() const { return wrapKind_; }
    void SetWrapKind(TWrapKind value);

    // Run-time state.
    int Left() const { return left_; }
    int VisibleIndex() const { return visibleIndex_; }
    TColumnType ColumnType() const { return columnType_; }
    TFontStyles FontStyle() const;

    // Copies every published property, the header and the footer included.
    virtual void Assign(const TLtCustomColumn &source);

    // What the kind brings.
    virtual TCellEditorClass GetCellEditorClass() const;
    // The kind's painter; none for a column that paints no content.
    virtual const TColumnDisplay *Display() const;
    // The kind's interactive element (none here). Each event answers the new
    // value (0 or 1 for a check box) for a cell of size cell holding value,
    // nothing when the event changes nothing; a point is relative to the cell.
    virtual TElementRole ElementRole() const;
    virtual std::optional<int> ElementPress(QSize cell, QPoint point, TCell &value) const;
    virtual std::optional<int> ElementRelease(QSize cell, bool themed, QPoint point,
                                              TCell &value) const;
    virtual std::optional<int> ElementKey(QChar key, TCell &value) const;
    // Whether the element changes on the release (after OnCellClick), not the press.
    virtual bool ElementChangesOnRelease() const;
    // The text that OnEditAccept gets with an element's new value.
    virtual QString ElementText(int value) const;
    // The element's largest value.
    virtual int ElementMax() const;
    // How tall the kind's own drawing (not its text) is in a cell; 0 for none.
    virtual int DrawingHeight() const;
    // What assistive tools read for a cell, given the column's name; nothing
    // for the cell's display text.
    virtual std::optional<QString> AccessibleText(const QString &name, TCell &value) const;
    virtual TColumnState GetColumnState() const;
    virtual TColumnStyle GetColumnStyle() const;
    // Pixel width that text needs in this column's font.
    virtual int GetCellBestFit(const QString &text) const;
    virtual TDisplayOptions GetDisplayOptions() const;
    virtual QString GetDrawText(const TCellInfo &info) const;
    // Whether a typed character may open the cell editor.
    virtual bool IsKeyValid(QChar key) const;
    // Prepares CellEditor before it is shown: EditorUpdating on (the grid
    // turns it off afterwards), the column's Alignment, no border, a left
    // margin of 1.
    virtual void BeginEditing();
    // The editor's part of a cell rectangle; the whole cell here.
    virtual QRect AdjustEditRect(const QRect &cell) const { return cell; }
    // May change an edited text before the grid compares and stores it.
    virtual void ApplyEditing(QString &) {}
    // Called once the editor holds the cell's text.
    virtual void UpdateEdit() {}

    // Left less the horizontal scroll position, except for the fixed columns.
    int GetAbsoluteLeft() const;
    // The column's span of the body, right and bottom edges exclusive.
    QRect GetClientRect() const;
    TColumnLocation GetLocation() const;
    // Scrolled (partly) under the fixed columns.
    bool IsClipped() const;
    // The column's span crossed with a part of the grid; empty for parts the
    // grid does not show.
    QRect GetMemberRect(TColumnMemberKind kind) const;
    bool GetSelected() const;
    bool GetHover() const;
    bool GetFocused() const;
    bool IsAlone() const;
    TLtCustomColumn *GetNextColumn();
    TLtCustomColumn *GetPrevColumn();
    // Asks the grid to repaint that part of the column.
    void Refresh(TGridArea area = TGridArea::gaBody);
    // Reports ccSorted, which sorts by the column when it is Sorted.
    void Resort();
    void NotifyColumnChange(TColumnChangeKind kind, int parameter);

protected:
    virtual void SetColumnType(TColumnType value) { columnType_ = value; }
    // Instantiates the editor that GetCellEditorClass names; a kind with an
    // editor calls it from its constructor, where its own class is known.
    void CreateCellEditor();

private:
    friend class TLtColumns;
    bool Reading() const;
    // Width without the auto-size of the columns to the right.
    void ApplyWidth(int value);
    void CopyParentFont();
    template <typename T>
    void StoreAndRepaint(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        NotifyColumnChange(TColumnChangeKind::ccUndefined, 0);
    }

    TLtColumns *columns_ = nullptr;
    QString name_;
    int tag_ = 0;

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
    TColor color_ = clWindow;
    Qt::CursorShape cursor_ = Qt::ArrowCursor;
    QString defaultValue_;
    int defaultWidth_ = 80;
    TDrawingOptions drawingOptions_ = TDrawingOptions::doNormal;
    bool enabled_ = true;
    QFont font_;
    TColor fontColor_ = clBlack;
    TColumnFooter footer_;
    TColumnHeader header_;
    // Deleted with the column, unless its parent window went first.
    QPointer<TLtCustomEdit> cellEditor_;
    QPointer<TLtCustomEdit> inplaceEdit_;
    QString inputCaption_;
    QString inputValue_;
    TColumnOptions options_{TColumnOption::coCanClick, TColumnOption::coCanInput,
                            TColumnOption::coCanSort, TColumnOption::coPublicUsing};
    bool parentFont_ = true;
    bool parentCellColor_ = false;
    int position_ = -1;
    TLtSlideBounds slideBounds_;
    QString slideCaption_;
    TSlideCaptionLocation slideCaptionLocation_ = TSlideCaptionLocation::clTop;
    bool sorted_ = false;
    TSortKind sortKind_ = TSortKind::skAscending;
    TSortType sortType_ = TSortType::stAlphabetic;
    QString accessibleName_;
    QString styleClass_;
    TVerticalAlignment verticalAlignment_ = TVerticalAlignment::taVerticalCenter;
    bool visible_ = true;
    int width_ = 80;
    TWrapKind wrapKind_ = TWrapKind::wkEllipsis;

    int left_ = 0;
    int visibleIndex_ = -1;
    TColumnType columnType_ = TColumnType::ctString;
};
