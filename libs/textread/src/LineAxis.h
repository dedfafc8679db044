#pragma once

#include <opencv2/core.hpp>

namespace textread {

// Whether the text lines of a binarised page run across or down it. Lines of text leave empty
// rows between them that the gaps between words never line up to make in the other direction,
// so the ink's profile along the lines' normal swings far more than the one along the lines.
// This settles between "upright or upside down" and "turned a quarter" cheaply and surely, and
// leaves to the letters' shapes only the question of which end is up.
class LineAxis {
public:
    enum Axis { Unclear, Across, Down };
    static Axis of(const cv::Mat& binary);
};

}  // namespace textread
