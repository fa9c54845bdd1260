// Program entry: the application object titled "Yearnbox", the three windows
// in their order (TForm1, TForm2, TForm3), then the message loop.

#include "app/about_window.h"
#include "app/application.h"
#include "app/association_window.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/screenshot.h"
#include "platform/app_folder.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

#include <QDir>
#include <QFileInfo>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] =
    "Usage: yearnbox [FILE | \">>FILE\"] [--screenshot PNG]\n"
    "Keeps wish lists. FILE is a profile (*.ybk) to open; without one the blank\n"
    "profile is opened.\n"
    "\n"
    "  --screenshot PNG  start as usual, save a picture of the main window, then close\n"
    "  --help            show this help\n"
    "  --version         show the version\n";

bool g_screenshotFailed = false;

void ScreenshotDone(bool saved)
{
    g_screenshotFailed = !saved;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    QString screenshot;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("yearnbox %s\n", YEARNBOX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--screenshot") == 0) {
            if (i + 1 >= argc) {
                std::fputs("yearnbox: --screenshot needs a file name\n", stderr);
                return 2;
            }
            screenshot = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }

    TApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    TMessageBoxes shownBoxes;
    TStandardErrorMessages unattended;
    // A screenshot run must not wait for a click on a box.
    IMessageBoxes &boxes = screenshot.isEmpty() ? static_cast<IMessageBoxes &>(shownBoxes) : unattended;
    TFileDialogs dialogs;
    app.SetMessageBoxes(&boxes);
    try {
        const QString folder = ChooseApplicationFolder(QCoreApplication::applicationDirPath(),
                                                       qEnvironmentVariable("XDG_DATA_HOME"));
        TForm1 form1(folder, CommandLineFile(arguments), boxes, dialogs);
        shownBoxes.SetParent(&form1);
        dialogs.SetParent(&form1);
        TForm2 form2;
        TForm3 form3;
        form1.SetAssociationWindow(&form3);
        form1.show();
        if (!screenshot.isEmpty())
            ScreenshotAndClose(form1, screenshot, ScreenshotDone);
        const int code = app.exec();
        if (g_screenshotFailed) {
            std::fprintf(stderr, "yearnbox: could not write %s\n", qPrintable(screenshot));
            return 1;
        }
        return code;
    } catch (...) {
        ReportCurrentError(&boxes);
        return 1;
    }
}
