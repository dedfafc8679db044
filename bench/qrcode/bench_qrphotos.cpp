// The QR-code reader on real photos, and its speed on cut pages.
//
//   bench_qrphotos [photo folder] [speed rounds = 15]
//
// 1. Every photo of the folder of real QR-code photos (default: shared/data/qr-photos beside the
//    repository) is read, and its texts compared, as UTF-8, with the ones its .json file lists.
//    A photo counts as read when every listed text came out, and nothing else did; a text that is
//    not on the photo is a false read. Every fourth photo in name order is the check set: the
//    reader is tuned on the others, and the figure for these tells how it does on photos it was
//    not tuned on.
// 2. Pages without any code (rendered text pages and empty desks) must give nothing.
// 3. Speed: an A4 page cut from an 8 MP capture (1750 x 2480) with one clean code, and the same
//    page size without a code; median wall and CPU time of one call.

#include "KELM_QRCode.h"
#include "scene/Scene.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef MIRAVELO_SOURCE_DIR
#define MIRAVELO_SOURCE_DIR "."
#endif

namespace {

struct Timed {
    std::vector<std::string> texts;
    double wallMs = 0, cpuMs = 0;
};

double cpuNowMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// rgb: CV_8UC3 in R, G, B order.
Timed decode(cv::Mat rgb) {
    static std::vector<char> area(32 * KELM_QRCODE_ENTRY_SIZE);
    SImage src{rgb.data, rgb.cols, rgb.rows};
    Timed r;
    const double c0 = cpuNowMs();
    const auto t0 = std::chrono::steady_clock::now();
    const int n = KELM_QRCode_Decoding(&src, area.data(), 32);
    r.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    r.cpuMs = cpuNowMs() - c0;
    for (int i = 0; i < n; ++i)
        r.texts.emplace_back(area.data() + size_t(i) * KELM_QRCODE_ENTRY_SIZE);
    return r;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// An expected text longer than one entry counts as read when the entry holds its first bytes.
bool sameText(const std::string& got, const std::string& want) {
    const size_t room = KELM_QRCODE_ENTRY_SIZE - 1;
    return want.size() <= room ? got == want
                               : got == want.substr(0, got.size()) && got.size() + 4 > room;
}

struct Tally {
    int photos = 0, read = 0, falseReads = 0;
};

// Returns false when the folder is missing or empty.
bool photos(const QString& folder, Tally& tuning, Tally& check) {
    const QStringList cases = QDir(folder).entryList({"*.json"}, QDir::Files, QDir::Name);
    if (cases.isEmpty())
        return false;
    std::printf("%-40s %-5s %8s  %s\n", "photo", "set", "wall ms", "result");
    for (int i = 0; i < cases.size(); ++i) {
        QFile f(folder + "/" + cases[i]);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
        std::vector<std::string> want;
        for (const auto& t : o.value("qr").toArray())
            want.push_back(t.toString().toStdString());
        const QString file = folder + "/" + o.value("file").toString();
        cv::Mat bgr = cv::imread(file.toStdString(), cv::IMREAD_COLOR), rgb;
        if (bgr.empty())
            continue;
        cv::cvtColor(bgr, rgb, cv::COLOR_BGR2RGB);
        const Timed r = decode(rgb);
        int found = 0, wrong = 0;
        for (const auto& w : want)
            found += std::any_of(r.texts.begin(), r.texts.end(),
                                 [&](const std::string& g) { return sameText(g, w); });
        for (const auto& g : r.texts)
            wrong += std::none_of(want.begin(), want.end(),
                                  [&](const std::string& w) { return sameText(g, w); });
        const bool inCheck = i % 4 == 3;
        Tally& t = inCheck ? check : tuning;
        ++t.photos;
        t.falseReads += wrong;
        const bool ok = found == int(want.size()) && wrong == 0;
        t.read += ok;
        std::printf("%-40s %-5s %8.1f  %s", o.value("case").toString().toUtf8().constData(),
                    inCheck ? "check" : "tune", r.wallMs, ok ? "read" : "MISSED");
        if (!ok)
            std::printf(" (%d of %zu codes, %d false)", found, want.size(), wrong);
        std::printf("\n");
    }
    return true;
}

// A page of the given kind, cut straight out of an 8 MP capture at 1750 x 2480.
cv::Mat cutA4(scene::Object kind, uint32_t seed, const std::string& text) {
    scene::Params p = scene::randomParams(kind, seed, 3264, 2448);
    p.objectWidthMm = 210, p.objectHeightMm = 297;
    p.rotationDeg = 90, p.tiltXDeg = p.tiltYDeg = 0;
    p.centerMm = {0, 0};
    p.fieldWidthMm = 330;
    p.castShadow = false;
    p.qrTexts = text.empty() ? std::vector<std::string>{} : std::vector<std::string>{text};
    p.qrSizeMm = 30;
    const scene::Scene s = scene::render(p);
    const auto& c = s.truth.corners;
    // The page lies turned on the desk, so that its long side runs along the frame's.
    const std::vector<cv::Point2f> from{c[0], c[1], c[2], c[3]};
    const std::vector<cv::Point2f> to{{0, 0}, {1749, 0}, {1749, 2479}, {0, 2479}};
    cv::Mat page;
    cv::warpPerspective(s.rgb, page, cv::getPerspectiveTransform(from, to), cv::Size(1750, 2480),
                        cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return page;
}

}  // namespace

int main(int argc, char** argv) {
    const QString folder = argc > 1 && *argv[1]
                               ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral(MIRAVELO_SOURCE_DIR "/../shared/data/qr-photos");
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;

    Tally tuning, check;
    if (!photos(folder, tuning, check)) {
        std::printf(
            "No photos in %s: the real QR-code photos lie beside the repository, in\n"
            "shared/data/qr-photos; pass another folder as the first argument.\n",
            folder.toLocal8Bit().constData());
    } else {
        const Tally all{tuning.photos + check.photos, tuning.read + check.read,
                        tuning.falseReads + check.falseReads};
        for (const auto& [name, t] :
             {std::pair{"all photos", all}, {"tuning set", tuning}, {"check set", check}})
            std::printf("%-12s every code read on %5.1f %% (%d of %d), false reads %d\n", name,
                        100.0 * t.read / std::max(1, t.photos), t.read, t.photos, t.falseReads);
    }

    std::vector<double> cleanWall, cleanCpu, emptyWall, emptyCpu;
    int cleanRead = 0, falseOnEmpty = 0, emptyPages = 0;
    for (int i = 0; i < rounds; ++i) {
        const std::string text = "https://example.org/form/" + std::to_string(4711 + i);
        const Timed clean = decode(cutA4(scene::Object::QrSheet, 900 + uint32_t(i), text));
        cleanRead += clean.texts == std::vector<std::string>{text};
        cleanWall.push_back(clean.wallMs);
        cleanCpu.push_back(clean.cpuMs);
        // A text page, and a bare desk seen as if it were a page.
        for (auto kind : {scene::Object::Document, scene::Object::EmptyDesk}) {
            const Timed none = decode(cutA4(kind, 700 + uint32_t(i), ""));
            falseOnEmpty += int(none.texts.size());
            ++emptyPages;
            emptyWall.push_back(none.wallMs);
            emptyCpu.push_back(none.cpuMs);
        }
    }
    std::printf("1750x2480 page, one clean code: read %d of %d, median %.1f ms wall, %.1f ms CPU\n",
                cleanRead, rounds, median(cleanWall), median(cleanCpu));
    std::printf(
        "1750x2480 page, no code: %d texts reported on %d pages, median %.1f ms wall, "
        "%.1f ms CPU (slowest %.1f ms wall)\n",
        falseOnEmpty, emptyPages, median(emptyWall), median(emptyCpu),
        emptyWall.empty() ? 0.0 : *std::max_element(emptyWall.begin(), emptyWall.end()));
    return 0;
}
