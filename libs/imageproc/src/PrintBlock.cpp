#include "PrintBlock.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <vector>

namespace imageproc {

namespace {

constexpr int kBins = 90;   // turns of an edge, in degrees, modulo a right angle
constexpr int kSpread = 5;  // degrees either side of the main turn that count as along it
constexpr double kAligned =
    0.18;                     // share of edges along the main turn: a uniform spread gives 0.12
constexpr int kSameTurn = 4;  // degrees within which two parts of print lie on one page

struct Part {
    std::array<int, kBins> turns{};
    int edges = 0;
    int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;  // the box round its edges
    cv::Rect box() const { return {x0, y0, x1 - x0 + 1, y1 - y0 + 1}; }
};

int turnDistance(int a, int b) {
    if (a < 0 || b < 0)
        return kBins;
    const int d = std::abs(a - b) % kBins;
    return std::min(d, kBins - d);
}

// The turn most edges of the part share, if enough of them do: a line of text gives edges along
// and across itself, a round thing or grain gives all turns alike.
int mainTurn(const Part& p) {
    int best = -1, bestCount = 0;
    for (int b = 0; b < kBins; ++b) {
        int count = 0;
        for (int k = -kSpread; k <= kSpread; ++k)
            count += p.turns[size_t((b + k + kBins) % kBins)];
        if (count > bestCount)
            best = b, bestCount = count;
    }
    return bestCount >= kAligned * p.edges ? best : -1;
}

bool near(const cv::Rect& a, const cv::Rect& b, int gap) {
    const cv::Rect grown(a.x - gap, a.y - gap, a.width + 2 * gap, a.height + 2 * gap);
    return (grown & b).area() > 0;
}

double percentile(std::vector<float>& v, double p) {
    const auto k = v.begin() + long(std::min(v.size() - 1, size_t(p * double(v.size()))));
    std::nth_element(v.begin(), k, v.end());
    return *k;
}

}  // namespace

std::optional<Quad> PrintBlock::find(const cv::Mat& edges, const cv::Mat& dx, const cv::Mat& dy,
                                     double minArea) {
    // Letters and lines of one column, and the columns and pictures of one page, run together.
    const int reach = std::max(3, edges.cols / 40) | 1;
    cv::Mat joined, labels;
    cv::dilate(edges, joined, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(reach, reach)));
    const int count = cv::connectedComponents(joined, labels, 8, CV_32S);
    if (count < 2)
        return std::nullopt;
    std::vector<Part> parts(static_cast<size_t>(count));
    for (int y = 0; y < edges.rows; ++y) {
        const uchar* e = edges.ptr<uchar>(y);
        const int* l = labels.ptr<int>(y);
        const short* gx = dx.ptr<short>(y);
        const short* gy = dy.ptr<short>(y);
        for (int x = 0; x < edges.cols; ++x) {
            if (!e[x])
                continue;
            Part& p = parts[size_t(l[x])];
            const int b = int(cv::fastAtan2(float(gy[x]), float(gx[x]))) % kBins;
            ++p.turns[size_t(b)];
            p.x0 = std::min(p.x0, x), p.x1 = std::max(p.x1, x);
            p.y0 = std::min(p.y0, y), p.y1 = std::max(p.y1, y);
            ++p.edges;
        }
    }
    // A page's print has at least a few lines' worth of edges; the largest such part is taken for
    // it (a ball or a cable beside a page gives far fewer), and the parts close to it that run
    // the same way are the rest of the page's print (other columns, a picture).
    const int least = int(std::sqrt(minArea) * 2);
    int anchor = -1;
    for (int i = 1; i < count; ++i)
        if (parts[size_t(i)].edges >= least &&
            (anchor < 0 || parts[size_t(i)].edges > parts[size_t(anchor)].edges))
            anchor = i;
    if (anchor < 0)
        return std::nullopt;
    const int turn = mainTurn(parts[size_t(anchor)]);
    if (turn < 0)
        return std::nullopt;
    std::vector<char> onPage(size_t(count), 0);
    onPage[size_t(anchor)] = 1;
    for (int i = 1; i < count; ++i) {
        const Part& p = parts[size_t(i)];
        if (p.edges >= least / 4 && turnDistance(mainTurn(p), turn) <= kSameTurn &&
            near(p.box(), parts[size_t(anchor)].box(), reach * 3))
            onPage[size_t(i)] = 1;
    }
    // The print's extent along its own axes; a few stray edges (a ball touching the text) do not
    // widen it.
    const float a = float((turn + 0.5) * CV_PI / 180);
    const cv::Point2f u(std::cos(a), std::sin(a)), v(-u.y, u.x);
    std::vector<float> along, across;
    for (int y = 0; y < edges.rows; ++y) {
        const uchar* e = edges.ptr<uchar>(y);
        const int* l = labels.ptr<int>(y);
        for (int x = 0; x < edges.cols; ++x)
            if (e[x] && onPage[size_t(l[x])]) {
                along.push_back(float(x) * u.x + float(y) * u.y);
                across.push_back(float(x) * v.x + float(y) * v.y);
            }
    }
    const double u0 = percentile(along, 0.02), u1 = percentile(along, 0.98);
    const double v0 = percentile(across, 0.02), v1 = percentile(across, 0.98);
    if ((u1 - u0) * (v1 - v0) < 0.02 * minArea)
        return std::nullopt;
    auto corner = [&](double s, double t) { return u * float(s) + v * float(t); };
    return Quad::ordered({corner(u0, v0), corner(u1, v0), corner(u1, v1), corner(u0, v1)});
}

}  // namespace imageproc
