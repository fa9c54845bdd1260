#pragma once
// Whether the desktop's shared MIME database already knows a file-name glob.
// The database keeps its globs in <data folder>/mime/globs2, one
// "weight:type:glob[:flags]" a line ("globs", the older form, has "type:glob").

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whether a globs2 or globs file lists glob, compared without regard to case.
bool GlobsListHas(const QByteArray &globsFile, const QString &glob);

// Whether the database of any of the data folders lists glob.
bool MimeDatabaseHasGlob(const QStringList &dataFolders, const QString &glob);
