#include "Quad.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace imageproc {

Quad orderQuad(const std::array<cv::Point2f, 4>& pts) {
    cv::Point2f c(0, 0);
    for (const auto& p : pts)
        c += p * 0.25f;
    std::array<cv::Point2f, 4> s = pts;
    // Increasing angle with y pointing down is clockwise on screen.
    std::sort(s.begin(), s.end(), [&](const cv::Point2f& a, const cv::Point2f& b) {
        return std::atan2(a.y - c.y, a.x - c.x) < std::atan2(b.y - c.y, b.x - c.x);
    });
    int best = 0;
    double bestAngle = 1e9;
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f d = s[size_t((i + 1) % 4)] - s[size_t(i)];
        const double a = std::abs(std::atan2(d.y, d.x));
        if (a < bestAngle - 1e-9)
            bestAngle = a, best = i;
    }
    Quad q;
    for (int i = 0; i < 4; ++i)
        q[size_t(i)] = s[size_t((best + i) % 4)];
    return q;
}

void quadToCorners(const Quad& q, int* corners) {
    const cv::Point2f order[4] = {q[1], q[3], q[0], q[2]};
    for (int i = 0; i < 4; ++i) {
        corners[2 * i] = int(std::lround(order[i].x));
        corners[2 * i + 1] = int(std::lround(order[i].y));
    }
}

Quad cornersToQuad(const int* c) {
    return Quad{cv::Point2f(float(c[4]), float(c[5])), cv::Point2f(float(c[0]), float(c[1])),
                cv::Point2f(float(c[6]), float(c[7])), cv::Point2f(float(c[2]), float(c[3]))};
}

bool isConvex(const Quad& q) {
    int sign = 0;
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[size_t((i + 1) % 4)] - q[size_t(i)];
        const cv::Point2f b = q[size_t((i + 2) % 4)] - q[size_t((i + 1) % 4)];
        const double cross = double(a.x) * b.y - double(a.y) * b.x;
        if (std::abs(cross) < 1e-6)
            return false;
        const int s = cross > 0 ? 1 : -1;
        if (sign != 0 && s != sign)
            return false;
        sign = s;
    }
    return true;
}

double quadArea(const Quad& q) {
    std::vector<cv::Point2f> v(q.begin(), q.end());
    return std::abs(cv::contourArea(v));
}

}  // namespace imageproc
