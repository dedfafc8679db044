// The C entry points: check the descriptors, convert to grey, never let an exception out.
#include "CSeetaface.h"

#include "FaceComparer.h"
#include "FaceDetector.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace {

constexpr long long kMaxPixels = 100000000LL;

bool usable(const SImage& image) {
    return image.data && image.width > 0 && image.height > 0 &&
           (long long)image.width * image.height <= kMaxPixels;
}

cv::Mat greyOf(const SImage& image) {
    const cv::Mat rgb(image.height, image.width, CV_8UC3, image.data);
    cv::Mat grey;
    cv::cvtColor(rgb, grey, cv::COLOR_RGB2GRAY);
    return grey;
}

}  // namespace

extern "C" KELM_FACE_API double KELM_FaceCompare(SImage probe, SImage reference) {
    if (!usable(probe) || !usable(reference))
        return -1.0;
    try {
        return face::FaceComparer::compare(greyOf(probe), greyOf(reference)).similarity;
    } catch (...) {
        return 0.0;  // out of memory or threads: no answer is "no face", never a crash
    }
}

extern "C" KELM_FACE_API int KELM_GetFaces(SImage image, KELM_FaceRect* faces, int capacity) {
    if (!usable(image) || capacity < 0 || (capacity > 0 && !faces))
        return -1;
    try {
        const std::vector<cv::Rect> found = face::FaceDetector::shared().detect(greyOf(image));
        const int n = std::min(capacity, int(found.size()));
        for (int i = 0; i < n; ++i) {
            const cv::Rect r = found[size_t(i)] & cv::Rect(0, 0, image.width, image.height);
            faces[i] = KELM_FaceRect{r.x, r.y, r.width, r.height};
        }
        return int(found.size());
    } catch (...) {
        return 0;
    }
}
