#include "app/summary_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

TSummaryDialog::TSummaryDialog(const TPriceTotals::TTable &table, QWidget *parent)
    : QDialog(parent), table_(new QTreeWidget(this))
{
    setWindowTitle(QCoreApplication::translate("TSummaryDialog", "Summary"));
    table_->setHeaderLabels(table.header);
    table_->setRootIsDecorated(false);
    for (const QStringList &cells : table.rows) {
        auto *row = new QTreeWidgetItem(table_, cells);
        // Counts and sums line up on the right.
        for (int column = 1; column < cells.size(); ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(480, 260);
}
