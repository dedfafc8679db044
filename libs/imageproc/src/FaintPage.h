#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

using visioncore::Quad;

// A page whose rim differs from the desk by a few grey levels (white paper on a white or mint
// desk, a page in a pool of glare): too faint for any edge, yet a straight step all along each
// side. Averaged along a side, a step of one or two levels stands well clear of the camera's
// noise, where each pixel alone is lost in it. The search starts from the page's print (see
// PrintBlock) and looks outwards, across the plain margin, for the step in each direction.
class FaintPage {
public:
    struct Found {
        Quad q;          // clockwise, in the reduced photo's pixels
        double quality;  // 0..1: how clearly every side is a flat step of one paper colour
    };

    // small: the reduced photo, CV_8UC3. print: the rectangle round the page's print. minArea,
    // maxArea: the sizes a page may have. The outlines found, best first.
    static std::vector<Found> search(const cv::Mat& small, const Quad& print, double minArea,
                                     double maxArea);
};

}  // namespace imageproc
