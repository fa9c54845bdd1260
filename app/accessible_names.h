#pragma once
// What a screen reader says for a control: a name from its label or hint and,
// where it has a hint, that hint as its description. A control placed outside
// its window (the parked-focus line buffer) is reported as off screen.

#include <QString>

class QWidget;

// A label or hint as a name: without the '&' of a mnemonic and without a
// trailing colon and blanks ("Item Name:" -> "Item Name").
QString AccessibleNameOf(const QString &labelOrHint);

// Names control from labelOrHint and, when hint is not empty, describes it with hint.
void NameForScreenReader(QWidget &control, const QString &labelOrHint,
                         const QString &hint = QString());

// control lies outside its window on purpose: never reported as showing.
void KeepOffScreenForScreenReader(QWidget &control);
