#include "grid_core/sort_keys.h"

#include "grid_core/cell.h"
#include "grid_core/cells_host.h"

#include <QHash>

#include <algorithm>
#include <numeric>

TTextKey TextKeyOf(QStringView text)
{
    uint64_t prefix = 0;
    for (qsizetype i = 0; i < 4; ++i)
        prefix = (prefix << 16) | (i < text.size() ? text[i].unicode() : 0u);
    return {prefix, text.data(), text.size()};
}

int CompareTextKeys(const TTextKey &a, const TTextKey &b)
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix ? -1 : 1;
    return QStringView(a.data, a.size).compare(QStringView(b.data, b.size), Qt::CaseSensitive);
}

std::vector<uint32_t> ReadTextRanks(TCell *const *column, int count)
{
    // Texts the cells keep none of are made here and live until the ranks are known.
    std::vector<QString> made;
    QHash<QStringView, uint32_t> ids;
    std::vector<TTextKey> distinct;
    std::vector<uint32_t> ranks(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r) {
        QString scratch;
        const QStringView text = column[r]->GetAsStringView(scratch);
        auto it = ids.find(text);
        if (it == ids.end()) {
            it = ids.insert(text, uint32_t(distinct.size()));
            distinct.push_back(TextKeyOf(text));
            // The view stays valid: moving a string keeps its characters in place.
            if (!scratch.isNull())
                made.push_back(std::move(scratch));
        }
        ranks[size_t(r)] = it.value();
    }
    std::vector<uint32_t> order(distinct.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        return CompareTextKeys(distinct[a], distinct[b]) < 0;
    });
    std::vector<uint32_t> rankOfId(distinct.size());
    for (size_t i = 0; i < order.size(); ++i)
        rankOfId[order[i]] = uint32_t(i);
    for (uint32_t &rank : ranks)
        rank = rankOfId[rank];
    return ranks;
}

double ReadFloat(TCell &cell)
{
    return cell.GetAsFloat();
}

double ReadDateTime(TCell &cell)
{
    return cell.GetAsDateTime();
}

double ReadBoolean(TCell &cell)
{
    return cell.GetAsBoolean() ? 1 : 0;
}

std::vector<double> ReadNumbers(TCell *const *column, int count, TReadNumber read)
{
    std::vector<double> keys(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r)
        keys[size_t(r)] = read(*column[r]);
    return keys;
}

std::vector<QByteArray> ReadLoweredBytes(TCell *const *column, int count)
{
    std::vector<QByteArray> keys(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r) {
        QByteArray bytes = column[r]->GetAsString().toLocal8Bit();
        for (char &c : bytes)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        keys[size_t(r)] = std::move(bytes);
    }
    return keys;
}

TAddress AddressOf(const QByteArray &text)
{
    TAddress numbers{};
    size_t used = 0;
    uint32_t number = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            number = number * 10 + uint32_t(c - '0');
        if (c == '.' || i == text.size() - 1) {
            if (used < numbers.size())
                numbers[used++] = number;
            number = 0;
        }
    }
    return numbers;
}

std::vector<TAddress> ReadAddresses(TCell *const *column, int count)
{
    std::vector<TAddress> keys(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r)
        keys[size_t(r)] = AddressOf(column[r]->GetAsString().toLocal8Bit());
    return keys;
}

bool TCustomSortKeys::Less(TCell *p, int row) const
{
    return host_.CompareCells(*p, *column_[row]) <= 0;
}

bool TCustomSortKeys::Greater(TCell *p, int row) const
{
    return host_.CompareCells(*p, *column_[row]) >= 0;
}
