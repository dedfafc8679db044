#pragma once

#include "visioncore/DebugDump.h"
#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace bookproc {

using visioncore::DebugDump;
using visioncore::Quad;

// The spread's outline from its straight sides instead of from bright regions, for the photos
// where brightness does not separate paper from its surroundings: a cast shadow over part of the
// book, a desk as light as paper, a picture or a cable that cuts the paper into pieces.
//
// Edges are taken on the logarithm of the brightness, so a page edge in shadow is as strong as in
// light. Every edge pixel votes for the line through it along its own direction, and only for the
// side on which the picture is brighter; a page side is then a long line with paper on its inner
// side. Of the nested lines around the book (page, sheet stack, cover, desk), each side takes the
// innermost one that is darker outside than inside, so a table rule or the edge of a text block
// (paper on both sides) is passed over.
class SpreadLines {
public:
    explicit SpreadLines(const DebugDump& dump) : m_dump(dump) {}

    // grey: the reduced photo, CV_8U. support: the share of the outline's length that lies on
    // edges of the right polarity (0 to 1).
    bool find(const cv::Mat& grey, Quad& spread, double* support) const;

    // The share of q's outline that lies on edges of grey with the brighter side inwards; the
    // measure by which outlines found in different ways are compared.
    static double outlineSupport(const cv::Mat& grey, const Quad& q);

    // One page's outline with each side but keepSide (0 top, then clockwise; the gutter) moved
    // onto the innermost line near it that bounds the paper; page itself where none does.
    Quad refinePage(const cv::Mat& grey, const Quad& page, int keepSide) const;

private:
    const DebugDump& m_dump;
};

}  // namespace bookproc
