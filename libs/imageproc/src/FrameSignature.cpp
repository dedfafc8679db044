#include "FrameSignature.h"

#include <algorithm>
#include <cmath>

namespace imageproc {

namespace {
constexpr int kColumns = 40, kRows = 30;
constexpr int kPatch = 4;  // pixels square
}  // namespace

FrameSignature FrameSignature::of(const cv::Mat& rgb) {
    FrameSignature s;
    if (rgb.empty() || rgb.type() != CV_8UC3)
        return s;
    s.m_size = rgb.size();
    s.m_means.reserve(size_t(kColumns) * kRows);
    const int pw = std::clamp(rgb.cols / kColumns, 1, kPatch),
              ph = std::clamp(rgb.rows / kRows, 1, kPatch);
    for (int r = 0; r < kRows; ++r) {
        const int y0 = int((r + 0.5) * rgb.rows / kRows) - ph / 2;
        for (int c = 0; c < kColumns; ++c) {
            const int x0 = int((c + 0.5) * rgb.cols / kColumns) - pw / 2;
            int sum = 0;
            for (int y = y0; y < y0 + ph; ++y) {
                const uchar* p = rgb.ptr<uchar>(std::clamp(y, 0, rgb.rows - 1));
                for (int x = std::max(x0, 0); x < std::min(x0 + pw, rgb.cols); ++x)
                    sum += p[3 * x] + p[3 * x + 1] + p[3 * x + 2];
            }
            s.m_means.push_back(float(sum) / float(3 * pw * ph));
        }
    }
    return s;
}

int FrameSignature::changedPatches(const FrameSignature& other) const {
    if (m_means.empty() || other.m_size != m_size || other.m_means.size() != m_means.size())
        return -1;
    std::vector<float> diff(m_means.size());
    for (size_t i = 0; i < diff.size(); ++i)
        diff[i] = other.m_means[i] - m_means[i];
    std::vector<float> sorted = diff;
    std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
    const float exposure = sorted[sorted.size() / 2];
    // Sensor noise of a few levels per pixel leaves a patch's mean within a level or so; the
    // edge of a page moved by two pixels shifts the patches it crosses by ten and more.
    const float changed = 6.f;
    int count = 0;
    for (float d : diff)
        count += std::abs(d - exposure) > changed;
    return count;
}

bool FrameSignature::sameScene(const FrameSignature& other) const {
    // A couple of changed patches are let pass: a flickering spot is no moved scene.
    const int changed = changedPatches(other);
    return changed >= 0 && changed <= 2;
}

bool FrameSignature::otherPicture(const FrameSignature& other) const {
    // A page moved on a plain desk changes the patches over the page and its rim, a hand over
    // the page those under it; three in four is more than either.
    const int changed = changedPatches(other);
    return changed < 0 || changed * 4 > 3 * int(m_means.size());
}

}  // namespace imageproc
