#pragma once

#include <opencv2/core.hpp>

namespace imageproc {

// The darkest and the brightest colour channel of every pixel: paper is bright in all three
// channels and differs little between them, whatever the light.
class ChannelRange {
public:
    // rgb: CV_8UC3. lo and hi (CV_8U) receive, per pixel, the least and the largest channel.
    static void compute(const cv::Mat& rgb, cv::Mat& lo, cv::Mat& hi);
};

}  // namespace imageproc
