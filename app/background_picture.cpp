#include "app/background_picture.h"

#include "app/early_pictures.h"

#include <QLabel>
#include <QPixmap>

#include <utility>

namespace {
const QColor kDarkBackground(18, 18, 42);
}

void ShowBackgroundPicture(QLabel &image, const QString &resource)
{
    QImage picture = TakePicture(resource);
    if (picture.isNull()) {
        image.setAutoFillBackground(true);
        QPalette dark = image.palette();
        dark.setColor(QPalette::Window, kDarkBackground);
        image.setPalette(dark);
    } else {
        // Handed over, so the pixmap takes the image's pixels without a copy.
        image.setPixmap(QPixmap::fromImage(std::move(picture)));
    }
}
