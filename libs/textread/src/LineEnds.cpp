#include "LineEnds.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace textread {

namespace {

constexpr int kMinLines = 4;

// Share of the lines whose end lies within tolerance of the end most of them share.
double aligned(const std::vector<int>& v, int tolerance) {
    int most = 0;
    for (int a : v) {
        int n = 0;
        for (int b : v)
            n += std::abs(a - b) <= tolerance;
        most = std::max(most, n);
    }
    return double(most) / double(v.size());
}

}  // namespace

double LineEnds::raggedRight(const cv::Mat& letters, int tolerance) {
    std::vector<int> starts, ends;
    int y = 0;
    while (y < letters.rows) {
        if (cv::countNonZero(letters.row(y)) == 0) {
            ++y;
            continue;
        }
        int left = letters.cols, right = -1;
        for (; y < letters.rows && cv::countNonZero(letters.row(y)) > 0; ++y) {
            const uchar* r = letters.ptr<uchar>(y);
            for (int x = 0; x < letters.cols; ++x) {
                if (r[x]) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        starts.push_back(left);
        ends.push_back(right);
    }
    if (int(starts.size()) < kMinLines)
        return 0.0;
    return aligned(starts, tolerance) - aligned(ends, tolerance);
}

}  // namespace textread
