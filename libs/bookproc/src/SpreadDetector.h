#pragma once

#include "visioncore/DebugDump.h"
#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace bookproc {

using visioncore::DebugDump;
using visioncore::Quad;

// Finds an open book in a photo: the outline of the spread (bright paper against desk and cover),
// then the gutter inside it (the darkest band of the paper, where the pages bend away from the
// light, cross-checked with the notch the bend cuts into the spread's head and tail).
class SpreadDetector {
public:
    explicit SpreadDetector(const DebugDump& dump) : m_dump(dump) {}

    // rgb: CV_8UC3. On success fills both page outlines in full-image pixels.
    bool detect(const cv::Mat& rgb, Quad& left, Quad& right) const;

private:
    // gate, when not empty, limits where paper may be (CV_8U mask). quality: above 1 when the
    // paper fills its outline well.
    bool findSpread(const cv::Mat& smallRgb, const cv::Mat& gate, Quad& spread, cv::Mat& mask,
                    double* quality) const;
    bool findGutter(const cv::Mat& smallGrey, const cv::Mat& mask, const Quad& spread,
                    cv::Point2f& top, cv::Point2f& bottom) const;

    const DebugDump& m_dump;
};

}  // namespace bookproc
