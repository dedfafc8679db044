#include "scene/Scene.h"
#include "support/MatImage.h"
#include "textread/Orientation.h"

#include <QTemporaryDir>
#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <thread>

namespace {

QImage textPage(uint32_t seed, int width = 3264, int height = 2448) {
    const scene::Params p = scene::randomParams(scene::Object::Document, seed, width, height);
    return toQImage(scene::flatObject(scene::render(p)));
}

QImage blankSheet() {
    cv::Mat sheet(1400, 1000, CV_8UC3, cv::Scalar(236, 234, 228));
    cv::Mat noise(sheet.size(), CV_8UC3);
    cv::randn(noise, cv::Scalar::all(0), cv::Scalar::all(4));
    sheet += noise;
    cv::circle(sheet, {500, 500}, 180, cv::Scalar(40, 90, 160), cv::FILLED, cv::LINE_AA);
    return toQImage(sheet);
}

QStringList g_warnings;
void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg)
        g_warnings << message;
}

}  // namespace

class TstTextRead : public QObject {
    Q_OBJECT

private slots:
    // Captured pages of text, in every quarter turn and at the sizes of a large and a small
    // camera, come out upright; the turn helper turns the way the answer means.
    void turnsTextPagesUpright() {
        const QImage page = textPage(71);
        const QImage small = textPage(72, 1280, 720);
        for (const QImage& p : {page, small}) {
            for (int shown = 0; shown < 360; shown += 90) {
                const textread::Orientation o =
                    textread::detectOrientation(textread::turned(p, shown));
                QVERIFY2(o.enoughText, qPrintable(QString("turned %1").arg(shown)));
                QCOMPARE((shown + o.turn) % 360, 0);
                QVERIFY(o.confidence >= 1.0f);
            }
        }
        QImage marked(4, 2, QImage::Format_RGB888);
        marked.fill(Qt::white);
        marked.setPixelColor(0, 0, Qt::red);
        const QImage quarter = textread::turned(marked, 90);
        QCOMPARE(quarter.size(), QSize(2, 4));
        QCOMPARE(quarter.pixelColor(1, 0), QColor(Qt::red));  // top-left goes to top-right
        QCOMPARE(textread::turned(marked, 45), marked);
        QCOMPARE(textread::turned(marked, -90), textread::turned(marked, 270));
    }

    // Nothing that is not text is ever turned: a bare desk, a blank sheet with a picture, a
    // 640 x 480 frame of an empty desk, no image, a sliver.
    void leavesPagesWithoutTextAlone() {
        const scene::Params desk = scene::randomParams(scene::Object::EmptyDesk, 5, 3264, 2448);
        const scene::Params smallDesk = scene::randomParams(scene::Object::EmptyDesk, 6, 640, 480);
        const QList<QImage> pages = {toQImage(scene::render(desk).rgb), blankSheet(),
                                     toQImage(scene::render(smallDesk).rgb), QImage(),
                                     QImage(3000, 8, QImage::Format_Grayscale8)};
        for (const QImage& p : pages) {
            const textread::Orientation o = textread::detectOrientation(p);
            QVERIFY(!o.enoughText);
            QCOMPARE(o.turn, 0);
        }
    }

    // Without the orientation data the answer is "not enough text" with a log line; once the
    // data is back, the same thread's engine loads it and reads pages again.
    void missingDataMeansNotEnoughText() {
        const QImage page = textread::turned(textPage(73), 180);
        QTemporaryDir empty;
        const QByteArray before = qgetenv("TESSDATA_PREFIX");
        qputenv("TESSDATA_PREFIX", empty.path().toLocal8Bit());
        g_warnings.clear();
        const QtMessageHandler old = qInstallMessageHandler(keepWarnings);
        const textread::Orientation o = textread::detectOrientation(page);
        qInstallMessageHandler(old);
        if (before.isEmpty())
            qunsetenv("TESSDATA_PREFIX");
        else
            qputenv("TESSDATA_PREFIX", before);
        QVERIFY(!o.enoughText);
        QCOMPARE(o.turn, 0);
        QVERIFY(g_warnings.join('\n').contains("No orientation data"));
        QCOMPARE(textread::detectOrientation(page).turn, 180);
    }

    // Several threads at once, each with its own engine, each get their own page's answer.
    void threadsReadTheirOwnPages() {
        const QImage a = textread::turned(textPage(74), 90);
        const QImage b = textread::turned(textPage(75), 270);
        textread::Orientation ra, rb;
        std::thread ta([&] { ra = textread::detectOrientation(a); });
        std::thread tb([&] { rb = textread::detectOrientation(b); });
        ta.join();
        tb.join();
        QCOMPARE(ra.turn, 270);
        QCOMPARE(rb.turn, 90);
    }
};

QTEST_GUILESS_MAIN(TstTextRead)
#include "tst_textread.moc"
