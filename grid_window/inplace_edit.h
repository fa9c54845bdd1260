#pragma once
// The in-place text editor: a frameless QLineEdit that a text column creates
// at construction, owns and keeps hidden (its CellEditor). Before the editor
// is shown over a cell, the grid and the column prepare it (see
// TLatticeGrid::PrepareCellEditor and TLtCustomColumn::BeginEditing).
//
// Flags: InplaceEditor marks an editor that works inside a grid cell;
// EditorUpdating is on while a column prepares the editor.
//
// While open, the grid listens through the handlers (OnChange, OnEnter,
// OnExit, OnKeyDown); a key that OnKeyDown does not take goes to the edit box.

#include "grid_window/column_types.h"

#include <QLineEdit>

#include <functional>
#include <memory>

class QProxyStyle;

class TLtCustomEdit : public QLineEdit {
    Q_OBJECT
public:
    TLtCustomEdit();
    ~TLtCustomEdit() override;

    void SetAlignment(TAlignment value);
    // BorderStyle none, BorderWidth 0.
    void SetNoBorder();
    // The left of the editor's margins (EditMargins.Left).
    void SetLeftMargin(int pixels);
    bool InplaceEditor() const { return inplaceEditor_; }
    void SetInplaceEditor(bool value) { inplaceEditor_ = value; }
    bool EditorUpdating() const { return editorUpdating_; }
    void SetEditorUpdating(bool value) { editorUpdating_ = value; }
    // 0: no limit. The limit stops typing only: a text already longer,
    // loaded or open when the limit is set, is kept whole.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    // Shows a cell's text, all of it, whatever the limit.
    void LoadText(const QString &text);
    // Not 0: the text is masked, this character shown once per character.
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar value);
    // Background and text colour.
    void SetColors(const QColor &background, const QColor &text);
    // With WantTabs, Tab and Shift+Tab reach the editor's key handling
    // instead of moving the focus to the next control.
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }

    // After every change of the text.
    std::function<void()> OnChange;
    // The editor gained or lost the keyboard focus.
    std::function<void(QFocusEvent &)> OnEnter;
    std::function<void(QFocusEvent &)> OnExit;
    // Before the edit box sees a key; set taken to keep it from the edit box.
    std::function<void(QKeyEvent &, bool &taken)> OnKeyDown;
    // The edit box's own handling of a key (caret, text), for a handler that
    // takes a key but wants it edited first.
    void EditKey(QKeyEvent *event) { QLineEdit::keyPressEvent(event); }

    // The grid's protocol: before the text is committed, once the editor is
    // prepared for a cell, and when it closes.
    virtual void ApplyEditing() {}
    virtual void BeginEditing() {}
    virtual void EndEditing() {}

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Gives the edit box a limit that MaxLength allows and a text of length
    // characters fits in.
    void FitLimit(qsizetype length);

    bool inplaceEditor_ = false;
    bool editorUpdating_ = false;
    int maxLength_ = 0;
    QChar passwordChar_;
    bool wantTabs_ = false;
    // Answers the style's password-character question with PasswordChar.
    std::unique_ptr<QProxyStyle> maskStyle_;
};

// The text column's editor.
class TLtEdit : public TLtCustomEdit {
    Q_OBJECT
public:
    // Puts the caret after the last character.
    void BeginEditing() override;
};

// A hidden editor of the class a column kind names; none for ecNone.
std::unique_ptr<TLtCustomEdit> NewCellEditor(TCellEditorClass editorClass);
