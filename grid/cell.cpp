#include "grid/cell.h"

#include "grid/cells.h"
#include "grid/cells_host.h"
#include "platform/conversions.h"
#include "platform/errors.h"

TCell::TCell(TCells *owner) : owner_(owner)
{
    SetStateFlag(TLtCellStateFlag::cstLocked, true);
}

TCell::~TCell() = default;

TColor TCell::GetActualColor()
{
    return owner_->Grid()->ActualCellColor(*this, owner_->CurrentColumn(), owner_->CurrentRow());
}

TColor TCell::GetActualFontColor()
{
    return owner_->Grid()->ActualCellFontColor(*this, owner_->CurrentColumn(),
                                               owner_->CurrentRow());
}

void TCell::Changed()
{
    owner_->Changed();
}

void TCell::SetAsBoolean(bool) { Changed(); }
void TCell::SetAsDateTime(double) { Changed(); }
void TCell::SetAsFloat(double) { Changed(); }
void TCell::SetAsInteger(int32_t) { Changed(); }
void TCell::SetAsString(const QString &) { Changed(); }

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
    return hasHint_ ? owner_->hints_.value(this) : QString();
}

void TCell::SetHint(const QString &value)
{
    hasHint_ = !value.isEmpty();
    if (hasHint_)
        owner_->hints_.insert(this, value);
    else
        owner_->hints_.remove(this);
    if (!GetLocked())
        Changed();
}

void *TCell::GetObjectReference() const
{
    return hasObject_ ? owner_->objects_.value(this) : nullptr;
}

void TCell::SetObjectReference(void *object)
{
    hasObject_ = object != nullptr;
    if (hasObject_)
        owner_->objects_.insert(this, object);
    else
        owner_->objects_.remove(this);
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

int TCell::GetColumnIndex() const { return owner_->CurrentColumn(); }
int TCell::GetRowIndex() const { return owner_->CurrentRow(); }

bool TCell::GetHighlighted() const
{
    return owner_->Grid()->CellHighlighted(owner_->CurrentColumn(), owner_->CurrentRow());
}

// --- TStringCell

bool TStringCell::GetAsBoolean() { return StrToBool(value_); }
double TStringCell::GetAsFloat() { return StrToFloat(value_); }
int32_t TStringCell::GetAsInteger() { return StrToInt(value_); }

double TStringCell::GetAsDateTime()
{
    return value_.isEmpty() ? 0 : StrToDateTime(value_);
}

void TStringCell::SetAsBoolean(bool value)
{
    value_ = BoolToStr(value);
    TCell::SetAsBoolean(value);
}

void TStringCell::SetAsDateTime(double value)
{
    value_ = DateTimeToStr(value);
    TCell::SetAsDateTime(value);
}

void TStringCell::SetAsFloat(double value)
{
    value_ = FloatToStr(value);
    TCell::SetAsFloat(value);
}

void TStringCell::SetAsInteger(int32_t value)
{
    value_ = IntToStr(value);
    TCell::SetAsInteger(value);
}

void TStringCell::SetAsString(const QString &value)
{
    value_ = value;
    TCell::SetAsString(value);
}

void TStringCell::Clear()
{
    value_.clear();
    Changed();
}

// --- TIntegerCell

QString TIntegerCell::GetAsString() { return IntToStr(value_); }

void TIntegerCell::SetAsBoolean(bool value)
{
    value_ = value ? 1 : 0;
    TCell::SetAsBoolean(value);
}

void TIntegerCell::SetAsDateTime(double value)
{
    value_ = 0;
    TCell::SetAsDateTime(value);
}

void TIntegerCell::SetAsFloat(double value)
{
    value_ = RoundHalfEven(value);
    TCell::SetAsFloat(value);
}

void TIntegerCell::SetAsInteger(int32_t value)
{
    value_ = value;
    TCell::SetAsInteger(value);
}

void TIntegerCell::SetAsString(const QString &value)
{
    value_ = value.isEmpty() ? 0 : StrToInt(value);
    TCell::SetAsString(value);
}

void TIntegerCell::Clear()
{
    value_ = 0;
    Changed();
}

// --- TBooleanCell

QString TBooleanCell::GetAsString() { return BoolToStr(value_); }

void TBooleanCell::SetAsBoolean(bool value)
{
    value_ = value;
    TCell::SetAsBoolean(value);
}

void TBooleanCell::SetAsDateTime(double value)
{
    value_ = false;
    TCell::SetAsDateTime(value);
}

void TBooleanCell::SetAsFloat(double value)
{
    value_ = value != 0;
    TCell::SetAsFloat(value);
}

void TBooleanCell::SetAsInteger(int32_t value)
{
    value_ = value != 0;
    TCell::SetAsInteger(value);
}

void TBooleanCell::SetAsString(const QString &value)
{
    // Through the 8-bit form with only A to Z lowered: "TRUE" checks, " true" does not.
    value_ = value.toLocal8Bit().toLower() == "true";
    TCell::SetAsString(value);
}

void TBooleanCell::Clear()
{
    value_ = false;
    Changed();
}

// --- TFloatCell

int32_t TFloatCell::GetAsInteger() { return RoundHalfEven(value_); }
QString TFloatCell::GetAsString() { return FloatToStr(value_); }

void TFloatCell::SetAsBoolean(bool value)
{
    value_ = 0;
    TCell::SetAsBoolean(value);
}

void TFloatCell::SetAsDateTime(double value)
{
    value_ = value;
    TCell::SetAsDateTime(value);
}

void TFloatCell::SetAsFloat(double value)
{
    value_ = value;
    TCell::SetAsFloat(value);
}

void TFloatCell::SetAsInteger(int32_t value)
{
    value_ = value;
    TCell::SetAsInteger(value);
}

void TFloatCell::SetAsString(const QString &value)
{
    value_ = StrToFloat(value);
    TCell::SetAsString(value);
}

void TFloatCell::Clear()
{
    value_ = 0;
    Changed();
}

// --- TDateTimeCell

int32_t TDateTimeCell::GetAsInteger() { return RoundHalfEven(value_); }
QString TDateTimeCell::GetAsString() { return DateTimeToStr(value_); }

void TDateTimeCell::SetAsBoolean(bool value)
{
    value_ = Today();
    TCell::SetAsBoolean(value);
}

void TDateTimeCell::SetAsDateTime(double value)
{
    value_ = value;
    TCell::SetAsDateTime(value);
}

void TDateTimeCell::SetAsFloat(double value)
{
    value_ = value;
    TCell::SetAsFloat(value);
}

void TDateTimeCell::SetAsInteger(int32_t value)
{
    value_ = value;
    TCell::SetAsInteger(value);
}

void TDateTimeCell::SetAsString(const QString &value)
{
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

void TDateTimeCell::Clear()
{
    value_ = 0;
    Changed();
}

// --- TIncrementCell

QString TIncrementCell::GetAsString() { return IntToStr(GetAsInteger()); }
