#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

using visioncore::Quad;

// A page that the frame's edge cuts has no closed outline: its visible part is bounded by its own
// sides and the frame, and a corner of it may lie beyond the frame, where the sides seen inside
// meet. As the frame's edge closes any region of the desk as well, such an outline must show a
// sheet's rim along all its sides seen.
class CutPage {
public:
    // q: an outline found on the contour of a region that the frame's edge closes, in which a
    // corner cut off by the frame sits on its edge. Each side is fitted anew to the contour's
    // points along it (those on the frame's edge left out), and the corners put where the fitted
    // sides meet, beyond the frame where they do. Returns q where the fit fails.
    static Quad fitted(const Quad& q, const std::vector<cv::Point>& contour, cv::Size frame);

    // Whether q shows a sheet: every side of it seen inside the frame, other than along its
    // edge, is one step from the desk to a plain inside, the same way round (paper lighter than
    // the desk, or darker) on nearly all of it, and along the frame's edge, where the sheet
    // leaves the picture, lies the sheet, not the desk. Clutter, the desk's pattern and lines
    // across the page do not make such a rim. small: the reduced photo.
    static bool sheetSeen(const Quad& q, const cv::Mat& small);
};

}  // namespace imageproc
