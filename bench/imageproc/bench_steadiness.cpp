// Steadiness of the live page outline: the virtual document camera shows still photographs of a
// page (each for two seconds, then the same page moved), and every frame goes through the
// outline detection as in the live preview. The virtual camera repeats a photo exactly, so the
// bench adds fresh sensor noise to every frame, as a real camera would.
//
//   bench_steadiness [scenes = 6] [noise sigma = 3] [part = tune | held] [hard = scenes / 2]
//
// Shows `scenes` documents of the varied desk photographs as they come, then `hard` more with a
// shadow over the page and `hard` more on a light desk, where the outline has least to hold on
// to. part: the tuning desk photographs or the held-aside ones (report those, never tune on them).
// Reports, for all scenes and for each hard kind, how far the corners move between consecutive
// frames of a still page (median, 95th percentile and largest, in pixels of the 3264 x 2448
// frame) and after how many frames the outline has settled on a page that moved (within 2 px of
// where it then stays): as the library's entry point returns it, and as the preview draws it
// after its overlay filter. BENCH_VERBOSE=1 lists every frame's corners for each photo.
// Needs the photographs of gnome-backgrounds and opencv-doc.

#include "KELM_CamCtl.h"
#include "camera/OutlineSteadier.h"
#include "KELM_ImageProcessingMod.h"
#include "scene/VariedScene.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kW = 3264, kH = 2448;

template <typename F>
F resolve(void* lib, const char* name) {
    F f = reinterpret_cast<F>(dlsym(lib, name));
    if (!f) {
        std::fprintf(stderr, "missing %s\n", name);
        std::exit(2);
    }
    return f;
}

double cornerMove(const int* a, const int* b) {
    double worst = 0;
    for (int i = 0; i < 4; ++i)
        worst = std::max(worst, std::hypot(a[2 * i] - b[2 * i], a[2 * i + 1] - b[2 * i + 1]));
    return worst;
}

double percentile(std::vector<double> v, double p) {
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * v.size()))];
}

// A scene the camera shows, with the hard things in it ("shadow light-desk ...").
struct Shown {
    uint32_t seed = 0;
    std::string traits;
    cv::Mat probe;  // a thumbnail, to tell which photo a frame shows
};

cv::Mat thumbnail(const cv::Mat& bgr) {
    cv::Mat probe;
    cv::resize(bgr, probe, cv::Size(160, 120), 0, 0, cv::INTER_AREA);
    return probe;
}

// What one photo gave while it was shown: the outline of each frame in the camera's order.
struct Photo {
    size_t index = 0;
    int missed = 0;
    std::vector<std::vector<int>> raw;
    std::vector<std::vector<int>> drawn;  // the same through the preview's overlay filter
};

void printPhoto(const Photo& p, const Shown& s) {
    std::printf("photo %zu (seed %u%s, %s): %zu outlines, %d frames without\n", p.index, s.seed,
                p.index % 2 ? " moved" : "", s.traits.c_str(), p.raw.size(), p.missed);
    for (size_t i = 0; i < p.raw.size(); ++i) {
        const int* c = p.raw[i].data();
        std::printf("  %3zu:", i);
        for (int k = 0; k < 4; ++k)
            std::printf(" (%4d,%4d)", c[2 * k], c[2 * k + 1]);
        if (i > 0)
            std::printf("  moved %.1f", cornerMove(p.raw[i - 1].data(), c));
        std::printf("\n");
    }
}

// Frames until the outline stays within 2 px of where it ends up on this photo, and how far it
// moves between frames meanwhile.
void measure(const std::vector<std::vector<int>>& run, std::vector<double>& moves,
             std::vector<double>& settle) {
    if (run.size() < 2)
        return;
    const int* rest = run.back().data();
    int k = 0;
    while (k < int(run.size()) && cornerMove(run[size_t(k)].data(), rest) > 2)
        ++k;
    settle.push_back(k + 1);
    for (size_t i = 1; i < run.size(); ++i)
        moves.push_back(cornerMove(run[i - 1].data(), run[i].data()));
}

void report(const char* title, const std::vector<Photo>& done, const std::vector<Shown>& shown,
            const std::string& trait) {
    std::vector<double> moves, settle, drawnMoves, drawnSettle;
    int missed = 0, photos = 0;
    for (const Photo& p : done) {
        if (!trait.empty() && shown[p.index].traits.find(trait) == std::string::npos)
            continue;
        ++photos;
        missed += p.missed;
        measure(p.raw, moves, settle);
        measure(p.drawn, drawnMoves, drawnSettle);
    }
    std::printf(
        "%s: %d photos, %zu frame pairs, %d frames without an outline\n"
        "  corner movement between frames of a still page: median %.2f px, 95th pct %.2f px, "
        "largest %.2f px\n"
        "  frames until the outline settled on a newly shown (moved) page: median %.0f, "
        "largest %.0f\n",
        title, photos, moves.size(), missed, percentile(moves, 0.5), percentile(moves, 0.95),
        percentile(moves, 1.0), percentile(settle, 0.5), percentile(settle, 1.0));
    std::printf(
        "  as the preview draws it: movement median %.2f px, 95th pct %.2f px, largest %.2f px; "
        "settled after median %.0f, largest %.0f frames\n",
        percentile(drawnMoves, 0.5), percentile(drawnMoves, 0.95), percentile(drawnMoves, 1.0),
        percentile(drawnSettle, 0.5), percentile(drawnSettle, 1.0));
}

// The photos the camera shows: each scene still, then moved by a few millimetres. First `plain`
// documents as they come, then `hard` more of each hard kind (a shadow over the page, a light
// desk), which are where the outline has least to hold on to.
std::string writeScenes(int plain, int hard, bool heldAside, std::vector<Shown>& shown) {
    char dir[] = "/tmp/steadinessXXXXXX";
    if (!mkdtemp(dir))
        return {};
    const scene::PhotoLibrary lib = scene::PhotoLibrary::load(heldAside);
    if (!lib.usable())
        return {};
    std::vector<scene::VariedScene> scenes;
    std::vector<uint32_t> seeds;
    uint32_t seed = 500000u;
    for (int i = 0; i < plain; ++i) {
        seeds.push_back(seed);
        scenes.push_back(scene::renderVaried(scene::VariedObject::Document, seed++, lib, kW, kH));
    }
    for (const char* kind : {"shadow", "light-desk"}) {
        // Trait draws are cheap beside the render, but a scene is only known once drawn.
        uint32_t s = 600000u + (std::strcmp(kind, "shadow") == 0 ? 0u : 50000u);
        for (int found = 0, tries = 0; found < hard && tries < 200; ++tries) {
            scene::VariedScene v =
                scene::renderVaried(scene::VariedObject::Document, s++, lib, kW, kH);
            if (v.truth.traits.find(kind) == std::string::npos)
                continue;
            scenes.push_back(std::move(v));
            seeds.push_back(s - 1);
            ++found;
        }
    }
    for (size_t i = 0; i < scenes.size(); ++i) {
        cv::Mat bgr, moved;
        cv::cvtColor(scenes[i].rgb, bgr, cv::COLOR_RGB2BGR);
        const cv::Matx23d shift(1, 0, 40, 0, 1, 25);
        cv::warpAffine(bgr, moved, shift, bgr.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        char name[64];
        std::snprintf(name, sizeof name, "/%03zu_a.png", i);
        cv::imwrite(dir + std::string(name), bgr);
        std::snprintf(name, sizeof name, "/%03zu_b.png", i);
        cv::imwrite(dir + std::string(name), moved);
        shown.push_back({seeds[i], scenes[i].truth.traits, thumbnail(bgr)});
        shown.push_back({seeds[i], scenes[i].truth.traits, thumbnail(moved)});
    }
    return dir;
}

}  // namespace

int main(int argc, char** argv) {
    const int plain = argc > 1 ? std::atoi(argv[1]) : 6;
    const double sigma = argc > 2 ? std::atof(argv[2]) : 3.0;
    const bool heldAside = argc > 3 && std::strcmp(argv[3], "held") == 0;
    const int hard = argc > 4 ? std::atoi(argv[4]) : std::max(2, plain / 2);
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;
    std::vector<Shown> shown;
    const std::string folder = writeScenes(plain, hard, heldAside, shown);
    if (folder.empty() || shown.empty()) {
        std::fprintf(stderr, "needs gnome-backgrounds and opencv-doc for the pages\n");
        return 2;
    }
    setenv("MIRAVELO_CAMERA", "virtual", 1);
    setenv("MIRAVELO_VCAM_SCENE", folder.c_str(), 1);
    void* lib = dlopen((std::string(MIRAVELO_BIN_DIR) + "/libKELM_CamCtl.so").c_str(), RTLD_NOW);
    if (!lib) {
        std::fprintf(stderr, "cannot load the camera library: %s\n", dlerror());
        return 2;
    }
    auto init = resolve<decltype(&KELM_Camctl_Init)>(lib, "KELM_Camctl_Init");
    auto devices = resolve<decltype(&KELM_Camctl_GetDeviceList)>(lib, "KELM_Camctl_GetDeviceList");
    auto resolutions =
        resolve<decltype(&KELM_Camctl_GetResolutionList)>(lib, "KELM_Camctl_GetResolutionList");
    auto start = resolve<decltype(&KELM_Camctl_StartPreview)>(lib, "KELM_Camctl_StartPreview");
    auto query = resolve<decltype(&KELM_Camctl_QueryFrame)>(lib, "KELM_Camctl_QueryFrame");
    auto stop = resolve<decltype(&KELM_Camctl_StopPreview)>(lib, "KELM_Camctl_StopPreview");
    KELM_CamInit block{1, 0, 0};
    init(&block);
    KELM_CamDevice list[8] = {};
    KELM_CamResolution res[32] = {};
    if (devices(list, 8) < 1)
        return 1;
    const int n = resolutions(0, res, 32);
    int index = -1;
    for (int i = 0; i < n; ++i)
        if (res[i].width == kW && res[i].height == kH && res[i].format == KELM_CAMCTL_FORMAT_MJPG)
            index = i;
    if (index < 0 || start(0, index) != 1)
        return 1;

    std::vector<unsigned char> buffer(KELM_CAMCTL_FRAME_BUFFER_BYTES);
    std::vector<Photo> done;
    Photo now;
    cv::Mat last;
    int photos = 0;
    cv::RNG rng(7);
    cv::Mat noise;
    cv::Point lastAt(-1, -1);
    OutlineSteadier overlay;
    // The camera reads and encodes the photos before its first frame; the clock starts then.
    auto t0 = std::chrono::steady_clock::now();
    bool first = true;
    const double seconds = 2.0 * double(shown.size()) + 1;
    const auto began = std::chrono::steady_clock::now();
    auto elapsed = [](std::chrono::steady_clock::time_point t) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
    };
    while ((first && elapsed(began) < 300) || (!first && elapsed(t0) < seconds)) {
        int w = 0, h = 0, len = 0;
        if (query(buffer.data(), &w, &h, &len) != 1) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        if (first)
            t0 = std::chrono::steady_clock::now();
        first = false;
        cv::Mat frame(h, w, CV_8UC3, buffer.data());
        // A new photo: the camera moved on to the next picture (which one depends on how long
        // the camera took to start, so it is looked up).
        const cv::Mat probe = thumbnail(frame);
        if (last.empty() || cv::norm(probe, last, cv::NORM_L1) > 160 * 120 * 3 * 2.0) {
            if (photos > 0)
                done.push_back(std::move(now));
            now = Photo();
            double best = INFINITY;
            for (size_t i = 0; i < shown.size(); ++i) {
                const double d = cv::norm(probe, shown[i].probe, cv::NORM_L1);
                if (d < best)
                    best = d, now.index = i;
            }
            ++photos;
        }
        last = probe;
        // Fresh noise for every frame without drawing 24 million numbers each time: a window
        // of a larger noise field at an offset not used by the frame before.
        if (noise.empty()) {
            noise.create(h + 16, w + 16, CV_16SC3);
            rng.fill(noise, cv::RNG::NORMAL, 0, sigma);
        }
        cv::Point at;
        do
            at = cv::Point(rng.uniform(0, 16), rng.uniform(0, 16));
        while (at == lastAt);
        lastAt = at;
        cv::Mat noisy;
        cv::add(frame, noise(cv::Rect(at, frame.size())), noisy, cv::noArray(), CV_8UC3);
        int c[8] = {0};
        SImage src{noisy.data, noisy.cols, noisy.rows};
        if (KELM_GetRectCornerPoint(src, c, 0) <= 0) {
            ++now.missed;
            overlay.reset();
            continue;
        }
        now.raw.emplace_back(c, c + 8);
        overlay.steady(c, w, h);
        now.drawn.emplace_back(c, c + 8);
    }
    if (photos > 0)
        done.push_back(std::move(now));
    stop();
    // The photos take a few hundred megabytes: they go with the run.
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    if (verbose)
        for (const Photo& p : done)
            printPhoto(p, shown[p.index]);
    std::printf("%d photos shown (%zu scenes, %s part), noise sigma %.1f\n", photos,
                shown.size() / 2, heldAside ? "held-aside" : "tuning", sigma);
    report("all scenes", done, shown, "");
    report("with a shadow", done, shown, "shadow");
    report("on a light desk", done, shown, "light-desk");
    return 0;
}
