#include <QImageReader>
#include <QPainter>
#include <QtTest>

#include <cerrno>

#include "output/ImageFileWriter.h"
#include "output/ImageType.h"
#include "output/SaveThread.h"
#include "tests/app/TestFiles.h"

namespace {

// Four coloured quarters: survives every encoder well enough to check the colours back.
QImage quarters(int w, int h) {
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(QColor(20, 30, 10));
    QPainter(&img).fillRect(w / 2, 0, w, h / 2, QColor(230, 30, 220));
    QPainter(&img).fillRect(0, h / 2, w / 2, h, QColor(20, 200, 220));
    QPainter(&img).fillRect(w / 2, h / 2, w, h, QColor(230, 200, 10));
    return img;
}

}  // namespace

class TestImageFiles : public QObject {
    Q_OBJECT
private slots:
    void everyTypeHoldsItsOwnFormat() {
        QTemporaryDir dir;
        const QImage img = quarters(161, 97);  // odd width: rows carry padding
        // The reader tells the format from the content, and an unknown type is a JPEG.
        const struct {
            int type;
            const char* format;
            int tolerance;
        } cases[] = {{ImageType::Bmp, "bmp", 0},  {ImageType::Jpg, "jpeg", 12},
                     {ImageType::Png, "png", 0},  {ImageType::Gif, "gif", 8},
                     {ImageType::Tif, "tiff", 0}, {42, "jpeg", 12}};
        for (const auto& c : cases) {
            const QString path =
                dir.filePath("out" + QString::number(c.type) + ImageType::extension(c.type));
            QVERIFY(ImageFileWriter::write(img, path, ImageType::encoder(c.type), 90));
            QImageReader reader(path);
            QCOMPARE(reader.format(), QByteArray(c.format));
            const QImage back = reader.read();
            QCOMPARE(back.size(), img.size());
            for (QPoint p : {QPoint(20, 20), QPoint(140, 20), QPoint(20, 80), QPoint(140, 80)})
                for (int shift : {0, 8, 16})  // blue, green, red
                    QVERIFY2(qAbs(int(back.pixel(p) >> shift & 255) -
                                  int(img.pixel(p) >> shift & 255)) <= c.tolerance,
                             c.format);
        }
        // No temporary siblings stay behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), int(std::size(cases)));

        // The quality reaches the JPEG encoder.
        QImage textured = quarters(400, 300);
        for (int y = 0; y < textured.height(); ++y)
            for (int x = 0; x < textured.width(); ++x)
                textured.scanLine(y)[3 * x] ^= (x * 7 + y * 13) & 63;
        const QString low = dir.filePath("low.jpg"), high = dir.filePath("high.jpg");
        QVERIFY(ImageFileWriter::write(textured, low, "JPG", 10));
        QVERIFY(ImageFileWriter::write(textured, high, "JPG", 95));
        QVERIFY(QFileInfo(low).size() * 2 < QFileInfo(high).size());
    }

    void threadKeepsItsOwnPixels() {
        QTemporaryDir dir;
        // An image over a foreign buffer that the caller reuses right after handing it over, as
        // the document cut results are.
        std::vector<uchar> buffer(64 * 48 * 3, 0);
        for (size_t i = 2; i < buffer.size(); i += 3)
            buffer[i] = 255;  // blue
        const QImage wrapped(buffer.data(), 64, 48, 64 * 3, QImage::Format_RGB888);
        auto* thread = new SaveThread;
        thread->imageType = ImageType::Png;
        QCOMPARE(thread->SetImage(&wrapped, dir.filePath("own.png")), 1);
        std::fill(buffer.begin(), buffer.end(), 0);
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        QSignalSpy finished(thread, &SaveThread::Signal_Finished);
        thread->start();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
        QCOMPARE(QImage(dir.filePath("own.png")).pixel(10, 10), qRgb(0, 0, 255));
    }

    // A full disk, simulated with a file size limit: the older file of that name survives, no
    // partial or temporary file stays, whether the write fails midway or only when the last
    // buffered bytes go out, and also for the program's own GIF encoder.
    void fullDiskLeavesNoShortFile() {
        QTemporaryDir dir;
        const QString existing = dir.filePath("keep.bmp");
        QVERIFY(ImageFileWriter::write(quarters(10, 10), existing, "BMP", -1));
        const QByteArray before = readFile(existing);
        QImage noise = quarters(800, 600);  // noise, so the GIF cannot compress below the limit
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width() * 3; ++x)
                noise.scanLine(y)[x] = uchar(rand());
        QString error;
        bool big = true, buffered = true, gif = true;
        QVERIFY(withFullDisk(4096, [&] {
            big = ImageFileWriter::write(quarters(800, 600), existing, "BMP", -1, &error);
            buffered = ImageFileWriter::write(quarters(60, 50), dir.filePath("small.bmp"), "BMP",
                                              -1);  // fits the write buffer
            gif = ImageFileWriter::write(noise, dir.filePath("big.gif"), "GIF", -1);
        }));
        QVERIFY(!big && !buffered && !gif);
        // The reason is the system's own, not the encoder's "Unknown error".
        QCOMPARE(error, qt_error_string(EFBIG));
        QCOMPARE(readFile(existing), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.bmp"});
    }
};

QTEST_GUILESS_MAIN(TestImageFiles)
#include "tst_ImageFiles.moc"
