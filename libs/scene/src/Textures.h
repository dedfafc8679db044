#pragma once

#include "scene/Scene.h"

#include <opencv2/core.hpp>

namespace scene {

// Object faces drawn flat at ppm pixels per millimetre. alpha is set for shapes that are not
// plain rectangles (the rounded corners of a card).
cv::Mat documentTexture(const Params& p, double ppm);
cv::Mat cardTexture(const Params& p, double ppm, cv::Mat& alpha);
cv::Mat qrSheetTexture(const Params& p, double ppm);

}  // namespace scene
