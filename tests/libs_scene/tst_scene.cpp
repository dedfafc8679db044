#include <QtTest>

#include "scene/BookScene.h"
#include "scene/Scene.h"

class TestScene : public QObject {
    Q_OBJECT

private slots:
    void anySizeAndEveryDesk();
    void deterministicWithALittleMotion();
};

void TestScene::anySizeAndEveryDesk() {
    // The virtual camera renders at whatever size is asked, including absurd ones.
    for (cv::Size size : {cv::Size(1, 1), {3, 2}, {17, 13}, {64, 48}, {640, 480}})
        for (int k = 0; k < 4; ++k)
            for (int d = 0; d < 4; ++d) {
                scene::Params p =
                    scene::randomParams(scene::Object(k), 7 + d, size.width, size.height);
                p.desk = scene::Desk(d);
                const scene::Scene s = scene::render(p);
                QVERIFY(s.rgb.size() == size && s.rgb.type() == CV_8UC3);
                QCOMPARE(s.truth.hasObject, scene::Object(k) != scene::Object::EmptyDesk);
            }
}

// One picture per seed and time; a shaking camera moves the object a little, and its truth.
void TestScene::deterministicWithALittleMotion() {
    const scene::Params p = scene::randomParams(scene::Object::Document, 99, 800, 600);
    scene::Params later = p;
    later.time = 1.0;
    const scene::Scene a = scene::render(p), c = scene::render(later);
    QCOMPARE(cv::norm(a.rgb, scene::render(p).rgb, cv::NORM_INF), 0.0);
    for (int i = 0; i < 4; ++i) {
        const double moved = cv::norm(a.truth.corners[size_t(i)] - c.truth.corners[size_t(i)]);
        QVERIFY2(moved > 0.01 && moved < 15, qPrintable(QString::number(moved)));
    }
    scene::BookSceneParams book{800, 600, 63, 1.0};  // size, seed, motion
    scene::BookSceneTruth t0, t1;
    QCOMPARE(
        cv::norm(scene::BookScene(book).render(&t0), scene::BookScene(book).render(), cv::NORM_INF),
        0.0);
    book.time = 1.2;
    scene::BookScene(book).render(&t1);
    const double moved = cv::norm(t0.gutterTop - t1.gutterTop);
    QVERIFY2(moved > 0.5 && moved < 0.05 * book.width, qPrintable(QString::number(moved)));
}

QTEST_GUILESS_MAIN(TestScene)
#include "tst_scene.moc"
