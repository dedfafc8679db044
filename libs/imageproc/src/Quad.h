#pragma once

#include <opencv2/core.hpp>

#include <array>

namespace imageproc {

// Four corners in image pixels, clockwise in image coordinates (y down): top-left, top-right,
// bottom-right, bottom-left.
using Quad = std::array<cv::Point2f, 4>;

// Puts any four corners of a convex outline into Quad order, choosing as top the side whose
// direction is closest to the image's horizontal, left to right (the least rotation).
Quad orderQuad(const std::array<cv::Point2f, 4>& pts);

// Converts between Quad order and the library's corner array (point 1 top-right, 2 bottom-left,
// 3 top-left, 4 bottom-right).
void quadToCorners(const Quad& q, int* corners);
Quad cornersToQuad(const int* corners);

bool isConvex(const Quad& q);
double quadArea(const Quad& q);

}  // namespace imageproc
