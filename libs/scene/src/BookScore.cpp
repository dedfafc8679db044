#include "scene/BookScore.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace scene {

double quadIoU(const cv::Point2f* a, const cv::Point2f* b) {
    std::vector<cv::Point2f> pa(a, a + 4), pb(b, b + 4), inter;
    const double areaA = std::fabs(cv::contourArea(pa)), areaB = std::fabs(cv::contourArea(pb));
    if (areaA <= 0 || areaB <= 0)
        return 0;
    // intersectConvexConvex wants both in the same winding.
    if (cv::contourArea(pa, true) < 0)
        std::reverse(pa.begin(), pa.end());
    if (cv::contourArea(pb, true) < 0)
        std::reverse(pb.begin(), pb.end());
    const double i = cv::intersectConvexConvex(pa, pb, inter, true);
    return i / (areaA + areaB - i);
}

bool lineStraightness(const cv::Mat& page, const BookPageTruth& t, double* rms) {
    if (page.empty() || t.lineY.size() < 2 || t.content.empty())
        return false;
    cv::Mat grey, ink;
    cv::cvtColor(page, grey, cv::COLOR_RGB2GRAY);
    cv::adaptiveThreshold(grey, ink, 1, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, 31, 25);
    const double sx = double(page.cols) / t.content.cols, sy = double(page.rows) / t.content.rows;
    double pitch = 1e9;
    for (size_t i = 1; i < t.lineY.size(); ++i)
        pitch = std::min(pitch, double(t.lineY[i] - t.lineY[i - 1]));
    // Look for each line only within its own band, so a neighbour never stands in for it.
    const int half = std::max(2, int(0.45 * pitch * sy));
    double sum = 0;
    int n = 0;
    for (size_t i = 0; i < t.lineY.size(); ++i) {
        const int yc = int(t.lineY[i] * sy);
        const int x0 = int(t.lineX[i][0] * sx), x1 = int(t.lineX[i][1] * sx);
        const int bins = 12;
        std::vector<cv::Point2f> pts;
        for (int b = 0; b < bins; ++b) {
            const int bx0 = x0 + (x1 - x0) * b / bins, bx1 = x0 + (x1 - x0) * (b + 1) / bins;
            double m = 0, w = 0;
            for (int y = std::max(0, yc - half); y <= std::min(page.rows - 1, yc + half); ++y) {
                const uchar* r = ink.ptr<uchar>(y);
                for (int x = std::max(0, bx0); x < std::min(page.cols, bx1); ++x)
                    if (r[x]) {
                        m += y;
                        w += 1;
                    }
            }
            if (w > 0.02 * (bx1 - bx0) * half)
                pts.push_back(cv::Point2f(float(0.5 * (bx0 + bx1)), float(m / w)));
        }
        if (pts.size() < 6)
            continue;
        cv::Vec4f line;
        cv::fitLine(pts, line, cv::DIST_L2, 0, 0.01, 0.01);
        double ss = 0;
        for (const auto& p : pts) {
            const double d = (p.x - line[2]) * line[1] - (p.y - line[3]) * line[0];
            ss += d * d;
        }
        sum += std::sqrt(ss / pts.size());
        ++n;
    }
    if (n < 3)
        return false;
    *rms = sum / n;
    return true;
}

double pageSimilarity(const cv::Mat& a, const cv::Mat& b) {
    if (a.empty() || b.empty())
        return -1;
    auto prep = [](const cv::Mat& m) {
        cv::Mat g, s, f, shade;
        cv::cvtColor(m, g, cv::COLOR_RGB2GRAY);
        cv::resize(g, s, cv::Size(80, 112), 0, 0, cv::INTER_AREA);
        s.convertTo(f, CV_32F);
        // Without the light's slow changes (a gutter shadow), only the print is compared.
        cv::GaussianBlur(f, shade, cv::Size(0, 0), 8);
        f -= shade;
        cv::GaussianBlur(f, f, cv::Size(0, 0), 1.5);
        cv::Scalar mean, sd;
        cv::meanStdDev(f, mean, sd);
        return cv::Mat((f - mean[0]) / std::max(1e-6, sd[0]));
    };
    cv::Mat fa = prep(a), fb = prep(b);
    return fa.dot(fb) / double(fa.total());
}

}  // namespace scene
