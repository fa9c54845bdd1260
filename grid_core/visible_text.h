#pragma once
// How much of a text an area of the screen can show. Cells, hints, best-fit
// widths and list entries draw and measure no more than this, so a text of
// fifty million characters costs what one of a few hundred does. Only what is
// shown or measured is bounded; the text itself is never cut.
//
// Terms: an area is a width and a height in pixels with the height of one line
// of its font. Every character that shows takes at least a pixel, so a line
// of the area shows at most its width in characters, and the area at most the
// lines that fit and a few dozen more (lines below the area still move a
// centred text). A single-line area shows the whole text on one line, each
// line break as a blank.

#include <QStringView>

struct TVisibleArea {
    int width = 0;
    int height = 0;
    int lineHeight = 1;
    bool singleLine = true;
};

// The most characters that area can show.
qsizetype VisibleChars(const TVisibleArea &area);

// The start of text that area can show: at most VisibleChars(area)
// characters and, in a multi-line area, at most as many lines as fit. The
// whole text when it is shorter; never ends between the halves of a
// surrogate pair.
QStringView VisibleText(QStringView text, const TVisibleArea &area);

// The first count characters of text (all of it when shorter), never ending
// between the halves of a surrogate pair.
QStringView TextStart(QStringView text, qsizetype count);
