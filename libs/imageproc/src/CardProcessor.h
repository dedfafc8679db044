#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace imageproc {

using visioncore::Quad;

// ID-1 cards (85.6 x 54 mm): straightening, turning upright, and the two-sided card page.
class CardProcessor {
public:
    static constexpr double kWidthMm = 85.6;
    static constexpr double kHeightMm = 54.0;

    static cv::Mat calibrate(const cv::Mat& rgb, const Quad& q, bool autoIdentify,
                             long long maxPixels);
    // Front above back at true size on a white page of pageSize (which spans an A4 width).
    static cv::Mat composePage(const cv::Mat& front, const cv::Mat& back, cv::Size pageSize);
};

}  // namespace imageproc
