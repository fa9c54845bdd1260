// Program entry: the application object titled "Yearnbox", the main window
// TForm1 (TForm2 and TForm3 are made when first needed), then the message loop.

#include "app/about_window.h"
#include "app/application.h"
#include "app/association_window.h"
#include "app/command_line.h"
#include "app/csv_commands.h"
#include "app/early_pictures.h"
#include "app/file_association.h"
#include "app/gift_page_command.h"
#include "app/main_window.h"
#include "app/screenshot.h"
#include "app/translations.h"
#include "platform/app_folder.h"
#include "platform/desktop_registration.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/modal_windows.h"
#include "platform/xdg_folders.h"
#include "resources/resources.h"

#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

const char kUsage[] =
    "Usage: yearnbox [OPTION]... [FILE | \">>FILE\"]\n"
    "Keeps wish lists. FILE is a profile (*.ybk) to open; without one the blank\n"
    "profile is opened. An argument that begins with >> names the file with\n"
    "everything after the >>, blanks included (the form of the association's\n"
    "command); a name that merely holds >> is an ordinary file name.\n"
    "\n"
    "  --export-csv PROFILE OUT\n"
    "                    write the items of PROFILE to the CSV file OUT (UTF-8, a header\n"
    "                    of the column captions, RFC 4180 quoting) and exit; no window;\n"
    "                    OUT is never PROFILE itself nor another profile\n"
    "  --import-csv IN PROFILE\n"
    "                    add the items of the CSV file IN to PROFILE (created when it does\n"
    "                    not exist) and exit; IN may be UTF-8 or UTF-16, separated by\n"
    "                    ',' ';' or tab; a file that cannot be read changes nothing\n"
    "  --export-html PROFILE OUT\n"
    "                    write the items of PROFILE with their totals to OUT as one\n"
    "                    web page that needs no other file, and exit; no window; OUT is\n"
    "                    never PROFILE itself nor another profile\n"
    "  --screenshot PNG  start as usual, save a picture of the main window, then close;\n"
    "                    an existing file that is not a PNG picture is never replaced\n"
    "  --help            show this help\n"
    "  --version         show the version\n"
    "  --                every argument after this is a file name, never an option\n";

bool g_screenshotFailed = false;

void ScreenshotDone(bool saved)
{
    g_screenshotFailed = !saved;
}

// Every window shows it in the task bar and title bar (_NET_WM_ICON); set
// before the first is shown, once its picture has been decoded.
void ShowProgramIcon()
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(TakePicture(resources::kIcon))));
}

} // namespace

int main(int argc, char **argv)
{
    QList<QByteArray> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const TCommandLine line = ParseCommandLine(arguments);
    switch (line.action) {
    case TCommandAction::caHelp: std::fputs(kUsage, stdout); return 0;
    case TCommandAction::caVersion: std::printf("yearnbox %s\n", YEARNBOX_VERSION); return 0;
    case TCommandAction::caUsageError:
        std::fprintf(stderr, "yearnbox: %s\nTry 'yearnbox --help'.\n",
                     line.error.toLocal8Bit().constData());
        return 2;
    case TCommandAction::caExportCsv:
    case TCommandAction::caExportHtml:
    case TCommandAction::caImportCsv: {
        // No window: the items are read and written by the data side alone.
        QCoreApplication app(argc, argv);
        if (line.action == TCommandAction::caExportCsv)
            return ExportCsvCommand(line.file, line.csv);
        if (line.action == TCommandAction::caExportHtml)
            return ExportHtmlCommand(line.file, line.page);
        // The backups of the profile it replaces go where the window keeps them.
        const QString folder = ChooseApplicationFolder(QCoreApplication::applicationDirPath(),
                                                       XdgFoldersFromEnvironment().dataHome);
        return ImportCsvCommand(line.csv, line.file, folder);
    }
    case TCommandAction::caRun: break;
    }
    const QString &screenshot = line.screenshot;
    if (!screenshot.isEmpty() && !MayHoldScreenshot(screenshot)) {
        std::fprintf(stderr, "yearnbox: %s exists and is not a PNG picture; it is not replaced\n",
                     QFile::encodeName(screenshot).constData());
        return 2;
    }

    TApplication app(argc, argv);
    // Decoded on a second core while the fonts and the controls are made, in
    // the order they are needed: the glyphs, the main window's picture (shown
    // once its controls are made), the icon.
    QStringList pictures;
    for (const char *glyph : {"new_profile", "save", "open", "delete_profile", "search",
                              "find_next", "cancel", "new_item", "about", "star", "ok"})
        pictures.append(resources::GlyphPath(glyph));
    pictures.append({resources::kMainBackground, resources::kIcon});
    StartDecodingPictures(pictures);
    // A style named in QT_STYLE_OVERRIDE was taken when the application began.
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Before the first window, whose texts are read as it is made.
    InstallTranslations(app, MessageLanguages(MessageLocaleFromEnvironment()),
                        TranslationFolders(QCoreApplication::applicationDirPath()));
    TMessageBoxes shownBoxes;
    TStandardErrorMessages unattended;
    // A screenshot run must not wait for a click on a box.
    IMessageBoxes &boxes =
        screenshot.isEmpty() ? static_cast<IMessageBoxes &>(shownBoxes) : unattended;
    TFileDialogs dialogs;
    TModalWindows modal;
    app.SetMessageBoxes(&boxes);
    try {
        const TXdgFolders xdg = XdgFoldersFromEnvironment();
        const QString folder =
            ChooseApplicationFolder(QCoreApplication::applicationDirPath(), xdg.dataHome);
        TForm1 form1(folder, line.file, boxes, dialogs);
        if (!line.undecodableFile.isEmpty()) {
            std::fprintf(stderr,
                         "yearnbox: %s: the name is not valid in the system's encoding, so the "
                         "file cannot be opened\n",
                         line.undecodableFile.constData());
            form1.ReportStartupLoadFailure();
        }
        shownBoxes.SetParent(&form1);
        dialogs.SetParent(&form1);
        // Made when first needed, after the first paint.
        std::unique_ptr<TForm2> form2;
        form1.SetAboutWindow([&]() -> TForm2 & {
            if (!form2)
                form2 = std::make_unique<TForm2>(modal, &form1);
            return *form2;
        });
        TDesktopRegistration desktop(xdg);
        TFileAssociation association(xdg.dataHome + QStringLiteral("/yearnbox/classes/"), desktop,
                                     QCoreApplication::applicationFilePath());
        std::unique_ptr<TForm3> form3;
        form1.SetAssociationWindow([&]() -> TForm3 & {
            if (!form3)
                form3 = std::make_unique<TForm3>(form1, association, modal, &form1);
            return *form3;
        });
        ShowProgramIcon();
        form1.show();
        if (!screenshot.isEmpty()) {
            // Nor for an answer to the association question.
            form1.Timer5()->stop();
            ScreenshotAndClose(form1, screenshot, ScreenshotDone);
        }
        const int code = app.exec();
        if (g_screenshotFailed) {
            std::fprintf(stderr, "yearnbox: could not write %s\n", qPrintable(screenshot));
            return 1;
        }
        return code;
    } catch (...) {
        try {
            ShowProgramIcon();
        } catch (...) {
            // Without its icon the box still tells the error that matters.
        }
        ReportCurrentError(&boxes);
        return 1;
    }
}
