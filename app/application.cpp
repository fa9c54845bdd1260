#include "app/application.h"

#include "platform/errors.h"
#include "platform/message_box.h"
#include "resources/resources.h"

#include <QCoreApplication>
#include <QIcon>

#include <cstdio>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Yearnbox"));
    setApplicationVersion(QStringLiteral(YEARNBOX_VERSION));
    // Every window shows it in the task bar and title bar (_NET_WM_ICON).
    setWindowIcon(QIcon(resources::kIcon));
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
