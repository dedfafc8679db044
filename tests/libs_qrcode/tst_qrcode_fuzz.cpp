#include <QtTest>

#include <cstring>
#include <random>
#include <vector>

#include "KELM_QRCode.h"

class TestQrcodeFuzz : public QObject {
    Q_OBJECT

private slots:
    void randomImagesAndCounts();
};

void TestQrcodeFuzz::randomImagesAndCounts() {
    std::mt19937 rng(77);
    std::uniform_int_distribution<int> side(-2, 400), count(-2, 40), byte(0, 255);
    for (int round = 0; round < 60; ++round) {
        const int w = side(rng), h = side(rng), n = count(rng);
        std::vector<unsigned char> img(size_t(std::max(0, w)) * size_t(std::max(0, h)) * 3);
        for (size_t i = 0; i < img.size(); i += 5)
            img[i] = uchar(byte(rng));
        // The result area is exactly as large as the count promises, plus guard bytes.
        const size_t areaBytes = size_t(std::max(0, n)) * KELM_QRCODE_ENTRY_SIZE;
        std::vector<char> area(areaBytes + 32, 'G');
        SImage src{img.empty() ? nullptr : img.data(), w, h};
        const int r = KELM_QRCode_Decoding(&src, areaBytes ? area.data() : nullptr, n);
        QVERIFY(r <= std::max(0, n));
        for (size_t i = areaBytes; i < area.size(); ++i)
            QCOMPARE(area[i], 'G');
    }
}

QTEST_GUILESS_MAIN(TestQrcodeFuzz)
#include "tst_qrcode_fuzz.moc"
