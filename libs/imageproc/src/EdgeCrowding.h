#pragma once

#include <opencv2/core.hpp>

namespace imageproc {

// Text lines, wood grain, woven cloth and striped desks give lines with edge pixels close beside
// them on both sides; the edge of a sheet or a card has its plain margin on one side. Counts, of
// `samples` points spread evenly over [lo, hi] along the line through `p` with unit direction
// `d`, those with an edge pixel of `edges` (CV_8U) between 3 and `reach` pixels away on both
// sides.
int pointsAmidEdges(cv::Point2f p, cv::Point2f d, float lo, float hi, int samples, int reach,
                    const cv::Mat& edges);

}  // namespace imageproc
