#include "LineTally.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace bookproc {

namespace {

// Samples every this many pixels along the line.
constexpr float kStep = 2.f;

}  // namespace

LineTally::LineTally(const edgelines::Line& line, const cv::Mat& facing,
                     const std::vector<cv::Mat>& rgb, const cv::Mat& print, const cv::Vec3d& paper,
                     float reach)
    : m_origin(line.n * line.rho), m_dir(-line.n.y, line.n.x) {
    const cv::Rect frame(0, 0, facing.cols, facing.rows);
    const float half = float(std::hypot(facing.cols, facing.rows));
    m_start = -half;
    const size_t n = size_t(2 * half / kStep) + 1;
    for (auto* v : {&m_edge, &m_rays, &m_inked, &m_beyond, &m_alike})
        v->assign(n + 1, 0);
    for (size_t c = 0; c < 3; ++c) {
        m_in[c].assign(n + 1, 0.0);
        m_out[c].assign(n + 1, 0.0);
    }
    m_banded.assign(n + 1, 0);
    for (size_t i = 0; i < n; ++i) {
        const cv::Point2f p = m_origin + m_dir * (m_start + kStep * float(i));
        const cv::Point at(cvRound(p.x), cvRound(p.y));
        int edge = 0, inked = 0, beyond = 0, alike = 0, banded = 0;
        std::array<double, 3> in{}, out{};
        if (frame.contains(at)) {
            edge = facing.at<uchar>(at) ? 1 : 0;
            // As the full score's bands: the paper inside as the brightest of a few samples, so
            // print near the rim does not count as darkness.
            const cv::Point o(cvRound(p.x - line.n.x * 4), cvRound(p.y - line.n.y * 4));
            if (frame.contains(o)) {
                for (size_t c = 0; c < 3; ++c) {
                    for (int k = 3; k <= 7; k += 2) {
                        const cv::Point q(cvRound(p.x + line.n.x * float(k)),
                                          cvRound(p.y + line.n.y * float(k)));
                        if (frame.contains(q))
                            in[c] = std::max(in[c], double(rgb[c].at<uchar>(q)));
                    }
                    out[c] = rgb[c].at<uchar>(o);
                }
                banded = 1;
            }
            for (float k = 0.3f * reach; k <= reach; k += 1.f) {
                const cv::Point q(cvRound(p.x - line.n.x * k), cvRound(p.y - line.n.y * k));
                if (!frame.contains(q))
                    break;
                ++beyond;
                alike += edgelines::sameColour(rgb, q, paper);
                inked = inked || print.at<uchar>(q);
            }
        }
        m_edge[i + 1] = m_edge[i] + edge;
        m_rays[i + 1] = m_rays[i] + (beyond > 0);
        m_inked[i + 1] = m_inked[i] + inked;
        m_beyond[i + 1] = m_beyond[i] + beyond;
        m_alike[i + 1] = m_alike[i] + alike;
        m_banded[i + 1] = m_banded[i] + banded;
        for (size_t c = 0; c < 3; ++c) {
            m_in[c][i + 1] = m_in[c][i] + in[c];
            m_out[c][i + 1] = m_out[c][i] + out[c];
        }
    }
}

size_t LineTally::index(const cv::Point2f& p) const {
    const float t = ((p - m_origin).dot(m_dir) - m_start) / kStep;
    return size_t(std::clamp(std::lround(t), 0L, long(m_edge.size() - 1)));
}

double LineTally::side(const cv::Point2f& a, const cv::Point2f& b) const {
    size_t i0 = index(a + (b - a) * 0.06f), i1 = index(a + (b - a) * 0.94f);
    if (i0 > i1)
        std::swap(i0, i1);
    if (i1 == i0)
        return 0;
    const double cov = double(m_edge[i1] - m_edge[i0]) / double(i1 - i0);
    const int rays = m_rays[i1] - m_rays[i0], samples = m_beyond[i1] - m_beyond[i0];
    const int banded = m_banded[i1] - m_banded[i0];
    if (rays == 0 || samples == 0 || banded == 0)
        return cov;
    edgelines::Beyond beyond;
    beyond.inked = double(m_inked[i1] - m_inked[i0]) / rays;
    beyond.alike = double(m_alike[i1] - m_alike[i0]) / samples;
    double step = 0;
    for (size_t c = 0; c < 3; ++c) {
        const double in = (m_in[c][i1] - m_in[c][i0]) / banded;
        const double out = (m_out[c][i1] - m_out[c][i0]) / banded;
        step = std::max(step, std::fabs(out - in) / std::max(1.0, std::max(in, out)));
    }
    return cov * edgelines::sideWeight(step, beyond);
}

}  // namespace bookproc
