// Accuracy and speed of the book-page library on rendered spreads with known truth.
//
//   bookproc_bench [scenes] [first-seed] [width height] [content pixels per mm]
//
// For every scene: page-outline IoU of both pages, gutter error (mean distance of the detected
// gutter ends from the true ones, in pixels), text-line straightness of the pages before and
// after flattening (RMS deviation of each line's ink centre from a straight line, in pixels of
// the page), and the time of corners + split + flattening of both pages.

#include "bookproc/BookProcessing.h"
#include "scene/BookScene.h"
#include "scene/BookScore.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Library order (1 TR, 2 BL, 3 TL, 4 BR) to TL, TR, BR, BL.
void toQuad(const int* c, cv::Point2f* q) {
    auto pt = [&](int i) { return cv::Point2f(float(c[2 * i]), float(c[2 * i + 1])); };
    q[0] = pt(2);
    q[1] = pt(0);
    q[2] = pt(3);
    q[3] = pt(1);
}

// CPU time of all the process's threads: on a shared machine the wall clock also counts the
// time other programs held the cores.
double processCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
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
    if (argc > 5)
        params.contentScale = std::atof(argv[5]);
    std::vector<double> ious, gutterErr, before, after, times, stageTimes[3], cpuTimes, simBefore,
        simAfter;
    int found = 0;
    for (int i = 0; i < scenes; ++i) {
        params.seed = uint32_t(firstSeed + i);
        scene::BookSceneTruth truth;
        cv::Mat photo = scene::BookScene(params).render(&truth);
        SImage src{photo.data, photo.cols, photo.rows};
        std::vector<unsigned char> lbuf(photo.total() * 3), rbuf(photo.total() * 3);
        std::vector<unsigned char> obuf(photo.total() * 3);
        int c1[8] = {0}, c2[8] = {0}, p[2] = {0, 1};
        double copyMs = 0;

        const double cpu0 = processCpuMs();
        auto t0 = std::chrono::steady_clock::now();
        short rc = KELM_GetBookCornerPoint(src, c1, c2, p);
        auto t1 = std::chrono::steady_clock::now();
        SImage L{lbuf.data(), photo.cols, photo.rows}, R{rbuf.data(), photo.cols, photo.rows};
        short rs = rc > 0 ? KELM_GetSplitBook(src, &L, &R, c1, c2, p[0]) : 0;
        auto t2 = std::chrono::steady_clock::now();
        cv::Mat flatL, flatR, splitL, splitR;
        if (rs > 0) {
            auto c0 = std::chrono::steady_clock::now();
            splitL = cv::Mat(L.height, L.width, CV_8UC3, L.data).clone();
            splitR = cv::Mat(R.height, R.width, CV_8UC3, R.data).clone();
            copyMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - c0)
                    .count();
            for (int side = 0; side < 2; ++side) {
                SImage page = side ? R : L;
                SImage out{obuf.data(), page.width, page.height};
                if (KELM_OptimizeBook(page, &out, p[0], 0) > 0)
                    (side ? flatR : flatL) =
                        cv::Mat(out.height, out.width, CV_8UC3, out.data).clone();
            }
        }
        auto t3 = std::chrono::steady_clock::now();
        cpuTimes.push_back(processCpuMs() - cpu0);
        // The copies of the split pages for scoring are not part of the work measured.
        auto msBetween = [](auto a, auto b) {
            return std::chrono::duration<double, std::milli>(b - a).count();
        };
        const double ms = msBetween(t0, t3) - copyMs;
        times.push_back(ms);
        stageTimes[0].push_back(msBetween(t0, t1));
        stageTimes[1].push_back(msBetween(t1, t2));
        stageTimes[2].push_back(msBetween(t2, t3) - copyMs);
        double iouL = 0, iouR = 0, gerr = NAN;
        if (rc > 0) {
            ++found;
            cv::Point2f ql[4], qr[4];
            toQuad(c1, ql);
            toQuad(c2, qr);
            iouL = scene::quadIoU(ql, truth.left.corners);
            iouR = scene::quadIoU(qr, truth.right.corners);
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
        if (scene::lineStraightness(splitL, truth.left, &x) &&
            scene::lineStraightness(splitR, truth.right, &b))
            b = 0.5 * (b + x);
        if (scene::lineStraightness(flatL, truth.left, &x) &&
            scene::lineStraightness(flatR, truth.right, &a))
            a = 0.5 * (a + x);
        if (!std::isnan(a) && !std::isnan(b)) {
            before.push_back(b);
            after.push_back(a);
        }
        if (!flatL.empty() && !flatR.empty()) {
            simBefore.push_back(0.5 * (scene::pageSimilarity(splitL, truth.left.content) +
                                       scene::pageSimilarity(splitR, truth.right.content)));
            simAfter.push_back(0.5 * (scene::pageSimilarity(flatL, truth.left.content) +
                                      scene::pageSimilarity(flatR, truth.right.content)));
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
    double sb = 0, sa = 0;
    for (size_t i = 0; i < simBefore.size(); ++i) {
        sb += simBefore[i];
        sa += simAfter[i];
    }
    sb /= std::max<size_t>(1, simBefore.size());
    sa /= std::max<size_t>(1, simAfter.size());
    std::printf(
        "likeness to the flat page (correlation of 80 x 112 thumbnails): split only %.3f, "
        "flattened %.3f\n",
        sb, sa);
    std::printf(
        "corners + split + flattening of both pages: median %.0f ms wall (corners %.0f, "
        "split %.0f, flattening %.0f), median %.0f ms CPU over all threads\n",
        median(times), median(stageTimes[0]), median(stageTimes[1]), median(stageTimes[2]),
        median(cpuTimes));
    return 0;
}
