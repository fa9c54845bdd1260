#include "grid_core/text_file.h"

#include "grid_core/char_scan.h"
#include "grid_core/text_arena.h"

#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <cassert>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

// Reading: the parser walks the characters once. Runs of ordinary characters
// are found by a table look-up and taken whole; a field is usually one run,
// so its text is a slice of the file and is handed on without building
// anything. Only a field whose text differs from its characters (doubled
// quotes, line-break marks, a dropped CR before more text) is built, in one
// buffer reused from field to field.

namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kCR = u'\r';
constexpr char16_t kLF = u'\n';
constexpr bool kLittleEndianHost = QSysInfo::ByteOrder == QSysInfo::LittleEndian;

// The text F of the field being read: a slice [begin, end) of the
// characters while it is one, else the built buffer.
class TFieldText {
public:
    void Reset()
    {
        building_ = false;
        begin_ = end_ = 0;
        built_.clear();
    }
    bool Empty() const { return building_ ? built_.empty() : begin_ == end_; }
    bool Building() const { return building_; }
    qsizetype Begin() const { return begin_; }
    qsizetype Size() const { return building_ ? qsizetype(built_.size()) : end_ - begin_; }
    const char16_t *Built() const { return built_.data(); }

    // Appends the characters [from, to) of data.
    void Append(const char16_t *data, qsizetype from, qsizetype to)
    {
        if (!building_) {
            if (begin_ == end_) {
                begin_ = from;
                end_ = to;
                return;
            }
            if (end_ == from) {
                end_ = to;
                return;
            }
            StartBuilding(data);
        }
        built_.insert(built_.end(), data + from, data + to);
    }
    void AppendLineBreak(const char16_t *data)
    {
        if (!building_)
            StartBuilding(data);
        built_.push_back(kCR);
        built_.push_back(kLF);
    }

private:
    void StartBuilding(const char16_t *data)
    {
        building_ = true;
        built_.assign(data + begin_, data + end_);
    }

    bool building_ = false;
    qsizetype begin_ = 0;
    qsizetype end_ = 0;
    std::vector<char16_t> built_;
};

enum class TFieldEnd : uint8_t { feSeparator, feLine, feData };

struct TFieldScan {
    qsizetype at;
    TFieldEnd end;
};

// Reads one field from position i: its text goes to text, and the result
// says where and how the field ended. The rules, first match first: the
// separator ends the field unless the quote count is odd (then it is text);
// the line-break mark gives CR LF; a double quote counts, and is text when the
// count is odd and the text is not empty or the count is 3; CR is dropped; LF
// ends the field and the line.
TFieldScan ScanField(const char16_t *data, qsizetype i, qsizetype n, char16_t separator,
                     char16_t lineBreak, const TSpecials &specials, TFieldText &text)
{
    qsizetype quotes = 0;
    for (;;) {
        const qsizetype run = specials.RunEnd(data, i, n);
        if (run > i) {
            text.Append(data, i, run);
            i = run;
        }
        if (i == n)
            return {n, TFieldEnd::feData};
        const char16_t ch = data[i];
        if (ch == separator) {
            if (quotes % 2 == 0)
                return {i, TFieldEnd::feSeparator};
            text.Append(data, i, i + 1);
        } else if (ch == lineBreak) {
            text.AppendLineBreak(data);
        } else if (ch == kQuote) {
            ++quotes;
            if (quotes % 2 == 1 && (!text.Empty() || quotes == 3))
                text.Append(data, i, i + 1);
        } else if (ch == kLF) {
            return {i, TFieldEnd::feLine};
        }
        // CR is dropped.
        ++i;
    }
}

class TParser {
public:
    TParser(QStringView chars, QChar separator, QChar lineBreak, ITextFileTarget &target,
            TTextOffer *offer)
        : data_(chars.utf16()), n_(chars.size()), separator_(separator.unicode()),
          lineBreak_(lineBreak.unicode()), specials_({separator_, lineBreak_, kQuote, kCR, kLF}),
          target_(target), offer_(offer)
    {
    }

    void Run()
    {
        int row = -1;
        int column = -1;
        bool newRow = true;
        qsizetype i = 0;
        while (i < n_) {
            text_.Reset();
            const qsizetype start = i;
            const TFieldScan scan =
                ScanField(data_, i, n_, separator_, lineBreak_, specials_, text_);
            if (scan.end == TFieldEnd::feData) {
                // An unfinished last field counts only when it holds text, and
                // goes to the row of the field before it.
                if (!text_.Empty())
                    Store(column + 1, row, start, n_);
                return;
            }
            if (newRow) {
                newRow = false;
                target_.AddRow();
                ++row;
                column = -1;
            }
            ++column;
            Store(column, row, start, scan.at);
            newRow = scan.end == TFieldEnd::feLine;
            i = scan.at + 1;
        }
    }

private:
    // Hands the field [start, end) to the target, offering its place.
    void Store(int column, int row, qsizetype start, qsizetype end)
    {
        QString text;
        if (!text_.Building()) {
            if (offer_ && !text_.Empty()) {
                text = QString::fromRawData(reinterpret_cast<const QChar *>(data_ + text_.Begin()),
                                            text_.Size());
                offer_->offset = uint32_t(text_.Begin());
                offer_->length = uint32_t(text_.Size());
                offer_->encoded = false;
            } else if (!text_.Empty()) {
                text =
                    QString(reinterpret_cast<const QChar *>(data_ + text_.Begin()), text_.Size());
            }
        } else {
            text = QString(reinterpret_cast<const QChar *>(text_.Built()), text_.Size());
            if (offer_) {
                offer_->offset = uint32_t(start);
                offer_->length = uint32_t(end - start);
                offer_->encoded = true;
            }
        }
        if (offer_ && !text.isEmpty()) {
            offer_->text = text.constData();
            offer_->size = text.size();
        }
        target_.StoreField(column, row, text);
        if (offer_)
            offer_->text = nullptr;
    }

    const char16_t *data_;
    qsizetype n_;
    char16_t separator_;
    char16_t lineBreak_;
    TSpecials specials_;
    ITextFileTarget &target_;
    TTextOffer *offer_;
    TFieldText text_;
};

} // namespace

void AppendTextField(QString &out, QStringView text, QChar separator, QChar lineBreak)
{
    TTextFieldWriter writer(out, separator, lineBreak);
    writer.Field(text);
    writer.Finish();
}

TTextFieldWriter::TTextFieldWriter(QString &out, QChar separator, QChar lineBreak)
    : out_(out), separator_(separator.unicode()),
      lineBreak_(lineBreak.unicode()), escapes_{separator_, kQuote, kCR, kLF}
{
    // Writing starts after what out holds; the room past the cursor is cut
    // off when the writer finishes.
    const qsizetype held = out_.size();
    begin_ = reinterpret_cast<char16_t *>(out_.data());
    at_ = end_ = begin_ + held;
}

TTextFieldWriter::TTextFieldWriter(QString &buffer, QChar separator, QChar lineBreak, TFlush flush,
                                   qsizetype chunkUnits)
    : out_(buffer), separator_(separator.unicode()),
      lineBreak_(lineBreak.unicode()), escapes_{separator_, kQuote, kCR, kLF},
      flush_(std::move(flush)), chunkUnits_(chunkUnits)
{
    out_.resize(chunkUnits_ + 4096);
    begin_ = at_ = reinterpret_cast<char16_t *>(out_.data());
    end_ = begin_ + out_.size();
}

TTextFieldWriter::~TTextFieldWriter()
{
    out_.truncate(Used());
}

void TTextFieldWriter::Finish()
{
    if (flush_ && Used() > 0)
        FlushLines();
    out_.truncate(Used());
    begin_ = reinterpret_cast<char16_t *>(out_.data());
    at_ = end_ = begin_ + out_.size();
}

void TTextFieldWriter::FlushLines()
{
    flush_(QStringView(begin_, Used()));
    at_ = begin_;
}

void TTextFieldWriter::Grow(qsizetype units)
{
    const qsizetype used = Used();
    out_.resize(std::max(used + units, std::max<qsizetype>(used * 2, 4096)));
    begin_ = reinterpret_cast<char16_t *>(out_.data());
    at_ = begin_ + used;
    end_ = begin_ + out_.size();
}

void TTextFieldWriter::Field(QStringView text)
{
    const char16_t *data = text.utf16();
    const qsizetype n = text.size();
    // Most texts hold none of these and are copied whole.
    const qsizetype first = escapes_.RunEnd(data, 0, n);
    if (first == n) {
        Reserve(n);
        std::memcpy(at_, data, size_t(n) * sizeof(char16_t));
        at_ += n;
        return;
    }
    // At most every character doubled and the two enclosing quotes.
    Reserve(2 * n + 2);
    // Whether to enclose looks at the text, not at what the line breaks become.
    bool enclose = false;
    for (qsizetype i = first; i < n && !enclose; ++i)
        enclose = data[i] == separator_ || data[i] == kQuote;
    if (enclose)
        *at_++ = kQuote;
    std::memcpy(at_, data, size_t(first) * sizeof(char16_t));
    at_ += first;
    for (qsizetype i = first; i < n; ++i) {
        const char16_t ch = data[i];
        if (ch == kQuote) {
            *at_++ = kQuote;
            *at_++ = kQuote;
        } else if (ch == kCR) {
            *at_++ = lineBreak_;
        } else if (ch != kLF) {
            *at_++ = ch;
        }
    }
    if (enclose)
        *at_++ = kQuote;
}

QByteArray TextFileOrderMark(TEncodingKind encoding)
{
    switch (encoding) {
    case TEncodingKind::ekAnsi: break;
    case TEncodingKind::ekUnicode: return QByteArray("\xFF\xFE", 2);
    case TEncodingKind::ekUnicodeBigEndian: return QByteArray("\xFE\xFF", 2);
    }
    return QByteArray();
}

QByteArray EncodeTextUnits(QStringView text, TEncodingKind encoding)
{
    if (encoding == TEncodingKind::ekAnsi)
        return text.toLocal8Bit();
    const bool little = encoding == TEncodingKind::ekUnicode;
    if (little == kLittleEndianHost)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(text.utf16()),
                                       text.size() * qsizetype(sizeof(char16_t)));
    QByteArray bytes(text.size() * qsizetype(sizeof(char16_t)), Qt::Uninitialized);
    qbswap<sizeof(char16_t)>(text.utf16(), text.size(), bytes.data());
    return bytes;
}

QByteArray EncodeTextFile(QStringView text, TEncodingKind encoding)
{
    QByteArray bytes = TextFileOrderMark(encoding);
    bytes.append(EncodeTextUnits(text, encoding));
    return bytes;
}

QString DecodeTextFile(const QByteArray &bytes)
{
    const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
    const bool little = bytes.size() >= 2 && raw[0] == 0xFF && raw[1] == 0xFE;
    const bool big = bytes.size() >= 2 && raw[0] == 0xFE && raw[1] == 0xFF;
    if (!little && !big)
        return QString::fromLatin1(bytes);
    const qsizetype units = (bytes.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    if (little)
        qFromLittleEndian<char16_t>(raw + 2, units, out);
    else
        qFromBigEndian<char16_t>(raw + 2, units, out);
    return text;
}

QString DecodeTextFile(QByteArray &&bytes)
{
    const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
    const bool little = bytes.size() >= 2 && raw[0] == 0xFF && raw[1] == 0xFE;
    const bool big = bytes.size() >= 2 && raw[0] == 0xFE && raw[1] == 0xFF;
    QByteArray::DataPointer &block = bytes.data_ptr();
    // The bytes become the characters where they are, past the order mark:
    // the block's spare room always holds the terminating null.
    if ((!little && !big) || !block.d_ptr() || block.d_ptr()->isShared() ||
        block.freeSpaceAtBegin() != 0 ||
        reinterpret_cast<uintptr_t>(block.data()) % alignof(char16_t) != 0)
        return DecodeTextFile(std::as_const(bytes));
    const qsizetype units = (block.size - 2) / 2;
    QString::DataPointer chars = std::move(block).reinterpreted<char16_t>();
    chars.setBegin(chars.data() + 1);
    chars.size = units;
    char16_t *unit = chars.data();
    if (little != kLittleEndianHost)
        qbswap<sizeof(char16_t)>(unit, units, unit);
    unit[units] = 0;
    return QString(std::move(chars));
}

qsizetype CountLineFeeds(QStringView chars)
{
    const char16_t *data = chars.utf16();
    const qsizetype n = chars.size();
    qsizetype count = 0;
    qsizetype i = 0;
#if defined(__SSE2__)
    // Eight counters of 16 bits, each one taking a hit as -1, emptied before
    // they can overflow.
    const __m128i lf = _mm_set1_epi16(short(kLF));
    const __m128i ones = _mm_set1_epi16(1);
    while (i + 8 <= n) {
        __m128i counters = _mm_setzero_si128();
        for (int round = 0; round < 0x7FFF && i + 8 <= n; ++round, i += 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
            counters = _mm_sub_epi16(counters, _mm_cmpeq_epi16(units, lf));
        }
        alignas(16) int32_t sums[4];
        _mm_store_si128(reinterpret_cast<__m128i *>(sums), _mm_madd_epi16(counters, ones));
        count += qsizetype(sums[0]) + sums[1] + sums[2] + sums[3];
    }
#endif
    for (; i < n; ++i)
        count += data[i] == kLF;
    return count;
}

void ParseTextFile(QStringView chars, QChar separator, QChar lineBreak, ITextFileTarget &target)
{
    TParser(chars, separator, lineBreak, target, nullptr).Run();
}

void ParseTextFile(const QString &chars, QChar separator, QChar lineBreak, ITextFileTarget &target)
{
    if (!TTextArena::CanHold(chars)) {
        ParseTextFile(QStringView(chars), separator, lineBreak, target);
        return;
    }
    TTextOffer offer;
    offer.arena = std::make_shared<const TTextArena>(chars, separator, lineBreak);
    const TTextOfferScope scope(&offer);
    TParser(offer.arena->Chars(), separator, lineBreak, target, &offer).Run();
}

void DecodeTextField(QStringView field, QChar separator, QChar lineBreak, QString &text)
{
    const char16_t *data = field.utf16();
    const TSpecials specials({separator.unicode(), lineBreak.unicode(), kQuote, kCR, kLF});
    // Kept between calls: a scan over many cells allocates no builder of its own.
    thread_local TFieldText built;
    built.Reset();
    [[maybe_unused]] const TFieldScan scan =
        ScanField(data, 0, field.size(), separator.unicode(), lineBreak.unicode(), specials, built);
    assert(scan.end == TFieldEnd::feData);
    const char16_t *from = built.Building() ? built.Built() : data + built.Begin();
    text.resize(built.Size());
    std::copy_n(from, built.Size(), reinterpret_cast<char16_t *>(text.data()));
}
