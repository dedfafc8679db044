#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace imageproc {

using visioncore::Quad;

// The whole page round an outline that is only a part of it. A line across a page (a cable lying
// over it, the rim of a picture or of a table printed on it, a shadow's edge) closes an outline of
// its own with three of the page's sides, which can be the clearest outline in the photo. But the
// page's rims on either side of that line run on beyond it, the same step from paper to desk,
// until they meet the page's real side: followed, they give the page. A true page's rims end at
// its corners.
class PagePart {
public:
    // level: the reduced photo's channel sum (levelImage). q: an outline found there, clockwise.
    // Returns whether q is part of a larger page, and then its outline in whole: each side of q
    // whose neighbouring rims run on is moved to where they end (or to the frame's edge, where
    // they run out of the picture).
    static bool whole(const cv::Mat& level, const Quad& q, Quad& whole);
};

}  // namespace imageproc
