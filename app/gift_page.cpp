#include "app/gift_page.h"

#include "app/item_columns.h"
#include "app/print_document.h"
#include "grid_core/cell.h"
#include "grid_core/grid_control.h"
#include "grid_window/accessible_texts.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Small, system fonts only; nothing wider than a 360-pixel phone.
const char kStyle[] =
    "body{margin:0;background:#faf6f1;color:#2d2a26;"
    "font:16px/1.5 system-ui,-apple-system,\"Segoe UI\",sans-serif;overflow-wrap:anywhere}\n"
    "main{max-width:42rem;margin:0 auto;padding:1.5rem 1rem 2rem}\n"
    "h1{margin:0 0 1rem;font-size:1.8rem;line-height:1.2;color:#9b2f45}\n"
    "ol{list-style:none;margin:0;padding:0}\n"
    "li{background:#fff;border:1px solid #ece2d6;border-radius:.6rem;"
    "padding:.75rem 1rem;margin:0 0 .75rem}\n"
    "li.marked{border-left:.3rem solid #3d8b4f}\n"
    "h2{margin:0;font-size:1.1rem;line-height:1.3}\n"
    ".about{display:flex;flex-wrap:wrap;gap:.2rem 1rem;align-items:baseline;margin:.25rem 0 0}\n"
    ".stars{color:#e3a008;letter-spacing:.1em}.stars span{color:#d9cbb8}\n"
    ".price{font-weight:600}.mark{color:#3d8b4f}\n"
    ".notes{margin:.4rem 0 0;color:#5a544c}\n"
    "a{color:#1f5fa8}\n"
    ".totals{margin-top:1.5rem;padding-top:.5rem;border-top:2px solid #ece2d6}\n"
    ".totals p{margin:.2rem 0}\n"
    "@media print{body{background:none;color:#000;font-size:11pt}"
    "main{max-width:none;padding:0}h1,a,.notes{color:#000}"
    "li{border:0;border-bottom:1px solid #bbb;border-radius:0;padding:.4rem 0;margin:0;"
    "break-inside:avoid}li.marked{border-left:0}}\n";

// Control characters are no HTML text; tab and the line breaks are.
bool IsDropped(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || (u >= 0x7f && u <= 0x9f);
}

// Escaped text with line breaks (CR LF, CR or LF) as <br>.
void AppendText(QString &out, QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\'': out += QLatin1String("&#39;"); break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            out += QLatin1String("<br>");
            break;
        case '\n': out += QLatin1String("<br>"); break;
        default:
            if (!IsDropped(c))
                out += c;
        }
    }
}

QString Escaped(QStringView text)
{
    QString out;
    AppendText(out, text);
    return out;
}

// The length of the "http://", "https://" or "www." that text begins with; 0 without.
qsizetype LinkPrefix(QStringView text)
{
    for (const QLatin1String prefix :
         {QLatin1String("http://"), QLatin1String("https://"), QLatin1String("www.")})
        if (text.startsWith(prefix, Qt::CaseInsensitive))
            return prefix.size();
    return 0;
}

// The address starting text: up to a blank, a quote or an angle bracket, less
// the punctuation that ends a sentence (a closing parenthesis only when it
// closes none of the address's own).
qsizetype LinkLength(QStringView text)
{
    qsizetype end = 0;
    while (end < text.size() && !text[end].isSpace() && !IsDropped(text[end]) &&
           !QStringView(u"<>\"'`").contains(text[end]))
        ++end;
    while (end > 0) {
        const QChar last = text[end - 1];
        if (QStringView(u".,;:!?").contains(last)) {
            --end;
        } else if (last == QLatin1Char(')') && text.first(end).count(QLatin1Char('(')) <
                                                   text.first(end).count(QLatin1Char(')'))) {
            --end;
        } else {
            break;
        }
    }
    return end;
}

// Escaped notes, their addresses as links.
void AppendNotes(QString &out, QStringView notes)
{
    qsizetype plain = 0;
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const bool wordStart = i == 0 || !notes[i - 1].isLetterOrNumber();
        const qsizetype prefix = wordStart ? LinkPrefix(notes.sliced(i)) : 0;
        if (prefix == 0)
            continue;
        const qsizetype length = LinkLength(notes.sliced(i));
        // Nothing after the scheme or "www.": no address.
        if (length <= prefix)
            continue;
        const QStringView address = notes.sliced(i, length);
        AppendText(out, notes.sliced(plain, i - plain));
        out += QLatin1String("<a href=\"");
        if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
            out += QLatin1String("https://");
        AppendText(out, address);
        out += QLatin1String("\">");
        AppendText(out, address);
        out += QLatin1String("</a>");
        i += length - 1;
        plain = i + 1;
    }
    AppendText(out, notes.sliced(plain));
}

void AppendItem(QString &out, const TGiftItem &item, int maxStars)
{
    out += item.marked ? QLatin1String("<li class=\"marked\">") : QLatin1String("<li>");
    out += QLatin1String("<h2>") + Escaped(item.name) + QLatin1String("</h2>");
    const int stars = std::clamp(item.stars, 0, maxStars);
    QString about;
    if (stars > 0) {
        // Filled stars, then the empty ones, read out as the grid's cell is.
        about += QStringLiteral("<span class=\"stars\" role=\"img\" aria-label=\"%1\">%2")
                     .arg(Escaped(AccessibleRateText(QString(), stars, maxStars, false)),
                          QString(stars, QChar(0x2605)));
        if (stars < maxStars)
            about += QLatin1String("<span>") + QString(maxStars - stars, QChar(0x2606)) +
                     QLatin1String("</span>");
        about += QLatin1String("</span>");
    }
    if (!item.price.trimmed().isEmpty())
        about += QLatin1String("<span class=\"price\">") + Escaped(item.price) +
                 QLatin1String("</span>");
    if (item.marked)
        about += QStringLiteral("<span class=\"mark\">\u2713 %1</span>")
                     .arg(Escaped(QCoreApplication::translate("TGiftPage", "Marked")));
    if (!about.isEmpty())
        out += QLatin1String("<p class=\"about\">") + about + QLatin1String("</p>");
    if (!item.notes.trimmed().isEmpty()) {
        out += QLatin1String("<p class=\"notes\">");
        AppendNotes(out, item.notes);
        out += QLatin1String("</p>");
    }
    out += QLatin1String("</li>\n");
}

} // namespace

TGiftPage GiftPageOf(TLtCustomGridControl &grid, const TPrintRequest &request)
{
    TGiftPage page{request.title, kPriorityStars, {}, request.totals};
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (!IsPrintedRow(grid, r, request.markedOnly))
            continue;
        page.items.push_back(
            {grid.GetCell(icName, r)->GetAsString(), grid.GetCell(icNotes, r)->GetAsString(),
             grid.GetCell(icPrice, r)->GetAsString(), grid.GetCell(icPriority, r)->GetAsInteger(),
             grid.GetCell(icMark, r)->GetAsBoolean()});
    }
    return page;
}

QString GiftPageHtml(const TGiftPage &page)
{
    const QString title = Escaped(page.title);
    QString out =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>%2</title>\n<style>\n")
            .arg(QCoreApplication::translate("TGiftPage", "en",
                                             "the page's language, an HTML lang code"),
                 title);
    out += QLatin1String(kStyle);
    out += QStringLiteral("</style>\n</head>\n<body>\n<main>\n<h1>%1</h1>\n").arg(title);
    if (!page.items.empty()) {
        out += QLatin1String("<ol>\n");
        for (const TGiftItem &item : page.items)
            AppendItem(out, item, page.maxStars);
        out += QLatin1String("</ol>\n");
    }
    if (!page.totals.isEmpty()) {
        out += QLatin1String("<div class=\"totals\">\n");
        for (const QString &line : page.totals)
            out += QLatin1String("<p>") + Escaped(line) + QLatin1String("</p>\n");
        out += QLatin1String("</div>\n");
    }
    out += QLatin1String("</main>\n</body>\n</html>\n");
    return out;
}
