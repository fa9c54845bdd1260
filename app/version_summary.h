#pragma once
// What an earlier version of a profile holds, told against the list shown:
// its item count and the first names that tell them apart, "+" before a name
// the version has beyond the list's, "\u2212" before one of the list's that the
// version lacks (names matched as many times as they occur, in any order).

#include <QByteArray>
#include <QString>
#include <QStringList>

struct TVersionSummary {
    int items = 0;
    // Up to three: the version's extra names in its order, then the list's.
    QStringList firstDifferences;
};

// bytes are a profile file's; names are the list's item names in row order.
// Raises the parser's errors for a file that is no profile.
TVersionSummary SummarizeVersion(const QByteArray &bytes, const QStringList &names);
