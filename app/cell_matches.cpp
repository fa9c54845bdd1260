#include "app/cell_matches.h"

bool CellMatches(QStringView text, QStringView word)
{
    const qsizetype length = word.size();
    const qsizetype size = text.size();
    if (length == 0 || size < length)
        return false;
    // One pass over the characters; only a word of the same length is compared.
    const char16_t *chars = text.utf16();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && chars[i] != u' ')
            continue;
        if (i - start == length &&
            text.sliced(start, length).compare(word, Qt::CaseInsensitive) == 0)
            return true;
        start = i + 1;
    }
    return false;
}
