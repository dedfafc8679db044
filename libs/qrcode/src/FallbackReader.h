#pragma once

#include "Code.h"

#include <vector>

namespace visioncore {
class DebugDump;
}

namespace qrcode {

// The tries for pictures that one plain read misses: a quiet zone added around a code cut off at
// the picture's edge, light codes on dark ground, a global threshold for glare and uneven light,
// an enlarged copy of a small or low-resolution code, a smoothed copy for halftone and textured
// codes, a local threshold for low contrast, then the independent decoders. They run in that
// order, cheapest and most often right first, and stop at the first try that reads a code. Each
// works on a copy of at most about a megapixel, so that a page without any code is given up
// quickly.
class FallbackReader {
public:
    static std::vector<Code> read(const cv::Mat& grey, int maxCount,
                                  const visioncore::DebugDump& dump);
};

}  // namespace qrcode
