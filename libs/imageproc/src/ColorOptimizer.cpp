#include "ColorOptimizer.h"

#include "visioncore/DebugDump.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace imageproc {

using visioncore::DebugDump;

cv::Mat ColorOptimizer::paperBackground(const cv::Mat& rgb) {
    // Cells of about 1/40 of the page: text strokes are much smaller, so each cell's bright end
    // is the paper there.
    const int cell = std::max(4, std::max(rgb.cols, rgb.rows) / 40);
    const int gw = (rgb.cols + cell - 1) / cell, gh = (rgb.rows + cell - 1) / cell;
    cv::Mat grid(gh, gw, CV_32FC3), weight(gh, gw, CV_32F);
    std::vector<int> lum;
    for (int gy = 0; gy < gh; ++gy) {
        for (int gx = 0; gx < gw; ++gx) {
            const cv::Rect r =
                cv::Rect(gx * cell, gy * cell, cell, cell) & cv::Rect(0, 0, rgb.cols, rgb.rows);
            lum.clear();
            const int step = std::max(1, cell / 12);
            for (int y = r.y; y < r.y + r.height; y += step) {
                const auto* p = rgb.ptr<cv::Vec3b>(y);
                for (int x = r.x; x < r.x + r.width; x += step)
                    lum.push_back(p[x][0] + p[x][1] + p[x][2]);
            }
            std::sort(lum.begin(), lum.end());
            const int hi = lum[size_t(lum.size() * 9 / 10)];
            cv::Vec3d sum(0, 0, 0);
            int n = 0;
            for (int y = r.y; y < r.y + r.height; y += step) {
                const auto* p = rgb.ptr<cv::Vec3b>(y);
                for (int x = r.x; x < r.x + r.width; x += step)
                    if (p[x][0] + p[x][1] + p[x][2] >= hi - 24)
                        sum += cv::Vec3d(p[x][0], p[x][1], p[x][2]), ++n;
            }
            const cv::Vec3d m = sum / std::max(1, n);
            grid.at<cv::Vec3f>(gy, gx) = cv::Vec3f(m);
            // How much of the cell is plain: the spread between its bright end and its median.
            const int med = lum[lum.size() / 2];
            weight.at<float>(gy, gx) = float(hi - med < 40 ? 1.0 : 0.0);
        }
    }
    // Cells inside photos or dark blocks take the paper colour of plain cells around them.
    float lightest = 0;
    for (int i = 0; i < gh * gw; ++i) {
        const cv::Vec3f v = grid.at<cv::Vec3f>(i / gw, i % gw);
        if (weight.at<float>(i / gw, i % gw) > 0)
            lightest = std::max(lightest, v[0] + v[1] + v[2]);
    }
    // Paper has one hue everywhere (the light's); a plain cell of another hue is a photo or a
    // coloured block, which must keep its colour rather than be divided to white.
    std::vector<cv::Vec3f> chroma;
    for (int i = 0; i < gh * gw; ++i) {
        const cv::Vec3f v = grid.at<cv::Vec3f>(i / gw, i % gw);
        const float s = v[0] + v[1] + v[2];
        if (weight.at<float>(i / gw, i % gw) > 0 && s >= 0.75f * lightest)
            chroma.push_back(v / s);
    }
    cv::Vec3f paper(1.f / 3, 1.f / 3, 1.f / 3);
    if (!chroma.empty()) {
        for (int c = 0; c < 3; ++c) {
            std::vector<float> ch;
            for (const auto& v : chroma)
                ch.push_back(v[c]);
            std::nth_element(ch.begin(), ch.begin() + long(ch.size() / 2), ch.end());
            paper[c] = ch[ch.size() / 2];
        }
    }
    for (int i = 0; i < gh * gw; ++i) {
        const cv::Vec3f v = grid.at<cv::Vec3f>(i / gw, i % gw);
        const float s = v[0] + v[1] + v[2];
        const cv::Vec3f h = v / std::max(s, 1.f);
        const float hueShift =
            std::abs(h[0] - paper[0]) + std::abs(h[1] - paper[1]) + std::abs(h[2] - paper[2]);
        if (s < 0.55f * lightest || hueShift > 0.05f)
            weight.at<float>(i / gw, i % gw) = 0;
    }
    cv::Mat filled = grid.clone();
    for (double sigma = 1.0; sigma < 64; sigma *= 2) {
        cv::Mat wg, wv;
        std::vector<cv::Mat> ch;
        cv::split(grid, ch);
        for (auto& c : ch)
            c = c.mul(weight);
        cv::merge(ch, wv);
        cv::GaussianBlur(wv, wv, cv::Size(0, 0), sigma);
        cv::GaussianBlur(weight, wg, cv::Size(0, 0), sigma);
        bool missing = false;
        for (int y = 0; y < gh; ++y)
            for (int x = 0; x < gw; ++x) {
                if (weight.at<float>(y, x) > 0)
                    continue;
                const float w = wg.at<float>(y, x);
                if (w > 1e-3f)
                    filled.at<cv::Vec3f>(y, x) = wv.at<cv::Vec3f>(y, x) / w;
                else
                    missing = true;
            }
        if (!missing)
            break;
    }
    cv::medianBlur(filled, filled, 3);
    cv::GaussianBlur(filled, filled, cv::Size(0, 0), 0.8);
    cv::Mat big;
    cv::resize(filled, big, rgb.size(), 0, 0, cv::INTER_LINEAR);
    return big;
}

cv::Mat ColorOptimizer::optimize(const cv::Mat& rgb) {
    DebugDump dump("optimize");
    dump.write("1_input", rgb);
    const cv::Mat bg = paperBackground(rgb);
    if (dump.enabled()) {
        cv::Mat b8;
        bg.convertTo(b8, CV_8UC3);
        dump.write("2_background", b8);
    }
    // Tone curve after the division: paper (1.0) and anything near it goes white, ink gets
    // deeper. The same curve on every channel keeps hues.
    uchar lut[512];
    for (int i = 0; i < 512; ++i) {
        const double v = i / 255.0;  // ratio to paper, up to 2
        double o = (v - 0.08) / (0.88 - 0.08);
        o = std::clamp(o, 0.0, 1.0);
        o = std::pow(o, 1.35);
        lut[i] = cv::saturate_cast<uchar>(o * 255.0);
    }
    cv::Mat out(rgb.size(), CV_8UC3);
    cv::parallel_for_(cv::Range(0, rgb.rows), [&](const cv::Range& r) {
        for (int y = r.start; y < r.end; ++y) {
            const auto* s = rgb.ptr<cv::Vec3b>(y);
            const auto* b = bg.ptr<cv::Vec3f>(y);
            auto* o = out.ptr<cv::Vec3b>(y);
            for (int x = 0; x < rgb.cols; ++x)
                for (int c = 0; c < 3; ++c) {
                    const int idx = int(s[x][c] * 255.0f / std::max(b[x][c], 8.0f));
                    o[x][c] = lut[std::min(idx, 511)];
                }
        }
    });
    // A light unsharp mask on the result crisps strokes that the camera's optics softened.
    cv::Mat blur;
    cv::GaussianBlur(out, blur, cv::Size(0, 0), 1.2);
    cv::addWeighted(out, 1.6, blur, -0.6, 0, out);
    dump.write("3_result", out);
    return out;
}

cv::Mat ColorOptimizer::threshold(const cv::Mat& rgb, int value) {
    cv::Mat grey;
    cv::cvtColor(rgb, grey, cv::COLOR_RGB2GRAY);
    cv::Mat bw;
    if (value > 0 && value < 255) {
        cv::threshold(grey, bw, value, 255, cv::THRESH_BINARY);
    } else {
        const int block = std::max(3, (std::max(rgb.cols, rgb.rows) / 60) | 1);
        cv::adaptiveThreshold(grey, bw, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY, block,
                              15);
    }
    cv::Mat out;
    cv::cvtColor(bw, out, cv::COLOR_GRAY2RGB);
    return out;
}

}  // namespace imageproc
