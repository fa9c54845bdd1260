#include "app/csv_items.h"

#include "app/csv_text.h"
#include "app/item_columns.h"
#include "grid/grid_control.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <array>

namespace {

// CSV field order: name, notes, price, priority, date added, mark.
constexpr std::array<int, 6> kCsvColumns{icName, icNotes, icPrice, icPriority, icDateAdded, icMark};
constexpr qsizetype kFlushChars = 1 << 20;

QString CaptionKey(QString caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed().toCaseFolded();
}

// The grid's own line break: lone LF and lone CR become CR LF.
QString GridLineBreaks(const QString &text)
{
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString result;
    result.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            result += QStringLiteral("\r\n");
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

bool IsBlank(QStringView text)
{
    for (const QChar c : text)
        if (!c.isSpace())
            return false;
    return true;
}

[[noreturn]] void Refuse(int line, const QString &what)
{
    throw EConvertError(QStringLiteral("line %1: %2").arg(line).arg(what));
}

QString PriorityField(const QString &field, int line)
{
    const QString text = field.trimmed();
    if (text.isEmpty())
        return QStringLiteral("1");
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        Refuse(line, QStringLiteral("the priority '%1' is not a whole number").arg(field));
    return QString::number(value);
}

QString MarkField(const QString &field, int line)
{
    const QString text = field.trimmed().toLower();
    if (text.isEmpty() || text == u"false" || text == u"0" || text == u"no")
        return QStringLiteral("False");
    if (text == u"true" || text == u"1" || text == u"yes" || text == u"x")
        return QStringLiteral("True");
    Refuse(line, QStringLiteral("the mark '%1' is neither True nor False").arg(field));
}

// Which item column each field of a record fills (-1: none); empty when the
// record is no header.
std::vector<int> HeaderColumns(const QStringList &fields)
{
    const QStringList captions = CsvCaptions();
    std::vector<int> columns;
    bool named = false;
    for (const QString &field : fields) {
        const QString key = CaptionKey(field);
        int column = -1;
        for (size_t c = 0; c < kCsvColumns.size(); ++c)
            if (key == CaptionKey(captions[qsizetype(c)]))
                column = kCsvColumns[c];
        if (column < 0 && !key.isEmpty())
            return {};
        named = named || column >= 0;
        columns.push_back(column);
    }
    return named ? columns : std::vector<int>{};
}

} // namespace

QStringList CsvCaptions()
{
    return {QStringLiteral("Name:"), QStringLiteral("Notes:"), QStringLiteral("Price:"),
            QStringLiteral("Priority:"), QStringLiteral("Date Added:"), QStringLiteral("Marked:")};
}

void WriteItemsCsv(TLtCustomGridControl &grid, const std::function<void(const QString &)> &out)
{
    QString text;
    AppendCsvRecord(text, CsvCaptions());
    QStringList fields;
    for (int r = 0; r < grid.RowCount(); ++r) {
        fields.clear();
        for (const int column : kCsvColumns)
            fields.append(grid.GetCells(column, r));
        AppendCsvRecord(text, fields);
        if (text.size() >= kFlushChars) {
            out(text);
            text.clear();
        }
    }
    out(text);
}

std::vector<QStringList> ReadItemsCsv(const QByteArray &bytes, const QString &today)
{
    const QString text = DecodeCsvBytes(bytes);
    std::vector<int> columns;
    std::vector<QStringList> items;
    ForEachCsvRecord(text, DetectCsvSeparator(text), [&](const TCsvRecord &record) {
        if (columns.empty()) {
            columns = HeaderColumns(record.fields);
            if (!columns.empty())
                return;
            columns.assign(kCsvColumns.begin(), kCsvColumns.end());
        }
        QStringList item{QString(), QString(), QString(), QString(), QString(),
                         QStringLiteral("0"), QString()};
        bool empty = true;
        for (qsizetype f = 0; f < record.fields.size(); ++f) {
            const QString &field = record.fields[f];
            empty = empty && IsBlank(field);
            if (f >= qsizetype(columns.size())) {
                if (!field.isEmpty())
                    Refuse(record.line, QStringLiteral("%1 fields, but only %2 are read")
                                            .arg(record.fields.size())
                                            .arg(columns.size()));
                continue;
            }
            if (columns[size_t(f)] >= 0)
                item[columns[size_t(f)]] = field;
        }
        if (empty)
            return;
        for (const int column : {icName, icNotes, icPrice, icDateAdded})
            item[column] = GridLineBreaks(item[column]);
        item[icPriority] = PriorityField(item[icPriority], record.line);
        item[icMark] = MarkField(item[icMark], record.line);
        if (IsBlank(item[icDateAdded]))
            item[icDateAdded] = today;
        items.push_back(std::move(item));
    });
    return items;
}

void SaveItemsCsvFile(TLtCustomGridControl &grid, const QString &path)
{
    TWholeFileWriter file(path);
    WriteItemsCsv(grid, [&](const QString &text) { file.Write(text.toUtf8()); });
    file.Commit();
}

std::vector<QStringList> ReadItemsCsvFile(const QString &path, const QString &today)
{
    return ReadItemsCsv(ReadWholeFile(path), today);
}

void AppendItems(TLtCustomGridControl &grid, const std::vector<QStringList> &items)
{
    if (items.empty())
        return;
    const int first = grid.RowCount();
    grid.BeginUpdate();
    grid.AddRow(int(items.size()));
    for (size_t i = 0; i < items.size(); ++i)
        for (int c = 0; c < int(items[i].size()); ++c)
            grid.SetCells(c, first + int(i), items[i][c]);
    grid.EndUpdate();
}
