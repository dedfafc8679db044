#include "ColourGradient.h"
#include "MirroredBorder.h"

#include <opencv2/core/hal/intrin.hpp>

#include <cstdlib>
#include <vector>

namespace imageproc {

namespace {

// Derivatives and their magnitude for one channel of one row, from the rows above (a), at (b) and
// below (c) it.
void channelRow(const uchar* a, const uchar* b, const uchar* c, int n, short* gx, short* gy,
                short* m) {
    auto one = [&](int x) {
        const int l = mirrored(x - 1, n), r = mirrored(x + 1, n);
        const int vx = (a[r] - a[l]) + 2 * (b[r] - b[l]) + (c[r] - c[l]);
        const int vy = (c[l] - a[l]) + 2 * (c[x] - a[x]) + (c[r] - a[r]);
        gx[x] = short(vx);
        gy[x] = short(vy);
        m[x] = short(std::abs(vx) + std::abs(vy));
    };
    one(0);
    int x = 1;
#if CV_SIMD128
    // Eight pixels at once; their right neighbours must lie inside the row. The values stay
    // within +-1020 and the sum of magnitudes within 2040, so 16 bits hold them.
    auto load = [](const uchar* p) { return cv::v_reinterpret_as_s16(cv::v_load_expand(p)); };
    for (; x + 8 < n; x += 8) {
        const cv::v_int16x8 al = load(a + x - 1), am = load(a + x), ar = load(a + x + 1);
        const cv::v_int16x8 bl = load(b + x - 1), br = load(b + x + 1);
        const cv::v_int16x8 cl = load(c + x - 1), cm = load(c + x), cr = load(c + x + 1);
        const cv::v_int16x8 vx = (ar - al) + ((br - bl) << 1) + (cr - cl);
        const cv::v_int16x8 vy = (cl - al) + ((cm - am) << 1) + (cr - ar);
        cv::v_store(gx + x, vx);
        cv::v_store(gy + x, vy);
        cv::v_store(m + x, cv::v_reinterpret_as_s16(cv::v_abs(vx) + cv::v_abs(vy)));
    }
#endif
    for (; x < n; ++x)
        one(x);
}

// Per pixel the derivatives of the channel with the largest magnitude, the first of equals.
void strongestRow(const short* const gx[3], const short* const gy[3], const short* const m[3],
                  int n, short* ox, short* oy, ushort* om) {
    int x = 0;
#if CV_SIMD128
    for (; x + 8 <= n; x += 8) {
        const cv::v_int16x8 m0 = cv::v_load(m[0] + x), m1 = cv::v_load(m[1] + x),
                            m2 = cv::v_load(m[2] + x);
        const cv::v_int16x8 first = (m0 >= m1) & (m0 >= m2), second = m1 >= m2;
        auto pick = [&](const short* const* g) {
            return cv::v_select(first, cv::v_load(g[0] + x),
                                cv::v_select(second, cv::v_load(g[1] + x), cv::v_load(g[2] + x)));
        };
        cv::v_store(ox + x, pick(gx));
        cv::v_store(oy + x, pick(gy));
        cv::v_store(om + x, cv::v_reinterpret_as_u16(pick(m)));
    }
#endif
    for (; x < n; ++x) {
        const int k = m[0][x] >= m[1][x] && m[0][x] >= m[2][x] ? 0 : m[1][x] >= m[2][x] ? 1 : 2;
        ox[x] = gx[k][x];
        oy[x] = gy[k][x];
        om[x] = ushort(m[k][x]);
    }
}

}  // namespace

void ColourGradient::compute(const cv::Mat& rgb, cv::Mat& dx, cv::Mat& dy, cv::Mat& mag) {
    CV_Assert(rgb.type() == CV_8UC3);
    const int w = rgb.cols, h = rgb.rows;
    dx.create(rgb.size(), CV_16S);
    dy.create(rgb.size(), CV_16S);
    mag.create(rgb.size(), CV_16U);
    if (rgb.empty())
        return;
    cv::Mat planes[3];
    cv::split(rgb, planes);
    // Nine rows of work: derivatives and magnitude of each channel for the row being made.
    std::vector<short> work(size_t(9) * size_t(w));
    short *gx[3], *gy[3], *m[3];
    for (int c = 0; c < 3; ++c) {
        gx[c] = work.data() + size_t(3 * c) * size_t(w);
        gy[c] = gx[c] + w;
        m[c] = gy[c] + w;
    }
    for (int y = 0; y < h; ++y) {
        const int above = mirrored(y - 1, h), below = mirrored(y + 1, h);
        for (int c = 0; c < 3; ++c)
            channelRow(planes[c].ptr<uchar>(above), planes[c].ptr<uchar>(y),
                       planes[c].ptr<uchar>(below), w, gx[c], gy[c], m[c]);
        strongestRow(gx, gy, m, w, dx.ptr<short>(y), dy.ptr<short>(y), mag.ptr<ushort>(y));
    }
}

}  // namespace imageproc
