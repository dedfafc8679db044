#include <QtTest>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "KELM_QRCode.h"

namespace {

// A QR code of the given UTF-8 text drawn at (x, y) with the given module size, in Latin-1 or in
// UTF-8 announced by an ECI segment.
void drawCode(cv::Mat& img, const std::string& utf8, int x, int y, int module,
              ZXing::CharacterSet charset = ZXing::CharacterSet::ISO8859_1) {
    ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
    writer.setEncoding(charset).setMargin(0);
    const ZXing::BitMatrix bits = writer.encode(utf8, 0, 0);
    for (int j = 0; j < bits.height(); ++j)
        for (int i = 0; i < bits.width(); ++i)
            if (bits.get(i, j))
                cv::rectangle(img, cv::Rect(x + i * module, y + j * module, module, module),
                              cv::Scalar(0, 0, 0), cv::FILLED);
}

std::vector<std::string> decode(cv::Mat& img, int maxCount = 32) {
    std::vector<char> area(size_t(std::max(1, maxCount)) * KELM_QRCODE_ENTRY_SIZE, 'x');
    SImage src{img.data, img.cols, img.rows};
    const int n = KELM_QRCode_Decoding(&src, area.data(), maxCount);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.emplace_back(area.data() + size_t(i) * KELM_QRCODE_ENTRY_SIZE);
    return out;
}

}  // namespace

class TestQrcodeLibrary : public QObject {
    Q_OBJECT

private slots:
    void readsEveryCodeInReadingOrderAsUtf8();
    void limitsAndFailures();
};

void TestQrcodeLibrary::readsEveryCodeInReadingOrderAsUtf8() {
    cv::Mat page(1400, 1000, CV_8UC3, cv::Scalar(255, 255, 255));
    drawCode(page, "bottom left", 80, 900, 8);
    drawCode(page, "top right", 600, 100, 8);
    drawCode(page, "top left", 80, 110, 8);
    drawCode(page, "M\xC3\xBCller \xC3\xA9t\xC3\xA9", 600, 900, 8);            // Müller été
    const std::string japanese = "\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x93\x84";  // 東京 📄
    drawCode(page, japanese, 80, 500, 8, ZXing::CharacterSet::UTF8);
    // Reading order, and every script as UTF-8.
    QCOMPARE(decode(page),
             (std::vector<std::string>{"top left", "top right", japanese, "bottom left",
                                       "M\xC3\xBCller \xC3\xA9t\xC3\xA9"}));

    cv::Mat blank(400, 300, CV_8UC3, cv::Scalar(255, 255, 255));
    QVERIFY(decode(blank).empty());
}

void TestQrcodeLibrary::limitsAndFailures() {
    cv::Mat page(900, 1400, CV_8UC3, cv::Scalar(255, 255, 255));
    drawCode(page, "one", 50, 50, 6);
    drawCode(page, "two", 500, 50, 6);
    // Longer than an entry, in three-byte characters: 1039 bytes would end inside one.
    std::string long3;
    for (int i = 0; i < 400; ++i)
        long3 += "\xE3\x81\x82";  // あ
    drawCode(page, long3, 700, 300, 3, ZXing::CharacterSet::UTF8);
    // Only as many codes as asked for, and entries beyond that untouched.
    std::vector<char> area(3 * KELM_QRCODE_ENTRY_SIZE, 'x');
    SImage src{page.data, page.cols, page.rows};
    QCOMPARE(KELM_QRCode_Decoding(&src, area.data(), 2), 2);
    QCOMPARE(area[2 * KELM_QRCODE_ENTRY_SIZE], 'x');
    const auto all = decode(page, 32);  // in reading order, the long one last
    QCOMPARE(int(all.size()), 3);
    QCOMPARE(all[2], long3.substr(0, 1038));

    // Refusals and an image too small to hold a code.
    SImage bad{page.data, 0, 10};
    unsigned char px[3] = {0, 0, 0};
    SImage one{px, 1, 1};
    for (auto [image, out, count, result] : {std::tuple{(SImage*)nullptr, area.data(), 2, -1},
                                             {&src, nullptr, 2, -1},
                                             {&src, area.data(), 0, -1},
                                             {&bad, area.data(), 2, -1},
                                             {&one, area.data(), 2, 0}})
        QCOMPARE(KELM_QRCode_Decoding(image, out, count), result);
}

QTEST_GUILESS_MAIN(TestQrcodeLibrary)
#include "tst_qrcode_library.moc"
