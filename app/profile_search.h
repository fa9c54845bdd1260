#pragma once
// Find in All Profiles: the search panel's whole-word rule (TWordMatcher) over
// the name and notes of every item of every profile, read straight from the
// files through the grid's text-file parser, with no grid and no window.
//
// Flow: ProfilesToSearch lists the files (the profiles of "mpl.mpl" as the
// drop-down list shows them, the blank profile, and the profile shown when it
// is neither); FindInProfiles reads each one whole and keeps its hits. A
// profile that cannot be read keeps the reason instead: it is never left out.
// A hit's row is its line in the file, which is its row once loaded.

#include <QList>
#include <QString>
#include <QStringList>

class TProfiles;
class TWordMatcher;

struct TFoundItem {
    int row = -1;
    QString name;
    QString notes;
    QString price;
    // As the grid shows it: the number, 0 for none.
    int priority = 0;
    bool operator==(const TFoundItem &) const = default;
};

struct TSearchedProfile {
    QString path;
    // As the drop-down list shows it; "(blank profile)" for the blank one.
    QString name;
    bool operator==(const TSearchedProfile &) const = default;
};

struct TProfileFindings {
    TSearchedProfile profile;
    QList<TFoundItem> items;
    // Why the file could not be read; empty when it was.
    QString failure;
};

// The items of a profile's characters whose name or notes match, in file
// order. Raises what a load into the item grid raises: a field beyond the
// seventh, or a priority (or delete) field that is no number.
QList<TFoundItem> FindInProfileText(const QString &chars, const TWordMatcher &matcher);
// Every item of a profile's characters, in file order; raises as FindInProfileText.
QList<TFoundItem> ItemsOfProfileText(const QString &chars);

// lines are those of "mpl.mpl"; each file is searched once.
QList<TSearchedProfile> ProfilesToSearch(const QStringList &lines, const QString &blankPath,
                                         const QString &shownPath);

// ProfilesToSearch for the lines of the profiles' "mpl.mpl" (none while it
// is missing), their blank profile and their current profile path.
QList<TSearchedProfile> KnownProfiles(const TProfiles &profiles);

// Reads and searches every profile; never raises for a file.
QList<TProfileFindings> FindInProfiles(const QList<TSearchedProfile> &profiles,
                                       const QString &word);
