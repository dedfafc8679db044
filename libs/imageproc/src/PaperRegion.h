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
    // mask: CV_8U, non-zero on the pixels judged paper. Adds the outlines whose inside is that
    // region and whose sides have something else beyond them (a side along the frame excepted).
    static void collect(const cv::Mat& mask, double minArea, double maxArea,
                        std::vector<Quad>& out);

    // How well the outline q agrees with mask: 0 when the region does not fill it or runs on
    // beyond its sides, up to 1.
    static double agreement(const Quad& q, const cv::Mat& mask);
};

}  // namespace imageproc
