#include "modes/EdgeSnap.h"

#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Sobel magnitude (of grey levels 0..255) that a paper border against a desk clears easily and
// sensor noise or paper grain does not.
constexpr double kStrongEdge = 120.0;
// How much edge strength a pixel of distance costs: a slightly weaker edge right under the hand
// beats a stronger one at the window's rim.
constexpr double kDistanceCost = 6.0;
// Weight of the corner measure against the plain edge strength.
constexpr double kCornerWeight = 2.0;
constexpr int kHalfNeighbourhood = 2;  // the corner measure looks at 5 x 5 pixels

}  // namespace

QPointF EdgeSnap::snap(const QImage& picture, QPointF p, int radius) {
    if (picture.isNull() || radius < 1)
        return p;
    const QPoint c(qRound(p.x()), qRound(p.y()));
    // Room for the Sobel and the corner neighbourhoods around the searched circle.
    const int reach = radius + kHalfNeighbourhood + 1;
    const QRect window =
        QRect(c.x() - reach, c.y() - reach, 2 * reach + 1, 2 * reach + 1) & picture.rect();
    if (window.width() < 3 || window.height() < 3)
        return p;
    const QImage grey = picture.copy(window).convertToFormat(QImage::Format_Grayscale8);
    const int w = grey.width(), h = grey.height();
    auto at = [&grey](int x, int y) { return double(grey.constScanLine(y)[x]); };
    std::vector<double> gx(size_t(w) * h, 0.0), gy(size_t(w) * h, 0.0);
    for (int y = 1; y < h - 1; ++y) {
        for (int x = 1; x < w - 1; ++x) {
            gx[size_t(y) * w + x] = at(x + 1, y - 1) + 2 * at(x + 1, y) + at(x + 1, y + 1) -
                                    at(x - 1, y - 1) - 2 * at(x - 1, y) - at(x - 1, y + 1);
            gy[size_t(y) * w + x] = at(x - 1, y + 1) + 2 * at(x, y + 1) + at(x + 1, y + 1) -
                                    at(x - 1, y - 1) - 2 * at(x, y - 1) - at(x + 1, y - 1);
        }
    }
    const int k = kHalfNeighbourhood;
    double best = 0;
    QPointF found = p;
    for (int y = 1 + k; y < h - 1 - k; ++y) {
        for (int x = 1 + k; x < w - 1 - k; ++x) {
            const size_t i = size_t(y) * w + x;
            const double magnitude = std::hypot(gx[i], gy[i]);
            if (magnitude < kStrongEdge)
                continue;
            const QPointF q(window.x() + x, window.y() + y);
            const double d = std::hypot(q.x() - p.x(), q.y() - p.y());
            if (d > radius)
                continue;
            // The smaller eigenvalue of the gradients' structure around the point: large only
            // where edges of two directions meet, whatever the page's turn.
            double xx = 0, yy = 0, xy = 0;
            for (int v = -k; v <= k; ++v) {
                for (int u = -k; u <= k; ++u) {
                    const size_t j = size_t(y + v) * w + (x + u);
                    xx += gx[j] * gx[j];
                    yy += gy[j] * gy[j];
                    xy += gx[j] * gy[j];
                }
            }
            const double n = (2 * k + 1) * (2 * k + 1);
            const double smaller = (xx + yy) / 2 - std::sqrt((xx - yy) * (xx - yy) / 4 + xy * xy);
            const double corner = std::sqrt(std::max(0.0, smaller) / n);
            const double score = magnitude + kCornerWeight * corner - kDistanceCost * d;
            if (score > best) {
                best = score;
                found = q;
            }
        }
    }
    return found;
}
