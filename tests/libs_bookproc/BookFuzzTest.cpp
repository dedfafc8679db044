// Random sizes, corners and buffers at every book entry point, with the library's sources built
// under AddressSanitizer. Each buffer is exactly as large as its descriptor claims, so the
// sanitizer's redzones sit right behind the last byte the library may touch.

#include "bookproc/BookProcessing.h"
#include "scene/BookScene.h"

#include <QtTest>

#include <cstring>
#include <list>
#include <random>
#include <vector>

class BookFuzzTest : public QObject {
    Q_OBJECT
private slots:
    void randomArguments();
};

void BookFuzzTest::randomArguments() {
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> small(-3, 40), medium(0, 700), pick(0, 9);
    auto side = [&](int full) { return pick(rng) < 5 ? full : small(rng); };
    std::list<std::vector<unsigned char>> buffers;
    auto buffer = [&](int w, int h) {
        buffers.emplace_back(size_t(std::max(w, 0)) * size_t(std::max(h, 0)) * 3 +
                             !(w > 0 && h > 0));
        return SImage{buffers.back().data(), w, h};
    };
    int successes[3] = {0, 0, 0};
    for (int round = 0; round < 400; ++round) {
        buffers.clear();
        const int w = pick(rng) < 3 ? small(rng) : medium(rng);
        const int h = pick(rng) < 3 ? small(rng) : medium(rng);
        SImage src = buffer(w, h);
        // Mostly a spread, so that many calls get past detection into the split and flattening.
        if (w >= 8 && h >= 8 && pick(rng) < 7) {
            scene::BookSceneParams p{w, h, uint32_t(round)};
            p.contentScale = 2.0;
            std::memcpy(src.data, scene::BookScene(p).render().data, size_t(w) * h * 3);
        }
        if (pick(rng) == 0)
            src.data = nullptr;
        // Corners: from the detection, from thin air, or just outside the picture.
        int c1[8] = {0}, c2[8] = {0}, params[2] = {0, 1};
        const short found = KELM_GetBookCornerPoint(src, c1, c2, params);
        successes[0] += found > 0;
        if (pick(rng) < 4 || found <= 0) {
            std::uniform_int_distribution<int> cx(-20, std::max(1, w + 20)),
                cy(-20, std::max(1, h + 20));
            for (int i = 0; i < 8; i += 2)
                c1[i] = cx(rng), c1[i + 1] = cy(rng), c2[i] = cx(rng), c2[i + 1] = cy(rng);
        }
        // Output buffers of random capacity, sometimes tiny, sometimes the capture's size.
        const SImage left = buffer(side(w), side(h)), right = buffer(side(w), side(h));
        SImage L = left, R = right;
        const short split = KELM_GetSplitBook(src, pick(rng) ? &L : nullptr, &R, c1, c2, 0);
        successes[1] += split > 0;
        if (split > 0)
            QVERIFY(L.width * L.height <= left.width * left.height &&
                    R.width * R.height <= right.width * right.height);
        // The flattening, on a split page when there is one, else on the raw picture.
        const SImage in = split > 0 ? L : src, out = buffer(side(in.width), side(in.height));
        SImage O = out;
        const short opt = KELM_OptimizeBook(in, &O, 0, pick(rng) < 8 ? pick(rng) % 2 : -1);
        successes[2] += opt > 0;
        if (opt > 0)
            QVERIFY(O.width * O.height <= out.width * out.height);
    }
    // The run must reach past the argument checks, or it proves nothing about the algorithms.
    QVERIFY2(successes[0] > 20 && successes[1] > 10 && successes[2] > 40,
             qPrintable(QString("%1 %2 %3").arg(successes[0]).arg(successes[1]).arg(successes[2])));
}

QTEST_GUILESS_MAIN(BookFuzzTest)
#include "BookFuzzTest.moc"
