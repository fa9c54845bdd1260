#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

void TMessageBoxes::ShowMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text,
                    QMessageBox::Ok, parent_);
    box.exec();
}
