#include "app/command_line.h"

#include <QFile>

namespace {

const QByteArray kFileMark(">>");

// A file name as the program's paths hold it; false when the bytes do not
// come back the same, so no file of that name could be opened.
bool DecodeFileName(const QByteArray &bytes, QString &name)
{
    name = QFile::decodeName(bytes);
    return QFile::encodeName(name) == bytes;
}

TCommandLine UsageError(const QString &error)
{
    TCommandLine line;
    line.action = TCommandAction::caUsageError;
    line.error = error;
    return line;
}

} // namespace

TCommandLine ParseCommandLine(const QList<QByteArray> &arguments)
{
    TCommandLine line;
    QList<QByteArray> files;
    // Where the ">>" argument is among files, or -1.
    qsizetype marked = -1;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.startsWith('-')) {
            if (!optionsEnded && marked < 0 && argument.startsWith(kFileMark))
                marked = files.size();
            files.append(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            line.action = TCommandAction::caHelp;
            return line;
        } else if (argument == "--version") {
            line.action = TCommandAction::caVersion;
            return line;
        } else if (argument == "--export-csv" || argument == "--import-csv" ||
                   argument == "--export-html") {
            const bool exporting = argument != "--import-csv";
            if (arguments.size() != i + 3 || !files.isEmpty())
                return UsageError(QStringLiteral("%1 needs exactly two file names")
                                      .arg(QString::fromLatin1(argument)));
            QString first, second;
            if (!DecodeFileName(arguments[i + 1], first) ||
                !DecodeFileName(arguments[i + 2], second))
                return UsageError(
                    QStringLiteral("a file name is not valid in the system's encoding"));
            line.file = exporting ? first : second;
            if (argument == "--export-html") {
                line.action = TCommandAction::caExportHtml;
                line.page = second;
                return line;
            }
            line.action = exporting ? TCommandAction::caExportCsv : TCommandAction::caImportCsv;
            line.csv = exporting ? second : first;
            return line;
        } else if (argument == "--screenshot") {
            if (i + 1 >= arguments.size())
                return UsageError(QStringLiteral("--screenshot needs a file name"));
            if (!DecodeFileName(arguments[++i], line.screenshot))
                return UsageError(QStringLiteral(
                    "the --screenshot file name is not valid in the system's encoding"));
        } else {
            return UsageError(
                QStringLiteral("unknown option %1").arg(QString::fromLocal8Bit(argument)));
        }
    }
    QByteArray file;
    if (marked >= 0) {
        file = files[marked].mid(kFileMark.size());
        for (qsizetype i = marked + 1; i < files.size(); ++i)
            file += ' ' + files[i];
    } else if (files.size() == 1) {
        file = files[0];
    } else if (files.size() > 1) {
        return UsageError(QStringLiteral("one FILE at most (quote a name that holds blanks)"));
    }
    if (!DecodeFileName(file, line.file)) {
        line.file.clear();
        line.undecodableFile = file;
    }
    return line;
}
