#pragma once
// The profile file named on the command line.

#include <QString>
#include <QStringList>

// The process command line: the arguments joined with single blanks, argv[0] first.
QString JoinCommandLine(const QStringList &arguments);

// Everything after the first ">>", taken unchanged (blanks kept, nothing
// trimmed, no quotes removed). Without ">>", a lone argument that names an
// existing file is taken as well (shells treat an unquoted >> as redirection).
// Otherwise empty.
QString CommandLineFile(const QStringList &arguments);
