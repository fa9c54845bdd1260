// The search panel's whole-word rule.

#include "app/cell_matches.h"

#include <QString>

#include <gtest/gtest.h>

TEST(CellMatches, WholeWordsSplitAtBlanksWithoutRegardToCase)
{
    struct Row {
        const char16_t *text, *word;
        bool matches;
    };
    const Row rows[] = {
        {u"desk lamp", u"lamp", true},
        {u"lamps", u"lamp", false},
        {u"lampshade", u"lamp", false},
        {u"red bike", u"BIKE", true},
        {u"red bike", u"red bike", false},
        {u"old  chair", u"chair", true},
        {u"old  chair", u"", false},
        {u" lamp ", u"lamp", true},
        {u"", u"", false},
        {u"lamp", u"", false},
        {u"tea\tcup", u"cup", false},
        {u"caf\u00e9 cr\u00e8me", u"CAF\u00c9", true},
        {u"stra\u00dfe", u"STRASSE", false},
        {u"lamp", u"lamp", true},
        {u"a-lamp", u"lamp", false},
        // Past the first eight characters, where the scan looks eight at a time.
        {u"a list of lampshades and one lamp", u"LAMP", true},
        {u"a list of lampshades, no lamp.", u"lamp", false},
        {u"blue bike and red bike", u"red bike", false},
        {u"many words then \u017fun", u"SUN", true}, // long s folds to s
        {u"\u212aelvin", u"kelvin", true},           // Kelvin sign folds to k
        {u"a word in kelvin", u"\u212aELVIN", true},
    };
    for (const Row &row : rows)
        EXPECT_EQ(CellMatches(row.text, row.word), row.matches)
            << QString::fromUtf16(row.text).toStdString() << " / "
            << QString::fromUtf16(row.word).toStdString();
}
