#include "DebugDump.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <atomic>
#include <cstdlib>

namespace imageproc {

DebugDump::DebugDump(const char* step) {
    const char* dir = std::getenv("MIRAVELO_DEBUG_DUMP");
    if (!dir || !*dir)
        return;
    static std::atomic<int> counter{0};
    m_prefix = std::string(dir) + "/" + std::to_string(counter++) + "_" + step + "_";
}

void DebugDump::write(const char* label, const cv::Mat& img, bool rgb) const {
    if (m_prefix.empty() || img.empty())
        return;
    try {
        cv::Mat out = img;
        if (rgb && img.channels() == 3)
            cv::cvtColor(img, out, cv::COLOR_RGB2BGR);
        cv::imwrite(m_prefix + label + ".png", out);
    } catch (...) {
        // A dump folder that cannot be written must not change what the library computes.
    }
}

}  // namespace imageproc
