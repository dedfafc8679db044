#pragma once

#include <opencv2/imgproc.hpp>

namespace imageproc {

// The sum of the colour channels of the reduced photo over 3 x 3 pixels (CV_16U): a brightness in
// which a sheet's rim is measured without JPEG noise or a pixel of print deciding it.
inline cv::Mat levelImage(const cv::Mat& small) {
    cv::Mat smooth;
    cv::blur(small, smooth, cv::Size(3, 3));
    cv::Mat level(small.size(), CV_16U);
    for (int y = 0; y < small.rows; ++y) {
        const auto* s = smooth.ptr<cv::Vec3b>(y);
        auto* o = level.ptr<ushort>(y);
        for (int x = 0; x < small.cols; ++x)
            o[x] = ushort(s[x][0] + s[x][1] + s[x][2]);
    }
    return level;
}

}  // namespace imageproc
