#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

using visioncore::Quad;

// Outlines of a card as a region rather than as edges. On fur, a patterned cloth or a striped
// desk the card's sides are lost among the desk's own edges, but its rim is a plain, evenly lit
// surface several pixels wide while the desk breaks up into narrow plain bits. The large plain
// patches, print and pictures inside them filled, give the card's outline; a patch that stops
// at a coloured title band is grown to the card's proportions.
class PlainPatches {
public:
    // small: the reduced photo (CV_8UC3); mag (CV_16U): its colour gradient; level: the gradient
    // that counts as an edge. Adds outlines of patches between minArea and maxArea.
    static void collect(const cv::Mat& small, const cv::Mat& mag, double level, double minArea,
                        double maxArea, std::vector<Quad>& out);
};

}  // namespace imageproc
