#include "FaceComparer.h"

#include "FaceDetector.h"
#include "FaceTexture.h"

#include <visioncore/DebugDump.h>

#include <algorithm>
#include <cmath>
#include <future>
#include <mutex>

namespace face {

namespace {
// The distance at which the similarity is 0.5, and how steeply it falls around it; both tuned on
// face pictures scaled, turned, darkened and JPEG-compressed (bench/face).
constexpr double kBoundary = 0.40;
constexpr double kSteepness = 4.0;
// How many comparisons in a row may start from the remembered portrait before the whole frame is
// searched again.
constexpr int kRecallsBeforeFullSearch = 4;

// The card lies still under the document camera while its holder faces the sub camera, and the
// comparison is repeated every few seconds: the portrait is where it was last time. Starting there
// saves the search of the whole large frame, the slowest step; the regular full search makes sure
// a larger face that came into view is not missed for long. The seed, not the placed face, is kept,
// so a comparison started from memory places the face exactly as the full search would.
class ReferenceMemory {
public:
    bool recall(const cv::Size& frame, cv::Rect& seed) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_valid || frame != m_frame || m_recalls >= kRecallsBeforeFullSearch)
            return false;
        ++m_recalls;
        seed = m_seed;
        return true;
    }
    void remember(const cv::Size& frame, const std::vector<cv::Rect>& seeds) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_valid = !seeds.empty();
        m_frame = frame;
        m_seed = m_valid ? seeds.front() : cv::Rect();
        m_recalls = 0;
    }

private:
    std::mutex m_mutex;
    bool m_valid = false;
    cv::Size m_frame;
    cv::Rect m_seed;
    int m_recalls = 0;
};

std::vector<cv::Rect> referenceFaces(const cv::Mat& grey) {
    static ReferenceMemory memory;
    FaceDetector& detector = FaceDetector::shared(0);
    cv::Rect seed, face;
    if (memory.recall(grey.size(), seed) && detector.detectAt(grey, seed, face))
        return {face};
    std::vector<cv::Rect> seeds;
    std::vector<cv::Rect> faces = detector.detect(grey, &seeds);
    memory.remember(grey.size(), seeds);
    return faces;
}

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
    const std::vector<cv::Rect> refFaces = referenceFaces(referenceGrey);
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
