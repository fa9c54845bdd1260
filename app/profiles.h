#pragma once
// Profiles: wish lists kept one per file, known through the profile list
// "mpl.mpl" (one full path per line; a deleted profile leaves an empty line).

#include <QString>
#include <QStringList>

class TLatticeGrid;

// The file name after the last '/', less its last four characters (whatever
// they are); empty when the file name has four characters or fewer.
QString ProfileName(const QString &path);

// The drop-down entries for the lines of "mpl.mpl", in file order: every
// line's profile name except "" and "0". Equal names are kept.
QStringList ProfileEntries(const QStringList &lines);

// Colours every cell of each marked row yellow; unmarked rows stay as loaded.
void ApplyRowMarks(TLatticeGrid &grid);
