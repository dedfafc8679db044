#pragma once

#include <QImage>
#include <QPointF>

// Pulls a corner the user placed by hand onto the picture's strongest nearby edge, and where two
// edges meet (the page's own corner) onto that meeting point, so that a handle dropped a few
// pixels off the page's corner lands on it. Only a small window around the point is read, so a
// call costs the same on any picture size.
class EdgeSnap {
public:
    // The best edge point within radius pixels of p, a little in favour of nearer points; p
    // itself when no edge there is strong enough to be a border.
    static QPointF snap(const QImage& picture, QPointF p, int radius);
};
