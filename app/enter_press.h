#pragma once
// Enter (Return or the keypad's Enter) on a focused push button presses it,
// as Space does and as on every desktop. Qt gives a button that only as a
// dialog's default button, which would also draw it as the default.

class QAbstractButton;

void LetEnterPress(QAbstractButton &button);
