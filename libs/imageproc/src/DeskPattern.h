#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace imageproc {

using visioncore::Quad;

// A tiled floor, a printed cloth or a patterned desk shows the same shape again and again; a
// card lies on it once. An outline around one tile can look like a card on every other measure
// (straight sharp sides, the right proportions, a plain face), but its picture comes back beside
// it on the desk.
class DeskPattern {
public:
    // Whether what q encloses in small (CV_8UC3) is found again nearby, a tile's width or so
    // away, in the same orientation.
    static bool repeats(const cv::Mat& small, const Quad& q);

    // How alike the best copy found nearby is (normalised correlation, -1 to 1); at most 0 when
    // it differs in brightness or contrast.
    static double bestCopy(const cv::Mat& small, const Quad& q);
};

}  // namespace imageproc
