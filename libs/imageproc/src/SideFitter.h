#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace imageproc {

using visioncore::Quad;

// Moves the sides of a rough outline onto the straight edges next to them. Outlines made from a
// region's hull, from a pair of lines and the card's proportions, or from a contour broken by a
// coin or a glare spot lie a few pixels off the object's real sides, enough to miss the edge on
// much of a side and be judged unsupported. Each end of each side moves across the side on its
// own, so that a side may turn a little as well.
class SideFitter {
public:
    // dx, dy (CV_16S) and mag (CV_16U): the colour gradient; level: the gradient that counts as
    // an edge. All three must outlive the fitter.
    SideFitter(const cv::Mat& dx, const cv::Mat& dy, const cv::Mat& mag, double level);

    // q (clockwise) with each side on the edge that runs along it most of its length within
    // `reach` pixels; false when the sides so placed no longer make a convex outline.
    bool fit(const Quad& q, int reach, Quad& out) const;

    // Whether a gradient (gx, gy) is that of an edge running along a side with normal n, not of
    // print or a pattern met at a slant.
    static bool runsAlong(float gx, float gy, cv::Point2f n) {
        const float across = gx * n.x + gy * n.y;
        return across * across >= 0.7f * (gx * gx + gy * gy);
    }

private:
    double alongEdge(cv::Point2f p, cv::Point2f n) const;

    const cv::Mat& m_dx;
    const cv::Mat& m_dy;
    const cv::Mat& m_mag;
    double m_level;
};

}  // namespace imageproc
