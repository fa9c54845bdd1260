#pragma once
// The command line: the options and the profile file to open at start-up.
//
// Arguments after the program's own name are options (beginning with '-') or
// file arguments. An argument that begins with ">>" names the file with
// everything after those two characters, each later file argument added after
// a single blank: the desktop's form, blanks kept, nothing trimmed, no quotes
// removed. Without one, a lone file argument is the file. After "--" every
// argument is a file argument taken as it is, even one beginning with '-' or
// ">>". --export-csv PROFILE OUT, --import-csv IN PROFILE and --export-html
// PROFILE OUT convert and take no other argument.

#include <QByteArray>
#include <QList>
#include <QString>

enum class TCommandAction {
    caRun,
    caHelp,
    caVersion,
    caUsageError,
    caExportCsv,
    caImportCsv,
    caExportHtml
};

struct TCommandLine {
    TCommandAction action = TCommandAction::caRun;
    // The profile to open; empty for the blank profile.
    QString file;
    // --screenshot PNG; empty without.
    QString screenshot;
    // caExportCsv and caImportCsv: the profile is file, the CSV file this.
    QString csv;
    // caExportHtml: the profile is file, the web page this.
    QString page;
    // A file named in bytes that are no text of the system's encoding: it
    // cannot be opened under any name the program can use.
    QByteArray undecodableFile;
    // What is wrong, for caUsageError.
    QString error;
};

// arguments are the process's, the program's own name first.
TCommandLine ParseCommandLine(const QList<QByteArray> &arguments);
