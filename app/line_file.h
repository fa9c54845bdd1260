#pragma once
// The small text files of the application ("settings.yearnbox", "mpl.mpl"):
// 8-bit lines in the locale's encoding, each ended by CR LF, read and written
// whole.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Lines end at CR LF, LF or CR; a last line without an end still counts.
// Raises EInOutError.
QStringList ReadLines(const QString &path);
QStringList SplitLines(const QString &text);
// The lines of a file's bytes, and the bytes for lines.
QStringList DecodeLines(const QByteArray &bytes);
QByteArray EncodeLines(const QStringList &lines);

// Replaces the whole file atomically. Raises EInOutError.
void WriteLines(const QString &path, const QStringList &lines);
