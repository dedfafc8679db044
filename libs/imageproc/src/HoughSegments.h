#pragma once

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

// Straight segments among the set pixels of an edge map, by the progressive probabilistic Hough
// transform at a pixel and a degree: the points are taken in OpenCV's pseudo-random order and
// every step is done in the same arithmetic, so the segments are exactly those of
// cv::HoughLinesP(edges, out, 1, CV_PI / 180, threshold, minLength, maxGap). Only faster: the
// votes of a point are reckoned four angles at a time in a narrower accumulator, whose memory is
// kept per thread from one call to the next. Safe to call from several threads at once.
class HoughSegments {
public:
    // edges: CV_8UC1, any non-zero pixel counts. out: replaced by the segments (x0, y0, x1, y1).
    static void find(const cv::Mat& edges, int threshold, double minLength, double maxGap,
                     std::vector<cv::Vec4i>& out);
};

}  // namespace imageproc
