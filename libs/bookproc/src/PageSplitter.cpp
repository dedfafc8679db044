#include "PageSplitter.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace bookproc {

size_t PageSplitter::paddedBytes(int width, int height) {
    size_t row = (size_t(width) * 3 + 3) & ~size_t(3);
    return row * size_t(height);
}

bool PageSplitter::pageSize(const Quad& q, size_t capacityBytes, int* width, int* height) {
    double w = std::max(cv::norm(q.tr() - q.tl()), cv::norm(q.br() - q.bl()));
    double h = std::max(cv::norm(q.bl() - q.tl()), cv::norm(q.br() - q.tr()));
    if (!(w >= 2 && h >= 2))
        return false;
    int iw = int(std::lround(w)), ih = int(std::lround(h));
    // Callers pad the rows in place afterwards, so the padded page must fit as well. A page
    // within its capture always fits a capture-sized buffer up to that padding; a buffer much
    // smaller than the page is the caller's mistake, not a reason to hand back a thumbnail.
    if (paddedBytes(iw, ih) > capacityBytes) {
        double s = std::sqrt(double(capacityBytes) / double(paddedBytes(iw, ih)));
        if (s < 0.95)
            return false;
        for (int tries = 0; tries < 8 && paddedBytes(iw, ih) > capacityBytes; ++tries) {
            iw = std::max(1, int(iw * s * 0.999));
            ih = std::max(1, int(ih * s * 0.999));
            s = std::sqrt(double(capacityBytes) / double(paddedBytes(iw, ih)));
        }
    }
    if (iw < 2 || ih < 2 || paddedBytes(iw, ih) > capacityBytes)
        return false;
    *width = iw;
    *height = ih;
    return true;
}

void PageSplitter::rectify(const cv::Mat& src, const Quad& q, int width, int height,
                           unsigned char* buffer) {
    const cv::Point2f from[4] = {q.tl(), q.tr(), q.br(), q.bl()};
    const cv::Point2f to[4] = {
        {0, 0}, {width - 1.f, 0}, {width - 1.f, height - 1.f}, {0, height - 1.f}};
    cv::Mat M = cv::getPerspectiveTransform(from, to);
    // A header over the caller's memory: warpPerspective writes there and nowhere else, since
    // the size and type already match.
    cv::Mat dst(height, width, CV_8UC3, buffer, size_t(width) * 3);
    cv::warpPerspective(src, dst, M, dst.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
}

}  // namespace bookproc
