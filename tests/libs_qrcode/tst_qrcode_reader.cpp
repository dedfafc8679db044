#include <QtTest>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <opencv2/imgproc.hpp>

#include <string>
#include <vector>

#include "KELM_QRCode.h"
#include "scene/Scene.h"

namespace {

// The modules of a code as a grey image, one pixel per module, dark 0 and light 255, without
// any quiet zone.
cv::Mat modules(const std::string& text) {
    ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
    writer.setEncoding(ZXing::CharacterSet::UTF8).setMargin(0);
    const ZXing::BitMatrix bits = writer.encode(text, 0, 0);
    cv::Mat m(bits.height(), bits.width(), CV_8UC1);
    for (int j = 0; j < m.rows; ++j)
        for (int i = 0; i < m.cols; ++i)
            m.at<uchar>(j, i) = bits.get(i, j) ? 0 : 255;
    return m;
}

// Module image enlarged to `module` pixels per module, with a quiet zone of `margin` modules.
cv::Mat drawn(const cv::Mat& m, int module, int margin) {
    cv::Mat big, out;
    cv::resize(m, big, cv::Size(), module, module, cv::INTER_NEAREST);
    const int b = margin * module;
    cv::copyMakeBorder(big, out, b, b, b, b, cv::BORDER_CONSTANT, cv::Scalar(255));
    return out;
}

std::vector<std::string> decodeGrey(const cv::Mat& grey) {
    cv::Mat rgb;
    cv::cvtColor(grey, rgb, cv::COLOR_GRAY2RGB);
    std::vector<char> area(32 * KELM_QRCODE_ENTRY_SIZE, 0);
    SImage src{rgb.data, rgb.cols, rgb.rows};
    const int n = KELM_QRCode_Decoding(&src, area.data(), 32);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.emplace_back(area.data() + size_t(i) * KELM_QRCODE_ENTRY_SIZE);
    return out;
}

}  // namespace

class TestQrcodeReader : public QObject {
    Q_OBJECT

private slots:
    void readsWhatOnePlainReadMisses();
    void readsAHardCodeOnALargePage();
    void reportsNothingWhereThereIsNoCode();
};

// Each picture is of a kind that the plain read of the page does not read.
void TestQrcodeReader::readsWhatOnePlainReadMisses() {
    const std::string text = "https://example.org/\xC3\xA9t\xC3\xA9/\xE6\x9D\xB1\xE4\xBA\xAC";
    const cv::Mat m = modules(text);

    // Light code on dark ground, as printed on a black label.
    QCOMPARE(decodeGrey(255 - drawn(m, 6, 4)), std::vector<std::string>{text});

    // Faint print under light that falls off across the picture.
    cv::Mat faint;
    drawn(m, 5, 4).convertTo(faint, CV_8U, 30 / 255.0, 128);
    for (int y = 0; y < faint.rows; ++y)
        for (int x = 0; x < faint.cols; ++x)
            faint.at<uchar>(y, x) += uchar(x * 100 / faint.cols);
    QCOMPARE(decodeGrey(faint), std::vector<std::string>{text});

    // Printed in halftone: every dark module a grid of dots covering a quarter of it.
    cv::Mat halftone = drawn(m, 8, 4);
    for (int y = 0; y < halftone.rows; ++y)
        for (int x = 0; x < halftone.cols; ++x)
            if (x % 4 >= 2 || y % 4 >= 2)
                halftone.at<uchar>(y, x) = 255;
    QCOMPARE(decodeGrey(halftone), std::vector<std::string>{text});
}

void TestQrcodeReader::readsAHardCodeOnALargePage() {
    // A light code on a dark panel of an A4 page cut from an 8 MP capture.
    const std::string text = "INVOICE 2026-0415";
    cv::Mat page(2480, 1750, CV_8UC1, cv::Scalar(240));
    const cv::Mat code = 255 - drawn(modules(text), 9, 3);
    code.copyTo(page(cv::Rect(1200, 300, code.cols, code.rows)));
    QCOMPARE(decodeGrey(page), std::vector<std::string>{text});
}

// Rendered text pages and empty desks, at the size of a cut page and of a preview frame, and
// pure noise: no try may turn any of them into a text.
void TestQrcodeReader::reportsNothingWhereThereIsNoCode() {
    for (uint32_t seed = 1; seed <= 2; ++seed)
        for (auto kind : {scene::Object::Document, scene::Object::EmptyDesk})
            for (const cv::Size size : {cv::Size(1632, 1224), cv::Size(400, 300)}) {
                const scene::Scene s =
                    scene::render(scene::randomParams(kind, seed, size.width, size.height));
                cv::Mat grey;
                cv::cvtColor(s.rgb, grey, cv::COLOR_RGB2GRAY);
                QVERIFY2(decodeGrey(grey).empty(), qPrintable(QString("seed %1").arg(seed)));
            }
    cv::Mat noise(300, 300, CV_8UC1);
    cv::randu(noise, 0, 256);
    QVERIFY(decodeGrey(noise).empty());
}

QTEST_GUILESS_MAIN(TestQrcodeReader)
#include "tst_qrcode_reader.moc"
