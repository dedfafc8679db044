#pragma once

#include "LineCrossing.h"

#include "visioncore/Quad.h"

#include <array>

namespace imageproc {

// The outline whose sides run through the given pairs of points, side i from near corner i to
// near corner i + 1: each corner where two neighbouring sides cross. False when two neighbours
// are parallel or the outline is not convex.
inline bool quadFromSides(const cv::Point2f (&ends)[4][2], visioncore::Quad& out) {
    std::array<cv::Point2f, 4> c;
    for (int i = 0; i < 4; ++i)
        if (!lineCrossing(ends[(i + 3) % 4][0], ends[(i + 3) % 4][1], ends[i][0], ends[i][1],
                          c[size_t(i)]))
            return false;
    out = visioncore::Quad(c[0], c[1], c[2], c[3]);
    return out.isConvex();
}

}  // namespace imageproc
