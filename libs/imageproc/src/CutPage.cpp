#include "CutPage.h"

#include "LineCrossing.h"
#include "PageEvidence.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

constexpr int kSamples = 24;  // per side
constexpr int kMinStep = 12;  // of the channels' sum, between just inside and just outside

int level(const cv::Mat& small, cv::Point2f p) {
    const cv::Vec3b c = small.at<cv::Vec3b>(cvRound(p.y), cvRound(p.x));
    return c[0] + c[1] + c[2];
}

int median(std::vector<int> v) {
    std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// Whether, along each frame edge inside q (where the sheet leaves the picture), most places are
// near the paper's level rather than the desk's: an outline that the frame closes round a part of
// the desk or round clutter has those there.
bool paperAtFrame(const Quad& q, const cv::Mat& small, int paper, int desk) {
    const std::vector<cv::Point2f> poly(q.begin(), q.end());
    // Far enough in from the frame's edge that a side along it is not in the way.
    const float in = 8, W = float(small.cols - 1) - in, H = float(small.rows - 1) - in;
    const cv::Point2f ends[4][2] = {
        {{in, in}, {W, in}}, {{W, in}, {W, H}}, {{W, H}, {in, H}}, {{in, H}, {in, in}}};
    // Light falls off towards the frame's edge, and clutter is darker or more coloured than both.
    const int band = std::max(40, std::abs(paper - desk));
    for (const auto& e : ends) {
        int near = 0, n = 0;
        const int steps = int(cv::norm(e[1] - e[0]) / 3);
        for (int k = 0; k <= steps; ++k) {
            const cv::Point2f p = e[0] + (e[1] - e[0]) * (float(k) / float(steps));
            if (cv::pointPolygonTest(poly, p, true) < 3)
                continue;
            ++n;
            const int l = level(small, p);
            near += std::abs(l - paper) <= band &&
                    (std::abs(paper - desk) < kMinStep || std::abs(l - paper) < std::abs(l - desk));
        }
        if (near < n * 7 / 10)
            return false;
    }
    return true;
}

}  // namespace

Quad CutPage::fitted(const Quad& q, const std::vector<cv::Point>& contour, cv::Size frame) {
    const cv::Rect2f inner(3, 3, float(frame.width - 7), float(frame.height - 7));
    cv::Vec4f line[4];
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f a = q[i], b = q[(i + 1) % 4];
        const float len = float(cv::norm(b - a));
        if (len < 8)
            return q;
        const cv::Point2f d = (b - a) * (1 / len);
        // The side found may be off by a little near a cut corner: a loose choice of its points
        // first, then a tight one round the line they give.
        std::vector<cv::Point2f> near;
        for (const auto& c : contour) {
            const cv::Point2f p(c), v = p - a;
            const float t = v.dot(d) / len;
            if (inner.contains(p) && t > 0.15f && t < 0.85f && std::abs(v.cross(d)) < 10)
                near.push_back(p);
        }
        if (near.size() < 8)
            return q;
        cv::fitLine(near, line[i], cv::DIST_HUBER, 0, 0.01, 0.01);
        const cv::Point2f p0(line[i][2], line[i][3]), dir(line[i][0], line[i][1]);
        near.clear();
        for (const auto& c : contour) {
            const cv::Point2f p(c);
            const float t = (p - a).dot(d) / len;
            if (inner.contains(p) && t > -0.1f && t < 1.1f && std::abs((p - p0).cross(dir)) < 3)
                near.push_back(p);
        }
        if (near.size() < 8)
            return q;
        cv::fitLine(near, line[i], cv::DIST_HUBER, 0, 0.01, 0.01);
    }
    std::array<cv::Point2f, 4> c;
    const float reach = 0.3f * float(std::max(frame.width, frame.height));
    for (size_t i = 0; i < 4; ++i) {
        const cv::Vec4f &l0 = line[(i + 3) % 4], &l1 = line[i];
        const cv::Point2f p0(l0[2], l0[3]), p1(l1[2], l1[3]);
        if (!lineCrossing(p0, p0 + cv::Point2f(l0[0], l0[1]), p1, p1 + cv::Point2f(l1[0], l1[1]),
                          c[i]) ||
            c[i].x < -reach || c[i].y < -reach || c[i].x > float(frame.width) + reach ||
            c[i].y > float(frame.height) + reach)
            return q;
    }
    const Quad f = Quad::ordered(c);
    return f.isConvex() ? f : q;
}

bool CutPage::sheetSeen(const Quad& q, const cv::Mat& small) {
    const cv::Rect2f inner(1, 1, float(small.cols - 3), float(small.rows - 3));
    int lighter = 0, darker = 0, n = 0;
    std::vector<int> paper, desk;
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f a = q[i], b = q[(i + 1) % 4];
        if (PageEvidence::alongFrame(a, b, small.size()))
            continue;
        const cv::Point2f d = (b - a) * float(1 / std::max(1e-6, cv::norm(b - a)));
        const cv::Point2f in(-d.y, d.x);  // a clockwise outline's inside
        int up = 0, down = 0, seen = 0, plain = 0, previous = -1;
        for (int k = 0; k < kSamples; ++k) {
            const cv::Point2f p = a + (b - a) * (0.05f + 0.9f * (k + 0.5f) / kSamples);
            const cv::Point2f pi = p + in * 4.f, po = p - in * 4.f;
            if (!inner.contains(pi) || !inner.contains(po))
                continue;
            ++seen;
            const int li = level(small, pi), lo = level(small, po), step = li - lo;
            paper.push_back(li);
            desk.push_back(lo);
            up += step >= kMinStep;
            down += step <= -kMinStep;
            plain += previous >= 0 && std::abs(li - previous) < 36;
            previous = li;
        }
        // A side must show enough of itself to be judged, and be a rim on most of it.
        if (seen < kSamples / 4 || std::min(up, down) > seen / 4 || plain < (seen - 1) / 2)
            return false;
        lighter += up;
        darker += down;
        n += seen;
    }
    if (n == 0 || std::min(lighter, darker) * 3 > std::max(lighter, darker))
        return false;
    return paperAtFrame(q, small, median(paper), median(desk));
}

}  // namespace imageproc
