#include <QtTest>

#include <opencv2/core.hpp>

#include "scene/Scene.h"

class TestScene : public QObject {
    Q_OBJECT

private slots:
    void anySizeAndEveryDesk();
    void deterministicWithALittleMotion();
    void quadIoU();
};

void TestScene::anySizeAndEveryDesk() {
    // The virtual camera renders at whatever size is asked, including absurd ones.
    const int sizes[][2] = {{1, 1}, {3, 2}, {17, 13}, {64, 48}, {640, 480}};
    for (const auto& sz : sizes)
        for (int k = 0; k < 4; ++k)
            for (int d = 0; d < 4; ++d) {
                scene::Params p = scene::randomParams(scene::Object(k), 7 + d, sz[0], sz[1]);
                p.desk = scene::Desk(d);
                const scene::Scene s = scene::render(p);
                QCOMPARE(s.rgb.cols, sz[0]);
                QCOMPARE(s.rgb.rows, sz[1]);
                QCOMPARE(s.rgb.type(), CV_8UC3);
                QCOMPARE(s.truth.hasObject, scene::Object(k) != scene::Object::EmptyDesk);
            }
}

void TestScene::deterministicWithALittleMotion() {
    const scene::Params p = scene::randomParams(scene::Object::Document, 99, 800, 600);
    const scene::Scene a = scene::render(p), b = scene::render(p);
    QCOMPARE(cv::norm(a.rgb, b.rgb, cv::NORM_INF), 0.0);
    scene::Params later = p;
    later.time = 1.0;
    const scene::Scene c = scene::render(later);
    QVERIFY(cv::norm(a.rgb, c.rgb, cv::NORM_L1) > 0);
    for (int i = 0; i < 4; ++i) {
        const double moved = cv::norm(a.truth.corners[size_t(i)] - c.truth.corners[size_t(i)]);
        QVERIFY2(moved > 0.01 && moved < 15, qPrintable(QString::number(moved)));
    }
    // The page lies inside the frame unless it was pushed over an edge, and has A-series or
    // letter proportions.
    QVERIFY(a.truth.aspect > 0.5 && a.truth.aspect < 2.0);
}

void TestScene::quadIoU() {
    const std::array<cv::Point2f, 4> a = {cv::Point2f(10, 10), {110, 10}, {110, 60}, {10, 60}};
    const std::array<cv::Point2f, 4> shuffled = {a[2], a[0], a[3], a[1]};
    QVERIFY(std::abs(scene::quadIoU(a, shuffled, 200, 200) - 1.0) < 1e-6);
    const std::array<cv::Point2f, 4> half = {cv::Point2f(60, 10), {160, 10}, {160, 60}, {60, 60}};
    QVERIFY(std::abs(scene::quadIoU(a, half, 200, 200) - 1.0 / 3.0) < 1e-3);
    const std::array<cv::Point2f, 4> apart = {
        cv::Point2f(150, 150), {190, 150}, {190, 190}, {150, 190}};
    QCOMPARE(scene::quadIoU(a, apart, 200, 200), 0.0);
    // Parts outside the frame do not count.
    const std::array<cv::Point2f, 4> over = {cv::Point2f(10, -40), {110, -40}, {110, 60}, {10, 60}};
    QVERIFY(std::abs(scene::quadIoU(a, over, 200, 200) - 50.0 / 60.5) < 1e-3);
}

QTEST_GUILESS_MAIN(TestScene)
#include "tst_scene.moc"
