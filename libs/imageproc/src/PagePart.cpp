#include "PagePart.h"

#include "LineCrossing.h"
#include "PageEvidence.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace imageproc {

namespace {

constexpr int kSamples = 24;   // along a side
constexpr int kMinStep = 12;   // of the channels' sum, between just inside and just outside
constexpr int kFaintStep = 5;  // the least step that may be a rim, on a light desk
constexpr int kDrift = 6;      // how far a followed rim may wander off its side's line, in pixels

int at(const cv::Mat& level, cv::Point2f p) {
    const int x = cvRound(p.x), y = cvRound(p.y);
    if (x < 0 || y < 0 || x >= level.cols || y >= level.rows)
        return -1;
    return level.at<ushort>(y, x);
}

cv::Point2f unit(cv::Point2f v) {
    return v * float(1 / std::max(1e-6, cv::norm(v)));
}

// Into the outline, for a side from a to b of a clockwise one.
cv::Point2f inwards(cv::Point2f a, cv::Point2f b) {
    const cv::Point2f d = unit(b - a);
    return {-d.y, d.x};
}

// The step across a line at p, from paper (towards n) to desk: sign +1 where the paper is the
// lighter, -1 where it is the darker. Flat on both sides of it, as a sheet's rim is, unlike the
// shading round a glare or along a crease. Returns the step, 0 where there is none.
int rimAt(const cv::Mat& level, cv::Point2f p, cv::Point2f n, int sign, int minStep) {
    const int in = at(level, p + n * 3.f), out = at(level, p - n * 3.f);
    const int farIn = at(level, p + n * 6.f), farOut = at(level, p - n * 6.f);
    if (in < 0 || out < 0 || farIn < 0 || farOut < 0)
        return 0;
    const int step = (in - out) * sign;
    return step >= minStep && step >= 2 * std::max(std::abs(in - farIn), std::abs(out - farOut))
               ? step
               : 0;
}

// A sheet's rim: which way round (+1 paper lighter than the desk, -1 darker) and the least step
// that counts as it.
struct Rim {
    int sign = 0;
    int minStep = kMinStep;
};

// The step of the best rim within a pixel or two of p across n, 0 where there is none.
int rimNear(const cv::Mat& level, cv::Point2f p, cv::Point2f n, const Rim& rim, int centre,
            int& found) {
    int best = 0;
    for (int off = std::max(-kDrift, centre - 2); off <= std::min(kDrift, centre + 2); ++off) {
        const int s = rimAt(level, p + n * float(off), n, rim.sign, rim.minStep);
        if (s > best)
            best = s, found = off;
    }
    return best;
}

// The steps of that rim along the side from a to b (0 where there is none); empty where too
// little of the side lies inside the frame to judge it.
std::vector<int> rimSteps(const cv::Mat& level, cv::Point2f a, cv::Point2f b, const Rim& rim) {
    const cv::Point2f n = inwards(a, b);
    std::vector<int> steps;
    for (int k = 0; k < kSamples; ++k) {
        const cv::Point2f p = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / kSamples);
        if (at(level, p - n * 8.f) < 0 || at(level, p + n * 8.f) < 0)
            continue;
        int off = 0;
        steps.push_back(rimNear(level, p, n, rim, 0, off));
    }
    if (steps.size() < size_t(kSamples / 2))
        steps.clear();
    return steps;
}

double rimShare(const cv::Mat& level, cv::Point2f a, cv::Point2f b, const Rim& rim) {
    const std::vector<int> steps = rimSteps(level, a, b, rim);
    const long n = std::count_if(steps.begin(), steps.end(), [](int s) { return s > 0; });
    return steps.empty() ? 0 : double(n) / double(steps.size());
}

// The rim that the side from a to b is on most of it, if any. On a light desk a page's rim may
// be a step of a few levels only: the side's own typical step sets what counts as its rim.
Rim rimOf(const cv::Mat& level, cv::Point2f a, cv::Point2f b) {
    for (const int sign : {1, -1}) {
        std::vector<int> steps = rimSteps(level, a, b, {sign, kFaintStep});
        const auto rims = std::partition(steps.begin(), steps.end(), [](int s) { return s > 0; });
        if (steps.empty() || (rims - steps.begin()) < long(steps.size()) * 6 / 10)
            continue;
        std::nth_element(steps.begin(), steps.begin() + (rims - steps.begin()) / 2, rims);
        return {sign,
                std::clamp(steps[size_t(rims - steps.begin()) / 2] / 4, kFaintStep, kMinStep)};
    }
    return {};
}

struct Run {
    float length = 0;      // how far past the corner the rim goes on
    bool toFrame = false;  // on up to the frame's edge
};

// Follows a side's rim beyond its corner c, along d, with the paper towards n. Gaps where
// something lies across the rim are stepped over, but most of the way must be rim: a desk's grain
// gives a faint step here and there.
Run follow(const cv::Mat& level, cv::Point2f c, cv::Point2f d, cv::Point2f n, const Rim& rim,
           float gap) {
    Run run;
    const cv::Rect2f inner(8, 8, float(level.cols - 17), float(level.rows - 17));
    int centre = 0, hits = 0, s = 1;
    for (;; ++s) {
        const cv::Point2f p = c + d * float(s);
        if (!inner.contains(p)) {
            run.toFrame = run.length > 0 && float(s) - run.length <= 8;
            break;
        }
        int off = centre;
        if (rimNear(level, p, n, rim, centre, off) > 0) {
            run.length = float(s);
            centre = off;
            ++hits;
        } else if (float(s) - run.length > gap) {
            break;
        }
    }
    if (hits < 0.7 * run.length)
        return {};
    return run;
}

// The adjacent sides of side i: the one ending at corner i (j) and the one starting at corner
// i + 1 (k), each followed away from the outline past that corner.
struct Neighbour {
    cv::Point2f corner, dir, normal;
    bool frame = false;
    Rim rim;
};

// Side s of q, followed past its end (or, with fromStart, past its start).
Neighbour neighbour(const cv::Mat& level, const Quad& q, size_t s, bool fromStart) {
    const cv::Point2f a = q[s], b = q[(s + 1) % 4];
    Neighbour nb;
    nb.corner = fromStart ? a : b;
    nb.dir = fromStart ? unit(a - b) : unit(b - a);
    nb.normal = inwards(a, b);
    nb.frame = PageEvidence::alongFrame(a, b, level.size());
    if (!nb.frame)
        nb.rim = rimOf(level, a, b);
    return nb;
}

// The best line for the moved side, the one most of which is a rim: with its ends near where
// the two neighbours' rims end, or, where one of them ends early (something lies over it, or it is
// the frame's edge), through the other's end and about as turned as the opposite side.
bool newSide(const cv::Mat& level, const Neighbour& j, const Neighbour& k, float sj, float sk,
             cv::Point2f opposite, const Rim& rim, cv::Point2f& a, cv::Point2f& b) {
    double best = 0.6;
    bool found = false;
    auto tryLine = [&](cv::Point2f p, cv::Point2f r) {
        const double s = rimShare(level, p, r, rim);
        if (s > best)
            best = s, a = p, b = r, found = true;
    };
    if (!j.frame && !k.frame)
        for (int u = -kDrift; u <= kDrift; ++u)
            for (int v = -kDrift; v <= kDrift; ++v)
                tryLine(j.corner + j.dir * (sj + float(u)), k.corner + k.dir * (sk + float(v)));
    for (const bool aboutJ : {true, false}) {
        const Neighbour &turning = aboutJ ? j : k, &other = aboutJ ? k : j;
        if (turning.frame)
            continue;
        for (int u = -kDrift; u <= kDrift; ++u)
            for (int deg = -8; deg <= 8; ++deg) {
                const float t = float(deg * CV_PI / 180);
                const cv::Point2f r(opposite.x * std::cos(t) - opposite.y * std::sin(t),
                                    opposite.x * std::sin(t) + opposite.y * std::cos(t));
                const cv::Point2f p =
                    turning.corner + turning.dir * ((aboutJ ? sj : sk) + float(u));
                cv::Point2f x;
                if (!lineCrossing(p, p + r, other.corner, other.corner + other.dir, x))
                    continue;
                if (aboutJ)
                    tryLine(p, x);
                else
                    tryLine(x, p);
            }
    }
    return found;
}

// The frame's edge that a rim followed runs out through (end: a point just beyond where it was
// seen last), as the new side: a and b where the neighbours' lines cross it.
bool toFrame(cv::Size frame, const Neighbour& j, const Neighbour& k, cv::Point2f end,
             cv::Point2f& a, cv::Point2f& b) {
    const float W = float(frame.width - 1), H = float(frame.height - 1);
    const float gap[4] = {end.x, end.y, W - end.x, H - end.y};
    const int edge = int(std::min_element(gap, gap + 4) - gap);
    const cv::Point2f e0 = edge == 2   ? cv::Point2f(W, 0)
                           : edge == 3 ? cv::Point2f(0, H)
                                       : cv::Point2f(0, 0);
    const cv::Point2f e1 = edge % 2 ? e0 + cv::Point2f(1, 0) : e0 + cv::Point2f(0, 1);
    // Within half a frame of the picture: a neighbour nearly along the edge crosses it far off.
    const auto near = [&](cv::Point2f p) {
        return p.x > -0.5f * W && p.x < 1.5f * W && p.y > -0.5f * H && p.y < 1.5f * H;
    };
    return lineCrossing(j.corner, j.corner + j.dir, e0, e1, a) &&
           lineCrossing(k.corner, k.corner + k.dir, e0, e1, b) && near(a) && near(b);
}

// The median level at the points given, -1 where none lies in the picture.
int medianLevel(const cv::Mat& level, const std::vector<cv::Point2f>& points) {
    std::vector<int> v;
    for (const auto& p : points)
        if (at(level, p) >= 0)
            v.push_back(at(level, p));
    if (v.empty())
        return -1;
    std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// Whether what side i of q grows over, out to a and b, is paper: at least nearly as light as q's
// inside along the neighbouring rims (paper is the lightest thing on a desk; print darkens it
// here and there). A desk's stripes or tiles may go on along a page's rims; the desk between
// them is not paper.
bool paperBeyond(const cv::Mat& level, const Quad& q, size_t i, cv::Point2f a, cv::Point2f b) {
    const cv::Point2f c0 = q[i], c1 = q[(i + 1) % 4], p0 = q[(i + 3) % 4], p1 = q[(i + 2) % 4];
    std::vector<cv::Point2f> grown, inner;
    for (int u = 1; u < 8; ++u)
        for (int v = 1; v < 4; ++v) {
            const float s = u / 8.f, t = v / 4.f;
            const cv::Point2f near = c0 + (c1 - c0) * s, far = a + (b - a) * s;
            grown.push_back(near + (far - near) * t);
        }
    for (int u = 1; u < 8; ++u) {
        const float t = 0.04f * float(u);
        const cv::Point2f side0 = c0 + (p0 - c0) * t, side1 = c1 + (p1 - c1) * t;
        inner.push_back(side0 + (side1 - side0) * 0.06f);
        inner.push_back(side1 + (side0 - side1) * 0.06f);
    }
    const int g = medianLevel(level, grown), in = medianLevel(level, inner);
    return g >= 0 && in >= 0 && g >= in - 60;
}

// Side i of q moved out to where its neighbours' rims end, if they run on past its corners.
bool growSide(const cv::Mat& level, const Quad& q, size_t i, Quad& out) {
    const size_t i1 = (i + 1) % 4;
    if (PageEvidence::alongFrame(q[i], q[i1], level.size()))
        return false;
    const Neighbour j = neighbour(level, q, (i + 3) % 4, false);
    const Neighbour k = neighbour(level, q, i1, true);
    if ((j.frame && k.frame) || (!j.frame && j.rim.sign == 0) || (!k.frame && k.rim.sign == 0))
        return false;
    // The moved side is the same sheet's rim: as faint as the fainter of its neighbours.
    const Rim rim = j.frame   ? k.rim
                    : k.frame ? j.rim
                              : Rim{j.rim.sign, std::min(j.rim.minStep, k.rim.minStep)};
    const float minGrow = std::max(6.f, 0.05f * float(cv::norm(q[i1] - q[i])));
    const float gap = std::max(
        10.f, 0.04f * float(cv::norm(q[(i + 3) % 4] - q[i]) + cv::norm(q[(i + 2) % 4] - q[i1])));
    Run rj, rk;
    if (!j.frame)
        rj = follow(level, j.corner, j.dir, j.normal, j.rim, gap);
    if (!k.frame)
        rk = follow(level, k.corner, k.dir, k.normal, k.rim, gap);
    if (std::max(rj.length, rk.length) < minGrow)
        return false;
    // A rim that runs out of the picture leaves the page's side beyond it, out of sight: the
    // frame's edge stands in for it, where the other rim runs on as well (a shadow or a thing
    // lying over it may hide the rest of it) and paper lies between them. The desk beside each
    // rim may differ, and with it which way round the step is.
    cv::Point2f a, b;
    if (rj.toFrame || rk.toFrame) {
        if (j.frame || k.frame || std::min(rj.length, rk.length) < minGrow ||
            !toFrame(level.size(), j, k,
                     rj.toFrame ? j.corner + j.dir * (rj.length + 10.f)
                                : k.corner + k.dir * (rk.length + 10.f),
                     a, b) ||
            !paperBeyond(level, q, i, a, b))
            return false;
    } else if ((!j.frame && !k.frame && j.rim.sign != k.rim.sign) ||
               !newSide(level, j, k, rj.length, rk.length, unit(q[(i + 2) % 4] - q[(i + 3) % 4]),
                        rim, a, b)) {
        return false;
    }
    // Moved out by a clear margin, not onto a line just beside the side, and nowhere in.
    const float ma = j.frame ? 0 : (a - q[i]).dot(j.dir), mb = k.frame ? 0 : (b - q[i1]).dot(k.dir);
    if (std::max(ma, mb) < minGrow || std::min(ma, mb) < -2)
        return false;
    out = q;
    out[i] = a;
    out[i1] = b;
    return out.isConvex() && PageEvidence::squareCorners(out, level.size());
}

}  // namespace

bool PagePart::whole(const cv::Mat& level, const Quad& q, Quad& whole) {
    if (!q.isConvex())
        return false;
    whole = q;
    bool grown = false;
    // A page may be cut on more than one side (a picture at its head, a cable at its foot).
    for (size_t i = 0; i < 4; ++i) {
        Quad g;
        if (growSide(level, whole, i, g)) {
            whole = g;
            grown = true;
        }
    }
    return grown;
}

}  // namespace imageproc
