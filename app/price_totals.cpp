#include "app/price_totals.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString Prices(int count)
{
    return count == 1 ? QCoreApplication::translate("TPriceTotals", "1 price")
                      : QCoreApplication::translate("TPriceTotals", "%n prices", nullptr, count);
}

// "a", "a and b", "a, b and c".
QString JoinWithAnd(const QStringList &parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return QCoreApplication::translate("TPriceTotals", "%1 and %2")
        .arg(parts.first(parts.size() - 1).join(QStringLiteral(", ")), parts.last());
}

const TPriceTotals::TGroup kEmptyGroup;

} // namespace

TPriceTotals::TPriceTotals(QLocale locale) : locale_(std::move(locale)), reader_(locale_) {}

TItemFigure TPriceTotals::Figure(QStringView price, int priority, bool marked)
{
    const TPriceReading reading = reader_.Read(price);
    TItemFigure figure;
    figure.kind = reading.kind;
    figure.marked = marked;
    figure.priority = int16_t(std::clamp(priority, int(INT16_MIN), int(INT16_MAX)));
    figure.low = reading.low;
    figure.high = reading.high;
    // A bare number under a locale without a currency is summed under "".
    if (reading.kind == TPriceKind::pkPrice && !reading.isFree) {
        const auto found = std::find(currencies_.begin(), currencies_.end(), reading.currency);
        figure.currency = int16_t(found - currencies_.begin());
        if (found == currencies_.end())
            currencies_.push_back(reading.currency);
    }
    return figure;
}

void TPriceTotals::Clear()
{
    all_ = marked_ = unmarked_ = TGroup();
    priorities_.clear();
}

void TPriceTotals::FoldInto(TGroup &group, const TItemFigure &figure, int sign)
{
    if (figure.kind == TPriceKind::pkNotPrice) {
        group.notRead += sign;
        return;
    }
    group.prices += sign;
    if (figure.currency < 0)
        return;
    if (group.sums.size() <= size_t(figure.currency))
        group.sums.resize(size_t(figure.currency) + 1);
    TSum &sum = group.sums[size_t(figure.currency)];
    sum.count += sign;
    sum.low += sign * figure.low;
    sum.high += sign * figure.high;
}

void TPriceTotals::Fold(const TItemFigure &figure, int sign)
{
    if (figure.kind == TPriceKind::pkNone)
        return;
    FoldInto(all_, figure, sign);
    FoldInto(figure.marked ? marked_ : unmarked_, figure, sign);
    TGroup &priority = priorities_[figure.priority];
    FoldInto(priority, figure, sign);
    if (priority.prices == 0 && priority.notRead == 0)
        priorities_.erase(figure.priority);
}

std::vector<int> TPriceTotals::Priorities() const
{
    std::vector<int> list;
    for (auto it = priorities_.rbegin(); it != priorities_.rend(); ++it)
        list.push_back(it->first);
    return list;
}

const TPriceTotals::TGroup &TPriceTotals::Priority(int priority) const
{
    const auto found = priorities_.find(priority);
    return found == priorities_.end() ? kEmptyGroup : found->second;
}

std::vector<size_t> TPriceTotals::CurrencyOrder(const TGroup &group) const
{
    const QString own = LocaleCurrency(locale_);
    std::vector<size_t> order;
    for (size_t c = 0; c < group.sums.size(); ++c)
        if (group.sums[c].count != 0)
            order.push_back(c);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const bool ownA = currencies_[a] == own;
        const bool ownB = currencies_[b] == own;
        return ownA != ownB ? ownA : currencies_[a] < currencies_[b];
    });
    return order;
}

QString TPriceTotals::SumText(const TSum &sum, size_t currency) const
{
    QString text = FormatMoney(sum.low, currencies_[currency], locale_);
    if (sum.high != sum.low)
        text += QChar(u'\u2013') + FormatMoney(sum.high, currencies_[currency], locale_);
    return text;
}

QString TPriceTotals::SumsText(const TGroup &group) const
{
    QStringList parts;
    for (const size_t c : CurrencyOrder(group))
        parts.append(SumText(group.sums[c], c));
    if (parts.isEmpty())
        return FormatMoney(0, LocaleCurrency(locale_), locale_);
    return JoinWithAnd(parts);
}

QString TPriceTotals::HintText() const
{
    if (all_.prices == 0 && all_.notRead == 0)
        return QString();
    QString text = QCoreApplication::translate("TPriceTotals", "Total of %1: %2")
                       .arg(Prices(all_.prices), SumsText(all_));
    if (marked_.prices > 0)
        text += QCoreApplication::translate("TPriceTotals", " · marked: %1").arg(SumsText(marked_));
    if (all_.notRead > 0)
        text +=
            QCoreApplication::translate("TPriceTotals", " · %1 not read").arg(Prices(all_.notRead));
    return text;
}

QString TPriceTotals::GroupLine(const QString &title, const TGroup &group) const
{
    QString line = QStringLiteral("%1: %2, %3").arg(title, Prices(group.prices), SumsText(group));
    if (group.notRead > 0)
        line +=
            QCoreApplication::translate("TPriceTotals", "; %1 not read").arg(Prices(group.notRead));
    return line;
}

std::vector<std::pair<QString, const TPriceTotals::TGroup *>> TPriceTotals::Groups() const
{
    std::vector<std::pair<QString, const TGroup *>> groups{
        {QCoreApplication::translate("TPriceTotals", "All items"), &all_},
        {QCoreApplication::translate("TPriceTotals", "Marked"), &marked_},
        {QCoreApplication::translate("TPriceTotals", "Not marked"), &unmarked_}};
    for (const int priority : Priorities())
        groups.emplace_back(
            QCoreApplication::translate("TPriceTotals", "Priority %1").arg(priority),
            &Priority(priority));
    return groups;
}

QStringList TPriceTotals::SummaryLines() const
{
    QStringList lines;
    for (const auto &[title, group] : Groups())
        lines.append(GroupLine(title, *group));
    return lines;
}

TPriceTotals::TTable TPriceTotals::SummaryTable() const
{
    TTable table;
    table.header = QStringList{QString(), QCoreApplication::translate("TPriceTotals", "Prices"),
                               QCoreApplication::translate("TPriceTotals", "Not read")};
    const std::vector<size_t> currencies = CurrencyOrder(all_);
    for (const size_t c : currencies)
        table.header.append(currencies_[c].isEmpty()
                                ? QCoreApplication::translate("TPriceTotals", "No symbol")
                                : currencies_[c]);
    for (const auto &[title, group] : Groups()) {
        QStringList row{title, locale_.toString(group->prices), locale_.toString(group->notRead)};
        for (const size_t c : currencies) {
            const bool has = c < group->sums.size() && group->sums[c].count != 0;
            row.append(has ? SumText(group->sums[c], c) : QString());
        }
        table.rows.append(row);
    }
    return table;
}
