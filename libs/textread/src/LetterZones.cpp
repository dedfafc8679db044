#include "LetterZones.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <vector>

namespace textread {

namespace {

// A line's rows are those with at least this share of the line's fullest row's ink; its core
// those with at least half of it.
constexpr double kLineShare = 0.04;
constexpr double kCoreShare = 0.5;

}  // namespace

double LetterZones::upness(const cv::Mat& binary) {
    if (binary.empty())
        return 0.0;
    cv::Mat ink;
    cv::threshold(binary, ink, 127, 1, cv::THRESH_BINARY_INV);
    cv::Mat profile;
    cv::reduce(ink, profile, 1, cv::REDUCE_SUM, CV_64F);
    const int n = profile.rows;
    const double* p = profile.ptr<double>();
    double fullest = 0;
    for (int y = 0; y < n; ++y)
        fullest = std::max(fullest, p[y]);
    if (fullest <= 0)
        return 0.0;
    double above = 0, below = 0;
    for (int y = 0; y < n;) {
        if (p[y] < fullest * kLineShare) {
            ++y;
            continue;
        }
        const int top = y;
        while (y < n && p[y] >= fullest * kLineShare)
            ++y;
        const int bottom = y;  // one past the line's last row
        const double lineMax = *std::max_element(p + top, p + bottom);
        int coreTop = top, coreBottom = bottom - 1;
        while (p[coreTop] < lineMax * kCoreShare)
            ++coreTop;
        while (p[coreBottom] < lineMax * kCoreShare)
            --coreBottom;
        // A line of only a few rows is a rule or a speck row, not letters with a core.
        if (bottom - top < 6 || coreBottom - coreTop < 2)
            continue;
        for (int r = top; r < coreTop; ++r)
            above += p[r];
        for (int r = coreBottom + 1; r < bottom; ++r)
            below += p[r];
    }
    return above + below > 0 ? (above - below) / (above + below) : 0.0;
}

}  // namespace textread
