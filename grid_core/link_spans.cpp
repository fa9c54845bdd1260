#include "grid_core/link_spans.h"

#include <array>

namespace {

constexpr std::array<QStringView, 3> kStarts{u"https://", u"http://", u"www."};

bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// The length of the start word at text[at], 0 when none starts there.
qsizetype StartAt(QStringView text, qsizetype at)
{
    if (at > 0 && (IsWordChar(text[at - 1]) || text[at - 1] == QLatin1Char('/') ||
                   text[at - 1] == QLatin1Char('.')))
        return 0;
    for (const QStringView start : kStarts)
        if (text.sliced(at).startsWith(start, Qt::CaseInsensitive))
            return start.size();
    return 0;
}

// How much of an address candidate stays once the punctuation after it is
// cut: sentence marks, and closing brackets left unopened inside it.
qsizetype Trimmed(QStringView candidate)
{
    qsizetype end = candidate.size();
    while (end > 0) {
        const QChar last = candidate[end - 1];
        if (QStringView(u".,;:!?'\"").contains(last)) {
            --end;
            continue;
        }
        const qsizetype closer = QStringView(u")]}>").indexOf(last);
        if (closer < 0)
            break;
        const QChar opener = QStringView(u"([{<")[closer];
        const QStringView kept = candidate.first(end - 1);
        if (kept.count(opener) > kept.count(last))
            break;
        --end;
    }
    return end;
}

} // namespace

QList<TLinkSpan> FindLinkSpans(QStringView text)
{
    QList<TLinkSpan> spans;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype start = StartAt(text, at);
        if (start == 0) {
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        const qsizetype length = Trimmed(text.sliced(at, end - at));
        // A start word alone ("www.") is no address.
        if (length > start)
            spans.append({at, length});
        at = end;
    }
    return spans;
}

QStringList LinkTexts(QStringView text)
{
    QStringList texts;
    for (const TLinkSpan &span : FindLinkSpans(text))
        texts.append(text.sliced(span.start, span.length).toString());
    return texts;
}

QUrl LinkUrl(const QString &typed)
{
    if (typed.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + typed, QUrl::TolerantMode);
    return QUrl(typed, QUrl::TolerantMode);
}
