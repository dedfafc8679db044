#include "scene/SceneBuildingBlocks.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace scene {

double focalPixels(const Params& p) {
    return p.width * p.cameraHeightMm / p.fieldWidthMm;
}

cv::Matx33d deskToImage(const Params& p) {
    const double f = focalPixels(p);
    const double cx = (p.width - 1) * 0.5, cy = (p.height - 1) * 0.5;
    const double ax = p.tiltXDeg * CV_PI / 180.0, ay = p.tiltYDeg * CV_PI / 180.0;
    const cv::Matx33d rx(1, 0, 0, 0, std::cos(ax), -std::sin(ax), 0, std::sin(ax), std::cos(ax));
    const cv::Matx33d ry(std::cos(ay), 0, std::sin(ay), 0, 1, 0, -std::sin(ay), 0, std::cos(ay));
    const cv::Matx33d k(f, 0, cx, 0, f, cy, 0, 0, 1);
    // The desk is the plane Z = h in camera coordinates before the camera is tilted.
    const cv::Matx33d plane(1, 0, 0, 0, 1, 0, 0, 0, p.cameraHeightMm);
    return k * rx * ry * plane;
}

cv::Matx33d textureToDesk(int texW, int texH, double widthMm, double heightMm, cv::Point2d center,
                          double rotationDeg) {
    // Texture pixel centres sit at integer coordinates, so the texture's outer edge is at -0.5.
    const double sx = widthMm / texW, sy = heightMm / texH;
    const cv::Matx33d toMm(sx, 0, 0.5 * sx - widthMm / 2, 0, sy, 0.5 * sy - heightMm / 2, 0, 0, 1);
    const double a = rotationDeg * CV_PI / 180.0;
    const cv::Matx33d rot(std::cos(a), -std::sin(a), center.x, std::sin(a), std::cos(a), center.y,
                          0, 0, 1);
    return rot * toMm;
}

static cv::Point2d apply(const cv::Matx33d& h, double x, double y) {
    const cv::Vec3d v = h * cv::Vec3d(x, y, 1.0);
    return {v[0] / v[2], v[1] / v[2]};
}

void composite(cv::Mat& frame, const cv::Mat& texture, const cv::Mat& alpha,
               const cv::Matx33d& textureToImage, double dropShadow) {
    const double tw = texture.cols - 0.5, th = texture.rows - 0.5;
    std::vector<cv::Point2d> c = {apply(textureToImage, -0.5, -0.5),
                                  apply(textureToImage, tw, -0.5), apply(textureToImage, tw, th),
                                  apply(textureToImage, -0.5, th)};
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const auto& q : c) {
        x0 = std::min(x0, q.x), y0 = std::min(y0, q.y), x1 = std::max(x1, q.x),
        y1 = std::max(y1, q.y);
    }
    const int margin = std::max(4, frame.cols / 200);
    cv::Rect roi(cv::Point(int(std::floor(x0)) - margin, int(std::floor(y0)) - margin),
                 cv::Point(int(std::ceil(x1)) + margin + 1, int(std::ceil(y1)) + margin + 1));
    roi &= cv::Rect(0, 0, frame.cols, frame.rows);
    if (roi.empty())
        return;
    const cv::Matx33d shift(1, 0, -roi.x, 0, 1, -roi.y, 0, 0, 1);
    const cv::Matx33d t = shift * textureToImage;
    cv::Mat warped, a;
    cv::warpPerspective(texture, warped, t, roi.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    cv::Mat mask = alpha.empty() ? cv::Mat(texture.size(), CV_8U, cv::Scalar(255)) : alpha;
    cv::warpPerspective(mask, a, t, roi.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT, 0);
    cv::Mat out = frame(roi);
    if (dropShadow > 0) {
        // Paper lying on a desk darkens a thin seam around itself (thickness, ambient occlusion).
        cv::Mat soft;
        const double s = std::max(1.0, frame.cols / 1200.0);
        cv::GaussianBlur(a, soft, cv::Size(0, 0), s);
        cv::Mat shifted = cv::Mat::zeros(soft.size(), soft.type());
        const int dx = int(std::lround(s)), dy = int(std::lround(1.5 * s));
        if (soft.cols > dx && soft.rows > dy)
            soft(cv::Rect(0, 0, soft.cols - dx, soft.rows - dy))
                .copyTo(shifted(cv::Rect(dx, dy, soft.cols - dx, soft.rows - dy)));
        for (int y = 0; y < out.rows; ++y) {
            auto* o = out.ptr<cv::Vec3b>(y);
            const uchar* m = shifted.ptr<uchar>(y);
            for (int x = 0; x < out.cols; ++x) {
                const double k = 1.0 - dropShadow * m[x] / 255.0;
                o[x] = cv::Vec3b(cv::saturate_cast<uchar>(o[x][0] * k),
                                 cv::saturate_cast<uchar>(o[x][1] * k),
                                 cv::saturate_cast<uchar>(o[x][2] * k));
            }
        }
    }
    for (int y = 0; y < out.rows; ++y) {
        auto* o = out.ptr<cv::Vec3b>(y);
        const auto* w = warped.ptr<cv::Vec3b>(y);
        const uchar* m = a.ptr<uchar>(y);
        for (int x = 0; x < out.cols; ++x) {
            const int k = m[x];
            if (k == 0)
                continue;
            for (int ch = 0; ch < 3; ++ch)
                o[x][ch] = uchar((w[x][ch] * k + o[x][ch] * (255 - k) + 127) / 255);
        }
    }
}

void finish(cv::Mat& frame, const Params& p) {
    const int W = frame.cols, H = frame.rows;
    // Light: a smooth gain field computed small and stretched, which is how real fall-off looks.
    const int gw = std::max(8, W / 16), gh = std::max(6, H / 16);
    cv::Mat gain(gh, gw, CV_32F);
    const double flicker = 1.0 + 0.015 * std::sin(p.time * 6.1);
    for (int y = 0; y < gh; ++y) {
        for (int x = 0; x < gw; ++x) {
            const double dx = double(x) / gw - p.lightCenter.x,
                         dy = double(y) / gh - p.lightCenter.y;
            const double d2 = (dx * dx + dy * dy) / 1.25;
            gain.at<float>(y, x) = float(flicker * (1.0 - p.lightUnevenness * std::min(1.0, d2)));
        }
    }
    if (p.castShadow) {
        std::mt19937 rng(p.seed * 7919u + 13u);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        cv::Mat sh = cv::Mat::zeros(gh, gw, CV_32F);
        // An arm or the camera's head: a broad band entering from one frame edge.
        const int edge = int(u(rng) * 4);
        const double pos = 0.2 + 0.6 * u(rng), len = 0.25 + 0.35 * u(rng),
                     wid = 0.12 + 0.15 * u(rng);
        cv::Point2d a, b;
        if (edge == 0)
            a = {pos, -0.1}, b = {pos + 0.2 * (u(rng) - 0.5), len};
        if (edge == 1)
            a = {1.1, pos}, b = {1 - len, pos + 0.2 * (u(rng) - 0.5)};
        if (edge == 2)
            a = {pos, 1.1}, b = {pos + 0.2 * (u(rng) - 0.5), 1 - len};
        if (edge == 3)
            a = {-0.1, pos}, b = {len, pos + 0.2 * (u(rng) - 0.5)};
        cv::line(sh, cv::Point(int(a.x * gw), int(a.y * gh)),
                 cv::Point(int(b.x * gw), int(b.y * gh)), cv::Scalar(1.0),
                 std::max(1, int(wid * gw)), cv::LINE_AA);
        cv::GaussianBlur(sh, sh, cv::Size(0, 0), std::max(1.0, gw * 0.03));
        gain = gain.mul(1.0 - p.shadowDepth * sh);
    }
    cv::Mat big;
    cv::resize(gain, big, frame.size(), 0, 0, cv::INTER_LINEAR);
    cv::parallel_for_(cv::Range(0, H), [&](const cv::Range& r) {
        for (int y = r.start; y < r.end; ++y) {
            auto* o = frame.ptr<cv::Vec3b>(y);
            const float* g = big.ptr<float>(y);
            for (int x = 0; x < W; ++x) {
                for (int ch = 0; ch < 3; ++ch)
                    o[x][ch] = cv::saturate_cast<uchar>(o[x][ch] * g[x]);
            }
        }
    });
    const double sigma = p.blurSigma * W / 3264.0;
    if (sigma > 0.2)
        cv::GaussianBlur(frame, frame, cv::Size(0, 0), sigma);
    if (p.noiseSigma > 0) {
        // A noise tile laid with an offset that changes with seed and time keeps this cheap.
        const int T = 256;
        cv::Mat tile(T, T, CV_32FC3);
        cv::RNG rng(uint64_t(p.seed) * 31u + uint64_t(std::llround(p.time * 1000.0)) + 1u);
        rng.fill(tile, cv::RNG::NORMAL, 0.0, p.noiseSigma);
        cv::Mat tile16;
        tile.convertTo(tile16, CV_16SC3);
        const int ox = int(rng.uniform(0, T)), oy = int(rng.uniform(0, T));
        cv::parallel_for_(cv::Range(0, H), [&](const cv::Range& r) {
            for (int y = r.start; y < r.end; ++y) {
                auto* o = frame.ptr<cv::Vec3b>(y);
                const auto* n = tile16.ptr<cv::Vec3s>((y + oy) % T);
                for (int x = 0; x < W; ++x) {
                    const cv::Vec3s& d = n[(x + ox + y / T * 37) % T];
                    for (int ch = 0; ch < 3; ++ch)
                        o[x][ch] = cv::saturate_cast<uchar>(o[x][ch] + d[ch]);
                }
            }
        });
    }
}

}  // namespace scene
