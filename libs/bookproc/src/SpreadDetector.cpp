#include "SpreadDetector.h"

#include "Profile.h"
#include "SpreadLines.h"
#include "SpreadSearch.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace bookproc {

namespace {

// The detection runs on a copy of about this many pixels on the long side: the outline is then
// found to within a few full-resolution pixels, in a few milliseconds.
constexpr double kWorkSide = 720.0;
// How much darker (as a share of the paper's brightness) a column must be to pass for the
// gutter for each unit of distance from the spread's middle.
constexpr float kGutterOffCentre = 1.5f;

cv::Point2f lineIntersection(const cv::Vec4f& a, const cv::Vec4f& b, bool* ok) {
    // Lines as (vx, vy, x0, y0) from cv::fitLine.
    double det = double(a[0]) * b[1] - double(a[1]) * b[0];
    if (std::fabs(det) < 1e-9) {
        *ok = false;
        return {};
    }
    double t = ((b[2] - a[2]) * double(b[1]) - (b[3] - a[3]) * double(b[0])) / det;
    *ok = true;
    return cv::Point2f(float(a[2] + t * a[0]), float(a[3] + t * a[1]));
}

// Straightens each side of a rough quad by fitting a line to the contour points along it, so the
// corners do not depend on where approxPolyDP happened to cut.
Quad refineSides(const Quad& q, const std::vector<cv::Point>& contour, double tol) {
    const cv::Point2f c[4] = {q.tl(), q.tr(), q.br(), q.bl()};
    cv::Vec4f lines[4];
    for (int s = 0; s < 4; ++s) {
        cv::Point2f a = c[s], b = c[(s + 1) % 4];
        cv::Point2f d = b - a;
        double len = std::hypot(d.x, d.y);
        if (len < 1)
            return q;
        std::vector<cv::Point2f> pts;
        for (const cv::Point& p : contour) {
            cv::Point2f v = cv::Point2f(p) - a;
            double t = (v.x * d.x + v.y * d.y) / (len * len);
            double dist = std::fabs(v.x * d.y - v.y * d.x) / len;
            // Stay away from the corners, where the neighbouring side takes over.
            if (t > 0.08 && t < 0.92 && dist < tol)
                pts.push_back(cv::Point2f(p));
        }
        if (pts.size() < 6) {
            lines[s] = cv::Vec4f(d.x / len, d.y / len, a.x, a.y);
            continue;
        }
        cv::fitLine(pts, lines[s], cv::DIST_HUBER, 0, 0.01, 0.01);
    }
    Quad r;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        // Corner i lies between side i-1 and side i.
        r[size_t(i)] = lineIntersection(lines[(i + 3) % 4], lines[i], &ok);
        if (!ok || cv::norm(r[size_t(i)] - c[i]) > 4 * tol + 10)
            return q;
    }
    return r;
}

// Moves each side of the spread onto the paper's own edge. The page stack shows as a band of
// sheet edges outside the paper: lighter than desk or cover, darker than the page. Along normals
// to each side, the innermost strong dark-to-light step is where the paper begins.
Quad snapToPaper(const Quad& q, const cv::Mat& grey, int keepSide = -1, double reach = 0.035) {
    const cv::Point2f c[4] = {q.tl(), q.tr(), q.br(), q.bl()};
    const cv::Point2f centre = (q.tl() + q.tr() + q.br() + q.bl()) * 0.25f;
    cv::Vec4f lines[4];
    for (int s = 0; s < 4; ++s) {
        cv::Point2f a = c[s], b = c[(s + 1) % 4];
        cv::Point2f d = b - a;
        float len = float(std::hypot(d.x, d.y));
        if (len < 20)
            return q;
        d *= 1.f / len;
        if (s == keepSide) {
            lines[s] = cv::Vec4f(d.x, d.y, a.x, a.y);
            continue;
        }
        cv::Point2f nrm(-d.y, d.x);
        if ((centre - a).dot(nrm) < 0)
            nrm = -nrm;  // pointing into the book
        const int outside = std::max(2, int(0.01 * len)), inside = std::max(4, int(reach * len));
        std::vector<cv::Point2f> pts;
        for (int k = 1; k < 24; ++k) {
            float t = 0.1f + 0.8f * k / 24.f;
            cv::Point2f base = a + d * (t * len);
            std::vector<float> prof;
            for (int i = -outside; i <= inside; ++i) {
                cv::Point2f p = base + nrm * float(i);
                int x = cvRound(p.x), y = cvRound(p.y);
                if (x < 0 || y < 0 || x >= grey.cols || y >= grey.rows) {
                    prof.clear();
                    break;
                }
                prof.push_back(grey.at<uchar>(y, x));
            }
            if (prof.size() < 4)
                continue;
            float maxStep = 0;
            std::vector<float> step(prof.size(), 0.f);
            for (size_t i = 1; i + 1 < prof.size(); ++i) {
                step[i] = prof[i + 1] - prof[i - 1];
                maxStep = std::max(maxStep, step[i]);
            }
            if (maxStep < 12)
                continue;
            // The trailing edge of a letter near the rim is a dark-to-light step too, but paper
            // lies outside it as well: the paper's edge has nothing as bright outside it.
            int pick = -1;
            float outsideMax = prof[0];
            for (size_t i = 1; i + 1 < prof.size(); ++i) {
                const float paper = prof[std::min(prof.size() - 1, i + 2)];
                if (step[i] >= 0.45f * maxStep && step[i] >= step[i - 1] &&
                    step[i] >= step[i + 1] && outsideMax < 0.92f * paper)
                    pick = int(i);
                outsideMax = std::max(outsideMax, prof[i - 1]);
            }
            if (pick >= 0)
                pts.push_back(base + nrm * float(pick - outside));
        }
        if (pts.size() < 8) {
            lines[s] = cv::Vec4f(d.x, d.y, a.x, a.y);
            continue;
        }
        cv::fitLine(pts, lines[s], cv::DIST_HUBER, 0, 0.01, 0.01);
    }
    Quad r;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        r[size_t(i)] = lineIntersection(lines[(i + 3) % 4], lines[i], &ok);
        if (!ok || cv::norm(r[size_t(i)] - c[i]) > 0.06 * cv::norm(q.br() - q.tl()))
            return q;
    }
    return r;
}

// Where print is, and the margins around it: dark strokes on a bright ground (a black-hat
// response), gathered into text blocks and grown by a page margin.
cv::Mat nearPrint(const cv::Mat& grey, const DebugDump& dump) {
    const int side = std::max(grey.cols, grey.rows);
    const int k = std::max(3, (side / 100) | 1);
    cv::Mat hat;
    cv::morphologyEx(grey, hat, cv::MORPH_BLACKHAT,
                     cv::getStructuringElement(cv::MORPH_RECT, cv::Size(k, k)));
    cv::Mat ink = hat > 30;
    cv::Mat density;
    const int win = std::max(5, (side / 40) | 1);
    cv::boxFilter(ink, density, CV_32F, cv::Size(win, win), cv::Point(-1, -1), true);
    cv::Mat text = density > 255 * 0.04;
    const int grow = std::max(5, int(side * 0.06) | 1);
    cv::dilate(text, text, cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(grow, grow)));
    dump.write("near_print", text);
    return text;
}

bool portrait(const Quad& q) {
    const double w = 0.5 * (cv::norm(q.tr() - q.tl()) + cv::norm(q.br() - q.bl()));
    const double h = 0.5 * (cv::norm(q.bl() - q.tl()) + cv::norm(q.br() - q.tr()));
    return w < 0.95 * h;
}

// When only one page stood out from the desk (a desk as bright as paper swallowed the other),
// the outline is a single portrait page. Its partner lies beside it, mirrored across the gutter
// side; the side whose mirror looks like the found page (paper with print) is taken.
Quad completeSpread(const Quad& q, const cv::Mat& grey) {
    if (!portrait(q))
        return q;  // already wider than a page: a spread
    auto stats = [&](const Quad& r, double* mean, double* sd, double* inside) {
        cv::Mat m(grey.size(), CV_8U, cv::Scalar(0));
        const std::vector<cv::Point> poly = r.polygon();
        cv::fillConvexPoly(m, poly, cv::Scalar(255));
        cv::Scalar mu, sigma;
        cv::meanStdDev(grey, mu, sigma, m);
        *mean = mu[0];
        *sd = sigma[0];
        double full = std::fabs(cv::contourArea(poly));
        *inside = full > 0 ? cv::countNonZero(m) / full : 0;
    };
    double pm, ps, pin;
    stats(q, &pm, &ps, &pin);
    const Quad toRight{q.tl(), q.tr() + (q.tr() - q.tl()), q.br() + (q.br() - q.bl()), q.bl()};
    const Quad toLeft{q.tl() - (q.tr() - q.tl()), q.tr(), q.br(), q.bl() - (q.br() - q.bl())};
    const Quad mirrorRight{q.tr(), q.tr() + (q.tr() - q.tl()), q.br() + (q.br() - q.bl()), q.br()};
    const Quad mirrorLeft{q.tl() - (q.tr() - q.tl()), q.tl(), q.bl(), q.bl() - (q.br() - q.bl())};
    double best = 1e9;
    Quad result = q;
    for (int side = 0; side < 2; ++side) {
        double m, sd, in;
        stats(side ? mirrorRight : mirrorLeft, &m, &sd, &in);
        // Mostly in the frame, as bright as the page and with as much print.
        if (in < 0.85 || m < 0.85 * pm || sd < 0.5 * ps)
            continue;
        const double cost = std::fabs(m - pm) / std::max(1.0, pm) + std::fabs(sd - ps) / ps;
        if (cost < best) {
            best = cost;
            result = side ? toRight : toLeft;
        }
    }
    return result.clamped(grey.cols, grey.rows);
}

// Where brightness alone misled (a shadow, a light desk, a picture or cable cutting the
// paper), outlines from straight lines tell better: of the outline found by brightness, the one
// of the nested lines and the best line combination, keeps the one whose sides the photo bears
// out most. Returns whether there is a spread at all.
bool preferLines(const cv::Mat& rgb, const cv::Mat& grey, bool found, Quad& spread, cv::Mat& mask,
                 const DebugDump& dump) {
    const SpreadSearch judge(rgb, grey, dump);
    double best = found ? judge.score(spread) : -1;
    // An outline of lines alone must be borne out along most of its length: a desk's pattern
    // or clutter makes lines too.
    const double minimum = 0.35;
    bool chosen = false;
    Quad candidate;
    double support = 0;
    auto consider = [&](const Quad& q) {
        const double s = judge.score(q);
        if (s >= minimum && s > best) {
            best = s;
            spread = q;
            chosen = true;
        }
    };
    if (SpreadLines(dump).find(grey, candidate, &support))
        consider(candidate);
    if (judge.find(candidate, &support))
        consider(candidate);
    if (!chosen)
        return found;
    cv::Mat filled(grey.size(), CV_8U, cv::Scalar(0));
    cv::fillConvexPoly(filled, spread.polygon(), cv::Scalar(255));
    // The bright paper within the outline keeps the notch the gutter cuts into head and tail.
    mask = found && !mask.empty() ? (mask & filled) : filled;
    return true;
}

}  // namespace

bool SpreadDetector::detect(const cv::Mat& rgb, Quad& left, Quad& right) const {
    const double scale = std::min(1.0, kWorkSide / std::max(rgb.cols, rgb.rows));
    cv::Mat small;
    if (scale < 1.0)
        cv::resize(rgb, small, cv::Size(), scale, scale, cv::INTER_AREA);
    else
        small = rgb;
    if (small.cols < 16 || small.rows < 16)
        return false;
    m_dump.write("small", small);

    Quad spread;
    cv::Mat mask;
    double quality = -1;
    bool found = findSpread(small, cv::Mat(), spread, mask, &quality);
    cv::Mat grey;
    cv::cvtColor(small, grey, cv::COLOR_RGB2GRAY);
    // A desk nearly as bright as paper clings to the pages at every level. Paper around print
    // is then told from desk by the print itself: look again only near the text.
    if (!found || portrait(spread)) {
        Quad gated;
        cv::Mat gatedMask;
        double gatedQuality = -1;
        if (findSpread(small, nearPrint(grey, m_dump), gated, gatedMask, &gatedQuality) &&
            (!found || (gatedQuality >= 1.0 && !portrait(gated)))) {
            spread = gated;
            mask = gatedMask;
            found = true;
        }
    }
    if (found) {
        spread = completeSpread(spread, grey);
        spread = snapToPaper(spread, grey);
    }
    found = preferLines(small, grey, found, spread, mask, m_dump);
    if (!found)
        return false;
    cv::Point2f gTop, gBottom;
    if (!findGutter(grey, mask, spread, gTop, gBottom))
        return false;

    // The two pages need not share straight head and tail lines (each page lies at its own
    // tilt): settle each page's outer sides on its own, keeping the gutter.
    const SpreadLines lines(m_dump);
    Quad l = lines.refinePage(
        grey, snapToPaper({spread.tl(), gTop, gBottom, spread.bl()}, grey, 1, 0.06), 1);
    Quad r = lines.refinePage(
        grey, snapToPaper({gTop, spread.tr(), spread.br(), gBottom}, grey, 3, 0.06), 3);
    // The gutter ends stay shared: each is where the pages' head (tail) lines meet the gutter.
    auto meet = [](const cv::Point2f& a, const cv::Point2f& b) { return (a + b) * 0.5f; };
    const cv::Point2f top = meet(l.tr(), r.tl()), bottom = meet(l.br(), r.bl());
    l[1] = r[0] = top;
    l[2] = r[3] = bottom;
    if (!l.isConvex(64) || !r.isConvex(64))
        return false;
    // Two pages of one book are of similar size; a wildly lopsided split means the "gutter" was
    // something else (a picture edge, a fold).
    const double al = l.area(), ar = r.area();
    if (std::min(al, ar) < 0.25 * std::max(al, ar))
        return false;
    const double inv = 1.0 / scale;
    // Scaling back can put a corner a fraction of a pixel past the border.
    left = l.scaled(inv).clamped(rgb.cols, rgb.rows);
    right = r.scaled(inv).clamped(rgb.cols, rgb.rows);
    if (m_dump.enabled()) {
        cv::Mat shown = small.clone();
        for (const Quad& q : {l, r})
            cv::polylines(shown, q.polygon(), true, cv::Scalar(255, 0, 0), 2);
        m_dump.write("pages", shown);
    }
    return true;
}

bool SpreadDetector::findSpread(const cv::Mat& small, const cv::Mat& gate, Quad& spread,
                                cv::Mat& maskOut, double* quality) const {
    cv::Mat grey;
    cv::cvtColor(small, grey, cv::COLOR_RGB2GRAY);
    cv::GaussianBlur(grey, grey, cv::Size(3, 3), 0);
    // Paper is bright and nearly colourless; wood, cloth and most covers are not.
    std::vector<cv::Mat> ch;
    cv::split(small, ch);
    cv::Mat hi = cv::max(cv::max(ch[0], ch[1]), ch[2]);
    cv::Mat lo = cv::min(cv::min(ch[0], ch[1]), ch[2]);
    cv::Mat sat = hi - lo;
    // Old or recycled paper is cream to yellowish: allow some colour in proportion to the
    // brightness, which a saturated desk or cover does not reach.
    cv::Mat hiF;
    hi.convertTo(hiF, CV_32F, 0.28);
    cv::Mat satF;
    sat.convertTo(satF, CV_32F);
    cv::Mat colourless = (satF < 45) | (satF < hiF);
    if (!gate.empty())
        colourless &= gate;

    cv::Mat tmp;
    double otsu = cv::threshold(grey, tmp, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    const int W = small.cols, H = small.rows;
    const double imageArea = double(W) * H;
    const int k = std::max(3, int(std::lround(std::max(W, H) * 0.012)) | 1);
    cv::Mat closeKernel = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(k, k));
    cv::Mat openKernel = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(5, 5));

    // On a light desk the desk joins the paper at Otsu's level; raise the level until the paper
    // stands alone (it is nearly always the brightest large thing in the picture).
    double bestFill = -1;
    for (double t = std::max(60.0, otsu); t < 245; t += 10) {
        cv::Mat mask = (grey > t) & colourless;
        cv::morphologyEx(mask, mask, cv::MORPH_CLOSE, closeKernel);
        cv::morphologyEx(mask, mask, cv::MORPH_OPEN, openKernel);
        m_dump.write("raw_" + std::to_string(int(t)), mask);
        cv::Mat labels, stats, centroids;
        int n = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S);
        int best = -1;
        double bestArea = 0;
        for (int i = 1; i < n; ++i) {
            double area = stats.at<int>(i, cv::CC_STAT_AREA);
            if (area > bestArea) {
                bestArea = area;
                best = i;
            }
        }
        if (best < 0 || bestArea < 0.08 * imageArea)
            break;  // higher levels only shrink the paper further
        // A deep gutter shadow can cut the spread in two: take the other page too when it is of
        // similar size and sits beside the first.
        cv::Rect box(stats.at<int>(best, cv::CC_STAT_LEFT), stats.at<int>(best, cv::CC_STAT_TOP),
                     stats.at<int>(best, cv::CC_STAT_WIDTH),
                     stats.at<int>(best, cv::CC_STAT_HEIGHT));
        cv::Mat comp = labels == best;
        double compArea = bestArea;
        // Grow the union with pieces beside or within it: the other page, or a page cut in two
        // by a wide figure. Pieces that reach the frame's edge are desk, not book.
        std::vector<char> taken(size_t(n), 0);
        taken[size_t(best)] = 1;
        for (bool grew = true; grew;) {
            grew = false;
            cv::Rect reach(box.x - int(0.15 * W), box.y - int(0.02 * H), box.width + int(0.3 * W),
                           box.height + int(0.04 * H));
            for (int i = 1; i < n; ++i) {
                if (taken[size_t(i)] || stats.at<int>(i, cv::CC_STAT_AREA) < 0.02 * imageArea)
                    continue;
                cv::Rect b(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                           stats.at<int>(i, cv::CC_STAT_WIDTH),
                           stats.at<int>(i, cv::CC_STAT_HEIGHT));
                const bool atEdge = b.x <= 1 || b.y <= 1 || b.br().x >= W - 1 || b.br().y >= H - 1;
                const int overlapY = std::min(box.br().y, b.br().y) - std::max(box.y, b.y);
                if (atEdge || (b & reach).area() == 0 || overlapY < 0.5 * b.height)
                    continue;
                taken[size_t(i)] = 1;
                comp |= labels == i;
                compArea += stats.at<int>(i, cv::CC_STAT_AREA);
                box |= b;
                grew = true;
            }
        }
        int x = box.x, y = box.y, w = box.width, h = box.height;
        int touching = (x <= 1) + (y <= 1) + (x + w >= W - 1) + (y + h >= H - 1);
        // A book cut by one or two frame edges is still a book; the desk touches three or four.
        if (touching >= 3 || compArea > 0.92 * imageArea)
            continue;
        std::vector<std::vector<cv::Point>> contours;
        cv::findContours(comp, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
        if (contours.empty())
            continue;
        std::vector<cv::Point> outline;
        for (const auto& c : contours)
            outline.insert(outline.end(), c.begin(), c.end());
        std::vector<cv::Point> hull;
        cv::convexHull(outline, hull);
        const double perimeter = cv::arcLength(hull, true);
        std::vector<cv::Point> approx;
        for (double eps = 0.01; eps < 0.2; eps += 0.01) {
            cv::approxPolyDP(hull, approx, eps * perimeter, true);
            if (approx.size() <= 4)
                break;
        }
        // A book's outline is a quadrilateral; a blob that is not roughly one is not a book.
        if (approx.size() != 4)
            continue;
        Quad q = Quad::ordered({cv::Point2f(approx[0]), cv::Point2f(approx[1]),
                                cv::Point2f(approx[2]), cv::Point2f(approx[3])});
        q = refineSides(q, outline, std::max(2.0, std::max(W, H) * 0.004));
        const double quadArea = q.area();
        // The blob must fill its outline (a spread, not a ring or a scatter of bright things).
        if (!q.isConvex(0.05 * imageArea) || compArea < 0.8 * quadArea)
            continue;
        // Of all levels, keep the largest paper that fills its outline well: a desk that still
        // clings to the pages bulges the outline and leaves it half empty, while too high a level
        // loses the dimmer page. Without a well-filled outline, the best-filled one.
        // The gutter shadow between the pages is part of the book: close it before measuring
        // how well the paper fills its outline.
        cv::Mat bridged;
        cv::morphologyEx(
            comp, bridged, cv::MORPH_CLOSE,
            cv::getStructuringElement(cv::MORPH_RECT, cv::Size(std::max(3, W / 10) | 1, 1)));
        double fillRatio = cv::countNonZero(bridged) / quadArea;
        if (fillRatio > 1.03)
            continue;  // the outline cuts through the paper: a poor fit
        if (m_dump.enabled()) {
            cv::Mat shown;
            cv::cvtColor(comp, shown, cv::COLOR_GRAY2RGB);
            cv::polylines(shown, q.polygon(), true, cv::Scalar(255, 0, 0), 2);
            m_dump.write(
                "level_" + std::to_string(int(t)) + "_fill_" + std::to_string(int(fillRatio * 100)),
                shown);
        }
        double score = fillRatio >= 0.93 ? 1.0 + compArea / imageArea : fillRatio;
        if (score > bestFill) {
            bestFill = score;
            spread = q;
            maskOut = comp;
        }
        // The paper only shrinks as the level rises, so the first well-filled outline is the
        // largest one there will be.
        if (fillRatio >= 0.93)
            break;
    }
    if (bestFill < 0)
        return false;
    *quality = bestFill;
    m_dump.write("paper_mask", maskOut);
    return true;
}

bool SpreadDetector::findGutter(const cv::Mat& grey, const cv::Mat& mask, const Quad& spread,
                                cv::Point2f& top, cv::Point2f& bottom) const {
    // Look at the spread straightened to a rectangle, so "columns" follow the spine.
    const int RW = 512, RH = 384;
    const cv::Point2f src[4] = {spread.tl(), spread.tr(), spread.br(), spread.bl()};
    const cv::Point2f dst[4] = {{0, 0}, {RW - 1.f, 0}, {RW - 1.f, RH - 1.f}, {0, RH - 1.f}};
    cv::Mat Hm = cv::getPerspectiveTransform(src, dst);
    cv::Mat rect, rectMask;
    cv::warpPerspective(grey, rect, Hm, cv::Size(RW, RH), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    cv::warpPerspective(mask, rectMask, Hm, cv::Size(RW, RH), cv::INTER_NEAREST);
    m_dump.write("spread_rectified", rect);

    // The paper's own brightness per column (a high percentile ignores the print), in the upper
    // and lower halves separately, so a spine that is not quite parallel to the sides is followed.
    // Over the whole height a higher one: the gutter darkens every row, while a picture or a cast
    // shadow leaves some paper in its column bright.
    auto columnProfile = [&](int y0, int y1, int percent) {
        std::vector<float> prof(RW);
        std::vector<uchar> col;
        for (int x = 0; x < RW; ++x) {
            col.clear();
            for (int y = y0; y < y1; ++y)
                col.push_back(rect.at<uchar>(y, x));
            size_t k = col.size() * size_t(percent) / 100;
            std::nth_element(col.begin(), col.begin() + k, col.end());
            prof[x] = col[k];
        }
        return Profile::smooth(prof, 3);
    };
    std::vector<float> whole = columnProfile(RH / 10, RH * 9 / 10, 95);
    const int lo = RW * 3 / 10, hi = RW * 7 / 10;
    // The gutter is darker than the paper on both sides of it. Measured against the brighter
    // paper nearby on each side, the edge of a cast shadow or of a wide picture (dark on one side
    // only) is no valley. The fold itself is a narrow crease within the wider shading, which
    // tells it from a shadow that merely happens to be darkest a little beside it.
    auto relativeDip = [&](int reach) {
        std::vector<float> d = Profile::dip(whole, reach);
        for (size_t x = 0; x < d.size(); ++x)
            d[x] /= std::max(1.f, whole[x] + d[x]);
        return d;
    };
    const std::vector<float> wide = relativeDip(RW / 6), crease = relativeDip(RW / 40);
    // The two pages are of one size, so the gutter lies near the middle of the straightened
    // spread; a dark column far from it is more likely a picture's edge than the binding.
    std::vector<float> cost(whole.size());
    for (size_t x = 0; x < whole.size(); ++x)
        cost[x] = 1.f - wide[x] - crease[x] + kGutterOffCentre * std::fabs(float(x) / RW - 0.5f);
    int g = Profile::valley(cost, lo, hi);
    bool shadow = wide[size_t(g)] > 0.07f;

    // The notch the bend cuts into head and tail: how far the paper starts from the outline.
    std::vector<float> notch(RW, 0.f);
    std::vector<int> firstRow(RW, 0), lastRow(RW, RH - 1);
    for (int x = 0; x < RW; ++x) {
        int y0 = 0;
        while (y0 < RH / 4 && !rectMask.at<uchar>(y0, x))
            ++y0;
        int y1 = RH - 1;
        while (y1 > RH * 3 / 4 && !rectMask.at<uchar>(y1, x))
            --y1;
        firstRow[x] = y0;
        lastRow[x] = y1;
        notch[x] = float(y0 + (RH - 1 - y1));
    }
    std::vector<float> notchS = Profile::smooth(notch, 2);
    if (!shadow) {
        // A notch deeper than at the spread's outer edge, and more than a few pixels deep.
        const int n = Profile::peak(notchS, lo, hi);
        if (notchS[size_t(n)] > notchS[0] && notchS[size_t(n)] > 3)
            g = n;
        else
            g = RW / 2;  // a flat book under glass: split in the middle of the spread
    }

    int gTop = g, gBot = g;
    if (shadow) {
        const int win = RW / 20;
        std::vector<float> upper = columnProfile(RH / 10, RH / 2, 85);
        std::vector<float> lower = columnProfile(RH / 2, RH * 9 / 10, 85);
        // A valley with brighter paper on both sides: the edge of a dark picture beside the
        // gutter is darker still on one side only.
        auto fold = [&](const std::vector<float>& half) {
            const int from = std::max(lo, g - win), to = std::min(hi, g + win);
            const std::vector<float> d = Profile::dip(half, RW / 40);
            const int darkest = Profile::valley(half, from, to);
            if (d[size_t(darkest)] > 0)
                return darkest;
            const int x = Profile::peak(d, from, to);
            return d[size_t(x)] > 0 ? x : g;
        };
        gTop = fold(upper);
        gBot = fold(lower);
    }
    // The gutter corner sits at the bottom of the notch, not on the straight outline.
    // The gutter column itself may be all shadow; the paper on either side of it, where the
    // page edges reach down into the notch, gives the depth.
    auto notchDepth = [&](const std::vector<int>& rows, int x, bool fromTop) {
        auto hasPaper = [&](int xx) { return fromTop ? rows[xx] < RH / 4 : rows[xx] > RH * 3 / 4; };
        int best = fromTop ? 0 : RH - 1;
        const int reach = RW / 20;
        for (int dir = -1; dir <= 1; dir += 2) {
            for (int d = 0; d <= reach; ++d) {
                int xx = std::clamp(x + dir * d, 0, RW - 1);
                if (!hasPaper(xx))
                    continue;
                best = fromTop ? std::max(best, rows[xx]) : std::min(best, rows[xx]);
                break;
            }
        }
        return best;
    };
    float yTop = float(notchDepth(firstRow, gTop, true));
    float yBot = float(notchDepth(lastRow, gBot, false));
    // Deeper than a real notch: the shadow, not the paper's edge, ended the paper there.
    if (yTop > RH * 0.05f)
        yTop = 0;
    if (yBot < RH * 0.95f)
        yBot = RH - 1.f;

    cv::Mat Hinv = Hm.inv();
    std::vector<cv::Point2f> in = {{float(gTop), yTop}, {float(gBot), yBot}}, out;
    cv::perspectiveTransform(in, out, Hinv);
    top = out[0];
    bottom = out[1];
    if (m_dump.enabled()) {
        cv::Mat plot(RH, RW, CV_8UC1, cv::Scalar(0));
        for (int x = 1; x < RW; ++x)
            cv::line(plot, cv::Point(x - 1, RH - 1 - int(whole[x - 1] * RH / 256)),
                     cv::Point(x, RH - 1 - int(whole[x] * RH / 256)), cv::Scalar(255));
        cv::line(plot, cv::Point(g, 0), cv::Point(g, RH - 1), cv::Scalar(128));
        m_dump.write("gutter_profile", plot);
    }
    return true;
}

}  // namespace bookproc
