// Clutter, light, lens and sensor of the varied scenes.

#include "VariedParts.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace scene {
namespace varied {

namespace {

// A point just outside the outline (or anywhere on an empty desk).
cv::Point2f besideOutline(Rng& rng, const std::vector<cv::Point2f>& outline, cv::Size f,
                          double gap) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        const cv::Point2f p(float(uni(rng, 0, f.width)), float(uni(rng, 0, f.height)));
        if (outline.empty() || cv::pointPolygonTest(outline, p, true) < -gap)
            return p;
    }
    return cv::Point2f(float(uni(rng, 0, f.width)), 0);
}

// A point on the outline's edge.
cv::Point2f onEdge(Rng& rng, const std::vector<cv::Point2f>& outline) {
    const size_t i = size_t(uni(rng, 0, 4));
    const float t = float(uni(rng, 0.15, 0.85));
    return outline[i] + (outline[(i + 1) % 4] - outline[i]) * t;
}

cv::Scalar penColour(Rng& rng) {
    static const cv::Scalar colours[] = {{20, 30, 120},   {15, 15, 20},   {170, 20, 25},
                                         {200, 200, 205}, {230, 180, 20}, {245, 245, 240}};
    return colours[int(uni(rng, 0, 6))];
}

void pen(Rng& rng, cv::Mat& f, cv::Point2f a, double ppm) {
    const double ang = uni(rng, 0, CV_PI), len = uni(rng, 120, 150) * ppm;
    const cv::Point2f b = a + cv::Point2f(float(len * std::cos(ang)), float(len * std::sin(ang)));
    const int w = std::max(2, int(uni(rng, 7, 11) * ppm));
    const cv::Scalar c = penColour(rng);
    cv::line(f, a, b, c, w, cv::LINE_AA);
    cv::line(f, a, a + (b - a) * 0.25f, c * 0.6, w, cv::LINE_AA);  // the cap
    cv::line(f, a + (b - a) * 0.3f, b, cv::Scalar(255, 255, 255) * 0.3 + c * 0.7,
             std::max(1, w / 5), cv::LINE_AA);  // the highlight along the barrel
}

void cable(Rng& rng, cv::Mat& f, double ppm) {
    // A loose cubic curve across part of the frame.
    cv::Point2f p[4];
    for (auto& q : p)
        q = cv::Point2f(float(uni(rng, -0.1, 1.1) * f.cols), float(uni(rng, -0.1, 1.1) * f.rows));
    std::vector<cv::Point> pts;
    for (int i = 0; i <= 60; ++i) {
        const float t = i / 60.f, u = 1 - t;
        const cv::Point2f q = p[0] * (u * u * u) + p[1] * (3 * u * u * t) + p[2] * (3 * u * t * t) +
                              p[3] * (t * t * t);
        pts.emplace_back(cvRound(q.x), cvRound(q.y));
    }
    const cv::Scalar c = uni(rng, 0, 1) < 0.7 ? cv::Scalar(25, 25, 28) : cv::Scalar(235, 235, 230);
    cv::polylines(f, pts, false, c, std::max(2, int(uni(rng, 3, 6) * ppm)), cv::LINE_AA);
}

void coin(Rng& rng, cv::Mat& f, cv::Point2f at, double ppm) {
    const int r = std::max(2, int(uni(rng, 9, 14) * ppm));
    const cv::Scalar c =
        uni(rng, 0, 1) < 0.5 ? cv::Scalar(200, 165, 90) : cv::Scalar(190, 190, 185);
    cv::circle(f, at, r, c * 0.75, cv::FILLED, cv::LINE_AA);
    cv::circle(f, at, int(r * 0.85), c, cv::FILLED, cv::LINE_AA);
}

void clip(Rng& rng, cv::Mat& f, cv::Point2f at, double ppm) {
    const double ang = uni(rng, 0, 180);
    if (uni(rng, 0, 1) < 0.5) {  // a binder clip: black body, metal handles
        const cv::RotatedRect body(at, cv::Size2f(float(25 * ppm), float(12 * ppm)), float(ang));
        cv::Point2f v[4];
        body.points(v);
        std::vector<cv::Point> poly(v, v + 4);
        cv::fillConvexPoly(f, poly, cv::Scalar(20, 20, 22), cv::LINE_AA);
        cv::line(f, v[0], v[1] + (v[1] - v[2]) * 0.8f, cv::Scalar(190, 190, 195),
                 std::max(1, int(ppm)), cv::LINE_AA);
    } else {  // a paper clip: a loop of wire
        const cv::RotatedRect loop(at, cv::Size2f(float(32 * ppm), float(8 * ppm)), float(ang));
        cv::ellipse(f, loop, cv::Scalar(185, 185, 190), std::max(1, int(ppm)), cv::LINE_AA);
    }
}

cv::Mat smallField(cv::Size s) {
    return cv::Mat(std::max(8, s.height / 16), std::max(8, s.width / 16), CV_32F);
}

}  // namespace

int drawClutter(Rng& rng, cv::Mat& frame, const std::vector<cv::Point2f>& keepOut, double ppm,
                bool over) {
    int n = int(uni(rng, 1, 5));
    const cv::Size s = frame.size();
    const double gap = 6 * ppm;
    for (int i = 0; i < n; ++i) {
        const double k = uni(rng, 0, 1);
        if (k < 0.3)
            pen(rng, frame, besideOutline(rng, keepOut, s, gap + 150 * ppm), ppm);
        else if (k < 0.5)
            cable(rng, frame, ppm);
        else if (k < 0.75)
            coin(rng, frame, besideOutline(rng, keepOut, s, gap + 15 * ppm), ppm);
        else
            clip(rng, frame, besideOutline(rng, keepOut, s, gap + 20 * ppm), ppm);
    }
    if (over && keepOut.size() == 4) {
        // Something lying over the page's edge: a clip holding it, or the tip of a pen.
        if (uni(rng, 0, 1) < 0.6)
            clip(rng, frame, onEdge(rng, keepOut), ppm);
        else
            coin(rng, frame, onEdge(rng, keepOut), ppm);
        ++n;
    }
    return n;
}

void finishPhoto(Rng& rng, cv::Mat& frame, const std::vector<cv::Point2f>& object,
                 std::string& traits) {
    const cv::Size s = frame.size();
    // Light: a tilt across the frame, vignetting, and sometimes a cast shadow.
    cv::Mat light = smallField(s);
    const double gx = uni(rng, -0.25, 0.25), gy = uni(rng, -0.25, 0.25);
    const double vig = uni(rng, 0.0, 0.45);
    const double level = uni(rng, 0.8, 1.1);
    for (int y = 0; y < light.rows; ++y)
        for (int x = 0; x < light.cols; ++x) {
            const double u = (x + 0.5) / light.cols - 0.5, v = (y + 0.5) / light.rows - 0.5;
            const double r2 = (u * u + v * v * 0.75) * 2;
            light.at<float>(y, x) = float(level * (1 + gx * u + gy * v) * (1 - vig * r2 * r2));
        }
    if (uni(rng, 0, 1) < 0.35) {
        // The shadow of a head or the camera arm: a large soft blob, often across the object.
        cv::Mat blob(light.size(), CV_32F, cv::Scalar(0));
        cv::Point2f c =
            object.size() == 4 && uni(rng, 0, 1) < 0.7
                ? onEdge(rng, object)
                : cv::Point2f(float(uni(rng, 0, s.width)), float(uni(rng, 0, s.height)));
        c *= float(light.cols) / s.width;
        cv::ellipse(blob,
                    cv::RotatedRect(c,
                                    cv::Size2f(float(light.cols * uni(rng, 0.3, 0.8)),
                                               float(light.rows * uni(rng, 0.3, 0.9))),
                                    float(uni(rng, 0, 180))),
                    cv::Scalar(1), cv::FILLED);
        const double soft = light.cols * uni(rng, 0.01, 0.06);
        cv::GaussianBlur(blob, blob, cv::Size(), std::max(0.5, soft));
        light = light.mul(1 - blob * uni(rng, 0.25, 0.6));
        traits += " shadow";
    }
    cv::Mat full;
    cv::resize(light, full, s, 0, 0, cv::INTER_LINEAR);
    cv::Mat f;
    frame.convertTo(f, CV_32FC3);
    cv::Mat l3;
    cv::merge(std::vector<cv::Mat>{full, full, full}, l3);
    f = f.mul(l3);
    // A colour cast of the lamp.
    const cv::Scalar cast(uni(rng, 0.92, 1.06), uni(rng, 0.97, 1.02), uni(rng, 0.88, 1.04));
    cv::multiply(f, cast, f);
    if (uni(rng, 0, 1) < 0.25) {
        // Glare of the lamp on glossy paper or a laminated desk.
        cv::Mat g(light.size(), CV_32F, cv::Scalar(0));
        const cv::Point2f c(float(uni(rng, 0.2, 0.8) * g.cols), float(uni(rng, 0.2, 0.8) * g.rows));
        cv::circle(g, c, std::max(1, int(g.cols * uni(rng, 0.03, 0.1))), cv::Scalar(1), cv::FILLED);
        cv::GaussianBlur(g, g, cv::Size(), g.cols * 0.03);
        cv::normalize(g, g, 0, uni(rng, 60, 160), cv::NORM_MINMAX);
        cv::resize(g, full, s);
        cv::merge(std::vector<cv::Mat>{full, full, full}, l3);
        f += l3;
        traits += " glare";
    }
    const double blur = uni(rng, 0.4, 1.8) * s.width / 3264.0;
    cv::GaussianBlur(f, f, cv::Size(), blur);
    cv::Mat noise(s, CV_32FC3);
    cv::RNG(rng()).fill(noise, cv::RNG::NORMAL, 0, uni(rng, 1.0, 6.0));
    f += noise;
    f.convertTo(frame, CV_8UC3);
    std::vector<uchar> jpeg;
    const int quality = int(uni(rng, 60, 96));
    cv::Mat bgr;
    cv::cvtColor(frame, bgr, cv::COLOR_RGB2BGR);
    cv::imencode(".jpg", bgr, jpeg, {cv::IMWRITE_JPEG_QUALITY, quality});
    cv::cvtColor(cv::imdecode(jpeg, cv::IMREAD_COLOR), frame, cv::COLOR_BGR2RGB);
}

}  // namespace varied
}  // namespace scene
