#include "Variants.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace qrcode {

View Variants::scaled(const View& v, double factor) {
    View out;
    if (factor >= 1) {
        cv::resize(v.grey, out.grey, cv::Size(), factor, factor, cv::INTER_CUBIC);
    } else {
        // Area averaging is exact and fast when it halves; for any other factor it costs ten
        // times as much. So halve while the factor allows, then interpolate the small rest.
        out.grey = v.grey;
        double rest = factor;
        while (rest <= 0.5 && out.grey.cols >= 2 && out.grey.rows >= 2) {
            cv::Mat half;
            cv::resize(out.grey, half, cv::Size(out.grey.cols / 2, out.grey.rows / 2), 0, 0,
                       cv::INTER_AREA);
            out.grey = half;
            rest *= 2;
        }
        if (rest < 0.999) {
            cv::Mat smaller;
            cv::resize(out.grey, smaller,
                       cv::Size(std::max(1, int(std::lround(out.grey.cols * rest))),
                                std::max(1, int(std::lround(out.grey.rows * rest)))),
                       0, 0, cv::INTER_LINEAR);
            out.grey = smaller;
        }
    }
    const double backX = double(v.grey.cols) / std::max(1, out.grey.cols);
    const double backY = double(v.grey.rows) / std::max(1, out.grey.rows);
    out.toSource = v.toSource * cv::Matx33d(backX, 0, 0, 0, backY, 0, 0, 0, 1);
    return out;
}

View Variants::withQuietZone(const View& v) {
    const int b = std::max(8, std::max(v.grey.cols, v.grey.rows) / 10);
    View out;
    cv::copyMakeBorder(v.grey, out.grey, b, b, b, b, cv::BORDER_CONSTANT, cv::Scalar(255));
    out.toSource = v.toSource * cv::Matx33d(1, 0, -b, 0, 1, -b, 0, 0, 1);
    return out;
}

View Variants::inverted(const View& v) {
    View out;
    cv::bitwise_not(v.grey, out.grey);
    out.toSource = v.toSource;
    return out;
}

View Variants::smoothed(const View& v, double sigma) {
    View out;
    cv::GaussianBlur(v.grey, out.grey, cv::Size(), sigma);
    out.toSource = v.toSource;
    return out;
}

View Variants::locallyThresholded(const View& v) {
    const int block = std::max(11, (std::max(v.grey.cols, v.grey.rows) / 8) | 1);
    View out;
    cv::adaptiveThreshold(v.grey, out.grey, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY,
                          block, 5);
    out.toSource = v.toSource;
    return out;
}

}  // namespace qrcode
