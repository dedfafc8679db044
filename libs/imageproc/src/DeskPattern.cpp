#include "DeskPattern.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace imageproc {

double DeskPattern::bestCopy(const cv::Mat& small, const Quad& q) {
    const cv::Rect frame(0, 0, small.cols, small.rows);
    const cv::Rect box = cv::boundingRect(q.polygon()) & frame;
    if (box.width < 8 || box.height < 8)
        return -1;
    // Copies a tile's width or height away, and one more, are enough to tell a pattern.
    const int grow = std::max(box.width, box.height) + 2;
    const cv::Rect window =
        cv::Rect(box.x - grow, box.y - grow, box.width + 2 * grow, box.height + 2 * grow) & frame;
    // The pattern is as coarse as the outline: about 24 pixels across it serve, and keep the
    // masked matching below, which the frequency domain cannot speed up, cheap.
    const double f = std::min(0.5, 24.0 / std::max(box.width, box.height));
    // In colour: a tile's copies have its colours as well, while a card's print matched by the
    // desk's shading in grey seldom matches it in colour too.
    cv::Mat around, tile;
    cv::resize(small(window), around, cv::Size(), f, f, cv::INTER_AREA);
    const cv::Rect inWindow(box.tl() - window.tl(), box.size());
    cv::resize(small(box), tile, cv::Size(), f, f, cv::INTER_AREA);
    if (tile.cols < 4 || tile.rows < 4 || around.cols <= tile.cols || around.rows <= tile.rows)
        return -1;
    // Only what the outline encloses: the desk in the corners of its box repeats round a card
    // as well.
    cv::Mat inside = cv::Mat::zeros(box.size(), CV_8U), mask;
    std::vector<cv::Point> poly = q.polygon();
    for (auto& p : poly)
        p -= box.tl();
    cv::fillConvexPoly(inside, poly, cv::Scalar(255));
    cv::resize(inside, mask, tile.size(), 0, 0, cv::INTER_NEAREST);
    cv::Mat match;
    cv::Mat mask3;
    cv::merge(std::vector<cv::Mat>{mask, mask, mask}, mask3);
    cv::matchTemplate(around, tile, match, cv::TM_CCOEFF_NORMED, mask3);
    cv::patchNaNs(match, -1);
    // The outline's own place, and shifts by less than half its size, are no copy.
    const cv::Point self(cvRound(inWindow.x * f), cvRound(inWindow.y * f));
    const cv::Size near(std::max(2, tile.cols / 2), std::max(2, tile.rows / 2));
    cv::rectangle(match,
                  cv::Rect(self - cv::Point(near.width, near.height), near * 2 + cv::Size(1, 1)),
                  cv::Scalar(-1), cv::FILLED);
    double best = -1;
    cv::Point at;
    cv::minMaxLoc(match, nullptr, &best, nullptr, &at);
    // The correlation ignores brightness and contrast; a tile's copy has them as well, while a
    // faint match of a card's print to the desk's shading does not.
    cv::Mat grey0, grey1;
    cv::cvtColor(tile, grey0, cv::COLOR_RGB2GRAY);
    cv::cvtColor(around(cv::Rect(at, tile.size())), grey1, cv::COLOR_RGB2GRAY);
    cv::Scalar m0, s0, m1, s1;
    cv::meanStdDev(grey0, m0, s0, mask);
    cv::meanStdDev(grey1, m1, s1, mask);
    const double spread = std::max(s0[0], s1[0]) / std::max(1.0, std::min(s0[0], s1[0]));
    if (std::abs(m0[0] - m1[0]) > 25 || spread > 1.5)
        return std::min(best, 0.0);
    return best;
}

bool DeskPattern::repeats(const cv::Mat& small, const Quad& q) {
    // Cards on tiled and printed desks reach about 0.5 here, tiles 0.75 and more.
    return bestCopy(small, q) > 0.64;
}

}  // namespace imageproc
