#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "output/SaveThread.h"
#include "output/ImageFileWriter.h"
#include "output/ImageType.h"
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

bool near(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// What one SaveThread announced before it deleted itself.
struct Run {
    int handedOver = 0;
    bool ended = false;
    QList<QVariantList> finished, failed;
};

// Hands the image to a SaveThread, runs `afterHandOver`, starts the thread and waits until it
// has deleted itself.
Run saveRun(const QImage& img, const QString& path, int type,
            const std::function<void()>& afterHandOver = {}) {
    auto* t = new SaveThread;
    t->imageType = type;
    t->quality = 90;
    QPointer<SaveThread> thread = t;
    Run run;
    run.handedOver = t->SetImage(&img, path);
    if (afterHandOver)
        afterHandOver();
    QObject::connect(t, &QThread::finished, t, &QObject::deleteLater);
    QSignalSpy finished(t, &SaveThread::Signal_Finished), failed(t, &SaveThread::Signal_Failed);
    t->start();
    run.ended = QTest::qWaitFor([&] { return thread.isNull(); }, 120000);
    run.finished = finished;
    run.failed = failed;
    return run;
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
            const Run run = saveRun(img, path, c.type);
            QVERIFY(run.ended && run.failed.isEmpty());
            QCOMPARE(run.finished, QList<QVariantList>{{path}});
            QImageReader reader(path);
            QCOMPARE(reader.format(), QByteArray(c.format));
            const QImage back = reader.read();
            QCOMPARE(back.size(), img.size());
            for (QPoint p : {QPoint(20, 20), QPoint(140, 20), QPoint(20, 80), QPoint(140, 80)})
                QVERIFY2(near(back.pixel(p), img.pixel(p), c.tolerance), c.format);
        }
        // No temporary siblings stay behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), int(std::size(cases)));
    }

    void qualityReachesTheEncoder() {
        QTemporaryDir dir;
        QImage img = quarters(400, 300);
        for (int y = 0; y < img.height(); ++y)  // texture so quality matters
            for (int x = 0; x < img.width(); ++x)
                img.scanLine(y)[3 * x] ^= (x * 7 + y * 13) & 63;
        const QString low = dir.filePath("low.jpg"), high = dir.filePath("high.jpg");
        QVERIFY(ImageFileWriter::write(img, low, "JPG", 10));
        QVERIFY(ImageFileWriter::write(img, high, "JPG", 95));
        QVERIFY(QFileInfo(low).size() * 2 < QFileInfo(high).size());
        QCOMPARE(ImageFileWriter::encoderForSuffix("/a/b.Jpeg"), QByteArray("JPG"));
    }

    void threadKeepsItsOwnPixels() {
        QTemporaryDir dir;
        // An image over a foreign buffer that the caller reuses right after handing it over, as
        // the document cut results are.
        std::vector<uchar> buffer(64 * 48 * 3, 0);
        for (size_t i = 2; i < buffer.size(); i += 3)
            buffer[i] = 255;  // blue
        const QImage wrapped(buffer.data(), 64, 48, 64 * 3, QImage::Format_RGB888);
        Run run = saveRun(wrapped, dir.filePath("own.png"), ImageType::Png,
                          [&buffer] { std::fill(buffer.begin(), buffer.end(), 0); });
        QVERIFY(run.ended && run.handedOver == 1 && run.finished.size() == 1);
        QCOMPARE(QImage(dir.filePath("own.png")).pixel(10, 10), qRgb(0, 0, 255));

        // Nothing to write: no announcement at all.
        run = saveRun(QImage(), dir.filePath("none.png"), ImageType::Png);
        QVERIFY(run.ended && run.handedOver == 0 && run.finished.isEmpty() && run.failed.isEmpty());
    }

    void failuresAreReportedNotAnnounced() {
        QTemporaryDir dir;
        // A folder that cannot exist (a file stands in its way), and a name with a separator
        // pointing into a missing folder: no file, a failure report instead of a success.
        QVERIFY(writeFile(dir.filePath("blocker")));
        for (const QString& path :
             {dir.filePath("blocker/IMG0000.jpg"), dir.filePath("no/such/IMG0000.png")}) {
            const Run run = saveRun(quarters(300, 200), path, ImageType::Jpg);
            QVERIFY(run.ended && run.finished.isEmpty() && run.failed.size() == 1);
            QCOMPARE(run.failed[0][0].toString(), path);
            QVERIFY(!run.failed[0][1].toString().isEmpty() && !QFile::exists(path));
        }

        // A full disk, simulated with a file size limit: the older file of that name survives,
        // no partial or temporary file stays, whether the write fails midway or only when the
        // last buffered bytes go out.
        const QString existing = dir.filePath("keep.bmp");
        QVERIFY(ImageFileWriter::write(quarters(10, 10), existing, "BMP", -1));
        const QByteArray before = readFile(existing);
        QImage noise = quarters(800, 600);  // noise, so the GIF cannot compress below the limit
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width() * 3; ++x)
                noise.scanLine(y)[x] = uchar(rand());
        const QString tiny = dir.filePath("small.bmp");  // fits the write buffer
        QString error;
        bool big = true, buffered = true, gif = true;
        QVERIFY(withFullDisk(4096, [&] {
            big = ImageFileWriter::write(quarters(800, 600), existing, "BMP", -1, &error);
            buffered = ImageFileWriter::write(quarters(60, 50), tiny, "BMP", -1);
            gif = ImageFileWriter::write(noise, dir.filePath("big.gif"), "GIF", -1);
        }));
        QVERIFY(!big && !error.isEmpty() && !gif);
        QVERIFY(!buffered && !QFile::exists(tiny));
        QFile::remove(tiny);
        QCOMPARE(readFile(existing), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                 QStringList({"blocker", "keep.bmp"}));
    }
};

QTEST_GUILESS_MAIN(TestImageFiles)
#include "tst_ImageFiles.moc"
