#pragma once

#include <opencv2/core.hpp>

#include <string>

namespace imageproc {

// Writes labelled intermediate images into the folder named by MIRAVELO_DEBUG_DUMP, when set.
// Each call of begin() starts a new numbered set so that consecutive runs do not overwrite.
class DebugDump {
public:
    explicit DebugDump(const char* step);
    bool enabled() const { return !m_prefix.empty(); }
    void write(const char* label, const cv::Mat& img, bool rgb = true) const;

private:
    std::string m_prefix;
};

}  // namespace imageproc
