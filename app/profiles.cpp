#include "app/profiles.h"

#include "app/application.h"
#include "app/item_columns.h"
#include "app/profile_extension.h"
#include "app/row_marks.h"
#include "grid_core/visible_text.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/save_lock.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QScreen>

#include <limits>
#include <memory>
#include <optional>

namespace {
const QChar kSeparator(u',');
const QChar kLineBreak(u'|');
// A wait for the saves longer than this says so.
constexpr int kSlowSaveMs = 200;
constexpr std::size_t kAllChanges = std::numeric_limits<std::size_t>::max();

// What a save in the background found and wrote.
struct TSaveOutcome {
    // Another writer wrote the file after the save's merge: nothing written.
    bool changedOutside = false;
    quint64 hash = 0;
    TFileStamp stamp;
};

// Ends a save thread's read of the cells, however the writing ends.
class TEndRead {
public:
    explicit TEndRead(TCells &cells) : cells_(cells) {}
    ~TEndRead() { cells_.EndRead(); }
    TEndRead(const TEndRead &) = delete;
    TEndRead &operator=(const TEndRead &) = delete;

private:
    TCells &cells_;
};

} // namespace

QString WithProfileExtension(const QString &fileName)
{
    return fileName.endsWith(kProfileExtension, Qt::CaseSensitive) ? fileName
                                                                   : fileName + kProfileExtension;
}

void AddProfileEntry(QComboBox &list, const QString &name)
{
    InsertProfileEntry(list, list.count(), name);
}

void InsertProfileEntry(QComboBox &list, int index, const QString &name)
{
    const QScreen *screen = list.screen();
    const int width = screen ? screen->availableGeometry().width() : 0;
    const int line = list.fontMetrics().lineSpacing();
    const qsizetype shown = VisibleText(name, TVisibleArea{width, line, line, true}).size();
    list.insertItem(index, shown == name.size() ? name : name.left(shown), name);
}

QString ProfileEntryName(const QComboBox &list, int index)
{
    return list.itemData(index).toString();
}

TProfiles::TProfiles(const QString &folder, TLatticeGrid &grid, QComboBox &list,
                     IMessageBoxes &messages, IFileDialogs &dialogs)
    : folder_(folder), grid_(grid), list_(list), messages_(messages),
      currentProfilePath_(BlankProfilePath()), backups_(folder),
      saveDialog1_(TFileDialogKind::fdSave,
                   QCoreApplication::translate("TProfiles", "Save Yearnbox Profile"),
                   QCoreApplication::translate("TProfiles", "Yearnbox Profile (*.ybk)"), dialogs),
      openDialog1_(TFileDialogKind::fdOpen,
                   QCoreApplication::translate("TProfiles", "Load Yearnbox Profile"),
                   QCoreApplication::translate("TProfiles", "Yearnbox Profile (*.ybk)"), dialogs)
{
}

void TProfiles::LoadFile(const QString &path)
{
    WaitForSaves();
    grid_.LoadFromTextFile(path, kSeparator, kLineBreak, TLoadFailure::lfKeepPreviousRows);
    // Its hash is learnt when a save first replaces it.
    Known(path, std::nullopt);
}

void TProfiles::Known(const QString &path, std::optional<quint64> hash)
{
    watch_.Know(path, hash);
    if (OnFileKnown)
        OnFileKnown(kAllChanges);
}

void TProfiles::SaveTo(const QString &path)
{
    WaitForSaves();
    const TSaveLock lock(path);
    // Another program wrote the profile shown since we last read or wrote
    // it: its version is the one this save changes.
    if (IsSameProfileFile(path, currentProfilePath_) && watch_.ChangedOutside(path) &&
        OnChangedBeforeSave)
        OnChangedBeforeSave();
    // The version this save replaces stays restorable; what another program
    // wrote is hashed by reading it, what this one wrote is known.
    backups_.Keep(path, watch_.KnownHash(path));
    WriteTo(path);
}

void TProfiles::WriteTo(const QString &path)
{
    Known(path, grid_.SaveToTextFile(path, kSeparator, kLineBreak, TEncodingKind::ekUnicode));
}

void TProfiles::ChangeProfileFile(const QString &path,
                                  const std::function<bool(TLtCustomGridControl &other)> &change)
{
    TDescribedGrid other(ItemColumnDescriptions());
    // Read, changed and written with no other save in between.
    WaitForSaves();
    const TSaveLock lock(path);
    other.LoadFromTextFile(path, kSeparator, kLineBreak, TLoadFailure::lfKeepPreviousRows);
    if (!change(other))
        return;
    // Not the file shown, so not one this program is known to have written
    // last: its backup is hashed by reading it.
    backups_.Keep(path);
    other.SaveToTextFile(path, kSeparator, kLineBreak, TEncodingKind::ekUnicode);
}

void TProfiles::SaveCurrent()
{
    if (saver_.Busy()) {
        pending_ = true;
        return;
    }
    StartSave();
}

void TProfiles::StartSave()
{
    pending_ = false;
    const QString path = currentProfilePath_;
    // The merge changes the grid, so it is made here, before the save reads
    // it; the save checks under its lock that nobody wrote since.
    if (watch_.ChangedOutside(path) && OnChangedBeforeSave)
        OnChangedBeforeSave();
    const bool watched = watch_.Knows(path);
    // The file the merge left: ours, or another writer's that it could not
    // read, which this save replaces (kept among the backups) as it did.
    const TFileStamp seen = watch_.ChangedOutside(path) ? StampOf(path) : watch_.KnownStamp();
    const std::optional<quint64> knownHash = watch_.KnownHash(path);
    const std::size_t held = OnCountUnsaved ? OnCountUnsaved() : kAllChanges;
    auto outcome = std::make_shared<TSaveOutcome>();
    // The save thread reads the cells themselves: a value changed before it
    // has written them is kept for it as it was, any other change waits.
    TCells &cells = grid_.Cells();
    cells.BeginRead();
    TBackgroundSave::TDone done = [this, path, held, outcome](std::exception_ptr failure) {
        try {
            if (failure)
                std::rethrow_exception(failure);
            if (outcome->changedOutside) {
                StartSave();
                return;
            }
            watch_.Know(path, outcome->hash, outcome->stamp);
            if (OnFileKnown)
                OnFileKnown(held);
            // Another writer's file that came before we knew ours.
            if (watch_.ChangedOutside(path))
                watch_.SettleTimer().start();
        } catch (...) {
            ReportCurrentError(&messages_);
        }
        if (pending_ && !saver_.Busy())
            Guarded(&messages_, [this] { StartSave(); })();
    };
    try {
        saver_.Start(
            [this, &cells, path, watched, seen, knownHash, outcome] {
                std::optional<TWholeFileWriter> file;
                {
                    const TEndRead read(cells);
                    file.emplace(path);
                    TLtCustomGridControl::WriteTextFile(cells, *file, kSeparator, kLineBreak,
                                                        TEncodingKind::ekUnicode);
                }
                const TSaveLock lock(path);
                if (watched && StampOf(path) != seen) {
                    outcome->changedOutside = true;
                    return;
                }
                // The version this save replaces stays restorable.
                backups_.Keep(path, knownHash);
                file->Commit();
                outcome->hash = file->ContentHash();
                // Taken under the lock: a later writer's file is not taken for ours.
                outcome->stamp = StampOf(path);
            },
            std::move(done));
    } catch (...) {
        cells.EndRead();
        throw;
    }
}

void TProfiles::WaitForSaves()
{
    while (Saving()) {
        if (saver_.Busy())
            saver_.Wait(kSlowSaveMs, OnSlowSave);
        else
            StartSave();
    }
}

bool TProfiles::ListHasEntry(const QString &name) const
{
    for (int i = 0; i < list_.count(); ++i)
        if (ProfileEntryName(list_, i) == name)
            return true;
    return false;
}

void TProfiles::FillProfileList()
{
    try {
        const QStringList entries =
            ProfileEntries(ReadProfileList(ReadWholeFile(ProfileListPath())));
        list_.clear();
        for (const QString &entry : entries)
            AddProfileEntry(list_, entry);
        list_.setCurrentIndex(-1);
    } catch (const EYearnboxError &) {
        // No readable profile list: the entries stay as they are.
    }
}

void TProfiles::AppendToProfileList(const QString &path)
{
    QStringList buffer;
    bool appended = false;
    try {
        buffer = ReadProfileList(ReadWholeFile(ProfileListPath()));
        buffer.append(path);
        appended = true;
        WriteWholeFile(ProfileListPath(), ProfileListBytes(buffer));
    } catch (const EYearnboxError &) {
        // The first save creates the list. The path goes in once, even when it
        // was the write that failed.
        if (!appended)
            buffer.append(path);
        WriteWholeFile(ProfileListPath(), ProfileListBytes(buffer));
    }
}

void TProfiles::LoadProfileByName(const QString &name)
{
    if (name.isEmpty()) {
        LoadFile(BlankProfilePath());
        currentProfilePath_ = BlankProfilePath();
        ApplyRowMarks(grid_);
        return;
    }
    try {
        const QStringList lines = ReadProfileList(ReadWholeFile(ProfileListPath()));
        const int line = FindProfileLine(lines, name);
        if (line < 0)
            throw EInOutError(QCoreApplication::translate("EInOutError", "File not found"));
        LoadFile(lines[line]);
        currentProfilePath_ = lines[line];
        ApplyRowMarks(grid_);
    } catch (const EYearnboxError &) {
        messages_.ShowMessage(QCoreApplication::translate(
            "TForm1", "Profile could not be loaded; it may be missing or corrupt."));
    }
}

void TProfiles::ShowProfile(const QString &path)
{
    LoadFile(path);
    currentProfilePath_ = path;
    ApplyRowMarks(grid_);
    // The entry whose choice loads this file: the first line of its name.
    int entry = -1;
    const QString name = ProfileName(path);
    try {
        const QStringList lines = ReadProfileList(ReadWholeFile(ProfileListPath()));
        if (const int line = FindProfileLine(lines, name);
            line >= 0 && IsSameProfileFile(lines[line], path))
            for (int i = 0; i < list_.count() && entry < 0; ++i)
                if (ProfileEntryName(list_, i) == name)
                    entry = i;
    } catch (const EYearnboxError &) {
        // No profile list: no entry.
    }
    list_.setCurrentIndex(entry);
}

void TProfiles::SaveThisProfile()
{
    if (!saveDialog1_.Execute())
        return;
    const QString file = WithProfileExtension(saveDialog1_.FileName());
    saveDialog1_.SetFileName(file);
    try {
        SaveTo(file);
        const QString name = ProfileName(file);
        if (!ListHasEntry(name)) {
            AddProfileEntry(list_, name);
            list_.setCurrentIndex(list_.count() - 1);
            AppendToProfileList(file);
        }
        currentProfilePath_ = file;
    } catch (const EYearnboxError &error) {
        messages_.ShowDetailedMessage(
            QCoreApplication::translate("TForm1", "File could not be saved."), error.Message());
    }
}

void TProfiles::LoadAProfile()
{
    if (!openDialog1_.Execute())
        return;
    const QString file = WithProfileExtension(openDialog1_.FileName());
    openDialog1_.SetFileName(file);
    try {
        LoadFile(file);
        currentProfilePath_ = file;
    } catch (const EYearnboxError &) {
        messages_.ShowMessage(
            QCoreApplication::translate("TProfiles", "Profile could not be loaded."));
    }
}

std::optional<TDeletedProfile> TProfiles::DeleteTheActiveProfile()
{
    const int selected = list_.currentIndex();
    if (selected < 0)
        return std::nullopt;
    const QString name = ProfileEntryName(list_, selected);
    TDeletedProfile deleted;
    try {
        QStringList buffer = ReadProfileList(ReadWholeFile(ProfileListPath()));
        const int line = FindProfileLine(buffer, name);
        if (line < 0)
            return std::nullopt;
        deleted = {buffer[line], line, selected, {}};
        Delete(deleted, buffer);
        messages_.ShowMessage(QCoreApplication::translate(
                                  "TProfiles", "%1 has been deleted. A new Yearnbox was loaded!")
                                  .arg(name));
    } catch (const EYearnboxError &) {
        messages_.ShowMessage(QCoreApplication::translate(
            "TProfiles", "The current profile could not be deleted, sorry."));
    }
    if (deleted.line < 0)
        return std::nullopt;
    return deleted;
}

void TProfiles::Delete(TDeletedProfile &deleted, QStringList &buffer)
{
    WaitForSaves();
    deleted.file = backups_.KeepVersion(deleted.path, watch_.KnownHash(deleted.path));
    QFile::remove(deleted.path);
    buffer[deleted.line].clear();
    list_.removeItem(deleted.entry);
    WriteWholeFile(ProfileListPath(), ProfileListBytes(buffer));
    LoadFile(BlankProfilePath());
    currentProfilePath_ = BlankProfilePath();
    ApplyRowMarks(grid_);
    list_.setCurrentIndex(list_.count() > 0 ? 0 : -1);
}

void TProfiles::CreateANewYearnbox(TNewYearnbox *replaced)
{
    const QString blank = BlankProfilePath();
    WaitForSaves();
    const TSaveLock lock(blank);
    // Kept first, as every save does.
    TFileVersion version = backups_.KeepVersion(blank, watch_.KnownHash(blank));
    if (replaced)
        *replaced = {currentProfilePath_, std::move(version)};
    grid_.ClearRows();
    // The emptied list is the blank profile's even when the save below fails,
    // so no later automatic save can write it over the profile it replaced.
    currentProfilePath_ = blank;
    // Not guarded: a failure reaches the default error report.
    WriteTo(blank);
}
