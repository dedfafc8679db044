#include "scene/SceneBuildingBlocks.h"

#include <opencv2/imgproc.hpp>

#include <cmath>
#include <random>

namespace scene {

namespace {

cv::Vec3b mix(cv::Vec3b a, cv::Vec3b b, double t) {
    return cv::Vec3b(cv::saturate_cast<uchar>(a[0] + (b[0] - a[0]) * t),
                     cv::saturate_cast<uchar>(a[1] + (b[1] - a[1]) * t),
                     cv::saturate_cast<uchar>(a[2] + (b[2] - a[2]) * t));
}

// Low-frequency blotches, as on a worn desk surface or a mat: values around 0.
cv::Mat blotches(int w, int h, std::mt19937& rng, double amplitude, int cell = 200) {
    cv::Mat small(std::max(2, h / cell), std::max(2, w / cell), CV_32F);
    std::normal_distribution<float> n(0.f, 1.f);
    for (int y = 0; y < small.rows; ++y)
        for (int x = 0; x < small.cols; ++x)
            small.at<float>(y, x) = float(n(rng) * amplitude);
    cv::Mat big;
    cv::resize(small, big, cv::Size(w, h), 0, 0, cv::INTER_CUBIC);
    return big;
}

cv::Mat plain(const Params& p, std::mt19937& rng, double amplitude) {
    cv::Mat desk(p.height, p.width, CV_8UC3,
                 cv::Scalar(p.deskColor[0], p.deskColor[1], p.deskColor[2]));
    const cv::Mat b = blotches(p.width, p.height, rng, amplitude);
    cv::parallel_for_(cv::Range(0, p.height), [&](const cv::Range& r) {
        for (int y = r.start; y < r.end; ++y) {
            auto* o = desk.ptr<cv::Vec3b>(y);
            const float* g = b.ptr<float>(y);
            for (int x = 0; x < p.width; ++x)
                for (int c = 0; c < 3; ++c)
                    o[x][c] = cv::saturate_cast<uchar>(o[x][c] * (1.0f + g[x]));
        }
    });
    return desk;
}

cv::Mat wood(const Params& p, std::mt19937& rng) {
    // Grain computed on a quarter-size grid: rings bent by a slow turbulence, planks of 10-18 cm.
    const int w = std::max(4, p.width / 4), h = std::max(4, p.height / 4);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const double angle = (p.deskVariant % 2 ? 90.0 : 0.0) + 10.0 * (u(rng) - 0.5);
    const double ca = std::cos(angle * CV_PI / 180), sa = std::sin(angle * CV_PI / 180);
    const double pxPerMm = w / p.fieldWidthMm;
    const double plank = (100 + 80 * u(rng)) * pxPerMm, period = (2.0 + 3.0 * u(rng)) * pxPerMm;
    const cv::Mat turb = blotches(w, h, rng, 1.0, 60);
    const cv::Vec3b dark = mix(p.deskColor, cv::Vec3b(40, 22, 10), 0.45);
    cv::Mat small(h, w, CV_8UC3);
    std::vector<double> plankShift(64);
    for (auto& s : plankShift)
        s = u(rng) * 1000;
    for (int y = 0; y < h; ++y) {
        auto* o = small.ptr<cv::Vec3b>(y);
        for (int x = 0; x < w; ++x) {
            const double along = x * ca + y * sa, across = -x * sa + y * ca + 4 * h;
            const int k = int(across / plank);
            const double inPlank = across - k * plank;
            // Grain lines run along the plank, wavering a little.
            double t = 0.5 + 0.5 * std::sin((across + plankShift[k & 63] +
                                             turb.at<float>(y, x) * 0.7 * period + 0.02 * along) /
                                            period);
            t = std::pow(t, 3.0) * 0.8;
            if (inPlank < 0.8 * pxPerMm)
                t = 0.95;  // the seam between planks
            o[x] = mix(p.deskColor, dark, t);
        }
    }
    cv::Mat desk;
    cv::resize(small, desk, cv::Size(p.width, p.height), 0, 0, cv::INTER_LINEAR);
    return desk;
}

cv::Mat pattern(const Params& p, std::mt19937& rng) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    cv::Mat desk(p.height, p.width, CV_8UC3,
                 cv::Scalar(p.deskColor[0], p.deskColor[1], p.deskColor[2]));
    const double ppm = p.width / p.fieldWidthMm;
    const cv::Vec3b c2 = mix(p.deskColor, cv::Vec3b(u(rng) * 255, u(rng) * 255, u(rng) * 255), 0.6);
    const cv::Scalar second(c2[0], c2[1], c2[2]);
    switch (p.deskVariant % 3) {
        case 0: {  // gingham tablecloth: stripes both ways, darker where they cross
            const int step = std::max(1, int((12 + 20 * u(rng)) * ppm));
            for (int x = 0; x < p.width; x += 2 * step)
                cv::rectangle(desk, cv::Rect(x, 0, step, p.height), second, cv::FILLED);
            cv::Mat across = cv::Mat(desk.size(), desk.type(),
                                     cv::Scalar(p.deskColor[0], p.deskColor[1], p.deskColor[2]));
            for (int y = 0; y < p.height; y += 2 * step)
                cv::rectangle(across, cv::Rect(0, y, p.width, step), second, cv::FILLED);
            cv::Mat prod;
            cv::multiply(desk, across, prod, 1.0 / 255.0);
            desk = prod;
            break;
        }
        case 1: {  // stripes at an angle
            const int step = std::max(1, int((6 + 18 * u(rng)) * ppm));
            const double a = u(rng) * CV_PI;
            const cv::Point2d d(std::cos(a), std::sin(a));
            const double diag = std::hypot(p.width, p.height);
            for (double s = -diag; s < diag; s += 2 * step) {
                const cv::Point2d c(p.width / 2 + d.y * s, p.height / 2 - d.x * s);
                cv::line(desk, c - d * diag, c + d * diag, second, step, cv::LINE_AA);
            }
            break;
        }
        default: {  // printed confetti of circles and small rectangles
            const int n = int(p.width * p.height / (ppm * ppm * 150));
            for (int i = 0; i < n; ++i) {
                const cv::Point c(int(u(rng) * p.width), int(u(rng) * p.height));
                const int r = int((2 + 6 * u(rng)) * ppm);
                const cv::Scalar col(u(rng) * 255, u(rng) * 255, u(rng) * 255);
                if (u(rng) < 0.5)
                    cv::circle(desk, c, r, col, cv::FILLED, cv::LINE_AA);
                else
                    cv::rectangle(desk, cv::Rect(c.x, c.y, r, r / 2 + 1), col, cv::FILLED);
            }
        }
    }
    return desk;
}

}  // namespace

cv::Mat renderDesk(const Params& p) {
    std::mt19937 rng(p.seed * 2246822519u + 3u);
    switch (p.desk) {
        case Desk::Light:
            return plain(p, rng, 0.015);
        case Desk::Dark:
            return plain(p, rng, 0.05);
        case Desk::Wood:
            return wood(p, rng);
        case Desk::Pattern:
            return pattern(p, rng);
    }
    return plain(p, rng, 0.03);
}

}  // namespace scene
