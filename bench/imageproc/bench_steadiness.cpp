// Steadiness of the live page outline: the virtual document camera shows still photographs of a
// page (each for two seconds, then the same page moved), and every frame goes through the
// outline detection as in the live preview. The virtual camera repeats a photo exactly, so the
// bench adds fresh sensor noise to every frame, as a real camera would.
//
//   bench_steadiness [scenes = 6] [noise sigma = 3]
//
// Reports how far the corners move between consecutive frames of a still page (median, 95th
// percentile and largest, in pixels of the 3264 x 2448 frame) and after how many frames the
// outline has settled on a page that moved (within 2 px of where it then stays).
// Needs the photographs of gnome-backgrounds and opencv-doc for the pages.

#include "KELM_CamCtl.h"
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

// The photos the camera shows: each scene still, then moved by a few millimetres.
std::string writeScenes(int scenes) {
    char dir[] = "/tmp/steadinessXXXXXX";
    if (!mkdtemp(dir))
        return {};
    const scene::PhotoLibrary lib = scene::PhotoLibrary::load(true);
    if (!lib.usable())
        return {};
    for (int i = 0; i < scenes; ++i) {
        const scene::VariedScene s =
            scene::renderVaried(scene::VariedObject::Document, 500000u + i, lib, kW, kH);
        cv::Mat bgr, moved;
        cv::cvtColor(s.rgb, bgr, cv::COLOR_RGB2BGR);
        const cv::Matx23d shift(1, 0, 40, 0, 1, 25);
        cv::warpAffine(bgr, moved, shift, bgr.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        char name[64];
        std::snprintf(name, sizeof name, "/%03d_a.png", i);
        cv::imwrite(dir + std::string(name), bgr);
        std::snprintf(name, sizeof name, "/%03d_b.png", i);
        cv::imwrite(dir + std::string(name), moved);
    }
    return dir;
}

}  // namespace

int main(int argc, char** argv) {
    const int scenes = argc > 1 ? std::atoi(argv[1]) : 6;
    const double sigma = argc > 2 ? std::atof(argv[2]) : 3.0;
    const std::string folder = writeScenes(scenes);
    if (folder.empty()) {
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
    std::vector<double> stillMoves, settle;
    std::vector<std::vector<int>> run;  // corners of the frames of the photo now shown
    cv::Mat last;
    int photos = 0, missed = 0;
    cv::RNG rng(7);
    auto closeRun = [&]() {
        if (run.size() < 2)
            return;
        // Where the outline stays: the corners of the last frame of the photo.
        const int* rest = run.back().data();
        int k = 0;
        while (k < int(run.size()) && cornerMove(run[size_t(k)].data(), rest) > 2)
            ++k;
        settle.push_back(k + 1);
        for (size_t i = 1; i < run.size(); ++i)
            stillMoves.push_back(cornerMove(run[i - 1].data(), run[i].data()));
    };
    // The camera reads and encodes the photos before its first frame; the clock starts then.
    auto t0 = std::chrono::steady_clock::now();
    bool first = true;
    const double seconds = 2.0 * 2 * scenes + 1;
    const auto began = std::chrono::steady_clock::now();
    auto elapsed = [](std::chrono::steady_clock::time_point t) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
    };
    while ((first && elapsed(began) < 120) || (!first && elapsed(t0) < seconds)) {
        int w = 0, h = 0, len = 0;
        if (query(buffer.data(), &w, &h, &len) != 1) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        if (first)
            t0 = std::chrono::steady_clock::now();
        first = false;
        cv::Mat frame(h, w, CV_8UC3, buffer.data());
        // A new photo: the camera moved on to the next picture.
        cv::Mat probe;
        cv::resize(frame, probe, cv::Size(64, 48), 0, 0, cv::INTER_AREA);
        if (last.empty() || cv::norm(probe, last, cv::NORM_L1) > 64 * 48 * 3 * 2.0) {
            closeRun();
            run.clear();
            ++photos;
        }
        last = probe;
        cv::Mat noisy = frame.clone(), noise(frame.size(), CV_16SC3);
        rng.fill(noise, cv::RNG::NORMAL, 0, sigma);
        cv::add(noisy, noise, noisy, cv::noArray(), CV_8UC3);
        int c[8] = {0};
        SImage src{noisy.data, noisy.cols, noisy.rows};
        if (KELM_GetRectCornerPoint(src, c, 0) <= 0) {
            ++missed;
            continue;
        }
        run.emplace_back(c, c + 8);
    }
    closeRun();
    stop();
    std::printf("%d photos shown, %zu frame pairs of a still page, %d frames without an outline\n",
                photos, stillMoves.size(), missed);
    std::printf(
        "corner movement between frames of a still page: median %.2f px, 95th pct %.2f px, "
        "largest %.2f px\n",
        percentile(stillMoves, 0.5), percentile(stillMoves, 0.95), percentile(stillMoves, 1.0));
    std::printf(
        "frames until the outline settled on a newly shown (moved) page: median %.0f, "
        "largest %.0f\n",
        percentile(settle, 0.5), percentile(settle, 1.0));
    return 0;
}
