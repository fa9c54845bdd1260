#include "app/anchoring.h"

QRect AnchoredRect(const QRect &design, TAnchoring anchoring, const QSize &designClient,
                   const QSize &client)
{
    const int dx = client.width() - designClient.width();
    const int dy = client.height() - designClient.height();
    switch (anchoring) {
    case TAnchoring::anTopLeft: return design;
    case TAnchoring::anTopRight: return design.translated(dx, 0);
    case TAnchoring::anAllSides: return design.adjusted(0, 0, dx, dy);
    }
    return design;
}
