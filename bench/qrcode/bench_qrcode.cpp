// QR sheets photographed on a desk: the page is found and cut as in sheet mode, then every code
// on the cut page is read and compared with the codes that were printed.
//
//   bench_qrcode [sheets = 200] [width = 3264] [height = 2448] [first seed = 5000]

#include "KELM_ImageProcessingMod.h"
#include "KELM_QRCode.h"
#include "scene/Scene.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 200;
    const int w = argc > 2 ? std::atoi(argv[2]) : 3264;
    const int h = argc > 3 ? std::atoi(argv[3]) : 2448;
    const uint32_t first = argc > 4 ? uint32_t(std::atoi(argv[4])) : 5000u;
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;
    std::vector<unsigned char> page(size_t(w) * h * 3);
    std::vector<char> results(32 * KELM_QRCODE_ENTRY_SIZE);
    std::vector<double> times, cpu;
    int allRead = 0, cutFailed = 0;
    for (int i = 0; i < n; ++i) {
        const uint32_t seed = first + uint32_t(i);
        scene::Scene s = scene::render(scene::randomParams(scene::Object::QrSheet, seed, w, h));
        SImage src{s.rgb.data, w, h};
        int c[8] = {0};
        SImage cut{page.data(), w, h};
        if (KELM_GetRectCornerPoint(src, c, 0) <= 0 ||
            KELM_CutRequestedROI(src, &cut, c, 0, 0, 0, 0, 0) <= 0) {
            ++cutFailed;
            if (verbose)
                std::printf("sheet %u: page not found\n", seed);
            continue;
        }
        const auto t0 = std::chrono::steady_clock::now();
        timespec c0{}, c1{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c0);
        const int got = KELM_QRCode_Decoding(&cut, results.data(), 32);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c1);
        cpu.push_back((c1.tv_sec - c0.tv_sec) * 1000.0 + (c1.tv_nsec - c0.tv_nsec) / 1e6);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
        std::vector<std::string> read;
        for (int k = 0; k < got; ++k)
            read.emplace_back(results.data() + k * KELM_QRCODE_ENTRY_SIZE);
        std::vector<std::string> want = s.truth.qrTexts;
        std::sort(read.begin(), read.end());
        std::sort(want.begin(), want.end());
        if (read == want)
            ++allRead;
        else if (verbose)
            std::printf("sheet %u: read %d of %zu codes\n", seed, got, want.size());
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("frames %dx%d, %d sheets, seeds %u..%u\n", w, h, n, first, first + n - 1);
    std::printf("all codes read on %.1f %% of sheets (%d of %d; page not found on %d)\n",
                100.0 * allRead / std::max(1, n), allRead, n, cutFailed);
    std::printf("median ms: QR decoding of the cut page %.1f wall, %.1f CPU (all threads)\n",
                times.empty() ? 0.0 : times[times.size() / 2],
                cpu.empty() ? 0.0 : cpu[cpu.size() / 2]);
    return 0;
}
