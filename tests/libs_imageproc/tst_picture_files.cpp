// Pictures read from named files: their declared size is known before any pixel is decoded, and
// FIFOs, devices and decompression bombs are refused instead of waited for or allocated.
#include <QtTest>

#include <opencv2/imgcodecs.hpp>

#include <sys/stat.h>
#include <vector>

#include "KELM_ImageProcessingMod.h"
#include "visioncore/ImageFile.h"

namespace {

quint32 crc32(const QByteArray& bytes) {
    quint32 c = 0xFFFFFFFF;
    for (uchar b : bytes) {
        c ^= b;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
}

// A PNG whose header declares width x height; its one IDAT chunk holds a few zero bytes, far too
// few for the declared pixels, as in a decompression bomb's first kilobytes.
QByteArray pngDeclaring(quint32 width, quint32 height) {
    auto chunk = [](const char* type, const QByteArray& data) {
        const QByteArray typed = QByteArray(type, 4) + data;
        QByteArray c;
        QDataStream s(&c, QIODevice::WriteOnly);
        s << quint32(data.size());
        s.writeRawData(typed.constData(), typed.size());
        s << crc32(typed);
        return c;
    };
    QByteArray ihdr;
    QDataStream h(&ihdr, QIODevice::WriteOnly);
    h << width << height << quint8(8) << quint8(2) << quint8(0) << quint8(0) << quint8(0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) +
           chunk("IDAT", qCompress(QByteArray(4096, 0)).mid(4)) + chunk("IEND", {});
}

}  // namespace

class TestImageFiles : public QObject {
    Q_OBJECT

private slots:
    void declaredSizeOfEveryFormatWeRead() {
        const cv::Mat picture(37, 53, CV_8UC3, cv::Scalar(10, 200, 90));
        for (const char* ext : {".png", ".jpg", ".bmp", ".tiff", ".webp", ".ppm"}) {
            std::vector<uchar> bytes;
            QVERIFY2(cv::imencode(ext, picture, bytes), ext);
            int w = 0, h = 0;
            QVERIFY2(visioncore::declaredImageSize(bytes.data(), bytes.size(), &w, &h), ext);
            QCOMPARE(w, 53);
            QCOMPARE(h, 37);
            // Cut short before the size: not guessed.
            QVERIFY(!visioncore::declaredImageSize(bytes.data(), 2, &w, &h));
        }
        const uchar text[] = "plain text, no picture";
        int w = 0, h = 0;
        QVERIFY(!visioncore::declaredImageSize(text, sizeof text, &w, &h));
    }

    void specialFilesAndBombsAreRefused() {
        QTemporaryDir dir;
        const QByteArray good = (dir.path() + "/card.png").toLocal8Bit();
        QVERIFY(
            cv::imwrite(good.constData(), cv::Mat(120, 190, CV_8UC3, cv::Scalar(200, 180, 160))));
        const QByteArray bomb = (dir.path() + "/bomb.png").toLocal8Bit();
        QFile f(QString::fromLocal8Bit(bomb));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(pngDeclaring(20000, 20000));
        f.close();
        const QByteArray fifo = (dir.path() + "/fifo.png").toLocal8Bit();
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);

        std::string why;
        QVERIFY(visioncore::readImageFile(bomb.constData(), &why).empty());
        QVERIFY2(why.find("too large") != std::string::npos, why.c_str());
        QVERIFY(visioncore::readImageFile(fifo.constData(), &why).empty());
        QVERIFY2(why.find("regular") != std::string::npos, why.c_str());
        QVERIFY(visioncore::readImageFile("/dev/zero", &why).empty());
        QCOMPARE(visioncore::readImageFile(good.constData(), &why).cols, 190);

        // The card page refuses the same, through the library's C surface (a FIFO would block).
        std::vector<uchar> page(2200 * 3110 * 3);
        SImage dst{page.data(), 2200, 3110};
        QCOMPARE(KELM_SynthesisIDCardFromPath(fifo.constData(), good.constData(), &dst, 1),
                 short(0));
        QCOMPARE(KELM_SynthesisIDCardFromPath(good.constData(), bomb.constData(), &dst, 1),
                 short(0));
        QVERIFY(KELM_SynthesisIDCardFromPath(good.constData(), good.constData(), &dst, 1) > 0);
    }
};

QTEST_GUILESS_MAIN(TestImageFiles)
#include "tst_picture_files.moc"
