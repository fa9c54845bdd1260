// Saving and loading the whole grid through real files: the bytes written,
// what survives a round trip, how files are read, and what a failed load or
// save leaves behind.

#include "grid_core/grid_control.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "tests/support/cells_expect.h"
#include "tests/support/cells_test_grid.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QChar kComma(u',');
const QChar kBar(u'|');

using Rows = std::vector<QStringList>;

QByteArray Bytes(std::initializer_list<uint8_t> bytes)
{
    QByteArray out;
    for (uint8_t b : bytes)
        out.append(char(b));
    return out;
}

// The units of an ASCII text, low byte first, after the mark FF FE.
QByteArray Utf16Le(const char *ascii)
{
    QByteArray out = Bytes({0xFF, 0xFE});
    for (const char *p = ascii; *p; ++p) {
        out.append(*p);
        out.append('\0');
    }
    return out;
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// "kind: message" of what the action raised, or "" when it raised nothing.
QString Raised(const std::function<void()> &action)
{
    try {
        action();
    } catch (const ECellOutOfBounds &e) {
        return "bounds: " + e.Message();
    } catch (const EConvertError &e) {
        return "convert: " + e.Message();
    } catch (const EInOutError &e) {
        return "io: " + e.Message();
    } catch (const EYearnboxError &e) {
        return "other: " + e.Message();
    }
    return QString();
}

QStringList NewRow(const QString &first = QString())
{
    return {first, "", "", "0", "", "0", "False"};
}

struct TempFolder {
    QTemporaryDir dir;
    QString Path(const QString &name = QStringLiteral("list.ybk")) const
    {
        return dir.filePath(name);
    }
};

// Two rows with colours, a hint and the sorted marker: what a failed load must keep.
void FillPrevious(TTestGrid &grid)
{
    grid.AppendRow({"Kettle", "steel", "$30", "2", "12/7/2026", "0", "False"});
    grid.AppendRow({"Lamp", "", "$12", "5", "12/8/2026", "0", "True"});
    for (int c = 0; c < 7; ++c)
        grid.GetCell(c, 1)->SetColor(clYellow);
    grid.GetCell(0, 0)->SetHint("old hint");
    grid.Cells().SetSorted(true);
    grid.changes.clear();
}

} // namespace

// --- writing

TEST(GridSave, WorkedExampleIsWrittenByteForByte)
{
    TempFolder folder;
    TTestGrid grid;
    grid.AddRow(1);
    grid.GetCell(0, 0)->SetAsString("Road bike");
    grid.GetCell(1, 0)->SetAsString("Red, 21 gears\r\nfrom the shop");
    grid.GetCell(2, 0)->SetAsString("$450");
    grid.GetCell(3, 0)->SetAsInteger(4);
    grid.GetCell(4, 0)->SetAsDateTime(46363);
    grid.GetCell(6, 0)->SetAsBoolean(true);
    grid.SaveToTextFile(folder.Path(), kComma, kBar, TEncodingKind::ekUnicode);

    const QByteArray bytes = ReadBytes(folder.Path());
    EXPECT_EQ(bytes,
              Utf16Le("Road bike,\"Red, 21 gears|from the shop\",$450,4,12/7/2026,0,True\r\n"));
    EXPECT_TRUE(
        bytes.startsWith(Bytes({0xFF, 0xFE, 0x52, 0x00, 0x6F, 0x00, 0x61, 0x00, 0x64, 0x00})));
    EXPECT_TRUE(bytes.endsWith(
        Bytes({0x54, 0x00, 0x72, 0x00, 0x75, 0x00, 0x65, 0x00, 0x0D, 0x00, 0x0A, 0x00})));
}

TEST(GridSave, AReadOnAnotherThreadSeesTheCellsAsTheyWereWhenItBegan)
{
    TempFolder folder;
    // Loaded texts point into the file, plain and quoted alike; the second row's are owned.
    WriteBytes(folder.Path("in.ybk"), Utf16Le("Kite,\"red, big|string\",$20,2,,0,True\r\n"));
    const QString kept = "Kite,\"red, big|string\",$20,2,,0,True,3," + DateTimeToStr(46363.5) +
                         ",1\r\nBall,\"blue \"\"rubber\"\"\",$5,-7,,0,False,0," + DateTimeToStr(0) +
                         ",2\r\n";
    // Values and rows change at once, the reader writing what they were;
    // a clearing and a load wait for the reader.
    struct TChange {
        const char *name;
        bool waits;
        std::function<void(TTestGrid &)> make;
    };
    const std::vector<TChange> changes = {
        {"loaded text", false, [](TTestGrid &grid) { grid.GetCell(1, 0)->SetAsString("green"); }},
        {"owned text", false, [](TTestGrid &grid) { grid.GetCell(1, 1)->SetAsString("glass"); }},
        {"cleared text", false, [](TTestGrid &grid) { grid.GetCell(0, 0)->Clear(); }},
        {"twice", false,
         [](TTestGrid &grid) {
             grid.GetCell(0, 1)->SetAsString("Bat");
             grid.GetCell(0, 1)->SetAsString("Bag");
         }},
        {"number", false, [](TTestGrid &grid) { grid.GetCell(3, 1)->SetAsInteger(9); }},
        {"mark", false, [](TTestGrid &grid) { grid.GetCell(6, 0)->SetAsBoolean(false); }},
        {"real", false, [](TTestGrid &grid) { grid.GetCell(7, 0)->SetAsFloat(4); }},
        {"date", false, [](TTestGrid &grid) { grid.GetCell(8, 1)->SetAsString("1/2/2027"); }},
        {"row added", false, [](TTestGrid &grid) { grid.AddRow(1); }},
        {"row deleted", false, [](TTestGrid &grid) { grid.Cells().DeleteRow(0); }},
        {"rows swapped", false, [](TTestGrid &grid) { grid.Cells().SwapRows(0, 1); }},
        {"row inserted", false, [](TTestGrid &grid) { grid.Cells().InsertRow(0); }},
        {"sorted", false,
         [](TTestGrid &grid) {
             grid.Cells().SortColumn(0, TSortType::stAlphabetic, TSortKind::skAscending, true);
         }},
        {"cleared", true, [](TTestGrid &grid) { grid.ClearRows(); }},
        {"loaded", true,
         [&](TTestGrid &grid) { grid.LoadFromTextFile(folder.Path("in.ybk"), kComma, kBar); }},
    };
    for (const TChange &change : changes) {
        TTestGrid grid;
        grid.LoadFromTextFile(folder.Path("in.ybk"), kComma, kBar);
        grid.AppendRow({"Ball", "blue \"rubber\"", "$5", "-7", "", "0", "False"});
        for (const TColumnType type :
             {TColumnType::ctFloat, TColumnType::ctDate, TColumnType::ctAutoInc})
            grid.columns.Add(grid.Cells(), {type, {}, clWhite});
        grid.GetCell(7, 0)->SetAsFloat(3);
        grid.GetCell(8, 0)->SetAsDateTime(46363.5);
        TCells &cells = grid.Cells();
        cells.BeginRead();
        std::atomic<bool> changed = false;
        bool changedFirst = false;
        QString read;
        std::thread reader([&] {
            for (int i = 0; i < 200 && !changed; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            changedFirst = changed;
            TTextFieldWriter writer(read, kComma, kBar);
            cells.WriteText(writer);
            writer.Finish();
            cells.EndRead();
        });
        change.make(grid);
        changed = true;
        reader.join();
        EXPECT_EQ(read, kept) << change.name;
        EXPECT_EQ(changedFirst, !change.waits) << change.name;
        EXPECT_NE(grid.SaveToText(kComma, kBar), kept) << change.name;
        // The next read sees the change.
        cells.BeginRead();
        QString next;
        TTextFieldWriter writer(next, kComma, kBar);
        cells.WriteText(writer);
        writer.Finish();
        cells.EndRead();
        EXPECT_EQ(next, grid.SaveToText(kComma, kBar)) << change.name;
    }
}

TEST(GridSave, ValuesAndRowsChangedWhileAReadIsUnderwayAreWrittenAsTheyWere)
{
    TTestGrid grid;
    for (int i = 0; i < 200; ++i)
        grid.AppendRow({QString("item %1").arg(i), "", "$1", "1", "", "0", "False"});
    const QString before = grid.SaveToText(kComma, kBar);
    TCells &cells = grid.Cells();
    cells.BeginRead();
    std::atomic<bool> paused = false;
    std::atomic<bool> changed = false;
    QString read;
    std::thread reader([&] {
        QString buffer;
        // Pauses after its first lines until every row has changed.
        TTextFieldWriter writer(
            buffer, kComma, kBar,
            [&](QStringView lines) {
                read += lines;
                paused = true;
                for (int i = 0; i < 5000 && !changed; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
            },
            64);
        cells.WriteText(writer);
        writer.Finish();
        cells.EndRead();
    });
    while (!paused)
        std::this_thread::yield();
    for (int r = 0; r < grid.RowCount(); ++r) {
        grid.GetCell(6, r)->SetAsBoolean(true);
        grid.GetCell(0, r)->SetAsString(QString("changed %1").arg(r % 7));
    }
    for (int r = grid.RowCount() - 1; r >= 0; r -= 3)
        grid.Cells().DeleteRow(r);
    grid.Cells().InsertRow(0);
    grid.Cells().SortColumn(0, TSortType::stAlphabetic, TSortKind::skAscending, true);
    grid.GetCell(0, 0)->SetAsString("first");
    changed = true;
    reader.join();
    EXPECT_EQ(read, before);
}

TEST(GridSave, QuotesInsideAFieldAreDoubled)
{
    TempFolder folder;
    TTestGrid grid;
    grid.AppendRow({"Mug", "say \"hi\"", "$5", "1", "", "0", "False"});
    grid.SaveToTextFile(folder.Path(), kComma, kBar, TEncodingKind::ekUnicode);
    EXPECT_EQ(ReadBytes(folder.Path()), Utf16Le("Mug,\"say \"\"hi\"\"\",$5,1,,0,False\r\n"));
}

TEST(GridSave, EmptyGridGivesTheOrderMarkAlone)
{
    const std::vector<std::pair<TEncodingKind, QByteArray>> table = {
        {TEncodingKind::ekUnicode, Bytes({0xFF, 0xFE})},
        {TEncodingKind::ekUnicodeBigEndian, Bytes({0xFE, 0xFF})},
        {TEncodingKind::ekAnsi, QByteArray()},
    };
    for (const auto &[encoding, bytes] : table) {
        SCOPED_TRACE(int(encoding));
        TempFolder folder;
        TTestGrid grid;
        grid.SaveToTextFile(folder.Path(), kComma, kBar, encoding);
        EXPECT_EQ(ReadBytes(folder.Path()), bytes);
        TTestGrid loaded;
        loaded.AppendRow({"stale"});
        loaded.LoadFromTextFile(folder.Path(), kComma, kBar);
        EXPECT_EQ(loaded.RowCount(), 0);
    }
}

TEST(GridSave, EveryRowIsWrittenInItsPresentOrder)
{
    TempFolder folder;
    TTestGrid grid;
    grid.AppendRow({"a"});
    grid.AppendRow({"b"});
    grid.AppendRow({"c"});
    grid.Cells().ShowRow(1, false);
    grid.Cells().MoveRow(0, 2);
    grid.SaveToTextFile(folder.Path(), kComma, kBar, TEncodingKind::ekAnsi);
    EXPECT_EQ(ReadBytes(folder.Path()), "b,,,0,,0,False\r\nc,,,0,,0,False\r\na,,,0,,0,False\r\n");
}

TEST(GridSave, ReplacesTheWholeOldFileAndLeavesNothingBeside)
{
    TempFolder folder;
    WriteBytes(folder.Path(), QByteArray(5000, 'x'));
    TTestGrid grid;
    grid.AppendRow({"short"});
    grid.SaveToTextFile(folder.Path(), kComma, kBar, TEncodingKind::ekUnicodeBigEndian);
    const QByteArray bytes = ReadBytes(folder.Path());
    EXPECT_EQ(bytes.size(), 2 + 2 * int(strlen("short,,,0,,0,False\r\n")));
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"list.ybk"});
}

TEST(GridSave, FailureRaisesWhenTheFolderIsAFile)
{
    // Fails for every user, root included.
    TempFolder folder;
    WriteBytes(folder.Path("plain-file"), "x");
    TTestGrid grid;
    grid.AppendRow({"new"});
    EXPECT_EQ(Raised([&] {
                  grid.SaveToTextFile(folder.Path("plain-file/list.ybk"), kComma, kBar,
                                      TEncodingKind::ekUnicode);
              }).left(4),
              "io: ");
    EXPECT_EQ(ReadBytes(folder.Path("plain-file")), "x");
}

namespace {

// Sets or clears the immutable attribute of a folder: nothing can be created
// in it, not even by root. False where the file system or the user cannot.
bool SetImmutable(const QString &folder, bool on)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool CanCreateFileIn(const QString &folder)
{
    QFile probe(folder + "/probe");
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

} // namespace

TEST(GridSave, FailureLeavesTheOldFileByteForByte)
{
    TempFolder folder;
    const QString locked = folder.Path("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString old = locked + "/list.ybk";
    const QByteArray oldBytes = Utf16Le("old,,,0,,0,False\r\n");
    WriteBytes(old, oldBytes);

    // A read-only folder, and where the user ignores permissions (root), an
    // immutable one; both are undone before the temporary folder goes.
    struct Unlock {
        QString path;
        bool immutable = false;
        ~Unlock()
        {
            if (immutable)
                SetImmutable(path, false);
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
        }
    } unlock{locked};
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (CanCreateFileIn(locked))
        unlock.immutable = SetImmutable(locked, true);
    if (CanCreateFileIn(locked))
        GTEST_SKIP() << "this user can create files in a read-only folder (root ignores "
                        "permissions) and the file system refuses the immutable attribute";

    TTestGrid grid;
    grid.AppendRow({"new"});
    const QString raised =
        Raised([&] { grid.SaveToTextFile(old, kComma, kBar, TEncodingKind::ekUnicode); });
    // The reason is the system's: the folder's mode, or its immutable mark.
    const QString reason = unlock.immutable ? "Operation not permitted" : "Permission denied";
    EXPECT_EQ(raised, "io: File could not be created: \"" + old + "\": " + reason);
    EXPECT_EQ(ReadBytes(old), oldBytes);
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{"list.ybk"});
}

// --- round trips

TEST(GridRoundTrip, TextsSurviveASaveAndALoad)
{
    struct Case {
        const char *name;
        QString text;
        QString back;
        bool ascii;
    };
    const std::vector<Case> table = {
        {"plain", "Road bike", "Road bike", true},
        {"empty", "", "", true},
        {"commas", "Red, 21 gears, steel", "Red, 21 gears, steel", true},
        {"quotes", "say \"hi\"", "say \"hi\"", true},
        {"leading quote", "\"Best\" kettle", "\"Best\" kettle", true},
        {"quote alone", "\"", "\"", true},
        {"CR LF", "two\r\nlines", "two\r\nlines", true},
        {"comma and CR LF", "a,\r\n\"b\"", "a,\r\n\"b\"", true},
        {"line-break mark becomes a line break", "a|b", "a\r\nb", true},
        {"lone LF is lost", "lone\nLF", "loneLF", true},
        {"lone CR comes back as CR LF", "lone\rCR", "lone\r\nCR", true},
        {"surrogate pair", QString::fromUtf16(u"gift \U0001F381 box"),
         QString::fromUtf16(u"gift \U0001F381 box"), false},
        {"accents", QStringLiteral("Caf\u00e9 cr\u00e8me"), QStringLiteral("Caf\u00e9 cr\u00e8me"),
         false},
    };
    const std::vector<TEncodingKind> encodings = {
        TEncodingKind::ekUnicode, TEncodingKind::ekUnicodeBigEndian, TEncodingKind::ekAnsi};
    for (TEncodingKind encoding : encodings) {
        for (TLoadFailure failure :
             {TLoadFailure::lfKeepRowsRead, TLoadFailure::lfKeepPreviousRows}) {
            for (const Case &c : table) {
                if (encoding == TEncodingKind::ekAnsi && !c.ascii)
                    continue; // 8-bit files are read byte by byte, not decoded
                SCOPED_TRACE(std::string(c.name) + ", encoding " + std::to_string(int(encoding)) +
                             ", failure mode " + std::to_string(int(failure)));
                TempFolder folder;
                TTestGrid grid;
                grid.AppendRow({c.text, c.text, "$1", "3", c.text, "0", "True"});
                grid.AppendRow({"next"});
                grid.SaveToTextFile(folder.Path(), kComma, kBar, encoding);
                TTestGrid loaded;
                loaded.LoadFromTextFile(folder.Path(), kComma, kBar, failure);
                EXPECT_EQ(loaded.Texts(),
                          (Rows{{c.back, c.back, "$1", "3", c.back, "0", "True"}, NewRow("next")}));
            }
        }
    }
}

TEST(GridRoundTrip, AListOfManyWritesAndRowBatchesComesBackWhole)
{
    // Long enough that a save goes out in several pieces and a load makes its
    // rows in several batches, with a part batch at the end.
    constexpr int kRows = 30001;
    TTestGrid grid;
    grid.Cells().AddRow(kRows);
    for (int r = 0; r < kRows; ++r) {
        grid.SetCells(0, r, QStringLiteral("Item %1 \U0001F381").arg(r));
        grid.SetCells(1, r,
                      r % 7 == 0 ? QStringLiteral("say \"hi\", twice\r\nthen go") : QString());
        grid.SetCells(3, r, QString::number(r % 6));
        grid.SetCells(6, r, r % 2 ? "True" : "False");
    }
    const QString text = grid.SaveToText(kComma, kBar);
    for (TEncodingKind encoding :
         {TEncodingKind::ekUnicode, TEncodingKind::ekUnicodeBigEndian, TEncodingKind::ekAnsi}) {
        SCOPED_TRACE(int(encoding));
        TempFolder folder;
        grid.SaveToTextFile(folder.Path(), kComma, kBar, encoding);
        EXPECT_EQ(ReadBytes(folder.Path()), EncodeTextFile(text, encoding));
        if (encoding == TEncodingKind::ekAnsi)
            continue; // read back byte by byte, not decoded
        TTestGrid loaded;
        loaded.LoadFromTextFile(folder.Path(), kComma, kBar, TLoadFailure::lfKeepPreviousRows);
        EXPECT_EQ(loaded.RowCount(), kRows);
        EXPECT_EQ(loaded.Cells().VisibleRowCount(), kRows);
        EXPECT_EQ(loaded.SaveToText(kComma, kBar), text);
    }
}

TEST(GridRoundTrip, FileNameOutsideAsciiWorks)
{
    TempFolder folder;
    const QString path = folder.Path(QStringLiteral("W\u00fcnsche \u00e9t\u00e9.ybk"));
    TTestGrid grid;
    grid.AppendRow({"x"});
    grid.SaveToTextFile(path, kComma, kBar, TEncodingKind::ekUnicode);
    TTestGrid loaded;
    loaded.LoadFromTextFile(path, kComma, kBar);
    EXPECT_EQ(loaded.Texts(), Rows{NewRow("x")});
}

// --- reading

TEST(GridLoad, ReadsTheFileAsItsBytesSay)
{
    const std::vector<std::tuple<const char *, QByteArray, Rows>> table = {
        {"8-bit byte E9 is U+00E9",
         "caf\xE9,n,$2,1,d,0,True\r\n",
         {{QStringLiteral("caf\u00e9"), "n", "$2", "1", "d", "0", "True"}}},
        {"big endian units",
         Bytes({0xFE, 0xFF, 0x00, 0x41, 0x03, 0xA9, 0x00, 0x0D, 0x00, 0x0A}),
         {NewRow(QStringLiteral("A\u03a9"))}},
        {"odd trailing byte ignored", Utf16Le("a\r\n") + "\x42", {NewRow("a")}},
        {"empty line in the middle",
         "a,n,p,1,d,0,True\r\n\r\nb,n,p,2,d,0,False\r\n",
         {{"a", "n", "p", "1", "d", "0", "True"},
          NewRow(),
          {"b", "n", "p", "2", "d", "0", "False"}}},
        {"last line of seven fields without line end",
         "a,n,p,1,d,0,True\r\nb,n,p,2,d,0,TRUE",
         {{"a", "n", "p", "1", "d", "0", "True"}, {"b", "n", "p", "2", "d", "0", "True"}}},
        {"fewer fields keep new-row values", "x,y\r\n", {{"x", "y", "", "0", "", "0", "False"}}},
        {"boolean fields",
         ",,,,,,TRUE\r\n,,,,,,1\r\n,,,,,,yes\r\n,,,,,,true\r\n",
         {{"", "", "", "0", "", "0", "True"},
          NewRow(),
          NewRow(),
          {"", "", "", "0", "", "0", "True"}}},
        {"empty integer field is 0", "a,,,,,,\r\n", {NewRow("a")}},
    };
    for (const auto &[name, bytes, rows] : table) {
        SCOPED_TRACE(name);
        TempFolder folder;
        WriteBytes(folder.Path(), bytes);
        TTestGrid grid;
        grid.LoadFromTextFile(folder.Path(), kComma, kBar);
        EXPECT_EQ(grid.Texts(), rows);
    }
}

TEST(GridLoad, GoesThroughTheGridsOwnRowOperations)
{
    TempFolder folder;
    WriteBytes(folder.Path(), "a\r\nb\r\nc\r\n");
    TTestGrid grid;
    grid.LoadFromTextFile(folder.Path(), kComma, kBar, TLoadFailure::lfKeepRowsRead);
    EXPECT_EQ(grid.clearRowsCalls, 1);
    EXPECT_EQ(grid.addRowCalls, 3);
    EXPECT_EQ(grid.RowCount(), 3);
}

namespace {

struct FailureCase {
    const char *name;
    QByteArray bytes;
    QString error;
    Rows rowsRead;
};

// Files whose load fails, with the rows a load that keeps what it read leaves.
std::vector<FailureCase> FailingFiles()
{
    return {
        {"eighth field on the third line",
         "a,n,p,1,d,0,True\r\nb,n,p,2,d,0,False\r\nc,n,p,3,d,0,True,extra\r\nd\r\n",
         "bounds: Cell out of bounds (7, 2)",
         {{"a", "n", "p", "1", "d", "0", "True"},
          {"b", "n", "p", "2", "d", "0", "False"},
          {"c", "n", "p", "3", "d", "0", "True"}}},
        {"one last field without line end",
         "a,n,p,1,d,0,True\r\nlast",
         "bounds: Cell out of bounds (7, 0)",
         {{"a", "n", "p", "1", "d", "0", "True"}}},
        {"abc in an integer column",
         "a,n,p,1,d,0,True\r\nb,n,p,abc,d,0,True\r\n",
         "convert: 'abc' is not a valid integer value",
         {{"a", "n", "p", "1", "d", "0", "True"}, {"b", "n", "p", "0", "", "0", "False"}}},
        {"a single field alone", "lonely", "bounds: Cell out of bounds (0, -1)", {}},
    };
}

} // namespace

TEST(GridLoad, FailureKeepsTheRowsReadSoFar)
{
    for (const FailureCase &c : FailingFiles()) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        WriteBytes(folder.Path(), c.bytes);
        TTestGrid grid;
        FillPrevious(grid);
        EXPECT_EQ(Raised([&] {
                      grid.LoadFromTextFile(folder.Path(), kComma, kBar,
                                            TLoadFailure::lfKeepRowsRead);
                  }),
                  c.error);
        EXPECT_EQ(grid.Texts(), c.rowsRead);
    }
}

TEST(GridLoad, MissingFileRaisesFileNotFound)
{
    const std::vector<std::pair<TLoadFailure, int>> table = {{TLoadFailure::lfKeepRowsRead, 0},
                                                             {TLoadFailure::lfKeepPreviousRows, 2}};
    for (const auto &[failure, rowsLeft] : table) {
        SCOPED_TRACE(int(failure));
        TempFolder folder;
        TTestGrid grid;
        FillPrevious(grid);
        EXPECT_EQ(Raised([&, failure = failure] {
                      grid.LoadFromTextFile(folder.Path("missing.ybk"), kComma, kBar, failure);
                  }),
                  "io: File not found");
        EXPECT_EQ(grid.RowCount(), rowsLeft);
    }
}

TEST(GridLoad, OnlyRegularFilesAreRead)
{
    // A pipe would wait for a writer for ever, a device might never end, and
    // a folder holds no list.
    TempFolder folder;
    const QString fifo = folder.Path("pipe.ybk");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString &path : {fifo, QStringLiteral("/dev/zero"), folder.dir.path()}) {
        for (TLoadFailure failure :
             {TLoadFailure::lfKeepRowsRead, TLoadFailure::lfKeepPreviousRows}) {
            SCOPED_TRACE(path.toStdString());
            TTestGrid grid;
            FillPrevious(grid);
            EXPECT_EQ(Raised([&] { grid.LoadFromTextFile(path, kComma, kBar, failure); }),
                      "io: File could not be opened: not a regular file");
            EXPECT_EQ(grid.RowCount(), failure == TLoadFailure::lfKeepPreviousRows ? 2 : 0);
        }
    }
}

TEST(GridLoad, FailureCanLeaveThePreviousRowsExactlyAsTheyWere)
{
    std::vector<FailureCase> cases = FailingFiles();
    cases.push_back({"missing file", QByteArray(), "io: File not found", {}});
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        if (std::string(c.name) != "missing file")
            WriteBytes(folder.Path(), c.bytes);
        TTestGrid grid;
        FillPrevious(grid);
        const Rows before = grid.Texts();
        TRow *firstRecord = grid.Cells().GetRow(0);

        EXPECT_EQ(Raised([&] {
                      grid.LoadFromTextFile(folder.Path(), kComma, kBar,
                                            TLoadFailure::lfKeepPreviousRows);
                  }),
                  c.error);
        EXPECT_EQ(grid.Texts(), before);
        EXPECT_EQ(grid.Cells().GetRow(0), firstRecord);
        for (int column = 0; column < 7; ++column) {
            EXPECT_EQ(grid.GetCell(column, 0)->GetColor(), clWhite);
            EXPECT_EQ(grid.GetCell(column, 1)->GetColor(), clYellow);
        }
        EXPECT_EQ(grid.GetCell(0, 0)->GetHint(), "old hint");
        EXPECT_TRUE(grid.Cells().Sorted());
        EXPECT_EQ(grid.rowsReplaced, 0);
        EXPECT_TRUE(grid.changes.empty()) << "nothing in the grid changed";
    }
}

TEST(GridLoad, SuccessfulLoadReplacesThePreviousRows)
{
    TempFolder folder;
    WriteBytes(folder.Path(),
               Utf16Le("Bike,red,$450,4,12/7/2026,0,True\r\nBell,,$3,1,12/9/2026,0,False\r\n"
                       "Pump,,$20,2,12/9/2026,0,False\r\n"));
    TTestGrid grid;
    grid.Cells().SetDefaultRowHeight(20);
    FillPrevious(grid);
    grid.LoadFromTextFile(folder.Path(), kComma, kBar, TLoadFailure::lfKeepPreviousRows);

    EXPECT_EQ(grid.Texts(), (Rows{{"Bike", "red", "$450", "4", "12/7/2026", "0", "True"},
                                  {"Bell", "", "$3", "1", "12/9/2026", "0", "False"},
                                  {"Pump", "", "$20", "2", "12/9/2026", "0", "False"}}));
    EXPECT_EQ(grid.rowsReplaced, 1);
    EXPECT_FALSE(grid.Cells().Sorted());
    EXPECT_EQ(grid.Cells().VisibleRowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(grid.Cells().GetRow(r)->height, 20);
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(grid.GetCell(c, r)->GetColor(), clWhite) << c << ',' << r;
    }
    EXPECT_EQ(grid.GetCell(0, 0)->GetHint(), "");

    // The loaded cells belong to the grid: their changes reach it.
    grid.changes.clear();
    grid.GetCell(6, 1)->SetAsBoolean(true);
    grid.GetCell(0, 2)->SetColor(clYellow);
    EXPECT_EQ(grid.changes, (std::vector<std::pair<int, int>>{{6, 1}, {0, 2}}));
    EXPECT_EQ(grid.GetCell(0, 2)->GetActualColor(), clYellow);
    grid.AddRow(1);
    grid.Cells().DeleteRow(0);
    EXPECT_EQ(grid.Texts(), (Rows{{"Bell", "", "$3", "1", "12/9/2026", "0", "True"},
                                  {"Pump", "", "$20", "2", "12/9/2026", "0", "False"},
                                  NewRow()}));
}
