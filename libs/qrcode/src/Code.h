#pragma once

#include <opencv2/core.hpp>

#include <string>
#include <vector>

namespace qrcode {

struct Code {
    std::string text;  // UTF-8, as the code spells it
    cv::Point2f center;
    float sideInView = 0;  // side length in the image it was read from
};

// One grey picture handed to a decoder, and how its pixels map back to the caller's image, so
// that codes read on a reduced, enlarged, mirrored or cut-out copy are placed where they are.
struct View {
    cv::Mat grey;  // CV_8UC1
    cv::Matx33d toSource = cv::Matx33d::eye();

    cv::Point2f sourcePoint(cv::Point2f p) const {
        const cv::Vec3d q = toSource * cv::Vec3d(p.x, p.y, 1.0);
        return q[2] != 0 ? cv::Point2f(float(q[0] / q[2]), float(q[1] / q[2])) : p;
    }
};

}  // namespace qrcode
