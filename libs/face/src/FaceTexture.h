#pragma once

#include <opencv2/core.hpp>

#include <vector>

namespace face {

// The texture of one face: a crop of the face box normalised in size and light, described by
// uniform local binary pattern histograms over a grid of cells. Small differences of pose and
// framing between two pictures are absorbed by comparing against a few turned and rescaled
// variants of the reference crop and keeping the closest.
class FaceTexture {
public:
    // Side of the normalised crop in pixels.
    static constexpr int kCropSide = 96;

    // The crop of `box` in `grey`, turned by `angleDeg` about the box centre and scaled by
    // `zoom` (above 1 shows less around the face).
    static cv::Mat crop(const cv::Mat& grey, const cv::Rect& box, double angleDeg = 0.0,
                        double zoom = 1.0);
    // Grid histograms of a normalised crop, each cell L1-normalised.
    static std::vector<float> describe(const cv::Mat& crop);
    // Mean chi-square distance of two descriptions per cell: 0 identical, 2 nothing in common.
    static double distance(const std::vector<float>& a, const std::vector<float>& b);

    // The smallest distance between the face `probeBox` of `probe` and the face `refBox` of
    // `reference` over the pose variants.
    static double bestDistance(const cv::Mat& probe, const cv::Rect& probeBox,
                               const cv::Mat& reference, const cv::Rect& refBox);
};

}  // namespace face
