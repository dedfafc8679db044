#include <QtTest>

#include <cstring>
#include <random>
#include <vector>

#include "KELM_ImageProcessingMod.h"

// Qt's own allocations at exit are not this test's concern; buffer overruns are.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

namespace {

// A buffer with guard bytes on both sides: ASan catches overruns into unowned memory, the
// guards catch writes that stay inside this allocation but beyond what the caller described.
struct Guarded {
    std::vector<unsigned char> bytes;
    size_t size;
    static constexpr size_t kGuard = 64;
    explicit Guarded(size_t n) : bytes(n + 2 * kGuard, 0xA5), size(n) { std::memset(data(), 0, n); }
    unsigned char* data() { return bytes.data() + kGuard; }
    bool intact() const {
        for (size_t i = 0; i < kGuard; ++i)
            if (bytes[i] != 0xA5 || bytes[kGuard + size + i] != 0xA5)
                return false;
        return true;
    }
};

}  // namespace

class TestImageprocFuzz : public QObject {
    Q_OBJECT

private slots:
    void nullAndDegenerateArguments();
    void randomCallsStayInsideTheirBuffers();
};

void TestImageprocFuzz::nullAndDegenerateArguments() {
    int corners[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    unsigned char px[3] = {255, 255, 255};
    SImage one{px, 1, 1}, none{nullptr, 100, 100}, negative{px, -5, 3};
    QCOMPARE(KELM_GetRectCornerPoint(one, corners, 0), short(0));
    for (int c : corners)
        QCOMPARE(c, 0);  // "no document" is all zeros, also for a 1 x 1 image
    QVERIFY(KELM_GetRectCornerPoint(none, corners, 0) <= 0);
    QVERIFY(KELM_GetRectCornerPoint(negative, corners, 1) <= 0);
    QVERIFY(KELM_GetRectCornerPoint(one, nullptr, 0) <= 0);
    QVERIFY(KELM_GetRectCornerPoint(one, corners, 7) <= 0);
    QVERIFY(KELM_GetMoreRectPoint(one, nullptr, 4, 0) <= 0);
    QVERIFY(KELM_GetMoreRectPoint(one, corners, 0, 0) <= 0);

    Guarded img(64 * 48 * 3), out(64 * 48 * 3);
    SImage src{img.data(), 64, 48};
    SImage dst{out.data(), 64, 48};
    int inside[8] = {60, 2, 2, 45, 2, 2, 60, 45};
    QVERIFY(KELM_CutRequestedROI(src, nullptr, inside, 0, 0, 0, 0, 0) <= 0);
    QVERIFY(KELM_CutRequestedROI(src, &dst, nullptr, 0, 0, 0, 0, 0) <= 0);
    int outside[8] = {6000, 2, 2, 45, 2, 2, 60, 45};
    QVERIFY(KELM_CutRequestedROI(src, &dst, outside, 0, 0, 0, 0, 0) <= 0);
    int collapsed[8] = {10, 10, 10, 10, 10, 10, 10, 10};
    QVERIFY(KELM_CalibrateIDCard(src, &dst, collapsed, 1, 1, 1, 1, 1) <= 0);
    SImage noRoom{out.data(), 0, 48};
    QVERIFY(KELM_CutRequestedROI(src, &noRoom, inside, 0, 0, 0, 0, 0) <= 0);
    // The same valid call succeeds, so the refusals above are about the arguments.
    QVERIFY(KELM_CutRequestedROI(src, &dst, inside, 0, 0, 0, 0, 0) > 0);
    QVERIFY(img.intact() && out.intact());

    SImage small{out.data(), 10, 10};
    QVERIFY(KELM_MulticolorOptimizeImage(src, &small, 0, 0, 0, 0) <= 0);
    QVERIFY(KELM_ThresholdImage(src, &small, 0) <= 0);
    QVERIFY(KELM_MulticolorOptimizeImage(src, nullptr, 0, 0, 0, 0) <= 0);
    QVERIFY(KELM_SynthesisIDCardFromPath(nullptr, "x", &dst, 1) <= 0);
    QVERIFY(KELM_SynthesisIDCardFromPath("/nonexistent/a.jpg", "/nonexistent/b.jpg", &dst, 1) <= 0);
    QVERIFY(KELM_SynthesisIDCard(src, src, nullptr, 1) <= 0);
    QVERIFY(KELM_SetThresholdValue(300) <= 0);
    QVERIFY(KELM_SetThresholdValue(-1) <= 0);
    QCOMPARE(KELM_ResetImageStyle(), short(1));
    QVERIFY(out.intact());
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
        Guarded in(n), out(size_t(std::max(0, dw)) * size_t(std::max(0, dh)) * 3), aux(n), full(n);
        for (size_t i = 0; i < n; i += 7)
            in.data()[i] = uchar(byte(rng));
        // Some images get a bright rectangle, so that the detection has something to find.
        if (w > 20 && h > 20 && round % 2) {
            for (int y = h / 5; y < h * 4 / 5; ++y)
                std::memset(in.data() + (size_t(y) * w + w / 5) * 3, 240, size_t(w * 3 / 5) * 3);
        }
        SImage src{n ? in.data() : nullptr, w, h};
        SImage dst{out.size ? out.data() : nullptr, dw, dh};
        int corners[8];
        for (int& c : corners)
            c = coord(rng);
        switch (pick(rng)) {
            case 0:
                KELM_GetRectCornerPoint(src, corners, round % 2);
                break;
            case 1: {
                std::vector<int> many(8 * 3);
                KELM_GetMoreRectPoint(src, many.data(), 3, round % 2);
                break;
            }
            case 2:
                KELM_CutRequestedROI(src, &dst, corners, 0, 0, 0, 0, 0);
                break;
            case 3:
                KELM_CalibrateIDCard(src, &dst, corners, 1, 1, 1, 1, round % 2);
                break;
            case 4: {
                SImage fresh{n ? full.data() : nullptr, 0, 0};
                KELM_MulticolorOptimizeImage(src, round % 2 ? &dst : &fresh, 0, 0, 0, 0);
                break;
            }
            case 5:
                KELM_ThresholdImage(src, &dst, 0);
                break;
            case 6: {
                SImage back{n ? aux.data() : nullptr, w, h};
                KELM_SynthesisIDCard(src, back, &dst, 1);
                break;
            }
            case 7:
                KELM_SetThresholdValue(coord(rng));
                KELM_ResetImageStyle();
                break;
            default: {
                // Detected corners fed straight into the cut, as the program does.
                int found[8] = {0};
                if (KELM_GetRectCornerPoint(src, found, 0) > 0)
                    QVERIFY(KELM_CutRequestedROI(src, &dst, found, 0, 0, 0, 0, 0) >= 0);
            }
        }
        QVERIFY2(in.intact() && out.intact() && aux.intact() && full.intact(),
                 qPrintable(QString("round %1, %2 x %3").arg(round).arg(w).arg(h)));
    }
}

QTEST_GUILESS_MAIN(TestImageprocFuzz)
#include "tst_imageproc_fuzz.moc"
