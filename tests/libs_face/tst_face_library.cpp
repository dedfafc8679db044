#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <thread>

#include "CSeetaface.h"
#include "scene/Scene.h"
#include "scene/SceneBuildingBlocks.h"

namespace {

SImage view(cv::Mat& m) {
    return SImage{m.data, m.cols, m.rows};
}

// What the virtual sub camera shows.
cv::Mat subCameraPicture() {
    cv::Mat m(480, 640, CV_8UC3);
    scene::drawPortrait(m, cv::Rect(0, 0, 640, 480));
    return m;
}

}  // namespace

class FaceLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void findsTheDrawnFaceAndOnlyIt() {
        cv::Mat face = subCameraPicture();
        KELM_FaceRect found[4] = {};
        QCOMPARE(KELM_GetFaces(view(face), found, 4), 1);
        // The head is drawn centred at (320, 211) with a face about 190 pixels wide.
        const QRect box(found[0].x, found[0].y, found[0].width, found[0].height);
        QVERIFY2(box.contains(320, 211), qPrintable(QString("box %1,%2 %3x%4")
                                                        .arg(box.x())
                                                        .arg(box.y())
                                                        .arg(box.width())
                                                        .arg(box.height())));
        QVERIFY(box.width() > 100 && box.width() < 320);
        // Counting only, and a capacity smaller than the count.
        QCOMPARE(KELM_GetFaces(view(face), nullptr, 0), 1);

        cv::Mat page =
            scene::render(scene::randomParams(scene::Object::Document, 3, 1280, 960)).rgb;
        QCOMPARE(KELM_GetFaces(view(page), found, 4), 0);
        QCOMPARE(KELM_FaceCompare(view(face), view(page)), 0.0);
        QCOMPARE(KELM_FaceCompare(view(page), view(face)), 0.0);
    }

    void matchesTheSubCameraWithTheCardPortrait() {
        // The document camera's view of an identity card whose portrait is the same person, turned
        // and at another scale, under desk light and sensor noise.
        scene::Params p = scene::randomParams(scene::Object::Card, 11, 3264, 2448);
        p.rotationDeg = 4.0;
        p.fieldWidthMm = 300.0;
        p.centerMm = cv::Point2d(0, 0);
        p.tiltXDeg = p.tiltYDeg = 0.0;
        cv::Mat card = scene::render(p).rgb;
        cv::Mat face = subCameraPicture();
        const double s = KELM_FaceCompare(view(face), view(card));
        QVERIFY2(s >= 0.5 && s <= 1.0, qPrintable(QString::number(s)));
        // Repeated checks of a still card start where its portrait was and must agree with the
        // first; once the card is moved or taken away, the whole frame is searched again.
        QCOMPARE(KELM_FaceCompare(view(face), view(card)), s);
        p.centerMm = cv::Point2d(60, 40);
        cv::Mat moved = scene::render(p).rgb;
        QVERIFY(KELM_FaceCompare(view(face), view(moved)) >= 0.5);
        cv::Mat empty(card.size(), CV_8UC3, cv::Scalar(120, 110, 100));
        QCOMPARE(KELM_FaceCompare(view(face), view(empty)), 0.0);
        QVERIFY(KELM_FaceCompare(view(face), view(moved)) >= 0.5);

        // A darker, noisier sub camera frame is still the same person, and scores below an
        // untouched one.
        cv::Mat dim;
        face.convertTo(dim, -1, 0.5, 0);
        cv::Mat noise(dim.size(), CV_8UC3);
        cv::randn(noise, 0, 6);
        dim += noise;
        const double sDim = KELM_FaceCompare(view(dim), view(face));
        QVERIFY2(sDim >= 0.5, qPrintable(QString::number(sDim)));
        QVERIFY(KELM_FaceCompare(view(face), view(face)) >= sDim);
    }

    void rejectsUnusableDescriptors() {
        cv::Mat face = subCameraPicture();
        KELM_FaceRect one{};
        QCOMPARE(KELM_FaceCompare(SImage{nullptr, 640, 480}, view(face)), -1.0);
        QCOMPARE(KELM_FaceCompare(view(face), SImage{face.data, 0, 480}), -1.0);
        QCOMPARE(KELM_FaceCompare(view(face), SImage{face.data, 640, -3}), -1.0);
        QCOMPARE(KELM_FaceCompare(SImage{face.data, 100000, 100000}, view(face)), -1.0);
        QCOMPARE(KELM_GetFaces(view(face), &one, -1), -1);
        QCOMPARE(KELM_GetFaces(view(face), nullptr, 2), -1);
        QCOMPARE(KELM_GetFaces(SImage{nullptr, 10, 10}, &one, 1), -1);
        // Too small to hold a face at all.
        cv::Mat tiny(3, 2, CV_8UC3, cv::Scalar(9, 9, 9));
        QCOMPARE(KELM_GetFaces(view(tiny), &one, 1), 0);
        QCOMPARE(KELM_FaceCompare(view(tiny), view(face)), 0.0);
    }

    void comparesFromSeveralThreadsAlike() {
        cv::Mat face = subCameraPicture();
        cv::Mat other;
        cv::resize(face, other, cv::Size(960, 720));
        const double alone = KELM_FaceCompare(view(face), view(other));
        double results[3] = {};
        std::thread a([&] { results[0] = KELM_FaceCompare(view(face), view(other)); });
        std::thread b([&] { results[1] = KELM_FaceCompare(view(other), view(face)); });
        results[2] = KELM_FaceCompare(view(face), view(other));
        a.join();
        b.join();
        QCOMPARE(results[0], alone);
        QCOMPARE(results[2], alone);
        QVERIFY(results[1] >= 0.5);
    }
};

QTEST_APPLESS_MAIN(FaceLibraryTest)
#include "tst_face_library.moc"
