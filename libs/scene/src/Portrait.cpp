#include "scene/SceneBuildingBlocks.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

cv::Point at(cv::Point2d c, double dx, double dy, double unit) {
    return cv::Point(int(std::lround(c.x + dx * unit)), int(std::lround(c.y + dy * unit)));
}

cv::Size size(double w, double h, double unit) {
    return cv::Size(std::max(1, int(w * unit)), std::max(1, int(h * unit)));
}

// Skin with soft shading: the cheeks and forehead catch the light, the sides of the face and the
// eye sockets lie in shadow. A cascade detector looks for exactly these light and dark bands.
void drawHead(cv::Mat& m, cv::Point2d c, double u, cv::Scalar skin, cv::Scalar hair) {
    const cv::Scalar shade = skin * 0.72;
    cv::ellipse(m, at(c, 0, -0.25, u), size(1.18, 1.2, u), 0, 0, 360, hair, cv::FILLED,
                cv::LINE_AA);
    cv::rectangle(m, cv::Rect(at(c, -0.35, 0.6, u), size(0.7, 1.0, u)), shade, cv::FILLED);
    cv::ellipse(m, c, size(0.95, 1.28, u), 0, 0, 360, shade, cv::FILLED, cv::LINE_AA);
    cv::ellipse(m, at(c, 0, 0.05, u), size(0.78, 1.12, u), 0, 0, 360, skin, cv::FILLED,
                cv::LINE_AA);
    // Fringe over the forehead.
    cv::ellipse(m, at(c, 0, -0.95, u), size(0.98, 0.42, u), 0, 0, 360, hair, cv::FILLED,
                cv::LINE_AA);
}

void drawFeatures(cv::Mat& m, cv::Point2d c, double u, cv::Scalar skin) {
    const double eyeGap = 0.36;
    const double eyeY = -0.18;
    for (int s = -1; s <= 1; s += 2) {
        const cv::Point eye = at(c, s * eyeGap, eyeY, u);
        cv::ellipse(m, eye, size(0.3, 0.17, u), 0, 0, 360, skin * 0.6, cv::FILLED, cv::LINE_AA);
        cv::ellipse(m, eye, size(0.15, 0.075, u), 0, 0, 360, cv::Scalar(235, 235, 230), cv::FILLED,
                    cv::LINE_AA);
        cv::circle(m, eye, std::max(1, int(0.065 * u)), cv::Scalar(50, 35, 25), cv::FILLED,
                   cv::LINE_AA);
        const cv::Point brow0 = at(c, s * (eyeGap - 0.17), eyeY - 0.2, u);
        const cv::Point brow1 = at(c, s * (eyeGap + 0.19), eyeY - 0.23, u);
        cv::line(m, brow0, brow1, cv::Scalar(45, 35, 30), std::max(1, int(0.07 * u)), cv::LINE_AA);
    }
    // The bridge of the nose is lit, its tip casts a shadow.
    cv::ellipse(m, at(c, 0, 0.05, u), size(0.08, 0.3, u), 0, 0, 360, skin * 1.08, cv::FILLED,
                cv::LINE_AA);
    cv::ellipse(m, at(c, 0, 0.33, u), size(0.17, 0.07, u), 0, 0, 360, skin * 0.6, cv::FILLED,
                cv::LINE_AA);
    cv::ellipse(m, at(c, 0, 0.66, u), size(0.3, 0.08, u), 0, 0, 360, cv::Scalar(150, 70, 70),
                cv::FILLED, cv::LINE_AA);
    cv::line(m, at(c, -0.28, 0.66, u), at(c, 0.28, 0.66, u), cv::Scalar(90, 40, 40),
             std::max(1, int(0.03 * u)), cv::LINE_AA);
}

}  // namespace

void drawPortrait(cv::Mat& img, cv::Rect r, double zoom) {
    const cv::Rect inside = r & cv::Rect(0, 0, img.cols, img.rows);
    if (inside.width < 8 || inside.height < 8 || img.type() != CV_8UC3)
        return;
    cv::Mat m(r.height, r.width, CV_8UC3);
    for (int y = 0; y < m.rows; ++y)
        m.row(y).setTo(cv::Scalar(150 + 40.0 * y / m.rows, 170 + 30.0 * y / m.rows, 195));
    // One unit is half the width of the face.
    const double u = std::min(r.width * 0.2, r.height * 0.16) * std::max(0.2, zoom);
    const cv::Point2d c(r.width * 0.5, r.height * 0.44);
    const cv::Scalar skin(225, 180, 150);
    const cv::Scalar hair(40, 32, 28);
    cv::ellipse(m, at(c, 0, 2.6, u), size(2.2, 1.3, u), 0, 0, 360, cv::Scalar(40, 55, 90),
                cv::FILLED, cv::LINE_AA);
    drawHead(m, c, u, skin, hair);
    drawFeatures(m, c, u, skin);
    const double sigma = std::max(0.6, u * 0.035);
    cv::GaussianBlur(m, m, cv::Size(), sigma);
    m(cv::Rect(inside.x - r.x, inside.y - r.y, inside.width, inside.height)).copyTo(img(inside));
}

}  // namespace scene
