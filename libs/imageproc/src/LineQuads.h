#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

using visioncore::Quad;

// Outlines built from straight lines instead of closed contours. A side that a cast shadow, a
// stretch of low contrast or a cable lying across it breaks into pieces is still one line, and
// a pen lying beside the page does not bend the outline as it bends a contour's hull.
class LineQuads {
public:
    // edges: CV_8U edge map of the reduced photo. Adds every plausible four-sided outline whose
    // sides are long straight lines of the map or the frame's edges (for a page cut by the
    // frame). minSide: the shortest side worth a candidate, in pixels. refit: fit each long line
    // to the edge pixels along it, for a map of a few clean rims (a region's outline), where a
    // side turned a little off the pixel grid would otherwise take the turn of its staircase's
    // treads; on a map of a whole textured photo it would join far more lines than it mends.
    static void collect(const cv::Mat& edges, double minSide, std::vector<Quad>& out,
                        bool refit = false);
};

}  // namespace imageproc
