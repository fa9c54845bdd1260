#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

void TMessageBoxes::ShowMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

void TMessageBoxes::ShowDetailedMessage(const QString &text, const QString &detail)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent_);
    box.setInformativeText(detail);
    box.exec();
}

void TStandardErrorMessages::ShowMessage(const QString &text)
{
    std::fprintf(stderr, "yearnbox: %s\n", text.toLocal8Bit().constData());
}

void TStandardErrorMessages::ShowDetailedMessage(const QString &text, const QString &detail)
{
    ShowMessage(text);
    ShowMessage(detail);
}
