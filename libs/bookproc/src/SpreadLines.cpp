#include "SpreadLines.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace bookproc {

namespace {

constexpr int kAngles = 360;  // one-degree bins over the full circle: the angle carries polarity

// Edge pixels of the log-brightness, with the direction towards the brighter side.
struct EdgeField {
    cv::Mat edges;   // CV_8U, non-zero on thin edges
    cv::Mat dx, dy;  // CV_32F gradient of the log-brightness
    cv::Mat print;   // CV_8U, non-zero on thin dark strokes: letters, rules
};

EdgeField edgeField(const cv::Mat& grey) {
    EdgeField f;
    cv::Mat logGrey;
    grey.convertTo(logGrey, CV_32F);
    // A step between paper and the darker sheet stack keeps its size in a shadow: 15 % darker
    // is about ten units here wherever it lies.
    cv::log(logGrey + 6.f, logGrey);
    logGrey *= 64.f;
    cv::GaussianBlur(logGrey, logGrey, cv::Size(0, 0), 1.0);
    cv::Sobel(logGrey, f.dx, CV_32F, 1, 0, 3);
    cv::Sobel(logGrey, f.dy, CV_32F, 0, 1, 3);
    cv::Mat dx16, dy16;
    f.dx.convertTo(dx16, CV_16S);
    f.dy.convertTo(dy16, CV_16S);
    cv::Canny(dx16, dy16, f.edges, 5, 12, true);
    cv::Mat hat;
    cv::morphologyEx(grey, hat, cv::MORPH_BLACKHAT,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(5, 5)));
    f.print = hat > 25;
    return f;
}

struct Line {
    cv::Point2f n;  // unit normal towards the brighter (inner) side
    float rho = 0;  // n . p = rho on the line
    int votes = 0;
    int angle = 0;  // degrees of n
};

cv::Point2f normalOf(int degrees) {
    const double a = degrees * CV_PI / 180;
    return cv::Point2f(float(std::cos(a)), float(std::sin(a)));
}

// Each edge pixel votes for the lines through it within two degrees of its own direction.
cv::Mat vote(const EdgeField& f, int rhoMax) {
    cv::Mat acc(kAngles, 2 * rhoMax + 1, CV_32S, cv::Scalar(0));
    std::array<cv::Point2f, kAngles> n;
    for (int a = 0; a < kAngles; ++a)
        n[size_t(a)] = normalOf(a);
    for (int y = 0; y < f.edges.rows; ++y) {
        const uchar* e = f.edges.ptr<uchar>(y);
        const float* gx = f.dx.ptr<float>(y);
        const float* gy = f.dy.ptr<float>(y);
        for (int x = 0; x < f.edges.cols; ++x) {
            if (!e[x])
                continue;
            const int a0 = int(std::lround(std::atan2(gy[x], gx[x]) * 180 / CV_PI));
            for (int d = -2; d <= 2; ++d) {
                const int a = ((a0 + d) % kAngles + kAngles) % kAngles;
                const int rho = int(std::lround(n[size_t(a)].x * x + n[size_t(a)].y * y));
                if (rho >= -rhoMax && rho <= rhoMax)
                    ++acc.at<int>(a, rho + rhoMax);
            }
        }
    }
    return acc;
}

std::vector<Line> peaks(const cv::Mat& acc, int rhoMax, int minVotes) {
    std::vector<Line> out;
    for (int a = 0; a < acc.rows; ++a)
        for (int r = 0; r < acc.cols; ++r) {
            const int v = acc.at<int>(a, r);
            if (v < minVotes)
                continue;
            bool top = true;
            for (int da = -3; da <= 3 && top; ++da)
                for (int dr = -4; dr <= 4; ++dr) {
                    const int aa = ((a + da) % kAngles + kAngles) % kAngles, rr = r + dr;
                    if (rr < 0 || rr >= acc.cols || (da == 0 && dr == 0))
                        continue;
                    const int w = acc.at<int>(aa, rr);
                    // Ties go to the first bin, so a flat top gives one peak.
                    if (w > v || (w == v && (aa < a || (aa == a && rr < r)))) {
                        top = false;
                        break;
                    }
                }
            if (top)
                out.push_back({normalOf(a), float(r - rhoMax), v, a});
        }
    return out;
}

bool intersect(const Line& a, const Line& b, cv::Point2f* p) {
    const double det = double(a.n.x) * b.n.y - double(a.n.y) * b.n.x;
    if (std::fabs(det) < 1e-3)
        return false;
    *p = cv::Point2f(float((a.rho * b.n.y - a.n.y * b.rho) / det),
                     float((a.n.x * b.rho - a.rho * b.n.x) / det));
    return true;
}

// Samples along the segment a-b, without its ends where the neighbouring sides take over.
template <typename Visit>
void alongSide(const cv::Point2f& a, const cv::Point2f& b, Visit visit) {
    const double len = cv::norm(b - a);
    const int steps = std::max(4, int(len / 2));
    for (int i = 0; i <= steps; ++i) {
        const float t = 0.06f + 0.88f * float(i) / float(steps);
        visit(a + (b - a) * t);
    }
}

// The share of a-b that lies within two pixels of an edge whose brighter side is n's.
double coverage(const EdgeField& f, const cv::Point2f& a, const cv::Point2f& b,
                const cv::Point2f& n) {
    int hits = 0, total = 0;
    alongSide(a, b, [&](const cv::Point2f& p) {
        ++total;
        for (int k = -2; k <= 2; ++k) {
            const cv::Point2f q = p + n * float(k);
            const int x = cvRound(q.x), y = cvRound(q.y);
            if (x < 0 || y < 0 || x >= f.edges.cols || y >= f.edges.rows ||
                !f.edges.at<uchar>(y, x))
                continue;
            const float gx = f.dx.at<float>(y, x), gy = f.dy.at<float>(y, x);
            const float g = std::hypot(gx, gy);
            if (g > 0 && (gx * n.x + gy * n.y) > 0.9f * g) {
                ++hits;
                break;
            }
        }
    });
    return total ? double(hits) / total : 0;
}

// Paper brightness just inside and the brightness just outside a side, as medians along it.
// Inside, the brighter of a few samples, so print near the edge does not count as darkness.
void bands(const cv::Mat& grey, const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& n,
           double* inside, double* outside) {
    std::vector<float> in, out;
    auto at = [&](const cv::Point2f& q) {
        const int x = cvRound(q.x), y = cvRound(q.y);
        if (x < 0 || y < 0 || x >= grey.cols || y >= grey.rows)
            return -1.f;
        return float(grey.at<uchar>(y, x));
    };
    alongSide(a, b, [&](const cv::Point2f& p) {
        float i = -1;
        for (int k = 3; k <= 7; k += 2)
            i = std::max(i, at(p + n * float(k)));
        const float o = at(p - n * 4.f);
        if (i >= 0 && o >= 0) {
            in.push_back(i);
            out.push_back(o);
        }
    });
    if (in.size() < 4) {
        *inside = *outside = 0;
        return;
    }
    std::nth_element(in.begin(), in.begin() + in.size() / 2, in.end());
    std::nth_element(out.begin(), out.begin() + out.size() / 2, out.end());
    *inside = in[in.size() / 2];
    *outside = out[out.size() / 2];
}

// Whether the far side of a line is more paper with print on it: the gutter, or a table rule,
// seen from one page, and not yet the book's edge. Sampled over a band beyond the line, so the
// narrow sheet stack along a real edge does not hide a desk or cover behind it.
bool paperBeyond(const cv::Mat& grey, const cv::Mat& print, const cv::Point2f& a,
                 const cv::Point2f& b, const cv::Point2f& n, double paper, float reach) {
    int bright = 0, ink = 0, total = 0;
    alongSide(a, b, [&](const cv::Point2f& p) {
        for (float k = 0.3f * reach; k <= reach; k += std::max(1.f, 0.1f * reach)) {
            const cv::Point2f q = p - n * k;
            const int x = cvRound(q.x), y = cvRound(q.y);
            if (x < 0 || y < 0 || x >= grey.cols || y >= grey.rows)
                continue;
            const double v = grey.at<uchar>(y, x);
            ++total;
            bright += v >= 0.7 * paper;
            ink += v < 0.5 * paper || print.at<uchar>(y, x);
        }
    });
    return total > 0 && bright >= 0.3 * total && ink >= 0.02 * total;
}

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

// The paper's brightness: the bright pixels of a part of the photo where the book lies.
double paperLevel(const cv::Mat& grey, const cv::Rect& where) {
    const cv::Mat part = grey(where & cv::Rect(0, 0, grey.cols, grey.rows));
    if (part.empty())
        return 0;
    std::vector<uchar> v(part.begin<uchar>(), part.end<uchar>());
    std::nth_element(v.begin(), v.begin() + v.size() * 9 / 10, v.end());
    return v[v.size() * 9 / 10];
}

// The line through a and b with its normal towards inside.
Line lineThrough(const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& inside) {
    cv::Point2f n(-(b - a).y, (b - a).x);
    n *= float(1 / std::max(1e-6, cv::norm(n)));
    if ((inside - a).dot(n) < 0)
        n = -n;
    Line l;
    l.n = n;
    l.rho = n.dot(a);
    l.angle = (int(std::lround(std::atan2(n.y, n.x) * 180 / CV_PI)) + kAngles) % kAngles;
    return l;
}

int angleBetween(int a, int b) {
    return std::abs(((a - b) % kAngles + kAngles + 180) % kAngles - 180);
}

// The book lies near the middle of the picture: its sides have the brighter side towards the
// middle, and each side is at some distance from it. Lines along the frame's own border
// (vignetting, a sensor's dark rows) are no book's.
void keepAroundMiddle(std::vector<Line>& lines, int W, int H) {
    const cv::Point2f centre(0.5f * W, 0.5f * H);
    const float minReach = 0.12f * float(std::min(W, H));
    auto onBorder = [&](const Line& l) {
        for (const cv::Point2f& c : {cv::Point2f(0, 0), cv::Point2f(float(W - 1), float(H - 1))})
            if ((l.angle % 90 == 0 || l.angle % 90 == 89 || l.angle % 90 == 1) &&
                std::fabs(l.n.dot(c) - l.rho) < 4)
                return true;
        return false;
    };
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const Line& l) {
                                   return l.n.dot(centre) - l.rho < minReach || onBorder(l);
                               }),
                lines.end());
}

// The book's own direction, folded to a quarter turn: the one most lines share. The page sides
// and the text lines all follow it, while a patterned desk's lines spread over others.
int bookDirection(const std::vector<Line>& lines) {
    int phi = 0;
    long best = -1;
    for (int p = 0; p < 90; ++p) {
        long sum = 0;
        for (const Line& l : lines)
            if (std::abs(((l.angle - p) % 90 + 135) % 90 - 45) <= 6)
                sum += l.votes;
        if (sum > best) {
            best = sum;
            phi = p;
        }
    }
    return phi;
}

// The lines of each of the four directions around the book (phi, phi + 90, ...).
std::array<std::vector<Line>, 4> byDirection(const std::vector<Line>& lines, int phi) {
    std::array<std::vector<Line>, 4> byDir;
    for (const Line& l : lines) {
        const int d = ((l.angle - phi) % kAngles + kAngles + 45) % kAngles / 90;
        const int off = ((l.angle - phi - 90 * d) % kAngles + kAngles + 180) % kAngles - 180;
        if (std::abs(off) <= 25)
            byDir[size_t(d % 4)].push_back(l);
    }
    return byDir;
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
