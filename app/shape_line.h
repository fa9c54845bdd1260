#pragma once
// A shape used as a rule: a thin filled rectangle of one colour.

#include <QColor>
#include <QRect>

class QWidget;

QWidget *NewShapeLine(QWidget *parent, const char *name, QRect place, QColor colour);
