#pragma once

#include <opencv2/core.hpp>

namespace imageproc {

// Makes a photographed page look scanned: the paper's own colour and the uneven light are
// divided out (white, even background), text is darkened and sharpened, coloured print keeps
// its hue.
class ColorOptimizer {
public:
    static cv::Mat optimize(const cv::Mat& rgb);
    // Black and white; threshold 0 is locally adaptive.
    static cv::Mat threshold(const cv::Mat& rgb, int threshold);
    // The paper's colour under the light at every pixel, estimated on a coarse grid from the
    // plain areas only, so that photos and dark blocks do not darken it (which would give halos).
    static cv::Mat paperBackground(const cv::Mat& rgb);
};

}  // namespace imageproc
