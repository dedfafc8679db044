#include "FaintPage.h"

#include "LineCrossing.h"
#include "PageEvidence.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace imageproc {

namespace {

constexpr int kProfiles = 24;  // across each side, evenly along it
constexpr int kGroups = 6;     // stretches of the side, all but kHidden of which must show the step
constexpr int kHidden = 1;
constexpr double kStrong = 8;     // a step of colour that is a clear edge, not a faint rim
constexpr int kMargin = 8;        // the least plain paper inside a rim
constexpr int kClamp = 24;        // per channel: a cable or a coin across a side weighs no more
constexpr double kMinStep = 1.5;  // the least step of colour, in levels, averaged along a side
constexpr int kKeep = 3;          // steps kept per side
constexpr int kTurnStep = 3;      // lines tried differ this much in their turn over the side

using Colours = std::vector<cv::Vec3s>;  // along a profile; [0] < 0 beyond the frame

cv::Vec3s clamped(const cv::Vec3s& a, const cv::Vec3s& b) {
    cv::Vec3s d;
    for (int c = 0; c < 3; ++c)
        d[c] = short(std::clamp(int(a[c]) - int(b[c]), -kClamp, kClamp));
    return d;
}

// A stretch where something else lies beyond the page (a ball, a cable it covers) shows a strong
// edge instead: no evidence against the rim, none for its colour either. Each stretch's step in
// turn gives the colour of the rim's step; the step's size is what all stretches but kHidden show
// that way, not counting those where something else lies beyond (as long as most stretches do
// show the step).
void strongestStep(const cv::Vec3i (&group)[kGroups], const int (&count)[kGroups], double& step,
                   cv::Vec3d& dir) {
    cv::Vec3d mean[kGroups];
    bool other[kGroups];
    int plain = 0;
    for (int g = 0; g < kGroups; ++g) {
        mean[g] = count[g] ? cv::Vec3d(group[g]) / count[g] : cv::Vec3d();
        other[g] = cv::norm(mean[g]) >= kStrong;
        plain += !other[g];
    }
    const bool skipOthers = plain >= kGroups / 2;
    for (int g = 0; g < kGroups; ++g) {
        const double size = cv::norm(mean[g]);
        if (size <= 0 || (other[g] && skipOthers))
            continue;
        double along[kGroups];
        for (int h = 0; h < kGroups; ++h)
            along[h] = other[h] && skipOthers ? 1e9 : mean[h].dot(mean[g]) / size;
        std::nth_element(along, along + kHidden, along + kGroups);
        if (along[kHidden] > step)
            step = along[kHidden], dir = mean[g] / size;
    }
}

struct Rim {
    cv::Point2f a, b;     // two points of the line
    cv::Vec3f inside;     // the paper's colour just inside it
    double strength = 0;  // the step against the change of colour either side of it
};

// One side of the print's rectangle and the profiles outwards from it.
class Side {
public:
    // inset: how far inside the side, towards the print's middle, the profiles start.
    Side(const cv::Mat& level, cv::Point2f a, cv::Point2f b, int inset);
    std::vector<Rim> rims() const;

private:
    struct Line {
        int t0 = 0, turn = 0;
        double step = 0, flat = 0;
        cv::Vec3d dir;  // the step's colour, as a unit vector
    };
    int at(int k, int t0, int turn) const {
        return t0 + m_shift[size_t((turn + m_turn) * kProfiles + k)];
    }
    bool valid(int k, int i) const {
        return i >= 6 && i + 6 < m_length && m_prof[size_t(k)][size_t(i - 6)][0] >= 0 &&
               m_prof[size_t(k)][size_t(i + 6)][0] >= 0;
    }
    // The step across distance i of profile k, and the changes just inside and outside it.
    struct Change {
        cv::Vec3s step, in, out;  // each channel within kClamp
    };
    const Change& change(int k, int i) const { return m_change[size_t(k * m_length + i)]; }
    Line measure(int t0, int turn) const;
    bool paperBefore(const Line& l) const;

    std::vector<Colours> m_prof;
    std::vector<Change> m_change;
    std::vector<int> m_shift;  // per turn and profile, how far the line lies further out there
    int m_length = 0;
    cv::Point2f m_base0, m_base1, m_out;
    int m_turn = 2;
    int m_inset = 0;
};

Side::Side(const cv::Mat& level, cv::Point2f a, cv::Point2f b, int inset) : m_inset(inset) {
    const double len = cv::norm(b - a);
    const cv::Point2f d = (b - a) * float(1 / std::max(1e-6, len));
    m_out = cv::Point2f(d.y, -d.x);  // a clockwise outline's inside is to the right of each side
    m_turn = std::max(2, int(0.08 * len));
    m_shift.resize(size_t((2 * m_turn + 1) * kProfiles));
    for (int e = -m_turn; e <= m_turn; ++e)
        for (int k = 0; k < kProfiles; ++k)
            m_shift[size_t((e + m_turn) * kProfiles + k)] =
                int(std::lround(e * (k + 0.5) / kProfiles));
    const int reach = std::max(level.cols, level.rows) / 2;
    const cv::Rect frame(0, 0, level.cols, level.rows);
    m_length = reach + m_inset;
    m_prof.assign(kProfiles, Colours(size_t(m_length), cv::Vec3s(-1, -1, -1)));
    m_change.resize(size_t(kProfiles * m_length));
    for (int k = 0; k < kProfiles; ++k) {
        const cv::Point2f base = a + (b - a) * (0.05f + 0.9f * (k + 0.5f) / kProfiles);
        if (k == 0)
            m_base0 = base;
        m_base1 = base;
        for (int i = 0; i < reach + m_inset; ++i) {
            const cv::Point2f p = base + m_out * float(i - m_inset);
            const cv::Point r(cvRound(p.x), cvRound(p.y));
            if (frame.contains(r))
                m_prof[size_t(k)][size_t(i)] = cv::Vec3s(level.at<cv::Vec3b>(r));
        }
        const Colours& p = m_prof[size_t(k)];
        for (int i = 6; i + 6 < m_length; ++i)
            m_change[size_t(k * m_length + i)] = {clamped(p[size_t(i - 2)], p[size_t(i + 2)]),
                                                  clamped(p[size_t(i - 6)], p[size_t(i - 2)]),
                                                  clamped(p[size_t(i + 2)], p[size_t(i + 6)])};
    }
}

// The step's size is what most stretches along the side show, each measured in the way that most
// of them step: a thing lying across the side (a ball, a cable) may hide a stretch or two, but a
// step in a few stretches only is no rim (a shadow's tip, the round edge of a ball beside it).
Side::Line Side::measure(int t0, int turn) const {
    Line l;
    l.t0 = t0, l.turn = turn;
    cv::Vec3i group[kGroups], total;
    int count[kGroups] = {0}, n = 0;
    for (int k = 0; k < kProfiles; ++k) {
        const int i = at(k, t0, turn);
        if (!valid(k, i))
            continue;
        const int g = k * kGroups / kProfiles;
        group[g] += cv::Vec3i(change(k, i).step);
        ++count[g];
        ++n;
    }
    for (const auto& g : group)
        total += g;
    // Most lines cross plain desk or paper: nothing like a step on the whole, not worth a closer
    // look (a step hidden in a stretch or two still shows in the sum).
    if (n < kProfiles * 3 / 4 || double(total.dot(total)) < 0.36 * kMinStep * kMinStep * n * n)
        return l;
    cv::Vec3i rampIn[kGroups], rampOut[kGroups];
    for (int k = 0; k < kProfiles; ++k) {
        const int i = at(k, t0, turn);
        if (valid(k, i)) {
            rampIn[k * kGroups / kProfiles] += cv::Vec3i(change(k, i).in);
            rampOut[k * kGroups / kProfiles] += cv::Vec3i(change(k, i).out);
        }
    }
    strongestStep(group, count, l.step, l.dir);
    if (l.step <= 0)
        return l;
    // The change either side of the step, as the stretches that show it see it in the step's
    // colour: light falling off or a soft shadow's edge keeps changing beyond it, a sheet's rim
    // does not.
    double flat[kGroups];
    int m = 0;
    for (int g = 0; g < kGroups; ++g)
        if (count[g] && cv::Vec3d(group[g]).dot(l.dir) >= 0.5 * l.step * count[g])
            flat[m++] = std::max(std::abs(cv::Vec3d(rampIn[g]).dot(l.dir)),
                                 std::abs(cv::Vec3d(rampOut[g]).dot(l.dir))) /
                        count[g];
    if (m == 0) {
        l.step = 0;
        return l;
    }
    std::nth_element(flat, flat + m / 2, flat + m);
    l.flat = flat[m / 2];
    return l;
}

// Paper between the print and the step: print darkens the margin here and there, a picture or
// another thing lying there would change most of it.
bool Side::paperBefore(const Line& l) const {
    int paper = 0, seen = 0;
    for (int k = 0; k < kProfiles; ++k) {
        const int i = at(k, l.t0, l.turn);
        if (!valid(k, i))
            continue;
        const Colours& p = m_prof[size_t(k)];
        const cv::Vec3s rim = p[size_t(i - 3)];
        for (int j = std::max(0, i - 3 - kMargin); j < i - 3; ++j, ++seen) {
            const cv::Vec3s d = clamped(p[size_t(j)], rim);
            paper += std::abs(d[0]) + std::abs(d[1]) + std::abs(d[2]) <= 30;
        }
    }
    return seen > 0 && paper >= seen * 8 / 10;
}

std::vector<Rim> Side::rims() const {
    const int end = int(m_prof[0].size()) - 7;
    std::vector<Line> best(size_t(std::max(0, end)));
    const int start = std::max(kMargin + 10, m_inset / 2);
    for (int t0 = start; t0 < end; ++t0)
        for (int e = -m_turn; e <= m_turn; e += kTurnStep) {
            const Line l = measure(t0, e);
            if (l.step - 2 * l.flat > best[size_t(t0)].step - 2 * best[size_t(t0)].flat)
                best[size_t(t0)] = l;
        }
    auto value = [&](int t) {
        const Line& l = best[size_t(t)];
        return l.step >= kMinStep && l.step >= 2 * l.flat ? l.step - 2 * l.flat : 0.0;
    };
    std::vector<Rim> found;
    for (int t0 = start; t0 < end; ++t0) {
        const double v = value(t0);
        bool peak = v > 0;
        for (int u = std::max(start, t0 - 2); u <= std::min(end - 1, t0 + 2) && peak; ++u)
            peak = u == t0 || value(u) < v || (value(u) == v && u > t0);
        const Line& l = best[size_t(t0)];
        if (!peak || !paperBefore(l))
            continue;
        Rim r;
        const float e = float(l.turn);
        r.a = m_base0 + m_out * (float(l.t0 - m_inset) + e * 0.5f / kProfiles);
        r.b = m_base1 + m_out * (float(l.t0 - m_inset) + e * (kProfiles - 0.5f) / kProfiles);
        int n = 0;
        for (int k = 0; k < kProfiles; ++k) {
            const int i = at(k, l.t0, l.turn);
            if (valid(k, i))
                r.inside += cv::Vec3f(m_prof[size_t(k)][size_t(i - 3)]), ++n;
        }
        r.inside *= 1.f / std::max(1, n);
        r.strength = l.step / (l.flat + 0.5);
        found.push_back(r);
    }
    std::sort(found.begin(), found.end(),
              [](const Rim& x, const Rim& y) { return x.strength > y.strength; });
    if (found.size() > size_t(kKeep))
        found.resize(kKeep);
    return found;
}

cv::Vec3f chroma(const cv::Vec3f& c) {
    const float grey = (c[0] + c[1] + c[2]) / 3;
    return c - cv::Vec3f(grey, grey, grey);
}

// Paper is light and nearly neutral; a tinted light makes it a little coloured, never strongly.
bool paperLike(const cv::Vec3f& c) {
    const float hi = std::max({c[0], c[1], c[2]}), lo = std::min({c[0], c[1], c[2]});
    return hi >= 100 && lo >= 0.75f * hi;
}

// Two colours of one paper: glare and light falling off bleach or deepen its tint, but keep its
// hue.
bool samePaper(const cv::Vec3f& a, const cv::Vec3f& b) {
    const cv::Vec3f ca = chroma(a), cb = chroma(b);
    const double na = cv::norm(ca), nb = cv::norm(cb);
    if (cv::norm(ca - cb) <= 8)
        return true;
    return std::min(na, nb) >= 4 && std::max(na, nb) <= 2 * std::min(na, nb) &&
           ca.dot(cb) >= 0.9 * na * nb;
}

// The outline the four rims close, if it is a page round the print, of one paper all round.
std::optional<FaintPage::Found> closed(const Rim* const side[4], const Quad& print, cv::Size frame,
                                       double minArea, double maxArea) {
    std::array<cv::Point2f, 4> c;
    for (size_t i = 0; i < 4; ++i) {
        const Rim &p = *side[(i + 3) % 4], &q = *side[i];
        if (!lineCrossing(p.a, p.b, q.a, q.b, c[i]) || c[i].x < -2 || c[i].y < -2 ||
            c[i].x > frame.width + 1 || c[i].y > frame.height + 1)
            return std::nullopt;
    }
    const Quad q = Quad::ordered(c);
    const double area = q.area();
    const cv::Point2f middle = (print[0] + print[1] + print[2] + print[3]) * 0.25f;
    if (!q.isConvex() || area < minArea || area > maxArea ||
        cv::pointPolygonTest(std::vector<cv::Point2f>(q.begin(), q.end()), middle, false) <= 0 ||
        !PageEvidence::squareCorners(q, frame) || !paperLike(side[0]->inside))
        return std::nullopt;
    double weakest = 1e9;
    for (size_t i = 0; i < 4; ++i) {
        weakest = std::min(weakest, side[i]->strength);
        for (size_t j = i + 1; j < 4; ++j)
            if (!samePaper(side[i]->inside, side[j]->inside))
                return std::nullopt;
    }
    return FaintPage::Found{q.clamped(frame.width, frame.height), std::min(1.0, weakest / 6)};
}

}  // namespace

std::vector<FaintPage::Found> FaintPage::search(const cv::Mat& small, const Quad& print,
                                                double minArea, double maxArea) {
    // Print running out of the picture, or spread all over it, is the desk's own pattern, or a
    // page this view cannot close.
    const float slack = 0.03f * float(small.cols);
    const cv::Rect2f frame(-slack, -slack, float(small.cols) + 2 * slack,
                           float(small.rows) + 2 * slack);
    if (print.area() > 0.6 * maxArea ||
        !std::all_of(print.begin(), print.end(), [&](cv::Point2f p) { return frame.contains(p); }))
        return {};
    cv::Mat level;
    cv::blur(small, level, cv::Size(3, 3));
    std::array<std::vector<Rim>, 4> rims;
    for (size_t i = 0; i < 4; ++i) {
        const double depth = cv::norm(print[(i + 2) % 4] - print[(i + 1) % 4]) / 2;
        rims[i] = Side(level, print[i], print[(i + 1) % 4], int(depth)).rims();
        if (rims[i].empty())
            return {};
    }
    std::vector<Found> found;
    for (const Rim& r0 : rims[0])
        for (const Rim& r1 : rims[1])
            for (const Rim& r2 : rims[2])
                for (const Rim& r3 : rims[3]) {
                    const Rim* side[4] = {&r0, &r1, &r2, &r3};
                    if (const auto f = closed(side, print, small.size(), minArea, maxArea))
                        found.push_back(*f);
                }
    std::sort(found.begin(), found.end(),
              [](const Found& x, const Found& y) { return x.quality > y.quality; });
    return found;
}

}  // namespace imageproc
