#include <QtTest>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <vector>

#include "KELM_ImageProcessingMod.h"
#include "scene/Scene.h"
#include "visioncore/Quad.h"

using visioncore::Quad;

namespace {

bool allZero(const int* c) {
    return std::all_of(c, c + 8, [](int v) { return v == 0; });
}

// The page outline the library finds on a rendered scene, as its overlap with the truth; -1
// when it finds none.
double foundPageIoU(const scene::Scene& s) {
    SImage src{s.rgb.data, s.rgb.cols, s.rgb.rows};
    int c[8] = {0};
    if (KELM_GetRectCornerPoint(src, c, 0) != 1)
        return -1;
    return scene::quadIoU(Quad::fromCorners(c).corners(), s.truth.corners, src.width, src.height);
}

}  // namespace

class TestImageprocLibrary : public QObject {
    Q_OBJECT

private slots:
    void emptyDeskHasNoDocument();
    void cutKeepsTheTrueProportions();
    void faintPageUnderAShadowOnALightDesk();
    void pictureOnAPageOnALightDesk();
    void printedPageNearlyTheDesksColour();
    void cableAcrossAPageOnWood();
    void optimisationWhitensPaperAndKeepsInkAndColour();
    void cardIsCalibratedUprightAndComposedAtTrueSize();
    void tilesOfACardsShapeAreNoCard();
    void cardWithACornerPastTheFrame();
    void severalPagesAndThreshold();
    void liveOutlineHoldsStillAndFollowsTheCamera();
};

void TestImageprocLibrary::emptyDeskHasNoDocument() {
    scene::Scene s = scene::render(scene::randomParams(scene::Object::EmptyDesk, 300, 1632, 1224));
    int c[8] = {7, 7, 7, 7, 7, 7, 7, 7};
    QCOMPARE(KELM_GetRectCornerPoint({s.rgb.data, s.rgb.cols, s.rgb.rows}, c, 0), short(0));
    QVERIFY(allZero(c));
}

void TestImageprocLibrary::cutKeepsTheTrueProportions() {
    // A known page under a strongly tilted camera: side lengths in the photo differ a lot, the
    // cut must still come out at A4 proportions, at roughly the captured resolution.
    scene::Params p = scene::randomParams(scene::Object::Document, 11, 1632, 1224);
    p.objectWidthMm = 210, p.objectHeightMm = 297, p.rotationDeg = 0, p.centerMm = {-20, 75};
    p.tiltXDeg = 14, p.tiltYDeg = -8, p.fieldWidthMm = 560, p.desk = scene::Desk::Dark;
    p.deskColor = cv::Vec3b(40, 40, 45), p.castShadow = false;
    scene::Scene s = scene::render(p);
    SImage src{s.rgb.data, s.rgb.cols, s.rgb.rows};
    int c[8] = {0};
    QVERIFY(KELM_GetRectCornerPoint(src, c, 0) > 0);
    // Drawn through points 3, 1, 4, 2 the outline runs clockwise, inside the photo.
    const Quad q = Quad::fromCorners(c);
    QVERIFY(q.isConvex() && q.inside(src.width, src.height));
    QVERIFY(scene::quadIoU(q.corners(), s.truth.corners, src.width, src.height) > 0.97);
    std::vector<unsigned char> out(size_t(src.width) * src.height * 3);
    SImage dst{out.data(), src.width, src.height};
    QVERIFY(KELM_CutRequestedROI(src, &dst, c, 0, 0, 0, 0, 0) > 0);
    const double aspect = double(dst.width) / dst.height;
    QVERIFY2(std::abs(aspect / (210.0 / 297.0) - 1) < 0.03, qPrintable(QString::number(aspect)));
    const double sideInPhoto = cv::norm(s.truth.corners[3] - s.truth.corners[0]);
    QVERIFY(dst.height >= sideInPhoto * 0.95);

    // An output described smaller than the page gets a scaled-down page that fits.
    SImage tight{out.data(), 200, 200};
    QVERIFY(KELM_CutRequestedROI(src, &tight, c, 0, 0, 0, 0, 0) > 0);
    QVERIFY(tight.width * tight.height <= 200 * 200);
    QVERIFY(std::abs(double(tight.width) / tight.height / (210.0 / 297.0) - 1) < 0.05);
}

void TestImageprocLibrary::faintPageUnderAShadowOnALightDesk() {
    // A white page on a desk only a few grey levels darker, a soft shadow across the frame: the
    // edges are too faint for a fixed sensitivity, and the outline must still be the page's.
    for (uint32_t seed : {8u, 14u, 21u}) {
        scene::Params p = scene::randomParams(scene::Object::Document, seed, 1632, 1224);
        p.desk = scene::Desk::Light, p.deskColor = cv::Vec3b(232, 231, 226);
        p.paperColor = cv::Vec3b(247, 247, 244), p.dropShadow = 0, p.castShadow = true;
        p.shadowDepth = 0.3, p.centerMm = {10, 5}, p.rotationDeg = 7, p.fieldWidthMm = 470;
        const double iou = foundPageIoU(scene::render(p));
        QVERIFY2(iou > 0.95, qPrintable(QString("seed %1: IoU %2").arg(seed).arg(iou)));
    }
}

void TestImageprocLibrary::pictureOnAPageOnALightDesk() {
    // A dark picture fills a white page but for narrow margins; the page's rim on the light desk
    // is faint, the picture's edge strong. The outline is the page's, not the picture's.
    for (uint32_t seed : {3u, 17u}) {
        scene::Params p = scene::randomParams(scene::Object::Document, seed, 1632, 1224);
        p.desk = scene::Desk::Light, p.deskColor = cv::Vec3b(236, 235, 230);
        p.paperColor = cv::Vec3b(247, 247, 244), p.dropShadow = 0, p.castShadow = false;
        p.rotationDeg = 5, p.centerMm = {0, 0}, p.fieldWidthMm = 600;
        cv::Mat face(297 * 4, 210 * 4, CV_8UC3, cv::Scalar(247, 247, 244));
        cv::Mat picture = face(cv::Rect(12 * 4, 12 * 4, 186 * 4, 200 * 4));
        cv::randu(picture, cv::Scalar(30, 40, 50), cv::Scalar(120, 110, 100));
        cv::GaussianBlur(picture, picture, cv::Size(0, 0), 6);
        p.printedFace = face;
        const double iou = foundPageIoU(scene::render(p));
        QVERIFY2(iou > 0.95, qPrintable(QString("seed %1: IoU %2").arg(seed).arg(iou)));
    }
}

void TestImageprocLibrary::printedPageNearlyTheDesksColour() {
    // A white page on a desk a few levels off its colour, evenly lit: no edge view sees its rim,
    // its print does show. Without print the same desk shows nothing.
    for (uint32_t seed : {5u, 12u}) {
        scene::Params p = scene::randomParams(scene::Object::Document, seed, 1632, 1224);
        p.desk = scene::Desk::Light, p.deskColor = cv::Vec3b(244, 246, 236);
        p.paperColor = cv::Vec3b(246, 246, 242), p.dropShadow = 0, p.castShadow = false;
        p.rotationDeg = 8, p.centerMm = {8, 0}, p.fieldWidthMm = 480, p.tiltXDeg = 0,
        p.tiltYDeg = 0;
        const double iou = foundPageIoU(scene::render(p));
        QVERIFY2(iou > 0.95, qPrintable(QString("seed %1: IoU %2").arg(seed).arg(iou)));
        p.object = scene::Object::EmptyDesk;
        QCOMPARE(foundPageIoU(scene::render(p)), -1.0);
    }
}

void TestImageprocLibrary::cableAcrossAPageOnWood() {
    // A cable across the page, from the desk on one side to the desk on the other, closes an
    // outline of its own with three of the page's sides, as clear as the page's. The outline is
    // still the whole page's.
    for (uint32_t seed : {5u, 13u}) {
        scene::Params p = scene::randomParams(scene::Object::Document, seed, 1632, 1224);
        p.desk = scene::Desk::Wood, p.deskColor = cv::Vec3b(170, 120, 80), p.castShadow = false;
        p.rotationDeg = 8, p.centerMm = {0, 0}, p.fieldWidthMm = 520, p.tiltXDeg = p.tiltYDeg = 0;
        scene::Scene s = scene::render(p);
        const auto& t = s.truth.corners;
        const cv::Point2f left = t[0] + (t[3] - t[0]) * 0.3f, right = t[1] + (t[2] - t[1]) * 0.3f;
        const cv::Point2f along = (right - left) * 0.25f;
        cv::line(s.rgb, left - along, right + along, cv::Scalar(25, 25, 28), 12, cv::LINE_AA);
        const double iou = foundPageIoU(s);
        QVERIFY2(iou > 0.97, qPrintable(QString("seed %1: IoU %2").arg(seed).arg(iou)));
    }
}

void TestImageprocLibrary::optimisationWhitensPaperAndKeepsInkAndColour() {
    // Grey-ish paper under a light fall-off, black text, a red block and a large dark photo.
    cv::Mat page(900, 640, CV_8UC3);
    for (int x = 0; x < page.cols; ++x)
        page.col(x).setTo(cv::Scalar(200, 196, 185) * (1.0 - 0.35 * x / page.cols));
    for (int y = 60; y < 400; y += 24)
        cv::putText(page, "lorem ipsum dolor", cv::Point(40, y), cv::FONT_HERSHEY_SIMPLEX, 0.7,
                    cv::Scalar(30, 30, 30), 2);
    cv::rectangle(page, cv::Rect(60, 450, 120, 80), cv::Scalar(190, 30, 30), cv::FILLED);
    cv::rectangle(page, cv::Rect(300, 450, 300, 380), cv::Scalar(50, 60, 70), cv::FILLED);
    std::vector<unsigned char> out(size_t(page.total()) * 3);
    SImage src{page.data, page.cols, page.rows}, dst{out.data(), page.cols, page.rows};
    QVERIFY(KELM_MulticolorOptimizeImage(src, &dst, 0, 0, 0, 0) > 0);
    QCOMPARE(cv::Size(dst.width, dst.height), page.size());
    const cv::Mat res(dst.height, dst.width, CV_8UC3, out.data());
    // Paper at both the bright and the dim side becomes white.
    for (const cv::Point p : {cv::Point(20, 860), cv::Point(620, 20), cv::Point(250, 600)}) {
        const cv::Vec3b v = res.at<cv::Vec3b>(p);
        QVERIFY2(v[0] > 240 && v[1] > 240 && v[2] > 240,
                 qPrintable(QString("%1,%2").arg(p.x).arg(p.y)));
    }
    // Text stays dark, red stays red.
    double darkest = 255;
    cv::minMaxLoc(res(cv::Rect(40, 40, 300, 360)).reshape(1), &darkest);
    QVERIFY(darkest < 60);
    const cv::Vec3b red = res.at<cv::Vec3b>(490, 120);
    QVERIFY(red[0] > 150 && red[1] < 90 && red[2] < 90);
    // No light halo inside the dark photo next to its edge, and the photo is not washed out.
    const cv::Vec3b nearEdge = res.at<cv::Vec3b>(460, 310), centre = res.at<cv::Vec3b>(640, 450);
    QVERIFY(std::abs(int(nearEdge[0]) - int(centre[0])) < 25);
    QVERIFY(centre[0] < 120);
}

void TestImageprocLibrary::cardIsCalibratedUprightAndComposedAtTrueSize() {
    scene::Params p = scene::randomParams(scene::Object::Card, 21, 1632, 1224);
    p.rotationDeg = 180 + 12, p.desk = scene::Desk::Dark, p.deskColor = cv::Vec3b(35, 35, 40);
    p.centerMm = {0, 0}, p.fieldWidthMm = 260, p.tiltXDeg = 0, p.tiltYDeg = 0;
    scene::Scene s = scene::render(p);
    SImage src{s.rgb.data, s.rgb.cols, s.rgb.rows};
    int c[8] = {0};
    QVERIFY(KELM_GetRectCornerPoint(src, c, 1) > 0);
    QVERIFY(scene::quadIoU(Quad::fromCorners(c).corners(), s.truth.corners, src.width, src.height) >
            0.95);
    std::vector<unsigned char> out(size_t(src.width) * src.height * 3);
    SImage dst{out.data(), src.width, src.height};
    QVERIFY(KELM_CalibrateIDCard(src, &dst, c, 1, 1, 1, 1, 1) > 0);
    QVERIFY(std::abs(double(dst.width) / dst.height / (85.6 / 54.0) - 1) < 0.01);
    // Upright: the card's title band (the darker print) is along the top.
    const cv::Mat card(dst.height, dst.width, CV_8UC3, out.data());
    const int band = card.rows / 8;
    const double top = cv::mean(card.rowRange(0, band))[0];
    const double bottom = cv::mean(card.rowRange(card.rows - band, card.rows))[0];
    QVERIFY2(top < bottom, qPrintable(QString("%1 %2").arg(top).arg(bottom)));

    // The page: white, front above back, each 85.6 mm wide on a page 210 mm wide. The program's
    // intermediate files carry their own extension; the content decides.
    QTemporaryDir dir;
    const QString front = dir.path() + "/f.jpg", back = dir.path() + "/ib.nvrx";
    QVERIFY(cv::imwrite(front.toStdString(), cv::Mat(300, 476, CV_8UC3, cv::Scalar(30, 30, 200))));
    QVERIFY(cv::imwrite(dir.path().toStdString() + "/b.png",
                        cv::Mat(300, 476, CV_8UC3, cv::Scalar(200, 30, 30))));
    QVERIFY(QFile::rename(dir.path() + "/b.png", back));
    std::vector<unsigned char> pageBuf(2200 * 3110 * 3);
    SImage pageImg{pageBuf.data(), 2200, 3110};
    QVERIFY(KELM_SynthesisIDCardFromPath(QFile::encodeName(front), QFile::encodeName(back),
                                         &pageImg, 1) > 0);
    const cv::Mat page(3110, 2200, CV_8UC3, pageBuf.data());
    cv::Mat red, blue;
    cv::inRange(page, cv::Scalar(151, 0, 0), cv::Scalar(255, 255, 79), red);
    cv::inRange(page, cv::Scalar(0, 0, 151), cv::Scalar(79, 255, 255), blue);
    const cv::Rect r = cv::boundingRect(red), b = cv::boundingRect(blue);
    const double mmPerPx = 210.0 / 2200;
    QVERIFY(!r.empty() && !b.empty() && r.br().y <= b.y);
    QVERIFY(std::abs(r.width * mmPerPx - 85.6) < 1.0 && std::abs(r.height * mmPerPx - 54.0) < 1.0);
    QCOMPARE(page.at<cv::Vec3b>(20, 20), cv::Vec3b(255, 255, 255));
}

void TestImageprocLibrary::tilesOfACardsShapeAreNoCard() {
    // A floor of tiles with a card's proportions, sharp joints and a plain face: every tile
    // looks like a card but for its copies round it.
    cv::Mat desk(1224, 1632, CV_8UC3, cv::Scalar(60, 60, 70));
    for (int y = -40; y < desk.rows; y += 190)
        for (int x = -60; x < desk.cols; x += 290) {
            const int shift = (y / 190) % 2 ? 140 : 0;
            cv::rectangle(desk, cv::Rect(x + shift, y, 270, 170), cv::Scalar(200, 190, 170),
                          cv::FILLED);
            cv::circle(desk, cv::Point(x + shift + 60, y + 60), 25, cv::Scalar(120, 90, 80),
                       cv::FILLED);
        }
    int c[8] = {7, 7, 7, 7, 7, 7, 7, 7};
    QCOMPARE(KELM_GetRectCornerPoint({desk.data, desk.cols, desk.rows}, c, 1), short(0));
    QVERIFY(allZero(c));
}

void TestImageprocLibrary::cardWithACornerPastTheFrame() {
    // A card laid near the frame's bottom edge, turned so that one rounded corner lies just
    // past it: the outline is still the whole card's, not its print inside it. Pushed far out
    // of the frame it is no card that can be measured.
    for (const double pastMm : {2.0, 30.0}) {
        scene::Params p = scene::randomParams(scene::Object::Card, 21, 1632, 1224);
        p.tiltXDeg = 0, p.tiltYDeg = 0, p.rotationDeg = 20, p.fieldWidthMm = 420;
        p.castShadow = false, p.desk = scene::Desk::Dark, p.deskColor = cv::Vec3b(120, 90, 60);
        const double frameHeightMm = 420.0 * 1224 / 1632;
        const double reach = (85.6 * std::sin(20 * CV_PI / 180) + 54 * std::cos(20 * CV_PI / 180));
        p.centerMm = {-40, frameHeightMm / 2 - reach / 2 + pastMm};
        const scene::Scene s = scene::render(p);
        SImage src{s.rgb.data, s.rgb.cols, s.rgb.rows};
        int c[8] = {0};
        const short found = KELM_GetRectCornerPoint(src, c, 1);
        if (pastMm > 10) {
            QCOMPARE(found, short(0));
            continue;
        }
        QCOMPARE(found, short(1));
        const double iou =
            scene::quadIoU(Quad::fromCorners(c).corners(), s.truth.corners, src.width, src.height);
        QVERIFY2(iou > 0.95, qPrintable(QString::number(iou)));
    }
}

void TestImageprocLibrary::severalPagesAndThreshold() {
    cv::Mat desk(600, 900, CV_8UC3, cv::Scalar(50, 45, 40));
    cv::rectangle(desk, cv::Rect(60, 80, 300, 420), cv::Scalar(245, 245, 240), cv::FILLED);
    cv::rectangle(desk, cv::Rect(500, 100, 330, 440), cv::Scalar(240, 242, 245), cv::FILLED);
    for (int y = 130; y < 450; y += 20) {
        cv::line(desk, cv::Point(100, y), cv::Point(320, y), cv::Scalar(20, 20, 20), 3);
        cv::line(desk, cv::Point(540, y + 20), cv::Point(790, y + 20), cv::Scalar(20, 20, 20), 3);
    }
    SImage src{desk.data, desk.cols, desk.rows};
    int c[3 * 8];
    QCOMPARE(KELM_GetMoreRectPoint(src, c, 3, 0), short(2));
    // Largest first.
    QVERIFY(c[4] > 450 && c[12] < 400);
    QVERIFY(allZero(c + 16));

    std::vector<unsigned char> out(desk.total() * 3);
    SImage dst{out.data(), desk.cols, desk.rows};
    QCOMPARE(KELM_SetThresholdValue(128), short(1));
    QVERIFY(KELM_ThresholdImage(src, &dst, 0) > 0);
    const cv::Mat bw(desk.rows, desk.cols, CV_8UC3, out.data());
    QCOMPARE(bw.at<cv::Vec3b>(200, 200), cv::Vec3b(255, 255, 255));
    QCOMPARE(bw.at<cv::Vec3b>(10, 10), cv::Vec3b(0, 0, 0));
    QCOMPARE(KELM_ResetImageStyle(), short(1));
    QVERIFY(KELM_ThresholdImage(src, &dst, 0) > 0);
    // The adaptive threshold keeps the text lines black on the white page.
    QCOMPARE(bw.at<cv::Vec3b>(130, 200), cv::Vec3b(0, 0, 0));
    QCOMPARE(bw.at<cv::Vec3b>(140, 200), cv::Vec3b(255, 255, 255));
}

void TestImageprocLibrary::liveOutlineHoldsStillAndFollowsTheCamera() {
    // Frames of a still page as the live preview sends them: fresh sensor noise each, and the
    // picture trembling by a pixel (a camera arm does).
    scene::Scene s = scene::render(scene::randomParams(scene::Object::Document, 41, 1632, 1224));
    cv::RNG rng(5);
    auto detect = [](const cv::Mat& img, int* c) {
        return KELM_GetRectCornerPoint({img.data, img.cols, img.rows}, c, 0);
    };
    int first[8] = {0}, c[8] = {0};
    for (int frame = 0; frame < 6; ++frame) {
        cv::Mat noise(s.rgb.size(), CV_16SC3), noisy;
        rng.fill(noise, cv::RNG::NORMAL, 0, 4);
        cv::warpAffine(s.rgb, noisy, cv::Matx23d(1, 0, frame % 2, 0, 1, frame % 3 == 1),
                       s.rgb.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        cv::add(noisy, noise, noisy, cv::noArray(), CV_8UC3);
        QVERIFY(detect(noisy, frame == 0 ? first : c) > 0);
        if (frame > 0)
            QVERIFY2(std::equal(c, c + 8, first), qPrintable(QString::number(frame)));
    }
    QVERIFY(scene::quadIoU(Quad::fromCorners(first).corners(), s.truth.corners, 1632, 1224) > 0.97);

    // The page moved: followed on the very next frame.
    cv::Mat moved;
    cv::warpAffine(s.rgb, moved, cv::Matx23d(1, 0, 30, 0, 1, 20), s.rgb.size(), cv::INTER_LINEAR,
                   cv::BORDER_REPLICATE);
    QVERIFY(detect(moved, c) > 0);
    const Quad q = Quad::fromCorners(c), was = Quad::fromCorners(first);
    for (size_t i = 0; i < 4; ++i)
        QVERIFY(cv::norm(q[i] - was[i] - cv::Point2f(30, 20)) < 2.5);

    // Another photo of the same size, and then an empty desk, get their own answers.
    scene::Scene other = scene::render(scene::randomParams(scene::Object::Document, 7, 1632, 1224));
    QVERIFY(detect(other.rgb, c) > 0);
    QVERIFY(scene::quadIoU(Quad::fromCorners(c).corners(), other.truth.corners, 1632, 1224) > 0.97);
    scene::Scene desk =
        scene::render(scene::randomParams(scene::Object::EmptyDesk, 301, 1632, 1224));
    QCOMPARE(detect(desk.rgb, c), short(0));
}

QTEST_GUILESS_MAIN(TestImageprocLibrary)
#include "tst_imageproc_library.moc"
