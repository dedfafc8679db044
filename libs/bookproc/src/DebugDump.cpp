#include "DebugDump.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace bookproc {

namespace {
std::atomic<int> g_sequence{0};
thread_local int t_group = 0;
thread_local const char* t_step = "book";
}  // namespace

bool DebugDump::enabled() {
    const char* dir = std::getenv("MIRAVELO_DEBUG_DUMP");
    return dir && *dir;
}

int DebugDump::begin(const char* step) {
    t_group = ++g_sequence;
    t_step = step;
    return t_group;
}

void DebugDump::write(const std::string& label, const cv::Mat& image) {
    if (!enabled() || image.empty())
        return;
    cv::Mat out;
    if (image.depth() == CV_8U) {
        if (image.channels() == 3)
            cv::cvtColor(image, out, cv::COLOR_RGB2BGR);
        else
            out = image;
    } else {
        cv::normalize(image, out, 0, 255, cv::NORM_MINMAX, CV_8U);
    }
    char name[64];
    std::snprintf(name, sizeof name, "/book_%04d_%s_", t_group, t_step);
    std::string path = std::string(std::getenv("MIRAVELO_DEBUG_DUMP")) + name + label + ".png";
    try {
        cv::imwrite(path, out);
    } catch (...) {
        // A dump that cannot be written must never change the result of the call.
    }
}

}  // namespace bookproc
