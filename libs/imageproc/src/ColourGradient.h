#pragma once

#include <opencv2/core.hpp>

namespace imageproc {

// The colour gradient the outline search measures edges with: per pixel the 3 x 3 Sobel
// derivatives of the channel that changes most there, so that a page stands out from a desk of
// the same brightness but another colour. Called on every preview frame, so it is one pass over
// the picture instead of a filter per channel and direction.
class ColourGradient {
public:
    // rgb: CV_8UC3. dx, dy (CV_16S): the derivatives of the channel with the largest
    // |dx| + |dy| (the first of equals), exactly as cv::Sobel with the default border gives
    // them; mag (CV_16U): that sum.
    static void compute(const cv::Mat& rgb, cv::Mat& dx, cv::Mat& dy, cv::Mat& mag);
};

}  // namespace imageproc
