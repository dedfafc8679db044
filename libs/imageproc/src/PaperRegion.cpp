#include "PaperRegion.h"

#include "LineQuads.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

constexpr int kGrid = 14;  // samples across the inside, each way
constexpr int kSideSamples = 20;
constexpr float kBand = 4.f;  // how far beside a side its inside and outside are looked at

// Beyond the frame counts as not paper.
bool at(const cv::Mat& mask, cv::Point2f p) {
    const cv::Point r(cvRound(p.x), cvRound(p.y));
    if (r.x < 0 || r.y < 0 || r.x >= mask.cols || r.y >= mask.rows)
        return false;
    return mask.at<uchar>(r) != 0;
}

bool alongFrame(cv::Point2f a, cv::Point2f b, cv::Size s) {
    const float tol = 6.f;
    auto on = [&](float v, float lim) { return v < tol || v > lim - 1 - tol; };
    return (on(a.x, float(s.width)) && on(b.x, float(s.width)) && std::abs(a.x - b.x) < 2 * tol) ||
           (on(a.y, float(s.height)) && on(b.y, float(s.height)) && std::abs(a.y - b.y) < 2 * tol);
}

// The region with its holes (print, pictures on the page) filled, and the rims of its large parts.
void fillAndRim(const cv::Mat& mask, double minArea, cv::Mat& filled, cv::Mat& rim) {
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    filled = cv::Mat::zeros(mask.size(), CV_8U);
    rim = cv::Mat::zeros(mask.size(), CV_8U);
    for (size_t i = 0; i < contours.size(); ++i) {
        if (cv::contourArea(contours[i]) < minArea)
            continue;
        cv::drawContours(filled, contours, int(i), cv::Scalar(255), cv::FILLED);
        cv::drawContours(rim, contours, int(i), cv::Scalar(255), 1);
    }
}

}  // namespace

double PaperRegion::agreement(const Quad& q, const cv::Mat& mask) {
    // The inside, sampled evenly through the outline's own corners.
    int in = 0;
    for (int i = 0; i < kGrid; ++i)
        for (int j = 0; j < kGrid; ++j) {
            const float u = (i + 0.5f) / kGrid, v = (j + 0.5f) / kGrid;
            const cv::Point2f top = q[0] + (q[1] - q[0]) * u, bottom = q[3] + (q[2] - q[3]) * u;
            in += at(mask, top + (bottom - top) * v);
        }
    const double fill = double(in) / (kGrid * kGrid);
    if (fill < 0.9)
        return 0;
    // Beyond each side something else: a blob of the desk's colour or a cable may touch a side,
    // but the region must not go on past most of it.
    double beyond = 0;
    int sides = 0;
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f a = q[i], b = q[(i + 1) % 4];
        const double len = cv::norm(b - a);
        if (len < 1)
            return 0;
        const cv::Point2f d = (b - a) * float(1 / len), n(-d.y, d.x);  // n points inside
        int out = 0, inner = 0;
        for (int k = 0; k < kSideSamples; ++k) {
            const cv::Point2f p = a + (b - a) * (0.08f + 0.84f * (k + 0.5f) / kSideSamples);
            out += !at(mask, p - n * kBand);
            inner += at(mask, p + n * kBand);
        }
        // A side along the frame stands for a page running out of the picture: the region must
        // reach the frame all along it, not end on a slant short of it.
        if (alongFrame(a, b, mask.size())) {
            if (inner < kSideSamples * 9 / 10)
                return 0;
            continue;
        }
        const double outShare = double(out) / kSideSamples;
        if (outShare < 0.5 || inner < kSideSamples * 7 / 10)
            return 0;
        beyond += outShare;
        ++sides;
    }
    if (sides == 0)
        return 0;
    const double outside = beyond / sides;
    return outside < 0.75 ? 0 : fill * outside;
}

void PaperRegion::collect(const cv::Mat& mask, double minArea, double maxArea,
                          std::vector<Quad>& out) {
    cv::Mat filled, rim;
    fillAndRim(mask, minArea, filled, rim);
    std::vector<Quad> lined;
    LineQuads::collect(rim, std::sqrt(minArea) * 0.4, lined);
    for (const auto& q : lined) {
        const double area = q.area();
        if (area >= minArea && area <= maxArea && agreement(q, filled) > 0)
            out.push_back(q);
    }
}

}  // namespace imageproc
