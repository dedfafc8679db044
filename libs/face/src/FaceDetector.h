#pragma once

#include <opencv2/core.hpp>
#include <opencv2/objdetect.hpp>

#include <mutex>
#include <string>
#include <vector>

namespace face {

// Frontal faces in a grey picture, found in two passes: a quick local-binary-pattern cascade
// searches a reduced copy of the picture, then a Haar cascade places each candidate precisely in
// a small window where the face is always about the same size. The second pass makes the boxes
// of one face alike whatever its size in the picture, which the comparison relies on, and drops
// most false finds of the first.
//
// The cascade files are read once per process; a cascade object is not safe for concurrent use,
// so searches are serialised.
class FaceDetector {
public:
    // One of the process's two detectors (loaded on first use): two pictures can be searched at
    // the same time, each with its own.
    static FaceDetector& shared(int which = 0);

    bool ready() const { return m_ready; }
    // Faces in `grey` (8-bit), largest first, in its pixels. A face must be at least about 1/28
    // of the picture's longer side. `seeds`, when given, receives for each face the first pass's
    // box it was placed from, so that a later search of a like picture can start there.
    std::vector<cv::Rect> detect(const cv::Mat& grey, std::vector<cv::Rect>* seeds = nullptr);
    // The second pass alone, at a seed from an earlier search: the face it places there, as
    // detect() would have placed it from the same seed. False when there is none.
    bool detectAt(const cv::Mat& grey, const cv::Rect& seed, cv::Rect& face);

private:
    FaceDetector();
    static std::string cascadePath(const char* kind, const char* file);
    std::vector<cv::Rect> coarse(const cv::Mat& grey, double& scale);
    bool refine(const cv::Mat& grey, cv::Rect& box);

    cv::CascadeClassifier m_quick;
    cv::CascadeClassifier m_precise;
    std::mutex m_mutex;
    bool m_ready = false;
};

}  // namespace face
