// CSV text and the item list as CSV: round trips, the forms spreadsheets
// write, and the refusals with their line numbers.

#include "app/csv_commands.h"
#include "app/csv_items.h"
#include "app/csv_text.h"
#include "app/item_columns.h"
#include "grid/columns/lattice_grid.h"
#include "platform/errors.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

const QStringList kAwkward{
    QStringLiteral("Red, 21 gears"),     QStringLiteral("say \"hi\""),
    QStringLiteral("\"quoted first"),    QStringLiteral("two\r\nlines"),
    QStringLiteral("pipe | bar"),        QStringLiteral(" blank first"),
    QStringLiteral("blank last "),       QString(),
    QStringLiteral("tab\there"),         QStringLiteral("semi;colon"),
    QString::fromUtf16(u"caf\u00e9 \u20ac \U0001F600"), QStringLiteral("\""),
};

std::vector<QStringList> Fields(const std::vector<TCsvRecord> &records)
{
    std::vector<QStringList> fields;
    for (const TCsvRecord &record : records)
        fields.push_back(record.fields);
    return fields;
}

} // namespace

TEST(CsvText, EveryTextComesBackExactly)
{
    QString text;
    AppendCsvRecord(text, kAwkward);
    AppendCsvRecord(text, {QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_TRUE(text.startsWith(u"\"Red, 21 gears\",\"say \"\"hi\"\"\",\"\"\"quoted first\","));
    EXPECT_EQ(DetectCsvSeparator(text), u',');
    const std::vector<QStringList> back = Fields(ParseCsv(text, u','));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0], kAwkward);
}

TEST(CsvText, ReadsWhatSpreadsheetsWrite)
{
    const auto utf16 = [](QStringEncoder::Encoding encoding, const char16_t *text, bool mark) {
        QStringEncoder encoder(encoding, mark ? QStringEncoder::Flag::WriteBom
                                              : QStringEncoder::Flag::Default);
        return QByteArray(encoder(QString::fromUtf16(text)));
    };
    struct Row { const char *what; QByteArray bytes; std::vector<QStringList> want; };
    const std::vector<QStringList> ab{{"a", "b"}, {"c", "d"}};
    const Row rows[] = {
        {"UTF-8, LF", "a,b\nc,d\n", ab},
        {"UTF-8 with mark, CR LF, no last line end", "\xEF\xBB\xBF" "a,b\r\nc,d", ab},
        {"semicolons, CR", "a;b\rc;d\r", ab},
        {"tabs", "a\tb\nc\td\n", ab},
        {"UTF-16 LE with mark", utf16(QStringEncoder::Utf16LE, u"a,b\r\nc,d\r\n", true), ab},
        {"UTF-16 BE with mark", utf16(QStringEncoder::Utf16BE, u"a;b\nc;d\n", true), ab},
        {"UTF-16 LE without mark", utf16(QStringEncoder::Utf16LE, u"a\tb\nc\td", false), ab},
        {"quoted separators and line breaks", "\"x;y\";\"1\n2\"\n",
         {{"x;y", "1\n2"}}},
        {"a quote inside a plain field", "5\" pipe,ok\n", {{"5\" pipe", "ok"}}},
        {"empty fields and an empty line", ",\n\na,\n", {{"", ""}, {""}, {"a", ""}}},
        {"letters outside ASCII", "caf\xC3\xA9,\xE2\x82\xAC" "5\n",
         {{QString::fromUtf16(u"caf\u00e9"), QString::fromUtf16(u"\u20ac5")}}},
    };
    for (const Row &row : rows) {
        const QString text = DecodeCsvBytes(row.bytes);
        EXPECT_EQ(Fields(ParseCsv(text, DetectCsvSeparator(text))), row.want) << row.what;
    }
}

TEST(CsvText, RefusalsNameTheLine)
{
    struct Row { QByteArray bytes; const char *message; };
    const Row rows[] = {
        {"a,b\nc,\"open\n\nd\n", "line 2: a quoted field is not closed"},
        {"a,b\n\"1\n2\",x\n\"q\"z,y\n", "line 4: text after the closing quote of a field"},
        {"a\nb\nc\xFF\n", "line 3: the text is neither UTF-8 nor UTF-16"},
    };
    for (const Row &row : rows) {
        try {
            const QString text = DecodeCsvBytes(row.bytes);
            ParseCsv(text, u',');
            ADD_FAILURE() << row.message;
        } catch (const EConvertError &error) {
            EXPECT_EQ(error.Message(), row.message);
        }
    }
}

TEST(CsvItems, MapsByCaptionOrByOrderAndFillsWhatIsMissing)
{
    const QString today = QStringLiteral("12/9/2026");
    struct Row { QByteArray bytes; std::vector<QStringList> want; };
    const Row rows[] = {
        {"price,NAME, marked \nfree,Lamp,TRUE\n",
         {{"Lamp", "", "free", "1", "12/9/2026", "0", "True"}}},
        {"Bike,red\nLine,note,$450,4,1/2/2026,yes\n\n,,\n",
         {{"Bike", "red", "", "1", "12/9/2026", "0", "False"},
          {"Line", "note", "$450", "4", "1/2/2026", "0", "True"}}},
        {"Name:;Notes:\nCup;\"a\nb\"\n", {{"Cup", "a\r\nb", "", "1", "12/9/2026", "0", "False"}}},
        {"Name:,Notes:,Price:,Priority:,Date Added:,Marked:,,\nA,,,,,,,\n",
         {{"A", "", "", "1", "12/9/2026", "0", "False"}}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(ReadItemsCsv(row.bytes, today), row.want) << row.bytes.constData();

    struct Bad { QByteArray bytes; const char *message; };
    const Bad bads[] = {
        {"Name:,Priority:\nA,2\nB,high\n", "line 3: the priority 'high' is not a whole number"},
        {"A,,,1,,maybe\n", "line 1: the mark 'maybe' is neither True nor False"},
        {"A,b,c,1,d,True,extra\n", "line 1: 7 fields, but only 6 are read"},
    };
    for (const Bad &bad : bads) {
        try {
            ReadItemsCsv(bad.bytes, today);
            ADD_FAILURE() << bad.message;
        } catch (const EConvertError &error) {
            EXPECT_EQ(error.Message(), bad.message);
        }
    }
}

TEST(CsvItems, ExportImportExportGivesTheSameBytes)
{
    TTempFolder folder;
    TLatticeGrid grid;
    BuildItemColumns(grid);
    grid.AddRow(int(kAwkward.size()));
    for (int r = 0; r < grid.RowCount(); ++r) {
        grid.SetCells(icName, r, kAwkward[r]);
        grid.SetCells(icNotes, r, kAwkward[(r + 1) % kAwkward.size()]);
        grid.SetCells(icPrice, r, QStringLiteral("$%1").arg(r));
        grid.SetCells(icPriority, r, QString::number(r % 6));
        grid.SetCells(icDateAdded, r, QStringLiteral("12/%1/2026").arg(r + 1));
        grid.SetCells(icMark, r, r % 2 ? QStringLiteral("True") : QStringLiteral("False"));
    }
    const QString profile = folder.File(QStringLiteral("a.ybk"));
    grid.SaveToTextFile(profile, u',', u'|', TEncodingKind::ekUnicode);
    // The CSV keeps what the grid holds, '|' included.
    QString direct;
    WriteItemsCsv(grid, [&](const QString &text) { direct += text; });
    TLatticeGrid copy;
    BuildItemColumns(copy);
    AppendItems(copy, ReadItemsCsv(direct.toUtf8(), QString()));
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(copy.GetCells(c, r), grid.GetCells(c, r)) << c << "," << r;

    const QString first = folder.File(QStringLiteral("first.csv"));
    const QString second = folder.File(QStringLiteral("second.csv"));
    const QString imported = folder.File(QStringLiteral("b.ybk"));
    ASSERT_EQ(ExportCsvCommand(profile, first), 0);
    ASSERT_EQ(ImportCsvCommand(first, imported), 0);
    ASSERT_EQ(ExportCsvCommand(imported, second), 0);
    EXPECT_EQ(folder.Read(QStringLiteral("first.csv")), folder.Read(QStringLiteral("second.csv")));
    EXPECT_EQ(folder.Read(QStringLiteral("a.ybk")), folder.Read(QStringLiteral("b.ybk")));
    // Importing again appends; a refused file leaves the profile as it was.
    ASSERT_EQ(ImportCsvCommand(first, imported), 0);
    copy.LoadFromTextFile(imported, u',', u'|');
    EXPECT_EQ(copy.RowCount(), 2 * grid.RowCount());
    const QByteArray before = folder.Read(QStringLiteral("b.ybk"));
    folder.Write(QStringLiteral("bad.csv"), "A,b\nB,c,d,x\n");
    EXPECT_EQ(ImportCsvCommand(folder.File(QStringLiteral("bad.csv")), imported), 1);
    EXPECT_EQ(folder.Read(QStringLiteral("b.ybk")), before);
    EXPECT_EQ(ExportCsvCommand(folder.File(QStringLiteral("missing.ybk")), first), 1);
}

TEST(CsvItems, ReadsWhatLibreOfficeCalcWroteInEveryForm)
{
    // Written by Calc itself; tests/data/README.md says how. The other forms
    // are the same text as Calc writes it when asked for them.
    QFile sample(QStringLiteral(YB_TEST_DATA "/libreoffice_list.csv"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray bytes = sample.readAll();
    const QString text = QString::fromUtf8(bytes);
    const auto encoded = [&](QStringEncoder::Encoding encoding, QChar separator) {
        QString changed = text;
        if (separator != u',') {
            // Only the separators outside quotes; the sample holds ';' only inside.
            changed = QString();
            bool quoted = false;
            for (const QChar c : text) {
                quoted ^= c == u'"';
                changed += !quoted && c == u',' ? separator : c;
            }
        }
        QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
        return QByteArray(encoder(changed.replace(u'\n', QStringLiteral("\r\n"))));
    };
    const std::vector<QStringList> want{
        {"Road bike", "Red, 21 gears\r\nsay \"hi\" | twice", "$450", "4", "12/7/2026", "0", "True"},
        {QString::fromUtf16(u"Caf\u00e9 lamp"), "", QString::fromUtf16(u"49,99 \u20ac"), "1",
         "today", "0", "False"},
        {"\"Quoted\" cup; blue", "ask Tom", "about 40", "2", "1/2/2026", "0", "False"},
    };
    struct Form { const char *what; QByteArray bytes; };
    const Form forms[] = {
        {"as Calc wrote it", bytes},
        {"UTF-8 with mark, ';', CR LF", encoded(QStringEncoder::Utf8, u';')},
        {"UTF-16 LE, tab, CR LF", encoded(QStringEncoder::Utf16LE, u'\t')},
        {"UTF-16 BE, ',', CR LF", encoded(QStringEncoder::Utf16BE, u',')},
    };
    for (const Form &form : forms)
        EXPECT_EQ(ReadItemsCsv(form.bytes, QStringLiteral("today")), want) << form.what;
}
