// Steadiness of the live page outline: the virtual document camera shows still photographs of a
// page, then the same page moved, and every frame goes through the outline detection's live entry
// point as in the live preview. The virtual camera repeats a photo exactly, so the bench adds
// fresh sensor noise to every frame, as a real camera would.
//
//   bench_steadiness [scenes = 6] [noise sigma = 3] [part = tune | held] [hard = scenes / 2]
//                    [object = document | card] [frames = 30]
//   bench_steadiness --trace SEED[,SEED...] [part = tune] [frames = 8] [noise sigma = 3]
//                    [object = document | card]
//
// Shows `scenes` documents (or identity cards, as the preview outlines them in card mode) of the
// varied desk photographs as they come, then `hard` more with a shadow over them and `hard` more
// on a light desk, where the outline has least to hold on to. part: the tuning desk photographs or
// the held-aside ones (report those, never tune on them). Each photo gets `frames` frames (30: the
// two seconds the virtual camera shows a photo at its 15 frames a second), handed to the entry
// point one after the other as by a preview that keeps up. The frames are the camera's own
// (its compression and decoding) with noise drawn from the photo's seed, so that a run gives the
// same figures on any machine and under any load; the camera's clock, which would decide how many
// frames a photo gets, is left out by starting it on one photo at a time.
// Reports, for all scenes and for each hard kind, how far the corners move between consecutive
// frames of a still page (median, 95th percentile and largest, in pixels of the 3264 x 2448
// frame; and the largest from the 4th frame of a photo on, once a moved page must have been
// followed) and after how many frames the outline has settled on a page that moved (within 2 px
// of where it then stays; frames without an outline before count, as the page was not followed
// yet): as the library's entry point returns it, and as the preview draws it after its overlay
// filter, and how often an outline shown on a still page vanished for a frame (the preview would
// blink); and, since an outline held still in the wrong place is no gain, on how many frames from
// the 4th of a photo on the outline is the page's (IoU with the truth over 0.9). Then the worst
// photos with their seeds and the IoU of their last frame, to look at one by one. BENCH_VERBOSE=1
// lists every frame's corners for each photo ("-" where nothing was found).
// --trace shows the named scenes frame by frame through the same camera and noise: `frames`
// frames still, as many moved, as many of an empty desk (the still photo's frames are those of the
// bench, as far as the trace goes; the bench shows the scene before it first, which the trace does
// not). Per frame the outlines the detection ranks first (no memory of earlier frames) and the one
// the entry point reports, each with its IoU against the truth (MIRAVELO_DEBUG_DUMP adds the
// detection's intermediate images). Needs the photographs of gnome-backgrounds and opencv-doc.

#include "KELM_CamCtl.h"
#include "camera/OutlineSteadier.h"
#include "KELM_ImageProcessingMod.h"
#include "scene/Scene.h"
#include "scene/VariedScene.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
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
    bool moved = false;
    std::string traits;
    std::string path;                  // the photo as the camera is given it
    std::array<cv::Point2f, 4> truth;  // where the page or card is
};

// The virtual document camera, loaded as the program loads it. Started on one photo at a time:
// what a photo looks like after the camera's compression and decoding, without its clock.
class Camera {
public:
    bool open() {
        setenv("MIRAVELO_CAMERA", "virtual", 1);
        void* lib =
            dlopen((std::string(MIRAVELO_BIN_DIR) + "/libKELM_CamCtl.so").c_str(), RTLD_NOW);
        if (!lib) {
            std::fprintf(stderr, "cannot load the camera library: %s\n", dlerror());
            return false;
        }
        auto init = resolve<decltype(&KELM_Camctl_Init)>(lib, "KELM_Camctl_Init");
        auto devices =
            resolve<decltype(&KELM_Camctl_GetDeviceList)>(lib, "KELM_Camctl_GetDeviceList");
        auto resolutions =
            resolve<decltype(&KELM_Camctl_GetResolutionList)>(lib, "KELM_Camctl_GetResolutionList");
        m_start = resolve<decltype(&KELM_Camctl_StartPreview)>(lib, "KELM_Camctl_StartPreview");
        m_query = resolve<decltype(&KELM_Camctl_QueryFrame)>(lib, "KELM_Camctl_QueryFrame");
        m_stop = resolve<decltype(&KELM_Camctl_StopPreview)>(lib, "KELM_Camctl_StopPreview");
        KELM_CamInit block{1, 0, 0};
        init(&block);
        KELM_CamDevice list[8] = {};
        KELM_CamResolution res[32] = {};
        if (devices(list, 8) < 1)
            return false;
        const int n = resolutions(0, res, 32);
        for (int i = 0; i < n; ++i)
            if (res[i].width == kW && res[i].height == kH &&
                res[i].format == KELM_CAMCTL_FORMAT_MJPG)
                m_mode = i;
        m_buffer.resize(KELM_CAMCTL_FRAME_BUFFER_BYTES);
        return m_mode >= 0;
    }

    // The camera's first frame of the photo in `path` (R,G,B), or none.
    cv::Mat frameOf(const std::string& path) {
        setenv("MIRAVELO_VCAM_SCENE", path.c_str(), 1);
        cv::Mat frame;
        if (m_start(0, m_mode) != 1)
            return frame;
        // The camera reads and encodes the photo on its own thread before its first frame.
        for (int tries = 0; frame.empty() && tries < 24000; ++tries) {
            int w = 0, h = 0, len = 0;
            const int got = m_query(m_buffer.data(), &w, &h, &len);
            if (got == 1)
                frame = cv::Mat(h, w, CV_8UC3, m_buffer.data()).clone();
            else if (got < 0)
                break;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        m_stop();
        return frame;
    }

private:
    decltype(&KELM_Camctl_StartPreview) m_start = nullptr;
    decltype(&KELM_Camctl_QueryFrame) m_query = nullptr;
    decltype(&KELM_Camctl_StopPreview) m_stop = nullptr;
    int m_mode = -1;
    std::vector<unsigned char> m_buffer;
};

// Fresh sensor noise for every frame without drawing 24 million numbers each time: a window of a
// larger noise field, at an offset drawn from the photo's own generator and unlike the frame
// before's, so that a photo's frames are the same whatever was shown before it.
class SensorNoise {
public:
    SensorNoise(cv::Size size, double sigma)
        : m_field(size.height + 16, size.width + 16, CV_16SC3) {
        cv::RNG(7).fill(m_field, cv::RNG::NORMAL, 0, sigma);
    }

    cv::Mat onto(const cv::Mat& frame, cv::RNG& rng) {
        cv::Point at;
        do
            at = cv::Point(rng.uniform(0, 16), rng.uniform(0, 16));
        while (at == m_last);
        m_last = at;
        cv::Mat noisy;
        cv::add(frame, m_field(cv::Rect(at, frame.size())), noisy, cv::noArray(), CV_8UC3);
        return noisy;
    }

private:
    cv::Mat m_field;
    cv::Point m_last{-1, -1};
};

// The generator of a photo's noise: its scene's seed and whether it is the moved one.
cv::RNG photoNoise(uint32_t seed, int stage) {
    return cv::RNG(uint64_t(seed) * 3 + uint64_t(stage) + 1);
}

// What one photo gave while it was shown: the outline of each frame in the camera's order, empty
// where nothing was found.
struct Photo {
    size_t index = 0;
    std::vector<std::vector<int>> raw;
    std::vector<std::vector<int>> drawn;  // the same through the preview's overlay filter
    std::vector<double> iou;              // of each frame's outline with the truth, 0 for none
};

std::vector<std::vector<int>> found(const std::vector<std::vector<int>>& frames) {
    std::vector<std::vector<int>> out;
    for (const auto& f : frames)
        if (!f.empty())
            out.push_back(f);
    return out;
}

void printPhoto(const Photo& p, const Shown& s) {
    std::printf("photo %zu (seed %u%s, %s): %zu frames\n", p.index, s.seed, s.moved ? " moved" : "",
                s.traits.c_str(), p.raw.size());
    const std::vector<int>* before = nullptr;
    for (size_t i = 0; i < p.raw.size(); ++i) {
        const int* c = p.raw[i].data();
        std::printf("  %3zu:", i);
        if (p.raw[i].empty()) {
            std::printf(" -\n");
            continue;
        }
        for (int k = 0; k < 4; ++k)
            std::printf(" (%4d,%4d)", c[2 * k], c[2 * k + 1]);
        if (before)
            std::printf("  moved %.1f", cornerMove(before->data(), c));
        std::printf("\n");
        before = &p.raw[i];
    }
}

// What one photo's frames say: how far the outline moved between frames that had one, after how
// many of them it stayed within 2 px of where it ends up, and how often an outline vanished.
struct Steadiness {
    std::vector<double> moves;
    std::vector<double> followed;   // those from the 4th frame of the photo on
    int later = 0, laterRight = 0;  // frames from the 4th on, and those with the right outline

    double settle = NAN;
    int missed = 0, blinks = 0;
};

Steadiness measure(const std::vector<std::vector<int>>& frames, const std::vector<double>& iou) {
    Steadiness m;
    for (size_t i = 3; i < iou.size(); ++i)
        ++m.later, m.laterRight += iou[i] > 0.9;
    bool seen = false;
    for (size_t i = 0; i < frames.size(); ++i) {
        m.missed += frames[i].empty();
        m.blinks += seen && frames[i].empty() && !frames[i - 1].empty();
        seen = seen || !frames[i].empty();
    }
    const auto run = found(frames);
    if (run.empty())
        return m;
    // Settled from the frame on which the outline is where it stays, and stays there (frames
    // without one before it count: the page was not followed yet).
    const int* rest = run.back().data();
    size_t k = frames.size();
    while (k > 0 && (frames[k - 1].empty() || cornerMove(frames[k - 1].data(), rest) <= 2))
        --k;
    while (k < frames.size() && frames[k].empty())
        ++k;
    m.settle = double(k + 1);
    const std::vector<int>* before = nullptr;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].empty())
            continue;
        if (before) {
            m.moves.push_back(cornerMove(before->data(), frames[i].data()));
            if (i >= 3)
                m.followed.push_back(m.moves.back());
        }
        before = &frames[i];
    }
    return m;
}

void report(const char* title, const std::vector<Photo>& done, const std::vector<Shown>& shown,
            const std::string& trait) {
    std::vector<double> moves, followed, settle, drawnMoves, drawnSettle;
    int missed = 0, blinks = 0, drawnBlinks = 0, photos = 0, later = 0, laterRight = 0;
    for (const Photo& p : done) {
        if (!trait.empty() && shown[p.index].traits.find(trait) == std::string::npos)
            continue;
        ++photos;
        const Steadiness raw = measure(p.raw, p.iou), drawn = measure(p.drawn, {});
        later += raw.later, laterRight += raw.laterRight;
        missed += raw.missed;
        blinks += raw.blinks;
        drawnBlinks += drawn.blinks;
        moves.insert(moves.end(), raw.moves.begin(), raw.moves.end());
        followed.insert(followed.end(), raw.followed.begin(), raw.followed.end());
        drawnMoves.insert(drawnMoves.end(), drawn.moves.begin(), drawn.moves.end());
        if (!std::isnan(raw.settle))
            settle.push_back(raw.settle);
        if (!std::isnan(drawn.settle))
            drawnSettle.push_back(drawn.settle);
    }
    std::printf(
        "%s: %d photos, %zu frame pairs, %d frames without an outline, %d times an outline "
        "vanished\n"
        "  corner movement between frames of a still page: median %.2f px, 95th pct %.2f px, "
        "largest %.2f px; from the 4th frame of a photo on %.2f px\n"
        "  frames until the outline settled on a newly shown (moved) page: median %.0f, "
        "largest %.0f\n",
        title, photos, moves.size(), missed, blinks, percentile(moves, 0.5),
        percentile(moves, 0.95), percentile(moves, 1.0), percentile(followed, 1.0),
        percentile(settle, 0.5), percentile(settle, 1.0));
    // Holding still is worth nothing on the wrong outline.
    std::printf(
        "  from the 4th frame of a photo on, the outline is the page (IoU > 0.9) on %.1f %% "
        "of %d frames\n",
        later ? 100.0 * laterRight / later : 0.0, later);
    std::printf(
        "  as the preview draws it: movement median %.2f px, 95th pct %.2f px, largest %.2f px; "
        "settled after median %.0f, largest %.0f frames; vanished %d times\n",
        percentile(drawnMoves, 0.5), percentile(drawnMoves, 0.95), percentile(drawnMoves, 1.0),
        percentile(drawnSettle, 0.5), percentile(drawnSettle, 1.0), drawnBlinks);
}

// The photos that held least still, worst first: by largest movement, then by frames to settle,
// then by how often the outline vanished.
void reportWorst(const std::vector<Photo>& done, const std::vector<Shown>& shown, bool heldAside,
                 size_t count) {
    struct Row {
        const Photo* photo;
        Steadiness m;
        double largest;
    };
    std::vector<Row> rows;
    for (const Photo& p : done) {
        Steadiness m = measure(p.raw, p.iou);
        const double largest = m.moves.empty() ? 0 : percentile(m.moves, 1.0);
        rows.push_back({&p, std::move(m), largest});
    }
    auto badness = [](const Row& r) {
        return std::make_tuple(r.largest, std::isnan(r.m.settle) ? 0 : r.m.settle, r.m.blinks);
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Row& a, const Row& b) { return badness(a) > badness(b); });
    std::printf("least steady photos (%s part; --trace SEED shows one frame by frame):\n",
                heldAside ? "held" : "tune");
    for (size_t i = 0; i < std::min(count, rows.size()); ++i) {
        const Row& r = rows[i];
        const Shown& s = shown[r.photo->index];
        std::printf(
            "  seed %u%s (%s): %zu frames, largest move %.1f px, settled after %.0f, %d without, "
            "vanished %d times, last IoU %.3f\n",
            s.seed, s.moved ? " moved" : "", s.traits.c_str(), r.photo->raw.size(), r.largest,
            r.m.settle, r.m.missed, r.m.blinks, r.photo->iou.empty() ? 0.0 : r.photo->iou.back());
    }
}

std::string writePhoto(const std::string& dir, const std::string& name, const cv::Mat& rgb) {
    cv::Mat bgr;
    cv::cvtColor(rgb, bgr, cv::COLOR_RGB2BGR);
    const std::string path = dir + "/" + name + ".png";
    return cv::imwrite(path, bgr) ? path : std::string();
}

// A page moved by a few millimetres, and where its corners then are.
const cv::Point2f kShift(40, 25);

cv::Mat moved(const cv::Mat& rgb) {
    cv::Mat out;
    cv::warpAffine(rgb, out, cv::Matx23d(1, 0, kShift.x, 0, 1, kShift.y), rgb.size(),
                   cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return out;
}

std::string temporaryFolder() {
    char dir[] = "/tmp/steadinessXXXXXX";
    return mkdtemp(dir) ? std::string(dir) : std::string();
}

// The photos the camera shows: each scene still, then moved. First `plain` scenes as they come,
// then `hard` more of each hard kind (a shadow over the page, a light desk), which are where the
// outline has least to hold on to.
std::string writeScenes(scene::VariedObject object, int plain, int hard, bool heldAside,
                        std::vector<Shown>& shown) {
    const std::string dir = temporaryFolder();
    const scene::PhotoLibrary lib = scene::PhotoLibrary::load(heldAside);
    if (dir.empty() || !lib.usable())
        return {};
    auto add = [&](const scene::VariedScene& v, uint32_t seed) {
        const std::string name = std::to_string(seed);
        Shown still{seed, false, v.truth.traits, writePhoto(dir, name + "a", v.rgb),
                    v.truth.corners};
        Shown shifted{seed, true, v.truth.traits, writePhoto(dir, name + "b", moved(v.rgb)),
                      v.truth.corners};
        for (auto& p : shifted.truth)
            p += kShift;
        shown.push_back(std::move(still));
        shown.push_back(std::move(shifted));
    };
    for (int i = 0; i < plain; ++i)
        add(scene::renderVaried(object, 500000u + uint32_t(i), lib, kW, kH), 500000u + uint32_t(i));
    for (const char* kind : {"shadow", "light-desk"}) {
        // Trait draws are cheap beside the render, but a scene is only known once drawn.
        uint32_t s = 600000u + (std::strcmp(kind, "shadow") == 0 ? 0u : 50000u);
        for (int found = 0, tries = 0; found < hard && tries < 200; ++tries, ++s) {
            const scene::VariedScene v = scene::renderVaried(object, s, lib, kW, kH);
            if (v.truth.traits.find(kind) != std::string::npos)
                add(v, s), ++found;
        }
    }
    return dir;
}

std::array<cv::Point2f, 4> outlineOf(const int* c) {
    // The entry points' order: top-right, bottom-left, top-left, bottom-right.
    return {cv::Point2f(float(c[4]), float(c[5])), cv::Point2f(float(c[0]), float(c[1])),
            cv::Point2f(float(c[6]), float(c[7])), cv::Point2f(float(c[2]), float(c[3]))};
}

// One scene frame by frame, straight into the library: still, moved, then taken away.
void trace(uint32_t seed, const scene::PhotoLibrary& lib, Camera& camera, int frames, double sigma,
           bool card) {
    const scene::VariedScene v = scene::renderVaried(
        card ? scene::VariedObject::Card : scene::VariedObject::Document, seed, lib, kW, kH);
    const std::string dir = temporaryFolder();
    const cv::Mat desk = scene::renderVaried(scene::VariedObject::EmptyDesk, seed, lib, kW, kH).rgb;
    const std::string paths[3] = {writePhoto(dir, "a", v.rgb), writePhoto(dir, "b", moved(v.rgb)),
                                  writePhoto(dir, "c", desk)};
    std::printf("seed %u (%s)\n", seed, v.truth.traits.c_str());
    SensorNoise noise(cv::Size(kW, kH), sigma);
    for (int stage = 0; stage < 3; ++stage) {  // still, moved, empty desk
        const cv::Mat frame = camera.frameOf(paths[stage]);
        if (frame.empty()) {
            std::printf("  the camera gave no frame\n");
            break;
        }
        auto truth = v.truth.corners;
        for (auto& p : truth)
            p += stage == 1 ? kShift : cv::Point2f();
        cv::RNG rng = photoNoise(seed, stage);
        for (int f = 0; f < frames; ++f) {
            cv::Mat shown = noise.onto(frame, rng);
            const SImage src{shown.data, shown.cols, shown.rows};
            int ranked[3 * 8] = {0}, c[8] = {0};
            const int n = KELM_GetMoreRectPoint(src, ranked, 3, card);
            std::printf("  %2d %-5s detected:", stage * frames + f,
                        stage == 0   ? "still"
                        : stage == 1 ? "moved"
                                     : "desk");
            auto iou = [&](const int* q) {
                return stage == 2 ? 0.0 : scene::quadIoU(outlineOf(q), truth, kW, kH);
            };
            for (int i = 0; i < n; ++i)
                std::printf(" %.3f", iou(ranked + 8 * i));
            if (n <= 0)
                std::printf(" none");
            if (KELM_GetRectCornerPoint(src, c, card) > 0) {
                std::printf("  reported: %.3f", iou(c));
                for (int k = 0; k < 4; ++k)
                    std::printf(" (%d,%d)", c[2 * k], c[2 * k + 1]);
            } else {
                std::printf("  reported: none");
            }
            std::printf("\n");
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

// One photo's frames through the entry point, as the preview hands them over and draws them.
Photo showPhoto(size_t index, const Shown& s, const cv::Mat& frame, int frames, SensorNoise& noise,
                OutlineSteadier& overlay, bool card) {
    Photo now;
    now.index = index;
    cv::RNG rng = photoNoise(s.seed, s.moved ? 1 : 0);
    for (int f = 0; f < frames; ++f) {
        cv::Mat noisy = noise.onto(frame, rng);
        int c[8] = {0};
        const SImage src{noisy.data, noisy.cols, noisy.rows};
        if (KELM_GetRectCornerPoint(src, c, card) <= 0) {
            now.raw.emplace_back();
            now.drawn.emplace_back();
            now.iou.push_back(0);
            overlay.reset();
            continue;
        }
        now.raw.emplace_back(c, c + 8);
        now.iou.push_back(scene::quadIoU(outlineOf(c), s.truth, noisy.cols, noisy.rows));
        overlay.steady(c, noisy.cols, noisy.rows);
        now.drawn.emplace_back(c, c + 8);
    }
    return now;
}

int traceMain(int argc, char** argv) {
    const bool held = argc > 3 && std::strcmp(argv[3], "held") == 0;
    const int frames = argc > 4 ? std::max(1, std::atoi(argv[4])) : 8;
    const double sigma = argc > 5 ? std::atof(argv[5]) : 3.0;
    const bool card = argc > 6 && std::strcmp(argv[6], "card") == 0;
    const scene::PhotoLibrary lib = scene::PhotoLibrary::load(held);
    if (!lib.usable()) {
        std::fprintf(stderr, "needs gnome-backgrounds and opencv-doc for the pages\n");
        return 2;
    }
    Camera camera;
    if (!camera.open())
        return 1;
    for (std::string seeds = argv[2]; !seeds.empty();) {
        const size_t comma = seeds.find(',');
        trace(uint32_t(std::stoul(seeds.substr(0, comma))), lib, camera, frames, sigma, card);
        seeds = comma == std::string::npos ? "" : seeds.substr(comma + 1);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--trace") == 0)
        return traceMain(argc, argv);
    const int plain = argc > 1 ? std::atoi(argv[1]) : 6;
    const double sigma = argc > 2 ? std::atof(argv[2]) : 3.0;
    const bool heldAside = argc > 3 && std::strcmp(argv[3], "held") == 0;
    const int hard = argc > 4 ? std::atoi(argv[4]) : std::max(2, plain / 2);
    const bool card = argc > 5 && std::strcmp(argv[5], "card") == 0;
    const int frames = argc > 6 ? std::max(4, std::atoi(argv[6])) : 30;
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;
    std::vector<Shown> shown;
    const std::string folder =
        writeScenes(card ? scene::VariedObject::Card : scene::VariedObject::Document, plain, hard,
                    heldAside, shown);
    if (folder.empty() || shown.empty()) {
        std::fprintf(stderr, "needs gnome-backgrounds and opencv-doc for the pages\n");
        return 2;
    }
    Camera camera;
    if (!camera.open())
        return 1;
    std::vector<Photo> done;
    OutlineSteadier overlay;
    SensorNoise noise(cv::Size(kW, kH), sigma);
    for (size_t i = 0; i < shown.size(); ++i) {
        const cv::Mat frame = camera.frameOf(shown[i].path);
        if (frame.size() != cv::Size(kW, kH)) {
            std::fprintf(stderr, "the camera gave no frame of %s\n", shown[i].path.c_str());
            return 1;
        }
        done.push_back(showPhoto(i, shown[i], frame, frames, noise, overlay, card));
    }
    // The photos take a few hundred megabytes: they go with the run.
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    if (verbose)
        for (const Photo& p : done)
            printPhoto(p, shown[p.index]);
    std::printf("%zu photos shown, %d frames each (%zu %s scenes, %s part), noise sigma %.1f\n",
                done.size(), frames, shown.size() / 2, card ? "card" : "document",
                heldAside ? "held-aside" : "tuning", sigma);
    report("all scenes", done, shown, "");
    report("with a shadow", done, shown, "shadow");
    report("on a light desk", done, shown, "light-desk");
    reportWorst(done, shown, heldAside, 5);
    return 0;
}
