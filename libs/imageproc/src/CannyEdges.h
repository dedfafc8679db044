#pragma once

#include <opencv2/core.hpp>

namespace imageproc {

// Canny's edges of one gradient at several pairs of thresholds. The thinning to the ridge of the
// gradient does not depend on the thresholds, so it is done once; each pair then only needs its
// hysteresis. The maps are the very ones cv::Canny gives for the same derivatives and thresholds
// with the L1 norm.
class CannyEdges {
public:
    // dx, dy: CV_16S derivatives; mag: CV_16U, |dx| + |dy|. Points at or below floor are never
    // edges: no pair of thresholds asked for later may have its lower one below it.
    CannyEdges(const cv::Mat& dx, const cv::Mat& dy, const cv::Mat& mag, double floor);

    // CV_8U, 255 on the edges: ridge points above low joined to one above high.
    cv::Mat edges(double low, double high) const;

private:
    cv::Mat m_ridge;  // CV_16U: the magnitude on the ridge of the gradient, 0 elsewhere
    int m_floor = 0;
};

}  // namespace imageproc
