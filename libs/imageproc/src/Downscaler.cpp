#include "Downscaler.h"

#include <opencv2/core/hal/intrin.hpp>
#include <opencv2/core/utility.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace imageproc {

namespace {

// One row of the reduced photo: each pixel the mean of the 2 x 2 pixels at (x * factor + off)
// in the rows r0 and r1 (bytes long), rounded.
void reduceRow(const uchar* r0, const uchar* r1, int bytes, int factor, int off, int n,
               uchar* out) {
    int x = 0;
#if CV_SIMD128
    // Sixteen bytes from each row hold the pixel pair, whose second pixel's channels lie three
    // lanes on. Four bytes are stored, the last of which the next pixel overwrites.
    const cv::v_uint16x8 two = cv::v_setall_u16(2);
    for (; x + 1 < n && 3 * (x * factor + off) + 16 <= bytes; ++x) {
        const int at = 3 * (x * factor + off);
        cv::v_uint16x8 a, b, unused;
        cv::v_expand(cv::v_load(r0 + at), a, unused);
        cv::v_expand(cv::v_load(r1 + at), b, unused);
        const cv::v_uint16x8 v = a + b;
        const cv::v_uint16x8 mean = (v + cv::v_rotate_right<3>(v) + two) >> 2;
        const uint32_t pixel = cv::v_reinterpret_as_u32(cv::v_pack(mean, mean)).get0();
        std::memcpy(out + 3 * x, &pixel, 4);
    }
#endif
    for (; x < n; ++x) {
        const int at = 3 * (x * factor + off);
        for (int c = 0; c < 3; ++c)
            out[3 * x + c] =
                uchar((r0[at + c] + r0[at + 3 + c] + r1[at + c] + r1[at + 3 + c] + 2) >> 2);
    }
}

}  // namespace

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
        for (int y = rows.start; y < rows.end; ++y)
            reduceRow(rgb.ptr<uchar>(y * factor + off), rgb.ptr<uchar>(y * factor + off + 1),
                      3 * rgb.cols, factor, off, small.cols, small.ptr<uchar>(y));
    });
    return small;
}

}  // namespace imageproc
