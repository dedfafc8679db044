#include <QtTest>

#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "ContourHull.h"
#include "HoughSegments.h"
#include "JobGraph.h"
#include "LevelImage.h"
#include "scene/Scene.h"

using namespace imageproc;

namespace {

// Edge maps like those the outline views search: a rendered desk with a page and with a card,
// reduced to the detector's working size, at a faint and a clear sensitivity.
std::vector<cv::Mat> edgeMaps() {
    std::vector<cv::Mat> maps;
    for (const auto object : {scene::Object::Document, scene::Object::Card})
        for (uint32_t seed : {3u, 17u}) {
            const scene::Scene s = scene::render(scene::randomParams(object, seed, 1088, 816));
            cv::Mat small, grey;
            cv::resize(s.rgb, small, cv::Size(544, 408), 0, 0, cv::INTER_AREA);
            cv::cvtColor(small, grey, cv::COLOR_RGB2GRAY);
            for (int low : {12, 40}) {
                cv::Mat e;
                cv::Canny(grey, e, low, 3 * low);
                maps.push_back(e);
            }
        }
    return maps;
}

}  // namespace

class TestVisionKernels : public QObject {
    Q_OBJECT

private slots:
    void fastKernelsGiveOpenCvsResults();
    void jobGraphKeepsOrderAndStopsAtAFailure();
};

// The fast versions stand in for OpenCV's inside the detector, whose decisions must not change:
// not a pixel, a segment end or a hull point may differ.
void TestVisionKernels::fastKernelsGiveOpenCvsResults() {
    struct Setting {
        int threshold;
        double length, gap;
    };
    for (const cv::Mat& edges : edgeMaps()) {
        for (const Setting& k :
             {Setting{10, 12.6, 2}, Setting{14, 14.3, 3.8}, Setting{50, 30, 9}}) {
            std::vector<cv::Vec4i> ours, theirs;
            HoughSegments::find(edges, k.threshold, k.length, k.gap, ours);
            cv::HoughLinesP(edges, theirs, 1, CV_PI / 180, k.threshold, k.length, k.gap);
            QVERIFY(!theirs.empty());
            QCOMPARE(ours, theirs);
        }
        cv::Mat thick;
        cv::dilate(edges, thick, cv::Mat());
        for (const int approx : {cv::CHAIN_APPROX_SIMPLE, cv::CHAIN_APPROX_NONE}) {
            std::vector<std::vector<cv::Point>> contours;
            cv::findContours(thick, contours, cv::RETR_LIST, approx);
            for (const auto& c : contours) {
                std::vector<cv::Point> ours, theirs;
                ContourHull::of(c, cv::boundingRect(c), ours);
                cv::convexHull(c, theirs);
                QCOMPARE(ours, theirs);
            }
        }
    }
    // Mirrored borders on frames down to a pixel, and sums up to the largest.
    cv::RNG rng(5);
    for (int i = 0; i < 60; ++i) {
        cv::Mat rgb(1 + i % 9, 1 + i / 3, CV_8UC3);
        rng.fill(rgb, cv::RNG::UNIFORM, i % 2 ? 0 : 200, 256);
        cv::Mat blurred, level;
        cv::blur(rgb, blurred, cv::Size(3, 3));
        blurred.convertTo(blurred, CV_16UC3);
        cv::transform(blurred, level, cv::Matx13f(1, 1, 1));
        QCOMPARE(cv::countNonZero(levelImage(rgb) != level), 0);
    }
}

void TestVisionKernels::jobGraphKeepsOrderAndStopsAtAFailure() {
    // Each job needs the two before it; whether the jobs run side by side (at the top) or one
    // after the other (inside another parallel loop), each finds its inputs done.
    for (const bool nested : {false, true}) {
        JobGraph graph;
        const int n = 40;
        std::vector<std::atomic<int>> done(n);
        std::atomic<int> misordered{0};
        for (int i = 0; i < n; ++i) {
            std::vector<int> after;
            for (int k = std::max(0, i - 2); k < i; ++k)
                after.push_back(k);
            graph.add(
                [&, i, after] {
                    for (int k : after)
                        misordered += !done[size_t(k)];
                    done[size_t(i)] = 1;
                },
                after);
        }
        if (nested)
            cv::parallel_for_(cv::Range(0, 1), [&](const cv::Range&) { graph.run(); });
        else
            graph.run();
        QCOMPARE(misordered.load(), 0);
        for (int i = 0; i < n; ++i)
            QVERIFY(done[size_t(i)]);
    }
    // A failing job: what needs it is skipped, the rest runs, and the error reaches the caller.
    JobGraph graph;
    std::atomic<int> ran{0};
    const int failing = graph.add([] { throw std::runtime_error("no memory"); });
    graph.add([&] { ++ran; }, {failing});
    graph.add([&] { ran += 10; });
    QVERIFY_EXCEPTION_THROWN(graph.run(), std::runtime_error);
    QCOMPARE(ran.load(), 10);
}

QTEST_GUILESS_MAIN(TestVisionKernels)
#include "tst_vision_kernels.moc"
