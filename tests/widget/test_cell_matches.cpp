// The search panel's whole-word rule.

#include "app/cell_matches.h"

#include <QString>

#include <gtest/gtest.h>

TEST(CellMatches, WholeWordsSplitAtBlanksWithoutRegardToCase)
{
    struct Row { const char16_t *text, *word; bool matches; };
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
    };
    for (const Row &row : rows)
        EXPECT_EQ(CellMatches(row.text, row.word), row.matches)
            << QString::fromUtf16(row.text).toStdString() << " / "
            << QString::fromUtf16(row.word).toStdString();
}
