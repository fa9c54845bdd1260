#include "platform/modal_windows.h"

#include <QDialog>

void TModalWindows::ShowModal(QDialog &window)
{
    window.exec();
}
