// The application's small rules: command line, profile names, line files, settings,
// the steps of a sliding panel.

#include "app/command_line.h"
#include "app/line_file.h"
#include "app/profiles.h"
#include "app/sliding_panel.h"
#include "app/settings.h"
#include "platform/errors.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

TEST(CommandLineFile, TakesEverythingAfterTheFirstDoubleAngle)
{
    EXPECT_EQ(CommandLineFile({"/opt/yb/yearnbox", ">>/home/ann/My Lists/toys.ybk"}),
              "/home/ann/My Lists/toys.ybk");
    // Joined with single blanks, nothing trimmed, quotes kept.
    EXPECT_EQ(CommandLineFile({"yearnbox", ">>", "a b.ybk "}), " a b.ybk ");
    EXPECT_EQ(CommandLineFile({"yearnbox", ">>\"x.ybk\">>y"}), "\"x.ybk\">>y");
    EXPECT_EQ(CommandLineFile({"/a>>b/yearnbox"}), "b/yearnbox");
}

TEST(CommandLineFile, ALoneArgumentCountsOnlyWhenItIsAnExistingFile)
{
    TTempFolder folder;
    folder.Write("toys.ybk", "");
    EXPECT_EQ(CommandLineFile({"yearnbox", folder.File("toys.ybk")}), folder.File("toys.ybk"));
    EXPECT_EQ(CommandLineFile({"yearnbox", folder.File("none.ybk")}), "");
    EXPECT_EQ(CommandLineFile({"yearnbox", folder.Path()}), "");
    EXPECT_EQ(CommandLineFile({"yearnbox", folder.File("toys.ybk"), "more"}), "");
    EXPECT_EQ(CommandLineFile({"yearnbox"}), "");
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
    EXPECT_EQ(folder.Read("mpl.mpl"), QByteArray("/home/ann/Spielzeug.ybk\r\n\r\n/x/\xC3\xA9.ybk\r\n"));
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
    struct Row { TSlidePlaces now; TSlideDirection direction; bool movesSearch;
                 TSlidePlaces next; bool ended; };
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
