// The main window's entries for what the list costs and for sharing it, on the
// grid's right-click menu: "Summary…" shows the totals per group; "Export…"
// writes the list as a CSV file (never over a profile); "Import…" appends a
// CSV file's items to the profile shown, saves it at once and can be undone as
// one change; what it changed in the texts is said once it is done. "Share as
// Web Page…" writes the rows a print would show as one web page (gift_page.h).

#include "app/csv_commands.h"
#include "app/csv_items.h"
#include "app/gift_page.h"
#include "app/list_totals.h"
#include "app/main_window.h"
#include "app/print_document.h"
#include "app/row_marks.h"
#include "app/summary_dialog.h"
#include "grid_window/lattice_grid.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/modal_windows.h"

#include <QDir>
#include <QFileInfo>

void TForm1::CreateSharing(IFileDialogs &dialogs)
{
    exportDialog_ = std::make_unique<TFileDialog>(TFileDialogKind::fdSave, tr("Export Items"),
                                                  tr("CSV File (*.csv)"), dialogs);
    importDialog_ = std::make_unique<TFileDialog>(TFileDialogKind::fdOpen, tr("Import Items"),
                                                  tr("CSV File (*.csv)"), dialogs);
}

void TForm1::ShowSummary()
{
    TSummaryDialog dialog(listTotals_->Totals().SummaryTable(), this);
    TModalWindows exec;
    (modal_ ? *modal_ : exec).ShowModal(dialog);
}

void TForm1::ExportItems()
{
    // The profile's name beside it, until the user chose a file.
    if (exportDialog_->FileName().isEmpty()) {
        const QFileInfo profile(CurrentProfilePath());
        exportDialog_->SetFileName(
            profile.dir().filePath(profile.completeBaseName() + QStringLiteral(".csv")));
    }
    if (!exportDialog_->Execute())
        return;
    const QString file = exportDialog_->FileName();
    WriteExport(file, [&] { SaveItemsCsvFile(*latticeGrid1_, file); });
}

void TForm1::WriteExport(const QString &file, const std::function<void()> &write)
{
    if (const QString refusal = CsvExportRefusal(CurrentProfilePath(), file); !refusal.isEmpty()) {
        messages_.ShowDetailedMessage(
            tr("File could not be saved."),
            QStringLiteral("\"%1\" %2").arg(QFileInfo(file).fileName(), refusal));
        return;
    }
    try {
        write();
    } catch (const EYearnboxError &error) {
        messages_.ShowDetailedMessage(tr("File could not be saved."), error.Message());
    }
}

void TForm1::ImportItems()
{
    if (!importDialog_->Execute())
        return;
    const QString file = importDialog_->FileName();
    TCsvItemTexts items;
    TCsvImportNotes notes;
    try {
        notes = ReadItemsCsvFile(file, DateTimeToStr(Today()),
                                 [&](const TCsvItem &item) { items.Add(item); });
    } catch (const EYearnboxError &error) {
        messages_.ShowMessage(tr("\"%1\" could not be imported: %2")
                                  .arg(QFileInfo(file).fileName(), error.Message()));
        return;
    }
    if (items.Count() == 0)
        return;
    // Appended again to the other version when another writer saved meanwhile.
    history_->ReplaceAll([this, items = std::move(items)] {
        AppendItems(*latticeGrid1_, items);
        ApplyRowMarks(*latticeGrid1_);
    });
    if (const QString text = CsvImportNotesText(notes); !text.isEmpty())
        messages_.ShowMessage(tr("\"%1\" was imported: %2.").arg(QFileInfo(file).fileName(), text));
}

void TForm1::ShareAsWebPage()
{
    const std::optional<TPrintRequest> request = AskPrintOptions(tr("Share as Web Page"));
    if (!request)
        return;
    TFileDialog dialog(TFileDialogKind::fdSave, tr("Share as Web Page"), tr("Web Page (*.html)"),
                       dialogs_);
    dialog.SetFileName(QFileInfo(CurrentProfilePath()).absolutePath() + QLatin1Char('/') +
                       request->title + QStringLiteral(".html"));
    if (!dialog.Execute())
        return;
    QString file = dialog.FileName();
    if (!file.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) &&
        !file.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive))
        file += QStringLiteral(".html");
    WriteExport(file, [&] {
        WriteWholeFile(file, GiftPageHtml(GiftPageOf(*latticeGrid1_, *request)).toUtf8());
    });
}
