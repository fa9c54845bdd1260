#pragma once
// "Summary…": what the list costs, as a table of the totals (TPriceTotals::
// SummaryTable): a row each for all items, the marked and the unmarked ones and
// each priority; a column each for the count of prices, the count of prices
// not read, and each currency.

#include "app/price_totals.h"

#include <QDialog>

class QTreeWidget;

class TSummaryDialog : public QDialog {
public:
    explicit TSummaryDialog(const TPriceTotals::TTable &table, QWidget *parent = nullptr);

    QTreeWidget *Table() const { return table_; }

private:
    QTreeWidget *table_;
};
