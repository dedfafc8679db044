// Accuracy and speed of the book-page library on rendered spreads with known truth.
//
//   bookproc_bench [scenes] [first-seed] [width height]
//
// For every scene: page-outline IoU of both pages, gutter error (mean distance of the detected
// gutter ends from the true ones, in pixels), text-line straightness of the pages before and
// after flattening (RMS deviation of each line's ink centre from a straight line, in pixels of
// the page), and the time of corners + split + flattening of both pages.

#include "bookproc/BookProcessing.h"
#include "scene/BookScene.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double quadIoU(const cv::Point2f* a, const cv::Point2f* b) {
    std::vector<cv::Point2f> pa(a, a + 4), pb(b, b + 4), inter;
    double areaA = std::fabs(cv::contourArea(pa)), areaB = std::fabs(cv::contourArea(pb));
    if (areaA <= 0 || areaB <= 0)
        return 0;
    double i = cv::intersectConvexConvex(pa, pb, inter, true);
    return i / (areaA + areaB - i);
}

// Library order (1 TR, 2 BL, 3 TL, 4 BR) to TL, TR, BR, BL.
void toQuad(const int* c, cv::Point2f* q) {
    auto pt = [&](int i) { return cv::Point2f(float(c[2 * i]), float(c[2 * i + 1])); };
    q[0] = pt(2);
    q[1] = pt(0);
    q[2] = pt(3);
    q[3] = pt(1);
}

// RMS deviation (page pixels) of text lines from straight lines in a page image whose frame
// matches the flat content's frame. Each true line is looked for in a band around where it
// should be; its ink centre is taken in column bins and a straight line fitted through them.
bool straightness(const cv::Mat& page, const scene::BookPageTruth& t, double* rms) {
    if (page.empty())
        return false;
    cv::Mat grey, ink;
    cv::cvtColor(page, grey, cv::COLOR_RGB2GRAY);
    cv::adaptiveThreshold(grey, ink, 1, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, 31, 25);
    const double sx = double(page.cols) / t.content.cols, sy = double(page.rows) / t.content.rows;
    double pitch = 1e9;
    for (size_t i = 1; i < t.lineY.size(); ++i)
        pitch = std::min(pitch, double(t.lineY[i] - t.lineY[i - 1]));
    if (t.lineY.size() < 2)
        return false;
    const int half = std::max(2, int(0.45 * pitch * sy));
    double sum = 0;
    int n = 0;
    for (size_t i = 0; i < t.lineY.size(); ++i) {
        const int yc = int(t.lineY[i] * sy);
        const int x0 = int(t.lineX[i][0] * sx), x1 = int(t.lineX[i][1] * sx);
        const int bins = 12;
        std::vector<cv::Point2d> pts;
        for (int b = 0; b < bins; ++b) {
            int bx0 = x0 + (x1 - x0) * b / bins, bx1 = x0 + (x1 - x0) * (b + 1) / bins;
            double m = 0, w = 0;
            for (int y = std::max(0, yc - half); y <= std::min(page.rows - 1, yc + half); ++y) {
                const uchar* r = ink.ptr<uchar>(y);
                for (int x = std::max(0, bx0); x < std::min(page.cols, bx1); ++x)
                    if (r[x]) {
                        m += y;
                        w += 1;
                    }
            }
            if (w > 0.02 * (bx1 - bx0) * half)
                pts.push_back({0.5 * (bx0 + bx1), m / w});
        }
        if (pts.size() < 6)
            continue;
        cv::Vec4f line;
        std::vector<cv::Point2f> pf(pts.begin(), pts.end());
        cv::fitLine(pf, line, cv::DIST_L2, 0, 0.01, 0.01);
        double ss = 0;
        for (const auto& p : pf) {
            double d = (p.x - line[2]) * line[1] - (p.y - line[3]) * line[0];
            ss += d * d;
        }
        sum += std::sqrt(ss / pf.size());
        ++n;
    }
    if (!n)
        return false;
    *rms = sum / n;
    return true;
}

double median(std::vector<double> v) {
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int scenes = argc > 1 ? std::atoi(argv[1]) : 20;
    const int firstSeed = argc > 2 ? std::atoi(argv[2]) : 1000;
    scene::BookSceneParams params;
    if (argc > 4) {
        params.width = std::atoi(argv[3]);
        params.height = std::atoi(argv[4]);
    }
    std::vector<double> ious, gutterErr, before, after, times;
    int found = 0;
    for (int i = 0; i < scenes; ++i) {
        params.seed = uint32_t(firstSeed + i);
        scene::BookSceneTruth truth;
        cv::Mat photo = scene::BookScene(params).render(&truth);
        SImage src{photo.data, photo.cols, photo.rows};
        std::vector<unsigned char> lbuf(photo.total() * 3), rbuf(photo.total() * 3);
        std::vector<unsigned char> obuf(photo.total() * 3);
        int c1[8] = {0}, c2[8] = {0}, p[2] = {0, 1};

        auto t0 = std::chrono::steady_clock::now();
        short rc = KELM_GetBookCornerPoint(src, c1, c2, p);
        SImage L{lbuf.data(), photo.cols, photo.rows}, R{rbuf.data(), photo.cols, photo.rows};
        short rs = rc > 0 ? KELM_GetSplitBook(src, &L, &R, c1, c2, p[0]) : 0;
        cv::Mat flatL, flatR, splitL, splitR;
        if (rs > 0) {
            splitL = cv::Mat(L.height, L.width, CV_8UC3, L.data).clone();
            splitR = cv::Mat(R.height, R.width, CV_8UC3, R.data).clone();
            for (int side = 0; side < 2; ++side) {
                SImage page = side ? R : L;
                SImage out{obuf.data(), page.width, page.height};
                if (KELM_OptimizeBook(page, &out, p[0], 0) > 0)
                    (side ? flatR : flatL) =
                        cv::Mat(out.height, out.width, CV_8UC3, out.data).clone();
            }
        }
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                        .count();
        times.push_back(ms);
        double iouL = 0, iouR = 0, gerr = NAN;
        if (rc > 0) {
            ++found;
            cv::Point2f ql[4], qr[4];
            toQuad(c1, ql);
            toQuad(c2, qr);
            iouL = quadIoU(ql, truth.left.corners);
            iouR = quadIoU(qr, truth.right.corners);
            gerr = 0.5 * (cv::norm(qr[0] - truth.gutterTop) + cv::norm(qr[3] - truth.gutterBottom));
            gutterErr.push_back(gerr);
            if (std::getenv("BOOKBENCH_VERBOSE"))
                std::printf("  gutter found (%.0f,%.0f)-(%.0f,%.0f) true (%.0f,%.0f)-(%.0f,%.0f)\n",
                            qr[0].x, qr[0].y, qr[3].x, qr[3].y, truth.gutterTop.x,
                            truth.gutterTop.y, truth.gutterBottom.x, truth.gutterBottom.y);
        }
        ious.push_back(iouL);
        ious.push_back(iouR);
        double b = NAN, a = NAN, x;
        if (straightness(splitL, truth.left, &x) && straightness(splitR, truth.right, &b))
            b = 0.5 * (b + x);
        if (straightness(flatL, truth.left, &x) && straightness(flatR, truth.right, &a))
            a = 0.5 * (a + x);
        if (!std::isnan(a) && !std::isnan(b)) {
            before.push_back(b);
            after.push_back(a);
        }
        std::printf("seed %5u  IoU %.3f %.3f  gutter %6.1f px  lines %.2f -> %.2f px  %6.0f ms\n",
                    params.seed, iouL, iouR, gerr, b, a, ms);
        if (std::getenv("BOOKBENCH_SAVE")) {
            char name[64];
            std::snprintf(name, sizeof name, "bench_%u_", params.seed);
            std::string base = std::string(std::getenv("BOOKBENCH_SAVE")) + "/" + name;
            auto save = [&](const char* what, const cv::Mat& m) {
                if (m.empty())
                    return;
                cv::Mat bgr;
                cv::cvtColor(m, bgr, cv::COLOR_RGB2BGR);
                cv::imwrite(base + what + ".jpg", bgr);
            };
            save("photo", photo);
            save("splitL", splitL);
            save("splitR", splitR);
            save("flatL", flatL);
            save("flatR", flatR);
        }
    }
    double meanIoU = 0;
    int above = 0;
    for (double v : ious) {
        meanIoU += v;
        above += v > 0.9;
    }
    meanIoU /= std::max<size_t>(1, ious.size());
    double meanG = 0;
    for (double v : gutterErr)
        meanG += v;
    meanG /= std::max<size_t>(1, gutterErr.size());
    double mb = 0, ma = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        mb += before[i];
        ma += after[i];
    }
    mb /= std::max<size_t>(1, before.size());
    ma /= std::max<size_t>(1, after.size());
    std::printf("\n%d scenes %dx%d: spreads found %d\n", scenes, params.width, params.height,
                found);
    std::printf("page-outline IoU: mean %.4f, pages above 0.9: %.1f %%\n", meanIoU,
                100.0 * above / std::max<size_t>(1, ious.size()));
    std::printf("gutter error: mean %.1f px (%.2f %% of the width)\n", meanG,
                100.0 * meanG / params.width);
    std::printf("text-line RMS deviation: split only %.2f px, flattened %.2f px (%zu scenes)\n", mb,
                ma, before.size());
    std::printf("corners + split + flattening of both pages: median %.0f ms\n", median(times));
    return 0;
}
