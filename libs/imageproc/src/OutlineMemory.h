#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace imageproc {

using visioncore::Quad;

// Keeps the page outline found on a stream of frames (the live preview calls the detection
// frame after frame) from flickering while the page lies still. Sensor noise moves the measured
// corners by a pixel or so, and now and then lets another outline win by a hair (a shadow's edge
// instead of the page's). Remembers the last outline per frame size:
// - a new outline within a small dead band of it is reported as the remembered one;
// - a different outline replaces it only when it runs along the photo's edges at least as well
//   as the remembered one still does on this photo. A moved page leaves the remembered outline
//   on plain desk, so it is followed at once.
// A one-shot caller is safe: on another photo the remembered outline lies on no edges and the
// new detection stands; nothing is ever reported where the detection found nothing.
class OutlineMemory {
public:
    // found: the outline detected on rgb. Returns the outline to report.
    static Quad steady(const cv::Mat& rgb, const Quad& found);
    // Forgets every remembered outline.
    static void forget();
};

}  // namespace imageproc
