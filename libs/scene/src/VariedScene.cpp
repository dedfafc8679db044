#include "scene/VariedScene.h"

#include "VariedParts.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace scene {

using namespace varied;

namespace {

cv::Vec3b paperColour(Rng& rng) {
    const double k = uni(rng, 0, 1);
    if (k < 0.55) {
        const int g = int(uni(rng, 238, 256));
        return cv::Vec3b(uchar(std::min(255, g)), uchar(std::min(255, g)),
                         uchar(std::min(255, g - int(uni(rng, 0, 6)))));
    }
    if (k < 0.7)
        return cv::Vec3b(242, 236, 222);  // off-white
    if (k < 0.82)
        return cv::Vec3b(246, 236, 206);  // cream
    if (k < 0.9)
        return cv::Vec3b(226, 226, 220);  // recycled grey
    const cv::Vec3b tints[] = {{250, 243, 195}, {212, 230, 246}, {246, 220, 228}};
    return tints[int(uni(rng, 0, 3))];
}

std::vector<cv::Point2f> objectCorners(const Camera& cam, double wMm, double hMm, cv::Point2d c,
                                       double rotDeg) {
    const double a = rotDeg * CV_PI / 180, ca = std::cos(a), sa = std::sin(a);
    const cv::Point2d local[4] = {
        {-wMm / 2, -hMm / 2}, {wMm / 2, -hMm / 2}, {wMm / 2, hMm / 2}, {-wMm / 2, hMm / 2}};
    std::vector<cv::Point2f> out;
    for (const auto& l : local)
        out.push_back(
            cam.project(cv::Vec3d(c.x + l.x * ca - l.y * sa, c.y + l.x * sa + l.y * ca, 0)));
    return out;
}

// Where the object lies: fully in the frame with a small margin, or (edge) poking out of it.
bool place(Rng& rng, Camera& cam, double wMm, double hMm, bool edge, cv::Point2d* centre,
           double* rotDeg) {
    const cv::Size f(cam.width, cam.rows);
    const double margin = 0.01 * f.width;
    for (int attempt = 0; attempt < 400; ++attempt) {
        if (attempt % 40 == 39) {  // it does not fit: the camera goes up a little
            cam.height *= 1.06;
            cam.centre *= 1.06;
        }
        *rotDeg = uni(rng, 0, 1) < 0.6 ? uni(rng, -15, 15) : uni(rng, 0, 360);
        const cv::Point2f pix(float(uni(rng, 0.25, 0.75) * f.width),
                              float(uni(rng, 0.25, 0.75) * f.height));
        *centre = cam.deskAt(pix);
        const auto q = objectCorners(cam, wMm, hMm, *centre, *rotDeg);
        bool inside = true;
        for (const auto& p : q)
            inside = inside && p.x > margin && p.y > margin && p.x < f.width - 1 - margin &&
                     p.y < f.height - 1 - margin;
        if (!inside)
            continue;
        if (!edge)
            return true;
        // Slide it towards a frame edge until a part of it is cut off.
        const double dir = uni(rng, 0, 2 * CV_PI), want = uni(rng, 0.03, 0.12) * std::max(wMm, hMm);
        const cv::Point2d step(std::cos(dir), std::sin(dir));
        for (int i = 0; i < 2000; ++i) {
            *centre += step;
            const auto r = objectCorners(cam, wMm, hMm, *centre, *rotDeg);
            double out = 0;
            for (const auto& p : r)
                out = std::max({out, -double(p.x), -double(p.y), double(p.x) - (f.width - 1),
                                double(p.y) - (f.height - 1)});
            if (out / cam.pxPerMm() >= want)
                return true;
        }
    }
    return false;
}

VariedScene renderFlat(VariedObject object, uint32_t seed, const PhotoLibrary& photos, int width,
                       int height) {
    Rng rng(seed * 2246822519u + uint32_t(object) * 3266489917u + 7u);
    VariedScene s;
    const bool card = object == VariedObject::Card;
    double wMm = 85.6, hMm = 54.0;
    if (object != VariedObject::Card) {
        const double k = uni(rng, 0, 1);
        wMm = k < 0.5 ? 210 : k < 0.7 ? 215.9 : k < 0.85 ? 148 : 176;
        hMm = k < 0.5 ? 297 : k < 0.7 ? 279.4 : k < 0.85 ? 210 : 250;
        if (uni(rng, 0, 1) < 0.3)
            std::swap(wMm, hMm);
    }
    const double field =
        card ? uni(rng, 250, 480) : std::max(wMm, hMm) / 0.75 * uni(rng, 1.05, 1.45);
    Camera cam = randomCamera(rng, width, height, field, 15);
    bool lightDesk = false;
    cv::Vec3b deskColour;
    s.rgb = makeDesk(rng, photos, cv::Size(width, height), &lightDesk, &deskColour);
    std::vector<cv::Point2f> outline;
    if (object != VariedObject::EmptyDesk) {
        const bool edge = !card && uni(rng, 0, 1) < 0.15;
        cv::Point2d centre;
        double rot = 0;
        place(rng, cam, wMm, hMm, edge, &centre, &rot);
        outline = objectCorners(cam, wMm, hMm, centre, rot);
        cv::Mat tex, alpha;
        cv::Vec3b paper = paperColour(rng);
        if (card) {
            tex = cardTexture(rng, photos, std::min(14.0, cam.pxPerMm() * 1.3), alpha);
        } else {
            // On a light desk, often a page of nearly the desk's own colour.
            if (lightDesk && uni(rng, 0, 1) < 0.6)
                for (int c = 0; c < 3; ++c)
                    paper[c] = cv::saturate_cast<uchar>(deskColour[c] + uni(rng, 0, 22));
            tex = pageTexture(rng, photos, wMm, hMm, std::min(9.0, cam.pxPerMm() * 1.2), paper);
        }
        const cv::Matx33d toImage =
            cam.deskToImage() * textureToDesk(tex.size(), wMm, hMm, centre, rot);
        paste(s.rgb, tex, alpha, toImage, uni(rng, 0, 1) < 0.5 ? uni(rng, 0, 0.15) : 0.0);
        s.truth.hasObject = true;
        std::copy(outline.begin(), outline.end(), s.truth.corners.begin());
        s.truth.aspect = wMm / hMm;
        if (lightDesk)
            s.truth.traits += " light-desk";
        if (leavesFrame(outline, s.rgb.size()))
            s.truth.traits += " edge";
        if (card && cv::contourArea(outline) < 0.045 * width * height)
            s.truth.traits += " small";
    }
    if (object == VariedObject::EmptyDesk || uni(rng, 0, 1) < 0.55) {
        drawClutter(rng, s.rgb, outline, cam.pxPerMm(), !outline.empty() && uni(rng, 0, 1) < 0.4);
        s.truth.traits += " clutter";
    }
    finishPhoto(rng, s.rgb, outline, s.truth.traits);
    return s;
}

}  // namespace

VariedScene renderVaried(VariedObject object, uint32_t seed, const PhotoLibrary& photos, int width,
                         int height) {
    if (!photos.usable() || width < 64 || height < 64)
        return {};
    if (object == VariedObject::Book)
        return renderVariedBook(seed, photos, width, height);
    return renderFlat(object, seed, photos, width, height);
}

}  // namespace scene
