#include "app/command_line.h"

#include "platform/files.h"

QString JoinCommandLine(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' '));
}

QString CommandLineFile(const QStringList &arguments)
{
    const QString line = JoinCommandLine(arguments);
    const qsizetype at = line.indexOf(QLatin1String(">>"));
    if (at >= 0)
        return line.mid(at + 2);
    if (arguments.size() == 2 && FileExists(arguments[1]))
        return arguments[1];
    return QString();
}
