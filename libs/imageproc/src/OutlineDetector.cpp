#include "OutlineDetector.h"

#include "CannyEdges.h"
#include "CardFinder.h"
#include "ChannelRange.h"
#include "ColourGradient.h"
#include "ContourHull.h"
#include "CornerRefiner.h"
#include "CutPage.h"
#include "Downscaler.h"
#include "EnclosingPage.h"
#include "FaintPage.h"
#include "JobGraph.h"
#include "LineQuads.h"
#include "LevelImage.h"
#include "PageEvidence.h"
#include "PagePart.h"
#include "PaperRegion.h"
#include "PrintBlock.h"

#include "visioncore/DebugDump.h"

#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace imageproc {

using visioncore::DebugDump;

namespace {

struct Candidate {
    Quad q;
    double score = 0;
};

// Four-cornered approximations of the convex hull of a contour.
void quadsFromContour(const std::vector<cv::Point>& contour, double minArea, double maxArea,
                      cv::Size frame, std::vector<Quad>& out) {
    // Most contours are specks of texture or print: their box, which holds the hull, is already
    // too small, and that is far cheaper to see than the hull.
    const cv::Rect box = cv::boundingRect(contour);
    if (double(box.width) * box.height < minArea)
        return;
    std::vector<cv::Point> hull;
    ContourHull::of(contour, box, hull);
    const double area = cv::contourArea(hull);
    if (area < minArea || area > maxArea)
        return;
    const double perim = cv::arcLength(hull, true);
    for (double eps = 0.01; eps <= 0.1; eps += 0.01) {
        std::vector<cv::Point> poly;
        cv::approxPolyDP(hull, poly, eps * perim, true);
        if (poly.size() < 4)
            break;
        if (poly.size() == 4) {
            out.push_back(Quad::ordered({cv::Point2f(poly[0]), cv::Point2f(poly[1]),
                                         cv::Point2f(poly[2]), cv::Point2f(poly[3])}));
            return;
        }
        if (poly.size() == 5 && eps >= 0.02) {
            // A page whose corner is cut off by the frame edge: the short side along the edge
            // goes, and the two sides next to it meet where the corner really is.
            for (int i = 0; i < 5; ++i) {
                const cv::Point2f a(poly[size_t(i)]), b(poly[size_t((i + 1) % 5)]);
                if (!PageEvidence::alongFrame(a, b, frame))
                    continue;
                const cv::Point2f p0(poly[size_t((i + 4) % 5)]), p1(poly[size_t((i + 2) % 5)]);
                const cv::Vec3f l0 = cv::Vec3f(p0.x, p0.y, 1).cross(cv::Vec3f(a.x, a.y, 1));
                const cv::Vec3f l1 = cv::Vec3f(b.x, b.y, 1).cross(cv::Vec3f(p1.x, p1.y, 1));
                const cv::Vec3f x = l0.cross(l1);
                if (std::abs(x[2]) < 1e-6)
                    continue;
                const cv::Point2f corner(x[0] / x[2], x[1] / x[2]);
                if (cv::norm(corner - (a + b) * 0.5f) > 0.25 * perim)
                    continue;
                out.push_back(
                    Quad::ordered({p0, corner, p1, cv::Point2f(poly[size_t((i + 3) % 5)])}));
            }
        }
    }
}

// The sensitivity for faint edges: well above what the picture's noise and grain give (most
// of a desk photo is plain surface, so the median gradient is that level), and never more
// sensitive than a clear step of a few grey levels.
double sensitiveThreshold(const cv::Mat& mag) {
    int hist[1024] = {0};
    for (int y = 0; y < mag.rows; y += 2) {
        const ushort* m = mag.ptr<ushort>(y);
        for (int x = 0; x < mag.cols; x += 2)
            ++hist[std::min(1023, int(m[x]))];
    }
    const long total = long((mag.rows + 1) / 2) * ((mag.cols + 1) / 2);
    long seen = 0;
    int median = 0;
    while (median < 1023 && (seen += hist[median]) < total / 2)
        ++median;
    return std::clamp(4.0 * median, 20.0, 60.0);
}

// The tint (colour less its grey) typical of the samples: print or a speck does not move it.
cv::Vec3f medianTint(const std::vector<cv::Vec3b>& samples) {
    std::vector<float> ch[3];
    for (const auto& c : samples) {
        const float grey = (float(c[0]) + c[1] + c[2]) / 3;
        for (int k = 0; k < 3; ++k)
            ch[k].push_back(c[k] - grey);
    }
    cv::Vec3f m;
    for (int k = 0; k < 3; ++k) {
        auto mid = ch[k].begin() + long(ch[k].size() / 2);
        std::nth_element(ch[k].begin(), mid, ch[k].end());
        m[k] = *mid;
    }
    return m;
}

// How many sides have the desk's tint just inside them rather than the paper's: unlike the
// tint inside the other sides and far more like that just beyond the side itself (a stripe of the
// desk beside the page's rim). Sides along the frame, with no samples, are not judged. Light tints
// all sides alike, a shadow darkens one but keeps its tint, and a picture printed up to the page's
// rim differs from the desk beyond it.
int deskInsideSides(const std::vector<cv::Vec3b> (&inside)[4],
                    const std::vector<cv::Vec3b> (&outside)[4]) {
    constexpr double kUnlike = 15;
    cv::Vec3f in[4], out[4];
    int n = 0;
    for (int i = 0; i < 4; ++i)
        if (inside[i].size() >= 8) {
            in[n] = medianTint(inside[i]);
            out[n++] = medianTint(outside[i]);
        }
    if (n < 3)
        return 0;
    int odd = 0;
    for (int a = 0; a < n; ++a) {
        int unlike = 0;
        cv::Vec3f others;
        for (int b = 0; b < n; ++b)
            if (b != a) {
                unlike += cv::norm(in[a] - in[b]) > kUnlike;
                others += in[b] * (1.f / float(n - 1));
            }
        odd += unlike == n - 1 && cv::norm(in[a] - out[a]) < 0.5 * cv::norm(in[a] - others);
    }
    // Sides all unlike each other leave nothing to compare with.
    return odd == n ? 0 : odd;
}

double scoreQuad(const Quad& q, const cv::Mat& mag, const cv::Mat& small,
                 OutlineDetector::Kind kind, double edgeThreshold) {
    if (!q.isConvex())
        return 0;
    const cv::Size size = mag.size();
    double len[4];
    for (int i = 0; i < 4; ++i)
        len[i] = cv::norm(q[size_t((i + 1) % 4)] - q[size_t(i)]);
    for (int i = 0; i < 4; ++i) {
        // Interior angles far from 90 degrees are not a rectangle seen from above.
        const cv::Point2f a = q[size_t((i + 3) % 4)] - q[size_t(i)],
                          b = q[size_t((i + 1) % 4)] - q[size_t(i)];
        const double c = (a.x * b.x + a.y * b.y) / (cv::norm(a) * cv::norm(b) + 1e-9);
        if (std::abs(c) > 0.6)
            return 0;
        if (len[i] < 8)
            return 0;
    }
    const double wSide = (len[0] + len[2]) / 2, hSide = (len[1] + len[3]) / 2;
    const double ratio = std::max(wSide, hSide) / std::min(wSide, hSide);
    if (kind == OutlineDetector::Card && (ratio < 1.25 || ratio > 2.1))
        return 0;
    if (kind == OutlineDetector::Document && ratio > 3.5)
        return 0;

    int supported = 0, samples = 0, borderSides = 0;
    bool onBorder[4] = {false, false, false, false};
    double contrast = 0;
    int contrastSamples = 0;
    std::vector<cv::Vec3b> rim, inside[4], outside[4];
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[size_t(i)], b = q[size_t((i + 1) % 4)];
        if (PageEvidence::alongFrame(a, b, size)) {
            ++borderSides;
            onBorder[i] = true;
            continue;
        }
        const cv::Point2f d = (b - a) * (1.0f / float(len[i]));
        const cv::Point2f n(-d.y, d.x);  // points inside for a clockwise outline
        const int N = 40;
        for (int k = 0; k < N; ++k) {
            const cv::Point2f p = a + (b - a) * (0.08f + 0.84f * (k + 0.5f) / N);
            if (p.x < 1 || p.y < 1 || p.x > size.width - 2 || p.y > size.height - 2)
                continue;
            ++samples;
            int best = 0;
            for (int t = -2; t <= 2; ++t) {
                const cv::Point r(cvRound(p.x + n.x * t), cvRound(p.y + n.y * t));
                if (r.x < 0 || r.y < 0 || r.x >= size.width || r.y >= size.height)
                    continue;
                best = std::max(best, int(mag.at<ushort>(r)));
            }
            if (best >= edgeThreshold)
                ++supported;
            const cv::Point in(cvRound(p.x + n.x * 4), cvRound(p.y + n.y * 4));
            const cv::Point out(cvRound(p.x - n.x * 4), cvRound(p.y - n.y * 4));
            if (in.inside(cv::Rect(cv::Point(0, 0), size)) &&
                out.inside(cv::Rect(cv::Point(0, 0), size))) {
                const cv::Vec3b ci = small.at<cv::Vec3b>(in), co = small.at<cv::Vec3b>(out);
                rim.push_back(ci);
                inside[i].push_back(ci);
                outside[i].push_back(co);
                contrast +=
                    std::abs(ci[0] - co[0]) + std::abs(ci[1] - co[1]) + std::abs(ci[2] - co[2]);
                ++contrastSamples;
            }
        }
    }
    // A sheet slightly cut by the frame loses a side or a corner; one cut at two opposite sides
    // is far more likely two lines of the desk's pattern between the frame edges.
    if (borderSides > 2 || samples < 40 || (onBorder[0] && onBorder[2]) ||
        (onBorder[1] && onBorder[3]))
        return 0;
    // An outline hugging all four frame corners is the frame seen through a textured desk
    // (a closed grid of tablecloth lines), not an object laid on it.
    const cv::Point2f frameCorners[4] = {{0, 0},
                                         {float(size.width), 0},
                                         {float(size.width), float(size.height)},
                                         {0, float(size.height)}};
    int hugging = 0;
    for (int i = 0; i < 4; ++i)
        if (cv::norm(q[size_t(i)] - frameCorners[i]) < 0.08 * size.width)
            ++hugging;
    if (hugging == 4)
        return 0;
    // The edges of a sheet end at its corners; the lines of a tablecloth or a grid of tiles run on
    // beyond them. Count side ends whose line continues past the corner.
    int continuing = 0, runThrough = 0;
    for (int i = 0; i < 4; ++i) {
        const int before = continuing;
        const cv::Point2f a = q[size_t(i)], b = q[size_t((i + 1) % 4)];
        const cv::Point2f d = (b - a) * (1.0f / float(len[i]));
        const cv::Point2f nrm(-d.y, d.x);
        for (const auto& end : {std::make_pair(b, d), std::make_pair(a, -d)}) {
            int on = 0, n = 0, beside = 0;
            for (int k = 0; k < 10; ++k) {
                const cv::Point2f p = end.first + end.second * float(len[i] * (0.025 + 0.012 * k));
                const cv::Point r(cvRound(p.x), cvRound(p.y));
                const cv::Point r1(cvRound(p.x + 5 * nrm.x), cvRound(p.y + 5 * nrm.y));
                const cv::Point r2(cvRound(p.x - 5 * nrm.x), cvRound(p.y - 5 * nrm.y));
                const cv::Rect inner(1, 1, size.width - 2, size.height - 2);
                if (!inner.contains(r) || !inner.contains(r1) || !inner.contains(r2))
                    continue;
                ++n;
                int best = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        best = std::max(best, int(mag.at<ushort>(r.y + dy, r.x + dx)));
                on += best >= edgeThreshold;
                beside +=
                    mag.at<ushort>(r1) >= edgeThreshold && mag.at<ushort>(r2) >= edgeThreshold;
            }
            // Near the frame edge only a few samples fit; then all of them must be on the line.
            // Edges on both sides of the line as well are a dense texture (wood grain), which
            // says nothing about where the object ends.
            const bool line = (n >= 6 && on >= n * 8 / 10) || (n >= 2 && on == n);
            if (line && beside <= n / 3)
                ++continuing;
        }
        runThrough += continuing - before == 2;
    }
    if (continuing >= 4)
        return 0;
    const double support = double(supported) / samples;
    if (support < (kind == OutlineDetector::Card ? 0.7 : 0.75))
        return 0;
    if (contrastSamples == 0 || contrast / contrastSamples < 12)
        return 0;

    // Pages have plain margins and cards a printed but even rim: just inside the outline the
    // colour changes only slowly along each side (light and shadow change it, print does not).
    if (rim.size() < 9)
        return 0;
    int plain = 0;
    for (size_t k = 1; k < rim.size(); ++k) {
        const cv::Vec3b &p = rim[k - 1], &c = rim[k];
        if (std::abs(p[0] - c[0]) + std::abs(p[1] - c[1]) + std::abs(p[2] - c[2]) < 40)
            ++plain;
    }
    const double plainShare = double(plain) / (rim.size() - 1);
    if (plainShare < (kind == OutlineDetector::Card ? 0.5 : 0.7))
        return 0;
    const double area = q.area();
    // A card's proportions are known: a candidate that misses its coloured title band is longer.
    const double shape =
        kind == OutlineDetector::Card ? std::exp(-std::pow((ratio / 1.586 - 1) / 0.08, 2)) : 1.0;
    // A page's side whose line runs on past both its corners is rarely the page's: more likely
    // a line of the desk (a stripe, a seam) just beside its rim.
    const double through = kind == OutlineDetector::Document ? std::pow(0.92, runThrough) : 1.0;
    // A page is one paper just inside all its sides; a side on a stripe of the desk beside its rim
    // has the desk's colour there instead.
    const double onePaper =
        kind == OutlineDetector::Document ? std::pow(0.75, deskInsideSides(inside, outside)) : 1.0;
    return shape * support * support * std::sqrt(area) * (0.5 + 0.5 * plainShare) *
           std::pow(0.8, borderSides) * through * onePaper;
}

// The views and their parts do not depend on each other: where OpenCV's threads have a core to
// spare they run side by side, else one after the other. Each job writes only its own results,
// which are joined in a fixed order afterwards, so the outcome is the same either way.
void sideBySide(const std::vector<std::function<void()>>& jobs) {
    cv::parallel_for_(
        cv::Range(0, int(jobs.size())),
        [&](const cv::Range& r) {
            for (int i = r.start; i < r.end; ++i)
                jobs[size_t(i)]();
        },
        double(jobs.size()));
}

struct Views {
    cv::Mat small, dx, dy, mag;
    cv::Mat thin;  // the low sensitivity's edges, not thickened
    double minArea = 0, maxArea = 0;
    OutlineDetector::Kind kind = OutlineDetector::Document;
};

// Edges thickened by a pixel, so that a rim broken by a pixel or two still closes.
cv::Mat thickened(const cv::Mat& edges) {
    cv::Mat thick;
    cv::dilate(edges, thick, cv::Mat());
    return thick;
}

// View 1: closed colour edges at one sensitivity (low: the lower of the two), thickened.
void edgeQuads(const Views& v, const cv::Mat& edges, bool low, const DebugDump& dump,
               std::vector<Quad>& quads) {
    if (dump.enabled())
        dump.write(low ? "2_edges_low" : "2_edges_high", edges);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(edges, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    for (const auto& c : contours)
        quadsFromContour(c, v.minArea, v.maxArea, v.small.size(), quads);
    // View 1b: what the edges enclose, filled, then opened, so that lines running into
    // the outline from outside (a desk seam, a cable, wood grain) fall away.
    cv::Mat filled = edges.clone();
    cv::rectangle(filled, cv::Rect(0, 0, filled.cols, filled.rows), cv::Scalar(0), 1);
    cv::floodFill(filled, cv::Point(0, 0), cv::Scalar(128));
    cv::Mat enclosed = filled != 128;
    cv::morphologyEx(enclosed, enclosed, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(7, 7)));
    if (dump.enabled())
        dump.write(low ? "2_enclosed_low" : "2_enclosed_high", enclosed);
    contours.clear();
    cv::findContours(enclosed, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    for (const auto& c : contours)
        quadsFromContour(c, v.minArea, v.maxArea, v.small.size(), quads);
}

// View 1c: a page cut by the frame's edge has no closed outline of its own; the frame's edge
// closes it. The regions so closed are mostly the desk's, which the outline's rim tells apart.
// edges: thickened, as for view 1. Thickened once more here: the desk's texture, which the frame
// closes into regions too, then makes fewer of them to look at, and a sheet's rim, far from its
// print, is not moved by it.
void framedQuads(const Views& v, const cv::Mat& edges, std::vector<Quad>& quads) {
    cv::Mat closed;
    cv::dilate(edges, closed, cv::Mat());
    cv::rectangle(closed, cv::Rect(0, 0, closed.cols, closed.rows), cv::Scalar(255), 1);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(closed, contours, cv::RETR_LIST, cv::CHAIN_APPROX_NONE);
    const cv::Rect inner(2, 2, closed.cols - 4, closed.rows - 4);
    std::vector<Quad> found;
    for (const auto& c : contours) {
        const cv::Rect box = cv::boundingRect(c);
        if ((box & inner) == box)
            continue;
        found.clear();
        quadsFromContour(c, v.minArea, v.maxArea, v.small.size(), found);
        for (const auto& q : found) {
            quads.push_back(q);
            // Only a corner on the frame's edge may be one cut off by it.
            if (q.inside(v.small.cols, v.small.rows) &&
                std::none_of(q.begin(), q.end(), [&](const cv::Point2f& p) {
                    return p.x < 2 || p.y < 2 || p.x > v.small.cols - 3 || p.y > v.small.rows - 3;
                }))
                continue;
            const Quad f = CutPage::fitted(q, c, v.small.size());
            if (cv::norm(f[0] - q[0]) + cv::norm(f[1] - q[1]) + cv::norm(f[2] - q[2]) +
                    cv::norm(f[3] - q[3]) >
                2)
                quads.push_back(f);
        }
    }
}

// View 2: the brightest, least coloured region (paper), at Otsu's split of min(R, G, B).
void paperQuads(const Views& v, const DebugDump& dump, std::vector<Quad>& quads) {
    cv::Mat mn, mx;
    ChannelRange::compute(v.small, mn, mx);
    cv::Mat mask;
    cv::threshold(mn, mask, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    cv::morphologyEx(mask, mask, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3)));
    cv::morphologyEx(mask, mask, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(7, 7)));
    dump.write("3_paper_region", mask);
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    for (const auto& c : contours)
        quadsFromContour(c, v.minArea, v.maxArea, v.small.size(), quads);
    // The region often runs into light things beside the page; the straight stretches of its
    // rim are still the page's sides.
    if (v.kind != OutlineDetector::Document)
        return;
    // On a grey or white desk the neutral region is the desk itself and tells the page nothing.
    const cv::Mat grey = PaperRegion::neutral(mn, mx);
    dump.write("3_neutral_region", grey);
    if (cv::countNonZero(grey) < 0.6 * grey.total())
        PaperRegion::collect({mask, grey}, v.minArea, v.maxArea, quads);
    else
        PaperRegion::collect({mask}, v.minArea, v.maxArea, quads);
}

// The colour gradient of the smoothed photo, in which faint edges are measured.
void smoothGradient(const Views& v, cv::Mat& sdx, cv::Mat& sdy, cv::Mat& smag) {
    cv::Mat blurred;
    cv::GaussianBlur(v.small, blurred, cv::Size(5, 5), 0);
    ColourGradient::compute(blurred, sdx, sdy, smag);
}

// The smoothed images of the document search, each made the first time a step asks for it: the
// gradient for the faint view and the whole-page step, the channel sum for the steps that follow
// a page's rim. Most frames need few of them.
class Smoothed {
public:
    explicit Smoothed(const Views& v) : m_v(v) {}
    const cv::Mat& dx() { return gradient().m_dx; }
    const cv::Mat& dy() { return gradient().m_dy; }
    const cv::Mat& mag() { return gradient().m_mag; }
    double faint() { return gradient().m_faint; }
    const cv::Mat& level() {
        if (m_level.empty())
            m_level = levelImage(m_v.small);
        return m_level;
    }
    // How well q runs along the faint edges (a little less than along clear ones).
    double score(const Quad& q) {
        return 0.95 * scoreQuad(q, mag(), m_v.small, m_v.kind, 0.5 * faint());
    }

private:
    Smoothed& gradient() {
        if (m_mag.empty()) {
            smoothGradient(m_v, m_dx, m_dy, m_mag);
            m_faint = sensitiveThreshold(m_mag);
        }
        return *this;
    }
    const Views& m_v;
    cv::Mat m_dx, m_dy, m_mag, m_level;
    double m_faint = 0;
};

// View 3: a page that barely stands out (white on a light desk, or in a shadow) gives edges too
// weak for the fixed sensitivities above. Smoothed, the colour edges are measured against the
// picture's own noise, and the long straight lines among them give outlines that survive gaps
// (a shadow across a side, a cable over it).
void faintQuads(const Views& v, const DebugDump& dump, const cv::Mat& sdx, const cv::Mat& sdy,
                const cv::Mat& smag, std::vector<Quad>& quads) {
    const double high = sensitiveThreshold(smag);
    cv::Mat edges = CannyEdges(sdx, sdy, smag, high * 0.5).edges(high * 0.5, high);
    dump.write("2_edges_faint", edges);
    std::vector<Quad> contoured;
    sideBySide({[&] { LineQuads::collect(edges, std::sqrt(v.minArea) * 0.4, quads); },
                [&] {
                    cv::Mat thick;
                    cv::dilate(edges, thick, cv::Mat());
                    std::vector<std::vector<cv::Point>> contours;
                    cv::findContours(thick, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
                    for (const auto& c : contours)
                        quadsFromContour(c, v.minArea, v.maxArea, v.small.size(), contoured);
                }});
    quads.insert(quads.end(), contoured.begin(), contoured.end());
}

// View 4: a page whose rim is too faint for any edge, found from its print outwards.
void printedPages(const Views& v, std::vector<Candidate>& cands) {
    const auto print = PrintBlock::find(v.thin, v.dx, v.dy, v.minArea);
    if (!print)
        return;
    for (const auto& f : FaintPage::search(v.small, *print, v.minArea, v.maxArea))
        cands.push_back({f.q, 0.6 * f.quality * std::sqrt(f.q.area())});
}

// A card whose coloured title band melts into the desk is found without it, too long for its
// known proportions: offer the outline grown back on either long side.
void growCards(std::vector<Quad>& quads) {
    const size_t found = quads.size();
    for (size_t k = 0; k < found; ++k) {
        const Quad q = quads[k];
        const double a = cv::norm(q[1] - q[0]) + cv::norm(q[2] - q[3]);
        const double b = cv::norm(q[2] - q[1]) + cv::norm(q[3] - q[0]);
        const int s = a >= b ? 0 : 1;  // the long sides are s and s + 2
        const double ratio = std::max(a, b) / std::max(1e-9, std::min(a, b));
        if (ratio < 1.7 || ratio > 2.6)
            continue;
        const float t = float(ratio / 1.586 - 1.0);
        const size_t i0 = size_t(s), i1 = size_t(s + 1), i2 = size_t((s + 2) % 4),
                     i3 = size_t((s + 3) % 4);
        Quad grownA = q, grownB = q;
        grownA[i0] = q[i0] + (q[i0] - q[i3]) * t;
        grownA[i1] = q[i1] + (q[i1] - q[i2]) * t;
        grownB[i3] = q[i3] + (q[i3] - q[i0]) * t;
        grownB[i2] = q[i2] + (q[i2] - q[i1]) * t;
        quads.push_back(grownA.reordered());
        quads.push_back(grownB.reordered());
    }
}

// An outline whose sides run along clear edges all the way, with a plain rim: the faint view
// has nothing to add to it. (A side along the frame's edge is no weakness here.)
bool confident(const std::vector<Candidate>& cands, cv::Size frame) {
    double best = 0;
    for (const auto& c : cands) {
        double full = std::sqrt(c.q.area());
        for (int i = 0; i < 4; ++i)
            if (PageEvidence::alongFrame(c.q[size_t(i)], c.q[size_t((i + 1) % 4)], frame))
                full *= 0.8;
        best = std::max(best, c.score / full);
    }
    return best > 0.6;
}

std::vector<Quad> pick(std::vector<Candidate>& cands, int maxCount) {
    std::sort(cands.begin(), cands.end(),
              [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    std::vector<Quad> chosen;
    for (const auto& c : cands) {
        bool overlaps = false;
        for (const auto& o : chosen) {
            std::vector<cv::Point2f> inter, a(c.q.begin(), c.q.end()), b(o.begin(), o.end());
            if (cv::intersectConvexConvex(a, b, inter, true) > 0.1 * std::min(c.q.area(), o.area()))
                overlaps = true;
        }
        if (!overlaps)
            chosen.push_back(c.q);
        if (int(chosen.size()) >= maxCount)
            break;
    }
    return chosen;
}

// The faint view, where the clear views found no confident outline or where the best of them
// may be a picture or the text on a page whose own rim is faint. An outline round it with paper
// all between the two outranks it.
void addFaintCandidates(const Views& v, const DebugDump& dump, Smoothed& smooth,
                        std::vector<Candidate>& cands) {
    const auto best =
        std::max_element(cands.begin(), cands.end(),
                         [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    const bool sure = confident(cands, v.small.size());
    std::optional<EnclosingPage> page;
    double inner = 0;
    if (best != cands.end()) {
        page.emplace(v.small, best->q);
        inner = best->score;
        if (!page->possible())
            page.reset();
    }
    if (sure && !page)
        return;
    std::vector<Quad> quads;
    // Beside a confident outline only the outlines round it are wanted.
    if (!sure)
        faintQuads(v, dump, smooth.dx(), smooth.dy(), smooth.mag(), quads);
    // The outlines grown from the inner one have shown their steps and their paper already.
    const size_t grown = quads.size();
    if (page)
        page->collect(smooth.level(), quads);
    for (size_t k = 0; k < quads.size(); ++k) {
        const Quad& q = quads[k];
        // An outline of faint edges must run along them on the smoothed picture instead.
        // A side in a shadow is faint while the others are clear, so the better of the two
        // measures counts (the faint one a little less). That one counts the edge as Canny's
        // weaker threshold does: the candidate has earned its place by its steps already.
        // Faint lines ending at the frame's edge are as often the desk's own pattern or
        // things lying on it; a page cut by the frame shows clear edges to the other views.
        if (PageEvidence::touchesFrame(q, v.small.size()) ||
            (k < grown && !PageEvidence::earned(q, v.small, smooth.dx(), smooth.dy(), smooth.mag(),
                                                smooth.faint())))
            continue;
        const double s = std::max(scoreQuad(q, v.mag, v.small, v.kind, 60), smooth.score(q));
        if (s <= 0)
            continue;
        if (page && page->encloses(q))
            cands.push_back({q, s + inner});
        else if (!sure)
            cands.push_back({q, s});
    }
}

// The best outline may be a part of the page that a line across it cuts off: the page it is part
// of outranks it.
void addWholePage(const Views& v, Smoothed& smooth, std::vector<Candidate>& cands) {
    const auto best =
        std::max_element(cands.begin(), cands.end(),
                         [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    Quad whole;
    if (best == cands.end() || !PagePart::whole(smooth.level(), best->q, whole))
        return;
    double s = scoreQuad(whole, v.mag, v.small, v.kind, 60);
    if (s <= 0)  // a page on a light desk: its rims, followed, are faint all round
        s = smooth.score(whole);
    if (s > 0)
        cands.push_back({whole, best->score + s});
}

}  // namespace

std::vector<Quad> OutlineDetector::detect(const cv::Mat& rgb, Kind kind, int maxCount) {
    std::vector<Quad> result;
    if (rgb.empty() || rgb.type() != CV_8UC3 || rgb.cols < 16 || rgb.rows < 16 || maxCount < 1)
        return result;
    DebugDump dump(kind == Card ? "card_outline" : "doc_outline");
    Views v;
    v.kind = kind;
    v.small = Downscaler::reduce(rgb, Downscaler::factorFor(rgb.size()));
    dump.write("1_small", v.small);
    const double frameArea = double(v.small.cols) * v.small.rows;
    v.minArea = frameArea * (kind == Card ? 0.004 : 0.04);
    // A card is small beside the frame of a document camera; a page may nearly fill it.
    v.maxArea = frameArea * (kind == Card ? 0.35 : 0.985);

    std::optional<CardFinder> finder;
    std::optional<CannyEdges> canny;
    cv::Mat lowEdges;
    std::vector<Quad> quads, high, paper, cut, cardLines;
    Smoothed smooth(v);
    // The views share the cores: the paper region needs only the reduced photo and goes beside
    // the gradient, on which all the others wait.
    JobGraph views;
    const int edges = views.add([&] {
        ColourGradient::compute(v.small, v.dx, v.dy, v.mag);
        if (kind == Card)
            finder.emplace(v.small, v.dx, v.dy, v.mag);
        // One thinning of the gradient serves both sensitivities and the card finder's edges.
        canny.emplace(v.dx, v.dy, v.mag, finder ? std::min(30.0, finder->edgeFloor()) : 30);
        v.thin = canny->edges(30, 80);
        lowEdges = thickened(v.thin);
    });
    views.add([&] { paperQuads(v, dump, paper); });
    if (kind == Card) {
        // The card finder's searches, the longest part of the work, follow its edge maps.
        const int prepared = views.add([&] { finder->prepare(*canny); }, {edges});
        for (int k = 0; k < CardFinder::kBands; ++k)
            views.add([&, k] { finder->search(k); }, {prepared});
        views.add([&] { finder->findPatches(); }, {edges});
    }
    views.add([&] { edgeQuads(v, thickened(canny->edges(60, 160)), false, dump, high); }, {edges});
    views.add([&] { edgeQuads(v, lowEdges, true, dump, quads); }, {edges});
    if (kind == Document) {
        views.add([&] { framedQuads(v, lowEdges, cut); }, {edges});
        // Wanted on nearly every frame with a page on it, to follow the page's rim.
        views.add([&] { smooth.level(); });
    }
    views.run();
    if (finder)
        finder->collect(cardLines);
    for (const auto* more : {&high, &paper})
        quads.insert(quads.end(), more->begin(), more->end());
    std::vector<Candidate> cands;
    if (finder) {
        growCards(quads);
        quads.insert(quads.end(), cardLines.begin(), cardLines.end());
        for (const auto& [q, s] : finder->judged(quads))
            cands.push_back({q, s});
    }
    for (const auto& q : kind == Document ? quads : std::vector<Quad>()) {
        if (!PageEvidence::squareCorners(q, v.small.size()))
            continue;
        const double s = scoreQuad(q, v.mag, v.small, kind, 60);
        if (s > 0)
            cands.push_back({q, s});
    }
    // A page cut by the frame: the frame's edge closes any region of the desk, so the sides seen
    // must be a sheet's rim all along.
    for (const auto& q : cut) {
        if (!PageEvidence::squareCorners(q, v.small.size()) || !CutPage::sheetSeen(q, v.small))
            continue;
        const double s = scoreQuad(q, v.mag, v.small, kind, 60);
        if (s > 0)
            cands.push_back({q, s});
    }
    if (kind == Document) {
        addFaintCandidates(v, dump, smooth, cands);
        addWholePage(v, smooth, cands);
        // Only where no view found anything: on noisy frames of a still page its faint evidence
        // must not take turns with another outline.
        if (cands.empty())
            printedPages(v, cands);
    }
    const std::vector<Quad> chosen = pick(cands, maxCount);
    const float f = float(rgb.cols) / v.small.cols, fy = float(rgb.rows) / v.small.rows;
    for (auto q : chosen) {
        for (auto& p : q)
            p = cv::Point2f((p.x + 0.5f) * f - 0.5f, (p.y + 0.5f) * fy - 0.5f);
        result.push_back(
            CornerRefiner::refine(q, rgb, 2.0 * f + 3).clamped(rgb.cols, rgb.rows).reordered());
    }
    if (dump.enabled() && !result.empty()) {
        cv::Mat vis = rgb.clone();
        cv::polylines(vis, result[0].polygon(), true, cv::Scalar(255, 0, 0),
                      std::max(1, rgb.cols / 500));
        dump.write("4_result", vis);
    }
    return result;
}

}  // namespace imageproc
