#pragma once

#include <opencv2/core.hpp>

#include <array>
#include <cstddef>
#include <vector>

namespace visioncore {

// Four corners in image pixels, clockwise on screen (y down): top-left, top-right, bottom-right,
// bottom-left. Corner i and corner i + 1 bound side i, so side 0 is the top.
class Quad {
public:
    Quad() = default;
    Quad(const cv::Point2f& tl, const cv::Point2f& tr, const cv::Point2f& br, const cv::Point2f& bl)
        : m_corners{tl, tr, br, bl} {}

    // Puts any four corners of a convex outline into this order, choosing as top the side whose
    // direction is closest to the image's horizontal, left to right (the least rotation).
    static Quad ordered(const std::array<cv::Point2f, 4>& corners);
    Quad reordered() const { return ordered(m_corners); }

    // The corner array of the libraries' C surface, as x, y pairs: point 1 top-right, 2
    // bottom-left, 3 top-left, 4 bottom-right.
    static Quad fromCorners(const int* corners);
    void toCorners(int* corners) const;

    cv::Point2f& operator[](size_t i) { return m_corners[i]; }
    const cv::Point2f& operator[](size_t i) const { return m_corners[i]; }
    cv::Point2f* begin() { return m_corners.data(); }
    cv::Point2f* end() { return m_corners.data() + 4; }
    const cv::Point2f* begin() const { return m_corners.data(); }
    const cv::Point2f* end() const { return m_corners.data() + 4; }
    const std::array<cv::Point2f, 4>& corners() const { return m_corners; }
    const cv::Point2f& tl() const { return m_corners[0]; }
    const cv::Point2f& tr() const { return m_corners[1]; }
    const cv::Point2f& br() const { return m_corners[2]; }
    const cv::Point2f& bl() const { return m_corners[3]; }

    // Convex, wound clockwise on screen, and at least minArea square pixels: an outline that can
    // be straightened. A crossed or mirrored corner order fails.
    bool isConvex(double minArea = 0) const;
    double area() const;
    // Every corner on a pixel of a width x height image.
    bool inside(int width, int height) const;
    Quad scaled(double factor) const;
    // Each corner moved onto the nearest pixel of a width x height image.
    Quad clamped(int width, int height) const;
    // The corners rounded to whole pixels, for drawing.
    std::vector<cv::Point> polygon() const;

private:
    std::array<cv::Point2f, 4> m_corners{};
};

}  // namespace visioncore
