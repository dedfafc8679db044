#pragma once

#include "visioncore/DebugDump.h"

#include <opencv2/core.hpp>

#include <cstddef>
#include <vector>

namespace bookproc {

using visioncore::DebugDump;

// Removes the curl of a book page near the gutter.
//
// A page bending down into the gutter moves every point toward the camera's axis by an amount
// that grows with its depth and with its distance from that axis, so in a straightened page a
// text line at row y is displaced by about A(x) + B(x) * y, where A and B depend only on the
// column (the page is bent along the spine, not across it). The text lines are traced through
// vertical strips, A and B are fitted per strip against each line's level on the flat outer part
// of the page, and the page is resampled so every line runs straight at that level. B also
// tells how far the surface rises above the plane of the page's corners, which gives its slope
// and so the foreshortening of the print, undone by stretching each column back to its arc
// length. The gutter shadow is evened out with an estimate of the paper's brightness.
class PageFlattener {
public:
    explicit PageFlattener(const DebugDump& dump) : m_dump(dump) {}

    struct Model {
        bool curled = false;        // lines bend; false leaves the geometry untouched
        bool gutterLeft = false;    // the gutter is on the left side of the page
        std::vector<float> stripX;  // strip centres, working pixels
        std::vector<float> A, B;    // displacement per strip (A in working pixels)
        double workScale = 1.0;     // working pixels per page pixel
        int lines = 0;
    };

    // srcRgb: the straightened page (CV_8UC3). Writes the flattened page, of the source's size,
    // into buffer (width * 3 bytes per row); false when capacityBytes cannot hold it.
    bool flatten(const cv::Mat& srcRgb, bool grey, size_t capacityBytes, unsigned char* buffer,
                 int* width, int* height) const;

    // The curl model alone, from the page's grey image; exposed for inspection.
    Model estimate(const cv::Mat& grey, cv::Mat* gainOut) const;

private:
    const DebugDump& m_dump;
};

}  // namespace bookproc
