#pragma once
// One grid cell: a typed value, converted on every read and write, with its
// own background colour, font style, hint and state.
//
// A cell does not know where it is: GetColumnIndex, GetRowIndex, the change
// report and TIncrementCell's value use the store's most recent GetCell
// position. Fetch a cell right before changing it.
//
// Cells are created and destroyed only by their store (TCells), which keeps
// them in its own pools.

#include "grid/grid_types.h"

#include <QString>

#include <cstdint>

class TCells;

enum class TLtCellStateFlag : uint8_t { cstEmpty, cstLocked };
using TLtCellState = TSet<TLtCellStateFlag>;

class TCell {
public:
    TCell(const TCell &) = delete;
    TCell &operator=(const TCell &) = delete;

    TCells *Owner() const { return owner_; }

    virtual TColor GetActualColor();
    virtual TColor GetActualFontColor();
    virtual bool GetAsBoolean() = 0;
    virtual double GetAsDateTime() = 0;
    virtual double GetAsFloat() = 0;
    virtual int32_t GetAsInteger() = 0;
    virtual QString GetAsString() = 0;
    virtual void Changed();
    // Each subclass stores its value, then calls these, which report the change.
    virtual void SetAsBoolean(bool value);
    virtual void SetAsDateTime(double value);
    virtual void SetAsFloat(double value);
    virtual void SetAsInteger(int32_t value);
    virtual void SetAsString(const QString &value);
    virtual void Clear() = 0;

    TColor GetColor() const { return color_; }
    void SetColor(TColor value);
    TFontStyles GetFontStyle() const { return TFontStyles::FromBits(fontStyle_); }
    void SetFontStyle(TFontStyles value);
    QString GetHint() const;
    void SetHint(const QString &value);
    // An object attached to the cell, not owned.
    void *GetObjectReference() const;
    void SetObjectReference(void *object);

    TLtCellState GetState() const { return TLtCellState::FromBits(state_); }
    bool GetLocked() const { return GetState().Contains(TLtCellStateFlag::cstLocked); }
    void SetLocked(bool value);
    bool GetEmpty() const { return GetState().Contains(TLtCellStateFlag::cstEmpty); }
    void SetEmpty(bool value);

    int GetColumnIndex() const;
    int GetRowIndex() const;
    bool GetHighlighted() const;

protected:
    explicit TCell(TCells *owner);
    virtual ~TCell();

private:
    friend class TCells;
    void SetStateFlag(TLtCellStateFlag flag, bool on);

    TCells *owner_;
    TColor color_ = clWhite;
    uint8_t fontStyle_ = 0;
    uint8_t state_ = 0;
    // Hint and object reference are rare: the store keeps them aside.
    bool hasHint_ = false;
    bool hasObject_ = false;
    uint8_t pool_ = 0;
};

class TStringCell : public TCell {
public:
    bool GetAsBoolean() override;
    double GetAsDateTime() override;
    double GetAsFloat() override;
    int32_t GetAsInteger() override;
    QString GetAsString() override { return value_; }
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const QString &value) override;
    void Clear() override;

protected:
    friend class TCells;
    using TCell::TCell;
    QString value_;
};

class TIntegerCell : public TCell {
public:
    bool GetAsBoolean() override { return value_ > 0; }
    double GetAsDateTime() override { return 0; }
    double GetAsFloat() override { return value_; }
    int32_t GetAsInteger() override { return value_; }
    QString GetAsString() override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const QString &value) override;
    void Clear() override;

private:
    friend class TCells;
    using TCell::TCell;
    int32_t value_ = 0;
};

class TBooleanCell : public TCell {
public:
    bool GetAsBoolean() override { return value_; }
    double GetAsDateTime() override { return 0; }
    double GetAsFloat() override { return value_ ? 1 : 0; }
    int32_t GetAsInteger() override { return value_ ? 1 : 0; }
    QString GetAsString() override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const QString &value) override;
    void Clear() override;

private:
    friend class TCells;
    using TCell::TCell;
    bool value_ = false;
};

class TFloatCell : public TCell {
public:
    bool GetAsBoolean() override { return false; }
    double GetAsDateTime() override { return value_; }
    double GetAsFloat() override { return value_; }
    int32_t GetAsInteger() override;
    QString GetAsString() override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const QString &value) override;
    void Clear() override;

private:
    friend class TCells;
    using TCell::TCell;
    double value_ = 0;
};

class TDateTimeCell : public TCell {
public:
    bool GetAsBoolean() override { return false; }
    double GetAsDateTime() override { return value_; }
    double GetAsFloat() override { return value_; }
    int32_t GetAsInteger() override;
    QString GetAsString() override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const QString &value) override;
    void Clear() override;

private:
    friend class TCells;
    using TCell::TCell;
    double value_ = 0;
};

// Shows its row number; stores nothing.
class TIncrementCell : public TCell {
public:
    bool GetAsBoolean() override { return false; }
    double GetAsDateTime() override { return 0; }
    double GetAsFloat() override { return GetRowIndex() + 1; }
    int32_t GetAsInteger() override { return GetRowIndex() + 1; }
    QString GetAsString() override;
    void Clear() override {}

private:
    friend class TCells;
    using TCell::TCell;
};

// GUID and virtual columns hold plain text cells.
class TGuidCell : public TStringCell {
    friend class TCells;
    using TStringCell::TStringCell;
};

class TVirtualCell : public TStringCell {
    friend class TCells;
    using TStringCell::TStringCell;
};
