#include "app/screenshot.h"

#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

void ScreenshotAndClose(QWidget &window, const QString &path, void (*done)(bool saved))
{
    QPointer<QWidget> target(&window);
    // Queued behind the show and its first paint.
    QTimer::singleShot(0, &window, [target, path, done] {
        if (!target)
            return;
        const bool saved = target->grab().save(path, "PNG");
        done(saved);
        target->close();
    });
}

bool MayHoldScreenshot(const QString &path)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    QFile file(path);
    static const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) &&
           file.read(kPngSignature.size()) == kPngSignature;
}
