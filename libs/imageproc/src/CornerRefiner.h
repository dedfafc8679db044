#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <array>

namespace imageproc {

using visioncore::Quad;

// Puts the corners of an outline found on a reduced copy of the photo onto the full-resolution
// photo: each side is re-measured as the strongest colour step along short normals, a line is
// fitted through those steps with outliers dropped, and the corners are the lines' intersections.
class CornerRefiner {
public:
    // q in full-resolution pixels; reach: how far (pixels) a side may lie from where q has it.
    // Sides along the frame's edge keep their place. Returns q when the result is not convex.
    static Quad refine(const Quad& q, const cv::Mat& rgb, double reach);

    // How well q's sides run along the photo's edges, counted per side (side i runs from corner
    // i to corner i + 1) so that two outlines can be weighed by the sides they do not share, and
    // added up over frames: at places along each side, whether the clearest colour step across
    // it lies on it (within a pixel or two). Sides along the frame's edge, and the parts of sides
    // too near it or beyond it to be measured, are left out.
    struct SideSupport {
        std::array<int, 4> places{};  // measured
        std::array<int, 4> onStep{};  // of those, where the clearest step lies on the side
        // The share over the sides in the mask (bit i: side i); 0 when none was measured.
        double share(unsigned sides = 0xF) const;
        SideSupport& operator+=(const SideSupport& other);
    };
    static SideSupport sideSupport(const Quad& q, const cv::Mat& rgb);
};

}  // namespace imageproc
