// The book-page library on rendered spreads with known truth, and its answers to bad arguments.

#include "GuardedBuffer.h"
#include "bookproc/BookProcessing.h"
#include "scene/BookScene.h"
#include "scene/BookScore.h"
#include "visioncore/Quad.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <array>
#include <vector>

using visioncore::Quad;

namespace {

cv::Mat view(const SImage& s) {
    return cv::Mat(s.height, s.width, CV_8UC3, s.data).clone();
}

// A head or a camera arm over the desk: a soft-edged shadow over the left part of the spread,
// and a dark cable lying across it.
void castShadow(cv::Mat& photo) {
    cv::Mat light(photo.size(), CV_32F, cv::Scalar(1));
    cv::ellipse(light, cv::Point(photo.cols / 3, photo.rows / 2),
                cv::Size(photo.cols / 4, photo.rows / 2), 20, 0, 360, cv::Scalar(0.45), -1);
    cv::GaussianBlur(light, light, cv::Size(0, 0), photo.cols / 60.0);
    cv::Mat lit;
    cv::cvtColor(light, lit, cv::COLOR_GRAY2RGB);
    photo.convertTo(photo, CV_32FC3);
    photo = photo.mul(lit);
    photo.convertTo(photo, CV_8UC3);
    cv::line(photo, cv::Point(0, photo.rows * 3 / 4), cv::Point(photo.cols, photo.rows / 4),
             cv::Scalar(20, 20, 20), photo.cols / 150);
}

// A rendered spread and the page outlines the library finds in it.
struct Spread {
    scene::BookSceneTruth truth;
    cv::Mat photo;
    int c1[8] = {0}, c2[8] = {0};
    double iou = -1;  // the smaller of the two pages' IoU against the truth; -1: none found
    explicit Spread(uint32_t seed, double curl = 1.0, void (*alter)(cv::Mat&) = nullptr) {
        // 1632 x 1224, still camera, the given curl, usual noise, finer print than the default
        photo = scene::BookScene({1632, 1224, seed, 0, 0, curl, 3.0, 4.0}).render(&truth);
        if (alter)
            alter(photo);
        int params[2] = {0, 1};
        if (KELM_GetBookCornerPoint({photo.data, photo.cols, photo.rows}, c1, c2, params) == 1)
            iou = std::min(scene::quadIoU(Quad::fromCorners(c1).begin(), truth.left.corners),
                           scene::quadIoU(Quad::fromCorners(c2).begin(), truth.right.corners));
    }
};

// Both pages of a photo split into guarded buffers of the photo's size.
struct SplitPages {
    GuardedBuffer left, right;
    SImage l, r;
    short result;
    SplitPages(cv::Mat& photo, int* c1, int* c2)
        : left(photo.total() * 3),
          right(photo.total() * 3),
          l{left.data(), photo.cols, photo.rows},
          r{right.data(), photo.cols, photo.rows},
          result(KELM_GetSplitBook({photo.data, photo.cols, photo.rows}, &l, &r, c1, c2, 0)) {}
};

}  // namespace

class BookProcessingTest : public QObject {
    Q_OBJECT

private slots:
    void findsAndSplitsSpreads();
    void findsSpreadUnderCastShadow();
    void flatteningStraightensCurledLines();
    void blankPageComesBackWhole();
    void rejectsBadArguments();
};

void BookProcessingTest::findsAndSplitsSpreads() {
    // Seed 213 has a desk nearly as bright as the paper: its page edges are faint steps of
    // brightness and colour, and still give the outline.
    for (auto [seed, minIoU] : {std::pair{11u, 0.93}, {213u, 0.95}}) {
        Spread s(seed);
        QVERIFY2(s.iou > minIoU, qPrintable(QString("seed %1 IoU %2").arg(seed).arg(s.iou)));
        if (seed == 213)
            continue;
        // Drawn through points 3, 1, 4, 2 each outline runs clockwise; the gutter is shared.
        const Quad left = Quad::fromCorners(s.c1), right = Quad::fromCorners(s.c2);
        QVERIFY(left.isConvex() && right.isConvex());
        QVERIFY(left.tr() == right.tl() && left.br() == right.bl());
        const double gutter = 0.5 * (cv::norm(right.tl() - s.truth.gutterTop) +
                                     cv::norm(right.bl() - s.truth.gutterBottom));
        QVERIFY2(gutter < 0.03 * s.photo.cols, qPrintable(QString::number(gutter)));

        SplitPages pages(s.photo, s.c1, s.c2);
        QVERIFY(pages.result == 1 && pages.left.intact() && pages.right.intact());
        for (const SImage* page : {&pages.l, &pages.r}) {
            // Room for the rows to be padded to 4 bytes in the same buffer.
            QVERIFY(page->width > 0 &&
                    size_t((page->width * 3 + 3) / 4 * 4) * page->height <= s.photo.total() * 3);
            const double aspect = double(page->height) / page->width;
            QVERIFY2(std::fabs(aspect / (s.truth.pageHeightMm / s.truth.pageWidthMm) - 1) < 0.15,
                     qPrintable(QString::number(aspect)));
        }
    }
}

void BookProcessingTest::findsSpreadUnderCastShadow() {
    // The shadow leaves no brightness level at which all the paper stands out from the desk, and
    // the cable cuts it in two: the pages are found by their straight edges.
    for (uint32_t seed : {11u, 12u}) {
        Spread s(seed, 1.0, castShadow);
        QVERIFY2(s.iou > 0.93, qPrintable(QString("seed %1 IoU %2").arg(seed).arg(s.iou)));
    }
}

void BookProcessingTest::flatteningStraightensCurledLines() {
    // A thick, stubborn binding: the split pages' lines bend visibly near the gutter. The pages
    // are cut at their true outlines, so the flattening is judged on the whole curl and not on
    // what a slightly different outline happens to leave of it.
    int improved = 0;
    for (uint32_t seed : {21u, 22u}) {
        Spread s(seed, 1.8);
        int c1[8], c2[8];
        Quad(s.truth.left.corners[0], s.truth.left.corners[1], s.truth.left.corners[2],
             s.truth.left.corners[3])
            .toCorners(c1);
        Quad(s.truth.right.corners[0], s.truth.right.corners[1], s.truth.right.corners[2],
             s.truth.right.corners[3])
            .toCorners(c2);
        SplitPages pages(s.photo, c1, c2);
        QCOMPARE(int(pages.result), 1);
        for (int side = 0; side < 2; ++side) {
            const SImage page = side ? pages.r : pages.l;
            GuardedBuffer out(size_t(page.width) * page.height * 3);
            SImage o{out.data(), page.width, page.height};
            QCOMPARE(int(KELM_OptimizeBook(page, &o, 0, 0)), 1);
            QVERIFY(out.intact());
            QCOMPARE(QSize(o.width, o.height), QSize(page.width, page.height));
            double before = 0, after = 0;
            QVERIFY(
                scene::lineStraightness(view(page), side ? s.truth.right : s.truth.left, &before));
            QVERIFY(scene::lineStraightness(view(o), side ? s.truth.right : s.truth.left, &after));
            // Never noticeably worse, and clearly better where there was curl to remove.
            QVERIFY2(after < before + 0.3, qPrintable(QString("%1 -> %2").arg(before).arg(after)));
            improved += before > 1.2 && after < 0.8 * before;
        }
    }
    QVERIFY2(improved >= 2, "flattening straightened too few curled pages");
}

void BookProcessingTest::blankPageComesBackWhole() {
    // A blank page has no lines to follow: it comes back whole, neither distorted nor refused.
    cv::Mat blank(300, 200, CV_8UC3, cv::Scalar(240, 240, 235));
    for (int grey : {0, 1}) {
        std::vector<unsigned char> buf(blank.total() * 3);
        SImage out{buf.data(), blank.cols, blank.rows};
        QCOMPARE(int(KELM_OptimizeBook({blank.data, blank.cols, blank.rows}, &out, 0, grey)), 1);
        QCOMPARE(QSize(out.width, out.height), QSize(blank.cols, blank.rows));
        QVERIFY(cv::mean(view(out))[0] > 200);
    }
}

void BookProcessingTest::rejectsBadArguments() {
    std::vector<unsigned char> img(200 * 150 * 3, 200);
    const SImage good{img.data(), 200, 150};
    // Pages of a plausible spread inside 200 x 150 (order TR, BL, TL, BR).
    std::array<int, 8> left = {100, 10, 10, 140, 10, 10, 100, 140},
                       right = {190, 10, 100, 140, 100, 10, 190, 140},
                       outside = {100, 10, 10, 140, 10, -3, 100, 140},
                       pastEdge = {190, 10, 100, 140, 100, 10, 200, 140},
                       crossed = {10, 10, 100, 140, 100, 10, 10, 140};
    GuardedBuffer lb(200 * 150 * 3), rb(200 * 150 * 3), ob(200 * 150 * 3);
    SImage L{lb.data(), 200, 150}, R{rb.data(), 200, 150}, O{ob.data(), 200, 150};
    SImage tiny{lb.data(), 1, 1}, small{rb.data(), 40, 40}, noWidth{lb.data(), 0, 150},
        half{ob.data(), 100, 150};
    auto split = [&](const SImage& s, std::array<int, 8>& l, std::array<int, 8>& r, SImage* a,
                     SImage* b) { return KELM_GetSplitBook(s, a, b, l.data(), r.data(), 0); };
    int c[8], c2[8], params[2] = {0, 1};
    const SImage bad[] = {{nullptr, 200, 150},   {img.data(), 0, 150}, {img.data(), 200, 0},
                          {img.data(), -5, 150}, {img.data(), 1, 1},   {img.data(), 40000, 2}};
    for (const SImage& s : bad) {
        QVERIFY(KELM_GetBookCornerPoint(s, c, c2, params) <= 0);
        QVERIFY(split(s, left, right, &L, &R) <= 0 && KELM_OptimizeBook(s, &O, 0, 0) <= 0);
    }
    const short refusals[] = {
        KELM_GetBookCornerPoint(good, nullptr, c, params),
        KELM_GetBookCornerPoint(good, c, nullptr, params),
        KELM_GetBookCornerPoint(good, c, c, nullptr),
        split(good, outside, right, &L, &R),
        split(good, left, pastEdge, &L, &R),
        split(good, crossed, right, &L, &R),
        split(good, left, right, &tiny, &R),  // buffers too small for a page
        split(good, left, right, &L, &small),
        split(good, left, right, &noWidth, &R),
        split(good, left, right, nullptr, &R),
        split(good, left, right, &R, &R),  // one buffer for both pages
        KELM_GetSplitBook(good, &L, &R, nullptr, right.data(), 0),
        KELM_OptimizeBook(good, &half, 0, 0),  // output too small
        KELM_OptimizeBook(good, nullptr, 0, 0),
        KELM_OptimizeBook(good, &O, 0, 7),  // a grey flag that is neither 0 nor 1
    };
    for (size_t i = 0; i < sizeof refusals / sizeof *refusals; ++i)
        QVERIFY2(refusals[i] <= 0, qPrintable(QString("call %1").arg(i)));
    QVERIFY(lb.untouched() && rb.untouched() && ob.untouched());
    // The same buffers and corners are fine once the arguments are.
    QCOMPARE(int(split(good, left, right, &L, &R)), 1);
    QCOMPARE(int(KELM_OptimizeBook(good, &O, 0, 1)), 1);
    QVERIFY(lb.intact() && rb.intact() && ob.intact());
}

QTEST_GUILESS_MAIN(BookProcessingTest)
#include "BookProcessingTest.moc"
