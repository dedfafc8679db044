#include "ChannelRange.h"

#include <opencv2/core/hal/intrin.hpp>

#include <algorithm>

namespace imageproc {

void ChannelRange::compute(const cv::Mat& rgb, cv::Mat& lo, cv::Mat& hi) {
    CV_Assert(rgb.type() == CV_8UC3);
    lo.create(rgb.size(), CV_8U);
    hi.create(rgb.size(), CV_8U);
    for (int y = 0; y < rgb.rows; ++y) {
        const uchar* s = rgb.ptr<uchar>(y);
        uchar* l = lo.ptr<uchar>(y);
        uchar* h = hi.ptr<uchar>(y);
        int x = 0;
#if CV_SIMD128
        for (; x + 16 <= rgb.cols; x += 16) {
            cv::v_uint8x16 r, g, b;
            cv::v_load_deinterleave(s + 3 * x, r, g, b);
            cv::v_store(l + x, cv::v_min(cv::v_min(r, g), b));
            cv::v_store(h + x, cv::v_max(cv::v_max(r, g), b));
        }
#endif
        for (; x < rgb.cols; ++x) {
            l[x] = std::min({s[3 * x], s[3 * x + 1], s[3 * x + 2]});
            h[x] = std::max({s[3 * x], s[3 * x + 1], s[3 * x + 2]});
        }
    }
}

}  // namespace imageproc
