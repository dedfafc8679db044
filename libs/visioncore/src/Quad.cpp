#include "visioncore/Quad.h"

#include <algorithm>
#include <cmath>

namespace visioncore {

Quad Quad::ordered(const std::array<cv::Point2f, 4>& corners) {
    cv::Point2f c(0, 0);
    for (const auto& p : corners)
        c += p * 0.25f;
    std::array<cv::Point2f, 4> s = corners;
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

Quad Quad::fromCorners(const int* c) {
    auto pt = [&](int i) { return cv::Point2f(float(c[2 * i]), float(c[2 * i + 1])); };
    return Quad(pt(2), pt(0), pt(3), pt(1));
}

void Quad::toCorners(int* corners) const {
    const cv::Point2f order[4] = {tr(), bl(), tl(), br()};
    for (int i = 0; i < 4; ++i) {
        corners[2 * i] = cvRound(order[i].x);
        corners[2 * i + 1] = cvRound(order[i].y);
    }
}

bool Quad::isConvex(double minArea) const {
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f a = m_corners[(i + 1) % 4] - m_corners[i];
        const cv::Point2f b = m_corners[(i + 2) % 4] - m_corners[(i + 1) % 4];
        if (double(a.x) * b.y - double(a.y) * b.x <= 0)
            return false;
    }
    return area() >= minArea;
}

double Quad::area() const {
    double twice = 0;
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f& a = m_corners[i];
        const cv::Point2f& b = m_corners[(i + 1) % 4];
        twice += double(a.x) * b.y - double(b.x) * a.y;
    }
    return std::abs(twice) / 2;
}

bool Quad::inside(int width, int height) const {
    return std::all_of(begin(), end(), [&](const cv::Point2f& p) {
        return p.x >= 0 && p.y >= 0 && p.x <= width - 1 && p.y <= height - 1;
    });
}

Quad Quad::scaled(double factor) const {
    Quad q = *this;
    for (auto& p : q)
        p *= factor;
    return q;
}

Quad Quad::clamped(int width, int height) const {
    Quad q = *this;
    for (auto& p : q)
        p = cv::Point2f(std::clamp(p.x, 0.f, float(width - 1)),
                        std::clamp(p.y, 0.f, float(height - 1)));
    return q;
}

std::vector<cv::Point> Quad::polygon() const {
    std::vector<cv::Point> poly;
    for (const auto& p : m_corners)
        poly.emplace_back(cvRound(p.x), cvRound(p.y));
    return poly;
}

}  // namespace visioncore
