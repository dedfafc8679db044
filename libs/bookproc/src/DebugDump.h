#pragma once

#include <opencv2/core.hpp>

#include <string>

namespace bookproc {

// Labelled intermediate images for looking into a failed detection: written only when the
// environment variable MIRAVELO_DEBUG_DUMP names a folder. Each call of an entry point gets its
// own sequence number so the files of one run sort in the order they were made.
class DebugDump {
public:
    static bool enabled();
    // Starts a new group of images (one entry-point call); returns its number.
    static int begin(const char* step);
    // RGB or grey 8-bit images, or float images (stretched to 0..255).
    static void write(const std::string& label, const cv::Mat& image);
};

}  // namespace bookproc
