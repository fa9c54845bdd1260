#pragma once
// The grid's option sets and small state types.

#include "grid_core/set.h"

#include <cstdint>

enum class TGridOption : uint8_t {
    goEscClearEdit,
    goFooter,
    goGrid,
    goHeader,
    goIndicator,
    goInput,
    goInplaceEditEvents,
    goMultiSelect,
    goRowMoving,
    goRowResizing,
    goSecondClickEdit,
    goSelectFullRow,
    goUseDefaultValues,
    // The mouse on the header row: no column moving at all; no move into or out
    // of the fixed columns; a column dropped outside the header row is hidden.
    goDisableColumnMoving,
    goLockFixedCols,
    goCanHideColumn
};
using TGridOptions = TSet<TGridOption>;

enum class TAppearanceOption : uint8_t {
    ao3DGridLines,
    aoAlphaBlendedSelection,
    aoBoldTextSelection,
    aoDontFillCells,
    aoHideFocus,
    aoHideSelection,
    aoHighlightSlideCells,
    aoHintMarks,
    aoIndicateSelectedCell,
    aoIndicateSortedColumn
};
using TAppearanceOptions = TSet<TAppearanceOption>;

// What the grid is in the middle of: gtEdit while an in-place editor is open.
enum class TGridStateFlag : uint8_t {
    gtColumnResizing,
    gtColumnHeaderDown,
    gtColumnMoving,
    gtEdit,
    gtEditorMoving,
    gtIndicatorMouseDown,
    gtInput,
    gtMultiSelect,
    gtRolling,
    gtRowMoving,
    gtHorzScrolling,
    gtUpdating
};
using TGridState = TSet<TGridStateFlag>;

enum class TShiftFlag : uint8_t { ssShift, ssAlt, ssCtrl };
using TShiftState = TSet<TShiftFlag>;

enum class TSelectionMoveDirection : uint8_t { mdNone, mdUp, mdDown, mdLeft, mdRight };
