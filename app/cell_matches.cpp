#include "app/cell_matches.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr char16_t kBlank = u' ';
// Beyond ASCII: such a character may fold to any letter.
constexpr char16_t kWide = 0x80;

} // namespace

bool CellMatches(QStringView text, QStringView word)
{
    return TWordMatcher(word).Matches(text);
}

TWordMatcher::TWordMatcher(QStringView word)
    : word_(word.toString()), never_(word.isEmpty() || word.contains(kBlank)), lower_(kWide),
      upper_(kWide)
{
    if (never_)
        return;
    // ASCII folds within ASCII, so an ASCII character can begin a match only
    // when the word's first letter folds into ASCII.
    const char16_t first = QChar::toCaseFolded(word.front().unicode());
    if (first < kWide) {
        lower_ = QChar::toLower(first);
        upper_ = QChar::toUpper(first);
    }
}

bool TWordMatcher::WordAt(QStringView text, qsizetype at) const
{
    const qsizetype end = at + word_.size();
    return (at == 0 || text[at - 1] == kBlank) && (end == text.size() || text[end] == kBlank) &&
           text.sliced(at, word_.size()).compare(word_, Qt::CaseInsensitive) == 0;
}

bool TWordMatcher::Matches(QStringView text) const
{
    // The last place a word of the same length can begin.
    const qsizetype last = text.size() - word_.size();
    if (never_ || last < 0)
        return false;
    const char16_t *chars = text.utf16();
    qsizetype at = 0;
#if defined(__SSE2__)
    const __m128i lower = _mm_set1_epi16(short(lower_));
    const __m128i upper = _mm_set1_epi16(short(upper_));
    const __m128i notAscii = _mm_set1_epi16(short(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    for (; at + 8 <= last + 1; at += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + at));
        const __m128i letter =
            _mm_or_si128(_mm_cmpeq_epi16(units, lower), _mm_cmpeq_epi16(units, upper));
        const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(units, notAscii), zero);
        // One bit per character (the low one of its two bytes) where a match may begin.
        unsigned mask =
            (unsigned(_mm_movemask_epi8(letter)) | ~unsigned(_mm_movemask_epi8(ascii))) & 0x5555u;
        for (; mask != 0; mask &= mask - 1)
            if (WordAt(text, at + (__builtin_ctz(mask) >> 1)))
                return true;
    }
#endif
    for (; at <= last; ++at) {
        const char16_t ch = chars[at];
        if ((ch == lower_ || ch == upper_ || ch >= kWide) && WordAt(text, at))
            return true;
    }
    return false;
}
