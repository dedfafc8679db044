#include <QtTest>

#include <vector>

#include "app/AppPaths.h"
#include "modes/ImageProcessor.h"
#include "modes/QRDecoder.h"
#include "scene/Scene.h"
#include "support/MatImage.h"

namespace {

// The eight corner coordinates a detection returns (and frees), or nothing.
QVector<int> corners(int* c) {
    const QVector<int> v = c ? QVector<int>(c, c + 8) : QVector<int>();
    delete[] c;
    return v;
}

}  // namespace

class TestImageProcessorWrappers : public QObject {
    Q_OBJECT

private slots:
    void init() { AppPaths::setApplicationDir(QStringLiteral(MIRAVELO_BIN_DIR)); }

    void loadingReportsWhatIsMissing() {
        QTemporaryDir empty;
        AppPaths::setApplicationDir(empty.path());
        ImageProcessor missing;
        QCOMPARE(missing.Load(), -1);
        QImage img(64, 64, QImage::Format_RGB888);
        img.fill(Qt::white);
        QCOMPARE(corners(missing.DetectDocCorners(&img)), QVector<int>(8, 0));
        QVERIFY(!missing.CutDocument(&img, false));
        int a[8] = {0}, b[8] = {0}, lw = 0, lh = 0, lb = 0, rw = 0, rh = 0, rb = 0;
        std::vector<unsigned char> pages(64 * 64 * 3);
        QCOMPARE(missing.DetectBookCorners(&img, a, b), -1);
        QCOMPARE(missing.ProcessBook(&img, lw, lh, pages.data(), lb, rw, rh, pages.data(), rb, true,
                                     true),
                 -1);
        QRDecoder noQr;
        QCOMPARE(noQr.Load(), -1);
        QStringList* none = noQr.Decode(&img);
        QVERIFY(none && none->isEmpty());
        delete none;

        // A library of the right name without the entry points: the first resolve fails.
        QVERIFY(QFile::copy(QStringLiteral(MIRAVELO_BIN_DIR "/libKELM_QRCode.so"),
                            empty.path() + "/libKELM_ImageProcessingMod.so"));
        ImageProcessor wrong;
        QCOMPARE(wrong.Load(), -2);
        QVERIFY(!wrong.fnGetRectCornerPoint);

        // The real library: the image entry points resolve; the book library is another
        // component's, and its absence must not take the image functions away.
        AppPaths::setApplicationDir(QStringLiteral(MIRAVELO_BIN_DIR));
        ImageProcessor real;
        const int code = real.Load();
        const bool bookPresent =
            QFile::exists(QStringLiteral(MIRAVELO_BIN_DIR "/libKELM_BookProcessingDll.so"));
        QCOMPARE(code, bookPresent ? 1 : -13);
        QVERIFY(real.fnGetRectCornerPoint && real.fnSetThresholdValue);
    }

    void rowPaddingAndGrey() {
        // 5 pixels = 15 bytes per row, padded to 16.
        auto* data = new unsigned char[5 * 3 * 3];
        for (int i = 0; i < 45; ++i)
            data[i] = uchar(i + 1);
        unsigned char* padded = ImageProcessor::PadRows(data, 5, 3);
        QVERIFY(padded != data);
        for (int y = 0; y < 3; ++y) {
            for (int i = 0; i < 15; ++i)
                QCOMPARE(int(padded[y * 16 + i]), y * 15 + i + 1);
            QCOMPARE(int(padded[y * 16 + 15]), 0);
        }
        QImage* wrapped = ImageProcessor::WrapBuffer(padded, 5, 3);
        QCOMPARE(wrapped->bytesPerLine(), 16);
        QCOMPARE(wrapped->pixelColor(4, 2), QColor(43, 44, 45));
        delete wrapped;
        QVERIFY(!ImageProcessor::PadRows(nullptr, 5, 3));

        // In place: works when the buffer has room, refuses when it has not.
        unsigned char room[2 * 8] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 0, 0, 0, 0};
        QVERIFY(ImageProcessor::PadRowsInPlace(room, 1, 3, sizeof room));
        QCOMPARE(int(room[4]), 4);
        QCOMPARE(int(room[8]), 7);
        QCOMPARE(int(room[3]), 0);
        unsigned char tight[9] = {};
        QVERIFY(!ImageProcessor::PadRowsInPlace(tight, 1, 3, sizeof tight));

        // Grey: red weighs 299 per thousand, rounded to nearest; all three channels equal.
        QImage img(2, 1, QImage::Format_RGB888);
        img.setPixelColor(0, 0, QColor(255, 0, 0));
        img.setPixelColor(1, 0, QColor(0, 255, 0));
        ImageProcessor ip;
        QImage* grey = ip.ToGray(&img);
        QVERIFY(grey && grey->format() == QImage::Format_RGB888);
        QCOMPARE(grey->pixelColor(0, 0), QColor(76, 76, 76));  // 255 * 0.299 = 76.2
        QCOMPARE(grey->pixelColor(1, 0), QColor(150, 150, 150));
        delete grey;
        QVERIFY(!ip.ToGray(nullptr));
    }

    void cutDocumentReleasesItsBufferWithTheImage() {
        ImageProcessor ip;
        ip.Load();
        // An odd frame width, so that the capture's own rows are padded, on a dark desk.
        scene::Params p = scene::randomParams(scene::Object::Document, 5, 1001, 751);
        p.desk = scene::Desk::Dark, p.deskColor = cv::Vec3b(40, 40, 40), p.rotationDeg = 8,
        p.castShadow = false;
        p.centerMm = {0, 0}, p.tiltXDeg = p.tiltYDeg = 0, p.fieldWidthMm = 480;
        QImage frame = toQImage(scene::render(p).rgb);
        const int before = ImageProcessor::LiveWrappedBuffers();
        for (bool optimise : {false, true}) {
            QImage* cut = ip.CutDocument(&frame, optimise);
            QVERIFY(cut);
            QCOMPARE(cut->format(), QImage::Format_RGB888);
            QCOMPARE(cut->bytesPerLine() % 4, 0);
            // Whichever paper size was drawn, a straight cut of it stands upright.
            QVERIFY(double(cut->width()) / cut->height() > 0.66 &&
                    double(cut->width()) / cut->height() < 0.8);
            // The page is paper: its centre is light.
            QVERIFY(qGray(cut->pixel(cut->width() / 2, cut->height() / 10)) > 150);
            QCOMPARE(ImageProcessor::LiveWrappedBuffers(), before + 1);
            QImage copy = *cut;  // a copy shares the buffer and keeps it alive
            delete cut;
            QCOMPARE(ImageProcessor::LiveWrappedBuffers(), before + 1);
            copy = QImage();
            QCOMPARE(ImageProcessor::LiveWrappedBuffers(), before);
        }
        // No page on an empty desk: nothing is cut and nothing is left allocated.
        QImage desk =
            toQImage(scene::render(scene::randomParams(scene::Object::EmptyDesk, 9, 800, 600)).rgb);
        QCOMPARE(corners(ip.DetectDocCorners(&desk)), QVector<int>(8, 0));
        QVERIFY(!ip.CutDocument(&desk, false));
        QVERIFY(!ip.CutDocument(nullptr, true));
        QImage nullImage;
        QVERIFY(!ip.CutDocument(&nullImage, true));
        QCOMPARE(ImageProcessor::LiveWrappedBuffers(), before);
    }

    void cardAndCardPage() {
        ImageProcessor ip;
        ip.Load();
        scene::Params p = scene::randomParams(scene::Object::Card, 3, 1280, 720);
        p.desk = scene::Desk::Wood, p.rotationDeg = 95, p.centerMm = {0, 0}, p.fieldWidthMm = 260;
        p.tiltXDeg = p.tiltYDeg = 0, p.castShadow = false;
        QImage frame = toQImage(scene::render(p).rgb);
        QImage* card = ip.CalibrateCard(&frame, true);
        QVERIFY(card);
        QVERIFY(card->width() > card->height());  // turned upright
        QVERIFY(std::abs(double(card->width()) / card->height() - 85.6 / 54.0) < 0.02);
        QTemporaryDir dir;
        const QString front = dir.path() + "/if.nvrx", back = dir.path() + "/ib.nvrx";
        QVERIFY(card->save(front, "JPG"));
        QVERIFY(card->save(back, "PNG"));
        delete card;
        QImage* page = ip.SynthesizeCardPage(front, back);
        QVERIFY(page && page->height() > page->width());
        QCOMPARE(page->pixelColor(10, 10), QColor(255, 255, 255));
        delete page;
        QVERIFY(!ip.SynthesizeCardPage(front, dir.path() + "/missing.nvrx"));
        QImage blank(640, 480, QImage::Format_RGB888);
        blank.fill(QColor(30, 30, 30));
        QVERIFY(!ip.CalibrateCard(&blank, true));
    }

    void qrDecodingAndNaming() {
        QRDecoder qr;
        QCOMPARE(qr.Load(), 1);
        scene::Params p = scene::randomParams(scene::Object::QrSheet, 8, 1601, 1201);
        p.qrTexts = {"A/B:C.D?E", "second"};
        p.qrSizeMm = 35, p.tiltXDeg = p.tiltYDeg = 0, p.rotationDeg = 3, p.castShadow = false;
        QImage frame = toQImage(scene::render(p).rgb);
        QVERIFY(frame.bytesPerLine() != frame.width() * 3);  // the packing path
        QStringList* texts = qr.Decode(&frame);
        QVERIFY(texts);
        QCOMPARE(texts->size(), 2);
        QVERIFY(texts->contains("A/B:C.D?E") && texts->contains("second"));
        delete texts;
        // Another pixel format is converted, not misread.
        QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
        texts = qr.Decode(&argb);
        QCOMPARE(texts->size(), 2);
        delete texts;
        texts = qr.Decode(nullptr);
        QVERIFY(texts && texts->isEmpty());
        delete texts;

        QCOMPARE(QRContentToFileName("A/B:C.D?E"), QString("A_B_C_D_E"));
        QCOMPARE(QRContentToFileName("a\\b*c|d<e>f g\"h\ni\tj\x7f"),
                 QString("a_b_c_d_e_f g\"h_i_j_"));
        // Nothing of the text left: the caller names the page by the rule.
        for (const char* nothing : {"", ".", "..", " / ", "\r\n"})
            QVERIFY(QRContentToFileName(nothing).isEmpty());
        // Too long: cut before the character that would not fit, never inside it.
        const QString e = QString::fromUtf8("e\xCC\x81");  // e and a combining accent
        const QString cut = QRContentToFileName(QString("x") + e.repeated(100));
        QCOMPARE(cut, QString("x") + e.repeated(79));
        QCOMPARE(QRContentToFileName(QString::fromUtf8("東京")), QString::fromUtf8("東京"));
    }
};

QTEST_MAIN(TestImageProcessorWrappers)
#include "tst_imageprocessor_wrappers.moc"
