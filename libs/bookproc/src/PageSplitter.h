#pragma once

#include "visioncore/Quad.h"

#include <opencv2/core.hpp>

#include <cstddef>

namespace bookproc {

using visioncore::Quad;

// Cuts one page out of a spread and straightens it into a caller's buffer.
class PageSplitter {
public:
    // Bytes a page of width x height takes once its rows are padded to multiples of 4 bytes.
    static size_t paddedBytes(int width, int height);

    // The page size for an outline: its longer opposite sides, shrunk a little (keeping the
    // aspect) when that is all it takes to fit capacityBytes after row padding. False when the
    // buffer is too small for the page.
    static bool pageSize(const Quad& q, size_t capacityBytes, int* width, int* height);

    // Writes the straightened page, width * 3 bytes per row, into buffer.
    static void rectify(const cv::Mat& srcRgb, const Quad& q, int width, int height,
                        unsigned char* buffer);
};

}  // namespace bookproc
