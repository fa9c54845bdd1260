#include "app/background_picture.h"

#include "platform/jpeg_decoder.h"
#include "resources/resources.h"

#include <QLabel>
#include <QPixmap>

namespace {
const QColor kDarkBackground(18, 18, 42);
}

void ShowBackgroundPicture(QLabel &image, const QString &resource)
{
    const QImage picture = DecodeJpeg(resources::Bytes(resource));
    if (picture.isNull()) {
        image.setAutoFillBackground(true);
        QPalette dark = image.palette();
        dark.setColor(QPalette::Window, kDarkBackground);
        image.setPalette(dark);
    } else {
        image.setPixmap(QPixmap::fromImage(picture));
    }
}
