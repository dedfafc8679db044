// The V4L2 back end through the library's C contract, against the fake UVC camera preloaded into
// this test.
#include "CamCtlClient.h"

#include <QtTest>

class TestCamCtlV4l2 : public QObject {
    Q_OBJECT

    Api api;
    // Queries until the stream ends; its reason.
    int untilEnded() {
        int r = 0;
        (void)QTest::qWaitFor([&] { return (r = api.queryOnce()) < 0; }, 60000);
        return r;
    }

private slots:
    void initTestCase() {
        QVERIFY2(FakeV4l2::present(), "run with the fake camera preloaded");
        qputenv("MIRAVELO_CAMERA", "v4l2");
        QVERIFY(api.ready());
    }
    void init() { FakeV4l2::reset(); }
    void cleanup() { api.stop(); }

    void listsAndStreamsEachModeAtItsFastestRate() {
        KELM_CamDevice devices[8] = {};
        // The metadata node is no second camera; 4656 x 3496 does not fit the frame buffer.
        QCOMPARE(api.deviceList(devices, 8), 1);
        QCOMPARE(QString::fromLatin1(devices[0].name), QString("Fake UVC Camera"));
        KELM_CamResolution res[32] = {};
        QCOMPARE(api.resolutionList(0, res, 32), 4);
        const QVector<int> modes[] = {{3264, 2448, KELM_CAMCTL_FORMAT_MJPG, 30},
                                      {640, 480, KELM_CAMCTL_FORMAT_YUY2, 30},
                                      {1280, 720, KELM_CAMCTL_FORMAT_YUY2, 10}};
        for (const QVector<int>& m : modes) {
            QCOMPARE(api.startAt(m[0], m[1], m[2]), 1);
            QCOMPARE(api.waitFrame(30000).mid(0, 3), QVector<int>({1, m[0], m[1]}));
            QCOMPARE(FakeV4l2::get("fps"), m[3]);
        }
    }

    void controlsReachTheCamera() {
        QCOMPARE(api.startAt(640, 480), 1);
        KELM_CamProperty p{}, set{0, 0, 0, 0, 40, KELM_CAMCTL_FLAG_MANUAL};
        QCOMPARE(api.setVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &set), 1);
        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &p), 1);
        QCOMPARE(QVector<int>({p.minimum, p.maximum, p.value, FakeV4l2::get("brightness")}),
                 QVector<int>({-64, 64, 40, 40}));
        // No focus at all: neither reading it nor automatic focus pass for done.
        set.flags = KELM_CAMCTL_FLAG_AUTO;
        QCOMPARE(api.getCamera(KELM_CAMCTL_PROP_FOCUS, &p), KELM_CAMCTL_E_UNSUPPORTED);
        QCOMPARE(api.setCamera(KELM_CAMCTL_PROP_FOCUS, &set), KELM_CAMCTL_E_UNSUPPORTED);
    }

    void brokenSlowAndStalledStreams() {
        // Frames 0, 2, 4 ... are cut short: only odd marks come through, each page whole.
        FakeV4l2::set("cutEvery", 2);
        QCOMPARE(api.startAt(640, 480), 1);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(api.waitFrame(30000)[0], 1);
            QCOMPARE(FakeV4l2::frameMark(api.buf.data()) % 2, 1);
            QVERIFY(api.buf[(479 * 640 + 5) * 3] >= 128);
        }
        // A slow camera is waited for, not restarted.
        FakeV4l2::set("slowMs", 1500);
        const int streamOns = FakeV4l2::get("streamOns");
        QCOMPARE(api.startAt(640, 480), 1);
        QCOMPARE(api.waitFrame(30000)[0], 1);
        QCOMPARE(FakeV4l2::get("streamOns"), streamOns + 1);
        FakeV4l2::set("slowMs", 0);

        // Stuck until a restart: restarted, and frames flow again. Stuck for good: one
        // restart, then the stall is reported.
        FakeV4l2::set("stalled", 2);
        QTRY_COMPARE_WITH_TIMEOUT(FakeV4l2::get("streamOns"), streamOns + 2, 30000);
        QCOMPARE(api.waitFrame(30000)[0], 1);
        FakeV4l2::set("stalled", 1);
        QCOMPARE(untilEnded(), KELM_CAMCTL_E_STALLED);
        QCOMPARE(FakeV4l2::get("streamOns"), streamOns + 3);
        QCOMPARE(api.status(10), KELM_CAMCTL_E_STALLED);
    }
};

QTEST_GUILESS_MAIN(TestCamCtlV4l2)
#include "tst_CamCtlV4l2.moc"
