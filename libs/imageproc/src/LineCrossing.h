#pragma once

#include <opencv2/core.hpp>

#include <cmath>

namespace imageproc {

// Where the line through a0, a1 crosses the line through b0, b1. Near-parallel lines have no
// usable crossing (it would lie far outside any photo), so they give false.
inline bool lineCrossing(cv::Point2f a0, cv::Point2f a1, cv::Point2f b0, cv::Point2f b1,
                         cv::Point2f& x) {
    const cv::Point2f da = a1 - a0, db = b1 - b0;
    const float den = da.x * db.y - da.y * db.x;
    if (std::abs(den) < 1e-6f)
        return false;
    const cv::Point2f w = b0 - a0;
    x = a0 + da * ((w.x * db.y - w.y * db.x) / den);
    return true;
}

}  // namespace imageproc
