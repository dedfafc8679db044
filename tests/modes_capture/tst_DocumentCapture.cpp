// The scan-mode bar's document page from capture to file: the direct and previewed saves, the
// treatment tiles against the real image-processing library on rendered desk photos, and the
// output folder and names taken from the live settings.
#include <QtTest>
#include <QtWidgets>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/DocumentModePage.h"
#include "output/OutputPipeline.h"
#include "scene/Scene.h"

namespace {

int g_released = 0;
void countRelease(void* data) {
    delete[] static_cast<uchar*>(data);
    ++g_released;
}

// A plain capture as the camera side delivers it (heap-allocated, RGB888) over a buffer whose
// release is counted, so the test sees whether the bar let go of it.
QImage capture(int w, int h, QRgb colour) {
    auto* data = new uchar[size_t(w) * h * 3];
    for (int i = 0; i < w * h; ++i) {
        data[3 * i] = qRed(colour);
        data[3 * i + 1] = qGreen(colour);
        data[3 * i + 2] = qBlue(colour);
    }
    return QImage(data, w, h, w * 3, QImage::Format_RGB888, countRelease, data);
}

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
    return QImage(s.rgb.data, s.rgb.cols, s.rgb.rows, int(s.rgb.step), QImage::Format_RGB888)
        .copy();
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

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class TestDocumentCapture : public QObject {
    Q_OBJECT
private:
    QTemporaryDir workDir;
    QTemporaryDir out;
    AppSettings settings;
    CPreConfigBar* bar = nullptr;
    QSignalSpy* saved = nullptr;

    DocumentModePage* doc() const { return bar->DocPage(); }
    // Every queued file written and its announcement delivered.
    void settle() {
        QVERIFY(bar->WaitForSaves());
        QCoreApplication::sendPostedEvents();
    }
    QString lastPath() const { return saved->last().at(0).toString(); }
    // Hands a capture to the bar and returns the path it announces as saved.
    QString shoot(const QImage& img) {
        const int before = saved->count();
        bar->HandleTakePhoto(img);
        return QTest::qWaitFor([&] { return saved->count() > before; }, 30000) ? lastPath()
                                                                               : QString();
    }
    void choose(int option) {
        if (!doc()->tile(option)->selected)
            QTest::mouseClick(doc()->tile(option), Qt::LeftButton);
        QCOMPARE(doc()->option(), option);
    }
    void press(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton); }

private slots:
    void initTestCase() {
        AppPaths::setApplicationDir(MIRAVELO_BIN_DIR);
        qputenv("MIRAVELO_LOG", "1");
        QDir::setCurrent(workDir.path());  // the log and the fallback output folder
    }

    void init() {
        for (const QString& f : filesIn(out.path()))
            QFile::remove(out.filePath(f));
        settings = AppSettings();
        settings.baseDir = out.path();
        settings.nameType = 1;   // Index
        settings.imageType = 2;  // PNG keeps colours exact
        bar = new CPreConfigBar;
        bar->SetSettings(&settings);
        saved = new QSignalSpy(bar, &CPreConfigBar::Signal_SaveImageToDisk);
        g_released = 0;
    }

    void cleanup() {
        QVERIFY(bar->WaitForSaves());
        delete saved;
        delete bar;
    }

    void originalSavesWriteAnnounceAndRelease() {
        choose(0);
        bar->HandleTakePhoto(capture(320, 200, qRgb(200, 10, 10)));
        bar->HandleTakePhoto(capture(320, 200, qRgb(10, 10, 200)));
        QCOMPARE(g_released, 2);  // both captures let go at once
        QTRY_COMPARE_WITH_TIMEOUT(saved->count(), 2, 30000);
        QCOMPARE(QSet<QString>({saved->at(0).at(0).toString(), saved->at(1).at(0).toString()}),
                 QSet<QString>({out.filePath("IMG0000.png"), out.filePath("IMG0001.png")}));
        QCOMPARE(QImage(out.filePath("IMG0000.png")).pixel(5, 5), qRgb(200, 10, 10));
        QCOMPARE(QImage(out.filePath("IMG0001.png")).pixel(5, 5), qRgb(10, 10, 200));

        // Cameras listed under a larger size: Original captures are enlarged to it.
        bar->SetOriginalCaptureSize(QSize(400, 260));
        QCOMPARE(QImage(shoot(capture(320, 200, qRgb(0, 255, 0)))).size(), QSize(400, 260));
        bar->SetOriginalCaptureSize(QSize());
        // A quarter turn swaps the sides; an empty desk still gives its whole frame.
        settings.docRotateAngle = 90;
        QCOMPARE(QImage(shoot(capture(320, 200, qRgb(0, 255, 0)))).size(), QSize(200, 320));
        settings.docRotateAngle = 0;
        QCOMPARE(QImage(shoot(photo(scene::Object::EmptyDesk, 30, 0.0))).size(), QSize(1600, 1200));

        // Every mode lets go of its capture once it is processed (sheet captures are cut on a
        // worker); a null capture is simply dropped.
        for (int tab : {1, 2, 3}) {
            bar->TabWidget()->setCurrentIndex(tab);
            bar->HandleTakePhoto(capture(64, 48, qRgb(1, 2, 3)));
        }
        QVERIFY(bar->WaitForSaves());
        QCOMPARE(g_released, 7);
        bar->HandleTakePhoto(QImage());
        settle();
        QCOMPARE(saved->count(), 5);
        QCOMPARE(filesIn(out.path()).size(), 5);
    }

    void treatmentsCutTheDetectedPage() {
        // Default: Auto Cutting. Each tilted page comes out straight with the page's proportions,
        // in grey for option 3; a turn by 270 degrees lays the cut page on its side.
        QCOMPARE(doc()->option(), 1);
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
            const QImage file = QImage(shoot(photo(scene::Object::Document, c.seed, c.tilt)));
            const double want = c.turn ? 1.0 / g_trueAspect : g_trueAspect;
            QVERIFY2(qAbs(aspect(file) - want) < (c.turn ? 0.06 : 0.04),
                     qPrintable(QString::number(aspect(file))));
            QVERIFY(file.width() * file.height() < 1600 * 1200);
            QCOMPARE(isGrey(file), c.grey);
        }
        // No page found: the treatments save nothing, and say so each time.
        QSignalSpy noPage(bar->Output(), &OutputPipeline::noPageFound);
        for (int option : {1, 2, 3}) {
            choose(option);
            bar->HandleTakePhoto(photo(scene::Object::EmptyDesk, 21 + option, 0.0));
        }
        settle();
        QCOMPARE(saved->count(), int(std::size(cases)));
        QCOMPARE(noPage.count(), 3);
    }

    void previewThenSaveUsesTheFullCaptureOnce() {
        press(doc()->saveDirectlyBox());
        QVERIFY(doc()->saveButtonWidget()->isEnabled());
        bar->HandleTakePhoto(photo(scene::Object::Document, 41, 12.0));
        for (int k = 0; k < 4; ++k)
            QVERIFY(doc()->tile(k)->hasImage);
        QVERIFY(isGrey(*doc()->tile(3)->Image()));
        // A newer capture replaces the pending one.
        bar->HandleTakePhoto(capture(400, 300, qRgb(0, 0, 250)));
        QCOMPARE(g_released, 0);
        bar->HandleTakePhoto(photo(scene::Object::Document, 41, 12.0));
        QCOMPARE(g_released, 1);  // the replaced one
        settle();
        QCOMPARE(saved->count(), 0);

        choose(3);
        doc()->saveButtonWidget()->pressed();
        doc()->saveButtonWidget()->pressed();  // nothing left to save the second time
        settle();
        QCOMPARE(saved->count(), 1);
        // A grey crop of the full capture: far larger than a crop of the small preview.
        QVERIFY(isGrey(QImage(lastPath())) && QImage(lastPath()).height() > 500);
        for (int k = 0; k < 4; ++k)
            QVERIFY(!doc()->tile(k)->hasImage);

        // No tile chosen: cut like Auto Cutting.
        QTest::mouseClick(doc()->tile(3), Qt::LeftButton);
        QCOMPARE(doc()->option(), 4);
        bar->HandleTakePhoto(photo(scene::Object::Document, 42, -5.0));
        doc()->saveButtonWidget()->pressed();
        QTRY_COMPARE_WITH_TIMEOUT(saved->count(), 2, 30000);
        QVERIFY(!isGrey(QImage(lastPath())) &&
                qAbs(aspect(QImage(lastPath())) - g_trueAspect) < 0.04);

        // Checking "Save Directly" with a preview pending saves it at once.
        choose(0);
        bar->HandleTakePhoto(capture(100, 80, qRgb(0, 250, 0)));
        press(doc()->saveDirectlyBox());
        QTRY_COMPARE_WITH_TIMEOUT(saved->count(), 3, 30000);
        QVERIFY(!doc()->saveButtonWidget()->isEnabled());

        // A tab change discards a pending preview.
        press(doc()->saveDirectlyBox());
        bar->HandleTakePhoto(capture(100, 80, qRgb(9, 9, 9)));
        QSignalSpy modes(bar, &CPreConfigBar::Signal_ControlChanged);
        bar->TabWidget()->setCurrentIndex(3);
        bar->TabWidget()->setCurrentIndex(0);
        QCOMPARE(modes.count(), 2);
        doc()->saveButtonWidget()->pressed();
        settle();
        QCOMPARE(saved->count(), 3);
    }

    void tilesAreAnExclusiveChoice() {
        QSignalSpy origin(bar, &CPreConfigBar::originImgWidgetCliked);
        QSignalSpy other(bar, &CPreConfigBar::notOriginImgModeSignal);
        QTest::mouseClick(doc()->tile(3), Qt::LeftButton);
        QCOMPARE(doc()->option(), 3);
        QVERIFY(other.count() == 1 && origin.count() == 0);
        QTest::mouseClick(doc()->tile(0), Qt::LeftButton);
        QCOMPARE(origin.count(), 1);
        QTest::mouseClick(doc()->tile(1), Qt::LeftButton);
        // A double click (press, release, double-click, release) toggles once.
        QTest::mouseDClick(doc()->tile(1), Qt::LeftButton);
        QCOMPARE(doc()->option(), 1);
        QVERIFY(!doc()->tile(0)->selected && !doc()->tile(3)->selected);
        // Deselecting the chosen tile leaves none chosen.
        QTest::mouseClick(doc()->tile(1), Qt::LeftButton);
        QCOMPARE(doc()->option(), 4);
        QVERIFY(!doc()->tile(1)->selected);
    }

    void namesWatermarkAndUnusableOutput() {
        choose(0);
        // The watermark from the live settings is stamped into the file.
        QVERIFY(capture(10, 10, qRgb(0, 255, 0)).save(workDir.filePath("stamp.png")));
        settings.wmType = 3;
        settings.wmImgPath = workDir.filePath("stamp.png");
        settings.wmPosition = 1;
        settings.wmWidth = settings.wmHeight = 40;
        const QImage stamped(shoot(capture(200, 100, qRgb(0, 0, 0))));
        QCOMPARE(stamped.pixel(20, 20), qRgb(0, 255, 0));
        QCOMPARE(stamped.pixel(60, 60), qRgb(0, 0, 0));
        settings.wmType = 0;

        // No folder set, a file where the folder should be, a foreign or a read-only one: the
        // pictures folder takes the files for now, said once; the setting keeps the user's
        // choice, and the working directory never gets a file.
        QFile blocker(out.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString readOnly = out.filePath("locked");
        QVERIFY(QDir().mkdir(readOnly));
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
        const QString pictures = AppSettings::picturesOutputDirectory();
        QSignalSpy replaced(bar->Output(), &OutputPipeline::outputDirectoryReplaced);
        QSignalSpy restored(bar->Output(), &OutputPipeline::outputDirectoryRestored);
        const QString gone = out.filePath("unplugged/deep");
        for (const QString& dir :
             {QString(), out.filePath("blocker"), QString("C:\\OutPut\\"), readOnly, gone, gone}) {
            settings.baseDir = dir;
            QCOMPARE(QFileInfo(shoot(capture(60, 40, qRgb(5, 5, 5)))).absolutePath(),
                     QDir(pictures).absolutePath());
            QCOMPARE(settings.baseDir, dir);
        }
        QCOMPARE(replaced.count(), 5);  // not again for the second capture into the same fallback
        QCOMPARE(replaced.last(), QVariantList({gone, pictures}));
        QVERIFY(QDir(workDir.path()).entryList({"IMG*"}).isEmpty() && filesIn(readOnly).isEmpty());
        QVERIFY(!QFileInfo::exists(QDir::current().filePath("C:")));
        // The drive is back: the next capture goes there, and that is said once.
        QVERIFY(QDir().mkpath(gone));
        QCOMPARE(QFileInfo(shoot(capture(60, 40, qRgb(5, 5, 5)))).absolutePath(), gone);
        QCOMPARE(restored.count(), 1);

        // A prefix with a path separator stays in the output folder, one with leading dots
        // would hide the files; both changes are logged. An unknown image type saves the
        // default one instead of files without an extension.
        settings.baseDir = out.path();
        settings.namePre = "../IMG";
        const QFileInfo inside(shoot(capture(60, 40, qRgb(5, 5, 5))));
        QCOMPARE(inside.absolutePath(), out.path());
        QVERIFY(inside.fileName().startsWith("_IMG"));
        settings.namePre = "..hidden";
        settings.imageType = 9;
        const QFileInfo shown(shoot(capture(60, 40, qRgb(5, 5, 5))));
        QVERIFY2(shown.fileName().startsWith("hidden") && shown.suffix() == "bmp",
                 qPrintable(shown.fileName()));
        QCOMPARE(QImageReader(shown.filePath()).format(), QByteArray("bmp"));
        settings.imageType = 2;

        // A name the file system refuses (too long): nothing announced, nothing written, logged.
        const int before = saved->count();
        const QStringList files = filesIn(out.path());
        settings.namePre = QString(300, QChar('x'));
        bar->HandleTakePhoto(capture(60, 40, qRgb(5, 5, 5)));
        settle();
        QCOMPARE(saved->count(), before);
        QCOMPARE(filesIn(out.path()), files);
        QFile logFile(QDir::current().filePath("Log/ZVTM" +
                                               QDate::currentDate().toString("yyyyMMdd") + ".log"));
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        const QByteArray logText = logFile.readAll();
        QVERIFY(logText.contains("Fail to save image") && logText.contains("xxxxxxxxxx0"));
        for (const char* line : {"path separator", "starts with a dot", "Image type 9",
                                 "unplugged/deep\" is usable again"})
            QVERIFY2(logText.contains(line), line);
    }
};

QTEST_MAIN(TestDocumentCapture)
#include "tst_DocumentCapture.moc"
