#include "app/accessible_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr const char *kOffScreen = "yearnboxOffScreen";

// Keeps the role a multi-line edit has; adds that it is off screen.
class TOffScreenAccessible : public QAccessibleWidget {
public:
    explicit TOffScreenAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::EditableText)
    {
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.offscreen = true;
        return state;
    }
};

QAccessibleInterface *OffScreenFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(kOffScreen).toBool())
        return nullptr;
    return new TOffScreenAccessible(widget);
}

} // namespace

QString AccessibleNameOf(const QString &labelOrHint)
{
    QString name;
    name.reserve(labelOrHint.size());
    for (qsizetype i = 0; i < labelOrHint.size(); ++i) {
        // "&&" is a drawn '&'; a single '&' marks the mnemonic.
        if (labelOrHint[i] == u'&' && ++i == labelOrHint.size())
            break;
        name += labelOrHint[i];
    }
    name = name.trimmed();
    while (name.endsWith(u':'))
        name = name.chopped(1).trimmed();
    return name;
}

void NameForScreenReader(QWidget &control, const QString &labelOrHint, const QString &hint)
{
    control.setAccessibleName(AccessibleNameOf(labelOrHint));
    if (!hint.isEmpty())
        control.setAccessibleDescription(hint);
}

void KeepOffScreenForScreenReader(QWidget &control)
{
    // Factories are asked newest first; adding the same one twice is ignored.
    QAccessible::installFactory(OffScreenFactory);
    control.setProperty(kOffScreen, true);
}
