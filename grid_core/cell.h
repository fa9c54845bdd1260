#pragma once
// One grid cell: a typed value, converted on every read and write, with its
// own background colour, font style, hint and state.
//
// A cell does not know where it is: GetColumnIndex, GetRowIndex, the change
// report and TIncrementCell's value use the store's most recent GetCell
// position. Fetch a cell right before changing it.
//
// Cells are created and destroyed only by their store (TCells), which keeps
// them in its own pools; a cell finds its store through the pool block it
// lives in. A million rows hold seven million cells, so each is kept small:
// 16 bytes for the base, 24 for a text or integer cell.

#include "grid_core/grid_types.h"

#include <QString>

#include <cstdint>

class TCells;
class TTextFieldWriter;
struct TVisibleArea;

enum class TLtCellStateFlag : uint8_t { cstEmpty, cstLocked };
using TLtCellState = TSet<TLtCellStateFlag>;

class TCell {
public:
    TCell(const TCell &) = delete;
    TCell &operator=(const TCell &) = delete;

    TCells *Owner() const;

    virtual TColor GetActualColor();
    virtual TColor GetActualFontColor();
    virtual bool GetAsBoolean() = 0;
    virtual double GetAsDateTime() = 0;
    virtual double GetAsFloat() = 0;
    virtual int32_t GetAsInteger() = 0;
    virtual QString GetAsString() = 0;
    // The first count characters of GetAsString (all of it when shorter),
    // never ending inside a surrogate pair, made without the rest.
    virtual QString GetAsStringStart(qsizetype count);
    // What area can show of the text (visible_text.h): painting and hints
    // take this, so a huge text costs no more than a short one.
    QString GetVisibleString(const TVisibleArea &area);
    // GetAsString as a view, valid until the cell or scratch changes: a text
    // cell shows its characters where they lie, others build them in scratch.
    virtual QStringView GetAsStringView(QString &scratch);
    virtual void Changed();
    // Each subclass stores its value, then calls these, which report the change.
    virtual void SetAsBoolean(bool value);
    virtual void SetAsDateTime(double value);
    virtual void SetAsFloat(double value);
    virtual void SetAsInteger(int32_t value);
    virtual void SetAsString(const QString &value);
    virtual void Clear() = 0;
    // Writes the cell's field of the grid's text format: what
    // AppendTextField makes of GetAsString, without the temporary string.
    // row is the cell's own. Reads the cell and its store's texts only, so
    // another thread may call it while the store holds the cell still
    // (TCellsReadGuard).
    virtual void WriteField(TTextFieldWriter &writer, int row) const = 0;

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
    // First in every value setter: keeps the text as it was for a reader of
    // the store on another thread (TCellsReadGuard).
    void BeforeChange();

private:
    friend class TCells;
    void SetStateFlag(TLtCellStateFlag flag, bool on);

    TColor color_ = clWhite;
    uint8_t fontStyle_ = 0;
    uint8_t state_ = 0;
    // Hint and object reference are rare: the store keeps them aside.
    bool hasHint_ : 1 = false;
    bool hasObject_ : 1 = false;

protected:
    // The last byte of the base, which a cell class may use for a small value
    // of its own.
    uint8_t small_ = 0;
};

// Its text is empty, an owned string, or a place in a file that a load read
// (TTextArena): loading a profile copies no field. The first change of the
// text gives the cell an owned string.
class TStringCell : public TCell {
public:
    bool GetAsBoolean() override;
    double GetAsDateTime() override;
    double GetAsFloat() override;
    int32_t GetAsInteger() override;
    QString GetAsString() override;
    QString GetAsStringStart(qsizetype count) override;
    QStringView GetAsStringView(QString &scratch) override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const QString &value) override;
    void Clear() override;
    void WriteField(TTextFieldWriter &writer, int row) const override;

protected:
    friend class TCells;
    using TCell::TCell;
    ~TStringCell() override;

private:
    enum TTextKind : uint8_t { tkEmpty, tkOwned, tkExact, tkEncoded };
    static constexpr int kKindBits = 2;
    struct TPlace {
        uint32_t offset;
        uint32_t length;
    };

    TTextKind Kind() const { return TTextKind(small_ & ((1 << kKindBits) - 1)); }
    int ArenaIndex() const { return small_ >> kKindBits; }
    // Keeps value: as its place when a load offers it, else as an owned copy.
    void StoreText(const QString &value);
    void ReleaseText();

    union {
        QString *owned_ = nullptr;
        TPlace place_;
    };
};

class TIntegerCell : public TCell {
public:
    void WriteField(TTextFieldWriter &writer, int row) const override;
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

// Its value is the base's small byte.
class TBooleanCell : public TCell {
public:
    void WriteField(TTextFieldWriter &writer, int row) const override;
    bool GetAsBoolean() override { return small_ != 0; }
    double GetAsDateTime() override { return 0; }
    double GetAsFloat() override { return small_ ? 1 : 0; }
    int32_t GetAsInteger() override { return small_ ? 1 : 0; }
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
};

// A floating-point value. The float and date-time kinds share it and differ
// only in its text (both ways) and in what a boolean stores.
class TRealCell : public TCell {
public:
    bool GetAsBoolean() override { return false; }
    double GetAsDateTime() override { return value_; }
    double GetAsFloat() override { return value_; }
    int32_t GetAsInteger() override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void Clear() override;

protected:
    using TCell::TCell;
    double value_ = 0;
};

// A boolean stores 0.
class TFloatCell : public TRealCell {
public:
    void WriteField(TTextFieldWriter &writer, int row) const override;
    QString GetAsString() override;
    void SetAsBoolean(bool value) override;
    void SetAsString(const QString &value) override;

private:
    friend class TCells;
    using TRealCell::TRealCell;
};

// A boolean stores today; a text that is no date stores 0.
class TDateTimeCell : public TRealCell {
public:
    void WriteField(TTextFieldWriter &writer, int row) const override;
    QString GetAsString() override;
    void SetAsBoolean(bool value) override;
    void SetAsString(const QString &value) override;

private:
    friend class TCells;
    using TRealCell::TRealCell;
};

// Shows its row number; stores nothing.
class TIncrementCell : public TCell {
public:
    bool GetAsBoolean() override { return false; }
    double GetAsDateTime() override { return 0; }
    double GetAsFloat() override { return GetRowIndex() + 1; }
    int32_t GetAsInteger() override { return GetRowIndex() + 1; }
    QString GetAsString() override;
    void WriteField(TTextFieldWriter &writer, int row) const override;
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
