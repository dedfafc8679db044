#include "PlainPatches.h"

#include "CardFinder.h"
#include "QuadFromSides.h"

#include "visioncore/DebugDump.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {

// The gradient under the middle of the segment from a to b, summed.
double stepAlong(const cv::Mat& mag, cv::Point2f a, cv::Point2f b) {
    const cv::Rect frame(0, 0, mag.cols, mag.rows);
    const int N = 16;
    double sum = 0;
    for (int k = 0; k < N; ++k) {
        const cv::Point2f p = a + (b - a) * (0.15f + 0.7f * (k + 0.5f) / N);
        const cv::Point r(cvRound(p.x), cvRound(p.y));
        if (frame.contains(r))
            sum += mag.at<ushort>(r);
    }
    return sum;
}

// The patch lies a few pixels inside the card's edge (the edge's own gradient and the erosion
// take them): each side moves outwards onto the strongest step near it.
bool snapped(const Quad& q, const cv::Mat& mag, Quad& out) {
    cv::Point2f ends[4][2];
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[size_t(i)], b = q[size_t((i + 1) % 4)];
        const float len = float(cv::norm(b - a));
        if (len < 1)
            return false;
        const cv::Point2f n((b.y - a.y) / len, -(b.x - a.x) / len);  // outwards when clockwise
        double best = -1;
        int bestT = 0;
        for (int t = -1; t <= 7; ++t) {
            const double s = stepAlong(mag, a + n * float(t), b + n * float(t));
            if (s > best)
                best = s, bestT = t;
        }
        ends[i][0] = a + n * float(bestT);
        ends[i][1] = b + n * float(bestT);
    }
    return quadFromSides(ends, out);
}

void offer(const Quad& q, const cv::Mat& mag, std::vector<Quad>& out) {
    Quad s;
    if (snapped(q, mag, s))
        out.push_back(s.reordered());
}

// The rectangle around a region, and when it is too long for a card, the card it can be a strip
// of: a title band of another colour cut off, or the region only a margin along one side. The
// card then shares one long side with the strip and has the known proportions.
void outlinesOf(const cv::RotatedRect& box, const cv::Mat& mag, std::vector<Quad>& out) {
    cv::Point2f p[4];
    box.points(p);
    const Quad q = Quad::ordered({p[0], p[1], p[2], p[3]});
    offer(q, mag, out);
    const double a = cv::norm(q[1] - q[0]), b = cv::norm(q[2] - q[1]);
    const double ratio = std::max(a, b) / std::max(1e-9, std::min(a, b));
    if (ratio < 1.75)
        return;
    const size_t s = a >= b ? 0 : 1;  // the long sides are s and s + 2
    const size_t i0 = s, i1 = s + 1, i2 = (s + 2) % 4, i3 = (s + 3) % 4;
    for (const double across : {1 / CardFinder::kAspect, CardFinder::kAspect}) {
        // A strip along the card's short side is far longer than a card.
        if (across > 1 && ratio < 3)
            continue;
        const float t = float(ratio * across - 1.0);
        Quad grownA = q, grownB = q;
        grownA[i0] = q[i0] + (q[i0] - q[i3]) * t;
        grownA[i1] = q[i1] + (q[i1] - q[i2]) * t;
        grownB[i3] = q[i3] + (q[i3] - q[i0]) * t;
        grownB[i2] = q[i2] + (q[i2] - q[i1]) * t;
        offer(grownA.reordered(), mag, out);
        offer(grownB.reordered(), mag, out);
    }
}

// The pixels around a plain patch that share its colour, joined into one region: a card's
// ground runs between its lines of print and around its pictures, which cut the plain patch into
// pieces. Empty when the region runs on to the edge of the search window (it is the desk).
// claimed (CV_8U, the size of small) marks the regions already taken, which are not taken again.
std::vector<cv::Point> colourRegion(const cv::Mat& small, const cv::Mat& labels, int label,
                                    const cv::Rect& box, cv::Mat& claimed) {
    const cv::Mat patch = labels(box) == label;
    const cv::Scalar mean = cv::mean(small(box), patch);
    const int m0 = int(mean[0]), m1 = int(mean[1]), m2 = int(mean[2]);
    // The patch is at least a strip of the card along a side; the rest of the card lies within
    // the proportions from it.
    const int grow = int(0.7 * std::max(box.width, box.height)) + 4;
    const cv::Rect window =
        cv::Rect(box.x - grow, box.y - grow, box.width + 2 * grow, box.height + 2 * grow) &
        cv::Rect(0, 0, small.cols, small.rows);
    cv::Mat same(window.size(), CV_8U);
    for (int y = 0; y < window.height; ++y) {
        const auto* p = small.ptr<cv::Vec3b>(window.y + y) + window.x;
        uchar* o = same.ptr<uchar>(y);
        for (int x = 0; x < window.width; ++x) {
            const int d = std::abs(p[x][0] - m0) + std::abs(p[x][1] - m1) + std::abs(p[x][2] - m2);
            o[x] = d < 45 ? 255 : 0;
        }
    }
    // Thin bridges (a corner touching a light stripe of the desk) break.
    cv::morphologyEx(same, same, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3)));
    cv::Point seed(-1, -1);
    for (int y = 0; y < box.height && seed.x < 0; ++y)
        for (int x = 0; x < box.width; ++x) {
            const cv::Point w(box.x + x - window.x, box.y + y - window.y);
            if (patch.at<uchar>(y, x) && same.at<uchar>(w)) {
                seed = w;
                break;
            }
        }
    if (seed.x < 0 || claimed.at<uchar>(seed + window.tl()))
        return {};
    cv::Rect filled;
    cv::floodFill(same, seed, cv::Scalar(128), &filled, cv::Scalar(), cv::Scalar(), 4);
    const bool leaks = filled.x == 0 || filled.y == 0 || filled.br().x == window.width ||
                       filled.br().y == window.height;
    const bool atFrameEdge = window.x == 0 || window.y == 0 ||
                             window.x + window.width == small.cols ||
                             window.y + window.height == small.rows;
    const cv::Mat region = same(filled) == 128;
    region.copyTo(claimed(filled + window.tl()), region);
    if (leaks && !atFrameEdge)
        return {};
    std::vector<cv::Point> points;
    cv::findNonZero(region, points);
    for (auto& p : points)
        p += filled.tl() + window.tl();
    return points;
}

// The first and last point of every row of a region given row by row: only they can be corners
// of its convex hull, which is found far faster from them than from the whole region.
std::vector<cv::Point> rowEnds(const std::vector<cv::Point>& region) {
    std::vector<cv::Point> ends;
    for (size_t k = 0; k < region.size(); ++k)
        if (k == 0 || k + 1 == region.size() || region[k - 1].y != region[k].y ||
            region[k + 1].y != region[k].y)
            ends.push_back(region[k]);
    return ends;
}

}  // namespace

void PlainPatches::collect(const cv::Mat& small, const cv::Mat& mag, double level, double minArea,
                           double maxArea, std::vector<Quad>& out) {
    if (level <= 0 || small.cols < 8 || small.rows < 8)
        return;
    // Regions need no fine detail: they are found at half the size, and only the outline made
    // from them is fitted to the edges at full size.
    cv::Mat plain = mag < std::max(level * 0.5, 24.0), half;
    cv::resize(plain, plain, cv::Size(small.cols / 2, small.rows / 2), 0, 0, cv::INTER_AREA);
    plain = plain == 255;
    cv::resize(small, half, plain.size(), 0, 0, cv::INTER_AREA);
    // Only pixels whose whole neighbourhood is plain: the narrow plain bits between the desk's
    // edges fall away, a card's rim stays.
    cv::erode(plain, plain, cv::Mat());
    const visioncore::DebugDump dump("card_patches");
    dump.write("plain", plain);
    cv::Mat labels, stats, centroids;
    const int n = cv::connectedComponentsWithStats(plain, labels, stats, centroids, 4, CV_32S);
    minArea /= 4;
    maxArea /= 4;
    std::vector<std::pair<int, int>> patches;  // area, label
    for (int i = 1; i < n; ++i) {
        const int area = stats.at<int>(i, cv::CC_STAT_AREA);
        if (area >= 0.05 * minArea && area <= maxArea)
            patches.emplace_back(area, i);
    }
    std::sort(patches.rbegin(), patches.rend());
    if (patches.size() > 6)
        patches.resize(6);
    cv::Mat claimed = cv::Mat::zeros(half.size(), CV_8U);
    for (const auto& [area, i] : patches) {
        const int* st = stats.ptr<int>(i);
        const cv::Rect box(st[cv::CC_STAT_LEFT], st[cv::CC_STAT_TOP], st[cv::CC_STAT_WIDTH],
                           st[cv::CC_STAT_HEIGHT]);
        const std::vector<cv::Point> region = colourRegion(half, labels, i, box, claimed);
        if (region.size() < 0.3 * minArea)
            continue;
        std::vector<cv::Point> hull;
        cv::convexHull(rowEnds(region), hull);
        const double hullArea = cv::contourArea(hull);
        if (hullArea < minArea || hullArea > maxArea || double(region.size()) < 0.4 * hullArea)
            continue;
        std::vector<cv::Point2f> full;
        for (const auto& p : hull)
            full.emplace_back(2.f * p.x + 0.5f, 2.f * p.y + 0.5f);
        const cv::RotatedRect rect = cv::minAreaRect(full);
        // A region that runs into the desk is no rectangle.
        if (4 * hullArea < 0.85 * rect.size.area())
            continue;
        outlinesOf(rect, mag, out);
    }
    dump.write("regions", claimed);
}

}  // namespace imageproc
