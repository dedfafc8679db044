#pragma once

#include <opencv2/core.hpp>

#include <string>

namespace visioncore {

// Labelled intermediate images of one step of a vision algorithm, so that a failure on a real
// photo can be looked at: written only when the environment variable MIRAVELO_DEBUG_DUMP names a
// folder. Each dump takes the next number of the process when it is made, so the files of one
// call sort together, in the order the calls ran, and a later call never overwrites them.
class DebugDump {
public:
    explicit DebugDump(const char* step);
    bool enabled() const { return !m_prefix.empty(); }
    // 8-bit RGB or grey images as they are; other depths stretched to 0..255.
    void write(const std::string& label, const cv::Mat& image) const;

private:
    std::string m_prefix;
};

}  // namespace visioncore
