#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <optional>

namespace imageproc {

using visioncore::Quad;

// Keeps the outline found on a stream of frames (the live preview calls the detection frame
// after frame) from flickering while the page lies still. Sensor noise moves the measured corners
// by a pixel or so, lets another outline win by a hair now and then (a shadow's edge instead of
// the page's, the text block instead of a faint page), and on a page with faint edges makes the
// detection miss it on some frames. Remembers the last outline per frame size and kind:
// - a new outline within a small dead band of it is reported as the remembered one;
// - while the scene is still (the frame shows what the one before showed, see FrameSignature),
//   another outline replaces it only when it runs clearly better along the photo's edges, and a
//   part of it (the detection stopping at a glare's rim or a cable across the page) never while
//   its own sides still lie on edges;
// - once the scene changed, another outline replaces it unless the remembered one still runs
//   along the edges at least as well. A moved page leaves the remembered outline on plain desk,
//   so it is followed at once;
// - a frame on which nothing is found keeps the remembered outline while the scene is still;
//   once it changed, only while the outline still lies on this frame's edges, and for two frames
//   at most. A removed page takes its edges along and disappears at once.
// A one-shot caller is safe: on another picture altogether (most of the frame changed) nothing
// remembered is looked for, and the new detection, or the lack of one, stands.
// Measuring how well an outline runs along the edges costs about a millisecond: it is done only
// where two outlines are to be weighed, or the remembered one is to be looked for on a changed
// frame, so that a still page whose outline the detection keeps finding costs nothing more.
class OutlineMemory {
public:
    // found: the outline detected on rgb, if any; kind: the detection's kind (kept apart).
    // Returns the outline to report, if any.
    static std::optional<Quad> steady(const cv::Mat& rgb, const std::optional<Quad>& found,
                                      int kind = 0);
    // Forgets every remembered outline.
    static void forget();
};

}  // namespace imageproc
