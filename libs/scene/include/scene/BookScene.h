#pragma once

// An open book lying on a desk, photographed from a camera above it.
//
// The book is modelled in millimetres: two pages whose surface bends down into the gutter (a
// cylinder-like sheet whose slope decays away from the spine), a stack of pages beneath them whose
// edges show at the outer sides and at head and tail, a cover board, a desk. A pinhole camera
// looks down on it with a small tilt; light, a gutter shadow, vignetting, noise and a slight blur
// are added. Every random choice comes from the seed, so a scene is reproducible.
//
// The truth that comes with a picture lets a book-page pipeline be scored: each page's outline
// corners and the gutter line in picture pixels, and the flat page content (the page as it would
// look if it lay perfectly flat) with the rows of its text lines.

#include <opencv2/core.hpp>

#include <cstdint>
#include <vector>

namespace scene {

struct BookSceneParams {
    int width = 3264;
    int height = 2448;
    uint32_t seed = 1;
    // Virtual-camera shake: 0 is a still camera; 1 moves the view by up to a few millimetres and a
    // fraction of a degree, following `time` (seconds) smoothly.
    double motion = 0.0;
    double time = 0.0;
    // Gutter bend: 0 is a flat book (pages pressed under glass), 1 the usual curl, up to 2 a
    // thick, stubborn binding.
    double curl = 1.0;
    // Sensor noise standard deviation in grey levels.
    double noise = 3.0;
    // Resolution of the flat page content, pixels per millimetre.
    double contentScale = 6.0;
};

// One page's truth. Corners are in picture pixels, in the page's own reading orientation:
// top-left, top-right, bottom-right, bottom-left. For the left page the gutter is the right side,
// for the right page the left side.
struct BookPageTruth {
    cv::Point2f corners[4];
    cv::Mat content;  // CV_8UC3 RGB: the page flat, as printed
    // Text line rows in content pixels (centre of the x-height band) and their horizontal extent.
    std::vector<float> lineY;
    std::vector<cv::Vec2f> lineX;
    float xHeight = 0;  // content pixels
};

struct BookSceneTruth {
    BookPageTruth left, right;
    cv::Point2f gutterTop, gutterBottom;  // picture pixels, where the pages meet at head and tail
    double pageWidthMm = 0, pageHeightMm = 0;
};

class BookScene {
public:
    explicit BookScene(const BookSceneParams& params);

    // The photograph: CV_8UC3 RGB, params.width x params.height.
    cv::Mat render(BookSceneTruth* truth = nullptr) const;

private:
    BookSceneParams p_;
};

}  // namespace scene
