// Page, card and book geometry on the varied desk photographs (scene/VariedScene.h): real desk
// photographs, real text and pictures, tilts, shadows, glare, clutter, JPEG. Reports the figures
// of the tuning part and of the held-aside part (other desk photographs, other seeds) separately,
// each with the failures by kind, and the speeds at the frame size.
//
//   bench_varied [documents = 140] [cards = 40] [empty desks = 10] [books = 30] [part = both]
//                [width = 3264] [height = 2448]
//   part: tune, held or both.  BENCH_VERBOSE=1 lists every failure (kind, seed, traits, IoU).
//   BENCH_SAVE=<folder> writes each failing photo there.
//   BENCH_COMPARE=<folder> also measures the libraries in that folder (an older build) on the
//   same photographs. The libraries are loaded by file name, as the program loads them.
//   bench_varied --show <document|card|empty|book> <seed> <tune|held> <file.jpg> draws one scene
//   with its truth (green) and the outline found (red); with MIRAVELO_DEBUG_DUMP set the
//   libraries add their intermediate images.
//
// Needs the photographs of gnome-backgrounds and opencv-doc; says so when they are missing.

#include "KELM_ImageProcessingMod.h"
#include "bookproc/BookProcessing.h"
#include "scene/BookScore.h"
#include "scene/Scene.h"
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
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Both libraries, loaded by file name from one folder, each call through its C entry point.
struct Libs {
    std::string name;
    decltype(&KELM_GetRectCornerPoint) corners = nullptr;
    decltype(&KELM_CutRequestedROI) cut = nullptr;
    decltype(&KELM_GetBookCornerPoint) bookCorners = nullptr;
    decltype(&KELM_GetSplitBook) split = nullptr;
    decltype(&KELM_OptimizeBook) flatten = nullptr;

    bool load(const std::string& dir) {
        name = dir;
        void* ip = dlopen((dir + "/libKELM_ImageProcessingMod.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        void* bp = dlopen((dir + "/libKELM_BookProcessingDll.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!ip || !bp)
            return false;
        corners = reinterpret_cast<decltype(corners)>(dlsym(ip, "KELM_GetRectCornerPoint"));
        cut = reinterpret_cast<decltype(cut)>(dlsym(ip, "KELM_CutRequestedROI"));
        bookCorners = reinterpret_cast<decltype(bookCorners)>(dlsym(bp, "KELM_GetBookCornerPoint"));
        split = reinterpret_cast<decltype(split)>(dlsym(bp, "KELM_GetSplitBook"));
        flatten = reinterpret_cast<decltype(flatten)>(dlsym(bp, "KELM_OptimizeBook"));
        return corners && cut && bookCorners && split && flatten;
    }
};

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

double percentile(std::vector<double> v, double p) {
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * v.size()))];
}

double mean(const std::vector<double>& v) {
    double s = 0;
    for (double x : v)
        s += x;
    return v.empty() ? NAN : s / v.size();
}

double shareAbove(const std::vector<double>& v, double t) {
    int k = 0;
    for (double x : v)
        k += x > t;
    return v.empty() ? NAN : 100.0 * k / v.size();
}

// Library order (1 TR, 2 BL, 3 TL, 4 BR) to TL, TR, BR, BL.
std::array<cv::Point2f, 4> toQuad(const int* c) {
    return {cv::Point2f(float(c[4]), float(c[5])), cv::Point2f(float(c[0]), float(c[1])),
            cv::Point2f(float(c[6]), float(c[7])), cv::Point2f(float(c[2]), float(c[3]))};
}

bool allZero(const int* c) {
    return std::all_of(c, c + 8, [](int v) { return v == 0; });
}

struct Figures {
    std::vector<double> doc, card, book, bookBoth, aspect, outlineMs, cutMs, bookMs;
    int falseOutlines = 0, falseCards = 0, empties = 0;
    std::map<std::string, std::pair<int, int>> byTrait;  // trait -> failures, scenes
};

void countTraits(Figures& f, const std::string& traits, bool failed) {
    std::istringstream in(traits);
    std::string t;
    bool any = false;
    while (in >> t) {
        any = true;
        f.byTrait[t].first += failed;
        f.byTrait[t].second += 1;
    }
    if (!any) {
        f.byTrait["plain"].first += failed;
        f.byTrait["plain"].second += 1;
    }
}

void saveFailure(const char* kind, uint32_t seed, const cv::Mat& rgb) {
    const char* dir = std::getenv("BENCH_SAVE");
    if (!dir)
        return;
    cv::Mat bgr;
    cv::cvtColor(rgb, bgr, cv::COLOR_RGB2BGR);
    cv::imwrite(std::string(dir) + "/" + kind + "_" + std::to_string(seed) + ".png", bgr);
}

void report(const char* what, bool verbose, const char* kind, uint32_t seed,
            const std::string& traits, double a, double b = -1) {
    if (!verbose)
        return;
    if (b >= 0)
        std::printf("  %s %-8s %6u %.3f %.3f [%s ]\n", what, kind, seed, a, b, traits.c_str());
    else
        std::printf("  %s %-8s %6u %.3f [%s ]\n", what, kind, seed, a, traits.c_str());
}

void flatScene(Figures& f, const Libs& libs, scene::VariedObject obj, uint32_t seed,
               const scene::VariedScene& s, std::vector<unsigned char>& buf, bool verbose) {
    const int w = s.rgb.cols, h = s.rgb.rows;
    SImage src{s.rgb.data, s.rgb.cols, s.rgb.rows};
    int c[8] = {0};
    const bool card = obj == scene::VariedObject::Card;
    const auto t0 = Clock::now();
    libs.corners(src, c, card ? 1 : 0);
    f.outlineMs.push_back(msSince(t0));
    if (obj == scene::VariedObject::EmptyDesk) {
        ++f.empties;
        if (!allZero(c)) {
            ++f.falseOutlines;
            report("false outline", verbose, "empty", seed, s.truth.traits, 0);
            saveFailure("empty", seed, s.rgb);
        }
        // The card search looks for smaller things and must not find them in the desk either.
        int cc[8] = {0};
        libs.corners(src, cc, 1);
        if (!allZero(cc)) {
            ++f.falseCards;
            report("false card", verbose, "empty", seed, s.truth.traits, 0);
        }
        return;
    }
    const double iou = allZero(c) ? 0 : scene::quadIoU(toQuad(c), s.truth.corners, w, h);
    (card ? f.card : f.doc).push_back(iou);
    countTraits(f, std::string(card ? "card:" : "doc:") + s.truth.traits, iou <= 0.9);
    if (iou <= 0.95) {
        report("low IoU", verbose, card ? "card" : "document", seed, s.truth.traits, iou);
        saveFailure(card ? "card" : "document", seed, s.rgb);
    }
    if (card || allZero(c))
        return;
    SImage dst{buf.data(), w, h};
    const auto t1 = Clock::now();
    if (libs.cut(src, &dst, c, 0, 0, 0, 0, 0) <= 0)
        return;
    f.cutMs.push_back(msSince(t1));
    // Which side is the top is the detector's choice: compare long to short side.
    const double got = double(std::max(dst.width, dst.height)) / std::min(dst.width, dst.height);
    const double truth = std::max(s.truth.aspect, 1 / s.truth.aspect);
    // Where a part of the page lies outside the frame, the cut can only show the visible part.
    if (iou > 0.9 && s.truth.traits.find("edge") == std::string::npos)
        f.aspect.push_back(std::abs(got / truth - 1));
}

void bookScene(Figures& f, const Libs& libs, uint32_t seed, const scene::VariedScene& s,
               std::vector<unsigned char>& l, std::vector<unsigned char>& r,
               std::vector<unsigned char>& o, bool verbose) {
    const int w = s.rgb.cols, h = s.rgb.rows;
    SImage src{s.rgb.data, s.rgb.cols, s.rgb.rows};
    int c1[8] = {0}, c2[8] = {0}, p[2] = {0, 1};
    const auto t0 = Clock::now();
    const short rc = libs.bookCorners(src, c1, c2, p);
    if (rc > 0) {
        SImage L{l.data(), w, h}, R{r.data(), w, h};
        if (libs.split(src, &L, &R, c1, c2, p[0]) > 0) {
            for (SImage page : {L, R}) {
                SImage out{o.data(), page.width, page.height};
                libs.flatten(page, &out, p[0], 0);
            }
        }
    }
    f.bookMs.push_back(msSince(t0));
    double il = 0, ir = 0;
    if (rc > 0) {
        const auto ql = toQuad(c1), qr = toQuad(c2);
        il = scene::quadIoU(ql.data(), s.truth.left.data());
        ir = scene::quadIoU(qr.data(), s.truth.right.data());
    }
    f.book.push_back(il);
    f.book.push_back(ir);
    f.bookBoth.push_back(std::min(il, ir));
    countTraits(f, "book:" + s.truth.traits, std::min(il, ir) <= 0.9);
    if (std::min(il, ir) <= 0.93) {
        report("low IoU", verbose, "book", seed, s.truth.traits, il, ir);
        saveFailure("book", seed, s.rgb);
    }
}

void print(const char* part, const Figures& f) {
    std::printf("\n== %s ==\n", part);
    std::printf("documents (%zu): mean outline IoU %.4f, IoU > 0.9 on %.1f %%\n", f.doc.size(),
                mean(f.doc), shareAbove(f.doc, 0.9));
    std::printf(
        "cut aspect error (%zu whole pages with IoU > 0.9): median %.2f %%, 90th pct %.2f %%\n",
        f.aspect.size(), 100 * percentile(f.aspect, 0.5), 100 * percentile(f.aspect, 0.9));
    std::printf("empty desks: %d false outlines in %d (card search: %d)\n", f.falseOutlines,
                f.empties, f.falseCards);
    std::printf("identity cards (%zu): mean IoU %.4f, IoU > 0.9 on %.1f %%\n", f.card.size(),
                mean(f.card), shareAbove(f.card, 0.9));
    std::printf("book spreads (%zu): mean page IoU %.4f, both pages > 0.9 on %.1f %%\n",
                f.bookBoth.size(), mean(f.book), shareAbove(f.bookBoth, 0.9));
    std::printf("failures (IoU <= 0.9) by kind:");
    for (const auto& [trait, n] : f.byTrait)
        if (n.first)
            std::printf(" %s %d/%d", trait.c_str(), n.first, n.second);
    std::printf(
        "\nmedian wall ms: outline %.1f, cut %.1f, book corners + split + flattening %.0f\n",
        percentile(f.outlineMs, 0.5), percentile(f.cutMs, 0.5), percentile(f.bookMs, 0.5));
}

// One scene, drawn with the truth (green) and what the library found (red) into <file>.
int show(const char* kind, uint32_t seed, bool held, const char* file) {
    const scene::PhotoLibrary lib = scene::PhotoLibrary::load(held);
    const std::string k = kind;
    const scene::VariedObject obj = k == "card"    ? scene::VariedObject::Card
                                    : k == "empty" ? scene::VariedObject::EmptyDesk
                                    : k == "book"  ? scene::VariedObject::Book
                                                   : scene::VariedObject::Document;
    const scene::VariedScene s = scene::renderVaried(obj, seed, lib);
    Libs libs;
    if (s.rgb.empty() || !libs.load(MIRAVELO_BIN_DIR))
        return 2;
    SImage src{s.rgb.data, s.rgb.cols, s.rgb.rows};
    cv::Mat shown = s.rgb.clone();
    auto draw = [&](const std::array<cv::Point2f, 4>& q, cv::Scalar c) {
        for (int i = 0; i < 4; ++i)
            cv::line(shown, q[size_t(i)], q[size_t((i + 1) % 4)], c, 5);
    };
    int c1[8] = {0}, c2[8] = {0}, p[2] = {0, 1};
    if (obj == scene::VariedObject::Book) {
        libs.bookCorners(src, c1, c2, p);
        draw(s.truth.left, {0, 255, 0});
        draw(s.truth.right, {0, 255, 0});
        draw(toQuad(c1), {255, 0, 0});
        draw(toQuad(c2), {255, 0, 0});
        std::printf("IoU %.3f %.3f [%s ]\n", scene::quadIoU(toQuad(c1).data(), s.truth.left.data()),
                    scene::quadIoU(toQuad(c2).data(), s.truth.right.data()),
                    s.truth.traits.c_str());
    } else {
        libs.corners(src, c1, obj == scene::VariedObject::Card ? 1 : 0);
        if (s.truth.hasObject)
            draw(s.truth.corners, {0, 255, 0});
        draw(toQuad(c1), {255, 0, 0});
        std::printf("IoU %.3f%s [%s ]\n",
                    scene::quadIoU(toQuad(c1), s.truth.corners, s.rgb.cols, s.rgb.rows),
                    allZero(c1) ? " (no outline)" : "", s.truth.traits.c_str());
    }
    cv::cvtColor(shown, shown, cv::COLOR_RGB2BGR);
    cv::resize(shown, shown, cv::Size(), 0.3, 0.3, cv::INTER_AREA);
    return cv::imwrite(file, shown) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 5 && std::strcmp(argv[1], "--show") == 0)
        return show(argv[2], uint32_t(std::atoi(argv[3])), std::strcmp(argv[4], "held") == 0,
                    argv[5]);
    const int docs = argc > 1 ? std::atoi(argv[1]) : 140;
    const int cards = argc > 2 ? std::atoi(argv[2]) : 40;
    const int empties = argc > 3 ? std::atoi(argv[3]) : 10;
    const int books = argc > 4 ? std::atoi(argv[4]) : 30;
    const std::string part = argc > 5 ? argv[5] : "both";
    const int w = argc > 6 ? std::atoi(argv[6]) : 3264;
    const int h = argc > 7 ? std::atoi(argv[7]) : 2448;
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;
    std::vector<unsigned char> buf(size_t(w) * h * 3), l(buf.size()), r(buf.size()), o(buf.size());
    // The libraries of this build, and those of another folder to compare with.
    std::vector<Libs> libs(1);
    if (!libs[0].load(MIRAVELO_BIN_DIR)) {
        std::fprintf(stderr, "cannot load the libraries from %s\n", MIRAVELO_BIN_DIR);
        return 2;
    }
    if (const char* other = std::getenv("BENCH_COMPARE")) {
        libs.emplace_back();
        if (!libs[1].load(other)) {
            std::fprintf(stderr, "cannot load the libraries from %s\n", other);
            return 2;
        }
    }
    for (const bool held : {false, true}) {
        if ((held && part == "tune") || (!held && part == "held"))
            continue;
        const scene::PhotoLibrary lib = scene::PhotoLibrary::load(held);
        if (!lib.usable()) {
            std::fprintf(stderr,
                         "the varied scenes need photographs that are not installed "
                         "(apt-get install gnome-backgrounds opencv-doc):\n");
            for (const auto& m : lib.missing)
                std::fprintf(stderr, "  %s\n", m.c_str());
            return 2;
        }
        // The held-aside part uses its own seeds as well as its own desks.
        const uint32_t base = held ? 100000u : 1u;
        std::vector<Figures> f(libs.size());
        const std::pair<scene::VariedObject, int> kinds[] = {
            {scene::VariedObject::Document, docs},
            {scene::VariedObject::Card, cards},
            {scene::VariedObject::EmptyDesk, empties},
            {scene::VariedObject::Book, books}};
        for (const auto& [obj, count] : kinds)
            for (int i = 0; i < count; ++i) {
                const scene::VariedScene s = scene::renderVaried(obj, base + i, lib, w, h);
                for (size_t k = 0; k < libs.size(); ++k) {
                    if (obj == scene::VariedObject::Book)
                        bookScene(f[k], libs[k], base + i, s, l, r, o, verbose && k == 0);
                    else
                        flatScene(f[k], libs[k], obj, base + i, s, buf, verbose && k == 0);
                }
            }
        for (size_t k = 0; k < libs.size(); ++k)
            print((std::string(held ? "held-aside part (never tuned on)" : "tuning part") +
                   ", libraries of " + libs[k].name)
                      .c_str(),
                  f[k]);
    }
    return 0;
}
