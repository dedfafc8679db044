#pragma once

#include <opencv2/core.hpp>

#include <string>
#include <vector>

namespace qrcode {

struct Code {
    std::string text;  // UTF-8, as the code spells it
    cv::Point2f center;
    float sideInView = 0;  // side length in the image it was read from
};

// Reads every QR code of a photographed or cut page: first on a reduced grey copy (fast, and
// enough for codes of normal size), then, when that finds nothing, at full resolution.
class QrReader {
public:
    static std::vector<Code> read(const cv::Mat& rgb, int maxCount);
};

}  // namespace qrcode
