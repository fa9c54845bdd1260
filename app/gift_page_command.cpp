#include "app/gift_page_command.h"

#include "app/csv_commands.h"
#include "app/gift_page.h"
#include "app/item_columns.h"
#include "app/list_totals.h"
#include "app/print_document.h"
#include "app/profile_list.h"
#include "grid_core/described_columns.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

int Fail(const QString &file, const QString &message, int status)
{
    std::fprintf(stderr, "yearnbox: %s: %s\n", QFile::encodeName(file).constData(),
                 message.toLocal8Bit().constData());
    return status;
}

} // namespace

int ExportHtmlCommand(const QString &profile, const QString &out)
{
    if (const QString refusal = CsvExportRefusal(profile, out); !refusal.isEmpty())
        return Fail(out, refusal, 2);
    TDescribedGrid grid(ItemColumnDescriptions());
    try {
        grid.LoadFromTextFile(profile, QLatin1Char(','), QLatin1Char('|'),
                              TLoadFailure::lfKeepPreviousRows);
    } catch (const EYearnboxError &error) {
        return Fail(profile, error.Message(), 1);
    }
    // Titled as the window titles a print of it.
    const bool blank = QFileInfo(profile).fileName() == QLatin1String("blank.yearnbox");
    TListTotals totals(grid);
    const TPrintRequest request{blank ? QStringLiteral("Yearnbox") : ProfileName(profile), false,
                                totals.SummaryLines()};
    try {
        WriteWholeFile(out, GiftPageHtml(GiftPageOf(grid, request)).toUtf8());
    } catch (const EYearnboxError &error) {
        return Fail(out, error.Message(), 1);
    }
    return 0;
}
