#include "Downscaler.h"

#include <opencv2/core/utility.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

int Downscaler::factorFor(cv::Size photo) {
    int factor = std::max(1, int(std::lround(std::max(photo.width, photo.height) / 600.0)));
    if (factor > 1 && factor % 2)
        ++factor;
    return factor;
}

cv::Mat Downscaler::reduce(const cv::Mat& rgb, int factor) {
    if (factor < 2)
        return rgb;
    cv::Mat small(rgb.rows / factor, rgb.cols / factor, CV_8UC3);
    const int off = factor / 2 - 1;
    // The reads are spread over the whole photo and wait mostly on memory, which two cores
    // fetch faster than one; every row of the result is made alone, so the split changes nothing.
    cv::parallel_for_(cv::Range(0, small.rows), [&](const cv::Range& rows) {
        for (int y = rows.start; y < rows.end; ++y) {
            const auto* r0 = rgb.ptr<cv::Vec3b>(y * factor + off);
            const auto* r1 = rgb.ptr<cv::Vec3b>(y * factor + off + 1);
            auto* o = small.ptr<cv::Vec3b>(y);
            for (int x = 0; x < small.cols; ++x) {
                const int sx = x * factor + off;
                for (int c = 0; c < 3; ++c)
                    o[x][c] =
                        uchar((r0[sx][c] + r0[sx + 1][c] + r1[sx][c] + r1[sx + 1][c] + 2) >> 2);
            }
        }
    });
    return small;
}

}  // namespace imageproc
