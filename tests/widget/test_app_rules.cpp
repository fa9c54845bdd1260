// The application's small rules: command line, profile names, line files, settings,
// the steps of a sliding panel.

#include "app/command_line.h"
#include "app/line_file.h"
#include "app/profiles.h"
#include "app/screenshot.h"
#include "app/settings.h"
#include "app/sliding_panel.h"
#include "platform/errors.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

TEST(CommandLine, NamesTheFileAfterALeadingDoubleAngleOrAsALoneArgument)
{
    struct TCase {
        QList<QByteArray> arguments;
        const char *file;
    };
    const TCase cases[] = {
        {{"/opt/yb/yearnbox", ">>/home/ann/My Lists/toys.ybk"}, "/home/ann/My Lists/toys.ybk"},
        // Later file arguments join with single blanks; nothing trimmed, quotes kept.
        {{"yearnbox", ">>", "a b.ybk "}, " a b.ybk "},
        {{"yearnbox", ">>\"x.ybk\">>y"}, "\"x.ybk\">>y"},
        {{"yearnbox", "first.ybk", ">>second.ybk"}, "second.ybk"},
        {{"yearnbox", ">>toys.ybk", "--screenshot", "shot.png"}, "toys.ybk"},
        // ">>" inside a name is part of an ordinary path, whether or not it exists.
        {{"yearnbox", "/home/u/gift>>/home/u/notes.rc"}, "/home/u/gift>>/home/u/notes.rc"},
        {{"yearnbox", "wish>>list.ybk"}, "wish>>list.ybk"},
        {{"/a>>b/yearnbox"}, ""},
        {{"yearnbox", "gone.ybk"}, "gone.ybk"},
        {{"yearnbox", "-"}, "-"},
        // After "--" every argument is a file name, taken as it is.
        {{"yearnbox", "--", "--help"}, "--help"},
        {{"yearnbox", "--", ">>toys.ybk"}, ">>toys.ybk"},
        {{"yearnbox", "--", "--"}, "--"},
        {{"yearnbox", "\xC3\xA9.ybk"}, "\u00e9.ybk"},
        {{"yearnbox"}, ""},
    };
    for (const TCase &c : cases) {
        const TCommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.action, TCommandAction::caRun) << c.arguments.join(' ').constData();
        EXPECT_EQ(line.file, QString::fromUtf8(c.file)) << c.arguments.join(' ').constData();
        EXPECT_TRUE(line.undecodableFile.isEmpty());
    }
}

TEST(CommandLine, AnswersOptionsAndRefusesWhatItCannotUse)
{
    struct TCase {
        QList<QByteArray> arguments;
        TCommandAction action;
    };
    const TCase cases[] = {
        {{"yearnbox", "--help"}, TCommandAction::caHelp},
        {{"yearnbox", "toys.ybk", "--version"}, TCommandAction::caVersion},
        {{"yearnbox", "--screenshot"}, TCommandAction::caUsageError},
        {{"yearnbox", "--shot", "x"}, TCommandAction::caUsageError},
        {{"yearnbox", "my", "toys.ybk"}, TCommandAction::caUsageError},
        {{"yearnbox", "--screenshot", "\xFF.png"}, TCommandAction::caUsageError},
        {{"yearnbox", "--export-html", "a.ybk"}, TCommandAction::caUsageError},
        {{"yearnbox", "a.ybk", "--export-html", "a.ybk", "a.html"}, TCommandAction::caUsageError},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(ParseCommandLine(c.arguments).action, c.action)
            << c.arguments.join(' ').constData();
    const TCommandLine shot = ParseCommandLine({"yearnbox", "--screenshot", "a b.png", "--", "-x"});
    EXPECT_EQ(shot.screenshot, "a b.png");
    EXPECT_EQ(shot.file, "-x");
    const TCommandLine page = ParseCommandLine({"yearnbox", "--export-html", "a.ybk", "a.html"});
    EXPECT_EQ(page.action, TCommandAction::caExportHtml);
    EXPECT_EQ(page.file, "a.ybk");
    EXPECT_EQ(page.page, "a.html");
    // Bytes that are no UTF-8 name no file the program could open.
    const TCommandLine bad = ParseCommandLine({"yearnbox", "/tmp/\xFF\xFE.ybk"});
    EXPECT_EQ(bad.action, TCommandAction::caRun);
    EXPECT_EQ(bad.file, "");
    EXPECT_EQ(bad.undecodableFile, QByteArray("/tmp/\xFF\xFE.ybk"));
}

TEST(Screenshot, ReplacesOnlyNothingOrAPngPicture)
{
    TTempFolder folder;
    folder.Write("old.png", QByteArray("\x89PNG\r\n\x1a\n rest", 13));
    folder.Write("toys.ybk", "\xFF\xFE");
    folder.Write("short", "\x89PN");
    EXPECT_TRUE(MayHoldScreenshot(folder.File("new.png")));
    EXPECT_TRUE(MayHoldScreenshot(folder.File("old.png")));
    EXPECT_FALSE(MayHoldScreenshot(folder.File("toys.ybk")));
    EXPECT_FALSE(MayHoldScreenshot(folder.File("short")));
    EXPECT_FALSE(MayHoldScreenshot(folder.Path()));
}

TEST(ProfileName, DropsTheFolderAndTheLastFourCharacters)
{
    EXPECT_EQ(ProfileName("/home/ann/groceries.ybk"), "groceries");
    EXPECT_EQ(ProfileName("/home/ann/groceries.YBK"), "groceries");
    EXPECT_EQ(ProfileName("/home/ann/groceries.txt1"), "groceries.");
    EXPECT_EQ(ProfileName("/home/ann/.ybk"), "");
    EXPECT_EQ(ProfileName("/home/ann/a.yb"), "");
    EXPECT_EQ(ProfileName("/home/ann/c:d.ybk"), "c:d");
    EXPECT_EQ(ProfileName("toys.ybk"), "toys");
    EXPECT_EQ(ProfileName(""), "");
}

TEST(ProfileEntries, LeavesOutEmptyAndZeroNamesAndKeepsEqualOnes)
{
    EXPECT_EQ(ProfileEntries({"/a/toys.ybk", "", "/b/0.ybk", "/c/toys.ybk", "/d/00.ybk"}),
              QStringList({"toys", "toys", "00"}));
}

TEST(LineFile, SplitsAtEveryKindOfLineEnd)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitLines(""), QStringList());
}

TEST(LineFile, WritesEightBitLinesEndedByCrLf)
{
    TTempFolder folder;
    WriteLines(folder.File("mpl.mpl"), {"/home/ann/Spielzeug.ybk", "", "/x/é.ybk"});
    EXPECT_EQ(folder.Read("mpl.mpl"),
              QByteArray("/home/ann/Spielzeug.ybk\r\n\r\n/x/\xC3\xA9.ybk\r\n"));
    EXPECT_EQ(ReadLines(folder.File("mpl.mpl")),
              QStringList({"/home/ann/Spielzeug.ybk", "", "/x/é.ybk"}));
    EXPECT_THROW(ReadLines(folder.File("none")), EInOutError);
}

TEST(Settings, ReadsTheFirstThreeLinesAsIntegers)
{
    const TSettings s = ParseSettings({"433", "667", "0", "1", "whatever"});
    EXPECT_EQ(s.height, 433);
    EXPECT_EQ(s.width, 667);
    EXPECT_EQ(s.askAtStartup, 0);
}

TEST(Settings, RefusesMissingLinesAndNonNumbers)
{
    EXPECT_THROW(ParseSettings({"433", "667"}), EListError);
    EXPECT_THROW(ParseSettings({}), EListError);
    EXPECT_THROW(ParseSettings({"433", "wide", "1"}), EConvertError);
    EXPECT_THROW(ParseSettings({"433", "667", ""}), EConvertError);
}

TEST(Settings, WritesThreeLinesAtAFirstRunAndFourLater)
{
    EXPECT_EQ(SettingsLines({433, 667, 1}, std::nullopt), QStringList({"433", "667", "1"}));
    EXPECT_EQ(SettingsLines({433, 667, 1}, true), QStringList({"433", "667", "1", "1"}));
    EXPECT_EQ(SettingsLines({500, 700, 0}, false), QStringList({"500", "700", "0", "0"}));
}

TEST(SlideTick, StepsByTenClampsTheButtonsAndEndsPastTheEndHeight)
{
    using enum TSlideDirection;
    struct Row {
        TSlidePlaces now;
        TSlideDirection direction;
        bool movesSearch;
        TSlidePlaces next;
        bool ended;
    };
    const Row rows[] = {
        {{34, 136, 97}, sdOpen, true, {44, 146, 107}, false},
        {{244, 346, 307}, sdOpen, true, {254, 353, 314}, false},
        {{254, 353, 314}, sdOpen, true, {254, 353, 314}, true},
        {{33, 136, 97}, sdOpen, false, {43, 146, 97}, false},
        {{43, 143, 104}, sdClose, true, {33, 136, 97}, false},
        {{34, 136, 97}, sdClose, true, {33, 136, 97}, true},
        {{254, 353, 314}, sdClose, false, {244, 343, 314}, false},
    };
    for (const Row &row : rows) {
        const TSlideTick tick = SlideTick(row.now, row.direction, row.movesSearch);
        EXPECT_EQ(tick.places.panelHeight, row.next.panelHeight) << row.now.panelHeight;
        EXPECT_EQ(tick.places.aboutTop, row.next.aboutTop) << row.now.panelHeight;
        EXPECT_EQ(tick.places.searchTop, row.next.searchTop) << row.now.panelHeight;
        EXPECT_EQ(tick.ended, row.ended) << row.now.panelHeight;
    }
}
