#include "Rectifier.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

double Rectifier::trueAspect(const Quad& q, cv::Size frame) {
    const double cx = (frame.width - 1) * 0.5, cy = (frame.height - 1) * 0.5;
    // m1 top-left, m2 top-right, m3 bottom-left, m4 bottom-right, centred on the principal point.
    const cv::Vec3d m1(q[0].x - cx, q[0].y - cy, 1), m2(q[1].x - cx, q[1].y - cy, 1),
        m3(q[3].x - cx, q[3].y - cy, 1), m4(q[2].x - cx, q[2].y - cy, 1);
    const double k2 = m1.cross(m4).dot(m3) / m2.cross(m4).dot(m3);
    const double k3 = m1.cross(m4).dot(m2) / m3.cross(m4).dot(m2);
    const cv::Vec3d n2 = k2 * m2 - m1, n3 = k3 * m3 - m1;
    const double side = (cv::norm(q[1] - q[0]) + cv::norm(q[2] - q[3])) /
                        std::max(1e-9, cv::norm(q[3] - q[0]) + cv::norm(q[2] - q[1]));
    if (!std::isfinite(k2) || !std::isfinite(k3))
        return side;
    // A document camera's focal length lies within a few frame widths; outside that the
    // perspective is too weak to measure it and a typical value serves as well.
    const double diag = std::hypot(frame.width, frame.height);
    double f = 0.9 * diag;
    const double den = n2[2] * n3[2];
    if (std::abs(den) > 1e-12) {
        const double f2 = -(n2[0] * n3[0] + n2[1] * n3[1]) / den;
        if (f2 > 0 && std::sqrt(f2) > 0.3 * diag && std::sqrt(f2) < 5 * diag)
            f = std::sqrt(f2);
    }
    const double num = (n2[0] * n2[0] + n2[1] * n2[1]) / (f * f) + n2[2] * n2[2];
    const double dnm = (n3[0] * n3[0] + n3[1] * n3[1]) / (f * f) + n3[2] * n3[2];
    if (num <= 0 || dnm <= 0)
        return side;
    const double r = std::sqrt(num / dnm);
    return std::isfinite(r) && r > 0.05 && r < 20 ? r : side;
}

cv::Size Rectifier::outputSize(const Quad& q, double aspect) {
    const double w = std::max(cv::norm(q[1] - q[0]), cv::norm(q[2] - q[3]));
    const double h = std::max(cv::norm(q[3] - q[0]), cv::norm(q[2] - q[1]));
    double ow = w, oh = w / aspect;
    if (oh < h)
        oh = h, ow = h * aspect;
    return cv::Size(std::max(1, int(std::lround(ow))), std::max(1, int(std::lround(oh))));
}

cv::Mat Rectifier::rectify(const cv::Mat& rgb, const Quad& q, double aspect, long long maxPixels) {
    cv::Size out = outputSize(q, aspect);
    if (maxPixels > 0 && (long long)out.width * out.height > maxPixels) {
        const double s = std::sqrt(double(maxPixels) / (double(out.width) * out.height));
        out = cv::Size(std::max(1, int(out.width * s)), std::max(1, int(out.height * s)));
        while ((long long)out.width * out.height > maxPixels) {
            out.width = std::max(1, out.width - 1);
            out.height = std::max(1, out.height - 1);
        }
    }
    // The outline's corners are the outer edges of the corner pixels.
    const cv::Point2f src[4] = {q[0], q[1], q[2], q[3]};
    const cv::Point2f dst[4] = {{-0.5f, -0.5f},
                                {out.width - 0.5f, -0.5f},
                                {out.width - 0.5f, out.height - 0.5f},
                                {-0.5f, out.height - 0.5f}};
    const cv::Mat h = cv::getPerspectiveTransform(src, dst);
    cv::Mat result;
    cv::warpPerspective(rgb, result, h, out, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return result;
}

}  // namespace imageproc
