#include "platform/mime_globs.h"

#include <QFile>

bool GlobsListHas(const QByteArray &globsFile, const QString &glob)
{
    for (const QByteArray &line : globsFile.split('\n')) {
        if (line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.trimmed().split(':');
        bool weighted = false;
        fields.value(0).toInt(&weighted);
        const qsizetype at = weighted ? 2 : 1;
        if (at < fields.size() &&
            QString::fromUtf8(fields[at]).compare(glob, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool MimeDatabaseHasGlob(const QStringList &dataFolders, const QString &glob)
{
    for (const QString &folder : dataFolders) {
        for (const char *name : {"/mime/globs2", "/mime/globs"}) {
            QFile file(folder + QLatin1String(name));
            if (file.open(QIODevice::ReadOnly)) {
                if (GlobsListHas(file.readAll(), glob))
                    return true;
                break;
            }
        }
    }
    return false;
}
