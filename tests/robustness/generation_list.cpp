#include "tests/robustness/generation_list.h"

namespace {
const QString kNamePrefix = QStringLiteral("Item ");

QString Name(qint64 generation, int row)
{
    return kNamePrefix + QString::number(generation) + QLatin1Char('.') + QString::number(row);
}
} // namespace

std::vector<QStringList> GenerationRows(qint64 generation)
{
    const int count = generation % 2 == 0 ? 1 + int(generation % 5) : 250 + int(generation % 40);
    std::vector<QStringList> rows;
    rows.reserve(size_t(count));
    for (int r = 0; r < count; ++r) {
        // Separators, quotes, a line break and non-Latin text, so every field
        // encoding rule is in the file; the padding varies the line lengths.
        const QString notes =
            QStringLiteral("Wanted since %1, \"really\"\r\nsee shop \u2713 \u00e9 ")
                .arg(generation) +
            QString(40 + int((generation + r) % 60), QChar(u'a' + r % 26));
        rows.push_back(
            {Name(generation, r), notes, QStringLiteral("$%1.%2").arg(generation).arg(r),
             QString::number((generation + r) % 6), QStringLiteral("12/7/2026"),
             QStringLiteral("0"),
             (generation + r) % 3 == 0 ? QStringLiteral("True") : QStringLiteral("False")});
    }
    return rows;
}

qint64 GenerationOfRows(const std::vector<QStringList> &rows)
{
    if (rows.empty() || rows.front().isEmpty())
        return -1;
    const QString &name = rows.front().front();
    if (!name.startsWith(kNamePrefix) || !name.endsWith(QLatin1String(".0")))
        return -1;
    bool ok = false;
    const qint64 generation =
        name.mid(kNamePrefix.size(), name.size() - kNamePrefix.size() - 2).toLongLong(&ok);
    return ok ? generation : -1;
}
