#pragma once
// JPEG pictures decoded by libjpeg, never through a Qt image plugin.

#include <QByteArray>
#include <QImage>

// The picture as a 32-bit RGB image, or a null image when the bytes cannot be decoded.
QImage DecodeJpeg(const QByteArray &bytes);
