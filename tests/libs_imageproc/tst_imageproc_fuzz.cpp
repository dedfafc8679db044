#include <QtTest>

#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "CannyEdges.h"
#include "ColourGradient.h"
#include "GuardedBuffer.h"
#include "KELM_ImageProcessingMod.h"

#include <opencv2/imgproc.hpp>

class TestImageprocFuzz : public QObject {
    Q_OBJECT

private slots:
    void nullAndDegenerateArguments();
    void randomCallsStayInsideTheirBuffers();
    void colourGradientAndEdgesMatchOpenCvs();
};

void TestImageprocFuzz::nullAndDegenerateArguments() {
    int corners[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    unsigned char px[3] = {255, 255, 255};
    const SImage one{px, 1, 1};

    GuardedBuffer img(64 * 48 * 3), out(64 * 48 * 3), tiny(3);
    SImage src{img.data(), 64, 48}, dst{out.data(), 64, 48}, small{out.data(), 10, 10},
        noRoom{out.data(), 0, 48}, zero{tiny.data(), 0, 0};
    int inside[8] = {60, 2, 2, 45, 2, 2, 60, 45}, outside[8] = {6000, 2, 2, 45, 2, 2, 60, 45},
        collapsed[8] = {10, 10, 10, 10, 10, 10, 10, 10};
    const short refusals[] = {
        KELM_GetRectCornerPoint({nullptr, 100, 100}, corners, 0),
        KELM_GetRectCornerPoint({px, -5, 3}, corners, 1),
        KELM_GetRectCornerPoint(one, nullptr, 0),
        KELM_GetRectCornerPoint(one, corners, 7),
        KELM_GetMoreRectPoint(one, nullptr, 4, 0),
        KELM_GetMoreRectPoint(one, corners, 0, 0),
        KELM_CutRequestedROI(src, nullptr, inside, 0, 0, 0, 0, 0),
        KELM_CutRequestedROI(src, &dst, nullptr, 0, 0, 0, 0, 0),
        KELM_CutRequestedROI(src, &dst, outside, 0, 0, 0, 0, 0),
        KELM_CalibrateIDCard(src, &dst, collapsed, 1, 1, 1, 1, 1),
        KELM_CutRequestedROI(src, &noRoom, inside, 0, 0, 0, 0, 0),
        KELM_MulticolorOptimizeImage(src, &small, 0, 0, 0, 0),
        KELM_ThresholdImage(src, &small, 0),
        // No size means no room, whatever buffer lies behind it.
        KELM_MulticolorOptimizeImage(src, &zero, 0, 0, 0, 0),
        KELM_ThresholdImage(src, &zero, 0),
        KELM_MulticolorOptimizeImage(src, nullptr, 0, 0, 0, 0),
        KELM_SynthesisIDCardFromPath(nullptr, "x", &dst, 1),
        KELM_SynthesisIDCardFromPath("/nonexistent/a.jpg", "/nonexistent/b.jpg", &dst, 1),
        KELM_SynthesisIDCard(src, src, nullptr, 1),
        KELM_SetThresholdValue(300),
        KELM_SetThresholdValue(-1),
    };
    for (size_t i = 0; i < sizeof refusals / sizeof *refusals; ++i)
        QVERIFY2(refusals[i] <= 0, qPrintable(QString("call %1").arg(i)));
    QVERIFY(out.untouched() && tiny.untouched());
    // The same valid call succeeds, so the refusals above are about the arguments.
    QVERIFY(KELM_CutRequestedROI(src, &dst, inside, 0, 0, 0, 0, 0) > 0);
    QCOMPARE(KELM_ResetImageStyle(), short(1));
    QVERIFY(img.intact() && out.intact() && tiny.intact());
}

void TestImageprocFuzz::randomCallsStayInsideTheirBuffers() {
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> side(-3, 300), coord(-50, 350), byte(0, 255), pick(0, 8);
    for (int round = 0; round < 400; ++round) {
        const int w = side(rng), h = side(rng);
        const size_t n = size_t(std::max(0, w)) * size_t(std::max(0, h)) * 3;
        // The output is sometimes described as smaller than the input, and its buffer is exactly
        // as large as described.
        const int dw = round % 3 == 0 ? std::max(0, w / 2) : w, dh = h;
        GuardedBuffer in(n), out(size_t(std::max(0, dw)) * size_t(std::max(0, dh)) * 3), aux(n),
            full(n);
        for (size_t i = 0; i < n; i += 7)
            in.data()[i] = uchar(byte(rng));
        // Some images get a bright rectangle, so that the detection has something to find.
        if (w > 20 && h > 20 && round % 2) {
            for (int y = h / 5; y < h * 4 / 5; ++y)
                std::memset(in.data() + (size_t(y) * w + w / 5) * 3, 240, size_t(w * 3 / 5) * 3);
        }
        SImage src{n ? in.data() : nullptr, w, h};
        SImage dst{dw > 0 && dh > 0 ? out.data() : nullptr, dw, dh};
        int corners[8];
        for (int& c : corners)
            c = coord(rng);
        SImage fresh{n ? full.data() : nullptr, 0, 0}, back{n ? aux.data() : nullptr, w, h};
        std::vector<int> many(8 * 3);
        int found[8] = {0};
        const std::function<void()> calls[] = {
            [&] { KELM_GetRectCornerPoint(src, corners, round % 2); },
            [&] { KELM_GetMoreRectPoint(src, many.data(), 3, round % 2); },
            [&] { KELM_CutRequestedROI(src, &dst, corners, 0, 0, 0, 0, 0); },
            [&] { KELM_CalibrateIDCard(src, &dst, corners, 1, 1, 1, 1, round % 2); },
            [&] { KELM_MulticolorOptimizeImage(src, round % 2 ? &dst : &fresh, 0, 0, 0, 0); },
            [&] { KELM_ThresholdImage(src, &dst, 0); },
            [&] { KELM_SynthesisIDCard(src, back, &dst, 1); },
            [&] { KELM_SetThresholdValue(coord(rng)), KELM_ResetImageStyle(); },
            [&] {  // detected corners fed straight into the cut, as the program does
                if (KELM_GetRectCornerPoint(src, found, 0) > 0)
                    QVERIFY(KELM_CutRequestedROI(src, &dst, found, 0, 0, 0, 0, 0) >= 0);
            },
        };
        calls[pick(rng)]();
        QVERIFY2(in.intact() && out.intact() && aux.intact() && full.intact(),
                 qPrintable(QString("round %1, %2 x %3").arg(round).arg(w).arg(h)));
    }
}

// Pictures from one pixel up, some cut out of a larger one, with levels coarse enough for ties
// between channels and neighbours: the borders, the choice of channel and the thinning of the
// edges are where a fault would hide.
void TestImageprocFuzz::colourGradientAndEdgesMatchOpenCvs() {
    cv::RNG rng(11);
    for (int round = 0; round < 300; ++round) {
        cv::Mat whole(1 + rng.uniform(0, 40), 1 + rng.uniform(0, 40), CV_8UC3);
        rng.fill(whole, cv::RNG::UNIFORM, 0, round % 2 ? 256 : 4);
        if (round % 4 == 1)
            cv::GaussianBlur(whole, whole, cv::Size(5, 5), 0);
        const cv::Mat rgb = round % 3 || whole.cols < 3 || whole.rows < 3
                                ? whole
                                : whole(cv::Rect(1, 1, whole.cols - 2, whole.rows - 2));
        cv::Mat dx, dy, mag;
        imageproc::ColourGradient::compute(round % 2 ? rgb : rgb * 60, dx, dy, mag);
        std::vector<cv::Mat> ch, gx(3), gy(3);
        cv::split(round % 2 ? rgb : rgb * 60, ch);
        for (size_t c = 0; c < 3; ++c) {
            cv::Sobel(ch[c], gx[c], CV_16S, 1, 0, 3);
            cv::Sobel(ch[c], gy[c], CV_16S, 0, 1, 3);
        }
        for (int y = 0; y < rgb.rows; ++y)
            for (int x = 0; x < rgb.cols; ++x) {
                int m[3], k = 0;
                for (size_t c = 0; c < 3; ++c)
                    m[c] = std::abs(gx[c].at<short>(y, x)) + std::abs(gy[c].at<short>(y, x));
                k = m[0] >= m[1] && m[0] >= m[2] ? 0 : m[1] >= m[2] ? 1 : 2;
                QCOMPARE(dx.at<short>(y, x), gx[size_t(k)].at<short>(y, x));
                QCOMPARE(dy.at<short>(y, x), gy[size_t(k)].at<short>(y, x));
                QCOMPARE(int(mag.at<ushort>(y, x)), m[k]);
            }
        const imageproc::CannyEdges edges(dx, dy, mag, 12);
        for (const double low : {12.5, 30.0}) {
            cv::Mat expected;
            cv::Canny(dx, dy, expected, low, low * 2.5);
            QCOMPARE(cv::countNonZero(edges.edges(low, low * 2.5) != expected), 0);
        }
    }
}

QTEST_GUILESS_MAIN(TestImageprocFuzz)
#include "tst_imageproc_fuzz.moc"
