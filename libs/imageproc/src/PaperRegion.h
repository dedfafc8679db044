#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

using visioncore::Quad;

// Outlines of the paper as a region rather than as edges. A region of paper-coloured pixels
// often runs into things of its colour beside the page (a white cable, light spots of the desk's
// pattern) or has holes (print, a picture); its hull is then no page, but the straight stretches
// of its rim still are the page's sides.
class PaperRegion {
public:
    // masks: CV_8U, non-zero on the pixels judged paper, each by its own measure. Adds the
    // outlines whose inside is one of those regions and whose sides have something else beyond
    // them (a side along the frame excepted).
    static void collect(const std::vector<cv::Mat>& masks, double minArea, double maxArea,
                        std::vector<Quad>& out);

    // The pixels of a grey or white colour, at any brightness: paper under a shadow keeps its
    // colour and only darkens, so this region goes on across a shadow's edge where a threshold of
    // brightness stops. lo, hi: the least and the largest channel of each pixel of the reduced
    // photo (CV_8U, see ChannelRange).
    static cv::Mat neutral(const cv::Mat& lo, const cv::Mat& hi);

    // How well the outline q agrees with mask: 0 when the region does not fill it or runs on
    // beyond its sides, up to 1.
    static double agreement(const Quad& q, const cv::Mat& mask);
};

}  // namespace imageproc
