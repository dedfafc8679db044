// Random sizes, corners and buffers thrown at every book entry point, built together with the
// library's sources under AddressSanitizer: any read or write outside a buffer stops the test.
// Every buffer is allocated at exactly the size its descriptor claims, so the sanitizer's
// redzones sit right behind the last byte the library may touch.

#include "bookproc/BookProcessing.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <memory>
#include <random>
#include <vector>

namespace {

struct Buffer {
    std::unique_ptr<unsigned char[]> mem;
    SImage img{nullptr, 0, 0};
    Buffer(int w, int h) {
        const size_t n = size_t(std::max(w, 0)) * size_t(std::max(h, 0)) * 3;
        mem.reset(new unsigned char[std::max<size_t>(n, 1)]);
        img = SImage{mem.get(), w, h};
    }
};

// A photo-like picture: a bright spread-shaped blob with dark lines on a mid-grey desk, so that
// some random calls get past detection into the split and the flattening.
void paint(Buffer& b, std::mt19937& rng) {
    if (b.img.width <= 0 || b.img.height <= 0)
        return;
    cv::Mat m(b.img.height, b.img.width, CV_8UC3, b.img.data);
    m.setTo(cv::Scalar(90, 80, 70));
    std::uniform_real_distribution<double> u(0, 1);
    if (u(rng) < 0.7) {
        cv::Rect r(int(m.cols * 0.1), int(m.rows * 0.1), int(m.cols * 0.8), int(m.rows * 0.8));
        cv::rectangle(m, r, cv::Scalar(240, 240, 235), cv::FILLED);
        cv::line(m, {m.cols / 2, r.y}, {m.cols / 2, r.y + r.height}, cv::Scalar(150, 150, 150),
                 std::max(1, m.cols / 60));
        for (int y = r.y + 8; y < r.y + r.height - 8; y += std::max(4, m.rows / 30))
            cv::line(m, {r.x + 5, y}, {r.x + r.width - 5, y + int(u(rng) * 3)},
                     cv::Scalar(30, 30, 30), 1);
    }
    cv::Mat noise(m.size(), CV_8UC3);
    cv::randu(noise, 0, 20);
    m += noise;
}

}  // namespace

class BookFuzzTest : public QObject {
    Q_OBJECT
private slots:
    void randomArguments();
};

void BookFuzzTest::randomArguments() {
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> small(-3, 40), medium(0, 700), pick(0, 9);
    int successes[3] = {0, 0, 0};
    for (int round = 0; round < 400; ++round) {
        const int w = pick(rng) < 3 ? small(rng) : medium(rng);
        const int h = pick(rng) < 3 ? small(rng) : medium(rng);
        Buffer src(w, h);
        paint(src, rng);
        if (pick(rng) == 0)
            src.img.data = nullptr;

        // Corners: from the detection, from thin air, or just outside the picture.
        int c1[8] = {0}, c2[8] = {0}, params[2] = {0, 1};
        const short found = KELM_GetBookCornerPoint(src.img, c1, c2, params);
        successes[0] += found > 0;
        const int mode = pick(rng);
        if (mode < 4 || found <= 0) {
            std::uniform_int_distribution<int> cx(-20, std::max(1, w + 20)),
                cy(-20, std::max(1, h + 20));
            for (int i = 0; i < 8; i += 2) {
                if (mode < 2 && found > 0)
                    break;
                c1[i] = cx(rng);
                c1[i + 1] = cy(rng);
                c2[i] = cx(rng);
                c2[i + 1] = cy(rng);
            }
        }
        // Output buffers of random capacity, sometimes tiny, sometimes the capture's size.
        auto outSize = [&](int full) { return pick(rng) < 5 ? full : small(rng); };
        Buffer left(outSize(w), outSize(h)), right(outSize(w), outSize(h));
        SImage L = left.img, R = right.img;
        const short split =
            KELM_GetSplitBook(src.img, pick(rng) ? &L : nullptr, &R, c1, c2, params[0]);
        successes[1] += split > 0;
        if (split > 0) {
            QVERIFY(size_t(L.width) * L.height <= size_t(left.img.width) * left.img.height);
            QVERIFY(size_t(R.width) * R.height <= size_t(right.img.width) * right.img.height);
        }
        // The flattening, on a split page when there is one, else on the raw picture.
        SImage in = split > 0 ? L : src.img;
        Buffer out(pick(rng) < 6 ? in.width : small(rng), pick(rng) < 6 ? in.height : small(rng));
        SImage O = out.img;
        const short opt = KELM_OptimizeBook(in, &O, params[0], pick(rng) < 8 ? pick(rng) % 2 : -1);
        successes[2] += opt > 0;
        if (opt > 0)
            QVERIFY(size_t(O.width) * O.height <= size_t(out.img.width) * out.img.height);
    }
    qInfo("successful calls: corners %d, split %d, flattening %d", successes[0], successes[1],
          successes[2]);
    // The run must reach past the argument checks, or it proves nothing about the algorithms.
    QVERIFY(successes[0] > 20 && successes[1] > 10 && successes[2] > 40);
}

QTEST_GUILESS_MAIN(BookFuzzTest)
#include "BookFuzzTest.moc"
