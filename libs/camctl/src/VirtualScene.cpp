#include "VirtualScene.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <scene/BookScene.h>
#include <scene/Scene.h>
#include <scene/SceneBuildingBlocks.h>
#include <visioncore/ImageFile.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace camctl {

namespace {

const std::string kQrPrefix = "qrsheet:";

// The desk scenes come from the shared scene renderer; this picks a pleasant, fully visible
// arrangement for a live demo: the object near the centre, slightly turned, no camera tilt.
cv::Mat renderScene(VirtualScene::Kind kind, int width, int height, const std::string& qrText) {
    if (kind == VirtualScene::Kind::Book) {
        scene::BookSceneParams p;
        p.width = width;
        p.height = height;
        p.seed = 11;
        return scene::BookScene(p).render();
    }
    scene::Object object = scene::Object::Document;
    if (kind == VirtualScene::Kind::Card)
        object = scene::Object::Card;
    else if (kind == VirtualScene::Kind::QrSheet)
        object = scene::Object::QrSheet;
    else if (kind == VirtualScene::Kind::Desk)
        object = scene::Object::EmptyDesk;
    scene::Params p = scene::randomParams(object, 11, width, height);
    p.centerMm = cv::Point2d(0.0, 0.0);
    p.rotationDeg = object == scene::Object::Card ? -4.0 : 3.0;
    p.tiltXDeg = p.tiltYDeg = 0.0;
    p.castShadow = false;
    if (object == scene::Object::QrSheet) {
        p.qrTexts = {qrText};
        p.qrSizeMm = 40.0;
    }
    // Wide enough for an A4 page upright in any of the offered aspect ratios.
    const double aspect = double(width) / std::max(1, height);
    p.fieldWidthMm = object == scene::Object::Card ? 300.0 : std::max(460.0, 370.0 * aspect);
    p.desk = scene::Desk::Wood;
    p.deskColor = cv::Vec3b(150, 112, 78);
    return scene::render(p).rgb;
}

// The sub camera's person, drawn by the scene renderer (R,G,B) in the camera's B,G,R order.
cv::Mat face(int width, int height) {
    cv::Mat m(height, width, CV_8UC3);
    scene::drawPortrait(m, cv::Rect(0, 0, width, height));
    cv::cvtColor(m, m, cv::COLOR_RGB2BGR);
    return m;
}

}  // namespace

bool VirtualScene::kindFromName(const std::string& name, Kind& kind) {
    if (name == "document")
        kind = Kind::Document;
    else if (name == "card")
        kind = Kind::Card;
    else if (name == "book")
        kind = Kind::Book;
    else if (name == "qrsheet" || name == "qr" || name.rfind(kQrPrefix, 0) == 0)
        kind = Kind::QrSheet;
    else if (name == "desk" || name == "empty")
        kind = Kind::Desk;
    else
        return false;
    return true;
}

std::string VirtualScene::qrTextOf(const std::string& name) {
    if (name.rfind(kQrPrefix, 0) == 0 && name.size() > kQrPrefix.size())
        return name.substr(kQrPrefix.size());
    // An invoice number in Japanese: the demo sheet shows at once that any script comes through.
    return "\xE8\xAB\x8B\xE6\xB1\x82\xE6\x9B\xB8 No. 2024-0117";  // 請求書 No. 2024-0117
}

std::vector<cv::Mat> VirtualScene::renderLoop(Kind kind, int width, int height, int count,
                                              const std::atomic<bool>* cancel,
                                              const std::string& qrText) {
    std::vector<cv::Mat> loop;
    // The base picture is rendered once with a margin; the loop frames are crops at slightly
    // different offsets (a hand-held sway) with their own noise.
    const int margin = std::max(4, width / 120);
    const int cw = width + 2 * margin, ch = height + 2 * margin;
    cv::Mat canvas;
    if (kind == Kind::Face) {
        canvas = face(cw, ch);
    } else {
        canvas = renderScene(kind, cw, ch, qrText);
        if (canvas.empty())
            return loop;
        cv::cvtColor(canvas, canvas, cv::COLOR_RGB2BGR);
    }
    if (cancel && *cancel)
        return loop;

    cv::Mat noise(height + 16, width + 16, CV_8UC3);
    cv::randu(noise, 0, 7);
    for (int i = 0; i < count; ++i) {
        if (cancel && *cancel)
            return {};
        const double a = 2.0 * M_PI * i / std::max(1, count);
        const int ox = margin + int(std::lround(margin * 0.5 * std::cos(a)));
        const int oy = margin + int(std::lround(margin * 0.5 * std::sin(a)));
        cv::Mat frame = canvas(cv::Rect(ox, oy, width, height)).clone();
        const cv::Mat n = noise(cv::Rect((i * 5) % 16, (i * 3) % 16, width, height));
        frame += n;
        frame -= cv::Scalar(3, 3, 3);
        loop.push_back(frame);
    }
    return loop;
}

cv::Mat VirtualScene::fitPhoto(const std::string& path, int width, int height) {
    // A scene folder may hold anything: a FIFO or a picture declaring gigapixels is skipped, not
    // waited for or decoded.
    const cv::Mat photo = visioncore::readImageFile(path);
    if (photo.empty())
        return {};
    if (photo.cols == width && photo.rows == height)
        return photo;
    const double s = std::min(double(width) / photo.cols, double(height) / photo.rows);
    const int w = std::max(1, int(photo.cols * s)), h = std::max(1, int(photo.rows * s));
    cv::Mat out(height, width, CV_8UC3, cv::Scalar(42, 36, 31));
    cv::Mat scaled;
    cv::resize(photo, scaled, cv::Size(w, h), 0, 0, cv::INTER_AREA);
    scaled.copyTo(out(cv::Rect((width - w) / 2, (height - h) / 2, w, h)));
    return out;
}

}  // namespace camctl
