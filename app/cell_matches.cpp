#include "app/cell_matches.h"

bool CellMatches(QStringView text, QStringView word)
{
    const qsizetype length = word.size();
    if (length == 0 || text.size() < length)
        return false;
    qsizetype start = 0;
    while (start + length <= text.size()) {
        qsizetype end = text.indexOf(u' ', start);
        if (end < 0)
            end = text.size();
        // Only a word of the same length can be equal.
        if (end - start == length &&
            text.sliced(start, length).compare(word, Qt::CaseInsensitive) == 0)
            return true;
        start = end + 1;
    }
    return false;
}
