#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

void TMessageBoxes::ShowMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text,
                    QMessageBox::Ok, parent_);
    box.exec();
}

void TStandardErrorMessages::ShowMessage(const QString &text)
{
    std::fprintf(stderr, "yearnbox: %s\n", text.toLocal8Bit().constData());
}
