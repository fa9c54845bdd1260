#pragma once
// The painters of the three column kinds, each named by its kind
// (TLtCustomColumn::Display). A painter draws what it is given
// (the cell's rectangle, value and state) and never reaches back into the
// grid; the grid decides colours and state first.

#include "grid_core/visible_text.h"
#include "grid_window/column_types.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;
class TLtCustomColumn;
class TLtRateColumn;

// An address shown in a cell: where it shows and its text as typed.
struct TCellLink {
    QRect rect;
    QString text;
    bool operator==(const TCellLink &) const = default;
};

struct TCellPaint {
    QRect rect;
    TCellInfo info;
    QColor textColor;
    QFont font;
    bool highlighted = false;
    bool selected = false;
    // The style's (themed) drawing; off draws the classic look.
    bool themed = true;
};

class TColumnDisplay {
public:
    virtual ~TColumnDisplay() = default;
    virtual void Paint(QPainter &painter, const TLtCustomColumn &column, const TCellPaint &cell,
                       const QWidget *widget) const = 0;
    virtual int GetContentWidth(const TLtCustomColumn &column, const TCellPaint &cell) const = 0;
    // Whether what it paints is the cell's text.
    virtual bool ShowsText() const { return false; }
};

// Text with 2-pixel margins, aligned both ways, cut with an ellipsis or
// wrapped at words; "&" is drawn as itself.
class TTextColumnDisplay : public TColumnDisplay {
public:
    void Paint(QPainter &painter, const TLtCustomColumn &column, const TCellPaint &cell,
               const QWidget *widget) const override;
    int GetContentWidth(const TLtCustomColumn &column, const TCellPaint &cell) const override;
    bool ShowsText() const override { return true; }
    static QRect TextRect(const QRect &cell) { return cell.adjusted(2, 0, -2, 0); }
    // Whether the column shows line breaks (else all on one line).
    static bool ShowsLines(const TLtCustomColumn &column);
    // Where a cell's text shows (text_areas.h).
    static TVisibleArea TextArea(const TLtCustomColumn &column, const QRect &cell,
                                 const QFont &font);
    // The addresses a one-line, left-to-right cell shows of text (as far as
    // it shows: an address cut by the ellipsis shows up to it); none in a
    // cell that shows lines.
    static QList<TCellLink> Links(const TLtCustomColumn &column, const QRect &cell,
                                  const QFont &font, const QString &text);
};

// Max glyphs in a strip placed in the cell: Glyph up to the value, EmptyGlyph after.
class TRateColumnDisplay : public TColumnDisplay {
public:
    void Paint(QPainter &painter, const TLtCustomColumn &column, const TCellPaint &cell,
               const QWidget *widget) const override;
    int GetContentWidth(const TLtCustomColumn &column, const TCellPaint &cell) const override;
    // The strip of Max glyphs, placed in the cell by the column's alignments.
    static QRect RatesRect(const TLtRateColumn &column, const QRect &cell);
    static void DrawRates(QPainter &painter, const TLtRateColumn &column, const QRect &rect,
                          int value);
};

// A 13 x 13 check box drawn by the style, or the classic 11 x 11 box.
class TCheckBoxColumnDisplay : public TColumnDisplay {
public:
    static constexpr int kThemedSize = 13;
    static constexpr int kClassicSize = 11;

    void Paint(QPainter &painter, const TLtCustomColumn &column, const TCellPaint &cell,
               const QWidget *widget) const override;
    int GetContentWidth(const TLtCustomColumn &column, const TCellPaint &cell) const override;
    static int BoxSize(bool themed) { return themed ? kThemedSize : kClassicSize; }
    void DrawCheckBoxState(QPainter &painter, const TLtCustomColumn &column, const QRect &rect,
                           bool checked, bool pressed, bool hovered, bool themed,
                           const QWidget *widget) const;
};
