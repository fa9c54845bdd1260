#include "app/application.h"

#include "platform/errors.h"
#include "platform/message_box.h"

#include <QCoreApplication>

#include <cstdio>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Yearnbox"));
    setApplicationVersion(QStringLiteral(YEARNBOX_VERSION));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportCurrentError(boxes_);
        return false;
    }
}

void ReportCurrentError(IMessageBoxes *boxes)
{
    QString text;
    try {
        throw;
    } catch (const EYearnboxError &error) {
        text = error.Message();
    } catch (const std::exception &error) {
        text = QString::fromLocal8Bit(error.what());
    } catch (...) {
        text = QCoreApplication::translate("TApplication", "Unknown error");
    }
    if (boxes) {
        try {
            boxes->ShowMessage(text);
            return;
        } catch (...) {
        }
    }
    std::fprintf(stderr, "yearnbox: %s\n", qPrintable(text));
}
