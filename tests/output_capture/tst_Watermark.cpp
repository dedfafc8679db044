#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "output/Watermark.h"

namespace {

QImage blank(int w, int h) {
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(Qt::white);
    return img;
}

// Bounding box of every pixel that differs from white.
QRect changed(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

class TestWatermark : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString stampPath;

private slots:
    void initTestCase() {
        QImage stamp(40, 20, QImage::Format_RGB32);
        stamp.fill(qRgb(0, 200, 0));
        stampPath = dir.filePath("stamp.png");
        QVERIFY(stamp.save(stampPath));
    }

    void pictureBoxAtEveryPosition() {
        WatermarkSettings s;
        s.type = WatermarkSettings::Picture;
        s.picturePath = stampPath;
        s.width = 200;
        s.height = 100;
        const QPoint expected[9] = {{800, 700}, {0, 0},     {0, 350}, {0, 700},  {400, 0},
                                    {400, 350}, {400, 700}, {800, 0}, {800, 350}};
        for (int pos = 0; pos < 9; ++pos) {
            QImage img = blank(1000, 800);
            s.position = pos;
            QVERIFY(Watermark::Apply(&img, s));
            QCOMPARE(changed(img), QRect(expected[pos], QSize(200, 100)));
            // Stretched, not tiled or letter-boxed: the whole box is the stamp's colour.
            QCOMPARE(img.pixel(expected[pos] + QPoint(100, 50)), qRgb(0, 200, 0));
        }
    }

    void oversizedPictureBoxes() {
        WatermarkSettings s;
        s.type = WatermarkSettings::Picture;
        s.picturePath = stampPath;
        s.width = 900;
        s.height = 100;
        QImage img = blank(800, 600);
        s.position = 0;  // pushed beyond the right edge: nothing shows
        QVERIFY(Watermark::Apply(&img, s));
        QVERIFY(changed(img).isNull());
        s.position = 7;  // starts at the left edge instead
        QVERIFY(Watermark::Apply(&img, s));
        QCOMPARE(changed(img), QRect(0, 0, 800, 100));
        QImage square = blank(300, 300);
        s.width = s.height = 0;  // a zero box draws nothing
        QVERIFY(Watermark::Apply(&square, s));
        QVERIFY(changed(square).isNull());
    }

    void badPicturesLeaveTheCaptureAlone() {
        QFile text(dir.filePath("notes.png"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is not a picture");
        text.close();
        WatermarkSettings s;
        s.type = WatermarkSettings::Picture;
        for (const QString& path :
             {dir.filePath("missing.png"), text.fileName(), dir.path(), QString()}) {
            s.picturePath = path;
            QImage img = blank(200, 100);
            QString problem;
            QVERIFY(!Watermark::Apply(&img, s, &problem));
            QVERIFY(!problem.isEmpty());
            QVERIFY(changed(img).isNull());
        }
        QVERIFY(Watermark::Apply(nullptr, s));  // nothing to stamp is not a failure
    }

    void textStampsSitWhereAsked() {
        WatermarkSettings s;
        s.type = WatermarkSettings::DateTime;
        s.position = 1;
        s.fontSize = 40;
        s.opacity = 100;
        QImage img = blank(1200, 600);
        QVERIFY(Watermark::Apply(&img, s));
        const QRect topLeft = changed(img);
        QVERIFY(!topLeft.isNull());
        QVERIFY2(topLeft.left() <= 6 && topLeft.top() <= 12,
                 qPrintable(QString::number(topLeft.left())));
        QVERIFY(topLeft.bottom() < 60);
        // "yyyy-MM-dd hh:mm:ss" at 40 px is far wider than it is high.
        QVERIFY(topLeft.width() > 4 * topLeft.height());

        s.type = WatermarkSettings::Text;
        s.content = "ZR";
        s.position = 0;
        img = blank(1200, 600);
        QVERIFY(Watermark::Apply(&img, s));
        const QRect bottomRight = changed(img);
        QVERIFY(bottomRight.right() >= 1190 && bottomRight.bottom() >= 580);
        QVERIFY(bottomRight.left() > 1000);

        s.position = 5;
        img = blank(1200, 600);
        QVERIFY(Watermark::Apply(&img, s));
        const QRect centre = changed(img);
        QVERIFY(qAbs(centre.center().x() - 600) < 10);
        QVERIFY(qAbs(centre.center().y() - 300) < 20);
    }

    void textOpacityAndColour() {
        WatermarkSettings s;
        s.type = WatermarkSettings::Text;
        s.content = "MMMM";
        s.position = 5;
        s.fontSize = 120;
        s.red = 0;
        s.green = 0;
        s.blue = 255;
        s.opacity = 50;
        QImage img = blank(800, 400);
        QVERIFY(Watermark::Apply(&img, s));
        // The most covered pixel is half white, half blue.
        int darkest = 255;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                QCOMPARE(qBlue(p), 255);
                darkest = qMin(darkest, qRed(p));
            }
        QVERIFY2(darkest >= 120 && darkest <= 135, qPrintable(QString::number(darkest)));

        s.type = WatermarkSettings::None;
        img = blank(100, 100);
        QVERIFY(Watermark::Apply(&img, s));
        QVERIFY(changed(img).isNull());
    }
};

QTEST_MAIN(TestWatermark)
#include "tst_Watermark.moc"
