#pragma once
// Value types of the column model: the column's published enumerations, its
// option, style and state sets, the change kinds a column reports, the value
// record handed to GetDrawText, and the class slots through which a column
// kind names its painter, its mouse and key handler and its cell editor.

#include "grid_core/grid_types.h"

#include <QString>

#include <cstdint>

enum class TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TVerticalAlignment : uint8_t { taAlignTop, taAlignBottom, taVerticalCenter };
enum class TBiDiMode : uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};
enum class TDrawingOptions : uint8_t { doNormal, doBackgroundOnly, doCustom, doCustomOnly };
enum class TWrapKind : uint8_t { wkNone, wkEllipsis, wkPathEllipsis, wkWordWrap };
enum class TSlideCaptionLocation : uint8_t { clLeft, clTop };

// The members are numbered in this order: the set value of the base default
// (coCanClick, coCanInput, coCanSort, coPublicUsing) is 1038.
enum class TColumnOption : uint8_t {
    coAutoSize,
    coCanClick,
    coCanInput,
    coCanSort,
    coDisableMoving,
    coDontHighlight,
    coEditing,
    coEditorAutoSelect,
    coFixedSize,
    coImageForIcon,
    coPublicUsing,
    coFullResort,
    coSearchColumn,
    coShowTextFitHint,
    coTextForCaption
};
using TColumnOptions = TSet<TColumnOption>;

// What a column kind supports, fixed per class.
enum class TColumnStyleFlag : uint8_t {
    csClickable,
    csCanEdit,
    csDisableSorting,
    csFitToLargest,
    csRedrawInplaceEdit,
    csTextFitHint,
    csWantReturns
};
using TColumnStyle = TSet<TColumnStyleFlag>;

enum class TColumnStateFlag : uint8_t { ceEditable, ceCanInput };
using TColumnState = TSet<TColumnStateFlag>;

enum class TDisplayOption : uint8_t { doMultiLine };
using TDisplayOptions = TSet<TDisplayOption>;

// What changed in a column, reported to the grid with one integer parameter.
enum class TColumnChangeKind : uint8_t {
    ccFieldName,
    ccInputChange,
    ccPosition,
    ccSlideChanged,
    ccSorted,
    ccSortTypeChange,
    ccUndefined,
    ccVisible,
    ccUnsorted,
    ccWidth
};

// A part of a column that the grid repaints on request.
enum class TGridArea : uint8_t { gaNone, gaBody, gaFooter, gaHeader, gaIndicator, gaInput };

// The parts of the grid that a column spans.
enum class TColumnMemberKind : uint8_t {
    ckFooter,
    ckHeader,
    ckInactiveHeader,
    ckIndicator,
    ckInput
};

// Where a visible column sits among the visible columns.
enum class TColumnLocation : uint8_t { clAlone, clLeftSide, clRightSide, clMiddle };

// A cell's value as the grid hands it to GetDrawText: only the field that
// matches the column's ColumnType is filled (ctString, ctGuid and ctLookup
// fill AsString).
struct TCellInfo {
    bool AsBoolean = false;
    double AsDateTime = 0;
    double AsFloat = 0;
    int32_t AsInteger = 0;
    QString AsString;
    void *AsObject = nullptr;
};

// The editor class slot of a column kind: the grid's editing instantiates the
// editor it names.
enum class TCellEditorClass : uint8_t { ecNone, ecLtEdit };
// What a kind's interactive element is to assistive tools: none, a check box,
// a button (a rate whose glyphs look the same for every value) or a rating.
enum class TElementRole : uint8_t { erNone, erCheckBox, erButton, erRating };
