#include <QtTest>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <vector>

#include "KELM_ImageProcessingMod.h"
#include "scene/Scene.h"

namespace {

std::array<cv::Point2f, 4> toQuad(const int* c) {
    return {cv::Point2f(float(c[4]), float(c[5])), cv::Point2f(float(c[0]), float(c[1])),
            cv::Point2f(float(c[6]), float(c[7])), cv::Point2f(float(c[2]), float(c[3]))};
}

bool allZero(const int* c) {
    return std::all_of(c, c + 8, [](int v) { return v == 0; });
}

// Twice the signed area of the path through the corners in the order 3, 1, 4, 2 and the sign of
// each turn: all turns equal means a convex outline.
bool convexInDrawingOrder(const int* c) {
    const cv::Point2d p[4] = {{double(c[4]), double(c[5])},
                              {double(c[0]), double(c[1])},
                              {double(c[6]), double(c[7])},
                              {double(c[2]), double(c[3])}};
    int sign = 0;
    for (int i = 0; i < 4; ++i) {
        const cv::Point2d a = p[(i + 1) % 4] - p[i], b = p[(i + 2) % 4] - p[(i + 1) % 4];
        const double cross = a.x * b.y - a.y * b.x;
        const int s = cross > 0 ? 1 : -1;
        if (cross == 0 || (sign && s != sign))
            return false;
        sign = s;
    }
    return true;
}

}  // namespace

class TestImageprocLibrary : public QObject {
    Q_OBJECT

private slots:
    void documentsAreFoundAndEmptyDesksAreNot();
    void cutKeepsTheTrueProportions();
    void optimisationWhitensPaperAndKeepsInkAndColour();
    void cardIsCalibratedUprightAndComposedAtTrueSize();
    void severalPagesAndThreshold();
};

void TestImageprocLibrary::documentsAreFoundAndEmptyDesksAreNot() {
    const int w = 1632, h = 1224;
    int found = 0, good = 0;
    for (uint32_t seed = 300; seed < 316; ++seed) {
        scene::Scene s = scene::render(scene::randomParams(scene::Object::Document, seed, w, h));
        SImage src{s.rgb.data, w, h};
        int c[8] = {0};
        const short r = KELM_GetRectCornerPoint(src, c, 0);
        QCOMPARE(r > 0, !allZero(c));
        if (r <= 0)
            continue;
        ++found;
        QVERIFY2(convexInDrawingOrder(c), qPrintable(QString("seed %1").arg(seed)));
        for (int i = 0; i < 8; i += 2)
            QVERIFY(c[i] >= 0 && c[i] < w && c[i + 1] >= 0 && c[i + 1] < h);
        if (scene::quadIoU(toQuad(c), s.truth.corners, w, h) > 0.9)
            ++good;
    }
    QVERIFY2(good >= 13, qPrintable(QString("%1 of 16 pages outlined well").arg(good)));
    int falseOutlines = 0;
    for (uint32_t seed = 300; seed < 310; ++seed) {
        scene::Scene s = scene::render(scene::randomParams(scene::Object::EmptyDesk, seed, w, h));
        SImage src{s.rgb.data, w, h};
        int c[8] = {7, 7, 7, 7, 7, 7, 7, 7};
        if (KELM_GetRectCornerPoint(src, c, 0) > 0)
            ++falseOutlines;
        else
            QVERIFY(allZero(c));
    }
    QVERIFY2(falseOutlines <= 1,
             qPrintable(QString("%1 outlines on empty desks").arg(falseOutlines)));
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
    QVERIFY(scene::quadIoU(toQuad(c), s.truth.corners, src.width, src.height) > 0.97);
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

void TestImageprocLibrary::optimisationWhitensPaperAndKeepsInkAndColour() {
    // Grey-ish paper under a light fall-off, black text, a red block and a large dark photo.
    cv::Mat page(900, 640, CV_8UC3);
    for (int y = 0; y < page.rows; ++y)
        for (int x = 0; x < page.cols; ++x) {
            const double g = 1.0 - 0.35 * x / page.cols;
            page.at<cv::Vec3b>(y, x) = cv::Vec3b(uchar(200 * g), uchar(196 * g), uchar(185 * g));
        }
    for (int y = 60; y < 400; y += 24)
        cv::putText(page, "lorem ipsum dolor", cv::Point(40, y), cv::FONT_HERSHEY_SIMPLEX, 0.7,
                    cv::Scalar(30, 30, 30), 2);
    cv::rectangle(page, cv::Rect(60, 450, 120, 80), cv::Scalar(190, 30, 30), cv::FILLED);
    cv::rectangle(page, cv::Rect(300, 450, 300, 380), cv::Scalar(50, 60, 70), cv::FILLED);
    std::vector<unsigned char> out(size_t(page.total()) * 3);
    SImage src{page.data, page.cols, page.rows}, dst{out.data(), 0, 0};
    QVERIFY(KELM_MulticolorOptimizeImage(src, &dst, 0, 0, 0, 0) > 0);
    QCOMPARE(dst.width, page.cols);
    QCOMPARE(dst.height, page.rows);
    const cv::Mat res(dst.height, dst.width, CV_8UC3, out.data());
    // Paper at both the bright and the dim side becomes white.
    for (const cv::Point p : {cv::Point(20, 860), cv::Point(620, 20), cv::Point(250, 600)}) {
        const cv::Vec3b v = res.at<cv::Vec3b>(p);
        QVERIFY2(v[0] > 240 && v[1] > 240 && v[2] > 240,
                 qPrintable(QString("%1,%2").arg(p.x).arg(p.y)));
    }
    // Text stays dark, red stays red.
    cv::Mat textArea = res(cv::Rect(40, 40, 300, 360)), grey;
    cv::cvtColor(textArea, grey, cv::COLOR_RGB2GRAY);
    double mn = 0;
    cv::minMaxLoc(grey, &mn);
    QVERIFY(mn < 60);
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
    QVERIFY(scene::quadIoU(toQuad(c), s.truth.corners, src.width, src.height) > 0.95);
    std::vector<unsigned char> out(size_t(src.width) * src.height * 3);
    SImage dst{out.data(), src.width, src.height};
    QVERIFY(KELM_CalibrateIDCard(src, &dst, c, 1, 1, 1, 1, 1) > 0);
    QVERIFY(std::abs(double(dst.width) / dst.height / (85.6 / 54.0) - 1) < 0.01);
    // Upright: the card's title band (the darker print) is along the top.
    const cv::Mat card(dst.height, dst.width, CV_8UC3, out.data());
    const double top = cv::mean(card(cv::Rect(0, 0, card.cols, card.rows / 8)))[2];
    const double bottom =
        cv::mean(card(cv::Rect(0, card.rows * 7 / 8, card.cols, card.rows / 8)))[2];
    QVERIFY2(cv::mean(card(cv::Rect(0, 0, card.cols, card.rows / 8)))[0] <
                 cv::mean(card(cv::Rect(0, card.rows * 7 / 8, card.cols, card.rows / 8)))[0],
             qPrintable(QString("%1 %2").arg(top).arg(bottom)));

    // The page: white, front above back, each 85.6 mm wide on a page 210 mm wide.
    QTemporaryDir dir;
    cv::Mat bgr, front(300, 476, CV_8UC3, cv::Scalar(200, 30, 30)),
        back(300, 476, CV_8UC3, cv::Scalar(30, 30, 200));
    cv::cvtColor(front, bgr, cv::COLOR_RGB2BGR);
    QVERIFY(cv::imwrite(QString(dir.path() + "/f.jpg").toStdString(), bgr));
    cv::cvtColor(back, bgr, cv::COLOR_RGB2BGR);
    // The program's intermediate files carry their own extension; the content decides.
    QVERIFY(cv::imwrite(QString(dir.path() + "/b.png").toStdString(), bgr));
    QVERIFY(QFile::rename(dir.path() + "/b.png", dir.path() + "/ib.nvrx"));
    std::vector<unsigned char> pageBuf(2200 * 3110 * 3);
    SImage pageImg{pageBuf.data(), 2200, 3110};
    QVERIFY(KELM_SynthesisIDCardFromPath(QString(dir.path() + "/f.jpg").toLatin1().constData(),
                                         QString(dir.path() + "/ib.nvrx").toLatin1().constData(),
                                         &pageImg, 1) > 0);
    const cv::Mat page(3110, 2200, CV_8UC3, pageBuf.data());
    std::vector<int> redRows, blueRows, redCols;
    for (int y = 0; y < page.rows; y += 2) {
        const cv::Vec3b v = page.at<cv::Vec3b>(y, 1100);
        if (v[0] > 150 && v[2] < 80)
            redRows.push_back(y);
        if (v[2] > 150 && v[0] < 80)
            blueRows.push_back(y);
    }
    for (int x = 0; x < page.cols; ++x) {
        const cv::Vec3b v =
            page.at<cv::Vec3b>(redRows.empty() ? 0 : redRows[redRows.size() / 2], x);
        if (v[0] > 150 && v[2] < 80)
            redCols.push_back(x);
    }
    QVERIFY(!redRows.empty() && !blueRows.empty());
    QVERIFY(redRows.back() < blueRows.front());
    const double mmPerPx = 210.0 / 2200;
    QVERIFY(std::abs(redCols.size() * mmPerPx - 85.6) < 1.0);
    QVERIFY(std::abs((redRows.back() - redRows.front()) * mmPerPx - 54.0) < 1.0);
    QCOMPARE(page.at<cv::Vec3b>(20, 20), cv::Vec3b(255, 255, 255));
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
    for (int i = 16; i < 24; ++i)
        QCOMPARE(c[i], 0);

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

QTEST_GUILESS_MAIN(TestImageprocLibrary)
#include "tst_imageproc_library.moc"
