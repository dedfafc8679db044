#include "EnclosingPage.h"

#include "LineCrossing.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

constexpr int kRing = 24;     // samples per side round the inner outline
constexpr int kAcross = 32;   // profiles per side in the search for the page's rim
constexpr int kMinStep = 12;  // the least step of the channels' sum that is a sheet's rim

using Profiles = std::vector<std::vector<int>>;

cv::Point2f outwards(cv::Point2f a, cv::Point2f b) {
    const cv::Point2f d = (b - a) * float(1 / std::max(1e-6, cv::norm(b - a)));
    return {d.y, -d.x};  // a clockwise outline's inside is to the right of each side
}

// The sum of the channels over 3 x 3 pixels round p, or -1 beyond the frame.
int levelAt(const cv::Mat& small, cv::Point2f p) {
    const cv::Point r(cvRound(p.x), cvRound(p.y));
    if (r.x < 1 || r.y < 1 || r.x >= small.cols - 1 || r.y >= small.rows - 1)
        return -1;
    int sum = 0;
    for (int y = -1; y <= 1; ++y) {
        const auto* row = small.ptr<cv::Vec3b>(r.y + y) + r.x;
        for (int x = -1; x <= 1; ++x)
            sum += row[x][0] + row[x][1] + row[x][2];
    }
    return sum / 9;
}

// A sheet's rim: brighter inside than outside, and flat on either side of the step.
bool cleanStep(int in, int farIn, int out, int farOut) {
    if (in < 0 || out < 0 || farIn < 0 || farOut < 0)
        return false;
    const int step = in - out;
    return step >= kMinStep && step >= 2 * std::max(std::abs(in - farIn), std::abs(out - farOut));
}

// Whether q's sides look like a sheet's rim themselves, a flat step (a cream page on a white
// desk is the darker one) with paper inside; then q is the page, not a part of it. Else whether
// just outside them lies paper: light, and plain along each side.
bool paperRound(const cv::Mat& small, const Quad& q, bool& rimOfSheet) {
    int stepped = 0, light = 0, plain = 0, n = 0;
    long inSum = 0, outSum = 0;
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f a = q[i], b = q[(i + 1) % 4], o = outwards(a, b);
        int previous = -1;
        for (int k = 0; k < kRing; ++k) {
            const cv::Point2f p = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / kRing);
            const int out = levelAt(small, p + o * 3.f), in = levelAt(small, p - o * 3.f);
            if (out < 0 || in < 0)
                continue;
            ++n;
            const int farIn = levelAt(small, p - o * 6.f), farOut = levelAt(small, p + o * 6.f);
            stepped += cleanStep(in, farIn, out, farOut) || cleanStep(out, farOut, in, farIn);
            inSum += in;
            outSum += out;
            light += out >= 3 * 100;
            plain += previous >= 0 && std::abs(out - previous) < 36;
            previous = out;
        }
    }
    rimOfSheet = stepped >= n * 6 / 10 && inSum * 10 >= outSum * 8;
    return n >= kRing * 2 && light >= n * 3 / 4 && plain >= n * 2 / 3;
}

// Lines nearly along a side (a page's rim and the picture on it differ only by the
// perspective), found by their count of clean steps in the profiles across the side: each step
// votes for the lines through it, a line of a given turn at most once per profile. For each
// distance t0 at the side's start: the most votes of a line from there, and its turn (the
// change of distance from the first profile to the last).
void lineSupport(const Profiles& prof, int turn, std::vector<int>& support,
                 std::vector<int>& bend) {
    const int reach = int(prof[0].size()), turns = 2 * turn + 1;
    auto at = [&](int k, int t) { return t < 0 || t >= reach ? -1 : prof[size_t(k)][size_t(t)]; };
    std::vector<int> votes(size_t(reach * turns), 0);
    for (int k = 0; k < kAcross; ++k) {
        int last = -2;
        for (int t = 4; t < reach; ++t) {
            if (!cleanStep(at(k, t - 2), at(k, t - 5), at(k, t + 2), at(k, t + 5)))
                continue;
            for (int u = std::max(t - 1, last + 2); u <= t + 1; ++u)
                for (int e = -turn; e <= turn; ++e) {
                    const int t0 = u - int(std::lround(e * (k + 0.5) / kAcross));
                    if (t0 >= 0 && t0 < reach)
                        ++votes[size_t(t0 * turns + e + turn)];
                }
            last = t;
        }
    }
    support.assign(size_t(reach), 0);
    bend.assign(size_t(reach), 0);
    for (int t0 = 0; t0 < reach; ++t0)
        for (int e = -turn; e <= turn; ++e)
            if (votes[size_t(t0 * turns + e + turn)] > support[size_t(t0)])
                support[size_t(t0)] = votes[size_t(t0 * turns + e + turn)], bend[size_t(t0)] = e;
}

}  // namespace

EnclosingPage::EnclosingPage(const cv::Mat& small, const Quad& inner) : m_inner(inner) {
    bool rimOfSheet = false;
    if (!inner.isConvex() || !paperRound(small, inner, rimOfSheet) || rimOfSheet)
        return;
    m_possible = true;
}

std::vector<EnclosingPage::Line> EnclosingPage::linesBeyond(const cv::Mat& level,
                                                            size_t side) const {
    const cv::Point2f a = m_inner[side], b = m_inner[(side + 1) % 4], o = outwards(a, b);
    const int reach = std::max(level.cols, level.rows) / 2;
    // Profiles outwards from points along the side; -1 beyond the frame.
    Profiles prof(kAcross, std::vector<int>(size_t(reach), -1));
    const cv::Rect frame(0, 0, level.cols, level.rows);
    std::vector<cv::Point2f> base(kAcross);
    for (int k = 0; k < kAcross; ++k) {
        base[size_t(k)] = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / kAcross);
        for (int t = 0; t < reach; ++t) {
            const cv::Point2f p = base[size_t(k)] + o * float(t);
            const cv::Point r(cvRound(p.x), cvRound(p.y));
            if (!frame.contains(r))
                break;
            prof[size_t(k)][size_t(t)] = level.at<ushort>(r);
        }
    }
    auto at = [&](int k, int t) { return t < 0 || t >= reach ? -1 : prof[size_t(k)][size_t(t)]; };
    const int turn = std::max(2, int(0.06 * cv::norm(b - a)));
    std::vector<int> support, bend;
    lineSupport(prof, turn, support, bend);
    std::vector<Line> lines{{a, b}};
    int strongest = -1, outermost = -1;
    for (int t0 = 5; t0 + 1 < reach; ++t0) {
        const int s = support[size_t(t0)];
        if (s < kAcross / 2 || s < support[size_t(t0 - 1)] || s < support[size_t(t0 + 1)])
            continue;
        // Paper all the way out to it: print may darken the margin here and there, a picture
        // or the desk would darken most of it, or a lighter desk lighten it.
        int paper = 0, seen = 0;
        for (int k = 0; k < kAcross; ++k) {
            const int t = t0 + int(std::lround(bend[size_t(t0)] * (k + 0.5) / kAcross));
            const int rim = at(k, t - 2);
            for (int u = 2; u < t - 2 && rim >= 0; u += 2, ++seen)
                paper += at(k, u) >= rim - 60 && at(k, u) <= rim + 24;
        }
        if (seen == 0 || paper < seen / 2)
            continue;
        if (strongest < 0 || s > support[size_t(strongest)])
            strongest = t0;
        outermost = t0;
    }
    for (const int t0 : {strongest, outermost}) {
        if (t0 < 0 || (t0 == outermost && outermost == strongest && lines.size() > 1))
            continue;
        const float e = float(bend[size_t(t0)]);
        lines.push_back({base[0] + o * (float(t0) + e * 0.5f / kAcross),
                         base[kAcross - 1] + o * (float(t0) + e * (kAcross - 0.5f) / kAcross)});
    }
    return lines;
}

void EnclosingPage::collect(const cv::Mat& level, std::vector<Quad>& out) const {
    if (!m_possible)
        return;
    std::vector<Line> options[4];
    for (size_t i = 0; i < 4; ++i)
        options[i] = linesBeyond(level, i);
    for (const auto& l0 : options[0])
        for (const auto& l1 : options[1])
            for (const auto& l2 : options[2])
                for (const auto& l3 : options[3]) {
                    const Line* side[4] = {&l0, &l1, &l2, &l3};
                    std::array<cv::Point2f, 4> c;
                    bool ok = true;
                    for (size_t i = 0; i < 4 && ok; ++i) {
                        const Line &p = *side[(i + 3) % 4], &q = *side[i];
                        ok = lineCrossing(p.a, p.b, q.a, q.b, c[i]);
                    }
                    if (!ok)
                        continue;
                    const Quad q = Quad::ordered(c);
                    if (q.isConvex() && encloses(q))
                        out.push_back(q.clamped(level.cols, level.rows));
                }
}

bool EnclosingPage::encloses(const Quad& outer) const {
    if (!m_possible || outer.area() < 1.03 * m_inner.area())
        return false;
    const std::vector<cv::Point2f> poly(outer.begin(), outer.end());
    for (const auto& p : m_inner)
        if (cv::pointPolygonTest(poly, p, true) < -1.5)
            return false;
    return true;
}

}  // namespace imageproc
