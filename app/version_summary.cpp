#include "app/version_summary.h"

#include "grid/text_file.h"

#include <QHash>

namespace {
constexpr int kShownDifferences = 3;

// Keeps the first field of every row.
class TNamesTarget : public ITextFileTarget {
public:
    void AddRow() override { names.append(QString()); }
    void StoreField(int column, int row, const QString &text) override
    {
        // A copy: the text may share the characters of the file being read.
        if (column == 0)
            names[row] = QString(text.constData(), text.size());
    }
    QStringList names;
};
} // namespace

TVersionSummary SummarizeVersion(const QByteArray &bytes, const QStringList &names)
{
    TNamesTarget target;
    ParseTextFile(DecodeTextFile(bytes), QLatin1Char(','), QLatin1Char('|'), target);
    TVersionSummary summary;
    summary.items = int(target.names.size());
    QHash<QString, int> unmatched;
    for (const QString &name : names)
        ++unmatched[name];
    QStringList extra;
    for (const QString &name : std::as_const(target.names)) {
        int &count = unmatched[name];
        if (count > 0)
            --count;
        else if (extra.size() < kShownDifferences)
            extra.append(QLatin1Char('+') + name);
    }
    summary.firstDifferences = extra;
    for (const QString &name : names) {
        if (summary.firstDifferences.size() == kShownDifferences)
            break;
        if (int &count = unmatched[name]; count > 0) {
            --count;
            summary.firstDifferences.append(QChar(0x2212) + name);
        }
    }
    return summary;
}
