#include "CannyEdges.h"

#include <opencv2/core/hal/intrin.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace imageproc {

namespace {

// tan(22.5 degrees) in 1/32768ths, the fixed point in which the gradient's direction is binned.
constexpr int kTan22 = 13573;

// Whether the point is the ridge of the gradient across the edge: compared with its two
// neighbours across it (the direction binned to 0, 45, 90 or 135 degrees), one strictly, the
// other not, so that of a ridge two pixels wide one stays. p, c, n: the magnitudes of the rows
// above, at and below the point, at its column.
bool onRidge(const ushort* p, const ushort* c, const ushort* n, int gx, int gy) {
    const int m = *c, ax = std::abs(gx), ay = std::abs(gy) << 15;
    const int tg22 = ax * kTan22;
    if (ay < tg22)
        return m > c[-1] && m >= c[1];
    if (ay > tg22 + (ax << 16))
        return m > *p && m >= *n;
    const int s = (gx ^ gy) < 0 ? -1 : 1;
    return m > p[-s] && m > n[s];
}

#if CV_SIMD128
// The same for eight points at once: their magnitude where they are on the ridge and above the
// floor, 0 elsewhere.
cv::v_uint16x8 ridge8(const ushort* p, const ushort* c, const ushort* n, const short* gx,
                      const short* gy, ushort floor) {
    using namespace cv;
    const v_uint16x8 m = v_load(c);
    const v_int16x8 dx = v_load(gx), dy = v_load(gy);
    const v_uint16x8 ax = v_abs(dx), ay = v_abs(dy);
    // The direction's bins, in 32 bits: |dy| << 15 against |dx| * tan 22.5 and tan 67.5.
    v_uint32x4 tg[2], ys[2], ax32[2];
    v_mul_expand(ax, v_setall_u16(ushort(kTan22)), tg[0], tg[1]);
    v_expand(ay, ys[0], ys[1]);
    v_expand(ax, ax32[0], ax32[1]);
    v_uint32x4 flat[2], steep[2];
    for (int i = 0; i < 2; ++i) {
        ys[i] = ys[i] << 15;
        flat[i] = ys[i] < tg[i];
        steep[i] = ys[i] > tg[i] + (ax32[i] << 16);
    }
    const v_uint16x8 isFlat = v_pack(flat[0], flat[1]), isSteep = v_pack(steep[0], steep[1]);
    const v_uint16x8 rising = v_reinterpret_as_u16((dx ^ dy) >= v_setzero_s16());
    const v_uint16x8 horizontal = (m > v_load(c - 1)) & (m >= v_load(c + 1));
    const v_uint16x8 vertical = (m > v_load(p)) & (m >= v_load(n));
    const v_uint16x8 diagonal = v_select(rising, (m > v_load(p - 1)) & (m > v_load(n + 1)),
                                         (m > v_load(p + 1)) & (m > v_load(n - 1)));
    const v_uint16x8 ridge = v_select(isFlat, horizontal, v_select(isSteep, vertical, diagonal)) &
                             (m > v_setall_u16(floor));
    return m & ridge;
}
#endif

}  // namespace

CannyEdges::CannyEdges(const cv::Mat& dx, const cv::Mat& dy, const cv::Mat& mag, double floor)
    : m_floor(std::clamp(cvFloor(floor), 0, 65535)) {
    CV_Assert(dx.type() == CV_16S && dy.type() == CV_16S && mag.type() == CV_16U &&
              dx.size() == mag.size() && dy.size() == mag.size());
    const int w = mag.cols, h = mag.rows;
    m_ridge.create(mag.size(), CV_16U);
    // Three rows of magnitude with a zero beyond each end: beyond the picture it counts as zero.
    std::vector<ushort> rows(size_t(3) * size_t(w + 2), 0);
    ushort* row[3] = {rows.data() + 1, rows.data() + w + 3, rows.data() + 2 * (w + 2) + 1};
    auto load = [&](int y, ushort* into) {
        if (y < h)
            std::copy(mag.ptr<ushort>(y), mag.ptr<ushort>(y) + w, into);
        else
            std::fill(into, into + w, ushort(0));
    };
    load(0, row[1]);
    for (int y = 0; y < h; ++y) {
        load(y + 1, row[2]);
        const short* gx = dx.ptr<short>(y);
        const short* gy = dy.ptr<short>(y);
        ushort* out = m_ridge.ptr<ushort>(y);
        int x = 0;
#if CV_SIMD128
        for (; x + 8 <= w; x += 8)
            cv::v_store(out + x, ridge8(row[0] + x, row[1] + x, row[2] + x, gx + x, gy + x,
                                        ushort(m_floor)));
#endif
        for (; x < w; ++x) {
            const bool ridge =
                row[1][x] > m_floor && onRidge(row[0] + x, row[1] + x, row[2] + x, gx[x], gy[x]);
            out[x] = ridge ? row[1][x] : 0;
        }
        std::rotate(row, row + 1, row + 3);
    }
}

cv::Mat CannyEdges::edges(double lowThreshold, double highThreshold) const {
    if (lowThreshold > highThreshold)
        std::swap(lowThreshold, highThreshold);
    const int low = cvFloor(lowThreshold), high = cvFloor(highThreshold);
    CV_Assert(low >= m_floor);
    const int w = m_ridge.cols, h = m_ridge.rows;
    // A frame of one pixel around the picture that is never an edge spares the bounds checks.
    // 0: may join an edge, 1: never, 2: edge whose neighbours are still to be looked at, 3: edge.
    const ptrdiff_t step = w + 2;
    std::vector<uchar> map(size_t(step) * size_t(h + 2), 1);
    const ushort lowLevel = ushort(std::min(low, 65535)), highLevel = ushort(std::min(high, 65535));
    for (int y = 0; y < h; ++y) {
        const ushort* r = m_ridge.ptr<ushort>(y);
        uchar* m = map.data() + (y + 1) * step + 1;
        int x = 0;
#if CV_SIMD128
        for (; x + 16 <= w; x += 16) {
            const cv::v_uint16x8 r0 = cv::v_load(r + x), r1 = cv::v_load(r + x + 8);
            const cv::v_uint8x16 candidate =
                cv::v_pack(r0 > cv::v_setall_u16(lowLevel), r1 > cv::v_setall_u16(lowLevel));
            const cv::v_uint8x16 strong =
                cv::v_pack(r0 > cv::v_setall_u16(highLevel), r1 > cv::v_setall_u16(highLevel));
            cv::v_store(m + x,
                        cv::v_select(candidate, strong & cv::v_setall_u8(2), cv::v_setall_u8(1)));
        }
#endif
        for (; x < w; ++x)
            m[x] = r[x] <= low ? 1 : r[x] > high ? 2 : 0;
    }
    // Every strong point passes its mark on to the candidates around it, and they to theirs.
    // The stack lives in locals so that the compiler keeps it in registers across the byte
    // stores into the map.
    const ptrdiff_t around[8] = {-step - 1, -step, -step + 1, -1, 1, step - 1, step, step + 1};
    std::vector<uchar*> storage(1024);
    uchar** stack = storage.data();
    size_t depth = 0, room = storage.size();
    auto spread = [&](uchar* from) {
        *from = 3;
        for (const ptrdiff_t d : around)
            if (!from[d]) {
                from[d] = 2;
                if (depth == room) {
                    storage.resize(room * 2);
                    stack = storage.data();
                    room = storage.size();
                }
                stack[depth++] = from + d;
            }
    };
    for (int y = 0; y < h; ++y) {
        uchar* m = map.data() + (y + 1) * step + 1;
        for (int x = 0; x < w; ++x) {
#if CV_SIMD128
            if (x % 16 == 0)
                while (x + 16 <= w && !cv::v_check_any(cv::v_load(m + x) == cv::v_setall_u8(2)))
                    x += 16;
            if (x >= w)
                break;
#endif
            if (m[x] != 2)
                continue;
            spread(m + x);
            while (depth > 0)
                spread(stack[--depth]);
        }
    }
    cv::Mat out(h, w, CV_8U);
    for (int y = 0; y < h; ++y) {
        const uchar* m = map.data() + (y + 1) * step + 1;
        uchar* o = out.ptr<uchar>(y);
        int x = 0;
#if CV_SIMD128
        for (; x + 16 <= w; x += 16)
            cv::v_store(o + x, cv::v_load(m + x) >= cv::v_setall_u8(2));
#endif
        for (; x < w; ++x)
            o[x] = m[x] >= 2 ? 255 : 0;
    }
    return out;
}

}  // namespace imageproc
