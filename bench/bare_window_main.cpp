// yearnbox-bare-window PNG: the floor of a Qt 6 window's start-up, to set
// beside `yearnbox --screenshot PNG`. A plain widget of the main window's
// size in the same style is shown, grabbed to PNG once it has been painted,
// and closed, the way the screenshot run does it.

#include <QApplication>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: yearnbox-bare-window PNG\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(651, 394);
    window.show();
    bool saved = false;
    // Queued behind the show and its first paint.
    QTimer::singleShot(0, &window, [&] {
        saved = window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
        window.close();
    });
    const int code = app.exec();
    return saved ? code : 1;
}
