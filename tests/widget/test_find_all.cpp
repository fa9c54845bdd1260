// Find in All Profiles: the rule over one profile's text, the profiles
// searched (each file once, whatever path names it), and the window's dialog across profiles with
// one unreadable.

#include "app/cell_matches.h"
#include "app/find_all_dialog.h"
#include "app/main_window.h"
#include "app/profile_search.h"
#include "app/same_name_search.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/scripted_modal_windows.h"
#include "tests/support/temp_folder.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QString Text(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QList<int> Rows(const QList<TFoundItem> &items)
{
    QList<int> rows;
    for (const TFoundItem &item : items)
        rows.append(item.row);
    return rows;
}

} // namespace

TEST(ProfileSearch, FindsWholeWordsInNameAndNotesAsTheFileHoldsThem)
{
    const QStringList lamps = {
        "Desk lamp,,$20,3,12/7/2026,0,False",         // 0
        "Lampshade,lamps,$5,1,12/7/2026,0,False",     // 1
        "Kite,a LAMP  for kids,$9,,12/7/2026,0,True", // 2: notes, two blanks
        "Lamp,Lamp,$1,2,12/7/2026,0,False",           // 3: name and notes, found once
        "lamp post,,lamp,2,12/7/2026,0,False",        // 4
        "Torch,old|lamp,lamp,2,,0,False",        // 5: a line break is no blank; price not searched
        "\"Red, \"\"lamp\"\"\",,$2,2,,0,False",  // 6: the word is "lamp" with quotes
        "\u00C9clair lamp\u00E9,,$2,2,,0,False", // 7
    };
    struct Case {
        const char16_t *word;
        QList<int> rows;
    };
    const Case cases[] = {
        {u"lamp", {0, 2, 3, 4}}, {u"LAMPS", {1}},    {u"\"lamp\"", {6}}, {u"old\r\nlamp", {5}},
        {u"\u00E9CLAIR", {7}},   {u"desk lamp", {}}, {u"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Rows(FindInProfileText(Text(lamps), TWordMatcher(QString::fromUtf16(c.word)))),
                  c.rows)
            << QString::fromUtf16(c.word).toStdString();
    const QList<TFoundItem> kite = FindInProfileText(Text(lamps), TWordMatcher(u"kids"));
    ASSERT_EQ(kite.size(), 1);
    EXPECT_EQ(kite[0], (TFoundItem{2, "Kite", "a LAMP  for kids", "$9", 0}));
}

TEST(ProfileSearch, RaisesWhatALoadRaises)
{
    const TWordMatcher matcher(u"kite");
    EXPECT_THROW(FindInProfileText(Text({"Kite,,$1,2,,0,False", "Ball,,$1,2,,0,False,x"}), matcher),
                 ECellOutOfBounds);
    EXPECT_THROW(FindInProfileText(Text({"Ball,,$1,high,,0,False"}), matcher), EConvertError);
    EXPECT_THROW(FindInProfileText(Text({"Ball,,$1,2,,x,False"}), matcher), EConvertError);
}

TEST(ProfileSearch, SearchesListedProfilesOnceThenTheBlankAndTheShownOne)
{
    const QStringList lines = {"/a/kite.ybk", "",           "/a/0.ybk", "/b/kite.ybk",
                               "/a/kite.ybk", "/a/toys.ybk"};
    const QString blank = "/f/blank.yearnbox";
    EXPECT_EQ(ProfilesToSearch(lines, blank, "/c/own.ybk"),
              (QList<TSearchedProfile>{{"/a/kite.ybk", "kite"},
                                       {"/b/kite.ybk", "kite"},
                                       {"/a/toys.ybk", "toys"},
                                       {blank, "(blank profile)"},
                                       {"/c/own.ybk", "own"}}));
    EXPECT_EQ(ProfilesToSearch({}, blank, blank),
              (QList<TSearchedProfile>{{blank, "(blank profile)"}}));
}

TEST(ProfileSearch, AFileUnderSeveralPathsIsSearchedOnce)
{
    TTempFolder folder;
    folder.Write("toys.ybk", ProfileBytes({}));
    ASSERT_TRUE(QFile::link(folder.File("toys.ybk"), folder.File("alias.ybk")));
    const QString toys = folder.File("toys.ybk");
    const QString blank = folder.File("blank.yearnbox");
    EXPECT_EQ(ProfilesToSearch({toys, folder.File("alias.ybk"), folder.File("./toys.ybk")}, blank,
                               folder.File("alias.ybk")),
              (QList<TSearchedProfile>{{toys, "toys"}, {blank, "(blank profile)"}}));
}

TEST(FindInAllProfiles, ListsHitsAndUnreadableProfilesAndShowsTheChosenOne)
{
    TTempFolder folder;
    folder.Write("blank.yearnbox", ProfileBytes({"Red kite,,$20,2,12/7/2026,0,False"}));
    folder.Write("toys.ybk", ProfileBytes({"Ball,,$5,1,12/7/2026,0,False",
                                           "Box kite,for the beach,$30,4,12/7/2026,0,True"}));
    folder.Write("garden.ybk", ProfileBytes({"Rake,,$9,1,12/7/2026,0,False"}));
    folder.Write("broken.ybk", ProfileBytes({"Kite,,$1,2,,0,False,extra"}));
    folder.Write("mpl.mpl", (folder.File("toys.ybk") + "\r\n" + folder.File("broken.ybk") + "\r\n" +
                             folder.File("garden.ybk") + "\r\n")
                                .toLocal8Bit());
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TScriptedModalWindows modal;
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    form.SetModalWindows(&modal);
    QStringList shown;
    QString summary;
    modal.answer = [&](QDialog &dialog) {
        auto &find = static_cast<TFindAllDialog &>(dialog);
        find.Word()->setText("KITE");
        find.Find();
        const QTreeWidget &results = *find.Results();
        for (int i = 0; i < results.topLevelItemCount(); ++i) {
            const QTreeWidgetItem &row = *results.topLevelItem(i);
            shown << row.text(0) + "|" + row.text(1) + "|" + row.text(2) + "|" + row.text(3);
        }
        summary = find.Summary()->text();
        dialog.grab().save(folder.File("find_all.png"));
        find.Results()->setCurrentItem(results.topLevelItem(0));
        dialog.accept();
    };
    form.FindInAllProfiles();
    EXPECT_EQ(shown, QStringList({"toys|Box kite|$30|4",
                                  "broken|Could not be read: Cell out of bounds (7, 0)||",
                                  "(blank profile)|Red kite|$20|2"}));
    EXPECT_EQ(summary, "2 items found in 2 profiles. 1 profile could not be read.");
    EXPECT_EQ(form.CurrentProfilePath(), folder.File("toys.ybk"));
    EXPECT_EQ(form.ComboBox1()->currentText(), "toys");
    EXPECT_EQ(form.LatticeGrid1()->SelectedRow(), 1);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(SameNameSearch, FindsTheWholeNameCaseAndBlanksIgnoredInTheFilesAsTheyAreNow)
{
    TTempFolder folder;
    folder.Write("broken.ybk", ProfileBytes({"Red bike,,$1,2,,0,False,extra"}));
    folder.Write("toys.ybk", ProfileBytes({"Ball,,$5,1,12/7/2026,0,False",
                                           "Red bike,,$100,1,12/7/2026,0,False"}));
    folder.Write("garden.ybk", ProfileBytes({"Rake,,,1,12/7/2026,0,False",
                                             "Red  Bike,,$80,1,12/7/2026,0,False"}));
    const QList<TSearchedProfile> profiles = {{folder.File("broken.ybk"), "broken"},
                                              {folder.File("toys.ybk"), "toys"},
                                              {folder.File("garden.ybk"), "garden"}};
    TSameNameIndex index;
    struct TCase {
        const char16_t *name;
        const char16_t *warning; // empty: none found
    };
    const auto check = [&](std::initializer_list<TCase> cases) {
        for (const TCase &c : cases) {
            const std::optional<TSameNameHit> hit =
                index.Find(profiles, QString::fromUtf16(c.name));
            EXPECT_EQ(hit ? SameNameWarning(*hit) : QString(), QString::fromUtf16(c.warning))
                << QString::fromUtf16(c.name).toStdString();
        }
    };
    // An unreadable profile is passed over; the first listed profile wins.
    check({{u"Red bike", u"Already in toys.ybk: Red bike, $100"},
           {u" rED\tBIKE ", u"Already in toys.ybk: Red bike, $100"},
           {u"Rake", u"Already in garden.ybk: Rake"},
           {u"Red", u""},
           {u"Red bikes", u""},
           {u"Ball!", u""},
           {u"  ", u""}});
    // A profile saved since (a new file in its place) is read again.
    folder.Write("new.ybk", ProfileBytes({"Kite,,$9,1,12/7/2026,0,False"}));
    ASSERT_TRUE(QFile::remove(folder.File("toys.ybk")));
    ASSERT_TRUE(QFile::rename(folder.File("new.ybk"), folder.File("toys.ybk")));
    // Read ahead, as "New Item" does, or not: the same answers.
    index.Prepare(profiles);
    check({{u"KITE", u"Already in toys.ybk: Kite, $9"},
           {u"Red bike", u"Already in garden.ybk: Red  Bike, $80"},
           {u"Ball", u""}});
    // A file saved after the reading ahead is read again.
    folder.Write("toys.ybk", ProfileBytes({"Ball,,$5,1,12/7/2026,0,False"}));
    index.Prepare(profiles);
    folder.Write("toys.ybk", ProfileBytes({"Kite,,$90,1,12/7/2026,0,False"}));
    check({{u"KITE", u"Already in toys.ybk: Kite, $90"}, {u"Ball", u""}});
}
