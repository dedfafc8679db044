// Accuracy and speed of the document and card outlines, the cut and the colour optimisation on
// rendered desk scenes with known ground truth.
//
//   bench_imageproc [scenes per kind = 200] [width = 3264] [height = 2448] [first seed = 1000]
//
// Scenes use fixed seeds, so two runs print the same accuracy figures.
// BENCH_CORNERS=<file> writes every outline found (kind, seed, the eight corner coordinates), so
// that two builds' results can be compared exactly, not only by their means.

#include "KELM_ImageProcessingMod.h"
#include "scene/Scene.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double ms(std::chrono::steady_clock::time_point a) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - a).count();
}

// CPU time of the whole process (all threads), in ms: on a machine shared with other work the
// wall clock mostly measures the neighbours.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// CPU time of the calling thread alone, in ms: what one frame costs the thread that asked for it,
// whatever the neighbours and the library's own helper threads do meanwhile.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::array<cv::Point2f, 4> toQuad(const int* c) {
    // Library order: 1 top-right, 2 bottom-left, 3 top-left, 4 bottom-right.
    return {cv::Point2f(float(c[4]), float(c[5])), cv::Point2f(float(c[0]), float(c[1])),
            cv::Point2f(float(c[6]), float(c[7])), cv::Point2f(float(c[2]), float(c[3]))};
}

bool allZero(const int* c) {
    for (int i = 0; i < 8; ++i)
        if (c[i])
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 200;
    const int w = argc > 2 ? std::atoi(argv[2]) : 3264;
    const int h = argc > 3 ? std::atoi(argv[3]) : 2448;
    const uint32_t first = argc > 4 ? uint32_t(std::atoi(argv[4])) : 1000u;
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;
    FILE* corners = nullptr;
    if (const char* path = std::getenv("BENCH_CORNERS");
        path && !(corners = std::fopen(path, "w"))) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 2;
    }

    std::vector<double> docIoU, cardIoU, aspectErr, detectMs, cutMs, optMs, detectCpu, cutCpu,
        optCpu, kindMs[3], kindCpu[3], kindThreadCpu[3];
    int emptyRejected = 0, emptyTotal = 0;
    std::vector<unsigned char> out(size_t(w) * h * 3), opt(size_t(w) * h * 3);
    for (int kind = 0; kind < 3; ++kind) {
        const scene::Object obj = kind == 0   ? scene::Object::Document
                                  : kind == 1 ? scene::Object::Card
                                              : scene::Object::EmptyDesk;
        for (int i = 0; i < n; ++i) {
            const uint32_t seed = first + uint32_t(i);
            scene::Scene s = scene::render(scene::randomParams(obj, seed, w, h));
            SImage src{s.rgb.data, s.rgb.cols, s.rgb.rows};
            int c[8] = {0};
            const auto t0 = std::chrono::steady_clock::now();
            const double c0 = cpuMs(), tc0 = threadCpuMs();
            KELM_GetRectCornerPoint(src, c, kind == 1 ? 1 : 0);
            kindThreadCpu[kind].push_back(threadCpuMs() - tc0);
            detectCpu.push_back(cpuMs() - c0);
            detectMs.push_back(ms(t0));
            kindMs[kind].push_back(detectMs.back());
            kindCpu[kind].push_back(detectCpu.back());
            if (corners)
                std::fprintf(corners, "%d %u %d %d %d %d %d %d %d %d\n", kind, seed, c[0], c[1],
                             c[2], c[3], c[4], c[5], c[6], c[7]);
            if (obj == scene::Object::EmptyDesk) {
                ++emptyTotal;
                if (allZero(c))
                    ++emptyRejected;
                else if (verbose)
                    std::printf("empty desk %u: false outline\n", seed);
                continue;
            }
            const double iou = allZero(c) ? 0.0 : scene::quadIoU(toQuad(c), s.truth.corners, w, h);
            (kind == 0 ? docIoU : cardIoU).push_back(iou);
            if (verbose && iou < 0.95)
                std::printf("%s %u: IoU %.3f\n", kind == 0 ? "doc" : "card", seed, iou);
            if (allZero(c) || kind != 0)
                continue;
            SImage dst{out.data(), w, h};
            const auto t1 = std::chrono::steady_clock::now();
            const double c1 = cpuMs();
            if (KELM_CutRequestedROI(src, &dst, c, 0, 0, 0, 0, 0) <= 0)
                continue;
            cutCpu.push_back(cpuMs() - c1);
            cutMs.push_back(ms(t1));
            // Orientation is the detector's choice; compare the long-to-short proportion.
            const double got =
                double(std::max(dst.width, dst.height)) / std::min(dst.width, dst.height);
            const double truth = std::max(s.truth.aspect, 1.0 / s.truth.aspect);
            if (iou > 0.9)
                aspectErr.push_back(std::abs(got / truth - 1.0));
            SImage o{opt.data(), dst.width, dst.height};
            const auto t2 = std::chrono::steady_clock::now();
            const double c2 = cpuMs();
            KELM_MulticolorOptimizeImage(dst, &o, 0, 0, 0, 0);
            optCpu.push_back(cpuMs() - c2);
            optMs.push_back(ms(t2));
        }
    }
    auto mean = [](const std::vector<double>& v) {
        double s = 0;
        for (double x : v)
            s += x;
        return v.empty() ? 0.0 : s / v.size();
    };
    auto share = [](const std::vector<double>& v, double t, bool above) {
        int k = 0;
        for (double x : v)
            k += above ? x > t : x <= t;
        return v.empty() ? 0.0 : 100.0 * k / v.size();
    };
    std::printf("frames %dx%d, %d scenes per kind, seeds %u..%u\n", w, h, n, first, first + n - 1);
    std::printf("document outline: mean IoU %.4f, IoU > 0.9 on %.1f %%\n", mean(docIoU),
                share(docIoU, 0.9, true));
    std::printf("empty desk: no outline on %.1f %% (%d of %d)\n",
                100.0 * emptyRejected / std::max(1, emptyTotal), emptyRejected, emptyTotal);
    std::printf("card outline: mean IoU %.4f, IoU > 0.9 on %.1f %%\n", mean(cardIoU),
                share(cardIoU, 0.9, true));
    std::printf("cut aspect: mean error %.2f %%, within 3 %% on %.1f %%\n", 100 * mean(aspectErr),
                share(aspectErr, 0.03, false));
    std::printf("median wall ms: outline %.1f, cut %.1f, optimisation %.1f\n", median(detectMs),
                median(cutMs), median(optMs));
    std::printf("median wall ms of the outline: documents %.1f, cards %.1f, empty desks %.1f\n",
                median(kindMs[0]), median(kindMs[1]), median(kindMs[2]));
    std::printf(
        "median CPU ms of the outline, all threads: documents %.1f, cards %.1f, empty desks "
        "%.1f\n",
        median(kindCpu[0]), median(kindCpu[1]), median(kindCpu[2]));
    std::printf(
        "median CPU ms of the outline, calling thread: documents %.1f, cards %.1f, empty "
        "desks %.1f\n",
        median(kindThreadCpu[0]), median(kindThreadCpu[1]), median(kindThreadCpu[2]));
    std::printf("median CPU ms (all threads): outline %.1f, cut %.1f, optimisation %.1f\n",
                median(detectCpu), median(cutCpu), median(optCpu));
    if (corners)
        std::fclose(corners);
    return 0;
}
