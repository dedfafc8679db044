#include "scene/Scene.h"

#include "Textures.h"
#include "scene/SceneBuildingBlocks.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <random>

namespace scene {

namespace {

std::array<cv::Point2f, 4> objectCorners(const Params& p) {
    const cv::Matx33d h = deskToImage(p);
    const double a = p.rotationDeg * CV_PI / 180.0, ca = std::cos(a), sa = std::sin(a);
    const double hw = p.objectWidthMm / 2, hh = p.objectHeightMm / 2;
    const cv::Point2d local[4] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
    std::array<cv::Point2f, 4> out;
    for (int i = 0; i < 4; ++i) {
        const double x = p.centerMm.x + local[i].x * ca - local[i].y * sa;
        const double y = p.centerMm.y + local[i].x * sa + local[i].y * ca;
        const cv::Vec3d v = h * cv::Vec3d(x, y, 1);
        out[size_t(i)] = cv::Point2f(float(v[0] / v[2] - 0.0), float(v[1] / v[2]));
    }
    return out;
}

// How far the object pokes out of the frame, in pixels (0 when fully inside with the margin).
double overshoot(const Params& p, double margin) {
    double worst = 0;
    for (const auto& c : objectCorners(p)) {
        worst = std::max({worst, margin - c.x, c.x - (p.width - 1 - margin), margin - c.y,
                          c.y - (p.height - 1 - margin)});
    }
    return worst;
}

std::string randomQrText(std::mt19937& rng) {
    std::uniform_int_distribution<int> kind(0, 3), len(4, 40), digit(0, 9), letter(0, 25);
    std::string s;
    switch (kind(rng)) {
        case 0:
            s = "INV-";
            for (int i = 0; i < 8; ++i)
                s += char('0' + digit(rng));
            break;
        case 1:
            s = "https://example.org/doc/";
            for (int i = len(rng) / 2; i > 0; --i)
                s += char('a' + letter(rng));
            break;
        case 2:  // Latin-1 letters beyond ASCII, as in names on forms
            s = "Dossier M\xC3\xBCller \xC3\x89tude ";
            for (int i = 0; i < 4; ++i)
                s += char('0' + digit(rng));
            break;
        default:
            for (int i = len(rng); i > 0; --i)
                s += char(digit(rng) < 8 ? 'A' + letter(rng) : ' ');
            s += char('0' + digit(rng));
    }
    return s;
}

}  // namespace

Params randomParams(Object object, uint32_t seed, int width, int height) {
    std::mt19937 rng(seed * 2654435761u + uint32_t(object) * 97u + 1u);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    Params p;
    p.object = object;
    p.width = std::max(1, width);
    p.height = std::max(1, height);
    p.seed = seed;

    const double d = u(rng);
    p.desk = d < 0.35 ? Desk::Light : d < 0.55 ? Desk::Dark : d < 0.8 ? Desk::Wood : Desk::Pattern;
    p.deskVariant = int(u(rng) * 6);
    switch (p.desk) {
        case Desk::Light: {
            const int g = 165 + int(u(rng) * 60);
            p.deskColor = cv::Vec3b(uchar(g), uchar(g - u(rng) * 12), uchar(g - u(rng) * 25));
            break;
        }
        case Desk::Dark: {
            const int g = 20 + int(u(rng) * 55);
            p.deskColor = cv::Vec3b(uchar(g), uchar(g + u(rng) * 8), uchar(g + u(rng) * 10));
            break;
        }
        case Desk::Wood:
            p.deskColor = cv::Vec3b(uchar(150 + u(rng) * 70), uchar(95 + u(rng) * 60),
                                    uchar(50 + u(rng) * 50));
            break;
        case Desk::Pattern:
            p.deskColor = cv::Vec3b(uchar(u(rng) * 255), uchar(u(rng) * 255), uchar(u(rng) * 255));
            break;
    }

    switch (object) {
        case Object::Card:
            p.objectWidthMm = 85.6, p.objectHeightMm = 54.0;
            break;
        case Object::Document:
        case Object::QrSheet:
        case Object::EmptyDesk: {
            const double s = u(rng);
            if (s < 0.5)
                p.objectWidthMm = 210, p.objectHeightMm = 297;  // A4
            else if (s < 0.7)
                p.objectWidthMm = 215.9, p.objectHeightMm = 279.4;  // Letter
            else if (s < 0.85)
                p.objectWidthMm = 148, p.objectHeightMm = 210;  // A5
            else
                p.objectWidthMm = 176, p.objectHeightMm = 250;  // B5
            if (u(rng) < 0.2)
                std::swap(p.objectWidthMm, p.objectHeightMm);
        }
    }
    if (u(rng) < 0.12) {
        const int t = int(u(rng) * 3);  // tinted paper
        p.paperColor = t == 0   ? cv::Vec3b(250, 243, 200)
                       : t == 1 ? cv::Vec3b(215, 232, 245)
                                : cv::Vec3b(245, 222, 228);
    } else {
        const int g = 232 + int(u(rng) * 22);
        p.paperColor = cv::Vec3b(uchar(std::min(255, g)), uchar(std::min(255, g)),
                                 uchar(std::min(255, g - int(u(rng) * 8))));
    }
    p.stamp = u(rng) < 0.5;
    p.photo = u(rng) < 0.3;
    if (object == Object::QrSheet) {
        const int n = u(rng) < 0.1 ? 5 + int(u(rng) * 4) : 1 + int(u(rng) * 4);
        for (int i = 0; i < n; ++i)
            p.qrTexts.push_back(randomQrText(rng));
        p.qrSizeMm = 18 + 17 * u(rng);
    }

    // Mostly in-plane rotations near upright, but any angle occurs.
    p.rotationDeg = u(rng) < 0.6 ? (u(rng) - 0.5) * 30.0 : u(rng) * 360.0;
    if (u(rng) < 0.5) {
        p.tiltXDeg = (u(rng) - 0.5) * 14.0;
        p.tiltYDeg = (u(rng) - 0.5) * 14.0;
    }
    p.cameraHeightMm = 330 + 150 * u(rng);
    p.fieldWidthMm = object == Object::Card ? 200 + 260 * u(rng) : 380 + 100 * u(rng);

    p.lightUnevenness = 0.05 + 0.35 * u(rng);
    p.lightCenter = cv::Point2d(u(rng) * 1.2 - 0.1, u(rng) * 1.2 - 0.1);
    p.castShadow = u(rng) < 0.3;
    p.shadowDepth = 0.15 + 0.3 * u(rng);
    p.noiseSigma = 1.5 + 4.5 * u(rng);
    p.blurSigma = 0.5 + 1.1 * u(rng);
    p.dropShadow = 0.12 * u(rng);

    // Place the object: inside the frame, or in one photo out of eight slightly cut by an edge.
    const double spanX = p.width * p.fieldWidthMm / p.width * 0.5,
                 spanY = spanX * p.height / p.width;
    const double margin = p.width * 0.01;
    for (int attempt = 0; attempt < 200; ++attempt) {
        p.centerMm = cv::Point2d((u(rng) - 0.5) * spanX, (u(rng) - 0.5) * spanY);
        if (overshoot(p, margin) <= 0)
            break;
        if (attempt % 20 == 19)
            p.fieldWidthMm *= 1.06;  // the object does not fit: zoom out
    }
    if (object != Object::EmptyDesk && u(rng) < 0.125) {
        const double dir = u(rng) * 2 * CV_PI;
        const double limit = 0.03 * std::max(p.width, p.height) * 0.3;
        for (int i = 0; i < 400 && overshoot(p, 0) < limit; ++i)
            p.centerMm += cv::Point2d(std::cos(dir), std::sin(dir)) * 0.5;
    }
    return p;
}

Scene render(const Params& in) {
    Params p = in;
    p.width = std::max(1, p.width);
    p.height = std::max(1, p.height);
    // A hand nearby or a breath of air: a few millimetres of drift and a fraction of a degree.
    p.centerMm += cv::Point2d(1.5 * std::sin(p.time * 1.3), 1.2 * std::sin(p.time * 0.9 + 1.0));
    p.rotationDeg += 0.3 * std::sin(p.time * 0.7);

    Scene s;
    s.rgb = renderDesk(p);
    if (p.object != Object::EmptyDesk) {
        const double ppm = focalPixels(p) / p.cameraHeightMm * 1.1;
        cv::Mat alpha, tex;
        if (p.object == Object::Card)
            tex = cardTexture(p, ppm, alpha);
        if (p.object == Object::Document)
            tex = p.printedFace.empty() ? documentTexture(p, ppm) : p.printedFace;
        if (p.object == Object::QrSheet)
            tex = qrSheetTexture(p, ppm);
        const cv::Matx33d t =
            deskToImage(p) * textureToDesk(tex.cols, tex.rows, p.objectWidthMm, p.objectHeightMm,
                                           p.centerMm, p.rotationDeg);
        composite(s.rgb, tex, alpha, t, p.dropShadow);
        s.truth.hasObject = true;
        s.truth.corners = objectCorners(p);
        s.truth.widthMm = p.objectWidthMm;
        s.truth.heightMm = p.objectHeightMm;
        s.truth.aspect = p.objectWidthMm / p.objectHeightMm;
        if (p.object == Object::QrSheet)
            s.truth.qrTexts = p.qrTexts;
    } else {
        // An empty desk is rarely empty: a pen and a coin, neither of them a page.
        std::mt19937 rng(p.seed * 40503u + 17u);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        const double ppm = focalPixels(p) / p.cameraHeightMm;
        if (u(rng) < 0.6) {
            const cv::Point a(int(u(rng) * p.width), int(u(rng) * p.height));
            const double ang = u(rng) * CV_PI;
            const cv::Point b =
                a + cv::Point(int(140 * ppm * std::cos(ang)), int(140 * ppm * std::sin(ang)));
            cv::line(s.rgb, a, b, cv::Scalar(30, 40, 120), std::max(1, int(9 * ppm)), cv::LINE_AA);
        }
        if (u(rng) < 0.5) {
            const cv::Point c(int(u(rng) * p.width), int(u(rng) * p.height));
            cv::circle(s.rgb, c, std::max(1, int(12 * ppm)), cv::Scalar(190, 160, 90), cv::FILLED,
                       cv::LINE_AA);
        }
    }
    finish(s.rgb, p);
    return s;
}

double quadIoU(const std::array<cv::Point2f, 4>& a, const std::array<cv::Point2f, 4>& b, int width,
               int height) {
    const std::vector<cv::Point2f> frame = {{-0.5f, -0.5f},
                                            {width - 0.5f, -0.5f},
                                            {width - 0.5f, height - 0.5f},
                                            {-0.5f, height - 0.5f}};
    auto clip = [&](const std::array<cv::Point2f, 4>& q) {
        std::vector<cv::Point2f> hull, pts(q.begin(), q.end()), out;
        cv::convexHull(pts, hull);
        if (hull.size() < 3 || cv::contourArea(hull) < 1e-3)
            return out;
        cv::intersectConvexConvex(hull, frame, out, true);
        return out;
    };
    const auto ca = clip(a), cb = clip(b);
    if (ca.size() < 3 || cb.size() < 3)
        return 0.0;
    std::vector<cv::Point2f> inter;
    const double i = cv::intersectConvexConvex(ca, cb, inter, true);
    const double area = cv::contourArea(ca) + cv::contourArea(cb) - std::max(0.0, i);
    return area > 0 ? std::max(0.0, i) / area : 0.0;
}

cv::Mat flatObject(const Scene& s) {
    const auto& c = s.truth.corners;
    if (!s.truth.hasObject || s.truth.widthMm <= 0 || s.truth.heightMm <= 0)
        return {};
    const double ppm = cv::norm(c[1] - c[0]) / s.truth.widthMm;
    const cv::Size size(std::max(1, int(s.truth.widthMm * ppm)),
                        std::max(1, int(s.truth.heightMm * ppm)));
    const cv::Point2f dst[4] = {{0, 0},
                                {float(size.width - 1), 0},
                                {float(size.width - 1), float(size.height - 1)},
                                {0, float(size.height - 1)}};
    cv::Mat flat;
    cv::warpPerspective(s.rgb, flat, cv::getPerspectiveTransform(c.data(), dst), size,
                        cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return flat;
}

}  // namespace scene
