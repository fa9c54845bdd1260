// CSV text and the item list as CSV: round trips, the forms spreadsheets
// write, the guard against formulas, reading in pieces, and the refusals with
// their line numbers.

#include "app/csv_commands.h"
#include "app/csv_items.h"
#include "app/csv_text.h"
#include "app/item_columns.h"
#include "app/profile_backups.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QStringList kAwkward{
    QStringLiteral("Red, 21 gears"),
    QStringLiteral("say \"hi\""),
    QStringLiteral("\"quoted first"),
    QStringLiteral("two\r\nlines"),
    QStringLiteral("pipe | bar"),
    QStringLiteral(" blank first"),
    QStringLiteral("blank last "),
    QString(),
    QStringLiteral("tab\there"),
    QStringLiteral("semi;colon"),
    QString::fromUtf16(u"caf\u00e9 \u20ac \U0001F600"),
    QStringLiteral("\""),
    QStringLiteral("=1+1"),
    QStringLiteral("-5"),
    QStringLiteral("'quoted"),
    QStringLiteral("@SUM(A1)"),
    QStringLiteral("''"),
    QStringLiteral("-2+3"),
};

QByteArray Utf16(QStringEncoder::Encoding encoding, const char16_t *text, bool mark)
{
    QStringEncoder encoder(encoding,
                           mark ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
    return QByteArray(encoder(QString::fromUtf16(text)));
}

// The records of bytes decoded and parsed in pieces of the given size.
std::vector<TCsvRecord> ParseInPieces(const QByteArray &bytes, qsizetype piece, QChar separator)
{
    std::vector<TCsvRecord> records;
    TCsvDecoder decoder;
    TCsvParser parser(separator, [&](const TCsvRecord &record) { records.push_back(record); });
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        parser.Feed(
            decoder.Decode(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at))));
    parser.Feed(decoder.Finish());
    parser.Finish();
    return records;
}

std::vector<QStringList> Fields(const std::vector<TCsvRecord> &records)
{
    std::vector<QStringList> fields;
    for (const TCsvRecord &record : records)
        fields.push_back(record.Fields());
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

TEST(CsvText, AFormulaGetsOneApostropheMoreAndLosesItAgain)
{
    struct Row {
        const char16_t *text;
        const char16_t *written;
    };
    const Row rows[] = {
        {u"=1+1", u"'=1+1"},
        {u"+A1", u"'+A1"},
        {u"-2+3", u"'-2+3"},
        {u"@SUM(A1)", u"'@SUM(A1)"},
        {u"\tx", u"'\tx"},
        {u"\r\nx", u"'\r\nx"},
        {u"-", u"'-"},
        {u"-$5", u"'-$5"},
        {u"-5.", u"'-5."},
        {u"1-2", u"1-2"},
        {u"'quoted", u"''quoted"},
        {u"''", u"'''"},
        {u"-5", u"-5"},
        {u"+3", u"+3"},
        {u"-4.25", u"-4.25"},
        {u"-4,25", u"-4,25"},
        {u"Kite", u"Kite"},
        {u"", u""},
        {u" =x", u" =x"},
        {u"a=b", u"a=b"},
    };
    // A plain number is the same in every locale.
    const QLocale before;
    for (const char *locale : {"C", "en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        for (const Row &row : rows) {
            const QString text = QString::fromUtf16(row.text);
            const QString written = GuardSpreadsheetFormula(text);
            EXPECT_EQ(written, QString::fromUtf16(row.written))
                << locale << " " << text.toStdString();
            EXPECT_EQ(UnguardSpreadsheetFormula(written), text)
                << locale << " " << text.toStdString();
        }
    }
    QLocale::setDefault(before);
}

TEST(CsvText, ReadingInPiecesOfAnySizeGivesTheSameRecordsAndLines)
{
    struct Row {
        const char *what;
        QByteArray bytes;
        QChar separator;
    };
    const Row rows[] = {
        {"UTF-8 of two, three and four bytes",
         "caf\xC3\xA9,\xE2\x82\xAC"
         "5\r\n\xF0\x9F\x98\x80,x\r\n",
         u','},
        {"quoted line breaks, doubled quotes, CR LF, CR and LF",
         "\"a\r\nb\",\"say \"\"hi\"\"\"\r\n\"x\ry\",z\r\"\"\n\n,\n", u','},
        {"UTF-16 LE with a pair",
         Utf16(QStringEncoder::Utf16LE, u"\U0001F600;\"q\r\n\"\r\nb;c", true), u';'},
        {"UTF-16 BE without mark", Utf16(QStringEncoder::Utf16BE, u"a\tb\rc\t\"d\"\r", false),
         u'\t'},
        {"a last record without a line end, ending in a separator", "a,b\nc,", u','},
    };
    for (const Row &row : rows) {
        const std::vector<TCsvRecord> whole =
            ParseInPieces(row.bytes, row.bytes.size() + 1, row.separator);
        ASSERT_FALSE(whole.empty()) << row.what;
        for (const qsizetype piece : {1, 2, 3, 5}) {
            const std::vector<TCsvRecord> pieces = ParseInPieces(row.bytes, piece, row.separator);
            ASSERT_EQ(pieces.size(), whole.size()) << row.what << " " << piece;
            for (size_t i = 0; i < whole.size(); ++i) {
                EXPECT_EQ(pieces[i].Fields(), whole[i].Fields()) << row.what << " " << piece;
                EXPECT_EQ(pieces[i].line, whole[i].line) << row.what << " " << piece;
            }
        }
    }
    // Lines are counted the same way whatever ends them.
    const std::vector<TCsvRecord> lines =
        ParseInPieces("a\r\nb\rc\n\"1\r2\n3\r\n4\"\nd\n", 1, u',');
    std::vector<int> starts;
    for (const TCsvRecord &record : lines)
        starts.push_back(record.line);
    EXPECT_EQ(starts, (std::vector<int>{1, 2, 3, 4, 8}));
}

TEST(CsvText, ReadsWhatSpreadsheetsWrite)
{
    const auto utf16 = Utf16;
    struct Row {
        const char *what;
        QByteArray bytes;
        std::vector<QStringList> want;
    };
    const std::vector<QStringList> ab{{"a", "b"}, {"c", "d"}};
    const Row rows[] = {
        {"UTF-8, LF", "a,b\nc,d\n", ab},
        {"UTF-8 with mark, CR LF, no last line end",
         "\xEF\xBB\xBF"
         "a,b\r\nc,d",
         ab},
        {"semicolons, CR", "a;b\rc;d\r", ab},
        {"tabs", "a\tb\nc\td\n", ab},
        {"UTF-16 LE with mark", utf16(QStringEncoder::Utf16LE, u"a,b\r\nc,d\r\n", true), ab},
        {"UTF-16 BE with mark", utf16(QStringEncoder::Utf16BE, u"a;b\nc;d\n", true), ab},
        {"UTF-16 LE without mark", utf16(QStringEncoder::Utf16LE, u"a\tb\nc\td", false), ab},
        {"quoted separators and line breaks", "\"x;y\";\"1\n2\"\n", {{"x;y", "1\n2"}}},
        {"a quote inside a plain field", "5\" pipe,ok\n", {{"5\" pipe", "ok"}}},
        {"empty fields and an empty line", ",\n\na,\n", {{"", ""}, {""}, {"a", ""}}},
        {"letters outside ASCII",
         "caf\xC3\xA9,\xE2\x82\xAC"
         "5\n",
         {{QString::fromUtf16(u"caf\u00e9"), QString::fromUtf16(u"\u20ac5")}}},
    };
    for (const Row &row : rows) {
        const QString text = DecodeCsvBytes(row.bytes);
        EXPECT_EQ(Fields(ParseCsv(text, DetectCsvSeparator(text))), row.want) << row.what;
    }
}

TEST(CsvText, RefusalsNameTheLine)
{
    struct Row {
        QByteArray bytes;
        const char *message;
    };
    const Row rows[] = {
        {"a,b\nc,\"open\n\nd\n", "line 2: a quoted field is not closed"},
        {"a,b\n\"1\n2\",x\n\"q\"z,y\n", "line 4: text after the closing quote of a field"},
        {"a\nb\nc\xFF\n", "line 3: the text is neither UTF-8 nor UTF-16"},
        {"a\r\nb\r\r\nd\xE2\x82", "line 4: the text is neither UTF-8 nor UTF-16"},
        {Utf16(QStringEncoder::Utf16LE, u"a,b\r\nc,d\r\n", true) + "e",
         "line 3: the UTF-16 text has an odd number of bytes"},
        {Utf16(QStringEncoder::Utf16BE, u"a,b\nc", false).chopped(1),
         "line 2: the UTF-16 text has an odd number of bytes"},
        {QByteArray("a\0,", 3), "line 1: the UTF-16 text has an odd number of bytes"},
    };
    for (const Row &row : rows) {
        // Whole, and a byte at a time.
        for (const qsizetype piece : {row.bytes.size() + 1, qsizetype(1)}) {
            try {
                ParseInPieces(row.bytes, piece, u',');
                ADD_FAILURE() << row.message;
            } catch (const EConvertError &error) {
                EXPECT_EQ(error.Message().toStdString(), row.message) << piece;
            }
        }
    }
}

TEST(CsvItems, MapsByCaptionOrByOrderAndFillsWhatIsMissing)
{
    const QString today = QStringLiteral("12/9/2026");
    struct Row {
        QByteArray bytes;
        std::vector<QStringList> want;
    };
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
        EXPECT_EQ(ReadItemsCsv(row.bytes, today).Lists(), row.want) << row.bytes.constData();

    struct Bad {
        QByteArray bytes;
        const char *message;
    };
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
    // The CSV keeps what the grid holds; a '|' comes back as the line break
    // that a profile reads it as.
    QString direct;
    WriteItemsCsv(grid, [&](const QString &text) { direct += text; });
    EXPECT_TRUE(direct.contains(QStringLiteral(",'=1+1,")));
    EXPECT_TRUE(direct.contains(QStringLiteral(",-5,")));
    EXPECT_TRUE(direct.contains(QStringLiteral(",''quoted,")));
    TLatticeGrid copy;
    BuildItemColumns(copy);
    AppendItems(copy, ReadItemsCsv(direct.toUtf8(), QString()));
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(copy.GetCells(c, r),
                      QString(grid.GetCells(c, r)).replace(u'|', QStringLiteral("\r\n")))
                << c << "," << r;

    const QString first = folder.File(QStringLiteral("first.csv"));
    const QString second = folder.File(QStringLiteral("second.csv"));
    const QString imported = folder.File(QStringLiteral("b.ybk"));
    ASSERT_EQ(ExportCsvCommand(profile, first), 0);
    ASSERT_EQ(ImportCsvCommand(first, imported, folder.Path()), 0);
    ASSERT_EQ(ExportCsvCommand(imported, second), 0);
    EXPECT_EQ(folder.Read(QStringLiteral("first.csv")), folder.Read(QStringLiteral("second.csv")));
    EXPECT_EQ(folder.Read(QStringLiteral("a.ybk")), folder.Read(QStringLiteral("b.ybk")));
    // Importing again appends; a refused file leaves the profile as it was.
    ASSERT_EQ(ImportCsvCommand(first, imported, folder.Path()), 0);
    copy.LoadFromTextFile(imported, u',', u'|');
    EXPECT_EQ(copy.RowCount(), 2 * grid.RowCount());
    const QByteArray before = folder.Read(QStringLiteral("b.ybk"));
    folder.Write(QStringLiteral("bad.csv"), "A,b\nB,c,d,x\n");
    EXPECT_EQ(ImportCsvCommand(folder.File(QStringLiteral("bad.csv")), imported, folder.Path()), 1);
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
        {"Road bike", "Red, 21 gears\r\nsay \"hi\" \r\n twice", "$450", "4", "12/7/2026", "0",
         "True"},
        {QString::fromUtf16(u"Caf\u00e9 lamp"), "", QString::fromUtf16(u"49,99 \u20ac"), "1",
         "today", "0", "False"},
        {"\"Quoted\" cup; blue", "ask Tom", "about 40", "2", "1/2/2026", "0", "False"},
    };
    struct Form {
        const char *what;
        QByteArray bytes;
    };
    const Form forms[] = {
        {"as Calc wrote it", bytes},
        {"UTF-8 with mark, ';', CR LF", encoded(QStringEncoder::Utf8, u';')},
        {"UTF-16 LE, tab, CR LF", encoded(QStringEncoder::Utf16LE, u'\t')},
        {"UTF-16 BE, ',', CR LF", encoded(QStringEncoder::Utf16BE, u',')},
    };
    for (const Form &form : forms)
        EXPECT_EQ(ReadItemsCsv(form.bytes, QStringLiteral("today")).Lists(), want) << form.what;
}

TEST(CsvItems, NulsAreDroppedAndPipesBecomeLineBreaksAndTheMessageSaysSo)
{
    struct Row {
        const char *what;
        QByteArray bytes;
        std::vector<QStringList> want;
        const char *message;
    };
    const Row rows[] = {
        {"nothing to say",
         "Name:,Notes:\nKite,red\n",
         {{"Kite", "red", "", "1", "d", "0", "False"}},
         ""},
        {"a NUL and a pipe",
         QByteArray("Name:,Notes:\nKi\0te,red|blue\n", 28),
         {{"Kite", "red\r\nblue", "", "1", "d", "0", "False"}},
         "1 NUL character was dropped; a '|' became a line break (line 2: notes)"},
        {"UTF-16 without a mark, with NULs",
         QByteArray("A\0\0\0,\0B\0\0\0\n\0", 12),
         {{"A", "B", "", "1", "d", "0", "False"}},
         "2 NUL characters were dropped"},
        {"many pipes, the first three named",
         "a|,b|,c|,1,d|\ne|\nf|\n",
         {{"a\r\n", "b\r\n", "c\r\n", "1", "d\r\n", "0", "False"},
          {"e\r\n", "", "", "1", "d", "0", "False"},
          {"f\r\n", "", "", "1", "d", "0", "False"}},
         "a '|' became a line break (line 1: name, line 1: notes, line 1: price and 3 more)"},
        {"an apostrophe removed once, before the NUL",
         QByteArray("x,'\0'=y,''z\n", 12),
         {{"x", "'=y", "'z", "1", "d", "0", "False"}},
         "1 NUL character was dropped"},
    };
    for (const Row &row : rows) {
        TCsvImportNotes notes;
        EXPECT_EQ(ReadItemsCsv(row.bytes, QStringLiteral("d"), &notes).Lists(), row.want)
            << row.what;
        EXPECT_EQ(CsvImportNotesText(notes), QString::fromUtf8(row.message)) << row.what;
    }
}

TEST(CsvCommands, AnExportNeverReplacesAProfile)
{
    TTempFolder folder;
    const QByteArray items = ProfileBytes({QStringLiteral("Kite,,$5,1,12/7/2026,0,False")});
    folder.Write(QStringLiteral("a.ybk"), items);
    folder.Write(QStringLiteral("other.ybk"), items);
    folder.Write(QStringLiteral("saved profile"), ProfileBytes({}));
    folder.Write(QStringLiteral("old.csv"), "Name:\r\nBall\r\n");
    const QString profile = folder.File(QStringLiteral("a.ybk"));
    ASSERT_TRUE(QFile::link(profile, folder.File(QStringLiteral("link.csv"))));
    ASSERT_EQ(::link(QFile::encodeName(profile).constData(),
                     QFile::encodeName(folder.File(QStringLiteral("hard.csv"))).constData()),
              0);
    struct Row {
        const char *out;
        const char *message;
    };
    const Row rows[] = {
        {"a.ybk", "is the profile itself; it is not replaced"},
        {"link.csv", "is the profile itself; it is not replaced"},
        {"hard.csv", "is the profile itself; it is not replaced"},
        {"other.ybk", "is a profile; it is not replaced"},
        {"saved profile", "is a profile; it is not replaced"},
        {"old.csv", ""},
        {"new.csv", ""},
    };
    for (const Row &row : rows) {
        const QString out = folder.File(QString::fromUtf8(row.out));
        const QByteArray before = folder.Exists(QString::fromUtf8(row.out))
                                      ? folder.Read(QString::fromUtf8(row.out))
                                      : QByteArray();
        EXPECT_EQ(CsvExportRefusal(profile, out), QString::fromUtf8(row.message)) << row.out;
        const bool refused = *row.message != 0;
        EXPECT_EQ(ExportCsvCommand(profile, out), refused ? 2 : 0) << row.out;
        if (refused)
            EXPECT_EQ(folder.Read(QString::fromUtf8(row.out)), before) << row.out;
        else
            EXPECT_TRUE(folder.Read(QString::fromUtf8(row.out)).startsWith("Name:,")) << row.out;
    }
    EXPECT_EQ(folder.Read(QStringLiteral("a.ybk")), items);
}

TEST(CsvCommands, AnImportKeepsTheProfileItReplacesAmongTheBackups)
{
    TTempFolder folder;
    const QString profile = folder.File(QStringLiteral("a.ybk"));
    const QByteArray first = ProfileBytes({QStringLiteral("Kite,,$5,1,12/7/2026,0,False")});
    folder.Write(QStringLiteral("a.ybk"), first);
    folder.Write(QStringLiteral("one.csv"), "Ball,,,,1/1/2026\n");
    folder.Write(QStringLiteral("bad.csv"), "Ball,,,high\n");
    TProfileBackups backups(folder.Path());

    ASSERT_EQ(ImportCsvCommand(folder.File(QStringLiteral("one.csv")), profile, folder.Path()), 0);
    QList<TBackupEntry> kept = backups.List(profile);
    ASSERT_EQ(kept.size(), 1);
    QFile backup(kept[0].path);
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), first);
    // A refused file keeps nothing, and a new profile has nothing to keep.
    EXPECT_EQ(ImportCsvCommand(folder.File(QStringLiteral("bad.csv")), profile, folder.Path()), 1);
    EXPECT_EQ(ImportCsvCommand(folder.File(QStringLiteral("one.csv")),
                               folder.File(QStringLiteral("b.ybk")), folder.Path()),
              0);
    EXPECT_EQ(backups.List(folder.File(QStringLiteral("b.ybk"))).size(), 0);
    // The folder's rules hold: the newest 20 versions of a day.
    for (int i = 0; i < 21; ++i)
        ASSERT_EQ(ImportCsvCommand(folder.File(QStringLiteral("one.csv")), profile, folder.Path()),
                  0);
    kept = backups.List(profile);
    EXPECT_EQ(kept.size(), 20);
    TLatticeGrid grid;
    BuildItemColumns(grid);
    grid.LoadFromTextFile(profile, u',', u'|');
    EXPECT_EQ(grid.RowCount(), 23);
}
