#pragma once
// Controls keep their distances to the window edges they are anchored to:
// right-anchored controls move with the right edge, a control anchored on both
// sides grows with the window.

#include <QRect>
#include <QSize>

enum class TAnchoring { anTopLeft, anTopRight, anAllSides };

// The place of a control designed at design inside a client area of
// designClient, once the client area is client.
QRect AnchoredRect(const QRect &design, TAnchoring anchoring, const QSize &designClient,
                   const QSize &client);
