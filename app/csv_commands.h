#pragma once
// The command-line CSV conversions, run without a window:
//   yearnbox --export-csv PROFILE.ybk OUT.csv
//   yearnbox --import-csv IN.csv PROFILE.ybk
// Each answers the process's exit code: 0, or 1 after a message on stderr
// that names the file (and the line, for a CSV file that cannot be read).
// An export never replaces a profile: OUT that is the same file as PROFILE,
// or an existing profile, is refused with 2. An import appends to the profile
// when it exists and creates it otherwise, streaming the CSV file into the
// new profile; the profile is replaced only once the whole CSV file has been
// read, after the version it replaces was kept among the backups of the
// application folder (TProfileBackups). What the import changed in the texts
// (NUL characters dropped, '|' become line breaks) is said on stderr.

#include <QString>

// Why OUT may not receive an export of PROFILE; empty when it may.
QString CsvExportRefusal(const QString &profile, const QString &out);

int ExportCsvCommand(const QString &profile, const QString &csv);
// folder is the application folder, ending with '/'.
int ImportCsvCommand(const QString &csv, const QString &profile, const QString &folder);
