#include "app/csv_items.h"

#include "app/csv_text.h"
#include "app/item_columns.h"
#include "grid_core/grid_control.h"
#include "grid_core/text_arena.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
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

// The caption's key of an item column ("notes").
QString CaptionOf(int column)
{
    const auto at = std::find(kCsvColumns.begin(), kCsvColumns.end(), column);
    return CaptionKey(CsvCaptions()[qsizetype(at - kCsvColumns.begin())]);
}

[[noreturn]] void Refuse(int line, const QString &what)
{
    throw EConvertError(QCoreApplication::translate("EConvertError", "line %1: %2")
                            .arg(QString::number(line), what));
}

QString PriorityField(QStringView field, int line)
{
    const QStringView text = field.trimmed();
    if (text.isEmpty())
        return QStringLiteral("1");
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        Refuse(line, QCoreApplication::translate("EConvertError",
                                                 "the priority '%1' is not a whole number")
                         .arg(field));
    return QString::number(value);
}

// Whether text is word in any case. Only ASCII letters lower to the words'
// letters, so ASCII lowering is all the folding needed.
bool IsWord(QStringView text, QLatin1StringView word)
{
    if (text.size() != word.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c - u'A' + u'a');
        if (c != char16_t(word[i].unicode()))
            return false;
    }
    return true;
}

QLatin1StringView MarkField(QStringView field, int line)
{
    const QStringView text = field.trimmed();
    if (text.isEmpty() || IsWord(text, QLatin1StringView("false")) ||
        IsWord(text, QLatin1StringView("0")) || IsWord(text, QLatin1StringView("no")))
        return QLatin1StringView("False");
    if (IsWord(text, QLatin1StringView("true")) || IsWord(text, QLatin1StringView("1")) ||
        IsWord(text, QLatin1StringView("yes")) || IsWord(text, QLatin1StringView("x")))
        return QLatin1StringView("True");
    Refuse(line,
           QCoreApplication::translate("EConvertError", "the mark '%1' is neither True nor False")
               .arg(field));
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
    return {QStringLiteral("Name:"),     QStringLiteral("Notes:"),      QStringLiteral("Price:"),
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
        parts.append(QCoreApplication::translate("TCsvItemReader", "1 NUL character was dropped"));
    else if (notes.nulsDropped > 1)
        parts.append(QCoreApplication::translate("TCsvItemReader", "%n NUL characters were dropped",
                                                 nullptr, notes.nulsDropped));
    if (notes.pipeTexts > 0) {
        QString pipes =
            QCoreApplication::translate("TCsvItemReader", "a '|' became a line break (%1")
                .arg(notes.pipes.join(u", "));
        if (notes.pipeTexts > notes.pipes.size())
            pipes += QCoreApplication::translate("TCsvItemReader", " and %1 more")
                         .arg(notes.pipeTexts - notes.pipes.size());
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
    // Each field without its guard and its NUL characters: a view into the
    // record, or a cleaned copy when it held NULs.
    std::vector<QStringView> fields(size_t(record.Size()));
    cleaned_.clear();
    cleaned_.reserve(fields.size());
    const bool nul = record.chars.contains(QChar(0));
    for (qsizetype f = 0; f < record.Size(); ++f) {
        QStringView field = record.Field(f);
        if (field.startsWith(u'\''))
            field = field.sliced(1);
        if (const qsizetype nuls = nul ? field.count(QChar(0)) : 0) {
            cleaned_.push_back(field.toString().remove(QChar(0)));
            field = cleaned_.back();
            notes_.nulsDropped += nuls;
        }
        fields[size_t(f)] = field;
    }
    if (columns_.empty()) {
        QStringList texts;
        for (const QStringView field : fields)
            texts.append(field.toString());
        columns_ = HeaderColumns(texts);
        if (!columns_.empty())
            return;
        columns_.assign(kCsvColumns.begin(), kCsvColumns.end());
    }
    std::array<QStringView, TCsvItemTexts::kFields> item{};
    bool empty = true;
    for (size_t f = 0; f < fields.size(); ++f) {
        empty = empty && IsBlank(fields[f]);
        if (f >= columns_.size()) {
            if (!fields[f].isEmpty())
                Refuse(record.line, QCoreApplication::translate("EConvertError",
                                                                "%1 fields, but only %2 are read")
                                        .arg(fields.size())
                                        .arg(columns_.size()));
            continue;
        }
        if (columns_[f] >= 0)
            item[size_t(columns_[f])] = fields[f];
    }
    if (empty)
        return;
    const QString priority = PriorityField(item[icPriority], record.line);
    const QLatin1StringView mark = MarkField(item[icMark], record.line);
    QString &chars = item_.chars_;
    // Emptied, its memory kept for the next item.
    chars.resize(0);
    for (int column = 0; column < TCsvItemTexts::kFields; ++column) {
        const qsizetype start = chars.size();
        item_.starts_[size_t(column)] = start;
        if (column == icPriority) {
            chars += priority;
        } else if (column == icDelete) {
            chars += u'0';
        } else if (column == icMark) {
            chars += mark;
        } else {
            if (AppendText(item[size_t(column)]) && notes_.pipeTexts++ < kPipesNamed)
                notes_.pipes.append(QCoreApplication::translate("EConvertError", "line %1: %2")
                                        .arg(QString::number(record.line), CaptionOf(column)));
            if (column == icDateAdded && IsBlank(QStringView(chars).sliced(start))) {
                chars.resize(start);
                chars += today_;
            }
        }
    }
    item_.starts_[TCsvItemTexts::kFields] = chars.size();
    take_(item_);
}

bool TCsvItemReader::AppendText(QStringView text)
{
    QString &chars = item_.chars_;
    bool pipe = false;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = i;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n' && text[end] != u'|')
            ++end;
        chars += text.sliced(i, end - i);
        if (end == text.size())
            break;
        // Lone LF, lone CR and '|' become CR LF, the grid's own line break.
        chars += QLatin1StringView("\r\n");
        pipe = pipe || text[end] == u'|';
        i = end + 1;
        if (text[end] == u'\r' && i < text.size() && text[i] == u'\n')
            ++i;
    }
    return pipe;
}

TCsvItemTexts ReadItemsCsv(const QByteArray &bytes, const QString &today, TCsvImportNotes *notes)
{
    TCsvItemTexts items;
    TCsvItemReader reader(today, [&](const TCsvItem &item) { items.Add(item); });
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
            throw EInOutError(
                QCoreApplication::translate("EInOutError", "File could not be read: %1")
                    .arg(file.errorString()));
        if (read == 0)
            break;
        reader.Feed(QByteArrayView(piece).first(qsizetype(read)));
    }
    reader.Finish();
    return reader.Notes();
}

void AppendItems(TLtCustomGridControl &grid, const TCsvItemTexts &items)
{
    if (items.Count() == 0)
        return;
    const int first = grid.RowCount();
    grid.BeginUpdate();
    grid.AddRow(int(items.Count()));
    // Each text is offered as a place in the items' string, as a load offers
    // the file's; a cell that cannot keep it copies it.
    const QString &chars = items.Chars();
    TTextOffer offer;
    if (TTextArena::CanHold(chars))
        // All places are exact: the marks only matter to encoded ones.
        offer.arena = std::make_shared<const TTextArena>(chars, QLatin1Char(','), QLatin1Char('|'));
    const TTextOfferScope scope(offer.arena ? &offer : nullptr);
    for (qsizetype i = 0; i < items.Count(); ++i)
        for (int c = 0; c < TCsvItemTexts::kFields; ++c) {
            const QStringView text = items.Text(i, c);
            const QString raw = QString::fromRawData(text.data(), text.size());
            offer.text = raw.constData();
            offer.size = raw.size();
            offer.offset = uint32_t(text.data() - chars.constData());
            offer.length = uint32_t(text.size());
            grid.SetCells(c, first + int(i), raw);
        }
    offer.text = nullptr;
    grid.EndUpdate();
}
