// How much of a text an area can show, and the start of a cell's text read
// without the rest, for every way a cell holds its text.

#include "grid_core/cell.h"
#include "grid_core/visible_text.h"
#include "tests/support/cells_test_grid.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Repeat(const QString &piece, int times)
{
    return piece.repeated(times);
}

} // namespace

TEST(VisibleText, ShowsNoMoreCharactersAndLinesThanTheAreaHolds)
{
    const TVisibleArea cell{100, 18, 13, true};
    const TVisibleArea lines{100, 26, 13, false};
    EXPECT_EQ(VisibleChars(cell), 116);
    EXPECT_EQ(VisibleChars(lines), 66 * 116);
    EXPECT_EQ(VisibleChars(TVisibleArea{-5, -5, 0, true}), 16);

    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
    struct TCase {
        QString text;
        TVisibleArea area;
        qsizetype shown;
    };
    const TCase cases[] = {
        {"short", cell, 5},
        {QString(1000, u'x'), cell, 116},
        // A single-line area shows line breaks as blanks: only characters count.
        {Repeat("a\r\n", 100), cell, 116},
        // Never between the halves of a surrogate pair.
        {QString(115, u'x') + face, cell, 115},
        {QString(114, u'x') + face, cell, 116},
        {Repeat("a\n", 100), lines, 132},
        {Repeat("a\r\n", 100), lines, 198},
        {Repeat("a\r", 100), lines, 132},
        {QString(10000, u'x'), lines, 66 * 116},
    };
    for (const TCase &c : cases) {
        const QStringView shown = VisibleText(c.text, c.area);
        EXPECT_EQ(shown.size(), c.shown) << c.text.left(20).toStdString();
        EXPECT_EQ(shown.data(), c.text.constData()) << "the start of the text";
    }
}

TEST(CellTextStart, IsTheStartOfTheTextHoweverTheCellHoldsIt)
{
    // Exact fields are places in the file, encoded ones (quotes, line-break
    // marks) are decoded on reading, and a changed cell owns its string.
    TTestGrid grid;
    QTemporaryDir folder;
    const QString path = folder.filePath("p.ybk");
    const QString huge(100000, u'|');
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString text = "exact text," + huge + ",\"q,\"\"uo\"\"te\",1,d,0,False\r\n";
    file.write("\xFF\xFE", 2);
    file.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    file.close();
    grid.LoadFromTextFile(path, u',', u'|');
    grid.AppendRow({"owned text", "a\r\nb", "", "1", "d", "0", "False"});
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            TCell *cell = grid.GetCell(column, row);
            const QString whole = cell->GetAsString();
            for (const qsizetype count : {0, 1, 2, 3, 5, 1000}) {
                EXPECT_EQ(cell->GetAsStringStart(count), whole.left(count))
                    << column << "," << row << " count " << count;
            }
        }
    }
    EXPECT_EQ(grid.GetCell(1, 0)->GetVisibleString({100, 13, 13, true}), Repeat("\r\n", 58));
    EXPECT_EQ(grid.GetCell(1, 0)->GetAsString().size(), 2 * huge.size()) << "the text is whole";
}
