#include "CamCtlClient.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>

namespace {

struct Stats {
    double r = 0, g = 0, b = 0, mean = 0, chroma = 0, edges = 0;
};

// Channel means, mean distance from grey and mean horizontal gradient over a sample grid.
Stats stats(const std::vector<unsigned char>& buf, int w, int h) {
    Stats s;
    long n = 0;
    for (int y = 0; y < h; y += 3)
        for (int x = 0; x + 1 < w; x += 3, ++n) {
            const unsigned char* p = &buf[(size_t(y) * w + x) * 3];
            s.r += p[0];
            s.g += p[1];
            s.b += p[2];
            const double m = (p[0] + p[1] + p[2]) / 3.0;
            s.chroma += std::abs(p[0] - m) + std::abs(p[1] - m) + std::abs(p[2] - m);
            s.edges += std::abs(int(p[3]) - int(p[0])) + std::abs(int(p[4]) - int(p[1]));
        }
    for (double* v : {&s.r, &s.g, &s.b, &s.chroma, &s.edges})
        *v /= n;
    s.mean = (s.r + s.g + s.b) / 3;
    return s;
}

}  // namespace

class TestCamCtlContract : public QObject {
    Q_OBJECT

private slots:
    void init() {
        qunsetenv("MIRAVELO_VCAM_FAULT");
        qunsetenv("MIRAVELO_VCAM_SCENE");
    }

    void everyEntryPointExportedAndOrderEnforced() {
        for (const char* file :
             {"libKELM_CamCtl.so", "libKELM_CamCtlExt.so", "libKELM_CamCtl_Vice.so"}) {
            Api api;
            QVERIFY2(api.load(file), file);
            KELM_CamDevice devices[8] = {};
            KELM_CamResolution res[32] = {};
            KELM_CamProperty prop{};
            api.w = api.h = api.len = 7;
            // Before Init nothing works (calls in order), and nothing crashes.
            QCOMPARE(QVector<int>({api.deviceList(devices, 8), api.resolutionList(0, res, 32),
                                   api.start(0, 0), api.queryOnce(), api.stop(),
                                   api.getVideo(0, &prop), api.status(10), api.takePhoto()}),
                     QVector<int>(8, KELM_CAMCTL_E_NOT_INIT));
            QCOMPARE(api.w + api.h + api.len, 0);
            QCOMPARE(api.init(nullptr), KELM_CAMCTL_E_ARGUMENT);
        }
        // Each file keeps its own state: initialising one leaves the others uninitialised.
        Api a, b;
        QVERIFY(a.ready());
        QVERIFY(b.load("libKELM_CamCtl_Vice.so"));
        KELM_CamDevice devices[8] = {};
        QCOMPARE(b.deviceList(devices, 8), KELM_CAMCTL_E_NOT_INIT);
    }

    void listsDevicesAndResolutions() {
        Api api;
        QVERIFY(api.ready());
        KELM_CamDevice devices[8];
        std::memset(devices, 0x5a, sizeof devices);
        QCOMPARE(api.deviceList(devices, 8), 2);
        QCOMPARE(QString::fromLatin1(devices[0].name), QString("Virtual Document Camera"));
        QCOMPARE(QString::fromLatin1(devices[1].name), QString("Virtual Sub Camera"));
        // Capacity is honoured: a one-record list gets one record and nothing beyond it.
        KELM_CamDevice one[2];
        std::memset(one, 0x5a, sizeof one);
        QCOMPARE(api.deviceList(one, 1), 1);
        QCOMPARE(uint8_t(one[1].name[0]), uint8_t(0x5a));
        QCOMPARE(api.deviceList(one, 0), KELM_CAMCTL_E_ARGUMENT);

        KELM_CamResolution res[33];
        std::memset(res, 0x5a, sizeof res);
        QCOMPARE(api.resolutionList(0, res, 32), 10);
        QCOMPARE(uint8_t(reinterpret_cast<unsigned char*>(&res[10])[0]), uint8_t(0x5a));
        QCOMPARE(QVector<int>({api.resolutionList(2, res, 32), api.resolutionList(-1, res, 32),
                               api.resolutionList(0, nullptr, 32)}),
                 QVector<int>(3, KELM_CAMCTL_E_ARGUMENT));

        // Real cameras only, on a machine without one: an empty list, and nothing to start.
        if (!QDir("/dev").entryList({"video*"}, QDir::System).isEmpty())
            QSKIP("this machine has video devices");
        qputenv("MIRAVELO_CAMERA", "v4l2");
        QCOMPARE(api.deviceList(devices, 8), 0);
        QCOMPARE(api.start(0, 0), KELM_CAMCTL_E_ARGUMENT);
        qputenv("MIRAVELO_CAMERA", "virtual");
    }

    void streamsFramesAndRestarts() {
        Api api;
        QVERIFY(api.ready());
        QCOMPARE(api.queryOnce(), KELM_CAMCTL_E_NOT_RUNNING);
        QCOMPARE(api.status(10), 0);

        QCOMPARE(api.startAt(1280, 720), 1);
        QCOMPARE(api.status(10), 1);
        const QVector<int> delivered = api.waitFrame();
        // No frame twice: queries soon find nothing new. The camera keeps sending, so on a busy
        // machine a newer frame may come first; a frame handed out again would never let up.
        QVERIFY(QTest::qWaitFor([&] { return api.queryOnce() == KELM_CAMCTL_NO_FRAME; }));
        QCOMPARE(delivered, QVector<int>({1, 1280, 720, 1280 * 720 * 3}));
        const Stats first = stats(api.buf, 1280, 720);
        QVERIFY2(first.edges > 2, "a rendered scene has structure, not a flat colour");
        // The desk is brown: red above blue in RGB order (a swapped order would show blue).
        QVERIFY(first.r > first.b);
        QCOMPARE(api.waitFrame()[0], 1);  // and then the next one
        // A frame that waited is passed over; one younger than the bound, or one a capture was
        // requested for, is not.
        QCOMPARE(api.skipStale(-1), KELM_CAMCTL_E_ARGUMENT);
        QVERIFY(QTest::qWaitFor([&] { return api.skipStale(0) == 1; }));
        QCOMPARE(api.skipStale(60000), KELM_CAMCTL_NO_FRAME);
        QCOMPARE(api.takePhoto(), 1);
        QCOMPARE(api.skipStale(0), KELM_CAMCTL_NO_FRAME);
        QCOMPARE(api.waitFrame()[0], 1);

        // A second start without a stop replaces the stream (here by a YUY2 one).
        QCOMPARE(api.startAt(640, 480, KELM_CAMCTL_FORMAT_YUY2), 1);
        QCOMPARE(api.waitFrame().mid(0, 3), QVector<int>({1, 640, 480}));
        QVERIFY(std::abs(stats(api.buf, 640, 480).r - first.r) < 40);

        QCOMPARE(api.stop(), 1);
        QCOMPARE(api.status(10), 0);
        QCOMPARE(api.queryOnce(), KELM_CAMCTL_E_NOT_RUNNING);
        QCOMPARE(api.skipStale(0), KELM_CAMCTL_E_NOT_RUNNING);
        QCOMPARE(api.stop(), 1);  // stopping twice is harmless

        // Restart on the sub camera without a new Init.
        QCOMPARE(api.start(1, 0), 1);
        QCOMPARE(api.waitFrame().mid(0, 2), QVector<int>({1, 640}));
        QCOMPARE(api.stop(), 1);
        QCOMPARE(api.start(0, 10), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.start(5, 0), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.query(nullptr, &api.w, &api.h, &api.len), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.dispose(), 1);
        QCOMPARE(api.start(0, 0), KELM_CAMCTL_E_NOT_INIT);
    }

    void propertiesChangeThePicture() {
        Api api;
        QVERIFY(api.ready());
        QCOMPARE(api.startAt(640, 480), 1);
        QCOMPARE(api.waitFrame()[0], 1);
        const Stats base = stats(api.buf, 640, 480);
        // Adjustments apply to the next frame delivered.
        auto settled = [&] {
            api.waitFrame();
            return stats(api.buf, 640, 480);
        };

        KELM_CamProperty p{}, set{};
        set.flags = KELM_CAMCTL_FLAG_MANUAL;
        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &p), 1);
        set.value = p.maximum;
        QCOMPARE(api.setVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &set), 1);
        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &p), 1);
        QCOMPARE(p.value, set.value);
        QVERIFY2(settled().mean > base.mean + 40, "brightness has no effect");
        set.value = p.defaultValue;
        api.setVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &set);

        // Lowest saturation takes the colour out, lowest contrast the structure.
        const struct {
            int id;
            double Stats::*metric;
            double factor;
        } lowered[] = {{KELM_CAMCTL_PROP_SATURATION, &Stats::chroma, 0.2},
                       {KELM_CAMCTL_PROP_CONTRAST, &Stats::edges, 0.3}};
        for (const auto& c : lowered) {
            QCOMPARE(api.getVideo(c.id, &p), 1);
            set.value = p.minimum;
            QCOMPARE(api.setVideo(c.id, &set), 1);
            QVERIFY2(settled().*c.metric < base.*c.metric * c.factor,
                     qPrintable(QString("property %1 has no effect").arg(c.id)));
            set.value = p.defaultValue;
            api.setVideo(c.id, &set);
        }

        // Focus: automatic keeps it sharp, a manual value far off blurs it.
        QCOMPARE(api.getCamera(KELM_CAMCTL_PROP_FOCUS, &p), 1);
        QCOMPARE(p.flags, KELM_CAMCTL_FLAG_AUTO);
        set.value = p.maximum;
        QCOMPARE(api.setCamera(KELM_CAMCTL_PROP_FOCUS, &set), 1);
        QVERIFY2(settled().edges < base.edges * 0.7, "focus has no effect");
        set.flags = KELM_CAMCTL_FLAG_AUTO;
        QCOMPARE(api.setCamera(KELM_CAMCTL_PROP_FOCUS, &set), 1);
        QCOMPARE(api.getCamera(KELM_CAMCTL_PROP_FOCUS, &p), 1);
        QCOMPARE(p.flags, KELM_CAMCTL_FLAG_AUTO);

        // Unknown ids and flags are refused, and the record is left alone.
        KELM_CamProperty untouched{0, 0, 0, 0, 42, 0};
        QCOMPARE(api.getVideo(2, &untouched), KELM_CAMCTL_E_UNSUPPORTED);
        QCOMPARE(untouched.value, 42);
        set.flags = 7;
        QCOMPARE(api.setVideo(0, &set), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.getVideo(0, nullptr), KELM_CAMCTL_E_ARGUMENT);
        api.stop();
    }

    void knownPictureComesThroughUnchanged() {
        QTemporaryDir dir;
        QImage picture(640, 480, QImage::Format_RGB888);
        picture.fill(qRgb(30, 40, 200));
        QPainter(&picture).fillRect(0, 0, 320, 480, QColor(220, 30, 30));
        // A band of fine detail and hard colour edges, where fast decoding paths would show.
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 640; ++x)
                picture.setPixel(x, y, qRgb((x * 37) ^ (y * 11), (x / 3) % 2 * 255, y));
        QVERIFY(picture.save(dir.filePath("b.png")));
        picture.fill(qRgb(20, 200, 20));
        QVERIFY(picture.save(dir.filePath("c.png")));
        QFile(dir.filePath("a.txt")).open(QIODevice::WriteOnly);  // not an image: skipped
        qputenv("MIRAVELO_VCAM_SCENE", dir.path().toLocal8Bit());

        Api api;
        QVERIFY(api.ready());
        auto pixel = [&](int x) { return &api.buf[(240 * 640 + x) * 3]; };
        for (int format : {KELM_CAMCTL_FORMAT_MJPG, KELM_CAMCTL_FORMAT_YUY2}) {
            QCOMPARE(api.startAt(640, 480, format), 1);
            // The folder is shown photo after photo, each for a while: both photos come by (a
            // busy machine may show its first frame when the first photo's turn is over).
            QElapsedTimer t;
            t.start();
            bool first = false, green = false;
            while (!(first && green) && t.elapsed() < 30000) {
                if (api.waitFrame()[0] != 1)
                    continue;
                first |= std::abs(pixel(100)[0] - 220) < 16 && pixel(100)[2] < 60 &&
                         std::abs(pixel(500)[2] - 200) < 16 && pixel(500)[0] < 60;
                green |= pixel(320)[1] > 150 && pixel(320)[0] < 60;
            }
            QVERIFY(first && green);
            api.stop();
        }
        // An unreadable scene falls back to the rendered page instead of failing.
        qputenv("MIRAVELO_VCAM_SCENE", dir.filePath("a.txt").toLocal8Bit());
        QCOMPARE(api.startAt(640, 480), 1);
        QCOMPARE(api.waitFrame()[0], 1);
        QVERIFY(stats(api.buf, 640, 480).edges > 2);
        api.stop();

        // A single photo sends the same bytes in every frame. The capture is decoded exactly,
        // unlike preview frames, and the request covers that one frame.
        qputenv("MIRAVELO_VCAM_SCENE", dir.filePath("b.png").toLocal8Bit());
        QCOMPARE(api.takePhoto(), KELM_CAMCTL_E_NOT_RUNNING);
        QCOMPARE(api.startAt(640, 480), 1);
        const auto frame = [&] {
            const bool ok = api.waitFrame()[0] == 1;
            return std::vector<unsigned char>(api.buf.begin(),
                                              api.buf.begin() + (ok ? 640 * 480 * 3 : 0));
        };
        const auto preview = frame();
        QCOMPARE(api.takePhoto(), 1);
        QVERIFY2(frame() != preview, "the capture was decoded like a preview frame");
        QVERIFY(frame() == preview && !preview.empty());
        api.stop();
    }

    void faultsGiveCodesNotCrashes() {
        Api api;
        QVERIFY(api.ready("libKELM_CamCtlExt.so"));

        // Unplugged while previewing: the query reports it, the stop still works.
        qputenv("MIRAVELO_VCAM_FAULT", "unplug:3");
        QCOMPARE(api.startAt(640, 480), 1);
        int r = 0;
        QVERIFY(QTest::qWaitFor([&] { return (r = api.queryOnce()) < 0; }, 15000));
        QCOMPARE(r, KELM_CAMCTL_E_DEVICE_LOST);
        QCOMPARE(api.w + api.h + api.len, 0);
        QCOMPARE(api.status(10), KELM_CAMCTL_E_DEVICE_LOST);
        QCOMPARE(api.stop(), 1);

        // A refused format.
        qputenv("MIRAVELO_VCAM_FAULT", "refuse:YUY2");
        QCOMPARE(api.startAt(640, 480, KELM_CAMCTL_FORMAT_YUY2), KELM_CAMCTL_E_FORMAT);
        QCOMPARE(api.status(10), 0);
        QCOMPARE(api.startAt(640, 480), 1);
        api.stop();

        // A size that cannot fit the caller's buffer is not even listed.
        qputenv("MIRAVELO_VCAM_FAULT", "large");
        KELM_CamResolution res[32] = {};
        QCOMPARE(api.resolutionList(0, res, 32), 10);
        QCOMPARE(api.resolution(0, 4640, 3152, KELM_CAMCTL_FORMAT_MJPG), -1);
        qunsetenv("MIRAVELO_VCAM_FAULT");

        // Stopping while the first frames are still being prepared works.
        QCOMPARE(api.startAt(2592, 1944, KELM_CAMCTL_FORMAT_YUY2), 1);
        QCOMPARE(api.stop(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCamCtlContract)
#include "tst_CamCtlContract.moc"
