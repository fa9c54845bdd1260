#pragma once
// Whole-file reading and atomic whole-file writing.

#include <QByteArray>
#include <QString>

// The whole content of a file; raises EInOutError ("File not found" when it
// does not exist).
QByteArray ReadWholeFile(const QString &path);

// Replaces the whole file by writing a temporary file beside it and renaming it
// over the old one, so a failure never leaves a half-written file. Raises
// EInOutError; the old file is then unchanged.
void WriteWholeFile(const QString &path, const QByteArray &bytes);

bool FileExists(const QString &path);
