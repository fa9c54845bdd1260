#include "grid_core/cell.h"

#include "grid_core/cells.h"
#include "grid_core/cells_host.h"
#include "grid_core/slab_pool.h"
#include "grid_core/text_arena.h"
#include "grid_core/text_file.h"
#include "grid_core/visible_text.h"
#include "platform/conversions.h"
#include "platform/errors.h"

#include <algorithm>
#include <cassert>
#include <iterator>
#include <utility>

#if INTPTR_MAX == INT64_MAX
static_assert(sizeof(TCell) == 16 && sizeof(TBooleanCell) == 16);
static_assert(sizeof(TStringCell) == 24 && sizeof(TIntegerCell) == 24);
#endif

TCell::TCell([[maybe_unused]] TCells *owner)
{
    // The store builds cells only in its own pools.
    assert(Owner() == owner);
    state_ = uint8_t(TLtCellState{TLtCellStateFlag::cstLocked}.Bits());
}

TCell::~TCell() = default;

QStringView TCell::GetAsStringView(QString &scratch)
{
    scratch = GetAsString();
    return scratch;
}

TCells *TCell::Owner() const
{
    return static_cast<TCells *>(TSlabPool::TagOf(this));
}

TColor TCell::GetActualColor()
{
    return Owner()->Grid()->ActualCellColor(*this, Owner()->CurrentColumn(), Owner()->CurrentRow());
}

TColor TCell::GetActualFontColor()
{
    return Owner()->Grid()->ActualCellFontColor(*this, Owner()->CurrentColumn(),
                                                Owner()->CurrentRow());
}

void TCell::Changed()
{
    Owner()->Changed();
}

void TCell::BeforeChange()
{
    Owner()->readGuard_.KeepBeforeChange(this, [this] { return GetAsString(); });
}

QString TCell::GetAsStringStart(qsizetype count)
{
    const QString text = GetAsString();
    return text.size() <= count ? text : TextStart(text, count).toString();
}

QString TCell::GetVisibleString(const TVisibleArea &area)
{
    const QString start = GetAsStringStart(VisibleChars(area));
    const QStringView shown = VisibleText(start, area);
    return shown.size() == start.size() ? start : shown.toString();
}

void TCell::SetAsBoolean(bool)
{
    Changed();
}
void TCell::SetAsDateTime(double)
{
    Changed();
}
void TCell::SetAsFloat(double)
{
    Changed();
}
void TCell::SetAsInteger(int32_t)
{
    Changed();
}
void TCell::SetAsString(const QString &)
{
    Changed();
}

void TCell::SetStateFlag(TLtCellStateFlag flag, bool on)
{
    TLtCellState state = GetState();
    on ? state.Include(flag) : state.Exclude(flag);
    state_ = uint8_t(state.Bits());
}

void TCell::SetColor(TColor value)
{
    color_ = value;
    if (!GetLocked())
        Changed();
}

void TCell::SetFontStyle(TFontStyles value)
{
    fontStyle_ = uint8_t(value.Bits());
    if (!GetLocked())
        Changed();
}

QString TCell::GetHint() const
{
    return hasHint_ ? Owner()->hints_.value(this) : QString();
}

void TCell::SetHint(const QString &value)
{
    hasHint_ = !value.isEmpty();
    if (hasHint_)
        Owner()->hints_.insert(this, value);
    else
        Owner()->hints_.remove(this);
    if (!GetLocked())
        Changed();
}

void *TCell::GetObjectReference() const
{
    return hasObject_ ? Owner()->objects_.value(this) : nullptr;
}

void TCell::SetObjectReference(void *object)
{
    hasObject_ = object != nullptr;
    if (hasObject_)
        Owner()->objects_.insert(this, object);
    else
        Owner()->objects_.remove(this);
}

void TCell::SetLocked(bool value)
{
    SetStateFlag(TLtCellStateFlag::cstLocked, value);
}

void TCell::SetEmpty(bool value)
{
    SetStateFlag(TLtCellStateFlag::cstEmpty, value);
    Changed();
}

int TCell::GetColumnIndex() const
{
    return Owner()->CurrentColumn();
}
int TCell::GetRowIndex() const
{
    return Owner()->CurrentRow();
}

bool TCell::GetHighlighted() const
{
    return Owner()->Grid()->CellHighlighted(Owner()->CurrentColumn(), Owner()->CurrentRow());
}

// --- TStringCell

TStringCell::~TStringCell()
{
    ReleaseText();
}

void TStringCell::ReleaseText()
{
    if (Kind() == tkOwned) {
        delete owned_;
        --Owner()->ownedTexts_;
    }
    owned_ = nullptr;
    small_ = tkEmpty;
}

void TStringCell::StoreText(const QString &value)
{
    if (value.isEmpty()) {
        ReleaseText();
        return;
    }
    if (const TTextOffer *offer = OfferFor(value)) {
        const int arena = Owner()->ArenaIndex(offer->arena);
        if (arena >= 0) {
            ReleaseText();
            place_ = {offer->offset, offer->length};
            small_ = uint8_t((arena << kKindBits) | (offer->encoded ? tkEncoded : tkExact));
            return;
        }
    }
    // A text that only refers to someone else's characters must not outlive them.
    QString copy = value.data_ptr().isMutable() ? value : QString(value.constData(), value.size());
    if (Kind() == tkOwned) {
        *owned_ = std::move(copy);
        return;
    }
    QString *owned = new QString(std::move(copy));
    ReleaseText();
    owned_ = owned;
    small_ = tkOwned;
    ++Owner()->ownedTexts_;
}

QString TStringCell::GetAsString()
{
    switch (Kind()) {
    case tkEmpty: return QString();
    case tkOwned: return *owned_;
    case tkExact:
    case tkEncoded: break;
    }
    return Owner()->Arena(ArenaIndex()).Text(place_.offset, place_.length, Kind() == tkEncoded);
}

QString TStringCell::GetAsStringStart(qsizetype count)
{
    switch (Kind()) {
    case tkEmpty: return QString();
    case tkOwned: return owned_->size() <= count ? *owned_ : TextStart(*owned_, count).toString();
    case tkExact:
        return TextStart(Owner()->Arena(ArenaIndex()).View(place_.offset, place_.length), count)
            .toString();
    case tkEncoded: break;
    }
    // The start of a field decodes to the start of its text, and every text
    // character comes from at most two of the field's (a doubled quote), so
    // this many give count of them unless the field drops CRs.
    const qsizetype read = std::min<qsizetype>(place_.length, 2 * count + 2);
    const QString text = Owner()->Arena(ArenaIndex()).Text(place_.offset, uint32_t(read), true);
    return text.size() <= count ? text : TextStart(text, count).toString();
}

QStringView TStringCell::GetAsStringView(QString &scratch)
{
    switch (Kind()) {
    case tkEmpty: return {};
    case tkOwned: return *owned_;
    case tkExact: return Owner()->Arena(ArenaIndex()).View(place_.offset, place_.length);
    case tkEncoded:
        Owner()->Arena(ArenaIndex()).Decode(place_.offset, place_.length, scratch);
        break;
    }
    return scratch;
}

void TStringCell::WriteField(TTextFieldWriter &writer, int) const
{
    switch (Kind()) {
    case tkEmpty: return;
    case tkOwned: writer.Field(*owned_); return;
    case tkExact:
        writer.Field(Owner()->Arena(ArenaIndex()).View(place_.offset, place_.length));
        return;
    case tkEncoded:
        writer.Field(Owner()->Arena(ArenaIndex()).Text(place_.offset, place_.length, true));
        return;
    }
}

bool TStringCell::GetAsBoolean()
{
    return StrToBool(GetAsString());
}
double TStringCell::GetAsFloat()
{
    return StrToFloat(GetAsString());
}
int32_t TStringCell::GetAsInteger()
{
    return StrToInt(GetAsString());
}

double TStringCell::GetAsDateTime()
{
    return Kind() == tkEmpty ? 0 : StrToDateTime(GetAsString());
}

void TStringCell::SetAsBoolean(bool value)
{
    BeforeChange();
    StoreText(BoolToStr(value));
    TCell::SetAsBoolean(value);
}

void TStringCell::SetAsDateTime(double value)
{
    BeforeChange();
    StoreText(DateTimeToStr(value));
    TCell::SetAsDateTime(value);
}

void TStringCell::SetAsFloat(double value)
{
    BeforeChange();
    StoreText(FloatToStr(value));
    TCell::SetAsFloat(value);
}

void TStringCell::SetAsInteger(int32_t value)
{
    BeforeChange();
    StoreText(IntToStr(value));
    TCell::SetAsInteger(value);
}

void TStringCell::SetAsString(const QString &value)
{
    BeforeChange();
    StoreText(value);
    TCell::SetAsString(value);
}

void TStringCell::Clear()
{
    BeforeChange();
    ReleaseText();
    Changed();
}

// --- TIntegerCell

QString TIntegerCell::GetAsString()
{
    return IntToStr(value_);
}

void TIntegerCell::WriteField(TTextFieldWriter &writer, int) const
{
    // The decimal text, made without a string of its own.
    char16_t digits[12];
    char16_t *end = digits + std::size(digits);
    char16_t *at = end;
    uint32_t magnitude = value_ < 0 ? 0u - uint32_t(value_) : uint32_t(value_);
    do {
        *--at = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value_ < 0)
        *--at = u'-';
    writer.Field(QStringView(at, end - at));
}

void TIntegerCell::SetAsBoolean(bool value)
{
    BeforeChange();
    value_ = value ? 1 : 0;
    TCell::SetAsBoolean(value);
}

void TIntegerCell::SetAsDateTime(double value)
{
    BeforeChange();
    value_ = 0;
    TCell::SetAsDateTime(value);
}

void TIntegerCell::SetAsFloat(double value)
{
    BeforeChange();
    value_ = RoundHalfEven(value);
    TCell::SetAsFloat(value);
}

void TIntegerCell::SetAsInteger(int32_t value)
{
    BeforeChange();
    value_ = value;
    TCell::SetAsInteger(value);
}

void TIntegerCell::SetAsString(const QString &value)
{
    BeforeChange();
    value_ = value.isEmpty() ? 0 : StrToInt(value);
    TCell::SetAsString(value);
}

void TIntegerCell::Clear()
{
    BeforeChange();
    value_ = 0;
    Changed();
}

// --- TBooleanCell

QString TBooleanCell::GetAsString()
{
    return BoolToStr(small_ != 0);
}

void TBooleanCell::WriteField(TTextFieldWriter &writer, int) const
{
    writer.Field(BoolToStr(small_ != 0));
}

void TBooleanCell::SetAsBoolean(bool value)
{
    BeforeChange();
    small_ = value;
    TCell::SetAsBoolean(value);
}

void TBooleanCell::SetAsDateTime(double value)
{
    BeforeChange();
    small_ = false;
    TCell::SetAsDateTime(value);
}

void TBooleanCell::SetAsFloat(double value)
{
    BeforeChange();
    small_ = value != 0;
    TCell::SetAsFloat(value);
}

void TBooleanCell::SetAsInteger(int32_t value)
{
    BeforeChange();
    small_ = value != 0;
    TCell::SetAsInteger(value);
}

void TBooleanCell::SetAsString(const QString &value)
{
    BeforeChange();
    // Through the 8-bit form with only A to Z lowered: "TRUE" checks, " true"
    // does not. Only four ASCII letters can give "true", so look at those.
    bool checked = value.size() == 4;
    for (qsizetype i = 0; checked && i < 4; ++i) {
        char16_t ch = value[i].unicode();
        if (ch >= u'A' && ch <= u'Z')
            ch += u'a' - u'A';
        checked = ch == u"true"[i];
    }
    small_ = checked;
    TCell::SetAsString(value);
}

void TBooleanCell::Clear()
{
    BeforeChange();
    small_ = false;
    Changed();
}

// --- TRealCell

int32_t TRealCell::GetAsInteger()
{
    return RoundHalfEven(value_);
}

void TRealCell::SetAsDateTime(double value)
{
    BeforeChange();
    value_ = value;
    TCell::SetAsDateTime(value);
}

void TRealCell::SetAsFloat(double value)
{
    BeforeChange();
    value_ = value;
    TCell::SetAsFloat(value);
}

void TRealCell::SetAsInteger(int32_t value)
{
    BeforeChange();
    value_ = value;
    TCell::SetAsInteger(value);
}

void TRealCell::Clear()
{
    BeforeChange();
    value_ = 0;
    Changed();
}

// --- TFloatCell

QString TFloatCell::GetAsString()
{
    return FloatToStr(value_);
}

void TFloatCell::WriteField(TTextFieldWriter &writer, int) const
{
    writer.Field(FloatToStr(value_));
}

void TFloatCell::SetAsBoolean(bool value)
{
    BeforeChange();
    value_ = 0;
    TCell::SetAsBoolean(value);
}

void TFloatCell::SetAsString(const QString &value)
{
    BeforeChange();
    value_ = StrToFloat(value);
    TCell::SetAsString(value);
}

// --- TDateTimeCell

QString TDateTimeCell::GetAsString()
{
    return DateTimeToStr(value_);
}

void TDateTimeCell::WriteField(TTextFieldWriter &writer, int) const
{
    writer.Field(DateTimeToStr(value_));
}

void TDateTimeCell::SetAsBoolean(bool value)
{
    BeforeChange();
    value_ = Today();
    TCell::SetAsBoolean(value);
}

void TDateTimeCell::SetAsString(const QString &value)
{
    BeforeChange();
    double parsed = 0;
    if (!value.isEmpty()) {
        try {
            parsed = StrToDateTime(value);
        } catch (const EConvertError &) {
            parsed = 0;
        }
    }
    value_ = parsed;
    TCell::SetAsString(value);
}

// --- TIncrementCell

QString TIncrementCell::GetAsString()
{
    return IntToStr(GetAsInteger());
}

void TIncrementCell::WriteField(TTextFieldWriter &writer, int row) const
{
    writer.Field(IntToStr(row + 1));
}
