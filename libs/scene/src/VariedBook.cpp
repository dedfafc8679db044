// An open book in the varied scenes: the two pages rise from the gutter over a stack of sheets
// on the cover board; the curved pages are drawn as narrow flat strips.

#include "VariedParts.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace scene {

using namespace varied;

namespace {

struct Book {
    double pw = 150, ph = 220;                 // one page, mm
    double stack = 15, dip = 0.6, decay = 20;  // page height above the desk and its fall
    cv::Point2d centre;
    double rot = 0;
    double cover = 5;  // how far the cover board shows around the pages

    // Height of the page surface above the desk at distance u (mm) from the gutter.
    double z(double u) const { return stack * (1 - dip * std::exp(-std::abs(u) / decay)); }
    cv::Vec3d world(double u, double v, double height) const {
        const double a = rot * CV_PI / 180, ca = std::cos(a), sa = std::sin(a);
        return cv::Vec3d(centre.x + u * ca - v * sa, centre.y + u * sa + v * ca, -height);
    }
};

std::vector<cv::Point2f> coverOutline(const Camera& cam, const Book& b) {
    const double w = b.pw + b.cover, h = b.ph / 2 + b.cover;
    return {cam.project(b.world(-w, -h, 0)), cam.project(b.world(w, -h, 0)),
            cam.project(b.world(w, h, 0)), cam.project(b.world(-w, h, 0))};
}

std::array<cv::Point2f, 4> pageOutline(const Camera& cam, const Book& b, int side) {
    const double outer = side * b.pw, zo = b.z(b.pw), zg = b.z(0);
    const cv::Point2f go = cam.project(b.world(0, -b.ph / 2, zg)),
                      gb = cam.project(b.world(0, b.ph / 2, zg)),
                      oo = cam.project(b.world(outer, -b.ph / 2, zo)),
                      ob = cam.project(b.world(outer, b.ph / 2, zo));
    if (side < 0)
        return {oo, go, gb, ob};
    return {go, oo, ob, gb};
}

void fillPoly(cv::Mat& frame, const std::vector<cv::Point2f>& pts, cv::Scalar colour) {
    std::vector<cv::Point2f> hull;
    cv::convexHull(pts, hull);
    std::vector<cv::Point> p;
    for (const auto& q : hull)
        p.emplace_back(cvRound(q.x), cvRound(q.y));
    cv::fillConvexPoly(frame, p, colour, cv::LINE_AA);
}

// The sheets' edges at the outer side, head and tail: the block below each page.
void drawStack(cv::Mat& frame, const Camera& cam, const Book& b, int side, cv::Scalar paper) {
    std::vector<cv::Point2f> pts;
    for (double v : {-b.ph / 2, b.ph / 2})
        for (double u : {0.0, side * b.pw}) {
            pts.push_back(cam.project(b.world(u, v, 0)));
            pts.push_back(cam.project(b.world(u, v, b.z(u))));
        }
    fillPoly(frame, pts, paper * 0.85);
    // A few sheet lines along the outer edge, seen on the stack's side.
    for (int i = 1; i < 6; ++i) {
        const double h = b.z(b.pw) * i / 6.0;
        cv::line(frame, cam.project(b.world(side * b.pw, -b.ph / 2, h)),
                 cam.project(b.world(side * b.pw, b.ph / 2, h)), paper * 0.7, 1, cv::LINE_AA);
    }
}

void drawPage(cv::Mat& frame, const Camera& cam, const Book& b, int side, const cv::Mat& content,
              double gutterShade, double shadeWidth) {
    const int n = 28;
    const double ppm = content.cols / b.pw;
    for (int i = 0; i < n; ++i) {
        // Strips are narrow near the gutter, where the page bends most.
        const double u0 = b.pw * std::pow(double(i) / n, 1.7),
                     u1 = b.pw * std::pow(double(i + 1) / n, 1.7);
        // Content column of distance u from the gutter.
        auto col = [&](double u) { return side < 0 ? (b.pw - u) * ppm : u * ppm; };
        const int grow = 2;
        int x0 = int(std::floor(std::min(col(u0), col(u1)))) - grow,
            x1 = int(std::ceil(std::max(col(u0), col(u1)))) + grow;
        x0 = std::max(0, x0);
        x1 = std::min(content.cols, x1);
        if (x1 - x0 < 2)
            continue;
        cv::Mat strip = content(cv::Rect(x0, 0, x1 - x0, content.rows)).clone();
        // Darker where the page bends away from the lamp into the gutter.
        for (int x = 0; x < strip.cols; ++x) {
            const double u = side < 0 ? b.pw - (x0 + x + 0.5) / ppm : (x0 + x + 0.5) / ppm;
            const double k = 1 - gutterShade * std::exp(-u / shadeWidth);
            cv::Mat column = strip.col(x);
            column *= k;
        }
        auto uOf = [&](double x) { return side < 0 ? b.pw - x / ppm : x / ppm; };
        const double ua = uOf(x0 - 0.5), ub = uOf(x1 - 0.5);
        const cv::Point2f src[4] = {{-0.5f, -0.5f},
                                    {strip.cols - 0.5f, -0.5f},
                                    {strip.cols - 0.5f, strip.rows - 0.5f},
                                    {-0.5f, strip.rows - 0.5f}};
        const double ea = side * ua, eb = side * ub;
        const cv::Point2f dst[4] = {cam.project(b.world(ea, -b.ph / 2, b.z(ua))),
                                    cam.project(b.world(eb, -b.ph / 2, b.z(ub))),
                                    cam.project(b.world(eb, b.ph / 2, b.z(ub))),
                                    cam.project(b.world(ea, b.ph / 2, b.z(ua)))};
        paste(frame, strip, cv::Mat(), cv::getPerspectiveTransform(src, dst), 0);
    }
}

}  // namespace

VariedScene renderVariedBook(uint32_t seed, const PhotoLibrary& photos, int width, int height) {
    Rng rng(seed * 3266489917u + 101u);
    VariedScene s;
    Book b;
    b.pw = uni(rng, 120, 180);
    b.ph = b.pw * uni(rng, 1.3, 1.55);
    b.stack = uni(rng, 6, 30);
    b.dip = uni(rng, 0.3, 0.95);
    b.decay = uni(rng, 8, 30);
    b.cover = uni(rng, 2, 7);
    b.rot = uni(rng, 0, 1) < 0.8 ? uni(rng, -12, 12) : uni(rng, -30, 30);
    const double field = std::max(2 * b.pw + 30, (b.ph + 30) / 0.75) * uni(rng, 1.05, 1.35);
    Camera cam = randomCamera(rng, width, height, field, 12);
    bool lightDesk = false;
    cv::Vec3b deskColour;
    s.rgb = makeDesk(rng, photos, cv::Size(width, height), &lightDesk, &deskColour);
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (attempt % 40 == 39) {
            cam.height *= 1.06;
            cam.centre *= 1.06;
        }
        b.centre = cam.deskAt(
            cv::Point2f(float(uni(rng, 0.4, 0.6) * width), float(uni(rng, 0.4, 0.6) * height)));
        auto o = coverOutline(cam, b);
        for (int side : {-1, 1})
            for (const auto& p : pageOutline(cam, b, side))
                o.push_back(p);
        if (!leavesFrame(o, cv::Size(width - 10, height - 10)) &&
            std::all_of(o.begin(), o.end(), [](cv::Point2f p) { return p.x > 10 && p.y > 10; }))
            break;
    }
    const bool lightCover = uni(rng, 0, 1) < 0.4;
    const cv::Scalar cover =
        lightCover ? cv::Scalar(uni(rng, 200, 245), uni(rng, 195, 240), uni(rng, 180, 235))
                   : cv::Scalar(uni(rng, 10, 160), uni(rng, 10, 160), uni(rng, 10, 160));
    fillPoly(s.rgb, coverOutline(cam, b), cover);
    cv::Vec3b paper(uchar(uni(rng, 232, 252)), 0, 0);
    paper[1] = uchar(paper[0] - uni(rng, 0, 8));
    paper[2] = uchar(paper[0] - uni(rng, 0, 25));
    const double ppm = std::min(7.0, cam.pxPerMm() * 1.2);
    const double shade = uni(rng, 0.15, 0.6), shadeWidth = uni(rng, 4, 18);
    for (int side : {-1, 1}) {
        drawStack(s.rgb, cam, b, side, cv::Scalar(paper));
        const cv::Mat content = pageTexture(rng, photos, b.pw, b.ph, ppm, paper);
        drawPage(s.rgb, cam, b, side, content, shade, shadeWidth);
    }
    const auto l = pageOutline(cam, b, -1), r = pageOutline(cam, b, 1);
    s.truth.hasObject = true;
    s.truth.left = l;
    s.truth.right = r;
    s.truth.aspect = b.pw / b.ph;
    if (lightDesk)
        s.truth.traits += " light-desk";
    if (lightCover)
        s.truth.traits += " light-cover";
    std::vector<cv::Point2f> spread = {l[0], r[1], r[2], l[3]};
    if (uni(rng, 0, 1) < 0.4) {
        drawClutter(rng, s.rgb, coverOutline(cam, b), cam.pxPerMm(), false);
        s.truth.traits += " clutter";
    }
    finishPhoto(rng, s.rgb, spread, s.truth.traits);
    return s;
}

}  // namespace scene
