#include "OutlineMemory.h"

#include "CornerRefiner.h"

#include <cmath>
#include <map>
#include <mutex>
#include <utility>

namespace imageproc {

namespace {

std::mutex lock;
std::map<std::pair<int, int>, Quad>& remembered() {
    static std::map<std::pair<int, int>, Quad> outlines;
    return outlines;
}

bool within(const Quad& a, const Quad& b, double band) {
    for (size_t i = 0; i < 4; ++i)
        if (cv::norm(a[i] - b[i]) > band)
            return false;
    return true;
}

}  // namespace

Quad OutlineMemory::steady(const cv::Mat& rgb, const Quad& found) {
    // The band: the noise of a sound detection (about a pixel) and rounding, and far below what
    // an outline may be off by.
    const double band = 2.0;
    std::lock_guard<std::mutex> guard(lock);
    auto& outlines = remembered();
    const auto key = std::make_pair(rgb.cols, rgb.rows);
    const auto it = outlines.find(key);
    if (it != outlines.end()) {
        const Quad& before = it->second;
        if (within(found, before, band))
            return before;
        // A near tie goes to the outline already shown, if it still lies on clear edges: on a
        // page too faint for them, where neither has any, the newest one is the better guess.
        const double kept = CornerRefiner::support(before, rgb);
        if (kept >= 0.5 && kept >= 0.95 * CornerRefiner::support(found, rgb))
            return before;
    }
    outlines[key] = found;
    return found;
}

void OutlineMemory::forget() {
    std::lock_guard<std::mutex> guard(lock);
    remembered().clear();
}

}  // namespace imageproc
