#include "grid_window/typed_text.h"

QString TypedText(const QString &keyText, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return QString();
    return keyText;
}
