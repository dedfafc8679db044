#pragma once

#include "EdgeLines.h"

#include "visioncore/DebugDump.h"
#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <vector>

namespace bookproc {

using visioncore::DebugDump;
using visioncore::Quad;

// Judges outlines of a spread by how well the photo bears out their sides, and finds the best
// one among the combinations of the strongest straight lines around the book.
//
// A side is borne out when it runs on edges with the brighter side inwards, the paper inside is
// brighter than what lies beside it outside, and beyond it there is no more printed paper (else
// it is a table rule, a text block's edge or the gutter). Outlines found in other ways (bright
// regions, nested lines) are judged by the same measure, so the choice between them does not
// depend on which method happened to find them.
class SpreadSearch {
public:
    // rgb: the reduced photo, CV_8UC3; grey: the same in grey, CV_8U.
    SpreadSearch(const cv::Mat& rgb, const cv::Mat& grey, const DebugDump& dump);

    // The share of q's outline, weighted by length, that is borne out (0 to 1).
    double score(const Quad& q) const;

    // The best-borne-out outline of a spread among the line combinations; false when no
    // combination makes a plausible spread.
    bool find(Quad& spread, double* score) const;

private:
    double sideScore(const cv::Point2f& a, const cv::Point2f& b, const cv::Point2f& inward,
                     double paper) const;

    const cv::Mat& m_grey;
    std::vector<cv::Mat> m_channels;
    double m_paper = 0;
    cv::Vec3d m_colour;
    const DebugDump& m_dump;
    edgelines::EdgeField m_field;
};

}  // namespace bookproc
