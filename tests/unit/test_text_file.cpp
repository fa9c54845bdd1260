// The text format's pure halves: field encoding, file bytes, and the parser.

#include "grid_core/text_file.h"
#include "platform/errors.h"
#include "tests/support/cells_expect.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <vector>

namespace {

const QChar kComma(u',');
const QChar kBar(u'|');

QByteArray Bytes(std::initializer_list<uint8_t> bytes)
{
    QByteArray out;
    for (uint8_t b : bytes)
        out.append(char(b));
    return out;
}

QString Field(const QString &text)
{
    QString out;
    AppendTextField(out, text, kComma, kBar);
    return out;
}

// Writes down every call the parser makes, as "+" for a new row and
// "column,row=text" for a field; fields beyond maxColumns raise as the grid does.
class TRecordingTarget : public ITextFileTarget {
public:
    explicit TRecordingTarget(int maxColumns = 100) : maxColumns_(maxColumns) {}
    QStringList calls;
    int rows = 0;

    void AddRow() override
    {
        ++rows;
        calls << QStringLiteral("+");
    }
    void StoreField(int column, int row, const QString &text) override
    {
        if (column < 0 || column >= maxColumns_ || row < 0 || row >= rows)
            throw ECellOutOfBounds(column, row);
        calls << QStringLiteral("%1,%2=%3").arg(column).arg(row).arg(text);
    }

private:
    int maxColumns_;
};

QStringList Parse(const QString &chars, int maxColumns = 100)
{
    TRecordingTarget target(maxColumns);
    ParseTextFile(chars, kComma, kBar, target);
    return target.calls;
}

} // namespace

TEST(TextField, EncodesQuotesLineBreaksAndSeparators)
{
    const std::vector<std::pair<QString, QString>> table = {
        {"Road bike", "Road bike"},
        {"", ""},
        {"Red, 21 gears\r\nfrom the shop", "\"Red, 21 gears|from the shop\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"quoted start", "\"\"\"quoted start\""},
        {"\"", "\"\"\"\""},
        {"two\r\nlines", "two|lines"},
        {"lone\nLF", "loneLF"},
        {"lone\rCR", "lone|CR"},
        {"a|b", "a|b"},
        {",", "\",\""},
        {"tab\tand 😀", "tab\tand 😀"},
    };
    for (const auto &[text, field] : table)
        EXPECT_EQ(Field(text), field) << text.toStdString();
}

TEST(TextField, EnclosesOnlyForTheCallersSeparator)
{
    QString out;
    AppendTextField(out, u"a,b;c", QChar(u';'), QChar(u'~'));
    EXPECT_EQ(out, "\"a,b;c\"");
    out.clear();
    AppendTextField(out, u"a,b\r\nc", QChar(u';'), QChar(u'~'));
    EXPECT_EQ(out, "a,b~c");
}

TEST(TextFileBytes, EncodesEachKindWithItsOrderMark)
{
    const QString text = QStringLiteral("A\u00e9") + QString::fromUtf16(u"\U0001F600") + "\r\n";
    EXPECT_EQ(EncodeTextFile(text, TEncodingKind::ekUnicode),
              Bytes({0xFF, 0xFE, 0x41, 0x00, 0xE9, 0x00, 0x3D, 0xD8, 0x00, 0xDE, 0x0D, 0x00, 0x0A,
                     0x00}));
    EXPECT_EQ(EncodeTextFile(text, TEncodingKind::ekUnicodeBigEndian),
              Bytes({0xFE, 0xFF, 0x00, 0x41, 0x00, 0xE9, 0xD8, 0x3D, 0xDE, 0x00, 0x00, 0x0D, 0x00,
                     0x0A}));
    // 8-bit text in the locale's encoding, UTF-8 on these machines, with no mark.
    EXPECT_EQ(EncodeTextFile(QStringLiteral("A\u00e9\r\n"), TEncodingKind::ekAnsi),
              Bytes({0x41, 0xC3, 0xA9, 0x0D, 0x0A}));
    EXPECT_EQ(EncodeTextFile(QString(), TEncodingKind::ekUnicode), Bytes({0xFF, 0xFE}));
    EXPECT_EQ(EncodeTextFile(QString(), TEncodingKind::ekUnicodeBigEndian), Bytes({0xFE, 0xFF}));
    EXPECT_EQ(EncodeTextFile(QString(), TEncodingKind::ekAnsi), QByteArray());
}

TEST(TextFileBytes, DecodesByTheFirstTwoBytes)
{
    const std::vector<std::tuple<const char *, QByteArray, QString>> table = {
        {"little endian", Bytes({0xFF, 0xFE, 0x41, 0x00, 0xA9, 0x03}), QStringLiteral("A\u03a9")},
        {"big endian", Bytes({0xFE, 0xFF, 0x00, 0x41, 0x03, 0xA9}), QStringLiteral("A\u03a9")},
        {"surrogate pair", Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}),
         QString::fromUtf16(u"\U0001F600")},
        {"odd trailing byte", Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42}), "A"},
        {"mark alone", Bytes({0xFE, 0xFF}), ""},
        {"8-bit, byte = code", Bytes({0x41, 0xE9, 0x0D, 0x0A}), QStringLiteral("A\u00e9\r\n")},
        {"8-bit, no conversion", Bytes({0xC3, 0xA9}), QStringLiteral("\u00c3\u00a9")},
        {"one byte is 8-bit", Bytes({0xFF}), QStringLiteral("\u00ff")},
        {"half a mark is 8-bit", Bytes({0xFE, 0x41}), QStringLiteral("\u00feA")},
        {"empty", QByteArray(), ""},
    };
    for (const auto &[name, bytes, text] : table)
        EXPECT_EQ(DecodeTextFile(bytes), text) << name;
}

TEST(TextFileParser, ReadsFieldsAndLines)
{
    const std::vector<std::tuple<const char *, QString, QStringList>> table = {
        {"two lines", "a,b\r\nc,d\r\n", {"+", "0,0=a", "1,0=b", "+", "0,1=c", "1,1=d"}},
        {"enclosed separator and line-break mark",
         "Road bike,\"Red, 21 gears|from the shop\",$450\r\n",
         {"+", "0,0=Road bike", "1,0=Red, 21 gears\r\nfrom the shop", "2,0=$450"}},
        {"doubled quotes", "\"say \"\"hi\"\"\"\r\n", {"+", "0,0=say \"hi\""}},
        {"leading quote", "\"\"\"x\",y\r\n", {"+", "0,0=\"x", "1,0=y"}},
        {"quote alone", "\"\"\"\"\r\n", {"+", "0,0=\""}},
        {"mark outside quotes", "a|b\r\n", {"+", "0,0=a\r\nb"}},
        {"CR is dropped", "a\rb,c\r\n", {"+", "0,0=ab", "1,0=c"}},
        {"LF alone ends the line", "a\nb\n", {"+", "0,0=a", "+", "0,1=b"}},
        {"LF ends the line inside quotes", "\"a\nb\"\r\n", {"+", "0,0=a", "+", "0,1=b\""}},
        {"empty line in the middle",
         "a,b\r\n\r\nc\r\n",
         {"+", "0,0=a", "1,0=b", "+", "0,1=", "+", "0,2=c"}},
        {"empty fields", ",,\r\n", {"+", "0,0=", "1,0=", "2,0="}},
        {"last line without line end",
         "a,b\r\nc,d",
         {"+", "0,0=a", "1,0=b", "+", "0,1=c", "1,1=d"}},
        {"last field alone joins the previous row", "a,b\r\nc", {"+", "0,0=a", "1,0=b", "2,0=c"}},
        {"empty last field stores nothing", "a,\r\nb,", {"+", "0,0=a", "1,0=", "+", "0,1=b"}},
        {"quote count starts again per field", "\"a,\",\"b\"\r\n", {"+", "0,0=a,", "1,0=b"}},
        {"empty content", "", {}},
    };
    for (const auto &[name, chars, calls] : table)
        EXPECT_EQ(Parse(chars), calls) << name;
}

TEST(TextFileParser, UsesTheCallersSeparatorAndMark)
{
    TRecordingTarget target;
    ParseTextFile(u"a,b;\"c;d\"~e\r\n", QChar(u';'), QChar(u'~'), target);
    EXPECT_EQ(target.calls, (QStringList{"+", "0,0=a,b", "1,0=c;d\r\ne"}));
}

TEST(TextFileParser, StopsAtTheFirstFieldTheTargetRefuses)
{
    const std::vector<std::tuple<const char *, QString, QString, int>> table = {
        {"extra field on the third line", "a,b\r\nc,d\r\ne,f,g\r\nh,i\r\n",
         "Cell out of bounds (2, 2)", 3},
        {"single field alone", "lonely", "Cell out of bounds (0, -1)", 0},
        {"last field beyond the last column", "a,b\r\nc", "Cell out of bounds (2, 0)", 1},
    };
    for (const auto &[name, chars, message, rows] : table) {
        SCOPED_TRACE(name);
        TRecordingTarget target(2);
        EXPECT_TRUE(RaisesWith<ECellOutOfBounds>(
            [&, chars = chars] { ParseTextFile(chars, kComma, kBar, target); }, message));
        EXPECT_EQ(target.rows, rows);
    }
}

TEST(TextFileWriter, FlushesWholeLinesThatAddUpToTheWholeText)
{
    const QString gift = QString::fromUtf16(u"\U0001F381");
    const QStringList fields = {"Kite", "red, \"big\"", gift + gift, "", "two\r\nlines", "x"};
    QString whole;
    QString buffer;
    QStringList pieces;
    {
        TTextFieldWriter appending(whole, kComma, kBar);
        TTextFieldWriter flushing(
            buffer, kComma, kBar, [&](QStringView lines) { pieces << lines.toString(); }, 7);
        for (int row = 0; row < 20; ++row) {
            for (int c = 0; c < fields.size(); ++c) {
                for (TTextFieldWriter *writer : {&appending, &flushing}) {
                    if (c > 0)
                        writer->PutSeparator();
                    writer->Field(fields[(row + c) % fields.size()]);
                }
            }
            appending.PutLineEnd();
            flushing.PutLineEnd();
        }
        appending.Finish();
        flushing.Finish();
    }
    EXPECT_GT(pieces.size(), 1);
    for (const QString &piece : pieces)
        EXPECT_TRUE(piece.endsWith("\r\n")) << piece.toStdString();
    EXPECT_EQ(pieces.join(QString()), whole);
    // A line break inside a field is written as the mark, so only row ends remain.
    EXPECT_EQ(whole.count("\r\n"), 20);
}

TEST(TextFileWriter, FinishingWithNothingLeftFlushesNothing)
{
    QString buffer;
    int flushes = 0;
    TTextFieldWriter writer(
        buffer, kComma, kBar, [&](QStringView) { ++flushes; }, 4);
    writer.Field(u"abcdef");
    writer.PutLineEnd();
    EXPECT_EQ(flushes, 1);
    writer.Finish();
    EXPECT_EQ(flushes, 1);
}

TEST(TextFileBytes, CountsLineFeedsAtEveryPositionAndLength)
{
    for (int length = 0; length < 40; ++length) {
        for (int step = 1; step < 5; ++step) {
            QString chars(length, u'a');
            for (int i = step - 1; i < length; i += step)
                chars[i] = u'\n';
            EXPECT_EQ(CountLineFeeds(chars), chars.count(u'\n')) << length << ' ' << step;
        }
    }
    // More line feeds than one round of counters holds.
    const QString many(8 * 0x7FFF * 2 + 5, u'\n');
    EXPECT_EQ(CountLineFeeds(many), many.size());
    EXPECT_EQ(CountLineFeeds(many.sliced(3)), many.size() - 3);
}
