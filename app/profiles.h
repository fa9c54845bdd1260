#pragma once
// Profiles: wish lists kept one per file, known through the profile list
// "mpl.mpl" (one full path per line; a deleted profile leaves an empty line)
// and shown by name in the main window's drop-down list. TProfiles holds the
// current profile path, the file that every automatic save writes to.

#include "app/background_save.h"
#include "app/profile_backups.h"
#include "app/profile_list.h"
#include "app/profile_watch.h"
#include "platform/file_dialog.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <optional>

class IMessageBoxes;
class QComboBox;
class TLatticeGrid;
class TLtCustomGridControl;

// A chosen file name with ".ybk" appended unless it ends in exactly ".ybk".
QString WithProfileExtension(const QString &fileName);

// The drop-down list's entries: each shows as much of its profile name as
// fits on the screen and keeps the whole name, which is what every lookup
// compares.
void AddProfileEntry(QComboBox &list, const QString &name);
void InsertProfileEntry(QComboBox &list, int index, const QString &name);
QString ProfileEntryName(const QComboBox &list, int index);

// A profile deleted by "Delete the active profile", as an undo puts it back.
struct TDeletedProfile {
    QString path;   // its line of "mpl.mpl"
    int line = -1;  // the line's index
    int entry = -1; // the index of its drop-down entry
    TFileVersion file;
};

// What "Create a New Yearnbox" left, as an undo puts it back.
struct TNewYearnbox {
    QString previousPath;
    TFileVersion blank;
};

class TProfiles {
public:
    // folder ends with '/'.
    TProfiles(const QString &folder, TLatticeGrid &grid, QComboBox &list, IMessageBoxes &messages,
              IFileDialogs &dialogs);

    const QString &CurrentProfilePath() const { return currentProfilePath_; }
    void SetCurrentProfilePath(const QString &path) { currentProfilePath_ = path; }
    QString BlankProfilePath() const { return folder_ + QStringLiteral("blank.yearnbox"); }
    QString ProfileListPath() const { return folder_ + QStringLiteral("mpl.mpl"); }

    // Called while a save of the current profile holds its lock, when another
    // program wrote the file since this one last read or wrote it: the
    // handler loads that version and makes the window's unsaved changes on
    // it, which the save then writes.
    std::function<void()> OnChangedBeforeSave;
    // Called whenever the grid was just read from or written to its file:
    // the file holds the first held of the changes not saved before (all of
    // them after a load or a save made at once).
    std::function<void(std::size_t held)> OnFileKnown;
    // How many changes are not saved yet: a save in the background holds
    // those made before it started.
    std::function<std::size_t()> OnCountUnsaved;
    // Called when a wait for the saves takes longer than a moment.
    std::function<void()> OnSlowSave;

    // Loads a profile file into the grid; the grid keeps its rows when it fails.
    void LoadFile(const QString &path);
    // Saves the grid to the current profile path in the background: a
    // thread of its own reads the cells (a change waits until it has written
    // them all), syncs and renames; changes made meanwhile go into the next
    // save, started when that one ends. A failure is reported in a message box when known; the next
    // change saves again.
    void SaveCurrent();
    // Returns once every change made so far is saved (or failed): before
    // quitting, and before anything else reads or writes a profile.
    void WaitForSaves();
    // A save runs in the background or waits for the one running.
    bool Saving() const { return saver_.Busy() || pending_; }

    void FillProfileList();
    void AppendToProfileList(const QString &path);
    void LoadProfileByName(const QString &name);
    // Loads the profile file at path as the drop-down list would (marks
    // coloured) and selects its entry, or none for a file without one.
    // Raises when the file cannot be loaded; nothing changes then.
    void ShowProfile(const QString &path);

    // Reads the profile file at path into a grid of its own (no window),
    // lets change work on it and, when change answers true, saves it
    // atomically, its old version kept among the backups. Raises when the
    // file cannot be read or written; it is then as it was.
    void ChangeProfileFile(const QString &path,
                           const std::function<bool(TLtCustomGridControl &other)> &change);

    void SaveThisProfile();
    void LoadAProfile();
    // What was deleted, for an undo; also when a later step failed once the
    // file was gone.
    std::optional<TDeletedProfile> DeleteTheActiveProfile();
    // replaced, when given, is filled before the save, which may raise.
    void CreateANewYearnbox(TNewYearnbox *replaced = nullptr);

    // Undo and redo of the two (profiles_undo.cpp). Each keeps the file it
    // replaces among the backups first. Raise EInOutError.
    // The file, its line and its entry come back, and it is loaded.
    void PutBack(const TDeletedProfile &deleted);
    // As the user's delete, without the message; deleted takes the version.
    void DeleteAgain(TDeletedProfile &deleted);
    // The blank profile's file as it was, and the profile shown before.
    void PutBack(const TNewYearnbox &created);

    TProfileBackups &Backups() { return backups_; }
    TProfileWatch &Watch() { return watch_; }
    TFileDialog &SaveDialog1() { return saveDialog1_; }
    TFileDialog &OpenDialog1() { return openDialog1_; }

private:
    void SaveTo(const QString &path);
    // Merges another writer's version first, then hands the grid's cells to
    // the background to be read.
    void StartSave();
    void Known(const QString &path, std::optional<quint64> hash);
    // Writes the grid to path; the replaced file was kept before.
    void WriteTo(const QString &path);
    // Steps of a delete once its line is found; deleted.file is filled first.
    void Delete(TDeletedProfile &deleted, QStringList &buffer);
    void LoadAndShow(const QString &path);
    bool ListHasEntry(const QString &name) const;

    QString folder_;
    TLatticeGrid &grid_;
    QComboBox &list_;
    IMessageBoxes &messages_;
    QString currentProfilePath_;
    TProfileBackups backups_;
    TProfileWatch watch_;
    TFileDialog saveDialog1_;
    TFileDialog openDialog1_;
    // A change came while a save ran.
    bool pending_ = false;
    // Last: the save running is waited for before the rest goes.
    TBackgroundSave saver_;
};
