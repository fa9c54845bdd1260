#pragma once
// Wish-list profiles for benchmarks and tests, made from a seed and an item
// count alone: the same seed and count always give the same bytes, and the
// items are drawn in order from one seeded stream, so a profile of fewer
// items is a prefix of one of more.
//
// The file is what the application itself saves: the grid text-file format
// with ',' between the seven fields, '|' for a line break inside a cell,
// double quotes around a field holding ',' or '"' (inner quotes doubled), CR
// LF after every line, UTF-16 low byte first after the mark FF FE. Loading
// it and saving it again gives the same bytes. Every 64th item (items 0, 64,
// 128, ...) is one of the format's edge cases in turn, so a profile of
// kEdgeCaseCount * 64 items or more holds them all.

#include <cstdint>
#include <ostream>
#include <string>

enum class TProfileEncoding { peUtf16, peUtf8 };

// Profiles hold every edge case from this many items times 64.
extern const int kEdgeCaseCount;

// The seven field texts of one item, as cells hold them (before encoding).
struct TGeneratedItem {
    std::u16string fields[7];
};

class TProfileGenerator {
public:
    explicit TProfileGenerator(uint64_t seed);
    // The next item; the index picks the edge cases.
    TGeneratedItem Next();

private:
    uint64_t Draw();
    int Below(int bound);
    TGeneratedItem Ordinary();

    uint64_t state_;
    int64_t index_ = 0;
};

// One line of the file for an item, CR LF included.
std::u16string EncodeLine(const TGeneratedItem &item);

// Writes a whole profile of count items: UTF-16 with its mark, or the same
// text as UTF-8 without one (for tools that read only UTF-8).
void WriteProfile(std::ostream &out, int64_t count, uint64_t seed, TProfileEncoding encoding);
