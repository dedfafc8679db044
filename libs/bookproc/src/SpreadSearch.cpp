#include "SpreadSearch.h"

#include "LineTally.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace bookproc {

using namespace edgelines;

namespace {

// Lines of each direction taken into the combinations: the page side is nearly always among
// the strongest few, and the combinations grow with the fourth power of this.
constexpr size_t kPerDirection = 12;
// Outlines whose quick measure is among the best this many are judged in full.
constexpr size_t kJudged = 300;

// Edge pixels across which the brightness changes within 30 degrees of the given normal, either
// way, grown by two pixels: where a side with that normal is borne out, for the quick measure.
cv::Mat facing(const EdgeField& f, int degrees) {
    const cv::Point2f n = normalOf(degrees);
    const float cosLimit = float(std::cos(30 * CV_PI / 180));
    cv::Mat m(f.edges.size(), CV_8U, cv::Scalar(0));
    for (int y = 0; y < m.rows; ++y) {
        const uchar* e = f.edges.ptr<uchar>(y);
        const float* gx = f.dx.ptr<float>(y);
        const float* gy = f.dy.ptr<float>(y);
        uchar* out = m.ptr<uchar>(y);
        for (int x = 0; x < m.cols; ++x) {
            if (!e[x])
                continue;
            const float g = std::hypot(gx[x], gy[x]);
            out[x] = g > 0 && std::fabs(gx[x] * n.x + gy[x] * n.y) >= cosLimit * g ? 255 : 0;
        }
    }
    cv::dilate(m, m, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(5, 5)));
    return m;
}

// A spread lies mostly in the frame, takes a fair part of it, and is about two pages wide.
bool plausible(const Quad& q, int W, int H) {
    if (!q.isConvex(0.1 * W * H))
        return false;
    const float mx = 0.02f * W, my = 0.02f * H;
    for (const cv::Point2f& p : q)
        if (p.x < -mx || p.y < -my || p.x > W - 1 + mx || p.y > H - 1 + my)
            return false;
    const double w = 0.5 * (cv::norm(q.tr() - q.tl()) + cv::norm(q.br() - q.bl()));
    const double h = 0.5 * (cv::norm(q.bl() - q.tl()) + cv::norm(q.br() - q.tr()));
    return w >= 0.9 * h && w <= 2.5 * h;
}

// Every line turned so that its normal points to the middle of the picture, where the book
// lies: a page darker than a white desk has its brighter side outwards. Lines too near the
// middle to be a side of the book, or along the frame's own border, are left out.
std::vector<Line> aroundMiddle(std::vector<Line> lines, int W, int H) {
    const cv::Point2f centre(0.5f * W, 0.5f * H);
    for (Line& l : lines)
        if (l.n.dot(centre) < l.rho) {
            l.n = -l.n;
            l.rho = -l.rho;
            l.angle = (l.angle + 180) % kAngles;
        }
    const float minReach = 0.12f * float(std::min(W, H));
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const Line& l) {
                                   if (l.n.dot(centre) - l.rho < minReach)
                                       return true;
                                   const float x = std::fabs(l.n.x), y = std::fabs(l.n.y);
                                   const float r = std::fabs(l.rho);
                                   const float far = float(x > y ? W - 1 : H - 1);
                                   return std::min(x, y) < 0.03f &&
                                          (r < 4 || std::fabs(r - far) < 4);
                               }),
                lines.end());
    return lines;
}

struct Candidate {
    Quad quad;
    double quick = 0;
};

}  // namespace

SpreadSearch::SpreadSearch(const cv::Mat& rgb, const cv::Mat& grey, const DebugDump& dump)
    : m_grey(grey), m_dump(dump), m_field(colourEdgeField(rgb, grey)) {
    cv::split(rgb, m_channels);
    // The book lies about the middle of the picture: its paper is the bright part there.
    const cv::Rect middle(grey.cols / 4, grey.rows / 4, grey.cols / 2, grey.rows / 2);
    m_paper = paperLevel(grey, middle);
    m_colour = paperColour(m_channels, middle);
}

double SpreadSearch::sideScore(const cv::Point2f& a, const cv::Point2f& b,
                               const cv::Point2f& inward, double paper) const {
    // Paper is mostly brighter than what surrounds it, but a cream page on a white desk is
    // darker: the other way round counts a little less.
    double cov = std::max(coverage(m_field, a, b, inward), 0.85 * coverage(m_field, a, b, -inward));
    double in = 0, out = 0;
    bands(m_grey, a, b, inward, &in, &out);
    // The same brightness and colour on both sides: print or a fold, not where the paper ends.
    double step = 0;
    cv::Vec3d colour;
    for (int c = 0; c < 3; ++c) {
        double chIn = 0, chOut = 0;
        bands(m_channels[size_t(c)], a, b, inward, &chIn, &chOut);
        colour[c] = chIn;
        step = std::max(step, std::fabs(chOut - chIn) / std::max(1.0, std::max(chIn, chOut)));
    }
    const float reach = 0.08f * float(std::min(m_grey.cols, m_grey.rows));
    // Against the paper just inside the side rather than the book's brightest paper: under
    // glare or a shadow the far page of a table's rule is dimmer than the brightest paper, yet
    // as bright as the paper beside the rule.
    const double near = in > 0 ? std::min(paper, in) : paper;
    const Beyond beyond =
        lookBeyond(m_grey, m_channels, m_field.print, a, b, inward, near, colour, reach);
    return cov * sideWeight(step, beyond);
}

double SpreadSearch::score(const Quad& q) const {
    const cv::Point2f centre = (q.tl() + q.tr() + q.br() + q.bl()) * 0.25f;
    double sum = 0, length = 0;
    for (size_t s = 0; s < 4; ++s) {
        const cv::Point2f a = q[s], b = q[(s + 1) % 4];
        const double len = cv::norm(b - a);
        sum += len * sideScore(a, b, lineThrough(a, b, centre).n, m_paper);
        length += len;
    }
    return length > 0 ? sum / length : 0;
}

bool SpreadSearch::find(Quad& spread, double* bestScore) const {
    const int W = m_grey.cols, H = m_grey.rows;
    const int rhoMax = int(std::ceil(std::hypot(W, H)));
    const cv::Mat acc = vote(m_field, rhoMax);
    const int minVotes = std::max(20, int(0.1 * std::min(W, H)));
    std::vector<Line> lines = aroundMiddle(peaks(acc, rhoMax, minVotes), W, H);
    const int phi = bookDirection(lines);
    std::array<std::vector<Line>, 4> byDir = byDirection(lines, phi);
    // A side along which paper and desk barely differ leaves only short pieces of edge, or
    // pieces of both polarities where the light changes along it: where a direction has room
    // for more lines, take weaker ones too.
    if (std::any_of(byDir.begin(), byDir.end(),
                    [](const auto& v) { return v.size() < kPerDirection; })) {
        const std::array<std::vector<Line>, 4> faint =
            byDirection(aroundMiddle(peaks(acc, rhoMax, minVotes / 3), W, H), phi);
        for (size_t d = 0; d < 4; ++d)
            if (byDir[d].size() < kPerDirection)
                byDir[d] = faint[d];
    }
    const float reach = 0.08f * float(std::min(W, H));
    std::array<std::vector<LineTally>, 4> tally;
    for (size_t d = 0; d < 4; ++d) {
        if (byDir[d].empty())
            return false;
        std::sort(byDir[d].begin(), byDir[d].end(),
                  [](const Line& a, const Line& b) { return a.votes > b.votes; });
        byDir[d].resize(std::min(byDir[d].size(), kPerDirection));
        const cv::Mat map = facing(m_field, phi + 90 * int(d));
        for (const Line& l : byDir[d])
            tally[d].emplace_back(l, map, m_channels, m_field.print, m_colour, reach);
    }
    std::vector<Candidate> found;
    std::array<size_t, 4> pick{};
    std::array<cv::Point2f, 4> c;
    for (pick[0] = 0; pick[0] < byDir[0].size(); ++pick[0])
        for (pick[1] = 0; pick[1] < byDir[1].size(); ++pick[1])
            for (pick[2] = 0; pick[2] < byDir[2].size(); ++pick[2])
                for (pick[3] = 0; pick[3] < byDir[3].size(); ++pick[3]) {
                    bool ok = true;
                    // Corner d lies between the sides of directions d and d + 1.
                    for (size_t d = 0; d < 4 && ok; ++d)
                        ok = intersect(byDir[d][pick[d]], byDir[(d + 1) % 4][pick[(d + 1) % 4]],
                                       &c[d]);
                    if (!ok)
                        continue;
                    const Quad q = Quad::ordered(c);
                    if (!plausible(q, W, H))
                        continue;
                    double sum = 0, length = 0;
                    for (size_t d = 0; d < 4; ++d) {
                        const cv::Point2f& a = c[(d + 3) % 4];
                        const double len = cv::norm(c[d] - a);
                        sum += len * tally[d][pick[d]].side(a, c[d]);
                        length += len;
                    }
                    found.push_back({q, sum / length});
                }
    if (found.empty())
        return false;
    const size_t judged = std::min(found.size(), kJudged);
    std::partial_sort(found.begin(), found.begin() + long(judged), found.end(),
                      [](const Candidate& a, const Candidate& b) { return a.quick > b.quick; });
    double best = -1;
    for (size_t i = 0; i < judged; ++i) {
        const double s = score(found[i].quad);
        if (s > best) {
            best = s;
            spread = found[i].quad;
        }
    }
    *bestScore = best;
    if (m_dump.enabled()) {
        cv::Mat shown;
        cv::cvtColor(m_grey, shown, cv::COLOR_GRAY2RGB);
        cv::polylines(shown, spread.polygon(), true, cv::Scalar(255, 0, 0), 2);
        m_dump.write("search_spread_" + std::to_string(int(100 * best)), shown);
    }
    return true;
}

}  // namespace bookproc
