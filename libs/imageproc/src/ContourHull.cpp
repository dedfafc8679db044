#include "ContourHull.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <climits>

namespace imageproc {

// cv::convexHull of a contour, from fewer points. Only the first and the last point of each row
// can be corners of the hull (any other lies between two of its row): their hull has the corners
// of the whole contour's. OpenCV starts the hull at a corner chosen by the corners' order in the
// contour, so the corners, taken in the contour's order, are given to it once more.
void ContourHull::of(const std::vector<cv::Point>& contour, const cv::Rect& box,
                     std::vector<cv::Point>& hull) {
    std::vector<int> first(size_t(box.height), INT_MAX), last(size_t(box.height), INT_MIN);
    for (const cv::Point& p : contour) {
        const size_t row = size_t(p.y - box.y);
        first[row] = std::min(first[row], p.x);
        last[row] = std::max(last[row], p.x);
    }
    std::vector<cv::Point> ends;
    ends.reserve(2 * size_t(box.height));
    for (int row = 0; row < box.height; ++row) {
        if (first[size_t(row)] > last[size_t(row)])
            continue;
        ends.emplace_back(first[size_t(row)], box.y + row);
        if (last[size_t(row)] != first[size_t(row)])
            ends.emplace_back(last[size_t(row)], box.y + row);
    }
    std::vector<cv::Point> corners;
    cv::convexHull(ends, corners);
    // Rows hold at most two corners: mark them as the row's first or last point.
    std::fill(first.begin(), first.end(), INT_MAX);
    std::fill(last.begin(), last.end(), INT_MAX);
    for (const cv::Point& c : corners) {
        const size_t row = size_t(c.y - box.y);
        (first[row] == INT_MAX ? first[row] : last[row]) = c.x;
    }
    std::vector<cv::Point> inOrder;
    for (const cv::Point& p : contour) {
        const size_t row = size_t(p.y - box.y);
        if (p.x == first[row] || p.x == last[row])
            inOrder.push_back(p);
    }
    cv::convexHull(inOrder, hull);
}

}  // namespace imageproc
