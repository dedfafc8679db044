#include "EdgeCrowding.h"

namespace imageproc {

int pointsAmidEdges(cv::Point2f p, cv::Point2f d, float lo, float hi, int samples, int reach,
                    const cv::Mat& edges) {
    const cv::Point2f n(-d.y, d.x);
    const cv::Rect frame(0, 0, edges.cols, edges.rows);
    auto edgeBeside = [&](cv::Point2f q, float sign) {
        for (int t = 3; t <= reach; ++t) {
            const cv::Point r(cvRound(q.x + sign * n.x * t), cvRound(q.y + sign * n.y * t));
            if (frame.contains(r) && edges.at<uchar>(r))
                return true;
        }
        return false;
    };
    int both = 0;
    for (int k = 0; k < samples; ++k) {
        const cv::Point2f q = p + d * (lo + (hi - lo) * (k + 0.5f) / samples);
        both += edgeBeside(q, 1) && edgeBeside(q, -1);
    }
    return both;
}

}  // namespace imageproc
