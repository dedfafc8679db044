#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

namespace imageproc {

using visioncore::Quad;

// Straightens the rectangle seen as a quadrilateral in a photo.
class Rectifier {
public:
    // Width / height of the real rectangle behind q, from the camera geometry: the focal length
    // is recovered from the two vanishing points (principal point at the frame centre, square
    // pixels); a quad that shows no perspective falls back to its side lengths.
    static double trueAspect(const Quad& q, cv::Size frame);

    // Output size at the object's captured resolution with the given aspect: the longer of each
    // pair of opposite sides decides.
    static cv::Size outputSize(const Quad& q, double aspect);

    // The straightened object, sized by outputSize() and then scaled down to fit maxPixels.
    static cv::Mat rectify(const cv::Mat& rgb, const Quad& q, double aspect, long long maxPixels);
};

}  // namespace imageproc
