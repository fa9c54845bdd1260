#pragma once
// Small value types shared by the cell store and the columns.

#include "grid_core/set.h"

#include <cstdint>

// 0x00BBGGRR, red lowest; a high byte of 0xFF marks a system colour whose low
// byte is the system-colour index.
using TColor = uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnHighlight = 0xFF000014;

enum class TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// The data type of a column, which decides the class of its cells.
enum class TColumnType : uint8_t {
    ctAutoInc,
    ctBoolean,
    ctNone,
    ctDate,
    ctFloat,
    ctGraphic,
    ctGuid,
    ctInteger,
    ctString,
    ctLookup,
    ctMemo,
    ctVirtual
};

// Changes of the columns collection that the grid passes on to the cell store.
enum class TColumnsOperation : uint8_t { opAdd, opDelete, opClear, opInsert, opMove };

enum class TSortKind : uint8_t { skAscending, skDescending };

// Comparison used when sorting by a column.
enum class TSortType : uint8_t {
    stAlphabetic,
    stBoolean,
    stCaseInsensitive,
    stCustom,
    stNumeric,
    stDate,
    stIP
};
