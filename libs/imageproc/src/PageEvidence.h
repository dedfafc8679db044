#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace imageproc {

using visioncore::Quad;

// Whether an outline found among faint edges has earned a place: it must look like a sheet lying
// on the desk, not the desk's own pattern, the rim of a pool of light or long lines of clutter
// that happen to meet. Cheap enough to ask of every faint candidate.
class PageEvidence {
public:
    // small: the reduced photo, CV_8UC3. dx, dy: CV_16S and mag: CV_16U, its smoothed colour
    // gradient, of which threshold is the level that counts as an edge. q: clockwise, in the
    // reduced photo's pixels, no side along the frame's edge.
    static bool earned(const Quad& q, const cv::Mat& small, const cv::Mat& dx, const cv::Mat& dy,
                       const cv::Mat& mag, double threshold);

    // A page under a document camera keeps its corners near right angles (a tilt of the camera
    // changes them by a few degrees); outlines that lines of the desk or clutter happen to make
    // need not. Corners on the edge of a frame of that size are not judged.
    static bool squareCorners(const Quad& q, cv::Size frame);

    // Whether the side from a to b runs along an edge of a frame of that size, within tolerance
    // pixels of it (a few on the reduced picture, where outlines are found; fewer on the full
    // photo, where sides are measured).
    static bool alongFrame(cv::Point2f a, cv::Point2f b, cv::Size frame, float tolerance = 6.f);
    // Whether any side of q runs along an edge of the frame.
    static bool touchesFrame(const Quad& q, cv::Size frame);
};

}  // namespace imageproc
