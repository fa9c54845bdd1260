#pragma once
// Whole-file reading and atomic whole-file writing.

#include "platform/content_hash.h"
#include <QByteArray>

#include <QFile>
#include <QSaveFile>
#include <QString>

// Opens the file named by file for reading; raises EInOutError ("File not
// found" when it does not exist, refused when it is no regular file).
void OpenForReading(QFile &file);

// The whole content of a file; raises EInOutError as OpenForReading does.
QByteArray ReadWholeFile(const QString &path);

// Replaces the whole file by writing a temporary file beside it and renaming it
// over the old one, so a failure never leaves a half-written file. The new file
// keeps the old one's permission bits and, where the user may, its owner. A
// file the user may not write is refused, never made writable. Raises
// EInOutError naming the file and the system's reason; the old file is then
// unchanged.
void WriteWholeFile(const QString &path, const QByteArray &bytes);

// The same, for a file written piece by piece: nothing replaces the old file
// until Commit, and a writer dropped before it leaves the old file as it was.
// Every operation raises EInOutError.
class TWholeFileWriter {
public:
    explicit TWholeFileWriter(const QString &path);
    TWholeFileWriter(const TWholeFileWriter &) = delete;
    TWholeFileWriter &operator=(const TWholeFileWriter &) = delete;

    void Write(const QByteArray &bytes);
    void Commit();
    // The hash of every byte written so far (TContentHash).
    quint64 ContentHash() const { return hash_.Value(); }

private:
    // Cancels the save and raises the error for what failed, with the reason.
    [[noreturn]] void Fail(const char *pattern, const QString &reason);

    QString path_;
    QSaveFile file_;
    TContentHash hash_;
};

bool FileExists(const QString &path);

// A second name for the file at from (a hard link), or where the file system
// has none, a copy. False when neither could be made; never raises.
bool LinkOrCopyFile(const QString &from, const QString &to);
