#pragma once

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

// The convex hull of a long contour, the same points in the same order as cv::convexHull gives,
// at a fraction of the cost: the outlines of a textured desk's edges run to thousands of points,
// of which only the ends of each row can be corners of the hull.
class ContourHull {
public:
    // box: the contour's bounding rectangle (cv::boundingRect).
    static void of(const std::vector<cv::Point>& contour, const cv::Rect& box,
                   std::vector<cv::Point>& hull);
};

}  // namespace imageproc
