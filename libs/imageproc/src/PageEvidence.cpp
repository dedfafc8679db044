#include "PageEvidence.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace imageproc {

namespace {

constexpr int kSamples = 24;

// Beside the side, averaged over three pixels along it so that JPEG noise does not decide a
// faint step: the darkest colour channel (paper is bright in all three, a coloured desk is not)
// and the colour less its grey level (its hue and strength).
struct Patch {
    cv::Vec3f colour;
    float darkest = 0;
    bool clipped = false;  // white at the sensor's limit, where hue is lost (glare)
};

bool patchAt(const cv::Mat& small, cv::Point2f p, cv::Point2f d, Patch& out) {
    out = Patch();
    for (int k = -1; k <= 1; ++k) {
        const cv::Point r(cvRound(p.x + d.x * k), cvRound(p.y + d.y * k));
        if (r.x < 0 || r.y < 0 || r.x >= small.cols || r.y >= small.rows)
            return false;
        const cv::Vec3b c = small.at<cv::Vec3b>(r);
        out.colour += cv::Vec3f(c[0], c[1], c[2]) / 3.f;
        out.darkest += std::min({c[0], c[1], c[2]}) / 3.f;
        out.clipped = out.clipped || std::min({c[0], c[1], c[2]}) >= 250;
    }
    // Only the hue and strength of the colour: light falling off across the desk brightens the
    // paper and the desk alike, and may make either the brighter one on different sides.
    const float grey = (out.colour[0] + out.colour[1] + out.colour[2]) / 3.f;
    out.colour -= cv::Vec3f(grey, grey, grey);
    return true;
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
    // The same measured along the side's own change of colour, whichever way that goes: a cream
    // sheet on a white desk is darker in its darkest channel, but just as plainly a step.
    cv::Vec3f tint;  // median colour step across the side, inside minus outside
    double tintSupport = 0, tintRamp = 0;
};

struct Sample {
    Patch in, out, farIn, farOut;
    bool edge = false;  // an edge of the gradient crosses the side here
};

// The side's median step of colour, and along it: the share of samples that show a clean step
// that way (or an edge), and the median change further out on either side.
void measureTint(const std::vector<Sample>& samples, SideEvidence& e) {
    // Glare bleaches what it falls on to white: a step of hue where either side is clipped says
    // nothing of the sheet.
    auto clipped = [](const Sample& s) {
        return s.in.clipped || s.out.clipped || s.farIn.clipped || s.farOut.clipped;
    };
    std::vector<double> channel[3];
    for (const auto& s : samples)
        for (int c = 0; c < 3 && !clipped(s); ++c)
            channel[c].push_back(s.in.colour[c] - s.out.colour[c]);
    for (int c = 0; c < 3; ++c)
        e.tint[c] = float(median(channel[c]));
    const double size = cv::norm(e.tint);
    if (size < 1e-3 || samples.empty())
        return;
    const cv::Vec3f u = e.tint * float(1 / size);
    std::vector<double> ramps;
    int stepped = 0;
    for (const auto& s : samples) {
        if (clipped(s))
            continue;
        const double in = s.in.colour.dot(u), out = s.out.colour.dot(u);
        const double ramp =
            std::max(std::abs(s.farIn.colour.dot(u) - in), std::abs(out - s.farOut.colour.dot(u)));
        ramps.push_back(ramp);
        stepped += s.edge || (in - out >= 3 && in - out >= 2 * ramp);
    }
    e.tintSupport = double(stepped) / samples.size();
    e.tintRamp = median(ramps);
}

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
    std::vector<Sample> samples;
    int supported = 0, stepped = 0;
    for (int k = 0; k < kSamples; ++k) {
        const cv::Point2f p = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / kSamples);
        Sample s;
        if (!patchAt(small, p + n * 3.f, d, s.in) || !patchAt(small, p - n * 3.f, d, s.out) ||
            !patchAt(small, p + n * 9.f, d, s.farIn) || !patchAt(small, p - n * 9.f, d, s.farOut))
            continue;
        const double in = s.in.darkest, out = s.out.darkest;
        steps.push_back(in - out);
        e.stepSum += in - out;
        const double ramp =
            std::max(std::abs(s.farIn.darkest - in), std::abs(out - s.farOut.darkest));
        ramps.push_back(ramp);
        // A clean step of the paper's brightness, flat on both sides, is the sheet's rim even
        // where it is too faint for the edge threshold (white paper on a light desk).
        if (in - out >= 4 && in - out >= 2 * ramp)
            ++stepped;
        // The edge must cross the side: noise, grain and the rims of round things give edges
        // turned every which way, which a loose threshold would otherwise count.
        for (int t = -2; t <= 2 && !s.edge; ++t) {
            const cv::Point r(cvRound(p.x + n.x * t), cvRound(p.y + n.y * t));
            if (!frame.contains(r) || mag.at<ushort>(r) < threshold)
                continue;
            const float gx = dx.at<short>(r), gy = dy.at<short>(r);
            const float across = std::abs(gx * n.x + gy * n.y);
            s.edge = across >= 0.8f * std::sqrt(gx * gx + gy * gy);
        }
        supported += s.edge;
        samples.push_back(s);
    }
    e.samples = int(samples.size());
    if (e.samples > 0)
        e.support = double(std::max(supported, stepped)) / e.samples;
    e.step = median(steps);
    e.ramp = median(ramps);
    measureTint(samples, e);
    return e;
}

// Where the side's brightness step is too faint to see, a clear step of colour along it counts
// as well (white paper on a warm white desk).
double supportOf(const SideEvidence& e) {
    const double size = cv::norm(e.tint);
    const bool tinted = size >= 2.5 && (e.tintRamp <= 4 || size >= 2 * e.tintRamp);
    return tinted ? std::max(e.support, e.tintSupport) : e.support;
}

// A sheet of any colour on a desk of another: every side a clean step of colour, and the same
// step all round (the sheet is one colour, and so, near it, is the desk). Lines of a desk's
// pattern or of clutter that happen to meet differ from side to side.
bool tintedSheet(const SideEvidence (&sides)[4]) {
    cv::Vec3f sum;
    double support = 0;
    int samples = 0;
    for (const auto& e : sides) {
        const double size = cv::norm(e.tint);
        if (size < 3 || e.tintSupport < 0.5 || (e.tintRamp > 4 && size < 2 * e.tintRamp))
            return false;
        sum += e.tint * float(1 / size);
        support += e.tintSupport * e.samples;
        samples += e.samples;
    }
    const cv::Vec3f mean = sum * float(1 / std::max(1e-6, cv::norm(sum)));
    for (const auto& e : sides)
        if (e.tint.dot(mean) < 0.8 * cv::norm(e.tint))
            return false;
    return support >= 0.75 * samples;
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
    SideEvidence sides[4];
    double step = 0, support = 0;
    int samples = 0;
    bool bright = true;
    for (size_t i = 0; i < 4; ++i) {
        const SideEvidence& e = sides[i] =
            measureSide(q[i], q[(i + 1) % 4], small, dx, dy, mag, threshold);
        if (e.samples < kSamples / 2)
            return false;
        // A side in a shadow or beside a pattern of the desk may lose much of its edge, but not
        // most of it. A sheet's edge is a step: flat on both sides of it. Light falling off round
        // a glare, a soft shadow's edge and shading on a patterned desk keep changing beyond it.
        const double sideSupport = supportOf(e);
        if (sideSupport < 0.4 || (e.ramp > 4 && std::abs(e.step) < 2 * e.ramp))
            bright = false;
        step += e.stepSum;
        support += sideSupport * e.samples;
        samples += e.samples;
    }
    // Paper is the brightest, least coloured thing on a desk, also in a shadow (the desk beside
    // it lies in the same shadow) and on a light desk; where it is not (cream paper on a white
    // desk), its rim is one step of colour all round.
    return (bright && support >= 0.7 * samples && step > samples) || tintedSheet(sides);
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
