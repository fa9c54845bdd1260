#include "grid_window/inplace_edit.h"

#include <QKeyEvent>
#include <QProxyStyle>

#include <algorithm>
#include <limits>

namespace {

// QLineEdit takes its mask character from the style.
class TMaskStyle : public QProxyStyle {
public:
    QChar mask;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter && !mask.isNull())
            return mask.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// No limit: QLineEdit's own default (32,767) would cut a longer text.
constexpr int kUnlimited = std::numeric_limits<int>::max();

} // namespace

TLtCustomEdit::TLtCustomEdit()
{
    hide();
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            OnChange();
    });
}

TLtCustomEdit::~TLtCustomEdit()
{
    // The mask style goes with the editor: let go of it first.
    if (maskStyle_)
        setStyle(nullptr);
}

void TLtCustomEdit::SetAlignment(TAlignment value)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (value == TAlignment::taRightJustify)
        horizontal = Qt::AlignRight;
    else if (value == TAlignment::taCenter)
        horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignVCenter);
}

void TLtCustomEdit::SetNoBorder()
{
    setFrame(false);
}

void TLtCustomEdit::SetLeftMargin(int pixels)
{
    QMargins margins = textMargins();
    margins.setLeft(pixels);
    setTextMargins(margins);
}

void TLtCustomEdit::SetMaxLength(int value)
{
    maxLength_ = value;
    FitLimit(text().size());
}

void TLtCustomEdit::LoadText(const QString &text)
{
    FitLimit(text.size());
    setText(text);
}

void TLtCustomEdit::FitLimit(qsizetype length)
{
    // The edit box cuts its text to its limit.
    const int allowed = maxLength_ > 0 ? maxLength_ : kUnlimited;
    setMaxLength(int(std::max<qsizetype>(allowed, std::min<qsizetype>(length, kUnlimited))));
}

void TLtCustomEdit::SetPasswordChar(QChar value)
{
    passwordChar_ = value;
    if (value.isNull()) {
        setEchoMode(QLineEdit::Normal);
        return;
    }
    if (!maskStyle_)
        maskStyle_ = std::make_unique<TMaskStyle>();
    static_cast<TMaskStyle &>(*maskStyle_).mask = value;
    // Setting the style again makes the editor ask for its mask character.
    setStyle(maskStyle_.get());
    setEchoMode(QLineEdit::Password);
}

void TLtCustomEdit::SetColors(const QColor &background, const QColor &text)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, background);
    colors.setColor(QPalette::Window, background);
    colors.setColor(QPalette::Text, text);
    setPalette(colors);
    setAutoFillBackground(true);
}

bool TLtCustomEdit::event(QEvent *event)
{
    if (wantTabs_ && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            // Taken: an ignored Tab would travel on to the grid, which moves the focus.
            key->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TLtCustomEdit::keyPressEvent(QKeyEvent *event)
{
    bool taken = false;
    if (OnKeyDown)
        OnKeyDown(*event, taken);
    if (!taken)
        QLineEdit::keyPressEvent(event);
    // Never passed on to the parent grid: what the grid sees, OnKeyDown gives it.
    event->accept();
}

void TLtCustomEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (OnEnter)
        OnEnter(*event);
}

void TLtCustomEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (OnExit)
        OnExit(*event);
}

void TLtEdit::BeginEditing()
{
    end(false);
}

std::unique_ptr<TLtCustomEdit> NewCellEditor(TCellEditorClass editorClass)
{
    switch (editorClass) {
    case TCellEditorClass::ecLtEdit: return std::make_unique<TLtEdit>();
    case TCellEditorClass::ecNone: break;
    }
    return nullptr;
}
