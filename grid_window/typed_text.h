#pragma once
// What a key types. A key held with Alt, Ctrl or Meta is a shortcut and types
// nothing, although the platform reports its letter as the key's text; Shift
// and the keypad still type.

#include <QString>
#include <Qt>

QString TypedText(const QString &keyText, Qt::KeyboardModifiers modifiers);
