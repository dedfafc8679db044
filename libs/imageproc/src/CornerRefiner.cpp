#include "CornerRefiner.h"

#include "PageEvidence.h"

#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

// A side lying on the frame's edge has no step to measure: the page runs on beyond the picture.
bool alongFrame(cv::Point2f a, cv::Point2f b, cv::Size s) {
    return PageEvidence::alongFrame(a, b, s, 2.f);
}

// A colour step found across a side: where, and how strong.
struct Step {
    cv::Point2f at;
    float strength = 0;
};

// The colour along the normal n through p, from -R - 1 to R + 1 pixels, interpolated between
// pixels. False when it leaves the picture.
bool profile(const cv::Mat& rgb, cv::Point2f p, cv::Point2f n, int R, std::vector<cv::Vec3f>& out) {
    out.resize(size_t(2 * R + 3));
    for (int t = -R - 1; t <= R + 1; ++t) {
        const cv::Point2f s = p + n * float(t);
        const int x0 = int(std::floor(s.x)), y0 = int(std::floor(s.y));
        if (x0 < 0 || y0 < 0 || x0 + 1 >= rgb.cols || y0 + 1 >= rgb.rows)
            return false;
        const float fx = s.x - x0, fy = s.y - y0;
        const cv::Vec3b& p00 = rgb.at<cv::Vec3b>(y0, x0);
        const cv::Vec3b& p01 = rgb.at<cv::Vec3b>(y0, x0 + 1);
        const cv::Vec3b& p10 = rgb.at<cv::Vec3b>(y0 + 1, x0);
        const cv::Vec3b& p11 = rgb.at<cv::Vec3b>(y0 + 1, x0 + 1);
        cv::Vec3f v;
        for (int c = 0; c < 3; ++c)
            v[c] = (1 - fy) * ((1 - fx) * p00[c] + fx * p01[c]) +
                   fy * ((1 - fx) * p10[c] + fx * p11[c]);
        out[size_t(t + R + 1)] = v;
    }
    return true;
}

// The colour across the side at p, averaged over 2 * half + 1 profiles a pixel apart along it
// (d): a page's edge runs on along the side, sensor noise does not, so a faint blurred edge stands
// out of the noise that a single profile would bury it in. False when it leaves the picture.
bool profileAlong(const cv::Mat& rgb, cv::Point2f p, cv::Point2f n, cv::Point2f d, int R, int half,
                  std::vector<cv::Vec3f>& one, std::vector<cv::Vec3f>& out) {
    out.assign(size_t(2 * R + 3), cv::Vec3f());
    for (int k = -half; k <= half; ++k) {
        if (!profile(rgb, p + d * float(k), n, R, one))
            return false;
        for (size_t t = 0; t < out.size(); ++t)
            out[t] += one[t];
    }
    for (cv::Vec3f& v : out)
        v /= float(2 * half + 1);
    return true;
}

// The few strongest colour steps across the side at p (local maxima of the colour's derivative
// over two pixels, placed between pixels by a parabola). Keeping more than the strongest lets the
// side be chosen by what runs along all of it, not by which of two close edges (the page's and a
// shadow's) happens to be a little stronger at one place in one frame.
void stepsAt(const std::vector<cv::Vec3f>& prof, int R, cv::Point2f p, cv::Point2f n,
             std::vector<Step>& out, float floor = 12) {
    std::vector<float> g(size_t(2 * R + 1));
    for (int t = -R; t <= R; ++t) {
        const cv::Vec3f dv = prof[size_t(t + R + 2)] - prof[size_t(t + R)];
        g[size_t(t + R)] = std::abs(dv[0]) + std::abs(dv[1]) + std::abs(dv[2]);
    }
    Step found[3];
    for (int t = -R; t <= R; ++t) {
        const float c = g[size_t(t + R)];
        const float l = t > -R ? g[size_t(t + R - 1)] : -1.f,
                    r = t < R ? g[size_t(t + R + 1)] : -1.f;
        if (c < floor || c < l || c < r || (c == l && t > -R))
            continue;
        double off = t;
        if (t > -R && t < R) {
            const double den = l - 2 * c + r;
            if (std::abs(den) > 1e-6)
                off += std::clamp(0.5 * (l - r) / den, -0.5, 0.5);
        }
        Step s{p + n * float(off), c};
        for (Step& f : found)
            if (s.strength > f.strength)
                std::swap(s, f);
    }
    for (const Step& f : found)
        if (f.strength > 0)
            out.push_back(f);
}

cv::Vec3f lineThrough(cv::Point2f p, cv::Point2f r) {
    const cv::Vec3f l(p.y - r.y, r.x - p.x, p.x * r.y - r.x * p.y);
    const float norm = std::hypot(l[0], l[1]);
    return norm > 0 ? l / norm : l;
}

// How strongly a line runs along the steps: per place across the side, the strongest step within
// a pixel of the line.
double support(const cv::Vec3f& l, const std::vector<std::vector<Step>>& steps) {
    double sum = 0;
    for (const auto& at : steps) {
        float best = 0;
        for (const Step& s : at)
            if (std::abs(l[0] * s.at.x + l[1] * s.at.y + l[2]) <= 1.f)
                best = std::max(best, s.strength);
        sum += best;
    }
    return sum;
}

// The line that the most step strength runs along: each pair of steps, one near each end of the
// side, proposes a line, and the best supported one wins. All candidates are tried in a fixed
// order, so the same picture gives the same line.
bool strongestLine(const std::vector<std::vector<Step>>& steps, cv::Vec3f& best) {
    const size_t n = steps.size(), third = n / 3;
    if (third < 2)
        return false;
    const size_t stride = std::max<size_t>(1, third / 5);
    double bestSupport = 0;
    for (size_t i = 0; i < third; i += stride)
        for (size_t j = n - third; j < n; j += stride)
            for (const Step& s : steps[i])
                for (const Step& e : steps[j]) {
                    const cv::Vec3f l = lineThrough(s.at, e.at);
                    const double v = support(l, steps);
                    if (v > bestSupport)
                        bestSupport = v, best = l;
                }
    return bestSupport > 0;
}

// Least squares through the steps on or near the chosen line, dropping those far from the fit.
bool fitAlong(cv::Vec3f& line, const std::vector<std::vector<Step>>& steps) {
    float cut = 1.5f;
    for (int iter = 0; iter < 3; ++iter) {
        std::vector<cv::Point2f> pts;
        for (const auto& at : steps) {
            const Step* near = nullptr;
            float nearest = cut;
            for (const Step& s : at) {
                const float r = std::abs(line[0] * s.at.x + line[1] * s.at.y + line[2]);
                if (r <= nearest)
                    nearest = r, near = &s;
            }
            if (near)
                pts.push_back(near->at);
        }
        if (pts.size() < 8)
            return iter > 0;
        cv::Vec4f l;
        cv::fitLine(pts, l, cv::DIST_L2, 0, 0.01, 0.01);
        line = cv::Vec3f(-l[1], l[0], l[1] * l[2] - l[0] * l[3]);  // ax + by + c = 0
        cut = 1.0f;
    }
    return true;
}

// The side from a to b as it lies on the full photo, within reach pixels of where it is now.
bool measureSide(const cv::Mat& rgb, cv::Point2f a, cv::Point2f b, double reach, cv::Vec3f& line) {
    const double len = cv::norm(b - a);
    if (len < 10 || alongFrame(a, b, rgb.size()))
        return false;
    const cv::Point2f d = (b - a) * (1.0f / float(len));
    const cv::Point2f n(-d.y, d.x);
    const int R = int(std::ceil(reach));
    // A place every few pixels along the middle of the side (its ends may run into the corner's
    // neighbours): the more places, the less one noisy pixel moves the line.
    const int N = std::clamp(int(len / 20), 24, 64);
    std::vector<std::vector<Step>> steps;
    std::vector<cv::Vec3f> prof;
    for (int k = 0; k < N; ++k) {
        const cv::Point2f p = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / N);
        std::vector<Step> at;
        if (profile(rgb, p, n, R, prof))
            stepsAt(prof, R, p, n, at);
        if (!at.empty())
            steps.push_back(std::move(at));
    }
    if (steps.size() < 10 || !strongestLine(steps, line))
        return false;
    return fitAlong(line, steps);
}

// The weakest colour step counted on profiles averaged along a side: twice what their noise
// reaches, far below the step of a faint page on a light desk.
constexpr float kAveragedFloor = 6;

// Counts, at places along the side from a to b, those measured and those where the clearest
// colour step across the side lies on it.
void measureSupport(cv::Point2f a, cv::Point2f b, const cv::Mat& rgb, int& places, int& onStep) {
    const int R = 6, N = 64, half = 4;
    const double len = cv::norm(b - a);
    if (len < 10 || alongFrame(a, b, rgb.size()))
        return;
    std::vector<cv::Vec3f> one, prof;
    std::vector<Step> at;
    const cv::Point2f d = (b - a) * (1.f / float(len)), n(-d.y, d.x);
    for (int k = 0; k < N; ++k) {
        const cv::Point2f p = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / N);
        // A side that runs out of the picture (a page cut by the frame, its corner beyond the
        // border or on it) is judged by the part that can be seen: beyond the border nothing is
        // known, which is no evidence against it.
        if (!profileAlong(rgb, p, n, d, R, half, one, prof))
            continue;
        ++places;
        at.clear();
        stepsAt(prof, R, p, n, at, kAveragedFloor);
        // The step across the side is the clearest in its neighbourhood: a faint page's edge
        // still is, the grain of paper or desk along a line laid at random is not.
        onStep += !at.empty() && cv::norm(at[0].at - p) <= 1.5;
    }
}

}  // namespace

CornerRefiner::SideSupport CornerRefiner::sideSupport(const Quad& q, const cv::Mat& rgb) {
    SideSupport s;
    // Asked for on every live frame, after the detection, with OpenCV's threads idle: the sides
    // are measured side by side, each into its own counts.
    cv::parallel_for_(cv::Range(0, 4), [&](const cv::Range& sides) {
        for (int i = sides.start; i < sides.end; ++i)
            measureSupport(q[size_t(i)], q[size_t((i + 1) % 4)], rgb, s.places[size_t(i)],
                           s.onStep[size_t(i)]);
    });
    return s;
}

double CornerRefiner::SideSupport::share(unsigned sides) const {
    int measured = 0, on = 0;
    for (size_t i = 0; i < 4; ++i)
        if (sides & (1u << i))
            measured += places[i], on += onStep[i];
    return measured > 0 ? double(on) / measured : 0.0;
}

CornerRefiner::SideSupport& CornerRefiner::SideSupport::operator+=(const SideSupport& o) {
    for (size_t i = 0; i < 4; ++i)
        places[i] += o.places[i], onStep[i] += o.onStep[i];
    return *this;
}

Quad CornerRefiner::refine(const Quad& q, const cv::Mat& rgb, double reach) {
    cv::Vec3f lines[4];
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[size_t(i)], b = q[size_t((i + 1) % 4)];
        if (!measureSide(rgb, a, b, reach, lines[i]))
            lines[i] = lineThrough(a, b);
    }
    Quad out = q;
    for (int i = 0; i < 4; ++i) {
        // Corner i lies on side i-1 and side i.
        const cv::Vec3f x = lines[(i + 3) % 4].cross(lines[i]);
        if (std::abs(x[2]) < 1e-9)
            continue;
        const cv::Point2f c(x[0] / x[2], x[1] / x[2]);
        if (cv::norm(c - q[size_t(i)]) < reach * 2.5)
            out[size_t(i)] = c;
    }
    return out.isConvex() ? out : q;
}

}  // namespace imageproc
