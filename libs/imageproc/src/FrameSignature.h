#pragma once

#include <opencv2/core.hpp>

#include <vector>

namespace imageproc {

// A coarse fingerprint of a photo: the mean brightness of small patches on a fixed grid. Two
// frames of a still scene differ only by sensor noise, which averages out within a patch; a page
// moved by a pixel or two, a hand coming in or a lamp switched on changes some patches by far
// more. Cheap enough to take on every live frame (some thousand patches, not every pixel).
class FrameSignature {
public:
    FrameSignature() = default;
    // rgb: CV_8UC3.
    static FrameSignature of(const cv::Mat& rgb);

    // Whether `other` shows the same scene as this one: taken from a frame of the same size, and
    // no patch changed by more than noise once a change of the whole picture's brightness (the
    // camera's exposure) is set aside.
    bool sameScene(const FrameSignature& other) const;
    // Whether `other` shows another picture altogether: most patches changed (the camera turned
    // to another desk, a photo given after another), so that nothing seen on this one is worth
    // looking for on it.
    bool otherPicture(const FrameSignature& other) const;

private:
    // The patches that changed by more than noise, or -1 when the two cannot be compared.
    int changedPatches(const FrameSignature& other) const;

    cv::Size m_size;
    std::vector<float> m_means;
};

}  // namespace imageproc
