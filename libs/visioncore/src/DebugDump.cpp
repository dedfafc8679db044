#include "visioncore/DebugDump.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace visioncore {

DebugDump::DebugDump(const char* step) {
    const char* dir = std::getenv("MIRAVELO_DEBUG_DUMP");
    if (!dir || !*dir)
        return;
    static std::atomic<int> sequence{0};
    char number[16];
    std::snprintf(number, sizeof number, "/%04d_", ++sequence);
    m_prefix = std::string(dir) + number + step + "_";
}

void DebugDump::write(const std::string& label, const cv::Mat& image) const {
    if (m_prefix.empty() || image.empty())
        return;
    try {
        // A fresh output: converting into a header that shares the caller's pixels would change
        // the very image the algorithm goes on to use.
        cv::Mat out;
        if (image.depth() != CV_8U)
            cv::normalize(image, out, 0, 255, cv::NORM_MINMAX, CV_8U);
        else if (image.channels() == 3)
            cv::cvtColor(image, out, cv::COLOR_RGB2BGR);
        else
            out = image;
        cv::imwrite(m_prefix + label + ".png", out);
    } catch (...) {
        // A dump folder that cannot be written must not change what the library computes.
    }
}

}  // namespace visioncore
