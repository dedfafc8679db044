#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

using visioncore::Quad;

// Finds the outline of a sheet of paper or an ID-1 card lying on a desk.
//
// Candidates come from two independent views of a reduced copy of the photo: the colour edges
// (closed outlines) and the bright, unsaturated paper region. Each candidate is judged by how much
// of its outline runs along a real edge, by its proportions and by how plain its inside is; the
// winner's sides are then re-measured on the full-resolution photo and intersected, which gives
// sub-pixel corners.
class OutlineDetector {
public:
    enum Kind { Document = 0, Card = 1 };

    // rgb: CV_8UC3. Best first, at most maxCount, none overlapping another.
    static std::vector<Quad> detect(const cv::Mat& rgb, Kind kind, int maxCount = 1);
};

}  // namespace imageproc
