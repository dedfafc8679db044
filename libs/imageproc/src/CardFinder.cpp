#include "CardFinder.h"

#include "CannyEdges.h"
#include "DeskPattern.h"
#include "EdgeCrowding.h"
#include "HoughSegments.h"
#include "PlainPatches.h"
#include "SideFitter.h"

#include "visioncore/DebugDump.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

// The card's short side in reduced pixels, at the smallest and largest size worth looking for:
// a card far below the camera still spans a few per cent of the frame, one held close half of it.
constexpr double kMinShort = 16;
constexpr size_t kMaxLines = 70;
constexpr size_t kMaxPairs = 160;

struct Segment {
    cv::Point2f p, d;      // a point on the line and its unit direction
    float lo = 0, hi = 0;  // the extent of its edge pixels along d, from p
    float length() const { return hi - lo; }
    float along(cv::Point2f q) const { return (q - p).dot(d); }
    float offset(cv::Point2f q) const {
        const cv::Point2f v = q - p;
        return v.x * d.y - v.y * d.x;
    }
    cv::Point2f at(float t) const { return p + d * t; }
};

struct Pair {
    int a, b;
    float gap;     // distance between the two lines
    float lo, hi;  // the span of both along a's direction
};

bool crossing(const Segment& a, const Segment& b, cv::Point2f& x) {
    const float den = a.d.x * b.d.y - a.d.y * b.d.x;
    if (std::abs(den) < 1e-3f)
        return false;
    const cv::Point2f w = b.p - a.p;
    x = a.p + a.d * ((w.x * b.d.y - w.y * b.d.x) / den);
    return true;
}

// Edge pixels on both sides of a line along most of it: wood grain, woven cloth, a striped or
// dotted desk, rows of text. A card's side has the desk on one side and its plain rim on the
// other.
bool amidTexture(const Segment& s, const cv::Mat& edges) {
    const int N = 12;
    return pointsAmidEdges(s.p, s.d, s.lo, s.hi, N, 6, edges) > N / 2;
}

// Two lines nearly square to each other that meet near an end of each (a rounded corner keeps
// the ends a little short of the crossing). A card seen from above keeps its right angles; the
// zigzags of a tiled or woven desk meet at 60 degrees or so, and would otherwise crowd the card's
// sides out of the lines kept.
bool makeCorner(const Segment& a, const Segment& b) {
    if (std::abs(a.d.dot(b.d)) > 0.3f)
        return false;
    cv::Point2f x;
    if (!crossing(a, b, x))
        return false;
    auto nearEnd = [&](const Segment& s) {
        const float t = s.along(x), tol = std::max(4.0f, 0.15f * s.length());
        return std::abs(s.offset(x)) < 2 && (std::abs(t - s.lo) < tol || std::abs(t - s.hi) < tol);
    };
    return nearEnd(a) && nearEnd(b);
}

// Each direction of line is looked for among the edge pixels that run its way only: where the
// stripes of a desk end against a card's side, their pixels would otherwise be taken by the
// stripes' lines and leave the side full of gaps. byWay[k]: the edge pixels within 30 degrees of
// 45 * k degrees.
void directionBands(const cv::Mat& edges, const cv::Mat& dx, const cv::Mat& dy,
                    cv::Mat (&byWay)[CardFinder::kBands]) {
    for (auto& m : byWay)
        m = cv::Mat::zeros(edges.size(), CV_8U);
    for (int y = 0; y < edges.rows; ++y) {
        const uchar* e = edges.ptr<uchar>(y);
        const short* gx = dx.ptr<short>(y);
        const short* gy = dy.ptr<short>(y);
        for (int x = 0; x < edges.cols; ++x) {
            if (!e[x])
                continue;
            float a = cv::fastAtan2(gy[x], gx[x]);  // 0..360
            if (a >= 180)
                a -= 180;
            for (int k = 0; k < CardFinder::kBands; ++k) {
                float off = std::abs(a - 45.f * k);
                off = std::min(off, 180 - off);
                if (off < 30)
                    byWay[k].at<uchar>(y, x) = 255;
            }
        }
    }
}

// Where the edge under one end of a piece goes on, one pixel further each step: the pixel ahead,
// or beside it where the edge steps over. Ends after more than two steps without an edge, or
// where the edge has bent away from the piece's line by more than a straight side drifts.
cv::Point2f followedTo(cv::Point2f end, cv::Point2f d, const cv::Mat& map) {
    const cv::Point2f n(-d.y, d.x);
    const cv::Rect frame(0, 0, map.cols, map.rows);
    cv::Point2f reached = end;
    float drift = 0;
    int gap = 0;
    for (int t = 1; gap <= 2; ++t) {
        const cv::Point2f ahead = end + d * float(t);
        bool found = false;
        for (const float step : {0.f, -1.f, 1.f}) {
            const cv::Point2f p = ahead + n * (drift + step);
            const cv::Point r(cvRound(p.x), cvRound(p.y));
            if (frame.contains(r) && map.at<uchar>(r)) {
                drift += step;
                found = true;
                reached = p;
                break;
            }
        }
        gap = found ? 0 : gap + 1;
        if (std::abs(drift) > 1.5f + 0.03f * t || !frame.contains(cv::Point(ahead)))
            break;
    }
    return reached;
}

// A piece the line search found, grown at both ends along the edge pixels it lies on: the
// search returns pieces of a side where the thin edge steps off its exact line, and a side found
// whole ranks with the long lines of the desk. The growth stands only where the edge stays
// within a pixel of the grown line nearly all along: a wandering contour (the rim of a glare
// pool, noise on a plain desk) is no side.
cv::Vec4i grownAlong(const cv::Vec4i& piece, const cv::Mat& map) {
    const cv::Point2f a{float(piece[0]), float(piece[1])}, b{float(piece[2]), float(piece[3])};
    const float len = float(cv::norm(b - a));
    if (len < 1)
        return piece;
    const cv::Point2f d = (b - a) * (1 / len);
    const cv::Point2f a2 = followedTo(a, -d, map), b2 = followedTo(b, d, map);
    const float len2 = float(cv::norm(b2 - a2));
    if (len2 < len + 2)
        return piece;
    const cv::Point2f d2 = (b2 - a2) * (1 / len2), n2(-d2.y, d2.x);
    const cv::Rect frame(0, 0, map.cols, map.rows);
    int on = 0, samples = 0;
    for (float t = 0; t <= len2; t += 1.f, ++samples) {
        const cv::Point2f p = a2 + d2 * t;
        for (const float o : {0.f, -1.f, 1.f}) {
            const cv::Point r(cvRound(p.x + n2.x * o), cvRound(p.y + n2.y * o));
            if (frame.contains(r) && map.at<uchar>(r)) {
                ++on;
                break;
            }
        }
    }
    if (on < 0.9 * samples)
        return piece;
    return {cvRound(a2.x), cvRound(a2.y), cvRound(b2.x), cvRound(b2.y)};
}

// Straight pieces of the edge map, raw: the pieces found in each direction band, pieces of one
// line joined across small gaps (a glare spot or a pen over a side), longest first.
std::vector<Segment> straightEdges(const std::vector<cv::Vec4i>& raw, const cv::Mat& edges) {
    std::vector<Segment> pieces;
    for (const auto& r : raw) {
        const cv::Point2f a{float(r[0]), float(r[1])}, b{float(r[2]), float(r[3])};
        const float len = float(cv::norm(b - a));
        if (len < 1)
            continue;
        Segment s;
        s.p = a;
        s.d = (b - a) * (1 / len);
        s.hi = len;
        pieces.push_back(s);
    }
    std::sort(pieces.begin(), pieces.end(),
              [](const Segment& x, const Segment& y) { return x.length() > y.length(); });
    std::vector<Segment> lines;
    const float cosTol = float(std::cos(3 * CV_PI / 180));
    for (const auto& piece : pieces) {
        const cv::Point2f a = piece.at(piece.lo), b = piece.at(piece.hi);
        bool joined = false;
        for (auto& l : lines) {
            if (std::abs(l.d.dot(piece.d)) < cosTol || std::abs(l.offset(a)) > 2 ||
                std::abs(l.offset(b)) > 2)
                continue;
            const float ta = l.along(a), tb = l.along(b);
            const float gap = std::max(std::min(ta, tb) - l.hi, l.lo - std::max(ta, tb));
            if (gap > std::max(8.0f, 0.3f * l.length()))
                continue;
            l.lo = std::min({l.lo, ta, tb});
            l.hi = std::max({l.hi, ta, tb});
            joined = true;
            break;
        }
        if (!joined)
            lines.push_back(piece);
    }
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const Segment& s) { return amidTexture(s, edges); }),
                lines.end());
    // A card's sides meet at its corners, each end near the end of a line running across it;
    // the stripes of a desk or the rules of a pad end nowhere in particular. Lines that make such
    // a corner go first.
    std::vector<char> cornered(lines.size(), 0);
    for (size_t i = 0; i < lines.size(); ++i)
        for (size_t j = i + 1; j < lines.size(); ++j)
            if (makeCorner(lines[i], lines[j]))
                cornered[i] = cornered[j] = 1;
    std::vector<size_t> order(lines.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t x, size_t y) {
        if (cornered[x] != cornered[y])
            return cornered[x] > cornered[y];
        return lines[x].length() > lines[y].length();
    });
    // A striped desk or a ruled pad gives many long lines of one direction; the card's other two
    // sides run across them and must keep their place.
    int perDirection[18] = {0};
    std::vector<Segment> kept;
    for (const size_t i : order) {
        const Segment& l = lines[i];
        const double angle = std::atan2(l.d.y, l.d.x) * 180 / CV_PI + 180;  // 0..360
        int& n = perDirection[int(angle / 10) % 18];
        if (n < 6 && kept.size() < kMaxLines) {
            ++n;
            kept.push_back(l);
        }
    }
    return kept;
}

// Two nearly parallel lines facing each other at a distance a card's sides can have.
std::vector<Pair> facingPairs(const std::vector<Segment>& lines, double maxGap) {
    std::vector<Pair> pairs;
    const float cosTol = float(std::cos(8 * CV_PI / 180));
    for (int i = 0; i < int(lines.size()); ++i)
        for (int j = i + 1; j < int(lines.size()); ++j) {
            const Segment &a = lines[size_t(i)], &b = lines[size_t(j)];
            if (std::abs(a.d.dot(b.d)) < cosTol)
                continue;
            const cv::Point2f mb = b.at(0.5f * (b.lo + b.hi));
            const float gap = std::abs(a.offset(mb));
            if (gap < kMinShort || gap > maxGap)
                continue;
            float blo = a.along(b.at(b.lo)), bhi = a.along(b.at(b.hi));
            if (blo > bhi)
                std::swap(blo, bhi);
            const float overlap = std::min(a.hi, bhi) - std::max(a.lo, blo);
            const float longest = std::max(a.length(), b.length());
            // Sides of one card overlap when seen across, and no side is longer than the
            // card's long side at this width.
            if (overlap < 0.4f * std::min(a.length(), b.length()) ||
                longest > gap * float(CardFinder::kAspect) * 1.2f)
                continue;
            pairs.push_back({i, j, gap, std::min(a.lo, blo), std::max(a.hi, bhi)});
        }
    std::sort(pairs.begin(), pairs.end(), [&](const Pair& x, const Pair& y) {
        return lines[size_t(x.a)].length() + lines[size_t(x.b)].length() >
               lines[size_t(y.a)].length() + lines[size_t(y.b)].length();
    });
    if (pairs.size() > kMaxPairs)
        pairs.resize(kMaxPairs);
    return pairs;
}

// The outline two facing lines make with the card's known proportions: the other two sides
// stand across them, length apart, starting at `start` along the first line.
void complete(const Segment& a, const Segment& b, float start, float length,
              std::vector<Quad>& out) {
    const cv::Point2f n(-a.d.y, a.d.x);
    Segment across0, across1;
    across0.p = a.at(start);
    across0.d = n;
    across1.p = a.at(start + length);
    across1.d = n;
    cv::Point2f c[4];
    c[0] = across0.p;
    c[1] = across1.p;
    if (!crossing(b, across1, c[2]) || !crossing(b, across0, c[3]))
        return;
    const Quad q = Quad::ordered({c[0], c[1], c[2], c[3]});
    if (q.isConvex(kMinShort * kMinShort))
        out.push_back(q);
}

// Whether outer lies round inner with room to spare: a picture or a block of print on a card
// takes well under two thirds of it.
bool encloses(const Quad& outer, const Quad& inner) {
    if (outer.area() < 1.5 * inner.area())
        return false;
    const std::vector<cv::Point> poly = outer.polygon();
    return std::all_of(inner.begin(), inner.end(), [&](const cv::Point2f& p) {
        return cv::pointPolygonTest(poly, p, true) > -2;
    });
}

}  // namespace

CardFinder::CardFinder(const cv::Mat& small, const cv::Mat& dx, const cv::Mat& dy,
                       const cv::Mat& mag)
    : m_small(small), m_dx(dx), m_dy(dy), m_mag(mag) {
    // Most of a desk photo is the desk: its median gradient is the grain and the noise. Counted
    // in a histogram; a median beyond its top would give the highest level all the same.
    constexpr int kTop = 1023;
    int hist[kTop + 1] = {0};
    long total = 0;
    for (int y = 0; y < mag.rows; y += 3) {
        const ushort* m = mag.ptr<ushort>(y);
        for (int x = 0; x < mag.cols; x += 3, ++total)
            ++hist[std::min(int(m[x]), kTop)];
    }
    if (total == 0)
        return;
    int median = 0;
    for (long seen = hist[0]; seen <= total / 2; seen += hist[++median]) {
    }
    m_level = std::clamp(3.0 * median, 24.0, 70.0);
}

void CardFinder::prepare(const CannyEdges& canny) {
    if (m_level <= 0)
        return;
    m_edges = canny.edges(edgeFloor(), m_level);
    directionBands(m_edges, m_dx, m_dy, m_byWay);
}

void CardFinder::search(int direction) {
    if (m_level <= 0)
        return;  // an empty picture: prepare() made no edge maps
    const int k = direction;
    HoughSegments::find(m_byWay[k], 10, kMinShort * 0.6, 2, m_found[k]);
    for (auto& piece : m_found[k])
        piece = grownAlong(piece, m_byWay[k]);
}

void CardFinder::findPatches() {
    const double frameArea = double(m_small.cols) * m_small.rows;
    PlainPatches::collect(m_small, m_mag, m_level, 0.01 * frameArea, 0.35 * frameArea, m_patches);
}

void CardFinder::collect(std::vector<Quad>& out) const {
    if (m_level <= 0)
        return;
    std::vector<cv::Vec4i> raw;
    for (const auto& some : m_found)
        raw.insert(raw.end(), some.begin(), some.end());
    const std::vector<Segment> lines = straightEdges(raw, m_edges);
    const visioncore::DebugDump dump("card_lines");
    if (dump.enabled()) {
        cv::Mat vis;
        cv::cvtColor(m_edges, vis, cv::COLOR_GRAY2RGB);
        vis /= 3;
        for (const auto& l : lines)
            cv::line(vis, l.at(l.lo), l.at(l.hi), cv::Scalar(255, 60, 60), 1);
        dump.write("edges_and_lines", vis);
    }
    out.insert(out.end(), m_patches.begin(), m_patches.end());
    const double maxGap = 0.75 * std::min(m_small.cols, m_small.rows);
    const std::vector<Pair> pairs = facingPairs(lines, maxGap);
    const float cosPerp = float(std::cos(70 * CV_PI / 180));
    for (size_t m = 0; m < pairs.size(); ++m) {
        const Pair& p = pairs[m];
        const Segment &a = lines[size_t(p.a)], &b = lines[size_t(p.b)];
        // Both other sides found as lines as well.
        for (size_t k = m + 1; k < pairs.size(); ++k) {
            const Pair& o = pairs[k];
            const Segment &c = lines[size_t(o.a)], &e = lines[size_t(o.b)];
            if (std::abs(a.d.dot(c.d)) > cosPerp)
                continue;
            const float ratio = std::max(p.gap, o.gap) / std::min(p.gap, o.gap);
            if (ratio < 1.25f || ratio > 2.0f)
                continue;
            cv::Point2f x[4];
            if (!crossing(a, c, x[0]) || !crossing(c, b, x[1]) || !crossing(b, e, x[2]) ||
                !crossing(e, a, x[3]))
                continue;
            const Quad q = Quad::ordered({x[0], x[1], x[2], x[3]});
            if (q.isConvex(kMinShort * kMinShort))
                out.push_back(q);
        }
        // Only this pair: the card's proportions place the other sides, at either end of what
        // was seen or about its middle.
        for (const float length : {p.gap * float(kAspect), p.gap / float(kAspect)}) {
            const float seen = p.hi - p.lo;
            if (length < kMinShort || seen > length * 1.15f)
                continue;
            complete(a, b, p.lo, length, out);
            complete(a, b, p.hi - length, length, out);
            complete(a, b, 0.5f * (p.lo + p.hi - length), length, out);
        }
    }
}

double CardFinder::sideSupport(cv::Point2f a, cv::Point2f b, SideTally& tally) const {
    const cv::Rect frame(0, 0, m_mag.cols, m_mag.rows);
    const float len = float(cv::norm(b - a));
    const cv::Point2f d = (b - a) * (1 / len);
    const cv::Point2f n(-d.y, d.x);  // inwards for a clockwise outline
    const int N = 24;
    int supported = 0, samples = 0;
    for (int k = 0; k < N; ++k) {
        // The rounded corners take the ends of each side.
        const cv::Point2f p = a + (b - a) * (0.1f + 0.8f * (k + 0.5f) / N);
        const cv::Point in(cvRound(p.x + 3 * n.x), cvRound(p.y + 3 * n.y));
        const cv::Point out(cvRound(p.x - 3 * n.x), cvRound(p.y - 3 * n.y));
        if (!frame.contains(in) || !frame.contains(out))
            continue;
        ++samples;
        // Only an edge running along the side counts, not one crossing it.
        auto alongSide = [&](int reach, auto isEdge) {
            for (int t = -reach; t <= reach; ++t) {
                const cv::Point r(cvRound(p.x + n.x * t), cvRound(p.y + n.y * t));
                if (!frame.contains(r) || !isEdge(r))
                    continue;
                if (SideFitter::runsAlong(m_dx.at<short>(r), m_dy.at<short>(r), n))
                    return true;
            }
            return false;
        };
        const bool hit = alongSide(2, [&](cv::Point r) { return m_mag.at<ushort>(r) >= m_level; });
        // Edges on both sides of it as well: the side lies in a texture (fur, grain, print),
        // which runs along any line drawn through it.
        auto busy = [&](float sign) {
            for (int t = 4; t <= 6; ++t) {
                const cv::Point r(cvRound(p.x + sign * n.x * t), cvRound(p.y + sign * n.y * t));
                if (frame.contains(r) && m_mag.at<ushort>(r) >= m_level)
                    return true;
            }
            return false;
        };
        supported += hit;
        tally.busy += hit && busy(1) && busy(-1);
        // Within a pixel: a fitted side lies on its edge, while one drawn past a rounded object
        // or a soft shadow meets its thin ridge only about where it touches it.
        tally.ridge += alongSide(1, [&](cv::Point r) { return m_edges.at<uchar>(r) != 0; });
        const cv::Vec3b ci = m_small.at<cv::Vec3b>(in), co = m_small.at<cv::Vec3b>(out);
        tally.contrast +=
            std::abs(ci[0] - co[0]) + std::abs(ci[1] - co[1]) + std::abs(ci[2] - co[2]);
        ++tally.samples;
    }
    return samples < N / 2 ? -1.0 : double(supported) / samples;
}

// Whether a corner of q lies beyond the frame or so close to it that the frame's edge may hide
// the card's rim there.
bool CardFinder::cornerCut(const Quad& q) const {
    return std::any_of(q.begin(), q.end(), [&](const cv::Point2f& c) {
        return c.x < 3 || c.y < 3 || c.x > m_small.cols - 4 || c.y > m_small.rows - 4;
    });
}

// Whether the edge under a side goes on past its corner (the side is a piece of a longer line of
// the desk), unless edges crowd both sides of it there as well (grain, which says nothing).
bool CardFinder::runsOn(cv::Point2f corner, cv::Point2f dir, double len) const {
    const cv::Point2f n(-dir.y, dir.x);
    const cv::Rect inner(1, 1, m_mag.cols - 2, m_mag.rows - 2);
    int on = 0, n0 = 0, beside = 0;
    for (int k = 0; k < 8; ++k) {
        const cv::Point2f p = corner + dir * float(len * (0.06 + 0.015 * k));
        const cv::Point r(cvRound(p.x), cvRound(p.y));
        const cv::Point r1(cvRound(p.x + 4 * n.x), cvRound(p.y + 4 * n.y));
        const cv::Point r2(cvRound(p.x - 4 * n.x), cvRound(p.y - 4 * n.y));
        if (!inner.contains(r) || !inner.contains(r1) || !inner.contains(r2))
            continue;
        ++n0;
        // Only an edge running the side's way continues it: the stripes of a desk met at a
        // slant are strong edges too, but they cross the line.
        bool along = false;
        for (int dy = -1; dy <= 1 && !along; ++dy)
            for (int dx = -1; dx <= 1 && !along; ++dx) {
                const int y = r.y + dy, x = r.x + dx;
                if (m_mag.at<ushort>(y, x) < m_level)
                    continue;
                const float gx = m_dx.at<short>(y, x), gy = m_dy.at<short>(y, x);
                const float across = gx * n.x + gy * n.y;
                along = across * across >= 0.93f * (gx * gx + gy * gy);
            }
        on += along;
        beside += m_mag.at<ushort>(r1) >= m_level && m_mag.at<ushort>(r2) >= m_level;
    }
    return n0 >= 4 && on >= n0 * 7 / 8 && beside <= n0 / 3;
}

// How many of the eight ends of q's sides run on past their corners.
int CardFinder::runningOn(const Quad& q) const {
    int n = 0;
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f a = q[i], b = q[(i + 1) % 4];
        const double len = cv::norm(b - a);
        const cv::Point2f d = (b - a) * float(1 / len);
        n += runsOn(b, d, len) + runsOn(a, -d, len);
    }
    return n;
}

// A card's portrait, its title band or the print beside the portrait are framed by straight
// edges of their own and, with the card's sides grown whole, can outscore a card whose outline is
// weakened by the frame's edge or a shadow. A card holds its parts, not the other way round: an
// outline that passed and lies round the best one goes first, unless more of its sides run on
// past its corners than the best one's do. Then it is the desk's stripes or a cable closed round
// a card, while a band or a field cut off a card shares the card's sides, which run on.
void CardFinder::preferWhole(std::vector<std::pair<Quad, double>>& passed) const {
    for (size_t step = 0; step < passed.size(); ++step) {
        auto best =
            std::max_element(passed.begin(), passed.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        const int bestRunning = runningOn(best->first);
        auto whole = passed.end();
        for (auto it = passed.begin(); it != passed.end(); ++it)
            if (encloses(it->first, best->first) && runningOn(it->first) <= bestRunning &&
                (whole == passed.end() || it->second > whole->second))
                whole = it;
        if (whole == passed.end())
            return;
        whole->second = best->second * 1.01;
    }
}

// The long side over the short one when q has about a card's shape and size seen from above,
// else 0. slack > 1 widens every tolerance, for outlines still to be fitted to the edges.
double CardFinder::proportions(const Quad& q, double slack) const {
    if (m_level <= 0 || !q.isConvex())
        return 0;
    double len[4];
    for (int i = 0; i < 4; ++i) {
        len[i] = cv::norm(q[size_t((i + 1) % 4)] - q[size_t(i)]);
        if (len[i] < kMinShort * 0.8 / slack)
            return 0;
    }
    // A card lies in the picture, or the frame's edge cuts a corner off it at most; an outline
    // running far into the frame's edge is the desk's pattern cut off by it.
    const float beyond = 0.1f * float(*std::min_element(len, len + 4));
    for (const auto& c : q)
        if (c.x < -beyond || c.y < -beyond || c.x > m_small.cols - 1 + beyond ||
            c.y > m_small.rows - 1 + beyond)
            return 0;
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f u = q[size_t((i + 3) % 4)] - q[size_t(i)],
                          v = q[size_t((i + 1) % 4)] - q[size_t(i)];
        if (std::abs(u.dot(v)) > 0.22 * slack * len[i] * len[(i + 3) % 4])
            return 0;
    }
    // Opposite sides of a card seen from above differ only by a little perspective.
    const double skew = 1.3 * slack;
    if (std::max(len[0], len[2]) > skew * std::min(len[0], len[2]) ||
        std::max(len[1], len[3]) > skew * std::min(len[1], len[3]))
        return 0;
    const double w = (len[0] + len[2]) / 2, h = (len[1] + len[3]) / 2;
    const double ratio = std::max(w, h) / std::min(w, h);
    if (ratio < 1.3 / slack || ratio > 1.95 * slack)
        return 0;
    const double area = q.area();
    const double frameArea = double(m_small.cols) * m_small.rows;
    if (area < 0.01 * frameArea / slack || area > 0.35 * frameArea * slack)
        return 0;
    return ratio;
}

// The best outlines, one after the other, until one is no tile of the desk; the rest of each
// tile's outlines go with it.
void CardFinder::dropTiles(std::vector<std::pair<Quad, double>>& passed) const {
    std::sort(passed.begin(), passed.end(),
              [](const auto& x, const auto& y) { return x.second > y.second; });
    std::vector<Quad> tiles;
    while (!passed.empty()) {
        // A floor of many tiles: what scores below two dozen of them is no card that can be
        // told from them.
        if (tiles.size() >= 24) {
            passed.clear();
            break;
        }
        const Quad& q = passed.front().first;
        const cv::Point2f centre = (q[0] + q[1] + q[2] + q[3]) * 0.25f;
        const bool known = std::any_of(tiles.begin(), tiles.end(), [&](const Quad& t) {
            return cv::pointPolygonTest(t.polygon(), centre, false) >= 0;
        });
        if (!known && !DeskPattern::repeats(m_small, q))
            break;
        if (!known)
            tiles.push_back(q);
        passed.erase(passed.begin());
    }
}

// The outline of q moved onto the straight edges beside it, judged as fitted; 0 when it does
// not pass.
double CardFinder::fittedScore(const SideFitter& fitter, const Quad& q, Quad& fitted) const {
    if (proportions(q, 1.25) <= 0)
        return 0;
    double shortest = 1e9;
    for (int i = 0; i < 4; ++i)
        shortest = std::min(shortest, cv::norm(q[size_t((i + 1) % 4)] - q[size_t(i)]));
    // Far enough for those outlines, not so far that a side jumps to a line of the desk.
    const int reach = std::clamp(int(std::lround(0.08 * shortest)), 2, 6);
    if (!fitter.fit(q, reach, fitted))
        return 0;
    fitted = fitted.reordered();
    return score(fitted, true);
}

std::vector<std::pair<Quad, double>> CardFinder::judged(const std::vector<Quad>& quads) const {
    std::vector<std::pair<Quad, double>> passed;
    for (const auto& q : quads)
        if (const double s = score(q); s > 0)
            passed.emplace_back(q, s);
    dropTiles(passed);
    // The sides of an outline from a region's hull, from the card's proportions or from a
    // contour broken by a coin or a glare spot lie a few pixels off the card's edges. Fitted
    // onto them, it is judged again. The print inside a card has straight edges as well, which a
    // fitted side can take: where an outline passed as found, only outlines round it are fitted,
    // for it may be a picture or a framed block on the card, whose own rim a cable, a coin or
    // glare broke.
    const SideFitter fitter(m_dx, m_dy, m_mag, m_level);
    const bool found = !passed.empty();
    const Quad inner =
        found ? std::max_element(passed.begin(), passed.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; })
                    ->first
              : Quad();
    std::vector<std::pair<Quad, double>> more;
    for (const auto& q : quads) {
        if (found && !encloses(q, inner))
            continue;
        Quad fitted;
        if (const double s = fittedScore(fitter, q, fitted); s > 0)
            if (!found || encloses(fitted, inner))
                more.emplace_back(fitted, s);
    }
    dropTiles(more);
    passed.insert(passed.end(), more.begin(), more.end());
    preferWhole(passed);
    return passed;
}

double CardFinder::score(const Quad& q, bool fitted) const {
    const double ratio = proportions(q, 1.0);
    if (ratio <= 0)
        return 0;
    const double area = q.area();

    SideTally tally;
    double support = 0, weakest = 1;
    int measured = 0;
    for (int i = 0; i < 4; ++i) {
        const double s = sideSupport(q[size_t(i)], q[size_t((i + 1) % 4)], tally);
        if (s < 0)  // beyond the frame: a card is not cut by it, but its corner may touch it
            continue;
        ++measured;
        support += s;
        weakest = std::min(weakest, s);
    }
    // With a corner cut off, all four sides must show: the frame's edge closes any stretch of
    // the desk's pattern, so it stands for no side of a card.
    if (measured < (cornerCut(q) ? 4 : 3) || tally.samples == 0)
        return 0;
    support /= measured;
    const double contrast = tally.contrast / tally.samples;
    const double texture = double(tally.busy) / tally.samples;
    if (support < 0.8 || weakest < 0.35 || contrast < 15 || texture > 0.6)
        return 0;
    // A side must be a sharp step along most of it, not the broad slope round a blurred ball, a
    // glare spot or a shadow, which a straight line can follow only where it touches it. Fitted
    // cards keep three quarters of their samples on the ridge, the sides drawn past a ball less
    // than half. An outline found a pixel or two off the card's edges fails here as it was, and
    // passes once judged() has moved it onto them.
    if (tally.ridge < 0.6 * tally.samples)
        return 0;
    const int continuing = runningOn(q);
    if (continuing >= 4)
        return 0;
    const double shape = std::exp(-std::pow((ratio / kAspect - 1) / 0.1, 2));
    const double worth = shape * support * support * std::min(1.0, contrast / 45) * (1 - texture) *
                         std::pow(0.7, continuing);
    if (fitted && worth < 0.12)
        return 0;
    return worth * std::sqrt(area);
}

}  // namespace imageproc
