#include "LineAxis.h"

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace textread {

namespace {

// Coefficient of variation of the ink per row (dim 1) or per column (dim 0).
double profileSwing(const cv::Mat& ink, int dim) {
    cv::Mat profile;
    cv::reduce(ink, profile, dim, cv::REDUCE_SUM, CV_64F);
    cv::Scalar mean, sd;
    cv::meanStdDev(profile, mean, sd);
    return mean[0] > 0 ? sd[0] / mean[0] : 0.0;
}

// How much more one profile must swing than the other before the lines count as found.
constexpr double kClearRatio = 1.4;

}  // namespace

LineAxis::Axis LineAxis::of(const cv::Mat& binary) {
    if (binary.empty())
        return Unclear;
    cv::Mat ink;
    cv::threshold(binary, ink, 127, 1, cv::THRESH_BINARY_INV);
    const double rows = profileSwing(ink, 1), columns = profileSwing(ink, 0);
    if (rows > columns * kClearRatio)
        return Across;
    if (columns > rows * kClearRatio)
        return Down;
    return Unclear;
}

}  // namespace textread
