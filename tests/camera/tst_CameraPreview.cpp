#include "app/AppPaths.h"
#include "camera/CCamLabel.h"
#include "camera/CCameraPreview.h"
#include "modes/ImageProcessor.h"

#include <QPainter>
#include <QWheelEvent>
#include <QtTest>

namespace {

// A light quadrilateral page on a dark desk, which the document detector outlines.
QImage pageFrame(int w, int h) {
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(QColor(60, 45, 35));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 230));
    p.drawPolygon(
        QPolygon({QPoint(w * 30 / 100, h * 15 / 100), QPoint(w * 72 / 100, h * 12 / 100),
                  QPoint(w * 75 / 100, h * 88 / 100), QPoint(w * 27 / 100, h * 85 / 100)}));
    return img;
}

void wheel(QWidget* w, int delta) {
    QWheelEvent e(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
}

QVector<int> quadOf(const CCamLabel* l) {
    return QVector<int>(l->quad(), l->quad() + 8);
}

}  // namespace

class TestCameraPreview : public QObject {
    Q_OBJECT

private slots:
    void labelScalesZoomsAndPlacesTheOutline() {
        CCameraPreview preview;
        preview.resize(1000, 700);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        CCamLabel* label = preview.label();
        QCOMPARE(label->size(), QSize(1000, 700));
        QCOMPARE(label->text(), QString("Finding device..."));

        // Larger than the label: divided by a whole factor until it fits (up to twice the label
        // only halved, so that the whole picture stays visible); smaller: its own size.
        const struct {
            QSize frame;
            double scale;
            QSize shown;
        } sizes[] = {{{1280, 720}, 2.0, {640, 360}},
                     {{1000, 700}, 1.0, {1000, 700}},
                     {{640, 480}, 1.0, {640, 480}},
                     {{3264, 2448}, 4.0, {816, 612}}};
        for (const auto& c : sizes) {
            QImage img(c.frame, QImage::Format_RGB888);
            img.fill(Qt::darkRed);
            label->SetImage(&img);
            QCOMPARE(label->scale(), c.scale);
            QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), c.shown);
        }
        QImage big(3264, 2448, QImage::Format_RGB888);
        big.fill(Qt::gray);

        // Colours and positions survive the scaling: red left, blue right, a green bottom row band.
        QImage coloured(3264, 2448, QImage::Format_RGB888);
        {
            QPainter p(&coloured);
            p.fillRect(0, 0, 1632, 2448, QColor(200, 20, 10));
            p.fillRect(1632, 0, 1632, 2448, QColor(10, 30, 220));
            p.fillRect(0, 2400, 3264, 48, QColor(0, 255, 0));
        }
        label->SetImage(&coloured);
        const QImage shown = label->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(shown.pixelColor(100, 300), QColor(200, 20, 10));
        QCOMPARE(shown.pixelColor(700, 300), QColor(10, 30, 220));
        QCOMPARE(shown.pixelColor(400, 611), QColor(0, 255, 0));
        QCOMPARE(shown.pixelColor(400, 590).green(), 20);  // above the band, still red

        // The wheel enlarges a small picture.
        QImage small(640, 480, QImage::Format_RGB888);
        small.fill(Qt::darkGreen);
        label->SetImage(&small);
        wheel(label, 120);  // away from the user: larger
        label->SetImage(&small);
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(800, 600));
        wheel(label, -120);
        wheel(label, -120);  // toward the user: smaller
        label->SetImage(&small);
        QVERIFY(qFuzzyCompare(label->scale(), 1.2));
        QCOMPARE(label->pixmap(Qt::ReturnByValue).width(), 533);
        // Refused, the picture staying as it was: five steps away from 1.0 reach scale 0, and 19
        // on a big frame (4.0 - 3.8 = 0.2) would need a gigantic picture.
        for (const auto& c : {std::make_pair(5, &small), std::make_pair(19, &big)}) {
            label->ResetZoom();
            for (int i = 0; i < c.first; ++i)
                wheel(label, 120);
            label->SetImage(c.second);
            QCOMPARE(label->pixmap(Qt::ReturnByValue).width(), 533);
        }
        label->ResetZoom();

        // Outline: points 3, 1, 4, 2 at frame / scale plus the picture's offset.
        label->SetImage(&big);
        const int quad[8] = {400, 200, 2800, 240, 2900, 2200, 360, 2100};
        label->SetQuad(quad);
        const int x0 = (1000 - 816) / 2, y0 = (700 - 612) / 2;
        const QPolygon drawn = label->outlinePolygon();
        QCOMPARE(
            drawn,
            QPolygon({QPoint(2900 / 4 + x0, 2200 / 4 + y0), QPoint(400 / 4 + x0, 200 / 4 + y0),
                      QPoint(360 / 4 + x0, 2100 / 4 + y0), QPoint(2800 / 4 + x0, 240 / 4 + y0)}));
        QCOMPARE(label->centreLineX(), -1);
        // A book quad replaces the outline and brings the centre line.
        const int none[8] = {};
        label->SetBookQuads(quad, none);
        QVERIFY(label->outlinePolygon().isEmpty());
        QCOMPARE(label->centreLineX(), x0 + 408);
        label->ClearQuads();
        QCOMPARE(label->centreLineX(), -1);
        label->mode = BookMode;  // book mode draws the line even without a detection
        QCOMPARE(label->centreLineX(), x0 + 408);
        label->mode = DocMode;

        // Turned a quarter: the offsets swap the displayed width and height.
        label->rotation = 1;
        label->SetImage(&big);
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(612, 816));
        label->SetQuad(quad);
        QCOMPARE(label->outlinePolygon()[1],
                 QPoint(400 / 4 + (1000 - 612) / 2, 200 / 4 + (700 - 816) / 2));

        // A painted frame really shows the dashed outline in the mode's colour.
        label->rotation = 0;
        label->SetImage(&big);
        label->SetOverlayColor(QColor(255, 0, 0));
        label->SetQuad(quad);
        const QImage shot = label->grab().toImage();
        int red = 0;
        for (const QPoint& p : label->outlinePolygon())
            for (int dx = -2; dx <= 2; ++dx)
                for (int dy = -2; dy <= 2; ++dy) {
                    const QColor c = shot.pixelColor(p + QPoint(dx, dy));
                    red += c.red() > 180 && c.green() < 90;
                }
        QVERIFY2(red > 4, qPrintable(QString::number(red)));
    }

    void previewDetectsEveryThirdFrameByMode() {
        AppPaths::setApplicationDir(QStringLiteral(MIRAVELO_BIN_DIR));
        ImageProcessor processor;
        processor.Load();  // the book library may be absent; document detection suffices
        CCameraPreview preview;
        preview.resize(1000, 700);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        CCamLabel* label = preview.label();
        QImage frame = pageFrame(1600, 1200);
        // Detection runs on every third frame shown.
        auto show3 = [&](QImage* img) {
            for (int i = 0; i < 3; ++i)
                preview.ShowFrame(img);
        };

        // Without an image processor nothing is detected.
        show3(&frame);
        QCOMPARE(quadOf(label), QVector<int>(8, 0));
        preview.SetImageProcessor(&processor);

        preview.ShowFrame(&frame);
        preview.ShowFrame(&frame);
        QCOMPARE(quadOf(label), QVector<int>(8, 0));  // not yet the third
        preview.ShowFrame(&frame);
        const QVector<int> upright = quadOf(label);
        QVERIFY2(upright != QVector<int>(8, 0), "the page was not detected");
        // Found corners lie on the page (within a few pixels of its drawn corners).
        for (int i = 0; i < 4; ++i) {
            QVERIFY(upright[2 * i] > 1600 * 20 / 100 && upright[2 * i] < 1600 * 80 / 100);
            QVERIFY(upright[2 * i + 1] > 1200 * 5 / 100 && upright[2 * i + 1] < 1200 * 95 / 100);
        }

        // Rotation 1 turns each corner (x, y) into (H - y, x).
        preview.ClosePreview();
        QVERIFY(!label->isVisible());
        QCOMPARE(quadOf(label), QVector<int>(8, 0));
        preview.rotation = 1;
        show3(&frame);
        QVERIFY(label->isVisible());
        const QVector<int> turned = quadOf(label);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(turned[2 * i], 1200 - upright[2 * i + 1]);
            QCOMPARE(turned[2 * i + 1], upright[2 * i]);
        }
        preview.rotation = 2;
        show3(&frame);
        QCOMPARE(quadOf(label)[0], 1600 - upright[0]);
        QCOMPARE(quadOf(label)[1], 1200 - upright[1]);
        preview.rotation = 0;

        // "Original" selected: no outline in document and sheet mode.
        preview.originImgModeSlot();
        show3(&frame);
        QCOMPARE(quadOf(label), QVector<int>(8, 0));
        preview.UpdateCurrentControlMode(SheetMode);
        QCOMPARE(label->overlayColor(), QColor(255, 0, 0));
        show3(&frame);
        QCOMPARE(quadOf(label), QVector<int>(8, 0));
        QCOMPARE(label->mode, SheetMode);
        preview.notOriginImgModeSlot();
        show3(&frame);
        QCOMPARE(quadOf(label), upright);  // sheet mode is never turned

        // Residence mode keeps colour, label mode and outline, and detects nothing.
        preview.UpdateCurrentControlMode(DocMode);
        QCOMPARE(label->overlayColor(), QColor(40, 164, 255));
        show3(&frame);
        preview.UpdateCurrentControlMode(ResidenceMode);
        QCOMPARE(label->overlayColor(), QColor(40, 164, 255));
        QImage empty(1600, 1200, QImage::Format_RGB888);
        empty.fill(Qt::black);
        show3(&empty);
        show3(&empty);
        QCOMPARE(quadOf(label), upright);
        QCOMPARE(label->mode, DocMode);

        // Book mode shows the centre line whatever the detection found.
        preview.UpdateCurrentControlMode(BookMode);
        show3(&empty);
        QVERIFY(label->centreLineX() >= 0);

        preview.ShowFrame(nullptr);  // ignored
        preview.SetDeviceState(true);
        QCOMPARE(label->text(), QString("Opening Device..."));
        AppPaths::setApplicationDir(QString());
    }
};

QTEST_MAIN(TestCameraPreview)
#include "tst_CameraPreview.moc"
