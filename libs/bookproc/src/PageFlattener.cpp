#include "PageFlattener.h"

#include "Profile.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace bookproc {

namespace {

constexpr double kWorkWidth = 900.0;
// Height of a document camera above the desk, in page widths: the scale of the page's relief.
constexpr double kCameraHeightInPageWidths = 3.0;

struct TracedLine {
    std::vector<cv::Point2f> pts;  // one per strip, working pixels
    int lastStrip = -10;
    float slope = 0;
};

void fitLine(const std::vector<cv::Point2f>& pts, double* a, double* b) {
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const auto& p : pts) {
        sx += p.x;
        sy += p.y;
        sxx += double(p.x) * p.x;
        sxy += double(p.x) * p.y;
    }
    double n = double(pts.size());
    double den = n * sxx - sx * sx;
    *b = std::fabs(den) > 1e-9 ? (n * sxy - sx * sy) / den : 0;
    *a = (sy - *b * sx) / n;
}

}  // namespace

PageFlattener::Model PageFlattener::estimate(const cv::Mat& grey, cv::Mat* gainOut) const {
    Model m;
    const double k = std::min(1.0, kWorkWidth / grey.cols);
    m.workScale = k;
    cv::Mat g;
    if (k < 1.0)
        cv::resize(grey, g, cv::Size(), k, k, cv::INTER_AREA);
    else
        g = grey.clone();
    const int Ww = g.cols, Hw = g.rows;

    // Paper brightness: the maximum over a neighbourhood larger than a letter, smoothed.
    cv::Mat tiny, bg;
    cv::resize(g, tiny, cv::Size(std::max(2, Ww / 8), std::max(2, Hw / 8)), 0, 0, cv::INTER_AREA);
    cv::dilate(tiny, tiny, cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(5, 5)));
    cv::GaussianBlur(tiny, tiny, cv::Size(5, 5), 0);
    tiny.convertTo(tiny, CV_32F);
    cv::resize(tiny, bg, g.size(), 0, 0, cv::INTER_LINEAR);
    cv::Mat gain = 235.0 / cv::max(bg, 20.0);
    gain = cv::min(cv::max(gain, 0.8), 3.0);
    if (gainOut)
        *gainOut = gain;
    cv::Mat gf, norm;
    g.convertTo(gf, CV_32F);
    norm = gf.mul(gain);
    cv::Mat ink = norm < 150;
    m_dump.write("ink", ink);

    // Letter height from the ink blobs: it sets the profile smoothing and the line tolerance.
    cv::Mat labels, stats, centroids;
    int n = cv::connectedComponentsWithStats(ink, labels, stats, centroids, 8, CV_32S);
    std::vector<int> heights;
    for (int i = 1; i < n; ++i) {
        int h = stats.at<int>(i, cv::CC_STAT_HEIGHT), w = stats.at<int>(i, cv::CC_STAT_WIDTH);
        if (h >= 3 && h <= Hw / 20 && w <= Ww / 4 && stats.at<int>(i, cv::CC_STAT_AREA) >= 4)
            heights.push_back(h);
    }
    if (heights.size() < 20)
        return m;  // too little print to follow
    std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
    const double xh = std::max(3, heights[heights.size() / 2]);

    const int S = std::clamp(int(Ww / (6 * xh)), 8, 40);
    const double sw = double(Ww) / S;
    std::vector<TracedLine> lines;
    for (int s = 0; s < S; ++s) {
        int x0 = int(s * sw), x1 = std::min(Ww, int((s + 1) * sw));
        float xc = float((s + 0.5) * sw);
        std::vector<float> peaks = Profile::textLines(ink, x0, x1, xh);
        std::vector<char> used(peaks.size(), 0);
        // Each active line takes the nearest unclaimed peak to where it is heading.
        struct Cand {
            float dist;
            int line, peak;
        };
        std::vector<Cand> cands;
        for (int li = 0; li < int(lines.size()); ++li) {
            const TracedLine& L = lines[li];
            if (s - L.lastStrip > 2)
                continue;
            float pred = L.pts.back().y + L.slope * float((s - L.lastStrip) * sw);
            for (int pi = 0; pi < int(peaks.size()); ++pi) {
                float d = std::fabs(peaks[pi] - pred);
                if (d < 0.7 * xh)
                    cands.push_back({d, li, pi});
            }
        }
        std::sort(cands.begin(), cands.end(),
                  [](const Cand& a, const Cand& b) { return a.dist < b.dist; });
        std::vector<char> lineTaken(lines.size(), 0);
        for (const Cand& c : cands) {
            if (used[c.peak] || lineTaken[c.line])
                continue;
            used[c.peak] = lineTaken[c.line] = 1;
            TracedLine& L = lines[c.line];
            float dy = peaks[c.peak] - L.pts.back().y;
            float dx = xc - L.pts.back().x;
            L.slope = std::clamp(0.5f * L.slope + 0.5f * dy / dx, -0.3f, 0.3f);
            L.pts.push_back({xc, peaks[c.peak]});
            L.lastStrip = s;
        }
        for (int pi = 0; pi < int(peaks.size()); ++pi)
            if (!used[pi]) {
                TracedLine L;
                L.pts.push_back({xc, peaks[pi]});
                L.lastStrip = s;
                lines.push_back(L);
            }
    }
    lines.erase(
        std::remove_if(lines.begin(), lines.end(),
                       [&](const TracedLine& L) { return int(L.pts.size()) < std::max(4, S / 4); }),
        lines.end());
    if (m_dump.enabled()) {
        cv::Mat shown;
        cv::cvtColor(g, shown, cv::COLOR_GRAY2RGB);
        for (const TracedLine& L : lines)
            for (size_t i = 1; i < L.pts.size(); ++i)
                cv::line(shown, L.pts[i - 1], L.pts[i], cv::Scalar(255, 0, 0), 1);
        m_dump.write("traced_lines", shown);
    }
    if (lines.size() < 3)
        return m;

    // Which side curls: the line ends that stray from a straight fit through the middle.
    double resL = 0, resR = 0;
    int nL = 0, nR = 0;
    for (const TracedLine& L : lines) {
        std::vector<cv::Point2f> mid;
        for (const auto& p : L.pts)
            if (p.x > 0.3 * Ww && p.x < 0.7 * Ww)
                mid.push_back(p);
        if (mid.size() < 2)
            continue;
        double a, b;
        fitLine(mid, &a, &b);
        for (const auto& p : L.pts) {
            double r = std::fabs(p.y - (a + b * p.x));
            if (p.x < 0.2 * Ww) {
                resL += r;
                ++nL;
            } else if (p.x > 0.8 * Ww) {
                resR += r;
                ++nR;
            }
        }
    }
    resL = nL ? resL / nL : 0;
    resR = nR ? resR / nR : 0;
    m.gutterLeft = resL > resR;

    // Each line's level on the flat outer part, carried to the outer edge; lines too short to
    // reach the flat part do not vote.
    const double flatFrom = m.gutterLeft ? 0.5 * Ww : 0.0, flatTo = m.gutterLeft ? Ww : 0.5 * Ww;
    const double outerX = m.gutterLeft ? Ww - 0.5 * sw : 0.5 * sw;
    std::vector<double> level(lines.size(), NAN);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<cv::Point2f> flat;
        for (const auto& p : lines[i].pts)
            if (p.x >= flatFrom && p.x <= flatTo)
                flat.push_back(p);
        if (flat.size() < 3)
            continue;
        double a, b;
        fitLine(flat, &a, &b);
        level[i] = a + b * outerX;
    }

    m.stripX.resize(S);
    m.A.assign(S, 0.f);
    m.B.assign(S, 0.f);
    std::vector<char> valid(S, 0);
    for (int s = 0; s < S; ++s) {
        m.stripX[s] = float((s + 0.5) * sw);
        std::vector<cv::Point2d> samples;  // (level, displacement)
        for (size_t i = 0; i < lines.size(); ++i) {
            if (std::isnan(level[i]))
                continue;
            for (const auto& p : lines[i].pts)
                if (std::fabs(p.x - m.stripX[s]) < 1.0)
                    samples.push_back({level[i], p.y - level[i]});
        }
        if (samples.size() < 3)
            continue;
        double lo = 1e9, hi = -1e9;
        for (const auto& q : samples) {
            lo = std::min(lo, q.x);
            hi = std::max(hi, q.x);
        }
        if (hi - lo < 0.15 * Hw)
            continue;
        // Least squares, then once more without the samples that disagree (a mislinked peak).
        std::vector<cv::Point2f> pts(samples.begin(), samples.end());
        double a, b;
        fitLine(pts, &a, &b);
        std::vector<double> res;
        for (const auto& q : pts)
            res.push_back(std::fabs(q.y - (a + b * q.x)));
        std::vector<double> sorted = res;
        std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
        double cut = 2.5 * sorted[sorted.size() / 2] + 0.5;
        std::vector<cv::Point2f> keep;
        for (size_t i = 0; i < pts.size(); ++i)
            if (res[i] <= cut)
                keep.push_back(pts[i]);
        if (keep.size() >= 3)
            fitLine(keep, &a, &b);
        m.A[s] = float(a);
        m.B[s] = float(b);
        valid[s] = 1;
    }
    int firstValid = -1, lastValid = -1, nValid = 0;
    for (int s = 0; s < S; ++s)
        if (valid[s]) {
            if (firstValid < 0)
                firstValid = s;
            lastValid = s;
            ++nValid;
        }
    if (nValid < 3)
        return m;
    // Strips without enough lines take their neighbours' values; beyond the print the nearest.
    for (int s = 0; s < S; ++s) {
        if (valid[s])
            continue;
        int l = s, r = s;
        while (l >= 0 && !valid[l])
            --l;
        while (r < S && !valid[r])
            ++r;
        if (l < 0) {
            m.A[s] = m.A[firstValid];
            m.B[s] = m.B[firstValid];
        } else if (r >= S) {
            m.A[s] = m.A[lastValid];
            m.B[s] = m.B[lastValid];
        } else {
            float t = float(s - l) / float(r - l);
            m.A[s] = m.A[l] + t * (m.A[r] - m.A[l]);
            m.B[s] = m.B[l] + t * (m.B[r] - m.B[l]);
        }
    }
    std::vector<float> A = m.A, B = m.B;
    for (int s = 1; s + 1 < S; ++s) {
        m.A[s] = 0.25f * A[s - 1] + 0.5f * A[s] + 0.25f * A[s + 1];
        m.B[s] = 0.25f * B[s - 1] + 0.5f * B[s] + 0.25f * B[s + 1];
    }
    // A curl bends lines by a few per cent of the page at most; a model that asks for more was
    // fitted to mislinked lines, and resampling with it would damage a page that may be fine.
    for (int s = 0; s < S; ++s)
        for (double y : {0.0, double(Hw)})
            if (std::fabs(m.A[s] + m.B[s] * y) > 0.06 * Hw)
                return m;
    m.curled = true;
    m.lines = int(lines.size());

    return m;
}

bool PageFlattener::flatten(const cv::Mat& src, bool grey, size_t capacityBytes,
                            unsigned char* buffer, int* width, int* height) const {
    const int W = src.cols, H = src.rows;
    if (size_t(W) * size_t(H) * 3 > capacityBytes)
        return false;
    cv::Mat g;
    cv::cvtColor(src, g, cv::COLOR_RGB2GRAY);
    cv::Mat gainSmall;
    Model m = estimate(g, &gainSmall);

    // Even the light first (in source coordinates), then resample.
    cv::Mat gain;
    cv::resize(gainSmall, gain, src.size(), 0, 0, cv::INTER_LINEAR);
    cv::Mat lit(H, W, CV_8UC3);
    for (int y = 0; y < H; ++y) {
        const cv::Vec3b* s = src.ptr<cv::Vec3b>(y);
        const float* k = gain.ptr<float>(y);
        cv::Vec3b* d = lit.ptr<cv::Vec3b>(y);
        for (int x = 0; x < W; ++x)
            for (int c = 0; c < 3; ++c)
                d[x][c] = cv::saturate_cast<uchar>(s[x][c] * k[x]);
    }

    cv::Mat result;
    if (m.curled) {
        const double k = m.workScale;
        const int S = int(m.stripX.size());
        std::vector<float> colA(W), colB(W);
        for (int x = 0; x < W; ++x) {
            float xw = float(x * k);
            int s = 0;
            while (s + 1 < S && m.stripX[s + 1] < xw)
                ++s;
            float a, b;
            if (xw <= m.stripX[0]) {
                a = m.A[0];
                b = m.B[0];
            } else if (s + 1 >= S) {
                a = m.A[S - 1];
                b = m.B[S - 1];
            } else {
                float t = (xw - m.stripX[s]) / (m.stripX[s + 1] - m.stripX[s]);
                a = m.A[s] + t * (m.A[s + 1] - m.A[s]);
                b = m.B[s] + t * (m.B[s + 1] - m.B[s]);
            }
            colA[x] = float(a / k);
            colB[x] = b;
        }
        // Where the surface rises above the plane of the page's corners it appears enlarged by
        // about its height over the camera's height (B), and where it slopes its print is
        // foreshortened. With the camera about three page widths up, the height profile is
        // 3 W B(x); the page is stretched back to its arc length along that profile, within
        // the same width.
        const double camHeight = kCameraHeightInPageWidths * W;
        std::vector<double> arc(W, 0.0);
        for (int x = 1; x < W; ++x) {
            const double dh = camHeight * (colB[x] - colB[x - 1]);
            arc[x] = arc[x - 1] + std::sqrt(1.0 + dh * dh);
        }
        std::vector<float> srcX(W);
        const double total = arc[W - 1] > 0 ? arc[W - 1] : 1.0;
        for (int x = 0, j = 0; x < W; ++x) {
            const double target = total * x / std::max(1, W - 1);
            while (j + 1 < W - 1 && arc[j + 1] < target)
                ++j;
            const double span = arc[j + 1] - arc[j];
            const double t = span > 0 ? (target - arc[j]) / span : 0.0;
            srcX[x] = float(std::clamp(j + t, 0.0, double(W - 1)));
        }
        cv::Mat mapX(H, W, CV_32F), mapY(H, W, CV_32F);
        for (int y = 0; y < H; ++y) {
            float* mx = mapX.ptr<float>(y);
            float* my = mapY.ptr<float>(y);
            for (int x = 0; x < W; ++x) {
                const int xs = std::min(W - 1, int(srcX[x]));
                mx[x] = srcX[x];
                my[x] = y + colA[xs] + colB[xs] * y;
            }
        }
        cv::remap(lit, result, mapX, mapY, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    } else {
        result = lit;
    }
    if (grey) {
        cv::Mat g1;
        cv::cvtColor(result, g1, cv::COLOR_RGB2GRAY);
        cv::cvtColor(g1, result, cv::COLOR_GRAY2RGB);
    }
    m_dump.write("flattened", result);

    const int ow = W, oh = H;
    cv::Mat dst(oh, ow, CV_8UC3, buffer, size_t(ow) * 3);
    result.copyTo(dst);
    *width = ow;
    *height = oh;
    return true;
}

}  // namespace bookproc
