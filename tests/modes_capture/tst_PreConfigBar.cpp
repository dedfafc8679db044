#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/DocumentModePage.h"
#include "output/OutputPipeline.h"

namespace {

int g_released = 0;
void countRelease(void* data) {
    delete[] static_cast<uchar*>(data);
    ++g_released;
}

// A capture as the camera side delivers it (heap-allocated, RGB888) over a buffer whose release
// is counted, so the test sees whether the bar let go of it.
QImage capture(int w, int h, QRgb colour) {
    auto* data = new uchar[size_t(w) * h * 3];
    for (int i = 0; i < w * h; ++i) {
        data[3 * i] = qRed(colour);
        data[3 * i + 1] = qGreen(colour);
        data[3 * i + 2] = qBlue(colour);
    }
    return QImage(data, w, h, w * 3, QImage::Format_RGB888, countRelease, data);
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class TestPreConfigBar : public QObject {
    Q_OBJECT
private:
    QTemporaryDir appDir;
    QTemporaryDir out;
    AppSettings settings;
    CPreConfigBar* bar = nullptr;
    QSignalSpy* saved = nullptr;

    // Every queued file written and its announcement delivered.
    void settle() {
        QVERIFY(bar->WaitForSaves());
        QCoreApplication::sendPostedEvents();
    }

    // Hands a capture to the bar and returns the path it announces as saved.
    QString shoot(int w, int h, QRgb colour) {
        const int before = saved->count();
        bar->HandleTakePhoto(capture(w, h, colour));
        if (!QTest::qWaitFor([&] { return saved->count() > before; }, 5000))
            return QString();
        return saved->last().at(0).toString();
    }

private slots:
    void initTestCase() {
        AppPaths::setApplicationDir(appDir.path());
        qputenv("MIRAVELO_LOG", "1");
        QDir::setCurrent(appDir.path());
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
        // The Original treatment needs no document detection.
        QTest::mouseClick(bar->DocPage()->tile(0), Qt::LeftButton);
        QCOMPARE(bar->DocPage()->option(), 0);
    }

    void cleanup() {
        QVERIFY(bar->WaitForSaves());
        delete saved;
        delete bar;
    }

    void directSaveWritesAnnouncesAndReleases() {
        bar->HandleTakePhoto(capture(320, 200, qRgb(200, 10, 10)));
        bar->HandleTakePhoto(capture(320, 200, qRgb(10, 10, 200)));
        QCOMPARE(g_released, 2);  // both captures let go at once
        QTRY_COMPARE(saved->count(), 2);
        QStringList announced{saved->at(0).at(0).toString(), saved->at(1).at(0).toString()};
        announced.sort();
        QCOMPARE(announced,
                 QStringList({out.filePath("IMG0000.png"), out.filePath("IMG0001.png")}));
        QCOMPARE(QImage(out.filePath("IMG0000.png")).pixel(5, 5), qRgb(200, 10, 10));
        QCOMPARE(QImage(out.filePath("IMG0001.png")).pixel(5, 5), qRgb(10, 10, 200));
        QVERIFY(bar->DocPage()->state() == 0 && !bar->DocPage()->tile(0)->hasImage);

        // Cameras listed under a larger size: Original captures are enlarged to it.
        bar->SetOriginalCaptureSize(QSize(400, 260));
        QCOMPARE(QImage(shoot(320, 200, qRgb(0, 255, 0))).size(), QSize(400, 260));
        bar->SetOriginalCaptureSize(QSize());

        // Rotation by a quarter turn swaps the sides of the page.
        settings.docRotateAngle = 90;
        QCOMPARE(QImage(shoot(320, 200, qRgb(0, 255, 0))).size(), QSize(200, 320));

        // Every mode lets go of its capture; a null capture is simply dropped.
        for (int tab : {1, 2, 3}) {
            bar->TabWidget()->setCurrentIndex(tab);
            QCOMPARE(int(bar->CurrentMode()), tab);
            bar->HandleTakePhoto(capture(64, 48, qRgb(1, 2, 3)));
        }
        QCOMPARE(g_released, 7);
        bar->HandleTakePhoto(QImage());
        settle();
        QCOMPARE(saved->count(), 4);
        QCOMPARE(filesIn(out.path()).size(), 4);
    }

    void previewPathSavesTheFullCaptureOnce() {
        QTest::mouseClick(bar->DocPage()->saveDirectlyBox(), Qt::LeftButton);
        QVERIFY(!bar->DocPage()->saveDirectlyBox()->isChecked() &&
                bar->DocPage()->saveButtonWidget()->isEnabled());
        bar->HandleTakePhoto(capture(400, 300, qRgb(250, 0, 0)));
        QCOMPARE(bar->DocPage()->state(), 2);
        QVERIFY(bar->DocPage()->tile(0)->hasImage);  // the Original preview
        // A newer capture replaces the pending one.
        bar->HandleTakePhoto(capture(400, 300, qRgb(0, 0, 250)));
        QCOMPARE(g_released, 1);  // the replaced one
        settle();
        QCOMPARE(saved->count(), 0);

        bar->DocPage()->saveButtonWidget()->pressed();
        bar->DocPage()->saveButtonWidget()->pressed();  // nothing left to save the second time
        settle();
        QCOMPARE(saved->count(), 1);
        const QImage file(saved->at(0).at(0).toString());
        QCOMPARE(file.size(), QSize(400, 300));  // full resolution, not the preview
        QCOMPARE(file.pixel(3, 3), qRgb(0, 0, 250));
        QVERIFY(!bar->DocPage()->tile(0)->hasImage);

        // Checking "Save Directly" with a preview pending saves it at once.
        bar->HandleTakePhoto(capture(100, 80, qRgb(0, 250, 0)));
        QTest::mouseClick(bar->DocPage()->saveDirectlyBox(), Qt::LeftButton);
        QTRY_COMPARE(saved->count(), 2);
        QVERIFY(!bar->DocPage()->saveButtonWidget()->isEnabled());

        // A tab change discards a pending preview.
        QTest::mouseClick(bar->DocPage()->saveDirectlyBox(), Qt::LeftButton);
        bar->HandleTakePhoto(capture(100, 80, qRgb(9, 9, 9)));
        QSignalSpy modes(bar, &CPreConfigBar::Signal_ControlChanged);
        bar->TabWidget()->setCurrentIndex(3);
        bar->TabWidget()->setCurrentIndex(0);
        QCOMPARE(modes.count(), 2);
        QCOMPARE(modes.at(1).at(0).value<ControlMode>(), DocMode);
        bar->DocPage()->saveButtonWidget()->pressed();
        settle();
        QCOMPARE(saved->count(), 2);
    }

    void tilesAreAnExclusiveChoice() {
        QSignalSpy origin(bar, &CPreConfigBar::originImgWidgetCliked);
        QSignalSpy other(bar, &CPreConfigBar::notOriginImgModeSignal);
        QTest::mouseClick(bar->DocPage()->tile(3), Qt::LeftButton);
        QCOMPARE(bar->DocPage()->option(), 3);
        QVERIFY(other.count() == 1 && origin.count() == 0);
        // A double click (press, release, double-click, release) toggles once.
        QTest::mouseClick(bar->DocPage()->tile(1), Qt::LeftButton);
        QTest::mouseDClick(bar->DocPage()->tile(1), Qt::LeftButton);
        QCOMPARE(bar->DocPage()->option(), 1);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(bar->DocPage()->tile(k)->selected, k == 1);
        // Deselecting the chosen tile leaves none chosen.
        QTest::mouseClick(bar->DocPage()->tile(1), Qt::LeftButton);
        QCOMPARE(bar->DocPage()->option(), 4);
        for (int k = 0; k < 4; ++k)
            QVERIFY(!bar->DocPage()->tile(k)->selected);
    }

    void formatsNamesAndWatermarkFollowTheSettings() {
        settings.imageType = 3;
        settings.namePre = "page-";
        const QString gif = shoot(120, 90, qRgb(30, 60, 90));
        QCOMPARE(gif, out.filePath("page-0000.gif"));
        QCOMPARE(QImageReader(gif).format(), QByteArray("gif"));

        // An image type outside the list writes JPEG data, without extension under a given name.
        settings.imageType = 9;
        QImage img(50, 40, QImage::Format_RGB888);
        img.fill(Qt::gray);
        QCOMPARE(bar->Output()->saveAs(img, "named"), out.filePath("named"));
        QTRY_COMPARE(saved->count(), 2);
        QCOMPARE(saved->at(1).at(0).toString(), out.filePath("named"));
        QCOMPARE(QImageReader(out.filePath("named")).format(), QByteArray("jpeg"));

        // The watermark is stamped into the file; with its picture gone the capture is still
        // saved, unstamped.
        settings.imageType = 2;
        QImage s(10, 10, QImage::Format_RGB32);
        s.fill(qRgb(0, 255, 0));
        QVERIFY(s.save(appDir.filePath("stamp.png")));
        settings.wmType = 3;
        settings.wmImgPath = appDir.filePath("stamp.png");
        settings.wmPosition = 1;
        settings.wmWidth = settings.wmHeight = 40;
        const QImage stamped(shoot(200, 100, qRgb(0, 0, 0)));
        QCOMPARE(stamped.pixel(20, 20), qRgb(0, 255, 0));
        QCOMPARE(stamped.pixel(60, 60), qRgb(0, 0, 0));
        QFile::remove(settings.wmImgPath);
        QCOMPARE(QImage(shoot(200, 100, qRgb(0, 0, 0))).pixel(20, 20), qRgb(0, 0, 0));
    }

    void unusableOutputFallsBackOrIsReported() {
        // No folder set, or a file where the folder should be: the working directory takes it.
        QFile blocker(out.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (const QString& dir : {QString(), out.filePath("blocker"), QString("C:\\OutPut\\")}) {
            settings.baseDir = dir;
            QCOMPARE(QFileInfo(shoot(60, 40, qRgb(5, 5, 5))).absolutePath(), QDir::currentPath());
            QCOMPARE(settings.baseDir, QDir::currentPath());
        }
        QVERIFY(!QFileInfo::exists(QDir::current().filePath("C:")));

        // A prefix with a path separator stays in the output folder instead of naming another
        // (or a missing) folder, and the change is logged.
        settings.baseDir = out.path();
        settings.namePre = "../IMG";
        const QFileInfo inside(shoot(60, 40, qRgb(5, 5, 5)));
        QCOMPARE(inside.absolutePath(), out.path());
        QVERIFY(inside.fileName().startsWith(".._IMG"));

        // A name the file system refuses (too long): nothing is announced, nothing appears, and
        // the failure is logged.
        const int before = saved->count();
        settings.namePre = QString(300, QChar('x'));
        bar->HandleTakePhoto(capture(60, 40, qRgb(5, 5, 5)));
        settle();
        QCOMPARE(saved->count(), before);
        QCOMPARE(filesIn(out.path()).size(), 2);
        QFile logFile(QDir::current().filePath("Log/ZVTM" +
                                               QDate::currentDate().toString("yyyyMMdd") + ".log"));
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        const QByteArray logText = logFile.readAll();
        QVERIFY(logText.contains("Fail to save image") && logText.contains("xxxxxxxxxx0"));
        QVERIFY(logText.contains("path separator"));
    }
};

QTEST_MAIN(TestPreConfigBar)
#include "tst_PreConfigBar.moc"
