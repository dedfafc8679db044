#include "app/AppPaths.h"
#include "camera/CCamLabel.h"
#include "camera/CCameraPreview.h"
#include "modes/ImageProcessor.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

// A light quadrilateral page on a dark desk, which the document detector outlines.
QImage pageFrame(int w, int h, int dx = 0, int dy = 0) {
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(QColor(60, 45, 35));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 230));
    p.drawPolygon(QPolygon({QPoint(w * 30 / 100, h * 15 / 100), QPoint(w * 72 / 100, h * 12 / 100),
                            QPoint(w * 75 / 100, h * 88 / 100), QPoint(w * 27 / 100, h * 85 / 100)})
                      .translated(dx, dy));
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

    std::shared_ptr<ImageProcessor> m_processor = std::make_shared<ImageProcessor>();
    std::unique_ptr<CCameraPreview> m_preview;
    CCamLabel* label = nullptr;
    QImage m_page = pageFrame(1600, 1200);

    void setImage(const QImage& img) {
        QImage copy = img;
        label->SetImage(&copy);
    }
    QSize shownSize() const { return label->pixmap(Qt::ReturnByValue).size(); }
    // Detection runs on every third frame shown, on the watcher's thread; `detects`: whether
    // the preview has a processor and a mode to detect in, so that an outline is to be awaited.
    QVector<int> show3(QImage img, bool detects = true) {
        QSignalSpy shown(m_preview.get(), &CCameraPreview::outlineShown);
        for (int i = 0; i < 3; ++i)
            m_preview->ShowFrame(&img);
        if (detects && !shown.wait())
            return {};
        return quadOf(label);
    }

private slots:
    void initTestCase() {
        AppPaths::setApplicationDir(QStringLiteral(MIRAVELO_BIN_DIR));
        m_processor->Load();  // the book library may be absent; document detection suffices
        AppPaths::setApplicationDir(QString());
    }
    void init() {
        m_preview = std::make_unique<CCameraPreview>();
        m_preview->resize(1000, 700);
        m_preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_preview.get()));
        label = m_preview->label();
    }

    void labelScalesAndZooms() {
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
            setImage(QImage(c.frame, QImage::Format_RGB888));
            QCOMPARE(label->scale(), c.scale);
            QCOMPARE(shownSize(), c.shown);
        }
        // Colours and positions survive the scaling: red left, blue right, a green bottom row band.
        QImage coloured(3264, 2448, QImage::Format_RGB888);
        coloured.fill(QColor(200, 20, 10));
        QPainter(&coloured).fillRect(1632, 0, 1632, 2448, QColor(10, 30, 220));
        QPainter(&coloured).fillRect(0, 2400, 3264, 48, QColor(0, 255, 0));
        setImage(coloured);
        const QImage shown = label->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(shown.pixelColor(100, 300), QColor(200, 20, 10));
        QCOMPARE(shown.pixelColor(700, 300), QColor(10, 30, 220));
        QCOMPARE(shown.pixelColor(400, 611), QColor(0, 255, 0));
        QCOMPARE(shown.pixelColor(400, 590).green(), 20);  // above the band, still red

        // The wheel away from the user enlarges, toward the user shrinks.
        const QImage small(640, 480, QImage::Format_RGB888), big(3264, 2448, QImage::Format_RGB888);
        wheel(label, 120);
        setImage(small);
        QCOMPARE(shownSize(), QSize(800, 600));
        wheel(label, -120);
        wheel(label, -120);
        setImage(small);
        QVERIFY(qFuzzyCompare(label->scale(), 1.2));
        QCOMPARE(shownSize().width(), 533);
        // Refused, the picture staying as it was: five steps away from 1.0 reach scale 0, and 19
        // on a big frame (4.0 - 3.8 = 0.2) would need a gigantic picture.
        for (const auto& c : {std::make_pair(5, &small), std::make_pair(19, &big)}) {
            label->ResetZoom();
            for (int i = 0; i < c.first; ++i)
                wheel(label, 120);
            setImage(*c.second);
            QCOMPARE(shownSize().width(), 533);
        }
    }

    void outlineFollowsScaleOffsetAndTurn() {
        const QImage big(3264, 2448, QImage::Format_RGB888);
        setImage(big);
        // Outline: points 3, 1, 4, 2 at frame / scale plus the picture's offset.
        const int quad[8] = {400, 200, 2800, 240, 2900, 2200, 360, 2100};
        label->SetQuad(quad);
        const int x0 = (1000 - 816) / 2, y0 = (700 - 612) / 2;
        QCOMPARE(
            label->outlinePolygon(),
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
        setImage(big);
        QCOMPARE(shownSize(), QSize(612, 816));
        label->SetQuad(quad);
        QCOMPARE(label->outlinePolygon()[1],
                 QPoint(400 / 4 + (1000 - 612) / 2, 200 / 4 + (700 - 816) / 2));

        // A painted frame really shows the dashed outline in the mode's colour.
        label->rotation = 0;
        setImage(big);
        label->SetOverlayColor(QColor(255, 0, 0));
        label->SetQuad(quad);
        const QImage shot = label->grab().toImage();
        int red = 0;
        for (const QPoint& p : label->outlinePolygon())
            for (int d = 0; d < 25; ++d) {  // the 5 x 5 pixels around each corner
                const QColor c = shot.pixelColor(p + QPoint(d % 5 - 2, d / 5 - 2));
                red += c.red() > 180 && c.green() < 90;
            }
        QVERIFY2(red > 4, qPrintable(QString::number(red)));
    }

    void detectsEveryThirdFrameAndTurnsTheCorners() {
        const QVector<int> nothing(8, 0);
        QCOMPARE(show3(m_page, false), nothing);  // without an image processor
        m_preview->SetImageProcessor(m_processor);
        QSignalSpy shown(m_preview.get(), &CCameraPreview::outlineShown);
        m_preview->ShowFrame(&m_page);
        m_preview->ShowFrame(&m_page);
        QCoreApplication::processEvents();
        QCOMPARE(shown.count(), 0);  // not yet the third
        m_preview->ShowFrame(&m_page);
        QVERIFY(shown.wait());
        const QVector<int> upright = quadOf(label);
        // Found corners lie on the page (within a few pixels of its drawn corners).
        for (int i = 0; i < 4; ++i) {
            QVERIFY(upright[2 * i] > 1600 * 20 / 100 && upright[2 * i] < 1600 * 80 / 100);
            QVERIFY(upright[2 * i + 1] > 1200 * 5 / 100 && upright[2 * i + 1] < 1200 * 95 / 100);
        }

        // Closing clears the outline. Rotation 1 turns each corner (x, y) into (H - y, x).
        m_preview->ClosePreview();
        QVERIFY(!label->isVisible());
        QCOMPARE(quadOf(label), nothing);
        m_preview->rotation = 1;
        const QVector<int> turned = show3(m_page);
        QVERIFY(label->isVisible());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(turned[2 * i], 1200 - upright[2 * i + 1]);
            QCOMPARE(turned[2 * i + 1], upright[2 * i]);
        }
        m_preview->rotation = 2;
        QCOMPARE(show3(m_page).mid(0, 2), QVector<int>({1600 - upright[0], 1200 - upright[1]}));
        m_preview->ShowFrame(nullptr);  // ignored
    }

    // A page nudged by a few pixels of an 8 MP frame (no more than detection noise, for the
    // eye) leaves the drawn outline where it is; a page moved is followed at the next detection.
    void outlineHoldsStillAndFollowsAMovedPage() {
        m_preview->SetImageProcessor(m_processor);
        const QVector<int> first = show3(pageFrame(3264, 2448));
        QVERIFY(first != QVector<int>(8, 0));
        QCOMPARE(show3(pageFrame(3264, 2448, 3, 0)), first);
        const QVector<int> moved = show3(pageFrame(3264, 2448, 40, 25));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(std::abs(moved[2 * i] - first[2 * i] - 40) <= 2);
            QVERIFY(std::abs(moved[2 * i + 1] - first[2 * i + 1] - 25) <= 2);
        }
    }

    void modesDecideWhatIsDetected() {
        m_preview->SetImageProcessor(m_processor);
        const QVector<int> upright = show3(m_page), nothing(8, 0);
        m_preview->rotation = 1;
        // "Original" selected: no outline in document and sheet mode.
        m_preview->originImgModeSlot();
        QCOMPARE(show3(m_page), nothing);
        m_preview->UpdateCurrentControlMode(SheetMode);
        QCOMPARE(show3(m_page), nothing);
        QCOMPARE(label->mode, SheetMode);
        m_preview->notOriginImgModeSlot();
        QCOMPARE(show3(m_page), upright);  // sheet mode is never turned

        // Residence mode keeps colour, label mode and outline, and detects nothing.
        m_preview->UpdateCurrentControlMode(DocMode);
        const QColor docColour = label->overlayColor();
        const QVector<int> doc = show3(m_page);
        m_preview->UpdateCurrentControlMode(ResidenceMode);
        QCOMPARE(label->overlayColor(), docColour);
        QImage empty(1600, 1200, QImage::Format_RGB888);
        empty.fill(Qt::black);
        show3(empty, false);
        QCOMPARE(show3(empty, false), doc);
        QCOMPARE(label->mode, DocMode);
    }

    // A right click asks for the next frame, copied with its outline, in document and sheet
    // mode only; the frame buffer may change afterwards without touching the copy.
    void rightClickFreezesTheNextFrame() {
        m_preview->SetImageProcessor(m_processor);
        m_preview->resize(400, 300);
        QSignalSpy frozen(m_preview.get(), &CCameraPreview::outlineFreezeRequested);
        auto rightClick = [this] {
            QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(100, 100));
            QApplication::sendEvent(m_preview.get(), &e);
        };
        m_preview->UpdateCurrentControlMode(IDMode);
        m_preview->ShowFrame(&m_page);
        rightClick();
        m_preview->ShowFrame(&m_page);
        QCOMPARE(frozen.count(), 0);
        m_preview->UpdateCurrentControlMode(SheetMode);
        rightClick();
        QCOMPARE(frozen.count(), 0);
        QImage buffer = m_page.copy();
        m_preview->ShowFrame(&buffer);
        QCOMPARE(frozen.count(), 1);
        buffer.fill(Qt::black);
        const QImage frame = frozen[0][0].value<QImage>();
        QCOMPARE(frame, m_page);
        QCOMPARE(frozen[0][1].value<QPolygonF>().size(), 4);
        m_preview->ShowFrame(&m_page);
        QCOMPARE(frozen.count(), 1);  // once per click
        m_preview->UpdateCurrentControlMode(DocMode);
    }
};

QTEST_MAIN(TestCameraPreview)
#include "tst_CameraPreview.moc"
