#include "bench/bench_search.h"

#include "app/main_window.h"
#include "bench/bench_window.h"
#include "grid_window/lattice_grid.h"
#include "platform/message_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace {

class TAnsweredMessageBoxes : public IMessageBoxes {
public:
    void ShowMessage(const QString &text) override { shown.append(text); }
    QStringList shown;
};

} // namespace

TSearchFigures BenchSearch(const QString &file, const QString &word, const TBenchTimer &time)
{
    QTemporaryDir folder;
    TAnsweredMessageBoxes boxes;
    TNoFileDialogs dialogs;
    TForm1 form(folder.path() + QLatin1Char('/'), file, boxes, dialogs);
    TLatticeGrid &grid = *form.LatticeGrid1();
    TSearchFigures figures;
    figures.items = grid.RowCount();
    form.Edit4()->setText(word);
    figures.seconds = time([&] { grid.SetSelectedRow(-1); }, [&] { form.BitBtn5()->click(); });
    figures.hitRow = grid.SelectedRow();
    return figures;
}
