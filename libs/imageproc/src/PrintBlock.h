#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <optional>

namespace imageproc {

using visioncore::Quad;

// The print on a page: lines of text and pictures, whose edges are clear even where the page's
// own rim is not (white paper on a white or mint desk, in a pool of glare). Print runs along the
// page's axes, which round clutter (balls, coins, cables) and the speckle of a desk do not; its
// extent and turn tell where to look for the page's rim.
class PrintBlock {
public:
    // edges: thin edges of the reduced photo (CV_8U, non-zero on edges); dx, dy: its gradient
    // (CV_16S). minArea: the least area of a page, in the same pixels. Returns the rectangle
    // (clockwise, turned as the print) that holds nearly all of the largest print on one page.
    static std::optional<Quad> find(const cv::Mat& edges, const cv::Mat& dx, const cv::Mat& dy,
                                    double minArea);
};

}  // namespace imageproc
