#pragma once
// Finding the first of a few characters (at most five) in UTF-16 text, eight
// at a time where the processor allows: the scan under both the text format's
// reader, which stops at its separator, line-break mark, quote, CR and LF,
// and its writer, which looks for what a field must escape.

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <initializer_list>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

class TSpecials {
public:
    TSpecials(std::initializer_list<char16_t> chars)
    {
        table_.fill(0);
        for (char16_t ch : chars) {
            chars_[count_++] = ch;
            if (ch < table_.size())
                table_[ch] = 1;
            else
                wide_ = true;
        }
        while (count_ < int(chars_.size()))
            chars_[count_++] = chars_[0];
#if defined(__SSE2__)
        for (size_t i = 0; i < chars_.size(); ++i)
            vectors_[i] = _mm_set1_epi16(short(chars_[i]));
#endif
    }
    bool Is(char16_t ch) const
    {
        if (ch < table_.size())
            return table_[ch] != 0;
        if (!wide_)
            return false;
        for (char16_t special : chars_)
            if (special == ch)
                return true;
        return false;
    }
    // Where the first of the characters is in data[from, n), or n.
    qsizetype RunEnd(const char16_t *data, qsizetype from, qsizetype n) const
    {
#if defined(__SSE2__)
        while (from + 8 <= n) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + from));
            __m128i hits = _mm_cmpeq_epi16(units, vectors_[0]);
            for (size_t i = 1; i < std::size(vectors_); ++i)
                hits = _mm_or_si128(hits, _mm_cmpeq_epi16(units, vectors_[i]));
            if (const int mask = _mm_movemask_epi8(hits))
                return from + (__builtin_ctz(unsigned(mask)) >> 1);
            from += 8;
        }
#endif
        while (from < n && !Is(data[from]))
            ++from;
        return from;
    }

private:
    std::array<uint8_t, 256> table_;
    std::array<char16_t, 5> chars_{};
    int count_ = 0;
    bool wide_ = false;
#if defined(__SSE2__)
    __m128i vectors_[5];
#endif
};
