#pragma once
// --screenshot FILE: once the window has been shown and painted, save a PNG of
// its client area, then close it the ordinary way (so its close handler runs).

#include <QString>

class QWidget;

// Calls done(true) after a successful save, done(false) after a failed one;
// the window is closed in both cases.
void ScreenshotAndClose(QWidget &window, const QString &path, void (*done)(bool saved));

// Whether a screenshot may be saved at path: nothing is there yet, or a PNG
// picture is (an earlier screenshot). Any other file is kept.
bool MayHoldScreenshot(const QString &path);
