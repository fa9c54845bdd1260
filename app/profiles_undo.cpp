// Undo and redo of the two profile operations that change more than the
// list: "Delete the active profile" and "Create a New Yearnbox". Every file
// they replace or remove is kept among the backups first, so an undo or a
// redo loses no version either.

#include "app/profiles.h"

#include "app/row_marks.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QComboBox>
#include <QCoreApplication>

#include <algorithm>

void TProfiles::LoadAndShow(const QString &path)
{
    LoadFile(path);
    currentProfilePath_ = path;
    ApplyRowMarks(grid_);
}

void TProfiles::PutBack(const TDeletedProfile &deleted)
{
    WaitForSaves();
    if (const std::optional<quint64> hash = backups_.PutBack(deleted.path, deleted.file))
        Known(deleted.path, hash);
    QStringList buffer;
    try {
        buffer = ReadProfileList(ReadWholeFile(ProfileListPath()));
    } catch (const EYearnboxError &) {
        // No list any more: it is made anew, the line at its place.
    }
    // The line goes back where it was, unless something else took it.
    while (buffer.size() <= deleted.line)
        buffer.append(QString());
    if (buffer[deleted.line].isEmpty())
        buffer[deleted.line] = deleted.path;
    else if (buffer[deleted.line] != deleted.path)
        buffer.append(deleted.path);
    WriteWholeFile(ProfileListPath(), ProfileListBytes(buffer));
    const int entry = std::clamp(deleted.entry, 0, list_.count());
    InsertProfileEntry(list_, entry, ProfileName(deleted.path));
    if (deleted.file.exists) {
        LoadAndShow(deleted.path);
        list_.setCurrentIndex(entry);
    }
}

void TProfiles::DeleteAgain(TDeletedProfile &deleted)
{
    WaitForSaves();
    QStringList buffer = ReadProfileList(ReadWholeFile(ProfileListPath()));
    if (deleted.line >= buffer.size() || buffer[deleted.line] != deleted.path)
        deleted.line = int(buffer.indexOf(deleted.path));
    const QString name = ProfileName(deleted.path);
    if (deleted.entry >= list_.count() || ProfileEntryName(list_, deleted.entry) != name) {
        deleted.entry = -1;
        for (int i = 0; i < list_.count() && deleted.entry < 0; ++i)
            if (ProfileEntryName(list_, i) == name)
                deleted.entry = i;
    }
    if (deleted.line < 0 || deleted.entry < 0)
        throw EInOutError(QCoreApplication::translate("EInOutError", "File not found"));
    Delete(deleted, buffer);
}

void TProfiles::PutBack(const TNewYearnbox &created)
{
    const QString blank = BlankProfilePath();
    WaitForSaves();
    if (const std::optional<quint64> hash = backups_.PutBack(blank, created.blank))
        Known(blank, hash);
    try {
        LoadAndShow(created.previousPath);
    } catch (const EYearnboxError &) {
        // The profile shown before is gone: the blank profile's rows are
        // shown with its path, never the emptied list with a file it is not.
        LoadAndShow(blank);
        throw;
    }
}
