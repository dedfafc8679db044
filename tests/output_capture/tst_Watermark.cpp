#include <QImage>
#include <QtTest>

#include "output/Watermark.h"
#include "support/BombPicture.h"
#include "tests/app/TestFiles.h"

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

// Stamps a blank image of the given size and returns the changed area.
QRect stamp(const WatermarkSettings& s, int w, int h) {
    QImage img = blank(w, h);
    if (!Watermark::Apply(&img, s))
        return QRect(-1, -1, 1, 1);
    return changed(img);
}

}  // namespace

class TestWatermark : public QObject {
    Q_OBJECT
private slots:
    void stampsOnTheNinePositions() {
        QTemporaryDir dir;
        WatermarkSettings s, text;
        s.type = WatermarkSettings::Picture;
        s.picturePath = dir.filePath("stamp.png");
        QImage green(40, 20, QImage::Format_RGB32);
        green.fill(qRgb(0, 200, 0));
        QVERIFY(green.save(s.picturePath));
        s.width = 200;
        s.height = 100;
        text.type = WatermarkSettings::Text;
        text.content = "ZR";
        text.fontSize = 40;
        const QPoint expected[9] = {{800, 700}, {0, 0},     {0, 350}, {0, 700},  {400, 0},
                                    {400, 350}, {400, 700}, {800, 0}, {800, 350}};
        // The 40 x 20 picture is stretched to fill the whole box; a short text at the same
        // position lies inside that box.
        for (int pos = 0; pos < 9; ++pos) {
            const QRect box(expected[pos], QSize(200, 100));
            s.position = text.position = pos;
            QCOMPARE(stamp(s, 1000, 800), box);
            const QRect t = stamp(text, 1000, 800);
            QVERIFY2(!t.isEmpty() && box.contains(t), qPrintable(QString::number(pos)));
        }
        // "yyyy-MM-dd hh:mm:ss" is far wider than it is high.
        text.type = WatermarkSettings::DateTime;
        text.position = 1;
        const QRect date = stamp(text, 1200, 600);
        QVERIFY(date.left() <= 6 && date.top() <= 12 && date.width() > 4 * date.height());

        // Oversized: pushed beyond the right edge nothing shows; from the left it is clipped.
        s.width = 900;
        s.position = 0;
        QVERIFY(stamp(s, 800, 600).isNull());
        s.position = 7;
        QCOMPARE(stamp(s, 800, 600), QRect(0, 0, 800, 100));

        // A picture that cannot be drawn is reported, and the capture is left as it was.
        QVERIFY(writeFile(dir.filePath("notes.png"), "this is not a picture"));
        QVERIFY(writeFile(dir.filePath("bomb.bmp"), bombPicture()));
        for (const QString& path : {dir.filePath("missing.png"), dir.filePath("notes.png"),
                                    dir.filePath("bomb.bmp"), QString()}) {
            s.picturePath = path;
            QImage img = blank(200, 100);
            QString problem;
            QVERIFY(!Watermark::Apply(&img, s, &problem) && !problem.isEmpty());
            // Refused on its declared size, before a gigabyte is allocated for it.
            QVERIFY(!path.endsWith("bomb.bmp") || problem.contains("too large"));
            QVERIFY(changed(img).isNull());
        }
        QVERIFY(Watermark::Apply(nullptr, s));  // nothing to stamp is not a failure
        s.type = WatermarkSettings::None;
        QVERIFY(stamp(s, 100, 100).isNull());

        // Half opacity: the most covered pixel of a text is half white, half blue.
        text.type = WatermarkSettings::Text;
        text.content = "MMMM";
        text.fontSize = 120;
        text.red = text.green = 0;
        text.blue = 255;
        text.opacity = 50;
        QImage img = blank(800, 400);
        QVERIFY(Watermark::Apply(&img, text));
        int darkest = 255;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                QCOMPARE(qBlue(img.pixel(x, y)), 255);
                darkest = qMin(darkest, qRed(img.pixel(x, y)));
            }
        QVERIFY2(darkest >= 120 && darkest <= 135, qPrintable(QString::number(darkest)));
    }
};

QTEST_MAIN(TestWatermark)
#include "tst_Watermark.moc"
