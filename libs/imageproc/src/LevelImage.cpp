#include "LevelImage.h"
#include "MirroredBorder.h"

#include <opencv2/core/hal/intrin.hpp>

#include <vector>

namespace imageproc {

namespace {

// The mean of nine values summing to s, rounded to the nearest (never halfway, nine being odd):
// (s + 4) / 9 by a multiplication, exact for every sum nine bytes can have.
inline int ninth(int s) {
    return ((s + 4) * 7282) >> 16;
}

// One row of the level from the three rows a, b, c of the photo (n pixels). column: room for 3 n
// sums, mean: for 3 n means.
void levelRow(const uchar* a, const uchar* b, const uchar* c, int n, ushort* column, ushort* mean,
              ushort* out) {
    const int len = 3 * n;
    int i = 0;
#if CV_SIMD128
    for (; i + 8 <= len; i += 8)
        cv::v_store(column + i,
                    cv::v_load_expand(a + i) + cv::v_load_expand(b + i) + cv::v_load_expand(c + i));
#endif
    for (; i < len; ++i)
        column[i] = ushort(a[i] + b[i] + c[i]);
    // Across: the pixels beside, three values away in the interleaved row.
    auto across = [&](int x, int ch) {
        const int l = mirrored(x - 1, n), r = mirrored(x + 1, n);
        return column[3 * l + ch] + column[3 * x + ch] + column[3 * r + ch];
    };
    for (int ch = 0; ch < 3; ++ch) {
        mean[ch] = ushort(ninth(across(0, ch)));
        mean[len - 3 + ch] = ushort(ninth(across(n - 1, ch)));
    }
    i = 3;
#if CV_SIMD128
    const cv::v_uint16x8 four = cv::v_setall_u16(4), scale = cv::v_setall_u16(7282);
    for (; i + 8 <= len - 3; i += 8) {
        const cv::v_uint16x8 s =
            cv::v_load(column + i - 3) + cv::v_load(column + i) + cv::v_load(column + i + 3);
        cv::v_store(mean + i, cv::v_mul_hi(s + four, scale));
    }
#endif
    for (; i < len - 3; ++i)
        mean[i] = ushort(ninth(column[i - 3] + column[i] + column[i + 3]));
    int x = 0;
#if CV_SIMD128
    for (; x + 8 <= n; x += 8) {
        cv::v_uint16x8 r, g, bl;
        cv::v_load_deinterleave(mean + 3 * x, r, g, bl);
        cv::v_store(out + x, r + g + bl);
    }
#endif
    for (; x < n; ++x)
        out[x] = ushort(mean[3 * x] + mean[3 * x + 1] + mean[3 * x + 2]);
}

}  // namespace

cv::Mat levelImage(const cv::Mat& small) {
    CV_Assert(small.type() == CV_8UC3);
    cv::Mat level(small.size(), CV_16U);
    const int w = small.cols, h = small.rows;
    if (small.empty())
        return level;
    std::vector<ushort> work(size_t(6) * size_t(w));
    for (int y = 0; y < h; ++y)
        levelRow(small.ptr<uchar>(mirrored(y - 1, h)), small.ptr<uchar>(y),
                 small.ptr<uchar>(mirrored(y + 1, h)), w, work.data(), work.data() + 3 * w,
                 level.ptr<ushort>(y));
    return level;
}

}  // namespace imageproc
