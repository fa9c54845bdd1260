#pragma once
// The web addresses in a cell's text: a word that starts with "http://",
// "https://" or "www." (any case) and runs to the next blank. Punctuation
// that ends a sentence is not part of it, nor a closing bracket that has no
// opening one inside the address. The address is the text as typed; only
// opening it adds "http://" to a bare "www.".

#include <QList>
#include <QString>
#include <QStringView>
#include <QUrl>

struct TLinkSpan {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const TLinkSpan &) const = default;
};

// The addresses in text, in order.
QList<TLinkSpan> FindLinkSpans(QStringView text);

// Each address of text, as typed.
QStringList LinkTexts(QStringView text);

// What a browser is given for an address as typed.
QUrl LinkUrl(const QString &typed);
