#pragma once

#include <opencv2/core.hpp>

namespace bookproc {

// A page outline in image pixels, in reading orientation.
struct PageQuad {
    cv::Point2f tl, tr, br, bl;

    // Twice the signed area; positive for a clockwise outline on screen (y down).
    double signedArea2() const;
    // Convex, wound clockwise on screen and not degenerate.
    bool isConvex(double minArea = 16.0) const;
    bool inside(int width, int height) const;
    PageQuad scaled(double s) const { return {tl * s, tr * s, br * s, bl * s}; }
};

}  // namespace bookproc
