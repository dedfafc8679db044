#pragma once

#include "PageQuad.h"

#include <opencv2/core.hpp>

namespace bookproc {

// Finds an open book in a photo: the outline of the spread (bright paper against desk and cover),
// then the gutter inside it (the darkest band of the paper, where the pages bend away from the
// light, cross-checked with the notch the bend cuts into the spread's head and tail).
class SpreadDetector {
public:
    // rgb: CV_8UC3. On success fills both page outlines in full-image pixels.
    bool detect(const cv::Mat& rgb, PageQuad& left, PageQuad& right) const;

private:
    // gate, when not empty, limits where paper may be (CV_8U mask). quality: above 1 when the
    // paper fills its outline well.
    bool findSpread(const cv::Mat& smallRgb, const cv::Mat& gate, PageQuad& spread, cv::Mat& mask,
                    double* quality) const;
    bool findGutter(const cv::Mat& smallGrey, const cv::Mat& mask, const PageQuad& spread,
                    cv::Point2f& top, cv::Point2f& bottom) const;
};

}  // namespace bookproc
