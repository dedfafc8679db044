#pragma once

#include "EdgeLines.h"

#include <opencv2/core.hpp>

#include <array>
#include <vector>

namespace bookproc {

// A line's evidence, sampled once along its whole length in the frame, so that the stretch
// between any two corners on it is measured in constant time: the search weighs thousands of
// line combinations, each side of which is a stretch of one of a few dozen lines.
//
// Measured per sample: whether an edge facing the line's normal lies there, and, along a ray
// outwards, whether print lies beyond and how much of what lies beyond has the paper's colour.
class LineTally {
public:
    // facing: edges across which the brightness changes along the line's normal (CV_8U); rgb:
    // the photo's channels; print: thin dark strokes (CV_8U); paper: the page's colour; reach:
    // how far beyond the line to look.
    LineTally(const edgelines::Line& line, const cv::Mat& facing, const std::vector<cv::Mat>& rgb,
              const cv::Mat& print, const cv::Vec3d& paper, float reach);

    // How well the stretch from a to b (points on the line, without its ends) bears out a side
    // of the book: its share on facing edges, weighed as the full score weighs it by the colour
    // change across it and by what lies beyond it.
    double side(const cv::Point2f& a, const cv::Point2f& b) const;

private:
    size_t index(const cv::Point2f& p) const;

    cv::Point2f m_origin, m_dir;
    float m_start = 0;
    // Counts up to each sample: on an edge; rays beyond it; rays that cross print; samples along
    // the rays, and those of them of the paper's colour; samples with both bands in the frame.
    std::vector<int> m_edge, m_rays, m_inked, m_beyond, m_alike, m_banded;
    // Sums up to each sample of each channel just inside and just outside the line.
    std::array<std::vector<double>, 3> m_in, m_out;
};

}  // namespace bookproc
