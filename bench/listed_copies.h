#pragma once
// The folder the look-through benchmarks search: COPIES copies of a profile
// listed in its "mpl.mpl", beside an empty blank profile, as a user with that
// many profiles has them.

#include <QString>

class QTemporaryDir;

struct TListedCopies {
    QString blank; // the blank profile's path
    QString list;  // "mpl.mpl"'s path
    int items = 0; // the items of every copy together
};

// Fills folder; raises EYearnboxError when the profile cannot be read or copied.
TListedCopies MakeListedCopies(const QTemporaryDir &folder, const QString &file, int copies);
