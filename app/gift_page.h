#pragma once
// The list as one self-contained web page, to mail to people without the
// program: the profile's name, the items in the grid's order with their
// stars, prices, marks and notes, then the totals. The page loads nothing
// else (no file, font, script or request), fits a phone's width and has a
// print style. Every text is escaped; line breaks stay, and in the notes an
// address beginning with http://, https:// or www. becomes a link (www. to
// https://), nothing else markup.
//
// Flow: GiftPageOf reads the grid as the printed list would (TPrintRequest:
// the title, "Marked items only", the totals); GiftPageHtml writes the text,
// its own few words in the language installed.

#include <QString>
#include <QStringList>

#include <vector>

class TLtCustomGridControl;
struct TPrintRequest;

struct TGiftItem {
    QString name;
    QString notes;
    QString price;
    int stars = 0;
    bool marked = false;
};

struct TGiftPage {
    QString title;
    int maxStars = 0;
    std::vector<TGiftItem> items;
    QStringList totals;
};

// The rows a print of the request would show, in the grid's order.
TGiftPage GiftPageOf(TLtCustomGridControl &grid, const TPrintRequest &request);

// The whole HTML5 document.
QString GiftPageHtml(const TGiftPage &page);
