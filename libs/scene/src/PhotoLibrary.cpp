#include "scene/VariedScene.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace scene {

namespace {

const char* const kGnome = "/usr/share/backgrounds/gnome/";
const char* const kOpencv = "/usr/share/doc/opencv-doc/examples/data/";

// Surfaces a page may lie on: wood, fabric-like and tiled patterns, fur, a real desk with
// things on it, heaps of fruit and sweets. The list alternates so that each part gets some of
// each kind.
const std::vector<std::string>& deskFiles() {
    static const std::vector<std::string> files = {
        std::string(kGnome) + "wood-l.webp",     std::string(kGnome) + "licorice-l.webp",
        std::string(kGnome) + "wood-d.webp",     std::string(kGnome) + "truchet-d.webp",
        std::string(kOpencv) + "baboon.jpg",     std::string(kOpencv) + "stuff.jpg",
        std::string(kGnome) + "grid-l.webp",     std::string(kGnome) + "licorice-d.webp",
        std::string(kOpencv) + "fruits.jpg",     std::string(kGnome) + "truchet-l.webp",
        std::string(kGnome) + "pixels-l.webp",   std::string(kGnome) + "grid-d.webp",
        std::string(kGnome) + "symbolic-l.webp", std::string(kOpencv) + "smarties.png",
        std::string(kGnome) + "pixels-d.webp",   std::string(kGnome) + "adwaita-l.webp",
        std::string(kOpencv) + "orange.jpg",
    };
    return files;
}

const std::vector<std::string>& pictureFiles() {
    static const std::vector<std::string> files = {
        "messi5.jpg",       "butterfly.jpg",    "apple.jpg",      "squirrel_cls.jpg",
        "HappyFish.jpg",    "fruits.jpg",       "aloeL.jpg",      "ela_original.jpg",
        "rubberwhale1.png", "basketball1.png",  "chicky_512.png", "pic1.png",
        "left01.jpg",       "box_in_scene.png", "leuvenB.jpg"};
    return files;
}

cv::Mat readRgb(const std::string& path, int maxSide) {
    cv::Mat m = cv::imread(path, cv::IMREAD_COLOR);
    if (m.empty())
        return m;
    cv::cvtColor(m, m, cv::COLOR_BGR2RGB);
    const double s = double(maxSide) / std::max(m.cols, m.rows);
    if (s < 1)
        cv::resize(m, m, cv::Size(), s, s, cv::INTER_AREA);
    return m;
}

}  // namespace

PhotoLibrary PhotoLibrary::load(bool heldAside) {
    PhotoLibrary lib;
    const auto& desks = deskFiles();
    for (size_t i = 0; i < desks.size(); ++i) {
        // Every third photograph is kept for the held-aside part only.
        if ((i % 3 == 2) != heldAside)
            continue;
        cv::Mat m = readRgb(desks[i], 2048);
        if (m.empty())
            lib.missing.push_back(desks[i]);
        else
            lib.desks.push_back(m);
    }
    for (const auto& f : pictureFiles()) {
        cv::Mat m = readRgb(kOpencv + f, 800);
        if (!m.empty())
            lib.pictures.push_back(m);
    }
    if (lib.pictures.empty())
        lib.missing.push_back(std::string(kOpencv) + "*.jpg (package opencv-doc)");
    for (const char* text :
         {"/usr/share/common-licenses/GPL-3", "/usr/share/common-licenses/GFDL-1.3",
          "/usr/share/common-licenses/Apache-2.0"}) {
        std::ifstream in(text);
        std::string w;
        while (in >> w)
            lib.words.push_back(w);
    }
    if (lib.words.size() <= 100)
        lib.missing.push_back("/usr/share/common-licenses (package base-files)");
    return lib;
}

}  // namespace scene
