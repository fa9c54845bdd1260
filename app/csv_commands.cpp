#include "app/csv_commands.h"

#include "app/csv_items.h"
#include "app/item_columns.h"
#include "app/profile_backups.h"
#include "app/profile_extension.h"
#include "grid_core/text_file.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "platform/file_identity.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <utility>

namespace {

const QChar kSeparator = QLatin1Char(',');
const QChar kLineBreak = QLatin1Char('|');

void Say(const QString &file, const QString &message)
{
    std::fprintf(stderr, "yearnbox: %s: %s\n", QFile::encodeName(file).constData(),
                 message.toLocal8Bit().constData());
}

int Fail(const QString &file, const QString &message)
{
    Say(file, message);
    return 1;
}

void LoadProfile(TLtCustomGridControl &grid, const QString &profile)
{
    grid.LoadFromTextFile(profile, kSeparator, kLineBreak, TLoadFailure::lfKeepPreviousRows);
}

// A profile by its name, or by the order mark that every profile save writes
// first (an export never does).
bool IsProfileFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    if (info.fileName().endsWith(kProfileExtension) ||
        info.fileName() == QLatin1String("blank.yearnbox"))
        return true;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) &&
           file.read(2) == TextFileOrderMark(TEncodingKind::ekUnicode);
}

} // namespace

QString CsvExportRefusal(const QString &profile, const QString &out)
{
    if (IsSameFile(profile, out))
        return QCoreApplication::translate("EInOutError",
                                           "is the profile itself; it is not replaced");
    if (IsProfileFile(out))
        return QCoreApplication::translate("EInOutError", "is a profile; it is not replaced");
    return {};
}

int ExportCsvCommand(const QString &profile, const QString &csv)
{
    if (const QString refusal = CsvExportRefusal(profile, csv); !refusal.isEmpty()) {
        Say(csv, refusal);
        return 2;
    }
    TDescribedGrid grid(ItemColumnDescriptions());
    try {
        LoadProfile(grid, profile);
    } catch (const EYearnboxError &error) {
        return Fail(profile, error.Message());
    }
    try {
        SaveItemsCsvFile(grid, csv);
    } catch (const EYearnboxError &error) {
        return Fail(csv, error.Message());
    }
    return 0;
}

int ImportCsvCommand(const QString &csv, const QString &profile, const QString &folder)
{
    TDescribedGrid grid(ItemColumnDescriptions());
    try {
        if (QFile::exists(profile))
            LoadProfile(grid, profile);
    } catch (const EYearnboxError &error) {
        return Fail(profile, error.Message());
    }
    // The file that an error is about: the CSV file, but for the writes.
    const QString *blamed = &profile;
    try {
        // The profile as a save writes it: its rows, then each item as it is read.
        TWholeFileWriter file(profile);
        file.Write(TextFileOrderMark(TEncodingKind::ekUnicode));
        QString buffer;
        TTextFieldWriter writer(buffer, kSeparator, kLineBreak, [&](QStringView lines) {
            const QString *reading = std::exchange(blamed, &profile);
            file.Write(EncodeTextUnits(lines, TEncodingKind::ekUnicode));
            blamed = reading;
        });
        grid.Cells().WriteText(writer);
        grid.ClearRows();
        blamed = &csv;
        const TCsvImportNotes notes =
            ReadItemsCsvFile(csv, DateTimeToStr(Today()), [&](const TCsvItem &item) {
                for (int c = 0; c < TCsvItemTexts::kFields; ++c) {
                    if (c > 0)
                        writer.PutSeparator();
                    writer.Field(item.Field(c));
                }
                writer.PutLineEnd();
            });
        blamed = &profile;
        writer.Finish();
        TProfileBackups(folder).Keep(profile);
        file.Commit();
        if (const QString text = CsvImportNotesText(notes); !text.isEmpty())
            Say(csv, text);
    } catch (const EYearnboxError &error) {
        return Fail(*blamed, error.Message());
    }
    return 0;
}
