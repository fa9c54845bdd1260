#include "bench/bench_search.h"

#include "app/main_window.h"
#include "grid/columns/lattice_grid.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace {

class TAnsweredMessageBoxes : public IMessageBoxes {
public:
    void ShowMessage(const QString &text) override { shown.append(text); }
    QStringList shown;
};

class TCancelledFileDialogs : public IFileDialogs {
public:
    std::optional<QString> Choose(const TFileDialogRequest &) override { return std::nullopt; }
};

} // namespace

TSearchFigures BenchSearch(const QString &file, const QString &word, const TBenchTimer &time)
{
    QTemporaryDir folder;
    TAnsweredMessageBoxes boxes;
    TCancelledFileDialogs dialogs;
    TForm1 form(folder.path() + QLatin1Char('/'), file, boxes, dialogs);
    TLatticeGrid &grid = *form.LatticeGrid1();
    TSearchFigures figures;
    figures.items = grid.RowCount();
    form.Edit4()->setText(word);
    figures.seconds = time([&] { grid.SetSelectedRow(-1); }, [&] { form.BitBtn5()->click(); });
    figures.hitRow = grid.SelectedRow();
    return figures;
}
