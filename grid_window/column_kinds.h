#pragma once
// The three column kinds of the application's grid: what each stores (its
// ColumnType), what it supports (its style), which painter, handler and
// editor it names, and its own properties.

#include "grid_window/custom_column.h"

#include <QImage>

// Free text, edited in place.
class TLtTextColumn : public TLtCustomColumn {
public:
    TLtTextColumn();

    // 0: no limit; given to the editor.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    // When not 0, the cell shows this character once per character of its draw text.
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar value);
    // Drawn around the cell's text; not part of the value.
    const QString &TextBefore() const { return textBefore_; }
    void SetTextBefore(const QString &value);
    const QString &TextAfter() const { return textAfter_; }
    void SetTextAfter(const QString &value);

    // Also copies MaxLength, MultiLine, PasswordChar, TextBefore and TextAfter.
    void Assign(const TLtCustomColumn &source) override;
    TCellEditorClass GetCellEditorClass() const override;
    const TColumnDisplay *Display() const override;
    TColumnStyle GetColumnStyle() const override;
    int GetCellBestFit(const QString &text) const override;
    TDisplayOptions GetDisplayOptions() const override;
    QString GetDrawText(const TCellInfo &info) const override;
    bool IsKeyValid(QChar key) const override;
    // The base preparation, then in-place mode, MaxLength and PasswordChar.
    void BeginEditing() override;

private:
    int maxLength_ = 0;
    bool multiLine_ = false;
    QChar passwordChar_;
    QString textBefore_;
    QString textAfter_;
};

// A small integer shown as a row of Max glyphs, set by clicking a glyph.
class TLtRateColumn : public TLtCustomColumn {
public:
    TLtRateColumn();

    const QImage &Glyph() const { return glyph_; }
    void SetGlyph(const QImage &value);
    // Drawn in the places above the value; empty leaves them blank.
    const QImage &EmptyGlyph() const { return emptyGlyph_; }
    void SetEmptyGlyph(const QImage &value);
    int Max() const { return max_; }
    void SetMax(int value);
    // Glyphs are drawn with their bottom-left pixel's colour left out.
    bool Transparent() const { return transparent_; }
    // The glyphs as drawn: worked out once, when a glyph or Transparent changes.
    const QImage &DrawnGlyph() const { return drawnGlyph_; }
    const QImage &DrawnEmptyGlyph() const { return drawnEmptyGlyph_; }
    void SetTransparent(bool value);
    // A value of 0 draws nothing.
    bool HideWhenEmpty() const { return hideWhenEmpty_; }
    void SetHideWhenEmpty(bool value);

    // Also copies EmptyGlyph, Glyph, Max and Transparent (not HideWhenEmpty).
    void Assign(const TLtCustomColumn &source) override;
    const TColumnDisplay *Display() const override;
    TColumnStyle GetColumnStyle() const override;
    // A glyph clicked or a key typed (TRateColumnPlay) sets the value at once.
    TElementRole ElementRole() const override;
    std::optional<int> ElementPress(QSize cell, QPoint point, TCell &value) const override;
    std::optional<int> ElementKey(QChar key, TCell &value) const override;
    int ElementMax() const override { return max_; }
    int DrawingHeight() const override { return glyph_.height(); }
    std::optional<QString> AccessibleText(const QString &name, TCell &value) const override;

private:
    void UpdateDrawnGlyphs();

    QImage glyph_;
    QImage emptyGlyph_;
    QImage drawnGlyph_;
    QImage drawnEmptyGlyph_;
    int max_ = 5;
    bool transparent_ = false;
    bool hideWhenEmpty_ = false;
};

// A boolean shown as a check box.
class TLtCheckBoxColumn : public TLtCustomColumn {
public:
    TLtCheckBoxColumn();

    const TColumnDisplay *Display() const override;
    TColumnStyle GetColumnStyle() const override;
    // A release over the box or the blank key flips it (TCheckBoxColumnPlay).
    TElementRole ElementRole() const override { return TElementRole::erCheckBox; }
    std::optional<int> ElementRelease(QSize cell, bool themed, QPoint point,
                                      TCell &value) const override;
    std::optional<int> ElementKey(QChar key, TCell &value) const override;
    bool ElementChangesOnRelease() const override { return true; }
    QString ElementText(int value) const override;
    int ElementMax() const override { return 1; }
    std::optional<QString> AccessibleText(const QString &name, TCell &value) const override;
};
