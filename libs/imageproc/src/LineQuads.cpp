#include "LineQuads.h"

#include "EdgeCrowding.h"
#include "HoughSegments.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

constexpr int kMaxLines = 18;
constexpr size_t kMaxQuads = 80;

struct Line {
    cv::Point2f p, d;      // a point on the line and its unit direction
    double length = 0;     // edge pixels found along it
    float lo = 0, hi = 0;  // extent of those pixels along d, from p
    bool border = false;

    float along(cv::Point2f q) const { return (q - p).dot(d); }
    float distance(cv::Point2f q) const {
        const cv::Point2f v = q - p;
        return std::abs(v.x * d.y - v.y * d.x);
    }
};

double angleBetween(const Line& a, const Line& b) {
    return std::acos(std::min(1.0f, std::abs(a.d.dot(b.d))));
}

bool intersect(const Line& a, const Line& b, cv::Point2f& x) {
    const float den = a.d.x * b.d.y - a.d.y * b.d.x;
    if (std::abs(den) < 1e-4f)
        return false;
    const cv::Point2f w = b.p - a.p;
    const float t = (w.x * b.d.y - w.y * b.d.x) / den;
    x = a.p + a.d * t;
    return true;
}

// Lines of text, wood grain and woven cloth come in crowds, with edges running beside them on both
// sides; a sheet's edge has its plain margin on one side. Crowded lines would fill the few places
// kept for long lines and push out a page's faint side.
bool crowded(const Line& l, const cv::Mat& edges) {
    const int N = 16;
    return pointsAmidEdges(l.p, l.d, l.lo, l.hi, N, 8, edges) > N * 4 / 10;
}

// A line turned a few degrees off the pixel grid is a staircase, whose treads Hough's pieces often
// follow: merged, they keep the axis' turn and miss the line's ends by several pixels. Fitted to
// the edge pixels along it (twice: the first fit already reaches further along the true line),
// the line takes its own turn. Its ends keep their place along it.
void refit(Line& l, const cv::Mat& edges) {
    constexpr int kBand = 3;  // pixels either side of the line whose edges are fitted
    const cv::Rect frame(0, 0, edges.cols, edges.rows);
    for (int pass = 0; pass < 2; ++pass) {
        const cv::Point2f n(-l.d.y, l.d.x);
        std::vector<cv::Point2f> pts;
        for (float t = l.lo; t <= l.hi; t += 1.f)
            for (int o = -kBand; o <= kBand; ++o) {
                const cv::Point2f p = l.p + l.d * t + n * float(o);
                const cv::Point r(cvRound(p.x), cvRound(p.y));
                if (frame.contains(r) && edges.at<uchar>(r))
                    pts.emplace_back(float(r.x), float(r.y));
            }
        if (pts.size() < 8)
            return;
        cv::Vec4f f;
        cv::fitLine(pts, f, cv::DIST_HUBER, 0, 0.01, 0.01);
        cv::Point2f d(f[0], f[1]);
        if (d.dot(l.d) < 0)
            d = -d;
        if (std::acos(std::min(1.0f, d.dot(l.d))) > 8 * CV_PI / 180)
            return;
        const cv::Point2f p(f[2], f[3]);
        const cv::Point2f a = l.p + l.d * l.lo, b = l.p + l.d * l.hi;
        l.p = p;
        l.d = d;
        l.lo = (a - p).dot(d);
        l.hi = (b - p).dot(d);
    }
}

// Adds the piece to the line it lies on (within 3 pixels at both ends and 2.5 degrees of its turn),
// whose length and extent it adds to, or as a line of its own.
void mergeInto(std::vector<Line>& lines, const Line& piece) {
    const double maxAngle = 2.5 * CV_PI / 180;
    const cv::Point2f a = piece.p + piece.d * piece.lo, b = piece.p + piece.d * piece.hi;
    for (auto& l : lines) {
        if (angleBetween(l, piece) > maxAngle || l.distance(a) > 3 || l.distance(b) > 3)
            continue;
        l.length += piece.length;
        l.lo = std::min({l.lo, l.along(a), l.along(b)});
        l.hi = std::max({l.hi, l.along(a), l.along(b)});
        return;
    }
    lines.push_back(piece);
}

// Segments that lie on one line (a side broken by a gap) become one line with their summed
// length; the longest segment sets the line.
std::vector<Line> mergeSegments(const std::vector<cv::Vec4i>& segs, const cv::Mat& edges) {
    std::vector<Line> pieces;
    for (const auto& s : segs) {
        Line l;
        const cv::Point2f a = cv::Point2f(float(s[0]), float(s[1])),
                          b = cv::Point2f(float(s[2]), float(s[3]));
        l.length = cv::norm(b - a);
        if (l.length < 1)
            continue;
        l.p = a;
        l.d = (b - a) * float(1 / l.length);
        l.lo = 0;
        l.hi = float(l.length);
        pieces.push_back(l);
    }
    std::sort(pieces.begin(), pieces.end(),
              [](const Line& x, const Line& y) { return x.length > y.length; });
    std::vector<Line> lines;
    for (const auto& piece : pieces)
        mergeInto(lines, piece);
    // Refitted, the treads of one staircase and the pieces beside them become one line.
    // Only the longer lines can be a side; the rest are left as they are.
    std::sort(lines.begin(), lines.end(),
              [](const Line& x, const Line& y) { return x.length > y.length; });
    std::vector<Line> fitted;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i < size_t(3 * kMaxLines))
            refit(lines[i], edges);
        mergeInto(fitted, lines[i]);
    }
    lines.swap(fitted);
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const Line& l) { return crowded(l, edges); }),
                lines.end());
    std::sort(lines.begin(), lines.end(),
              [](const Line& x, const Line& y) { return x.length > y.length; });
    if (lines.size() > size_t(kMaxLines))
        lines.resize(kMaxLines);
    return lines;
}

// How much of the side between corners a and b the line's own edge pixels span (1 for a frame
// edge, which stands in for the part of a page beyond the picture, counts a little less, so
// that outlines of the frame itself do not crowd out the others).
double coverage(const Line& l, cv::Point2f a, cv::Point2f b) {
    if (l.border)
        return 0.75;
    float ta = l.along(a), tb = l.along(b);
    if (ta > tb)
        std::swap(ta, tb);
    const float overlap = std::min(tb, l.hi) - std::max(ta, l.lo);
    return std::max(0.0f, overlap) / std::max(1.0f, tb - ta);
}

struct Scored {
    Quad q;
    double weight;  // the sides' coverage, and the size: a page outranks the block of text on it
};

// Broken sides give several lines a pixel or two apart, and so many outlines that differ by no
// more; one of each keeps the places for outlines that differ.
bool nearlySame(const Quad& q, const std::vector<Quad>& kept) {
    for (const auto& k : kept) {
        bool same = true;
        for (size_t i = 0; i < 4 && same; ++i)
            same = std::abs(q[i].x - k[i].x) <= 2.5f && std::abs(q[i].y - k[i].y) <= 2.5f;
        if (same)
            return true;
    }
    return false;
}

}  // namespace

void LineQuads::collect(const cv::Mat& edges, double minSide, std::vector<Quad>& out) {
    std::vector<cv::Vec4i> segs;
    HoughSegments::find(edges, std::max(10, int(minSide * 0.3)), minSide * 0.3,
                        std::max(3.0, minSide * 0.08), segs);
    std::vector<Line> lines = mergeSegments(segs, edges);
    const float W = float(edges.cols - 1), H = float(edges.rows - 1);
    const cv::Point2f frame[4] = {{0, 0}, {W, 0}, {W, H}, {0, H}};
    for (int i = 0; i < 4; ++i) {
        Line l;
        l.p = frame[i];
        const cv::Point2f e = frame[(i + 1) % 4] - frame[i];
        l.d = e * float(1 / cv::norm(e));
        l.hi = float(cv::norm(e));
        l.border = true;
        lines.push_back(l);
    }
    // Opposite sides: two lines within 30 degrees of each other, far enough apart.
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < int(lines.size()); ++i)
        for (int j = i + 1; j < int(lines.size()); ++j) {
            const Line &a = lines[size_t(i)], &b = lines[size_t(j)];
            if ((a.border && b.border) || angleBetween(a, b) > 30 * CV_PI / 180)
                continue;
            const cv::Point2f mid = b.p + b.d * (0.5f * (b.lo + b.hi));
            if (a.distance(mid) >= minSide)
                pairs.emplace_back(i, j);
        }
    std::vector<Scored> found;
    for (size_t m = 0; m < pairs.size(); ++m)
        for (size_t n = m + 1; n < pairs.size(); ++n) {
            const int id[4] = {pairs[m].first, pairs[n].first, pairs[m].second, pairs[n].second};
            if (id[0] == id[1] || id[0] == id[3] || id[2] == id[1] || id[2] == id[3])
                continue;
            if (angleBetween(lines[size_t(id[0])], lines[size_t(id[1])]) < 50 * CV_PI / 180)
                continue;
            // Going round: side 0, side 1, side 2 (opposite 0), side 3 (opposite 1).
            std::array<cv::Point2f, 4> c;
            bool ok = true;
            for (int k = 0; k < 4 && ok; ++k) {
                ok = intersect(lines[size_t(id[k])], lines[size_t(id[(k + 1) % 4])], c[size_t(k)]);
                ok = ok && c[size_t(k)].x > -3 && c[size_t(k)].y > -3 && c[size_t(k)].x < W + 3 &&
                     c[size_t(k)].y < H + 3;
            }
            if (!ok)
                continue;
            double cover = 0;
            for (int k = 0; k < 4; ++k) {
                const double s =
                    coverage(lines[size_t(id[k])], c[size_t((k + 3) % 4)], c[size_t(k)]);
                if (s < 0.3 || cv::norm(c[size_t(k)] - c[size_t((k + 3) % 4)]) < minSide * 0.5)
                    ok = false;
                cover += s;
            }
            if (!ok)
                continue;
            const Quad q = Quad::ordered(c);
            if (q.isConvex(minSide * minSide))
                found.push_back({q.clamped(edges.cols, edges.rows), cover * std::sqrt(q.area())});
        }
    std::sort(found.begin(), found.end(),
              [](const Scored& a, const Scored& b) { return a.weight > b.weight; });
    std::vector<Quad> kept;
    for (size_t i = 0; i < found.size() && kept.size() < kMaxQuads; ++i)
        if (!nearlySame(found[i].q, kept))
            kept.push_back(found[i].q);
    out.insert(out.end(), kept.begin(), kept.end());
}

}  // namespace imageproc
