// Upright detection on captured text pages: rendered desk scenes of documents, each page cut out
// along its true outline (as the document mode cuts it), then turned by 0, 90, 180 and 270
// degrees. Also pages without text (bare desk, blank paper, pictures), which must never be turned.
//
//   bench_textread [pages = 50] [width = 3264] [height = 2448] [first seed = 3000]
//
// Seeds are fixed, so two runs print the same accuracy figures.

#include "../../tests/support/MatImage.h"
#include "scene/Scene.h"
#include "textread/Orientation.h"

#include <opencv2/imgproc.hpp>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

double ms(std::chrono::steady_clock::time_point a) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - a).count();
}

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

QImage pageWithoutText(int kind, uint32_t seed, int w, int h) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0, 1);
    if (kind == 0) {
        scene::Params p = scene::randomParams(scene::Object::EmptyDesk, seed, w, h);
        return toQImage(scene::render(p).rgb);
    }
    cv::Mat page(h * 2 / 3, w / 2, CV_8UC3, cv::Scalar(240, 238, 232));
    for (int y = 0; y < page.rows; ++y)  // light falling off across the sheet
        page.row(y) -= cv::Scalar::all(30.0 * y / page.rows);
    if (kind == 2) {
        for (int i = 0; i < 12; ++i) {
            const cv::Point c(int(u(rng) * page.cols), int(u(rng) * page.rows));
            cv::circle(page, c, int(page.rows * (0.02 + 0.15 * u(rng))),
                       cv::Scalar(255 * u(rng), 255 * u(rng), 255 * u(rng)), cv::FILLED,
                       cv::LINE_AA);
        }
    }
    cv::Mat noise(page.size(), CV_8UC3);
    cv::randn(noise, cv::Scalar::all(0), cv::Scalar::all(3));
    page += noise;
    return toQImage(page);
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 50;
    const int w = argc > 2 ? std::atoi(argv[2]) : 3264;
    const int h = argc > 3 ? std::atoi(argv[3]) : 2448;
    const uint32_t first = argc > 4 ? uint32_t(std::atoi(argv[4])) : 3000u;

    // The first call of a thread loads the engine; a worker thread pays that once.
    textread::detectOrientation(pageWithoutText(1, 1, 800, 600));

    int upright = 0, undecided = 0, total = 0;
    std::vector<double> wall, cpu;
    for (int i = 0; i < n; ++i) {
        const scene::Params p =
            scene::randomParams(scene::Object::Document, first + uint32_t(i), w, h);
        const QImage page = toQImage(scene::flatObject(scene::render(p)));
        for (int turn = 0; turn < 360; turn += 90) {
            const QImage shown = textread::turned(page, turn);
            const auto t0 = std::chrono::steady_clock::now();
            const double c0 = cpuMs();
            const textread::Orientation o = textread::detectOrientation(shown);
            cpu.push_back(cpuMs() - c0);
            wall.push_back(ms(t0));
            ++total;
            const bool ok = o.enoughText && (turn + o.turn) % 360 == 0;
            upright += ok;
            undecided += !o.enoughText;
            if (!ok)
                std::printf("seed %u turned %d: answer %d (confidence %.2f, %s)\n",
                            first + uint32_t(i), turn, o.turn, double(o.confidence),
                            o.enoughText ? "text" : "not enough text");
        }
    }
    int turnedBlank = 0;
    const int blanks = std::max(6, n / 2);
    for (int i = 0; i < blanks; ++i) {
        const textread::Orientation o =
            textread::detectOrientation(pageWithoutText(i % 3, first + uint32_t(i), w, h));
        if (o.enoughText && o.turn != 0) {
            ++turnedBlank;
            std::printf("page without text (kind %d, seed %u) turned by %d (confidence %.2f)\n",
                        i % 3, first + uint32_t(i), o.turn, double(o.confidence));
        }
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    const auto pct = [](const std::vector<double>& v, double q) {
        return v.empty() ? 0.0 : v[std::min(v.size() - 1, size_t(q * double(v.size())))];
    };
    std::printf("text pages: %d of %d upright (%.1f %%), %d undecided\n", upright, total,
                100.0 * upright / std::max(1, total), undecided);
    std::printf("pages without text: %d of %d turned\n", turnedBlank, blanks);
    std::printf(
        "per page: wall median %.0f ms, p95 %.0f ms, max %.0f ms; cpu median %.0f ms, "
        "p95 %.0f ms\n",
        pct(wall, 0.5), pct(wall, 0.95), wall.empty() ? 0.0 : wall.back(), pct(cpu, 0.5),
        pct(cpu, 0.95));
    return 0;
}
