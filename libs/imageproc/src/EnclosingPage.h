#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

using visioncore::Quad;

// The page round an outline that is only part of it. On a light desk a page's own rim is faint
// while a picture printed on it, or its block of text, has strong edges all round and wins; but
// such an outline lies in paper, and beyond each of its sides, past a margin of paper (print
// allowed), a faint straight step down to the desk runs nearly along it. Light falls off across a
// desk, so the paper is judged against its own brightness close by, not against one colour.
class EnclosingPage {
public:
    // small: the reduced photo, CV_8UC3. inner: the best outline found, clockwise.
    EnclosingPage(const cv::Mat& small, const Quad& inner);

    // Whether inner has paper round it: light and plain just outside its sides. Nothing else is
    // worth asking otherwise.
    bool possible() const { return m_possible; }

    // Adds the outlines made of the steps found beyond each side (or the side itself).
    // level: the reduced photo's channel sum (levelImage), which the caller may share.
    void collect(const cv::Mat& level, std::vector<Quad>& out) const;

    // Whether outer holds inner, and is larger.
    bool encloses(const Quad& outer) const;

private:
    struct Line {
        cv::Point2f a, b;  // two points of it
    };
    std::vector<Line> linesBeyond(const cv::Mat& level, size_t side) const;

    Quad m_inner;
    bool m_possible = false;
};

}  // namespace imageproc
