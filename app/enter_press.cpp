#include "app/enter_press.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

class TEnterPress : public QObject {
public:
    explicit TEnterPress(QAbstractButton &button) : QObject(&button), button_(button) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &button_ || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            held != Qt::NoModifier || key->isAutoRepeat())
            return false;
        button_.click();
        return true;
    }

private:
    QAbstractButton &button_;
};

} // namespace

void LetEnterPress(QAbstractButton &button)
{
    button.installEventFilter(new TEnterPress(button));
}
