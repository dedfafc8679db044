// Random sizes, corners and buffers thrown at every book entry point, built together with the
// library's sources under AddressSanitizer: any read or write outside a buffer stops the test.
// Every buffer is allocated at exactly the size its descriptor claims, so the sanitizer's
// redzones sit right behind the last byte the library may touch.

#include "bookproc/BookProcessing.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <memory>
#include <random>

namespace {

struct Buffer {
    std::unique_ptr<unsigned char[]> mem;
    SImage img;
    Buffer(int w, int h)
        : mem(new unsigned char[std::max<size_t>(size_t(std::max(w, 0)) * std::max(h, 0) * 3, 1)]),
          img{mem.get(), w, h} {}
};

// Mostly a bright spread with a dark gutter and lines of print on a mid-grey desk, so that many
// random calls get past detection into the split and the flattening.
void paint(Buffer& b, std::mt19937& rng) {
    if (b.img.width <= 0 || b.img.height <= 0)
        return;
    cv::Mat m(b.img.height, b.img.width, CV_8UC3, b.img.data);
    m.setTo(cv::Scalar(90, 80, 70));
    const cv::Rect r(m.cols / 10, m.rows / 10, m.cols * 8 / 10, m.rows * 8 / 10);
    if (rng() % 10 < 7) {
        cv::rectangle(m, r, cv::Scalar(240, 240, 235), cv::FILLED);
        cv::line(m, {m.cols / 2, r.y}, {m.cols / 2, r.br().y}, cv::Scalar(150, 150, 150),
                 std::max(1, m.cols / 60));
        for (int y = r.y + 8; y < r.br().y - 8; y += std::max(4, m.rows / 30))
            cv::line(m, {r.x + 5, y}, {r.br().x - 5, y + int(rng() % 3)}, cv::Scalar(30, 30, 30));
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
    auto side = [&](int full) { return pick(rng) < 5 ? full : small(rng); };
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
        if (pick(rng) < 4 || found <= 0) {
            std::uniform_int_distribution<int> cx(-20, std::max(1, w + 20)),
                cy(-20, std::max(1, h + 20));
            for (int i = 0; i < 8; i += 2)
                c1[i] = cx(rng), c1[i + 1] = cy(rng), c2[i] = cx(rng), c2[i + 1] = cy(rng);
        }
        // Output buffers of random capacity, sometimes tiny, sometimes the capture's size.
        Buffer left(side(w), side(h)), right(side(w), side(h));
        SImage L = left.img, R = right.img;
        const short split = KELM_GetSplitBook(src.img, pick(rng) ? &L : nullptr, &R, c1, c2, 0);
        successes[1] += split > 0;
        if (split > 0)
            QVERIFY(L.width * L.height <= left.img.width * left.img.height &&
                    R.width * R.height <= right.img.width * right.img.height);
        // The flattening, on a split page when there is one, else on the raw picture.
        const SImage in = split > 0 ? L : src.img;
        Buffer out(side(in.width), side(in.height));
        SImage O = out.img;
        const short opt = KELM_OptimizeBook(in, &O, 0, pick(rng) < 8 ? pick(rng) % 2 : -1);
        successes[2] += opt > 0;
        if (opt > 0)
            QVERIFY(O.width * O.height <= out.img.width * out.img.height);
    }
    qInfo("successful calls: corners %d, split %d, flattening %d", successes[0], successes[1],
          successes[2]);
    // The run must reach past the argument checks, or it proves nothing about the algorithms.
    QVERIFY(successes[0] > 20 && successes[1] > 10 && successes[2] > 40);
}

QTEST_GUILESS_MAIN(BookFuzzTest)
#include "BookFuzzTest.moc"
