#pragma once
// What the list costs: sums of the read prices per currency, kept for all
// items, the marked and the unmarked ones, and per priority.
//
// Flow: each item gives one figure (its price reading, priority and mark);
// Add and Remove fold a figure in or out, so a change costs the same at any
// list size. A range adds its low end to the low sum and its high end to the
// high sum. A price that could not be read is counted, never guessed; an empty
// price counts nowhere.

#include "app/price_reading.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

// One item's share of the totals.
struct TItemFigure {
    TPriceKind kind = TPriceKind::pkNone;
    // Index into TPriceTotals' currencies; -1 for none ("free").
    int16_t currency = -1;
    bool marked = false;
    int16_t priority = 0;
    int64_t low = 0;
    int64_t high = 0;
};

class TPriceTotals {
public:
    struct TSum {
        int count = 0;
        int64_t low = 0;
        int64_t high = 0;
    };
    struct TGroup {
        int prices = 0;
        int notRead = 0;
        // Indexed by currency.
        std::vector<TSum> sums;
    };

    explicit TPriceTotals(QLocale locale = QLocale());

    // The figure of an item; interns its currency.
    TItemFigure Figure(QStringView price, int priority, bool marked);
    void Add(const TItemFigure &figure) { Fold(figure, 1); }
    void Remove(const TItemFigure &figure) { Fold(figure, -1); }
    void Clear();

    const TGroup &All() const { return all_; }
    const TGroup &Marked() const { return marked_; }
    const TGroup &Unmarked() const { return unmarked_; }
    // Priorities that hold at least one item with a price, highest first.
    std::vector<int> Priorities() const;
    const TGroup &Priority(int priority) const;

    // The summary as a table: a header ("", "Prices", "Not read", then each
    // currency that has a price, the locale's own first; "No symbol" for bare
    // numbers under a locale without a currency) and a row per group:
    // all, marked, not marked, then each priority; an empty cell where a group
    // has nothing in that currency.
    struct TTable {
        QStringList header;
        QList<QStringList> rows;
    };

    // "Total of 12 prices: $1,234.50 and €80 · marked: $200 · 2 prices not
    // read"; empty when no item has a price.
    QString HintText() const;
    // The summary: all, marked, not marked, then each priority.
    QStringList SummaryLines() const;
    TTable SummaryTable() const;
    // "$1,234.50 and €80" (ranges "$20–$30"), bare numbers plain ("223 and
    // 5$" under the C locale); the locale's "$0" when nothing.
    QString SumsText(const TGroup &group) const;

private:
    void Fold(const TItemFigure &figure, int sign);
    static void FoldInto(TGroup &group, const TItemFigure &figure, int sign);
    QString GroupLine(const QString &title, const TGroup &group) const;
    // Indexes of the group's currencies with a count, the locale's own first.
    std::vector<size_t> CurrencyOrder(const TGroup &group) const;
    QString SumText(const TSum &sum, size_t currency) const;
    // Each group of the summary with its title.
    std::vector<std::pair<QString, const TGroup *>> Groups() const;

    QLocale locale_;
    TPriceReader reader_;
    std::vector<QString> currencies_;
    TGroup all_;
    TGroup marked_;
    TGroup unmarked_;
    std::map<int, TGroup> priorities_;
};
