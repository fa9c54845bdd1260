#pragma once
// The dark picture behind a window's controls, shown in a label.

#include <QString>

class QLabel;

// Shows the compiled-in picture (one decoded ahead, or decoded now) in
// image; a picture that cannot be decoded leaves a plain dark background.
void ShowBackgroundPicture(QLabel &image, const QString &resource);
