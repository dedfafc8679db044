#include "PageEvidence.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace imageproc {

namespace {

constexpr int kSamples = 24;

// The darkest colour channel, averaged over three pixels along the side: paper is bright in all
// three, a coloured desk is not, and the average keeps JPEG noise from deciding a faint step.
double level(const cv::Mat& small, cv::Point2f p, cv::Point2f d) {
    double sum = 0;
    for (int k = -1; k <= 1; ++k) {
        const cv::Point r(cvRound(p.x + d.x * k), cvRound(p.y + d.y * k));
        if (r.x < 0 || r.y < 0 || r.x >= small.cols || r.y >= small.rows)
            return -1;
        const cv::Vec3b c = small.at<cv::Vec3b>(r);
        sum += std::min({c[0], c[1], c[2]});
    }
    return sum / 3;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
    return v[v.size() / 2];
}

struct SideEvidence {
    double support = 0;  // share of the side with an edge across it, turned as the side is
    double step = 0;     // median brightness step across the side, inside minus outside
    double stepSum = 0;  // the steps added up
    double ramp = 0;     // median brightness change on either side of the step, further out
    int samples = 0;
};

SideEvidence measureSide(cv::Point2f a, cv::Point2f b, const cv::Mat& small, const cv::Mat& dx,
                         const cv::Mat& dy, const cv::Mat& mag, double threshold) {
    SideEvidence e;
    const double len = cv::norm(b - a);
    if (len < 1)
        return e;
    const cv::Point2f d = (b - a) * float(1 / len);
    const cv::Point2f n(-d.y, d.x);  // inwards for a clockwise outline
    const cv::Rect frame(0, 0, small.cols, small.rows);
    std::vector<double> steps, ramps;
    int supported = 0, stepped = 0;
    for (int k = 0; k < kSamples; ++k) {
        const cv::Point2f p = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / kSamples);
        const double in = level(small, p + n * 3.f, d), out = level(small, p - n * 3.f, d);
        const double farIn = level(small, p + n * 9.f, d), farOut = level(small, p - n * 9.f, d);
        if (in < 0 || out < 0 || farIn < 0 || farOut < 0)
            continue;
        ++e.samples;
        steps.push_back(in - out);
        e.stepSum += in - out;
        const double ramp = std::max(std::abs(farIn - in), std::abs(out - farOut));
        ramps.push_back(ramp);
        // A clean step of the paper's brightness, flat on both sides, is the sheet's rim even
        // where it is too faint for the edge threshold (white paper on a light desk).
        if (in - out >= 4 && in - out >= 2 * ramp)
            ++stepped;
        // The edge must cross the side: noise, grain and the rims of round things give edges
        // turned every which way, which a loose threshold would otherwise count.
        for (int t = -2; t <= 2; ++t) {
            const cv::Point r(cvRound(p.x + n.x * t), cvRound(p.y + n.y * t));
            if (!frame.contains(r) || mag.at<ushort>(r) < threshold)
                continue;
            const float gx = dx.at<short>(r), gy = dy.at<short>(r);
            const float across = std::abs(gx * n.x + gy * n.y);
            if (across >= 0.8f * std::sqrt(gx * gx + gy * gy)) {
                ++supported;
                break;
            }
        }
    }
    if (e.samples > 0)
        e.support = double(std::max(supported, stepped)) / e.samples;
    e.step = median(steps);
    e.ramp = median(ramps);
    return e;
}

}  // namespace

bool PageEvidence::alongFrame(cv::Point2f a, cv::Point2f b, cv::Size s, float tol) {
    auto on = [&](float v, float lim) { return v < tol || v > lim - 1 - tol; };
    return (on(a.x, float(s.width)) && on(b.x, float(s.width)) && std::abs(a.x - b.x) < 2 * tol) ||
           (on(a.y, float(s.height)) && on(b.y, float(s.height)) && std::abs(a.y - b.y) < 2 * tol);
}

bool PageEvidence::touchesFrame(const Quad& q, cv::Size frame) {
    for (size_t i = 0; i < 4; ++i)
        if (alongFrame(q[i], q[(i + 1) % 4], frame))
            return true;
    return false;
}

bool PageEvidence::earned(const Quad& q, const cv::Mat& small, const cv::Mat& dx, const cv::Mat& dy,
                          const cv::Mat& mag, double threshold) {
    if (!squareCorners(q, small.size()))
        return false;
    double step = 0, support = 0;
    int samples = 0;
    for (size_t i = 0; i < 4; ++i) {
        const SideEvidence e = measureSide(q[i], q[(i + 1) % 4], small, dx, dy, mag, threshold);
        // A side in a shadow or beside a pattern of the desk may lose much of its edge, but not
        // most of it.
        if (e.samples < kSamples / 2 || e.support < 0.4)
            return false;
        // A sheet's edge is a step: flat on both sides of it. Light falling off round a glare,
        // a soft shadow's edge and shading on a patterned desk keep changing beyond it.
        if (e.ramp > 4 && std::abs(e.step) < 2 * e.ramp)
            return false;
        step += e.stepSum;
        support += e.support * e.samples;
        samples += e.samples;
    }
    // Paper is the brightest, least coloured thing on a desk, also in a shadow (the desk beside
    // it lies in the same shadow) and on a light desk.
    return support >= 0.7 * samples && step > samples;
}

bool PageEvidence::squareCorners(const Quad& q, cv::Size frame) {
    const cv::Rect2f inner(4, 4, float(frame.width - 8), float(frame.height - 8));
    for (size_t i = 0; i < 4; ++i) {
        // Where the frame cuts a page, the corner found there is where a side meets the frame.
        if (!inner.contains(q[i]))
            continue;
        const cv::Point2f a = q[(i + 3) % 4] - q[i], b = q[(i + 1) % 4] - q[i];
        if (std::abs(a.dot(b)) > 0.35 * cv::norm(a) * cv::norm(b))
            return false;
    }
    return true;
}

}  // namespace imageproc
