#include "app/screenshot.h"

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
