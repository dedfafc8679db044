#pragma once

#include <opencv2/core.hpp>

namespace face {

// Compares the largest face of two grey pictures and turns their texture distance into the
// library's similarity: 1 for identical crops, 0.5 at the distance that separates the same person
// from different people, falling towards 0 beyond.
class FaceComparer {
public:
    struct Result {
        bool probeFace = false;
        bool referenceFace = false;
        double distance = 2.0;
        double similarity = 0.0;  // 0 unless both pictures hold a face
    };

    static Result compare(const cv::Mat& probeGrey, const cv::Mat& referenceGrey);
    static double similarityFor(double distance);
};

}  // namespace face
