#include "SideFitter.h"

#include "QuadFromSides.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace imageproc {

SideFitter::SideFitter(const cv::Mat& dx, const cv::Mat& dy, const cv::Mat& mag, double level)
    : m_dx(dx), m_dy(dy), m_mag(mag), m_level(level) {}

// How much the pixel at p is an edge running across n: nothing for a weak gradient or one that
// crosses the side (print, the desk's pattern met at a slant), else between 1 and 2 by its
// strength, so that the clearest of two nearby parallel edges wins.
double SideFitter::alongEdge(cv::Point2f p, cv::Point2f n) const {
    const cv::Point r(cvRound(p.x), cvRound(p.y));
    if (r.x < 0 || r.y < 0 || r.x >= m_mag.cols || r.y >= m_mag.rows)
        return 0;
    const double m = m_mag.at<ushort>(r);
    if (m < m_level)
        return 0;
    if (!runsAlong(m_dx.at<short>(r), m_dy.at<short>(r), n))
        return 0;
    return 1 + std::min(m, 3 * m_level) / (3 * m_level);
}

bool SideFitter::fit(const Quad& q, int reach, Quad& out) const {
    if (m_level <= 0 || reach < 1)
        return false;
    const int span = 2 * reach + 1;
    cv::Point2f ends[4][2];
    std::vector<double> strength;
    for (int i = 0; i < 4; ++i) {
        const cv::Point2f a = q[size_t(i)], b = q[size_t((i + 1) % 4)];
        const float len = float(cv::norm(b - a));
        if (len < 4)
            return false;
        const cv::Point2f d = (b - a) * (1 / len), n(-d.y, d.x);
        // The rounded corners take the ends of a card's side: only its middle is measured.
        const int N = std::clamp(int(len / 3), 12, 32);
        strength.assign(size_t(N * span), 0.0);
        std::vector<float> at(static_cast<size_t>(N));
        for (int k = 0; k < N; ++k) {
            at[size_t(k)] = 0.1f + 0.8f * (k + 0.5f) / N;
            const cv::Point2f p = a + (b - a) * at[size_t(k)];
            for (int t = -reach; t <= reach; ++t)
                strength[size_t(k * span + t + reach)] = alongEdge(p + n * float(t), n);
        }
        // Every straight line through the band, given by where it crosses the lines through the
        // ends: the one with the most edge along it. The outline as it was keeps ties.
        auto support = [&](int ta, int tb) {
            double s = 0;
            for (int k = 0; k < N; ++k) {
                const int t = int(std::lround(ta + (tb - ta) * at[size_t(k)]));
                s += strength[size_t(k * span + t + reach)];
            }
            return s;
        };
        // Every second line first, then the lines next to the best of them.
        int bestA = 0, bestB = 0;
        double best = support(0, 0);
        auto consider = [&](int ta, int tb) {
            if (ta < -reach || ta > reach || tb < -reach || tb > reach)
                return;
            const double s = support(ta, tb);
            if (s > best + 1e-9 || (s > best - 1e-9 && std::abs(ta) + std::abs(tb) <
                                                           std::abs(bestA) + std::abs(bestB))) {
                best = s;
                bestA = ta;
                bestB = tb;
            }
        };
        for (int ta = -reach; ta <= reach; ta += 2)
            for (int tb = -reach; tb <= reach; tb += 2)
                consider(ta, tb);
        const int coarseA = bestA, coarseB = bestB;
        for (int ta = coarseA - 1; ta <= coarseA + 1; ++ta)
            for (int tb = coarseB - 1; tb <= coarseB + 1; ++tb)
                consider(ta, tb);
        ends[i][0] = a + n * float(bestA);
        ends[i][1] = b + n * float(bestB);
    }
    return quadFromSides(ends, out);
}

}  // namespace imageproc
