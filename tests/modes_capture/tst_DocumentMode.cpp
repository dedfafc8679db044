// Document mode against the real image-processing library and rendered desk photos.
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/DocumentModePage.h"
#include "output/OutputPipeline.h"
#include "scene/Scene.h"

namespace {

// The page's true width / height of the last rendered photo.
double g_trueAspect = 0;

QImage photo(scene::Object object, uint32_t seed, double rotation) {
    scene::Params p = scene::randomParams(object, seed, 1600, 1200);
    g_trueAspect = p.objectWidthMm / p.objectHeightMm;
    p.rotationDeg = rotation;
    p.centerMm = {0, 0};
    p.fieldWidthMm = 600;  // the whole page in the frame, whatever its turn
    p.tiltXDeg = p.tiltYDeg = 0;
    p.castShadow = false;
    const scene::Scene s = scene::render(p);
    QImage view(s.rgb.data, s.rgb.cols, s.rgb.rows, int(s.rgb.step), QImage::Format_RGB888);
    return view.copy();
}

bool isGrey(const QImage& img) {
    for (int y = 0; y < img.height(); y += 7)
        for (int x = 0; x < img.width(); x += 7) {
            const QRgb p = img.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))
                return false;
        }
    return true;
}

double aspect(const QImage& img) {
    return img.isNull() ? 0 : double(img.width()) / img.height();
}

}  // namespace

class TestDocumentMode : public QObject {
    Q_OBJECT
private:
    QTemporaryDir out;
    AppSettings settings;
    CPreConfigBar* bar = nullptr;
    QSignalSpy* saved = nullptr;

    QImage lastFile() { return QImage(saved->last().at(0).toString()); }
    // Hands a capture over and returns the file it saves.
    QImage shoot(const QImage& capture) {
        const int before = saved->count();
        bar->HandleTakePhoto(capture);
        return QTest::qWaitFor([&] { return saved->count() > before; }, 10000) ? lastFile()
                                                                               : QImage();
    }
    void choose(int option) {
        if (!bar->DocPage()->tile(option)->selected)
            QTest::mouseClick(bar->DocPage()->tile(option), Qt::LeftButton);
        QCOMPARE(bar->DocPage()->option(), option);
    }

private slots:
    void initTestCase() { AppPaths::setApplicationDir(MIRAVELO_BIN_DIR); }

    void init() {
        settings = AppSettings();
        settings.baseDir = out.path();
        settings.nameType = 1;
        settings.imageType = 2;
        bar = new CPreConfigBar;
        bar->SetSettings(&settings);
        saved = new QSignalSpy(bar, &CPreConfigBar::Signal_SaveImageToDisk);
    }

    void cleanup() {
        QVERIFY(bar->WaitForSaves());
        delete saved;
        delete bar;
    }

    void fourTreatmentsSaveDirectly() {
        // Default: Auto Cutting. Each tilted page comes out straight with the page's proportions,
        // in grey for option 3; a turn by 270 degrees lays the cut page on its side.
        QCOMPARE(bar->DocPage()->option(), 1);
        const struct {
            int option, seed;
            double tilt;
            int turn;
            bool grey;
        } cases[] = {{1, 11, 17.0, 0, false},
                     {3, 12, -8.0, 0, true},
                     {2, 13, 4.0, 0, false},
                     {1, 15, 3.0, 270, false}};
        for (const auto& c : cases) {
            choose(c.option);
            settings.docRotateAngle = c.turn;
            const QImage file = shoot(photo(scene::Object::Document, c.seed, c.tilt));
            const double want = c.turn ? 1.0 / g_trueAspect : g_trueAspect;
            QVERIFY2(qAbs(aspect(file) - want) < (c.turn ? 0.06 : 0.04),
                     qPrintable(QString::number(aspect(file))));
            QVERIFY(!file.isNull() && file.width() * file.height() < 1600 * 1200);
            QCOMPARE(isGrey(file), c.grey);
            for (int k = 0; k < 4; ++k)
                QVERIFY(!bar->DocPage()->tile(k)->hasImage);
        }
        // Original keeps the whole frame; a quarter turn makes it portrait.
        choose(0);
        settings.docRotateAngle = 90;
        QCOMPARE(shoot(photo(scene::Object::Document, 14, 0.0)).size(), QSize(1200, 1600));
    }

    void emptyDeskSavesOnlyTheOriginal() {
        for (int option : {1, 2, 3}) {
            choose(option);
            bar->HandleTakePhoto(photo(scene::Object::EmptyDesk, 21 + option, 0.0));
        }
        QVERIFY(bar->WaitForSaves());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(saved->count(), 0);
        choose(0);
        QCOMPARE(shoot(photo(scene::Object::EmptyDesk, 30, 0.0)).size(), QSize(1600, 1200));
    }

    void previewThenSaveUsesTheFullCapture() {
        QTest::mouseClick(bar->DocPage()->saveDirectlyBox(), Qt::LeftButton);
        bar->HandleTakePhoto(photo(scene::Object::Document, 41, 12.0));
        // All four previews are shown, made from the quarter-size copy.
        for (int k = 0; k < 4; ++k)
            QVERIFY(bar->DocPage()->tile(k)->hasImage);
        QVERIFY(isGrey(*bar->DocPage()->tile(3)->Image()));
        QCOMPARE(saved->count(), 0);

        choose(3);
        bar->DocPage()->saveButtonWidget()->pressed();
        QTRY_COMPARE(saved->count(), 1);
        // A grey crop of the full capture: far larger than a crop of the 400 x 300 preview.
        QVERIFY(isGrey(lastFile()) && lastFile().height() > 500);
        for (int k = 0; k < 4; ++k)
            QVERIFY(!bar->DocPage()->tile(k)->hasImage);

        // No tile chosen: cut like Auto Cutting, which then shows as chosen.
        QTest::mouseClick(bar->DocPage()->tile(3), Qt::LeftButton);
        QCOMPARE(bar->DocPage()->option(), 4);
        bar->HandleTakePhoto(photo(scene::Object::Document, 42, -5.0));
        bar->DocPage()->saveButtonWidget()->pressed();
        QTRY_COMPARE(saved->count(), 2);
        QVERIFY(!isGrey(lastFile()) && qAbs(aspect(lastFile()) - g_trueAspect) < 0.04);
        QVERIFY(bar->DocPage()->tile(1)->selected);
        QCOMPARE(bar->DocPage()->option(), 4);
    }
};

QTEST_MAIN(TestDocumentMode)
#include "tst_DocumentMode.moc"
