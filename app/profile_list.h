#pragma once
// The profile list "mpl.mpl": one full path of a profile file per line, a
// deleted profile's line left empty, so a line's index never changes. These
// are its rules as pure functions of its bytes and lines; TProfiles reads and
// writes the file whole through them.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of "mpl.mpl" from its bytes (8-bit text in the locale's
// encoding, lines ended by CR LF, LF or CR), and the bytes for lines.
QStringList ReadProfileList(const QByteArray &bytes);
QByteArray ProfileListBytes(const QStringList &lines);

// The file name after the last '/', less its last four characters (whatever
// they are); empty when the file name has four characters or fewer.
QString ProfileName(const QString &path);

// Whether a line of "mpl.mpl" with this profile name is an entry of the
// drop-down list: every name but "" and "0".
bool IsListedProfileName(const QString &name);

// The drop-down entries for the lines of "mpl.mpl", in file order: every
// listed profile name. Equal names are kept.
QStringList ProfileEntries(const QStringList &lines);

// Whether two profile paths are one profile: one existing file (links
// resolved, IsSameFile), or, where neither file exists yet, one place.
bool IsSameProfileFile(const QString &a, const QString &b);

// The first line whose profile name is name, or -1.
int FindProfileLine(const QStringList &lines, const QString &name);
