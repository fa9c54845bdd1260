// The main window's printed list: "Print…" (Ctrl+P) through the print dialog
// and "Save as PDF…" through a file dialog, each after the options dialog.

#include "app/item_columns.h"
#include "app/list_totals.h"
#include "app/main_window.h"
#include "app/print_options_dialog.h"
#include "app/print_output.h"
#include "grid_core/cell.h"
#include "grid_window/lattice_grid.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/modal_windows.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

std::optional<TPrintRequest> TForm1::AskPrintOptions(const QString &windowTitle)
{
    TLatticeGrid &grid = *latticeGrid1_;
    int marked = 0;
    for (int row = 0; row < grid.RowCount(); ++row)
        marked += grid.GetCell(icMark, row)->GetAsBoolean() ? 1 : 0;
    const TPageFrame frame = PageFrameFor(PrintedArea(UsualPageLayout()));
    const int rowHeight = SingleRowHeight();
    TPrintOptionsDialog dialog(
        windowTitle, grid.RowCount(), marked,
        [&](int count) { return MinimumPageCount(count, rowHeight, frame); }, this);
    TModalWindows exec;
    (modal_ ? *modal_ : exec).ShowModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return std::nullopt;
    const bool blank = CurrentProfilePath() == profiles_->BlankProfilePath();
    return TPrintRequest{blank ? QStringLiteral("Yearnbox") : ProfileName(CurrentProfilePath()),
                         dialog.MarkedOnly()->isChecked(), listTotals_->SummaryLines()};
}

void TForm1::PrintTheList()
{
    const std::optional<TPrintRequest> request = AskPrintOptions(tr("Print", "the dialog title"));
    if (!request)
        return;
    if (!printer_)
        printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(request->title);
    QPrintDialog dialog(printer_.get(), this);
    TModalWindows exec;
    (modal_ ? *modal_ : exec).ShowModal(dialog);
    if (dialog.result() == QDialog::Accepted)
        PrintList(*printer_, *latticeGrid1_, *request);
}

void TForm1::SaveTheListAsPdf()
{
    const std::optional<TPrintRequest> request = AskPrintOptions(tr("Save as PDF"));
    if (!request)
        return;
    TFileDialog dialog(TFileDialogKind::fdSave, tr("Save as PDF"), tr("PDF Document (*.pdf)"),
                       dialogs_);
    dialog.SetFileName(QFileInfo(CurrentProfilePath()).absolutePath() + QLatin1Char('/') +
                       request->title + QStringLiteral(".pdf"));
    if (!dialog.Execute())
        return;
    QString path = dialog.FileName();
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    WriteWholeFile(path, ListAsPdf(*latticeGrid1_, *request));
}
