#pragma once
// The command-line CSV conversions, run without a window:
//   yearnbox --export-csv PROFILE.ybk OUT.csv
//   yearnbox --import-csv IN.csv PROFILE.ybk
// Each answers the process's exit code: 0, or 1 after a message on stderr
// that names the file (and the line, for a CSV file that cannot be read).
// An import appends to the profile when it exists and creates it otherwise;
// the profile is replaced only once the whole CSV file has been read.

#include <QString>

int ExportCsvCommand(const QString &profile, const QString &csv);
int ImportCsvCommand(const QString &csv, const QString &profile);
