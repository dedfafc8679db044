#include "FaceComparer.h"

#include "FaceDetector.h"
#include "FaceTexture.h"

#include <visioncore/DebugDump.h>

#include <algorithm>
#include <cmath>
#include <future>

namespace face {

namespace {
// The distance at which the similarity is 0.5, and how steeply it falls around it; both tuned on
// face pictures scaled, turned, darkened and JPEG-compressed (bench/face).
constexpr double kBoundary = 0.40;
constexpr double kSteepness = 4.0;
}  // namespace

double FaceComparer::similarityFor(double distance) {
    if (distance <= 0.0)
        return 1.0;
    return 1.0 / (1.0 + std::pow(distance / kBoundary, kSteepness));
}

FaceComparer::Result FaceComparer::compare(const cv::Mat& probeGrey, const cv::Mat& referenceGrey) {
    Result r;
    // The two searches take most of the time; each runs on its own detector and core.
    std::future<std::vector<cv::Rect>> probeSearch = std::async(
        std::launch::async, [&probeGrey] { return FaceDetector::shared(1).detect(probeGrey); });
    const std::vector<cv::Rect> refFaces = FaceDetector::shared(0).detect(referenceGrey);
    const std::vector<cv::Rect> probeFaces = probeSearch.get();
    r.probeFace = !probeFaces.empty();
    r.referenceFace = !refFaces.empty();
    if (!r.probeFace || !r.referenceFace)
        return r;
    r.distance = FaceTexture::bestDistance(probeGrey, probeFaces[0], referenceGrey, refFaces[0]);
    r.similarity = std::max(1e-6, similarityFor(r.distance));

    const visioncore::DebugDump dump("face");
    if (dump.enabled()) {
        dump.write("probe", FaceTexture::crop(probeGrey, probeFaces[0]));
        dump.write("reference", FaceTexture::crop(referenceGrey, refFaces[0]));
    }
    return r;
}

}  // namespace face
