#pragma once
// The small text files of the application ("settings.yearnbox", "mpl.mpl"):
// 8-bit lines in the locale's encoding, each ended by CR LF, read and written
// whole.

#include <QString>
#include <QStringList>

// Lines end at CR LF, LF or CR; a last line without an end still counts.
// Raises EInOutError.
QStringList ReadLines(const QString &path);
QStringList SplitLines(const QString &text);

// Replaces the whole file atomically. Raises EInOutError.
void WriteLines(const QString &path, const QStringList &lines);
