#include "SpreadLines.h"

#include "EdgeLines.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace bookproc {

using namespace edgelines;

namespace {

// What a side is judged against: the edges, the photo, the paper's brightness and how far
// beyond a side to look for more paper.
struct Context {
    const EdgeField& f;
    const cv::Mat& grey;
    double paper;
    float beyond;
};

// A side of the book between its neighbours: mostly on edges of its polarity, darker outside
// than inside, and not followed by more printed paper.
bool acceptable(const Context& c, const Line& l, const Line& before, const Line& after) {
    cv::Point2f a, b;
    if (!intersect(before, l, &a) || !intersect(l, after, &b))
        return false;
    double in = 0, out = 0;
    bands(c.grey, a, b, l.n, &in, &out);
    return coverage(c.f, a, b, l.n) >= 0.5 && out < 0.9 * in &&
           !paperBeyond(c.grey, c.f.print, a, b, l.n, c.paper, c.beyond);
}

// The share of a side between its neighbours that lies on edges of its polarity.
double supportBetween(const Context& c, const Line& l, const Line& before, const Line& after) {
    cv::Point2f a, b;
    if (!intersect(before, l, &a) || !intersect(l, after, &b))
        return 0;
    return coverage(c.f, a, b, l.n);
}

void dumpLines(const DebugDump& dump, const cv::Mat& grey, const std::vector<Line>& lines) {
    cv::Mat shown;
    cv::cvtColor(grey, shown, cv::COLOR_GRAY2RGB);
    for (const Line& l : lines) {
        const cv::Point2f p = l.n * l.rho, d(-l.n.y, l.n.x);
        cv::line(shown, p - d * 2000.f, p + d * 2000.f, cv::Scalar(0, 160, 255), 1);
        cv::line(shown, p, p + l.n * 12.f, cv::Scalar(0, 160, 255), 2);
    }
    dump.write("line_candidates", shown);
}

// The spread's four sides from the lines of each of the four directions around the book.
bool corners(const std::array<Line, 4>& side, Quad* q) {
    std::array<cv::Point2f, 4> c;
    for (size_t i = 0; i < 4; ++i)
        if (!intersect(side[i], side[(i + 1) % 4], &c[i]))
            return false;
    *q = Quad::ordered(c);
    return q->isConvex(1);
}

}  // namespace

double SpreadLines::outlineSupport(const cv::Mat& grey, const Quad& q) {
    const EdgeField f = edgeField(grey);
    const cv::Point2f centre = (q.tl() + q.tr() + q.br() + q.bl()) * 0.25f;
    double sum = 0, length = 0;
    for (size_t s = 0; s < 4; ++s) {
        const cv::Point2f a = q[s], b = q[(s + 1) % 4];
        const double len = cv::norm(b - a);
        sum += len * coverage(f, a, b, lineThrough(a, b, centre).n);
        length += len;
    }
    return length > 0 ? sum / length : 0;
}

bool SpreadLines::find(const cv::Mat& grey, Quad& spread, double* support) const {
    const int W = grey.cols, H = grey.rows;
    const EdgeField f = edgeField(grey);
    m_dump.write("line_edges", f.edges);
    const int rhoMax = int(std::ceil(std::hypot(W, H)));
    const cv::Mat acc = vote(f, rhoMax);
    std::vector<Line> lines = peaks(acc, rhoMax, std::max(20, int(0.12 * std::min(W, H))));
    if (lines.size() < 4)
        return false;
    const cv::Point2f centre(0.5f * W, 0.5f * H);
    keepAroundMiddle(lines, W, H);
    if (m_dump.enabled())
        dumpLines(m_dump, grey, lines);
    if (lines.size() < 4)
        return false;
    std::array<std::vector<Line>, 4> byDir = byDirection(lines, bookDirection(lines));
    std::array<Line, 4> side;
    for (size_t d = 0; d < 4; ++d) {
        if (byDir[d].empty())
            return false;
        // Innermost first: the page edge is the innermost of the nested outlines.
        std::sort(byDir[d].begin(), byDir[d].end(), [&](const Line& a, const Line& b) {
            return a.n.dot(centre) - a.rho < b.n.dot(centre) - b.rho;
        });
        side[d] = *std::max_element(byDir[d].begin(), byDir[d].end(),
                                    [](const Line& a, const Line& b) { return a.votes < b.votes; });
    }
    // Of each direction's lines, the innermost that bounds the book; each side's extent comes
    // from its neighbours of the pass before.
    const Context c{f, grey, paperLevel(grey, cv::Rect(W / 4, H / 4, W / 2, H / 2)),
                    0.08f * float(std::min(W, H))};
    for (int pass = 0; pass < 2; ++pass) {
        std::array<Line, 4> next = side;
        for (size_t d = 0; d < 4; ++d)
            for (const Line& l : byDir[d])
                if (acceptable(c, l, side[(d + 3) % 4], side[(d + 1) % 4])) {
                    next[d] = l;
                    break;
                }
        side = next;
    }
    Quad q;
    if (!corners(side, &q))
        return false;
    if (q.area() < 0.1 * W * H)
        return false;
    spread = q;
    *support = outlineSupport(grey, q);
    if (m_dump.enabled()) {
        cv::Mat shown;
        cv::cvtColor(grey, shown, cv::COLOR_GRAY2RGB);
        cv::polylines(shown, q.polygon(), true, cv::Scalar(255, 0, 0), 2);
        m_dump.write("line_spread", shown);
    }
    return true;
}

Quad SpreadLines::refinePage(const cv::Mat& grey, const Quad& page, int keepSide) const {
    const cv::Point2f centre = (page.tl() + page.tr() + page.br() + page.bl()) * 0.25f;
    const double size = std::sqrt(std::max(1.0, page.area()));
    // Only the edges around this page vote, so its own head and tail are found even where they
    // do not continue the other page's.
    cv::Mat near(grey.size(), CV_8U, cv::Scalar(0));
    std::vector<cv::Point> grown;
    for (const cv::Point2f& p : page)
        grown.push_back(centre + (p - centre) * 1.15f);
    cv::fillConvexPoly(near, grown, cv::Scalar(255));
    EdgeField f = edgeField(grey);
    f.edges &= near;
    const int rhoMax = int(std::ceil(std::hypot(grey.cols, grey.rows)));
    std::vector<Line> lines = peaks(vote(f, rhoMax), rhoMax, std::max(15, int(0.12 * size)));
    std::array<Line, 4> side;
    for (size_t s = 0; s < 4; ++s)
        side[s] = lineThrough(page[s], page[(s + 1) % 4], centre);
    const Context c{f, grey, paperLevel(grey, cv::boundingRect(grown)), float(0.1 * size)};
    std::array<Line, 4> next = side;
    for (size_t s = 0; s < 4; ++s) {
        if (int(s) == keepSide)
            continue;
        std::vector<Line> near;
        for (const Line& l : lines)
            if (angleBetween(l.angle, side[s].angle) <= 8 &&
                std::fabs(l.n.dot(centre) - l.rho - (side[s].n.dot(centre) - side[s].rho)) <
                    0.15 * size)
                near.push_back(l);
        std::sort(near.begin(), near.end(), [&](const Line& a, const Line& b) {
            return a.n.dot(centre) - a.rho < b.n.dot(centre) - b.rho;
        });
        // A line that the edges follow less than the side as it stands is no better a side.
        const double held = supportBetween(c, side[s], side[(s + 3) % 4], side[(s + 1) % 4]);
        for (const Line& l : near)
            if (acceptable(c, l, side[(s + 3) % 4], side[(s + 1) % 4]) &&
                supportBetween(c, l, side[(s + 3) % 4], side[(s + 1) % 4]) >= held) {
                next[s] = l;
                break;
            }
    }
    std::array<cv::Point2f, 4> corner;
    for (size_t i = 0; i < 4; ++i)
        if (!intersect(next[(i + 3) % 4], next[i], &corner[i]) ||
            cv::norm(corner[i] - page[i]) > 0.25 * size)
            return page;
    const Quad refined(corner[0], corner[1], corner[2], corner[3]);
    return refined.isConvex(1) ? refined : page;
}

}  // namespace bookproc
