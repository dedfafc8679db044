#include "CornerRefiner.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

// A side lying on the frame's edge has no step to measure: the page runs on beyond the picture.
bool alongFrame(cv::Point2f a, cv::Point2f b, cv::Size s) {
    const float tol = 2.f;
    auto on = [&](float v, float lim) { return v < tol || v > lim - 1 - tol; };
    return (on(a.x, float(s.width)) && on(b.x, float(s.width)) && std::abs(a.x - b.x) < 2 * tol) ||
           (on(a.y, float(s.height)) && on(b.y, float(s.height)) && std::abs(a.y - b.y) < 2 * tol);
}

}  // namespace

Quad CornerRefiner::refine(const Quad& q, const cv::Mat& rgb, double reach) {
    cv::Vec3f lines[4];
    bool fitted[4] = {false, false, false, false};
    const cv::Size size = rgb.size();
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[size_t(i)], b = q[size_t((i + 1) % 4)];
        const double len = cv::norm(b - a);
        if (len < 10 || alongFrame(a, b, size))
            continue;
        const cv::Point2f d = (b - a) * (1.0f / float(len));
        const cv::Point2f n(-d.y, d.x);
        std::vector<cv::Point2f> pts;
        const int N = 48;
        const int R = int(std::ceil(reach));
        std::vector<cv::Vec3f> prof(size_t(2 * R + 3));
        for (int k = 0; k < N; ++k) {
            const cv::Point2f p = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / N);
            bool ok = true;
            for (int t = -R - 1; t <= R + 1; ++t) {
                const cv::Point2f s = p + n * float(t);
                const int x0 = int(std::floor(s.x)), y0 = int(std::floor(s.y));
                if (x0 < 0 || y0 < 0 || x0 + 1 >= size.width || y0 + 1 >= size.height) {
                    ok = false;
                    break;
                }
                const float fx = s.x - x0, fy = s.y - y0;
                const cv::Vec3b& p00 = rgb.at<cv::Vec3b>(y0, x0);
                const cv::Vec3b& p01 = rgb.at<cv::Vec3b>(y0, x0 + 1);
                const cv::Vec3b& p10 = rgb.at<cv::Vec3b>(y0 + 1, x0);
                const cv::Vec3b& p11 = rgb.at<cv::Vec3b>(y0 + 1, x0 + 1);
                cv::Vec3f v;
                for (int c = 0; c < 3; ++c)
                    v[c] = (1 - fy) * ((1 - fx) * p00[c] + fx * p01[c]) +
                           fy * ((1 - fx) * p10[c] + fx * p11[c]);
                prof[size_t(t + R + 1)] = v;
            }
            if (!ok)
                continue;
            // Derivative over two pixels of the colour along the normal.
            int bestT = 0;
            float best = -1;
            std::vector<float> g(size_t(2 * R + 1));
            for (int t = -R; t <= R; ++t) {
                const cv::Vec3f dv = prof[size_t(t + R + 2)] - prof[size_t(t + R)];
                g[size_t(t + R)] = std::abs(dv[0]) + std::abs(dv[1]) + std::abs(dv[2]);
                if (g[size_t(t + R)] > best)
                    best = g[size_t(t + R)], bestT = t;
            }
            if (best < 12)
                continue;
            double off = bestT;
            if (bestT > -R && bestT < R) {
                const double l = g[size_t(bestT + R - 1)], c = g[size_t(bestT + R)],
                             r = g[size_t(bestT + R + 1)];
                const double den = l - 2 * c + r;
                if (std::abs(den) > 1e-6)
                    off += std::clamp(0.5 * (l - r) / den, -0.5, 0.5);
            }
            pts.push_back(p + n * float(off));
        }
        if (pts.size() < 10)
            continue;
        for (int iter = 0; iter < 3; ++iter) {
            cv::Vec4f l;
            cv::fitLine(pts, l, cv::DIST_L2, 0, 0.01, 0.01);
            const cv::Vec3f line(-l[1], l[0], l[1] * l[2] - l[0] * l[3]);  // ax + by + c = 0
            std::vector<float> res;
            for (const auto& p : pts)
                res.push_back(std::abs(line[0] * p.x + line[1] * p.y + line[2]));
            std::vector<float> sorted = res;
            std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2),
                             sorted.end());
            const float cut = std::max(1.0f, 2.5f * sorted[sorted.size() / 2]);
            std::vector<cv::Point2f> keep;
            for (size_t k = 0; k < pts.size(); ++k)
                if (res[k] <= cut)
                    keep.push_back(pts[k]);
            lines[i] = line;
            fitted[i] = true;
            if (keep.size() == pts.size() || keep.size() < 8)
                break;
            pts = keep;
        }
    }
    Quad out = q;
    for (int i = 0; i < 4; ++i) {
        // Corner i lies on side i-1 and side i.
        const int a = (i + 3) % 4, b = i;
        cv::Vec3f la, lb;
        auto sideLine = [&](int s) {
            if (fitted[s])
                return lines[s];
            const cv::Point2f p = q[size_t(s)], r = q[size_t((s + 1) % 4)];
            return cv::Vec3f(p.y - r.y, r.x - p.x, p.x * r.y - r.x * p.y);
        };
        la = sideLine(a);
        lb = sideLine(b);
        const cv::Vec3f x = la.cross(lb);
        if (std::abs(x[2]) < 1e-9)
            continue;
        const cv::Point2f c(x[0] / x[2], x[1] / x[2]);
        if (cv::norm(c - q[size_t(i)]) < reach * 2.5)
            out[size_t(i)] = c;
    }
    return out.isConvex() ? out : q;
}

}  // namespace imageproc
