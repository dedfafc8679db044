// The V4L2 back end through the library's C contract, against the fake UVC camera preloaded into
// this test (a real camera is never needed, nor used).
#include "CamCtlClient.h"
#include "FakeV4l2.h"

#include <QtTest>

#include <cstring>

namespace {

// Polls the library until `done` holds for a query result, or gives up: the last result.
template <typename Done>
int queryUntil(Api& api, Done done, int timeoutMs = 30000) {
    QElapsedTimer t;
    t.start();
    int r = api.queryOnce();
    while (!done(r) && t.elapsed() < timeoutMs) {
        QThread::msleep(5);
        r = api.queryOnce();
    }
    return r;
}

}  // namespace

class TestCamCtlV4l2 : public QObject {
    Q_OBJECT

    Api api;

private slots:
    void initTestCase() {
        QVERIFY2(FakeV4l2::present(), "run with the fake camera preloaded");
        qputenv("MIRAVELO_CAMERA", "v4l2");
        QVERIFY(api.ready());
    }
    void init() { FakeV4l2::reset(); }
    void cleanup() { api.stop(); }

    void listsTheCameraAndStreamsEachModeAtItsFastestRate() {
        KELM_CamDevice devices[8] = {};
        // The metadata node beside the camera is no second camera.
        QCOMPARE(api.deviceList(devices, 8), 1);
        QCOMPARE(QString::fromLatin1(devices[0].name), QString("Fake UVC Camera"));
        KELM_CamResolution res[32] = {};
        // 4656 x 3496 does not fit the frame buffer, so it is not offered.
        QCOMPARE(api.resolutionList(0, res, 32), 5);
        QCOMPARE(api.resolution(0, 4656, 3496, KELM_CAMCTL_FORMAT_MJPG), -1);

        const struct {
            int w, h, format, fps;
        } modes[] = {{640, 480, KELM_CAMCTL_FORMAT_MJPG, 30},
                     {3264, 2448, KELM_CAMCTL_FORMAT_MJPG, 30},
                     {640, 480, KELM_CAMCTL_FORMAT_YUY2, 30},
                     {1280, 720, KELM_CAMCTL_FORMAT_YUY2, 10}};
        for (const auto& m : modes) {
            QCOMPARE(api.start(0, api.resolution(0, m.w, m.h, m.format)), 1);
            QCOMPARE(api.waitFrame(30000).mid(0, 3), QVector<int>({1, m.w, m.h}));
            QCOMPARE(FakeV4l2::get("fps"), m.fps);
            // The textured page below the mark arrives whole, not grey.
            QVERIFY(api.buf[(size_t(m.h - 1) * m.w + 5) * 3] >= 128);
        }
    }

    void controlsReachTheCamera() {
        QCOMPARE(api.start(0, api.resolution(0, 640, 480, KELM_CAMCTL_FORMAT_MJPG)), 1);
        KELM_CamProperty p{}, set{};
        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &p), 1);
        QCOMPARE(QVector<int>({p.minimum, p.maximum, p.defaultValue}), QVector<int>({-64, 64, 0}));
        set.flags = KELM_CAMCTL_FLAG_MANUAL;
        set.value = 40;
        QCOMPARE(api.setVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &set), 1);
        QCOMPARE(FakeV4l2::get("brightness"), 40);
        set.value = KELM_CAMCTL_POWER_LINE_50HZ;
        QCOMPARE(api.setVideo(KELM_CAMCTL_PROP_POWER_LINE, &set), 1);
        QCOMPARE(FakeV4l2::get("powerLine"), KELM_CAMCTL_POWER_LINE_50HZ);
        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_POWER_LINE, &p), 1);
        QCOMPARE(p.value, KELM_CAMCTL_POWER_LINE_50HZ);
        // This camera has no focus at all: neither reading it nor automatic focus pass for done.
        set.flags = KELM_CAMCTL_FLAG_AUTO;
        QCOMPARE(api.getCamera(KELM_CAMCTL_PROP_FOCUS, &p), KELM_CAMCTL_E_UNSUPPORTED);
        QCOMPARE(api.setCamera(KELM_CAMCTL_PROP_FOCUS, &set), KELM_CAMCTL_E_UNSUPPORTED);
    }

    void cutOffFramesNeverDelivered() {
        // Every second frame is cut short (frames 0, 2, 4 ...): only odd marks may come through.
        FakeV4l2::set("cutEvery", 2);
        QCOMPARE(api.start(0, api.resolution(0, 640, 480, KELM_CAMCTL_FORMAT_MJPG)), 1);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(api.waitFrame(30000)[0], 1);
            QCOMPARE(FakeV4l2::frameMark(api.buf.data()) % 2, 1);
            QVERIFY(api.buf[(size_t(479) * 640 + 5) * 3] >= 128);
        }
    }

    void busySlowAndUnpluggedCameras() {
        const int mjpg = api.resolution(0, 640, 480, KELM_CAMCTL_FORMAT_MJPG);
        FakeV4l2::set("busy", 1);
        QCOMPARE(api.start(0, mjpg), KELM_CAMCTL_E_BUSY);
        FakeV4l2::set("busy", 0);

        // A camera that takes its time is waited for, not restarted.
        FakeV4l2::set("slowMs", 1500);
        const int streamOns = FakeV4l2::get("streamOns");
        QCOMPARE(api.start(0, mjpg), 1);
        QCOMPARE(api.waitFrame(30000)[0], 1);
        QCOMPARE(FakeV4l2::get("streamOns"), streamOns + 1);
        FakeV4l2::set("slowMs", 0);

        FakeV4l2::set("plugged", 0);
        QCOMPARE(queryUntil(api, [](int r) { return r < 0; }), KELM_CAMCTL_E_DEVICE_LOST);
        QCOMPARE(api.status(10), KELM_CAMCTL_E_DEVICE_LOST);
        KELM_CamDevice devices[8] = {};
        QCOMPARE(api.deviceList(devices, 8), 0);
        QCOMPARE(api.stop(), 1);
        FakeV4l2::set("plugged", 1);
        QCOMPARE(api.deviceList(devices, 8), 1);
        QCOMPARE(api.start(0, api.resolution(0, 640, 480, KELM_CAMCTL_FORMAT_MJPG)), 1);
        QCOMPARE(api.waitFrame(30000)[0], 1);
    }

    void stalledStreamRestartedOnceThenReported() {
        const int mjpg = api.resolution(0, 640, 480, KELM_CAMCTL_FORMAT_MJPG);
        QCOMPARE(api.start(0, mjpg), 1);
        QCOMPARE(api.waitFrame(30000)[0], 1);
        // Stuck until a restart: the library restarts it and frames flow again.
        const int streamOns = FakeV4l2::get("streamOns");
        FakeV4l2::set("stalled", 2);
        QTRY_COMPARE_WITH_TIMEOUT(FakeV4l2::get("streamOns"), streamOns + 1, 30000);
        QCOMPARE(api.waitFrame(30000)[0], 1);
        QCOMPARE(api.status(10), 1);

        // Stuck for good: one restart, then the stall is reported.
        FakeV4l2::set("stalled", 1);
        QCOMPARE(queryUntil(
                     api, [](int r) { return r < 0; }, 60000),
                 KELM_CAMCTL_E_STALLED);
        QCOMPARE(FakeV4l2::get("streamOns"), streamOns + 2);
        QCOMPARE(api.status(10), KELM_CAMCTL_E_STALLED);
    }
};

QTEST_GUILESS_MAIN(TestCamCtlV4l2)
#include "tst_CamCtlV4l2.moc"
