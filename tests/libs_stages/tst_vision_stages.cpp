// Stages of the image algorithms that can go wrong on their own, tested directly.

#include "Downscaler.h"
#include "OutlineMemory.h"
#include "PageEvidence.h"
#include "visioncore/DebugDump.h"
#include "visioncore/Quad.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>

using imageproc::PageEvidence;
using visioncore::Quad;

namespace {

using Corners = std::array<cv::Point2f, 4>;

Corners rotated(const Corners& c, double degrees) {
    const double a = degrees * CV_PI / 180;
    const cv::Point2f centre(100, 100);
    Corners out;
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f d = c[i] - centre;
        out[i] = centre + cv::Point2f(float(d.x * std::cos(a) - d.y * std::sin(a)),
                                      float(d.x * std::sin(a) + d.y * std::cos(a)));
    }
    return out;
}

// The faint view's gradient: a smoothed picture's Sobel derivatives and their L1 magnitude.
void smoothGradient(const cv::Mat& rgb, cv::Mat& dx, cv::Mat& dy, cv::Mat& mag) {
    cv::Mat grey;
    cv::cvtColor(rgb, grey, cv::COLOR_RGB2GRAY);
    cv::GaussianBlur(grey, grey, cv::Size(5, 5), 0);
    cv::Sobel(grey, dx, CV_16S, 1, 0, 3);
    cv::Sobel(grey, dy, CV_16S, 0, 1, 3);
    cv::Mat m = cv::abs(dx) + cv::abs(dy);
    m.convertTo(mag, CV_16U);
}

bool earned(const cv::Mat& rgb, const Quad& q) {
    cv::Mat dx, dy, mag;
    smoothGradient(rgb, dx, dy, mag);
    return imageproc::PageEvidence::earned(q, rgb, dx, dy, mag, 20);
}

}  // namespace

class TestVisionStages : public QObject {
    Q_OBJECT

private slots:
    void quadOrderAndCornerArray();
    void quadRefusesWhatCannotBeStraightened();
    void reductionFactorForCameraSizes();
    void faintOutlineMustLookLikeAPage();
    void debugDumpOnlyWhenAsked();
    void liveOutlineKeptOnlyWhileThePageIs();
    void liveOutlineOfAPageCutByTheFrame();
};

void TestVisionStages::quadOrderAndCornerArray() {
    // A page 160 x 90 (tl, tr, br, bl), handed over in every order and at every small rotation:
    // the top stays the side closest to horizontal, left to right.
    const Corners page = {cv::Point2f(20, 55), {180, 55}, {180, 145}, {20, 145}};
    for (double deg : {0.0, 12.0, -30.0, 44.0}) {
        const Corners want = rotated(page, deg);
        std::array<size_t, 4> order = {0, 1, 2, 3};
        do {
            const Corners given = {want[order[0]], want[order[1]], want[order[2]], want[order[3]]};
            QVERIFY2(Quad::ordered(given).corners() == want, qPrintable(QString::number(deg)));
        } while (std::next_permutation(order.begin(), order.end()));
    }
    // Past 45 degrees a short side is the more level one and becomes the top.
    const Corners steep = rotated(page, 60);
    QVERIFY((Quad::ordered(steep).corners() == Corners{steep[3], steep[0], steep[1], steep[2]}));
    // A trapezoid seen in perspective keeps its order too.
    const Corners trapezoid = {cv::Point2f(60, 20), {140, 20}, {190, 180}, {10, 180}};
    QVERIFY(Quad::ordered({trapezoid[2], trapezoid[0], trapezoid[3], trapezoid[1]}).corners() ==
            trapezoid);

    // The C surface's array: point 1 top-right, 2 bottom-left, 3 top-left, 4 bottom-right.
    int corners[8];
    Quad(page[0], page[1], page[2], page[3]).toCorners(corners);
    const int want[8] = {180, 55, 20, 145, 20, 55, 180, 145};
    QVERIFY(std::equal(corners, corners + 8, want));
    QVERIFY(Quad::fromCorners(want).corners() == page);
}

void TestVisionStages::quadRefusesWhatCannotBeStraightened() {
    const cv::Point2f tl(0, 0), tr(100, 0), br(100, 50), bl(0, 50);
    QVERIFY(Quad(tl, tr, br, bl).isConvex());
    const Quad refused[] = {
        Quad(tl, bl, br, tr),                   // mirrored: wound the wrong way
        Quad(tl, tr, bl, br),                   // crossed
        Quad(tl, tr, cv::Point2f(50, 10), bl),  // a corner pushed in
        Quad(tl, tr, cv::Point2f(200, 0), bl),  // three corners on one line
        Quad(tl, tl, tl, tl),                   // all in one point
    };
    for (const Quad& q : refused)
        QVERIFY(!q.isConvex());
    // Degenerate input still comes out in some order, never as a usable outline.
    QVERIFY(!Quad::ordered({tl, tl, tr, tr}).isConvex());
}

void TestVisionStages::reductionFactorForCameraSizes() {
    // The usual camera sizes come down to a few hundred pixels, by 1 or an even factor.
    for (auto [w, h] : {std::pair{640, 480},
                        {899, 600},
                        {900, 600},
                        {1280, 720},
                        {1920, 1080},
                        {2592, 1944},
                        {3264, 2448},
                        {4000, 3000}}) {
        const int f = imageproc::Downscaler::factorFor(cv::Size(w, h));
        QVERIFY2((f == 1 || f % 2 == 0) && std::max(w, h) / f >= 400 && std::max(w, h) / f < 900,
                 qPrintable(QString("%1 x %2: %3").arg(w).arg(h).arg(f)));
    }
}

void TestVisionStages::faintOutlineMustLookLikeAPage() {
    // A reduced photo: a light desk with grain, and a page only eight grey levels brighter.
    cv::Mat desk(408, 544, CV_8UC3, cv::Scalar(200, 198, 190)), noise(desk.size(), CV_8UC3);
    cv::randn(noise, cv::Scalar::all(0), cv::Scalar::all(2));
    const Quad page = Quad::ordered(rotated({{{60, 40}, {300, 40}, {300, 330}, {60, 330}}}, 6));
    cv::Mat withPage = desk.clone();
    cv::fillConvexPoly(withPage, page.polygon(), cv::Scalar(208, 206, 198), cv::LINE_AA);
    withPage += noise;
    QVERIFY(earned(withPage, page));

    // The same outline skewed into a lozenge is no page seen from above.
    Quad skewed = page;
    skewed[0] += cv::Point2f(150, 0), skewed[1] += cv::Point2f(150, 0);
    QVERIFY(PageEvidence::squareCorners(page, desk.size()));
    QVERIFY(!PageEvidence::squareCorners(skewed, desk.size()));
    QVERIFY(!earned(withPage, skewed));

    // A darker sheet: the outline is there, but paper is the brightest thing on a desk.
    cv::Mat darker = desk.clone();
    cv::fillConvexPoly(darker, page.polygon(), cv::Scalar(185, 183, 176), cv::LINE_AA);
    darker += noise;
    QVERIFY(!earned(darker, page));

    // The soft reflection of a window: bright, edges all round it turned as its sides are, but
    // its light keeps falling off well beyond them.
    cv::Mat pool(desk.size(), CV_32F, cv::Scalar(0));
    cv::rectangle(pool, cv::Rect(105, 110, 150, 150), cv::Scalar(120), cv::FILLED);
    cv::GaussianBlur(pool, pool, cv::Size(), 7);
    cv::Mat glare = desk.clone();
    for (int y = 0; y < glare.rows; ++y)
        for (int x = 0; x < glare.cols; ++x)
            for (int ch = 0; ch < 3; ++ch)
                glare.at<cv::Vec3b>(y, x)[ch] =
                    cv::saturate_cast<uchar>(glare.at<cv::Vec3b>(y, x)[ch] + pool.at<float>(y, x));
    glare += noise;
    const Quad window = Quad::ordered({{{105, 110}, {255, 110}, {255, 260}, {105, 260}}});
    QVERIFY(!earned(glare, window));
}

void TestVisionStages::debugDumpOnlyWhenAsked() {
    using visioncore::DebugDump;
    QTemporaryDir dir;
    qunsetenv("MIRAVELO_DEBUG_DUMP");
    QVERIFY(!DebugDump("off").enabled());
    qputenv("MIRAVELO_DEBUG_DUMP", QFile::encodeName(dir.path()));
    const DebugDump first("step"), second("step");
    first.write("grey", cv::Mat(4, 4, CV_8U, cv::Scalar(7)));
    second.write("float", cv::Mat(4, 4, CV_32F, cv::Scalar(-3.5)));
    second.write("empty", cv::Mat());
    // Writing a colour image out as B,G,R must leave the caller's R,G,B pixels as they were.
    cv::Mat rgb(2, 2, CV_8UC3, cv::Scalar(10, 20, 30));
    second.write("colour", rgb);
    QCOMPARE(rgb.at<cv::Vec3b>(1, 1), cv::Vec3b(10, 20, 30));
    // Each dump numbers its files on its own, so two calls of one step never overwrite.
    const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 3);
    QVERIFY(files[0].endsWith("_step_grey.png") && files[1].endsWith("_step_colour.png") &&
            files[2].endsWith("_step_float.png"));
    QVERIFY(files[0].section('_', 0, 0) != files[1].section('_', 0, 0));
    // A folder that cannot be written is no failure of the step.
    qputenv("MIRAVELO_DEBUG_DUMP", "/nonexistent/folder");
    DebugDump("lost").write("x", cv::Mat(2, 2, CV_8UC3));
    qunsetenv("MIRAVELO_DEBUG_DUMP");
}

void TestVisionStages::liveOutlineKeptOnlyWhileThePageIs() {
    // A page with a big picture printed on it, whose edge is as clear as the page's, on a grey
    // desk; each frame with fresh sensor noise.
    using imageproc::OutlineMemory;
    const Quad page = Quad::ordered(rotated({{{30, 20}, {330, 20}, {330, 230}, {30, 230}}}, 4));
    const Quad printed = Quad::ordered(rotated({{{50, 40}, {310, 40}, {310, 210}, {50, 210}}}, 4));
    cv::RNG rng(3);
    auto photo = [&](bool withPage, cv::Point2f shift) {
        cv::Mat img(280, 360, CV_8UC3, cv::Scalar(60, 50, 40)), noise(img.size(), CV_16SC3);
        if (withPage) {
            const cv::Matx23f move(1, 0, shift.x, 0, 1, shift.y);
            std::vector<cv::Point> p = page.polygon(), q = printed.polygon();
            cv::transform(p, p, move), cv::transform(q, q, move);
            cv::fillConvexPoly(img, p, cv::Scalar(235, 235, 228), cv::LINE_AA);
            cv::fillConvexPoly(img, q, cv::Scalar(120, 110, 100), cv::LINE_AA);
        }
        rng.fill(noise, cv::RNG::NORMAL, 0, 3);
        cv::add(img, noise, img, cv::noArray(), CV_8UC3);
        return img;
    };
    auto same = [](const std::optional<Quad>& a, const Quad& b) {
        return a && std::equal(a->begin(), a->end(), b.begin());
    };
    // Still: an outline along no edge gives way to a clear one; the detection taking turns
    // between two equally clear outlines is not followed, nor a frame on which it found nothing.
    OutlineMemory::forget();
    const Quad inside = Quad::ordered({{{80, 70}, {200, 70}, {200, 150}, {80, 150}}});
    QVERIFY(same(OutlineMemory::steady(photo(true, {}), inside), inside));
    QVERIFY(same(OutlineMemory::steady(photo(true, {}), printed), printed));
    for (int frame = 0; frame < 4; ++frame) {
        const std::optional<Quad> found =
            frame == 2 ? std::nullopt : std::optional<Quad>(frame % 2 ? printed : page);
        QVERIFY2(same(OutlineMemory::steady(photo(true, {}), found), printed),
                 qPrintable(QString::number(frame)));
    }
    // The page moved: followed on the first frame that shows it; then taken away: gone at once.
    Quad moved = page;
    for (auto& p : moved)
        p += cv::Point2f(12, 9);
    QVERIFY(same(OutlineMemory::steady(photo(true, {12, 9}), moved), moved));
    QVERIFY(!OutlineMemory::steady(photo(false, {}), std::nullopt));
    // A frame changed nearly everywhere (another photo, as a one-shot caller gives them; here a
    // lamp's light falling off across the desk): the detection's answer stands, even where the
    // edges of the outline remembered lie on it too.
    QVERIFY(same(OutlineMemory::steady(photo(true, {}), page), page));
    cv::Mat lit = photo(true, {});
    for (int x = 0; x < lit.cols; ++x)
        lit.col(x) += cv::Scalar::all(100.0 * x / lit.cols);
    QVERIFY(same(OutlineMemory::steady(lit, printed), printed));
}

void TestVisionStages::liveOutlineOfAPageCutByTheFrame() {
    // A page running out of the frame at the bottom, with a dark rule printed across it; each
    // frame with fresh sensor noise.
    using imageproc::OutlineMemory;
    cv::RNG rng(5);
    auto photo = [&] {
        cv::Mat img(280, 360, CV_8UC3, cv::Scalar(60, 50, 40)), noise(img.size(), CV_16SC3);
        const std::vector<cv::Point> page{{40, 60}, {320, 50}, {331, 320}, {29, 320}};
        cv::fillConvexPoly(img, page, cv::Scalar(235, 235, 228), cv::LINE_AA);
        cv::rectangle(img, cv::Rect(60, 200, 250, 12), cv::Scalar(40, 40, 40), cv::FILLED);
        rng.fill(noise, cv::RNG::NORMAL, 0, 3);
        cv::add(img, noise, img, cv::noArray(), CV_8UC3);
        return img;
    };
    auto same = [](const std::optional<Quad>& a, const Quad& b) {
        return a && std::equal(a->begin(), a->end(), b.begin());
    };
    // The outline stopping at the rule, then the page's, whose lower corners lie so near the
    // border that nothing can be measured across its lower side: that is no evidence against it.
    const Quad atRule = Quad::ordered({{{40, 60}, {320, 50}, {325.8f, 200}, {34.4f, 200}}});
    const Quad page = Quad::ordered({{{40, 60}, {320, 50}, {328.9f, 275}, {31.2f, 275}}});
    OutlineMemory::forget();
    QVERIFY(same(OutlineMemory::steady(photo(), atRule), atRule));
    std::optional<Quad> shown;
    for (int frame = 0; frame < 3; ++frame)
        shown = OutlineMemory::steady(photo(), page);
    QVERIFY(same(shown, page));
    // The detection stopping at the rule again, however often, does not take the page away.
    for (int frame = 0; frame < 8; ++frame)
        QVERIFY2(same(OutlineMemory::steady(photo(), atRule), page),
                 qPrintable(QString::number(frame)));
}

QTEST_GUILESS_MAIN(TestVisionStages)
#include "tst_vision_stages.moc"
