#pragma once

#include <opencv2/core.hpp>

namespace imageproc {

// The sum of the colour channels of the reduced photo over 3 x 3 pixels (CV_16U): a brightness in
// which a sheet's rim is measured without JPEG noise or a pixel of print deciding it. Each channel
// is averaged as cv::blur(small, 3 x 3) does it, rounded, and mirrored at the frame's edge, and
// the three are added.
cv::Mat levelImage(const cv::Mat& small);

}  // namespace imageproc
