// Face comparison on face pictures that Debian packages ship: python3-skimage (astronaut,
// cameraman and the 100 faces of its LFW subset) and opencv-doc (messi5). Each picture is
// compared with altered copies of itself (same face) and of other pictures (different faces);
// the table gives, per alteration, the share of same-face pairs with s >= 0.5 and of
// different-face pairs with s < 0.5. Then the time of one comparison of a 640 x 480 frame with a
// 3264 x 2448 frame.
//
//   bench_face [different partners per picture = 6] [timing runs = 30]

#include "CSeetaface.h"

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* const kSkimage = "/usr/lib/python3/dist-packages/skimage/data/";
const char* const kOpencvDoc = "/usr/share/doc/opencv-doc/examples/data/";

struct Picture {
    std::string name;
    cv::Mat rgb;
};

// The LFW subset: a NumPy file of 200 float64 25 x 25 grey pictures, faces first.
std::vector<Picture> lfwFaces(const std::string& path) {
    std::vector<Picture> out;
    std::ifstream in(path, std::ios::binary);
    char magic[10];
    if (!in.read(magic, 10) || std::memcmp(magic, "\x93NUMPY", 6) != 0)
        return out;
    const int headerLen = uint8_t(magic[8]) | (uint8_t(magic[9]) << 8);
    std::string header(size_t(headerLen), ' ');
    in.read(&header[0], headerLen);
    if (header.find("'<f8'") == std::string::npos ||
        header.find("(200, 25, 25)") == std::string::npos)
        return out;
    std::vector<double> px(25 * 25);
    for (int i = 0; i < 100; ++i) {
        if (!in.read(reinterpret_cast<char*>(px.data()), std::streamsize(px.size() * 8)))
            break;
        cv::Mat grey(25, 25, CV_8U);
        for (int k = 0; k < 625; ++k)
            grey.data[k] = uint8_t(std::clamp(px[size_t(k)] * 255.0, 0.0, 255.0));
        // Shown as a small camera would: enlarged, with some surroundings.
        cv::Mat big;
        cv::resize(grey, big, cv::Size(150, 150), 0, 0, cv::INTER_CUBIC);
        cv::copyMakeBorder(big, big, 45, 45, 45, 45, cv::BORDER_REPLICATE);
        Picture p{"lfw" + std::to_string(i), {}};
        cv::cvtColor(big, p.rgb, cv::COLOR_GRAY2RGB);
        out.push_back(p);
    }
    return out;
}

void addFile(std::vector<Picture>& out, const std::string& path, const char* name) {
    cv::Mat bgr = cv::imread(path, cv::IMREAD_COLOR);
    if (bgr.empty()) {
        std::printf("missing: %s\n", path.c_str());
        return;
    }
    Picture p{name, {}};
    cv::cvtColor(bgr, p.rgb, cv::COLOR_BGR2RGB);
    out.push_back(p);
}

cv::Mat turned(const cv::Mat& m, double deg) {
    cv::Mat r, out;
    r = cv::getRotationMatrix2D(cv::Point2f(m.cols / 2.0f, m.rows / 2.0f), deg, 1.0);
    cv::warpAffine(m, out, r, m.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return out;
}

cv::Mat scaled(const cv::Mat& m, double f) {
    cv::Mat out;
    cv::resize(m, out, cv::Size(), f, f, f < 1 ? cv::INTER_AREA : cv::INTER_CUBIC);
    return out;
}

cv::Mat darkened(const cv::Mat& m, double f) {
    cv::Mat out;
    m.convertTo(out, -1, f, 0);
    return out;
}

cv::Mat jpeg(const cv::Mat& m, int quality) {
    std::vector<uint8_t> buf;
    cv::imencode(".jpg", m, buf, {cv::IMWRITE_JPEG_QUALITY, quality});
    return cv::imdecode(buf, cv::IMREAD_UNCHANGED);
}

struct Alteration {
    const char* name;
    std::function<cv::Mat(const cv::Mat&)> apply;
};

double compare(const cv::Mat& a, const cv::Mat& b) {
    cv::Mat ca = a.isContinuous() ? a : a.clone(), cb = b.isContinuous() ? b : b.clone();
    return KELM_FaceCompare(SImage{ca.data, ca.cols, ca.rows}, SImage{cb.data, cb.cols, cb.rows});
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void timing(const Picture& face, int runs) {
    // The face camera: the picture fitted into 640 x 480. The document camera: a grey desk at
    // 3264 x 2448 with the same picture as a portrait 1000 pixels wide (its face about 150 pixels,
    // as on an identity card under the document camera).
    cv::Mat probe(480, 640, CV_8UC3, cv::Scalar(90, 90, 90));
    const double s = std::min(640.0 / face.rgb.cols, 480.0 / face.rgb.rows);
    cv::Mat fitted = scaled(face.rgb, s);
    fitted.copyTo(probe(
        cv::Rect((640 - fitted.cols) / 2, (480 - fitted.rows) / 2, fitted.cols, fitted.rows)));
    cv::Mat reference(2448, 3264, CV_8UC3, cv::Scalar(200, 195, 185));
    cv::Mat noise(reference.size(), CV_8UC3);
    cv::randn(noise, 0, 6);
    reference += noise;
    cv::Mat portrait = scaled(face.rgb, 1000.0 / face.rgb.cols);
    portrait.copyTo(reference(cv::Rect(900, 700, portrait.cols, portrait.rows)));
    if (std::getenv("BENCH_SAVE"))
        cv::imwrite("/tmp/fdump/reference.jpg", reference);
    std::vector<double> probeMs, refMs;
    for (int i = 0; i < std::max(1, runs / 3); ++i) {
        auto t0 = std::chrono::steady_clock::now();
        KELM_GetFaces(SImage{probe.data, probe.cols, probe.rows}, nullptr, 0);
        auto t1 = std::chrono::steady_clock::now();
        KELM_GetFaces(SImage{reference.data, reference.cols, reference.rows}, nullptr, 0);
        auto t2 = std::chrono::steady_clock::now();
        probeMs.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        refMs.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
    }
    std::printf(
        "\nface search alone: 640x480 median %.1f ms (%d faces), 3264x2448 median %.1f ms "
        "(%d faces)\n",
        median(probeMs), KELM_GetFaces(SImage{probe.data, probe.cols, probe.rows}, nullptr, 0),
        median(refMs),
        KELM_GetFaces(SImage{reference.data, reference.cols, reference.rows}, nullptr, 0));
    std::vector<double> ms, cpu;
    double score = 0;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        timespec c0{}, c1{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c0);
        score = compare(probe, reference);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c1);
        cpu.push_back((c1.tv_sec - c0.tv_sec) * 1000.0 + (c1.tv_nsec - c0.tv_nsec) / 1e6);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    // The first comparison searches the whole large frame; the following ones start where the
    // portrait was found, as the comparison window's repeated checks of a still card do.
    std::printf("\nfirst comparison (whole-frame search): %.1f ms", ms.front());
    std::printf(
        "\n640x480 vs 3264x2448 (%s): median %.1f ms (calling thread's CPU %.1f ms), min "
        "%.1f ms, max %.1f ms over %d runs, s = %.3f\n",
        face.name.c_str(), median(ms), median(cpu), *std::min_element(ms.begin(), ms.end()),
        *std::max_element(ms.begin(), ms.end()), runs, score);
}

}  // namespace

int main(int argc, char** argv) {
    const int partners = argc > 1 ? std::atoi(argv[1]) : 6;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 30;
    std::vector<Picture> pictures;
    addFile(pictures, std::string(kSkimage) + "astronaut.png", "astronaut");
    addFile(pictures, std::string(kSkimage) + "camera.png", "cameraman");
    addFile(pictures, std::string(kOpencvDoc) + "messi5.jpg", "messi5");
    for (const Picture& p : lfwFaces(std::string(kSkimage) + "lfw_subset.npy"))
        pictures.push_back(p);
    if (pictures.size() < 2) {
        std::printf("No face pictures found: install python3-skimage and opencv-doc.\n");
        return 1;
    }

    // Pictures in which no face is found at all cannot take part in a pair.
    std::vector<Picture> usable;
    for (const Picture& p : pictures) {
        const cv::Mat& m = p.rgb;
        if (KELM_GetFaces(SImage{m.data, m.cols, m.rows}, nullptr, 0) > 0)
            usable.push_back(p);
        else
            std::printf("no face found in %s\n", p.name.c_str());
    }
    std::printf("%zu of %zu pictures hold a face the detector finds\n\n", usable.size(),
                pictures.size());

    const std::vector<Alteration> alterations = {
        {"scaled 0.6", [](const cv::Mat& m) { return scaled(m, 0.6); }},
        {"scaled 1.7", [](const cv::Mat& m) { return scaled(m, 1.7); }},
        {"turned +4", [](const cv::Mat& m) { return turned(m, 4); }},
        {"turned -7", [](const cv::Mat& m) { return turned(m, -7); }},
        {"darkened 0.45", [](const cv::Mat& m) { return darkened(m, 0.45); }},
        {"JPEG q20", [](const cv::Mat& m) { return jpeg(m, 20); }},
        {"all at once",
         [](const cv::Mat& m) { return jpeg(darkened(turned(scaled(m, 0.8), 3), 0.6), 35); }}};
    if (std::getenv("BENCH_TIMING_ONLY")) {
        timing(usable[0], runs);
        return 0;
    }
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;
    std::printf("%-14s %22s %26s\n", "alteration", "same face s>=0.5", "different faces s<0.5");
    int sameOk = 0, sameAll = 0, diffOk = 0, diffAll = 0;
    std::vector<double> sameScores, diffScores;
    for (const Alteration& a : alterations) {
        int so = 0, sa = 0, dOk = 0, da = 0;
        std::vector<cv::Mat> altered;
        for (const Picture& p : usable)
            altered.push_back(a.apply(p.rgb));
        const int n = int(usable.size());
        for (int i = 0; i < n; ++i) {
            const double s = compare(altered[size_t(i)], usable[size_t(i)].rgb);
            ++sa;
            so += s >= 0.5;
            sameScores.push_back(s);
            if (verbose && s < 0.5)
                std::printf("  same %s (%s): %.3f\n", usable[size_t(i)].name.c_str(), a.name, s);
            for (int k = 1; k <= std::min(partners, n - 1); ++k) {
                const int j = (i + k * 7) % n == i ? (i + 1) % n : (i + k * 7) % n;
                const double d = compare(altered[size_t(j)], usable[size_t(i)].rgb);
                ++da;
                dOk += d < 0.5;
                diffScores.push_back(d);
                if (verbose && d >= 0.5)
                    std::printf("  different %s / %s (%s): %.3f\n", usable[size_t(i)].name.c_str(),
                                usable[size_t(j)].name.c_str(), a.name, d);
            }
        }
        std::printf("%-14s %9d/%-4d %6.1f %% %12d/%-5d %6.1f %%\n", a.name, so, sa, 100.0 * so / sa,
                    dOk, da, 100.0 * dOk / std::max(1, da));
        sameOk += so;
        sameAll += sa;
        diffOk += dOk;
        diffAll += da;
    }
    std::printf("%-14s %9d/%-4d %6.1f %% %12d/%-5d %6.1f %%\n", "all", sameOk, sameAll,
                100.0 * sameOk / sameAll, diffOk, diffAll, 100.0 * diffOk / std::max(1, diffAll));
    std::printf("median s: same %.3f, different %.3f\n", median(sameScores), median(diffScores));
    timing(usable[0], runs);
    return 0;
}
