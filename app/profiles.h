#pragma once
// Profiles: wish lists kept one per file, known through the profile list
// "mpl.mpl" (one full path per line; a deleted profile leaves an empty line)
// and shown by name in the main window's drop-down list. TProfiles holds the
// current profile path, the file that every automatic save writes to.

#include "app/profile_backups.h"
#include "app/profile_watch.h"
#include "platform/file_dialog.h"

#include <QString>
#include <QStringList>

class IMessageBoxes;
class QComboBox;
class TLatticeGrid;

// The file name after the last '/', less its last four characters (whatever
// they are); empty when the file name has four characters or fewer.
QString ProfileName(const QString &path);

// The drop-down entries for the lines of "mpl.mpl", in file order: every
// line's profile name except "" and "0". Equal names are kept.
QStringList ProfileEntries(const QStringList &lines);

// A chosen file name with ".ybk" appended unless it ends in exactly ".ybk".
QString WithProfileExtension(const QString &fileName);

// The drop-down list's entries: each shows as much of its profile name as
// fits on the screen and keeps the whole name, which is what every lookup
// compares.
void AddProfileEntry(QComboBox &list, const QString &name);
QString ProfileEntryName(const QComboBox &list, int index);

class TProfiles {
public:
    // folder ends with '/'.
    TProfiles(const QString &folder, TLatticeGrid &grid, QComboBox &list,
              IMessageBoxes &messages, IFileDialogs &dialogs);

    const QString &CurrentProfilePath() const { return currentProfilePath_; }
    void SetCurrentProfilePath(const QString &path) { currentProfilePath_ = path; }
    QString BlankProfilePath() const { return folder_ + QStringLiteral("blank.yearnbox"); }
    QString ProfileListPath() const { return folder_ + QStringLiteral("mpl.mpl"); }

    // Loads a profile file into the grid; the grid keeps its rows when it fails.
    void LoadFile(const QString &path);
    // Saves the grid to the current profile path.
    void SaveCurrent();

    void FillProfileList();
    void AppendToProfileList(const QString &path);
    void LoadProfileByName(const QString &name);

    void SaveThisProfile();
    void LoadAProfile();
    void DeleteTheActiveProfile();
    void CreateANewYearnbox();

    TProfileBackups &Backups() { return backups_; }
    TProfileWatch &Watch() { return watch_; }
    TFileDialog &SaveDialog1() { return saveDialog1_; }
    TFileDialog &OpenDialog1() { return openDialog1_; }

private:
    void SaveTo(const QString &path);
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
};
