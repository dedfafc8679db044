#include "HoughSegments.h"

#include <opencv2/core/hal/intrin.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace imageproc {

namespace {

constexpr int kAngles = 180;  // a degree apart over half a turn
constexpr int kShift = 16;    // fixed point of the walk along a line

// What one search works on: the angles' tables, the points still to visit and the accumulator.
// Kept per thread, so a thread's next search finds its memory already there.
struct Workspace {
    alignas(16) float cosine[kAngles];
    alignas(16) float sine[kAngles];
    alignas(16) int rowStart[kAngles];  // where each angle's row of the accumulator starts
    alignas(16) int cell[kAngles];      // the cells of the point being voted for
    std::vector<uchar> mask;            // 1 where a point has not yet been used by a line
    std::vector<cv::Point> points;
    std::vector<int32_t> wide;
    std::vector<int16_t> narrow;
};

// The calling thread's workspace. Reached once per search: in a shared library every access
// to a thread's own variable is a call, which the voting loops must not make.
[[gnu::noinline]] Workspace& workspace() {
    thread_local Workspace w;
    return w;
}

// The accumulator's cell of every angle for the point (x, y): the distance of the line through
// the point at that angle from the origin, rounded as cvRound rounds a float.
void cellsOf(Workspace& w, int x, int y) {
    int n = 0;
#if CV_SIMD128
    const cv::v_float32x4 vx = cv::v_setall_f32(float(x)), vy = cv::v_setall_f32(float(y));
    for (; n + 4 <= kAngles; n += 4) {
        const cv::v_float32x4 r = vx * cv::v_load(w.cosine + n) + vy * cv::v_load(w.sine + n);
        cv::v_store(w.cell + n, cv::v_round(r) + cv::v_load(w.rowStart + n));
    }
#endif
    for (; n < kAngles; ++n)
        w.cell[n] = cvRound(float(x) * w.cosine[n] + float(y) * w.sine[n]) + w.rowStart[n];
}

// Adds the point's votes; returns the first angle with the most votes, and their count.
template <typename Count>
int vote(Workspace& w, Count* acc, int x, int y, int& best) {
    cellsOf(w, x, y);
    int bestAngle = 0;
    for (int n = 0; n < kAngles; ++n) {
        const int v = ++acc[w.cell[n]];
        if (best < v) {
            best = v;
            bestAngle = n;
        }
    }
    return bestAngle;
}

template <typename Count>
void unvote(Workspace& w, Count* acc, int x, int y) {
    cellsOf(w, x, y);
    for (int n = 0; n < kAngles; ++n)
        --acc[w.cell[n]];
}

// The walk along the line at angle n through (x, y), in fixed point along the axis it runs
// closer to: a whole pixel per step on that axis.
struct Walk {
    bool alongX;
    int x0, y0, dx0, dy0;

    Walk(const Workspace& w, int n, int x, int y) : x0(x), y0(y) {
        const float a = -w.sine[n], b = w.cosine[n];
        alongX = std::fabs(a) > std::fabs(b);
        if (alongX) {
            dx0 = a > 0 ? 1 : -1;
            dy0 = cvRound(b * (1 << kShift) / std::fabs(a));
            y0 = (y0 << kShift) + (1 << (kShift - 1));
        } else {
            dy0 = b > 0 ? 1 : -1;
            dx0 = cvRound(a * (1 << kShift) / std::fabs(b));
            x0 = (x0 << kShift) + (1 << (kShift - 1));
        }
    }
    cv::Point at(int x, int y) const {
        return alongX ? cv::Point(x, y >> kShift) : cv::Point(x >> kShift, y);
    }
    // The last set pixel before the frame's edge or a gap longer than maxGap, going forwards
    // (way 0) or backwards (way 1).
    cv::Point end(const uchar* mask, int width, int height, int way, int maxGap) const {
        cv::Point last;
        int gap = 0, x = x0, y = y0;
        const int dx = way ? -dx0 : dx0, dy = way ? -dy0 : dy0;
        for (;; x += dx, y += dy) {
            const cv::Point p = at(x, y);
            if (p.x < 0 || p.x >= width || p.y < 0 || p.y >= height)
                break;
            if (mask[p.y * width + p.x]) {
                gap = 0;
                last = p;
            } else if (++gap > maxGap) {
                break;
            }
        }
        return last;
    }
};

template <typename Count>
void search(Workspace& w, Count* acc, int width, int height, int threshold, int lineLength,
            int lineGap, std::vector<cv::Vec4i>& out) {
    uchar* const mask = w.mask.data();
    std::vector<cv::Point>& points = w.points;
    cv::RNG rng(uint64(-1));
    for (int count = int(points.size()); count > 0; --count) {
        const int idx = rng.uniform(0, count);
        const cv::Point pt = points[size_t(idx)];
        points[size_t(idx)] = points[size_t(count - 1)];
        if (!mask[pt.y * width + pt.x])
            continue;
        int best = threshold - 1;
        const int n = vote(w, acc, pt.x, pt.y, best);
        if (best < threshold)
            continue;
        const Walk walk(w, n, pt.x, pt.y);
        const cv::Point end[2] = {walk.end(mask, width, height, 0, lineGap),
                                  walk.end(mask, width, height, 1, lineGap)};
        const bool good = std::abs(end[1].x - end[0].x) >= lineLength ||
                          std::abs(end[1].y - end[0].y) >= lineLength;
        // The points walked over are used up; a segment's also give their votes back.
        for (int k = 0; k < 2; ++k) {
            int x = walk.x0, y = walk.y0;
            const int dx = k ? -walk.dx0 : walk.dx0, dy = k ? -walk.dy0 : walk.dy0;
            for (;; x += dx, y += dy) {
                const cv::Point p = walk.at(x, y);
                uchar& m = mask[p.y * width + p.x];
                if (m) {
                    if (good)
                        unvote(w, acc, p.x, p.y);
                    m = 0;
                }
                if (p == end[k])
                    break;
            }
        }
        if (good)
            out.emplace_back(end[0].x, end[0].y, end[1].x, end[1].y);
    }
}

}  // namespace

void HoughSegments::find(const cv::Mat& edges, int threshold, double minLength, double maxGap,
                         std::vector<cv::Vec4i>& out) {
    CV_Assert(edges.type() == CV_8UC1);
    out.clear();
    const int width = edges.cols, height = edges.rows;
    if (width == 0 || height == 0)
        return;
    Workspace& w = workspace();
    const float theta = float(CV_PI / 180);
    const int rhos = (width + height) * 2 + 1;
    for (int n = 0; n < kAngles; ++n) {
        w.cosine[n] = float(std::cos(double(n) * theta));
        w.sine[n] = float(std::sin(double(n) * theta));
        w.rowStart[n] = n * rhos + (rhos - 1) / 2;
    }
    w.mask.resize(size_t(width) * size_t(height));
    w.points.clear();
    for (int y = 0; y < height; ++y) {
        const uchar* e = edges.ptr<uchar>(y);
        uchar* m = w.mask.data() + size_t(y) * size_t(width);
        int x = 0;
#if CV_SIMD128
        // Most of an edge map is empty: sixteen empty pixels at a time are passed over.
        for (; x + 16 <= width; x += 16) {
            const cv::v_uint8x16 set = cv::v_load(e + x) != cv::v_setzero_u8();
            cv::v_store(m + x, set & cv::v_setall_u8(1));
            if (!cv::v_check_any(set))
                continue;
            for (int k = x; k < x + 16; ++k)
                if (e[k])
                    w.points.emplace_back(k, y);
        }
#endif
        for (; x < width; ++x) {
            m[x] = e[x] != 0;
            if (e[x])
                w.points.emplace_back(x, y);
        }
    }
    // A cell counts the votes of the points on one line of a pixel's width, less those given
    // back: never more than such a line has pixels, for which 16 bits suffice on any frame the
    // detection works on.
    const size_t cells = size_t(kAngles) * size_t(rhos);
    if (2 * (width + height) < 32000) {
        w.narrow.assign(cells, 0);
        search(w, w.narrow.data(), width, height, threshold, cvRound(minLength), cvRound(maxGap),
               out);
    } else {
        w.wide.assign(cells, 0);
        search(w, w.wide.data(), width, height, threshold, cvRound(minLength), cvRound(maxGap),
               out);
    }
}

}  // namespace imageproc
