#pragma once
// The sub-objects of a column: its header and footer settings (TColumnPart and
// its two descendants) and the cell rectangle inside a slide. A part reports
// every change of its settings through OnChange, which the owning column
// answers by repainting that part.

#include "grid_window/column_types.h"

#include <QImage>
#include <QString>

#include <functional>

class TLtCustomColumn;

enum class TDisplayMode : uint8_t { dmImageOnly, dmTextAndImage, dmTextOnly };
enum class THeaderOrientation : uint8_t { hoHorizontal, hoVertical };
enum class TFormulaKind : uint8_t {
    fkNone,
    fkAverage,
    fkCount,
    fkDistinct,
    fkMaximum,
    fkMinimum,
    fkSum,
    fkCustom
};
enum class TFormatMaskKind : uint8_t { mkText, mkFloat };

class TColumnPart {
public:
    TColumnPart(const TColumnPart &) = delete;
    TColumnPart &operator=(const TColumnPart &) = delete;

    TLtCustomColumn &Column() const { return column_; }

    const QString &Caption() const { return caption_; }
    void SetCaption(const QString &value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TDisplayMode value);
    // Drawn transparent; empty by default.
    const QImage &Glyph() const { return glyph_; }
    void SetGlyph(const QImage &value);
    const QString &Hint() const { return hint_; }
    void SetHint(const QString &value);
    // Copies caption, colour, display mode, glyph and hint.
    void AssignPart(const TColumnPart &source);

    std::function<void()> OnChange;

protected:
    TColumnPart(TLtCustomColumn &column, TColor color);
    ~TColumnPart() = default;
    void Changed();
    template <typename T>
    void Store(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    TLtCustomColumn &column_;
    QString caption_;
    TColor color_;
    TDisplayMode displayMode_ = TDisplayMode::dmTextOnly;
    QImage glyph_;
    QString hint_;
};

class TColumnHeader : public TColumnPart {
public:
    explicit TColumnHeader(TLtCustomColumn &column);
    void Assign(const TColumnHeader &source);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Store(alignment_, value); }
    bool HideArrow() const { return hideArrow_; }
    void SetHideArrow(bool value) { Store(hideArrow_, value); }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value) { Store(multiLine_, value); }
    THeaderOrientation Orientation() const { return orientation_; }
    void SetOrientation(THeaderOrientation value) { Store(orientation_, value); }

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool hideArrow_ = true;
    bool multiLine_ = false;
    THeaderOrientation orientation_ = THeaderOrientation::hoHorizontal;
};

// Carried as data: the grid shows no footer.
class TColumnFooter : public TColumnPart {
public:
    explicit TColumnFooter(TLtCustomColumn &column);
    void Assign(const TColumnFooter &source);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Store(alignment_, value); }
    TFormulaKind FormulaKind() const { return formulaKind_; }
    void SetFormulaKind(TFormulaKind value) { Store(formulaKind_, value); }
    double FormulaValue() const { return formulaValue_; }
    void SetFormulaValue(double value) { Store(formulaValue_, value); }
    const QString &FormatMask() const { return formatMask_; }
    void SetFormatMask(const QString &value) { Store(formatMask_, value); }
    TFormatMaskKind FormatMaskKind() const { return formatMaskKind_; }
    void SetFormatMaskKind(TFormatMaskKind value) { Store(formatMaskKind_, value); }
    const QString &TextBefore() const { return textBefore_; }
    void SetTextBefore(const QString &value) { Store(textBefore_, value); }
    const QString &TextAfter() const { return textAfter_; }
    void SetTextAfter(const QString &value) { Store(textAfter_, value); }

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TFormulaKind formulaKind_ = TFormulaKind::fkNone;
    double formulaValue_ = 0;
    QString formatMask_;
    TFormatMaskKind formatMaskKind_ = TFormatMaskKind::mkText;
    QString textBefore_;
    QString textAfter_;
};

// The column's cell rectangle inside a slide; carried as data: the grid has no
// slides style.
struct TLtSlideBounds {
    int Left = 8;
    int Top = 8;
    int Width = 80;
    int Height = 16;
    friend bool operator==(const TLtSlideBounds &, const TLtSlideBounds &) = default;
};
