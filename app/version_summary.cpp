#include "app/version_summary.h"

#include "grid_core/cell.h"
#include "grid_core/cell_columns.h"
#include "grid_core/cells.h"
#include "grid_core/text_file.h"
#include "grid_core/visible_text.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QHash>

namespace {
constexpr int kShownDifferences = 3;
constexpr qsizetype kExcerptChars = 20;

// Keeps the first field of every row and stores every field in a cell of its
// column, so that a field the load would refuse is refused here too.
class TCheckingTarget : public ITextFileTarget {
public:
    explicit TCheckingTarget(const ICellColumns &columns) : cells_(nullptr, &columns)
    {
        for (int column = 0; column < columns.ColumnCount(); ++column)
            cells_.AddColumn();
        // One row stands in for every line: only whether a field converts matters.
        cells_.AddRow(1);
    }
    void AddRow() override { names.append(QString()); }
    void StoreField(int column, int row, const QString &text) override
    {
        field = text;
        line = row + 1;
        if (column < 0 || column >= cells_.ColumnCount())
            throw ECellOutOfBounds(column, row);
        cells_.GetCell(column, 0)->SetAsString(text);
        // A copy: the text may share the characters of the file being read.
        if (column == 0)
            names[row] = QString(text.constData(), text.size());
    }
    QStringList names;
    // The field stored last and its line.
    QString field;
    int line = 0;

private:
    TCells cells_;
};
} // namespace

TVersionSummary SummarizeVersion(const QByteArray &bytes, const QStringList &names,
                                 const ICellColumns &columns)
{
    TVersionSummary summary;
    TCheckingTarget target(columns);
    try {
        ParseTextFile(DecodeTextFile(bytes), QLatin1Char(','), QLatin1Char('|'), target);
    } catch (const EYearnboxError &error) {
        summary.unreadable = true;
        summary.failedLine = target.line;
        summary.failure = error.Message();
        if (const QString excerpt = FieldExcerpt(target.field);
            excerpt.size() < target.field.size())
            summary.failure.replace(target.field, excerpt);
        return summary;
    }
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

TVersionSummary SummarizeVersionFile(const QString &path, const QStringList &names,
                                     const ICellColumns &columns)
{
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const EYearnboxError &error) {
        TVersionSummary summary;
        summary.unreadable = true;
        summary.failure = error.Message();
        return summary;
    }
    return SummarizeVersion(bytes, names, columns);
}

QString FieldExcerpt(QStringView text)
{
    QString excerpt = TextStart(text, kExcerptChars).toString();
    for (QChar &ch : excerpt) {
        if (ch == u'\r' || ch == u'\n')
            ch = u' ';
    }
    return excerpt.size() < text.size() ? excerpt + QChar(0x2026) : excerpt;
}

QString VersionFailureText(const TVersionSummary &summary)
{
    return summary.failedLine > 0 ? QCoreApplication::translate("TRestoreDialog", "line %1: %2")
                                        .arg(QString::number(summary.failedLine), summary.failure)
                                  : summary.failure;
}

QString UnreadableVersionText(const QString &saved, const TVersionSummary &summary)
{
    return QCoreApplication::translate("TRestoreDialog", "The version saved %1 cannot be read: %2")
        .arg(saved, VersionFailureText(summary));
}
