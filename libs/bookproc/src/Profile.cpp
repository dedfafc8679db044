#include "Profile.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace bookproc {

namespace {
template <typename Better>
int extremum(const std::vector<float>& v, int lo, int hi, Better better) {
    lo = std::max(lo, 0);
    hi = std::min(hi, int(v.size()));
    if (lo >= hi)
        return -1;
    int best = lo;
    for (int i = lo + 1; i < hi; ++i)
        if (better(v[size_t(i)], v[size_t(best)]))
            best = i;
    return best;
}
}  // namespace

std::vector<float> Profile::smooth(const std::vector<float>& v, int radius) {
    std::vector<float> out(v.size());
    const int n = int(v.size());
    for (int i = 0; i < n; ++i) {
        double s = 0;
        const int from = std::max(0, i - radius), to = std::min(n - 1, i + radius);
        for (int k = from; k <= to; ++k)
            s += v[size_t(k)];
        out[size_t(i)] = float(s / (to - from + 1));
    }
    return out;
}

int Profile::valley(const std::vector<float>& v, int lo, int hi) {
    return extremum(v, lo, hi, [](float a, float b) { return a < b; });
}

int Profile::peak(const std::vector<float>& v, int lo, int hi) {
    return extremum(v, lo, hi, [](float a, float b) { return a > b; });
}

std::vector<float> Profile::dip(const std::vector<float>& v, int reach) {
    const int n = int(v.size());
    std::vector<float> out(v.size(), 0.f);
    for (int i = 0; i < n; ++i) {
        float left = v[size_t(i)], right = v[size_t(i)];
        for (int k = std::max(0, i - reach); k < i; ++k)
            left = std::max(left, v[size_t(k)]);
        for (int k = i + 1; k <= std::min(n - 1, i + reach); ++k)
            right = std::max(right, v[size_t(k)]);
        out[size_t(i)] = std::min(left, right) - v[size_t(i)];
    }
    return out;
}

std::vector<float> Profile::textLines(const cv::Mat& ink, int x0, int x1, double xh) {
    cv::Mat prof(ink.rows, 1, CV_32F, cv::Scalar(0));
    for (int y = 0; y < ink.rows; ++y) {
        const uchar* r = ink.ptr<uchar>(y);
        int n = 0;
        for (int x = x0; x < x1; ++x)
            n += r[x] != 0;
        prof.at<float>(y) = float(n);
    }
    cv::GaussianBlur(prof, prof, cv::Size(1, 0), 0, std::max(1.0, 0.5 * xh));
    double mx = 0;
    cv::minMaxLoc(prof, nullptr, &mx);
    std::vector<float> peaks;
    const double floor = std::max(0.3 * mx, 0.04 * (x1 - x0));
    if (mx <= 0)
        return peaks;
    const float* p = prof.ptr<float>(0);
    for (int y = 1; y + 1 < prof.rows; ++y) {
        if (p[y] < floor || p[y] < p[y - 1] || p[y] < p[y + 1])
            continue;
        double den = p[y - 1] - 2 * p[y] + p[y + 1];
        double off = std::fabs(den) > 1e-6 ? 0.5 * (p[y - 1] - p[y + 1]) / den : 0;
        float yy = float(y + std::clamp(off, -0.5, 0.5));
        if (!peaks.empty() && yy - peaks.back() < 0.9 * xh) {
            // Two maxima within one line: keep the stronger.
            if (p[y] > p[int(peaks.back())])
                peaks.back() = yy;
            continue;
        }
        peaks.push_back(yy);
    }
    return peaks;
}

}  // namespace bookproc
