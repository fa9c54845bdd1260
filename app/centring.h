#pragma once
// Placing a dialog centred over the main window.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The top-left of a frame of frameSize centred over ownerFrame (halves round
// toward zero, as the window's own centring does).
QPoint CentredTopLeft(const QRect &ownerFrame, const QSize &frameSize);

// Moves window so that its frame is centred over owner's frame. A window that
// was never shown has no frame yet: it is taken to be as thick as owner's.
void CentreOver(QWidget &window, const QWidget &owner);
