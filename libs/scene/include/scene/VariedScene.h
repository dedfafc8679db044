#pragma once

// Desk photographs made from real pictures, as a second, independent scene source beside
// scene::render(): the desks are crops of real photographs (wood, fabric-like wallpapers, sample
// photos), the pages carry real text and real photos, and the camera, the light and the sensor
// are modelled separately from the other renderer (own lens, tilts up to 15 degrees, cast
// shadows and glare, vignetting, blur, JPEG at quality 60 to 95, clutter on and beside the page).
//
// The pictures come from Debian packages (gnome-backgrounds, opencv-doc) and the licence texts in
// /usr/share/common-licenses. Nothing here is needed by the tests: PhotoLibrary::load() says what
// is missing, and a benchmark that needs it stops with that message.
//
// The desk photographs are split in two: a tuning part and a held-aside part that shares no desk
// photograph with it, so that figures on the held-aside part show what tuning did not see.

#include <opencv2/core.hpp>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace scene {

struct PhotoLibrary {
    std::vector<cv::Mat> desks;      // RGB photographs to lay out as desk surfaces
    std::vector<cv::Mat> pictures;   // RGB photographs to print on pages and cards
    std::vector<std::string> words;  // running text to print
    std::vector<std::string> missing;

    // The desks of one part (heldAside false: tuning part) and every picture and word.
    static PhotoLibrary load(bool heldAside);
    bool usable() const { return !desks.empty() && !pictures.empty() && words.size() > 100; }
};

enum class VariedObject { Document, Card, EmptyDesk, Book };

struct VariedTruth {
    bool hasObject = false;
    // Document or card: top-left, top-right, bottom-right, bottom-left in picture pixels (may lie
    // outside the frame when the object is cut by its edge).
    std::array<cv::Point2f, 4> corners{};
    double aspect = 0;  // true width / height of the object
    // Book: each page's corners, in the same order.
    std::array<cv::Point2f, 4> left{}, right{};
    // The hard things in this picture, as words ("light-desk shadow clutter edge small glare"),
    // so a benchmark can report failures by kind.
    std::string traits;
};

struct VariedScene {
    cv::Mat rgb;  // CV_8UC3, R,G,B, after JPEG compression
    VariedTruth truth;
};

VariedScene renderVaried(VariedObject object, uint32_t seed, const PhotoLibrary& photos,
                         int width = 3264, int height = 2448);

}  // namespace scene
