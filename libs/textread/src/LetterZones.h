#pragma once

#include <opencv2/core.hpp>

namespace textread {

// Which end of a text line is up, from where its ink sits. Each line has a core band (the height
// of an "x"), ink above it (ascenders of b, d, h, l, t, capitals, accents, the dots of i and j)
// and ink below it (descenders of g, p, q, y). Latin, Cyrillic and Greek text carries far more
// above than below, so a page whose lines hold more ink below their core is upside down. This
// adds to Tesseract's letter shapes what they often lack on camera pages: thick, blurred or
// unusual type whose letters read almost as well turned round.
class LetterZones {
public:
    // binary: black text on white, lines running across. Returns (above - below) / (above +
    // below) over all lines found, in -1..1: above 0 upright, below 0 upside down; 0 when no
    // line with a clear core was found.
    static double upness(const cv::Mat& binary);
};

}  // namespace textread
