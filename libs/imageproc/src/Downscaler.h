#pragma once

#include <opencv2/core.hpp>

namespace imageproc {

// The reduced copy of a photo that the outline search runs on: about 550 pixels across are
// enough to find an outline, whose sides are then re-measured on the full photo.
class Downscaler {
public:
    // 1 for a photo already that small, otherwise an even factor, so that every block has a
    // 2 x 2 centre.
    static int factorFor(cv::Size photo);
    // Every factor x factor block of rgb (CV_8UC3) represented by the mean of the 2 x 2 pixels at
    // its centre: reads a small part of the photo, yet halves the sensor noise. Rows and columns
    // that do not fill a whole block are left out. Below 2 the photo itself comes back.
    static cv::Mat reduce(const cv::Mat& rgb, int factor);
};

}  // namespace imageproc
