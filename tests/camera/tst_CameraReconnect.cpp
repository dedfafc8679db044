// The whole window on the V4L2 back end, against the fake UVC camera preloaded into this test:
// what a user sees when the camera is unplugged, stalls, comes back or is held by another program.
#include "../libs_camctl/CamCtlClient.h"
#include "camera/DeviceController.h"
#include "support/WindowFixture.h"
#include "ui/NoticeBar.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

class TestCameraReconnect : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(FakeV4l2::present(), "run with the fake camera preloaded");
        qputenv("MIRAVELO_CAMERA", "v4l2");
    }

    void lostCameraIsShownAndComesBackAsItWas() {
        WindowFixture f;
        f.linkLibraries();
        QVERIFY(f.writeIni(f.captureIni()));
        MainWindow* w = f.start();
        QVERIFY(w);
        auto* device = w->findChild<DeviceController*>();
        auto* notice = w->findChild<NoticeBar*>();
        QTRY_VERIFY_WITH_TIMEOUT(device->previewRunning(), 20000);
        f.find<QComboBox>("pCombo_Resolution")->setCurrentText("640*480");
        QTRY_VERIFY_WITH_TIMEOUT(device->previewRunning(), 20000);

        // "Power Fre:" reaches the camera and the settings file.
        auto* power = f.find<QComboBox>("pCombo_PowerFre");
        QCOMPARE(power->currentText(), QString("50HZ"));
        QCOMPARE(FakeV4l2::get("powerLine"), KELM_CAMCTL_POWER_LINE_50HZ);
        power->setCurrentIndex(1);
        emit power->activated(1);
        QCOMPARE(FakeV4l2::get("powerLine"), KELM_CAMCTL_POWER_LINE_60HZ);
        QVERIFY(f.iniBytes().contains("PowerFrequency=60"));
        f.find<QSlider>("pSlider_Brightness")->setValue(30);
        QCOMPARE(FakeV4l2::get("brightness"), 30);

        // Unplugged: said over the preview, and the same camera comes back as the user left it
        // (a replugged camera starts from its own defaults).
        FakeV4l2::set("plugged", 0);
        QTRY_COMPARE_WITH_TIMEOUT(notice->text(), QString("Camera disconnected"), 20000);
        QVERIFY(!device->previewRunning());
        FakeV4l2::set("plugged", 1);
        QTRY_VERIFY_WITH_TIMEOUT(device->previewRunning() && notice->text().isEmpty(), 20000);
        QCOMPARE(f.find<QComboBox>("pCombo_Resolution")->currentText(), QString("640*480"));
        QCOMPARE(FakeV4l2::get("brightness"), 30);
        QCOMPARE(FakeV4l2::get("powerLine"), KELM_CAMCTL_POWER_LINE_60HZ);

        // A stream that stops sending frames is reported the same way, and recovers.
        FakeV4l2::set("stalled", 1);
        QTRY_COMPARE_WITH_TIMEOUT(notice->text(), QString("Camera disconnected"), 60000);
        FakeV4l2::set("stalled", 0);
        QTRY_VERIFY_WITH_TIMEOUT(device->previewRunning() && notice->text().isEmpty(), 20000);

        // Held by another program: the user is told so, not that the format was refused.
        auto* open = f.find<QPushButton>("pBtn_OpenDevice");
        open->click();
        FakeV4l2::set("busy", 1);
        open->click();
        QTRY_COMPARE_WITH_TIMEOUT(notice->text(),
                                  QString("The camera is in use by another program."), 20000);
        QVERIFY(!device->previewRunning() && open->isEnabled());
        FakeV4l2::set("busy", 0);

        // A camera that takes its time to negotiate: the window keeps answering and says what it
        // waits for, and the camera controls wait with it. The negotiation lasts until the test
        // ends it, so a start made on the window's own thread would show no turn at all.
        FakeV4l2::set("slowMs", 60000);
        int turns = 0;
        QTimer beat;
        connect(&beat, &QTimer::timeout, [&] {
            turns += !device->previewRunning() && notice->text() == QString("Opening camera…");
        });
        beat.start(1);
        open->click();
        QTRY_VERIFY_WITH_TIMEOUT(turns >= 5, 20000);
        QVERIFY(!open->isEnabled() && !f.find<QSlider>("pSlider_Brightness")->isEnabled());
        FakeV4l2::set("slowMs", 0);
        QTRY_VERIFY_WITH_TIMEOUT(device->previewRunning() && notice->text().isEmpty(), 20000);
        QVERIFY(open->isEnabled() && f.find<QSlider>("pSlider_Brightness")->isEnabled());
    }
};

QTEST_MAIN(TestCameraReconnect)
#include "tst_CameraReconnect.moc"
