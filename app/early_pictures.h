#pragma once
// The pictures the first paint shows (the main window's background, the
// glyphs of its buttons) and the program's icon, decoded on a second core
// while the main thread makes the application's fonts and controls, instead
// of one after another on the way to the first paint.

#include <QImage>
#include <QString>
#include <QStringList>

// Starts decoding resources on a worker, in their order; once the
// application object exists (image plugins are found through it). Later
// calls do nothing.
void StartDecodingPictures(const QStringList &resources);

// The picture of a compiled-in file. One decoded ahead is handed over to its
// first asker (waiting for the worker to reach it if need be); any other is
// decoded now.
// A null image when it cannot be decoded.
QImage TakePicture(const QString &resource);

// Decodes a compiled-in picture: JPEG through libjpeg, others by Qt as the
// format their name ends in.
QImage DecodePicture(const QString &resource);
