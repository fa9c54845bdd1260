#include "app/profiles.h"

#include "app/item_columns.h"
#include "app/line_file.h"
#include "app/row_marks.h"
#include "grid/columns/lattice_grid.h"
#include "grid/visible_text.h"
#include "platform/errors.h"
#include "platform/message_box.h"

#include <QComboBox>
#include <QScreen>
#include <QFile>

namespace {
const QChar kSeparator(u',');
const QChar kLineBreak(u'|');
const QString kFilter = QStringLiteral("Yearnbox Profile (*.ybk)");

// The first line whose profile name is name, or -1.
int FindProfileLine(const QStringList &lines, const QString &name)
{
    for (int i = 0; i < lines.size(); ++i)
        if (ProfileName(lines[i]) == name)
            return i;
    return -1;
}
} // namespace

QString ProfileName(const QString &path)
{
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return fileName.size() <= 4 ? QString() : fileName.chopped(4);
}

QStringList ProfileEntries(const QStringList &lines)
{
    QStringList entries;
    for (const QString &line : lines) {
        const QString name = ProfileName(line);
        if (!name.isEmpty() && name != QLatin1String("0"))
            entries.append(name);
    }
    return entries;
}

QString WithProfileExtension(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".ybk"), Qt::CaseSensitive)
               ? fileName
               : fileName + QLatin1String(".ybk");
}

void AddProfileEntry(QComboBox &list, const QString &name)
{
    const QScreen *screen = list.screen();
    const int width = screen ? screen->availableGeometry().width() : 0;
    const int line = list.fontMetrics().lineSpacing();
    const qsizetype shown = VisibleText(name, TVisibleArea{width, line, line, true}).size();
    list.addItem(shown == name.size() ? name : name.left(shown), name);
}

QString ProfileEntryName(const QComboBox &list, int index)
{
    return list.itemData(index).toString();
}

TProfiles::TProfiles(const QString &folder, TLatticeGrid &grid, QComboBox &list,
                     IMessageBoxes &messages, IFileDialogs &dialogs)
    : folder_(folder), grid_(grid), list_(list), messages_(messages),
      currentProfilePath_(BlankProfilePath()), backups_(folder),
      saveDialog1_(TFileDialogKind::fdSave, QStringLiteral("Save Yearnbox Profile"), kFilter, dialogs),
      openDialog1_(TFileDialogKind::fdOpen, QStringLiteral("Load Yearnbox Profile"), kFilter, dialogs)
{
}

void TProfiles::LoadFile(const QString &path)
{
    grid_.LoadFromTextFile(path, kSeparator, kLineBreak, TLoadFailure::lfKeepPreviousRows);
    // Its hash is learnt when a save first replaces it.
    watch_.Know(path, std::nullopt);
}

void TProfiles::SaveTo(const QString &path)
{
    // The version this save replaces stays restorable; what another program
    // wrote is hashed by reading it, what this one wrote is known.
    backups_.Keep(path, watch_.KnownHash(path));
    watch_.Know(path, grid_.SaveToTextFile(path, kSeparator, kLineBreak, TEncodingKind::ekUnicode));
}

void TProfiles::SaveCurrent()
{
    SaveTo(currentProfilePath_);
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
        const QStringList entries = ProfileEntries(ReadLines(ProfileListPath()));
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
        buffer = ReadLines(ProfileListPath());
        buffer.append(path);
        appended = true;
        WriteLines(ProfileListPath(), buffer);
    } catch (const EYearnboxError &) {
        // The first save creates the list. The path goes in once, even when it
        // was the write that failed.
        if (!appended)
            buffer.append(path);
        WriteLines(ProfileListPath(), buffer);
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
        const QStringList lines = ReadLines(ProfileListPath());
        const int line = FindProfileLine(lines, name);
        if (line < 0)
            throw EInOutError(QStringLiteral("File not found"));
        LoadFile(lines[line]);
        currentProfilePath_ = lines[line];
        ApplyRowMarks(grid_);
    } catch (const EYearnboxError &) {
        messages_.ShowMessage(
            QStringLiteral("Profile could not be loaded; it may be missing or corrupt."));
    }
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
        messages_.ShowDetailedMessage(QStringLiteral("File could not be saved."), error.Message());
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
        messages_.ShowMessage(QStringLiteral("Profile could not be loaded."));
    }
}

void TProfiles::DeleteTheActiveProfile()
{
    const int selected = list_.currentIndex();
    if (selected < 0)
        return;
    const QString name = ProfileEntryName(list_, selected);
    try {
        QStringList buffer = ReadLines(ProfileListPath());
        const int line = FindProfileLine(buffer, name);
        if (line < 0)
            return;
        backups_.Keep(buffer[line]);
        QFile::remove(buffer[line]);
        buffer[line].clear();
        list_.removeItem(selected);
        WriteLines(ProfileListPath(), buffer);
        LoadFile(BlankProfilePath());
        currentProfilePath_ = BlankProfilePath();
        ApplyRowMarks(grid_);
        list_.setCurrentIndex(list_.count() > 0 ? 0 : -1);
        messages_.ShowMessage(name + QStringLiteral(" has been deleted. A new Yearnbox was loaded!"));
    } catch (const EYearnboxError &) {
        messages_.ShowMessage(QStringLiteral("The current profile could not be deleted, sorry."));
    }
}

void TProfiles::CreateANewYearnbox()
{
    grid_.ClearRows();
    // The emptied list is the blank profile's even when the save below fails,
    // so no later automatic save can write it over the profile it replaced.
    currentProfilePath_ = BlankProfilePath();
    // Not guarded: a failure reaches the default error report.
    SaveTo(BlankProfilePath());
}
