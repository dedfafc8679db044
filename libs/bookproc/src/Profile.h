#pragma once

#include <opencv2/core.hpp>

#include <vector>

namespace bookproc {

// One-dimensional profiles across a straightened spread, in which the gutter shows as a valley
// (the paper's brightness per column) or as a peak (how far the paper draws back from the
// outline where the pages bend into the binding).
class Profile {
public:
    // Moving average over 2 * radius + 1 samples; the window shrinks at the ends, so a flat
    // profile stays flat right to its edges.
    static std::vector<float> smooth(const std::vector<float>& v, int radius);
    // Index of the lowest (highest) value in [lo, hi), the first one of equals; -1 when the
    // window holds no sample of v.
    static int valley(const std::vector<float>& v, int lo, int hi);
    static int peak(const std::vector<float>& v, int lo, int hi);
    // How far each sample lies below the lower of the highest samples within reach on its left
    // and on its right (0 where it does not): a valley shows, while a step (the edge of a cast
    // shadow) does not, as the dark side has nothing brighter beyond it.
    static std::vector<float> dip(const std::vector<float>& v, int reach);
    // Rows of the text lines crossing columns [x0, x1) of an ink mask (CV_8U, ink non-zero): the
    // peaks of its ink-per-row profile smoothed over about half the letter height xh, to a
    // fraction of a pixel, and at most one per line (two maxima closer than 0.9 xh are one line).
    static std::vector<float> textLines(const cv::Mat& ink, int x0, int x1, double xh);
};

}  // namespace bookproc
