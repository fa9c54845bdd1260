#include "app/csv_items.h"

#include "app/csv_text.h"
#include "app/item_columns.h"
#include "grid/grid_control.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QFile>

#include <array>

namespace {

// CSV field order: name, notes, price, priority, date added, mark.
constexpr std::array<int, 6> kCsvColumns{icName, icNotes, icPrice, icPriority, icDateAdded, icMark};
constexpr qsizetype kFlushChars = 1 << 20;
constexpr qsizetype kReadBytes = 1 << 20;
// The separator is chosen on the first record, or on this much of it.
constexpr qsizetype kHeadChars = 1 << 16;
constexpr qsizetype kPipesNamed = 3;
constexpr qsizetype kCaptionChars = 64;

QString CaptionKey(QString caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed().toCaseFolded();
}

// The grid's own line break: lone LF, lone CR and '|' (which a profile reads
// back as a line break) become CR LF. Whether a '|' was among them.
bool MakeGridLineBreaks(QString &text)
{
    if (!text.contains(u'\n') && !text.contains(u'\r') && !text.contains(u'|'))
        return false;
    QString result;
    result.reserve(text.size() + 8);
    bool pipe = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n' || c == u'|') {
            result += QStringLiteral("\r\n");
            pipe = pipe || c == u'|';
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    text = std::move(result);
    return pipe;
}

// Whether the separator can be chosen: the first record has ended.
bool HoldsFirstLineEnd(QStringView text)
{
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            return true;
    }
    return false;
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
        return BoolToStr(false);
    if (text == u"true" || text == u"1" || text == u"yes" || text == u"x")
        return BoolToStr(true);
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
        // A long text is no caption, and folding it would copy it.
        if (field.size() > kCaptionChars)
            return {};
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
            fields.append(GuardSpreadsheetFormula(grid.GetCells(column, r)));
        AppendCsvRecord(text, fields);
        if (text.size() >= kFlushChars) {
            out(text);
            text.clear();
        }
    }
    out(text);
}

QString CsvImportNotesText(const TCsvImportNotes &notes)
{
    QStringList parts;
    if (notes.nulsDropped == 1)
        parts.append(QStringLiteral("1 NUL character was dropped"));
    else if (notes.nulsDropped > 1)
        parts.append(QStringLiteral("%1 NUL characters were dropped").arg(notes.nulsDropped));
    if (notes.pipeTexts > 0) {
        QString pipes = QStringLiteral("a '|' became a line break (%1").arg(notes.pipes.join(u", "));
        if (notes.pipeTexts > notes.pipes.size())
            pipes += QStringLiteral(" and %1 more").arg(notes.pipeTexts - notes.pipes.size());
        parts.append(pipes + u')');
    }
    return parts.join(QStringLiteral("; "));
}

TCsvItemReader::TCsvItemReader(QString today, TTake take)
    : today_(std::move(today)), take_(std::move(take)), decoder_(std::make_unique<TCsvDecoder>())
{
}

TCsvItemReader::~TCsvItemReader() = default;

void TCsvItemReader::Feed(QByteArrayView bytes)
{
    FeedText(decoder_->Decode(bytes), false);
}

void TCsvItemReader::Finish()
{
    FeedText(decoder_->Finish(), true);
    parser_->Finish();
}

void TCsvItemReader::FeedText(QString text, bool last)
{
    if (!parser_) {
        head_ += text;
        if (!last && head_.size() < kHeadChars && !HoldsFirstLineEnd(head_))
            return;
        text = std::exchange(head_, QString());
        parser_ = std::make_unique<TCsvParser>(DetectCsvSeparator(text),
                                               [this](const TCsvRecord &record) { Take(record); });
    }
    parser_->Feed(text);
}

void TCsvItemReader::Take(const TCsvRecord &record)
{
    QStringList fields = record.fields;
    for (QString &field : fields) {
        field = UnguardSpreadsheetFormula(field);
        if (const qsizetype nuls = field.count(QChar(0))) {
            field.remove(QChar(0));
            notes_.nulsDropped += nuls;
        }
    }
    if (columns_.empty()) {
        columns_ = HeaderColumns(fields);
        if (!columns_.empty())
            return;
        columns_.assign(kCsvColumns.begin(), kCsvColumns.end());
    }
    QStringList item{QString(), QString(), QString(), QString(), QString(),
                     QStringLiteral("0"), QString()};
    bool empty = true;
    for (qsizetype f = 0; f < fields.size(); ++f) {
        QString &field = fields[f];
        empty = empty && IsBlank(field);
        if (f >= qsizetype(columns_.size())) {
            if (!field.isEmpty())
                Refuse(record.line, QStringLiteral("%1 fields, but only %2 are read")
                                        .arg(fields.size())
                                        .arg(columns_.size()));
            continue;
        }
        if (columns_[size_t(f)] >= 0)
            item[columns_[size_t(f)]] = std::move(field);
    }
    if (empty)
        return;
    const QStringList captions = CsvCaptions();
    for (size_t c = 0; c < kCsvColumns.size(); ++c) {
        const int column = kCsvColumns[c];
        if (column == icPriority || column == icMark || !MakeGridLineBreaks(item[column]))
            continue;
        if (notes_.pipeTexts++ < kPipesNamed)
            notes_.pipes.append(QStringLiteral("line %1: %2")
                                    .arg(record.line)
                                    .arg(CaptionKey(captions[qsizetype(c)])));
    }
    item[icPriority] = PriorityField(item[icPriority], record.line);
    item[icMark] = MarkField(item[icMark], record.line);
    if (IsBlank(item[icDateAdded]))
        item[icDateAdded] = today_;
    take_(std::move(item));
}

std::vector<QStringList> ReadItemsCsv(const QByteArray &bytes, const QString &today,
                                      TCsvImportNotes *notes)
{
    std::vector<QStringList> items;
    TCsvItemReader reader(today, [&](QStringList &&item) { items.push_back(std::move(item)); });
    reader.Feed(bytes);
    reader.Finish();
    if (notes)
        *notes = reader.Notes();
    return items;
}

void SaveItemsCsvFile(TLtCustomGridControl &grid, const QString &path)
{
    TWholeFileWriter file(path);
    WriteItemsCsv(grid, [&](const QString &text) { file.Write(text.toUtf8()); });
    file.Commit();
}

TCsvImportNotes ReadItemsCsvFile(const QString &path, const QString &today,
                                 const TCsvItemReader::TTake &take)
{
    QFile file(path);
    OpenForReading(file);
    TCsvItemReader reader(today, take);
    QByteArray piece(kReadBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(piece.data(), piece.size());
        if (read < 0)
            throw EInOutError(QStringLiteral("File could not be read: %1").arg(file.errorString()));
        if (read == 0)
            break;
        reader.Feed(QByteArrayView(piece).first(qsizetype(read)));
    }
    reader.Finish();
    return reader.Notes();
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
