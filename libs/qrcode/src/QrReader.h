#pragma once

#include "Code.h"

#include <opencv2/core.hpp>

#include <vector>

namespace qrcode {

// Reads every QR code of a photographed or cut page. The fast path comes first and is all that a
// clean page pays for: one read of a reduced grey copy (enough for codes of normal size), and of
// the full resolution when that finds nothing or finds codes small enough to hide smaller ones.
// Only when both find nothing do the slower tries of FallbackReader run.
class QrReader {
public:
    static std::vector<Code> read(const cv::Mat& rgb, int maxCount);
};

}  // namespace qrcode
