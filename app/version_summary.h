#pragma once
// What an earlier version of a profile holds, told against the list shown:
// its item count and the first names that tell them apart, "+" before a name
// the version has beyond the list's, "\u2212" before one of the list's that the
// version lacks (names matched as many times as they occur, in any order).
//
// A version that would not load is unreadable: the summary says on which line
// the load stops and why, with the field's text cut to a short excerpt (the
// field that stops it may be megabytes of garbage).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

class ICellColumns;

struct TVersionSummary {
    int items = 0;
    // Up to three: the version's extra names in its order, then the list's.
    QStringList firstDifferences;
    bool unreadable = false;
    // The line where a load stops, counted from 1; 0 when the file itself
    // cannot be read.
    int failedLine = 0;
    QString failure;
};

// bytes are a profile file's; names are the list's item names in row order;
// every field goes through a cell of its column's type, as a load stores it.
TVersionSummary SummarizeVersion(const QByteArray &bytes, const QStringList &names,
                                 const ICellColumns &columns);
// The same for the version's file; one that cannot be read is unreadable.
TVersionSummary SummarizeVersionFile(const QString &path, const QStringList &names,
                                     const ICellColumns &columns);

// The start of a field's text for a message: at most a few characters, line
// breaks as blanks, "\u2026" where it was cut.
QString FieldExcerpt(QStringView text);

// Where and why an unreadable version stops, as the dialog lists it.
QString VersionFailureText(const TVersionSummary &summary);
// What a restore of the unreadable version saved at saved (as the dialog
// dates it) reports.
QString UnreadableVersionText(const QString &saved, const TVersionSummary &summary);
