#pragma once

#include <opencv2/core.hpp>

namespace textread {

// Which side of a page its text lines start on. Lines begin at one straight margin and end where
// their last word ends (shorter still at the end of a paragraph), so the starts line up and the
// ends do not: text read the right way round has its straight edge on the left.
class LineEnds {
public:
    // letters: non-zero where letters are, lines running across. Returns, in -1..1, the share
    // of lines that start at a common left edge less the share that end at a common right edge
    // (within tolerance pixels): above 0 the text reads left to right as it stands, below 0 it
    // stands upside down; 0 with fewer than a handful of lines. A shared edge is the one most
    // lines keep, so lines beside a picture or an indented block do not blur the margin.
    static double raggedRight(const cv::Mat& letters, int tolerance);
};

}  // namespace textread
