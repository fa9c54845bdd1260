#include "app/shape_line.h"

#include <QPalette>
#include <QWidget>

QWidget *NewShapeLine(QWidget *parent, const char *name, QRect place, QColor colour)
{
    auto *line = new QWidget(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(place);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}
