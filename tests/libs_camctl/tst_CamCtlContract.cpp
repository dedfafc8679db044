#include <KELM_CamCtl.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLibrary>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The entry points resolved from one loaded file, as a client that only knows the contract would.
struct Api {
    std::unique_ptr<QLibrary> lib;
    decltype(&KELM_Camctl_Init) init = nullptr;
    decltype(&KELM_Camctl_GetDeviceList) deviceList = nullptr;
    decltype(&KELM_Camctl_GetResolutionList) resolutionList = nullptr;
    decltype(&KELM_Camctl_BGR2RGB) bgr2rgb = nullptr;
    decltype(&KELM_Camctl_StartPreview) start = nullptr;
    decltype(&KELM_Camctl_QueryFrame) query = nullptr;
    decltype(&KELM_Camctl_StopPreview) stop = nullptr;
    decltype(&KELM_Camctl_GetVideoProp) getVideo = nullptr;
    decltype(&KELM_Camctl_SetVideoProp) setVideo = nullptr;
    decltype(&KELM_Camctl_GetCameraProp) getCamera = nullptr;
    decltype(&KELM_Camctl_SetCameraProp) setCamera = nullptr;
    decltype(&KELM_Camctl_GetCameraStatus) status = nullptr;
    decltype(&KELM_Camctl_TakePhoto) takePhoto = nullptr;
    decltype(&KELM_Camctl_Dispose) dispose = nullptr;

    bool load(const QString& file) {
        lib = std::make_unique<QLibrary>(QStringLiteral(MIRAVELO_BIN_DIR) + "/" + file);
        if (!lib->load())
            return false;
        auto r = [&](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(lib->resolve(name));
            return fn != nullptr;
        };
        return r(init, "KELM_Camctl_Init") && r(deviceList, "KELM_Camctl_GetDeviceList") &&
               r(resolutionList, "KELM_Camctl_GetResolutionList") &&
               r(bgr2rgb, "KELM_Camctl_BGR2RGB") && r(start, "KELM_Camctl_StartPreview") &&
               r(query, "KELM_Camctl_QueryFrame") && r(stop, "KELM_Camctl_StopPreview") &&
               r(getVideo, "KELM_Camctl_GetVideoProp") && r(setVideo, "KELM_Camctl_SetVideoProp") &&
               r(getCamera, "KELM_Camctl_GetCameraProp") &&
               r(setCamera, "KELM_Camctl_SetCameraProp") &&
               r(status, "KELM_Camctl_GetCameraStatus") && r(takePhoto, "KELM_Camctl_TakePhoto") &&
               r(dispose, "KELM_Camctl_Dispose");
    }
};

struct Frame {
    int result = 0, width = 0, height = 0, length = 0;
};

// Polls until a new frame arrives (the virtual camera renders its loop first) or a failure code.
Frame waitFrame(Api& api, std::vector<unsigned char>& buffer, int timeoutMs = 15000) {
    QElapsedTimer t;
    t.start();
    Frame f;
    while (t.elapsed() < timeoutMs) {
        f.result = api.query(buffer.data(), &f.width, &f.height, &f.length);
        if (f.result != KELM_CAMCTL_NO_FRAME)
            return f;
        QThread::msleep(10);
    }
    return f;
}

struct Stats {
    double r = 0, g = 0, b = 0, mean = 0, chroma = 0, edges = 0;
};

// Channel means, mean distance from grey and mean horizontal gradient over a sample grid.
Stats stats(const std::vector<unsigned char>& buf, int w, int h) {
    Stats s;
    long n = 0;
    for (int y = 0; y < h; y += 3)
        for (int x = 0; x + 1 < w; x += 3) {
            const unsigned char* p = &buf[(size_t(y) * w + x) * 3];
            s.r += p[0];
            s.g += p[1];
            s.b += p[2];
            const double m = (p[0] + p[1] + p[2]) / 3.0;
            s.chroma += std::abs(p[0] - m) + std::abs(p[1] - m) + std::abs(p[2] - m);
            s.edges += std::abs(int(p[3]) - int(p[0])) + std::abs(int(p[4]) - int(p[1]));
            ++n;
        }
    s.r /= n;
    s.g /= n;
    s.b /= n;
    s.chroma /= n;
    s.edges /= n;
    s.mean = (s.r + s.g + s.b) / 3;
    return s;
}

int findResolution(Api& api, int device, int w, int h, int format) {
    KELM_CamResolution rec[32] = {};
    const int n = api.resolutionList(device, rec, 32);
    for (int i = 0; i < n; ++i)
        if (rec[i].width == w && rec[i].height == h && rec[i].format == format)
            return i;
    return -1;
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
            std::vector<unsigned char> buffer(KELM_CAMCTL_FRAME_BUFFER_BYTES);
            KELM_CamDevice devices[8] = {};
            KELM_CamResolution res[32] = {};
            KELM_CamProperty prop{};
            int w = 7, h = 7, len = 7;
            // Before Init nothing works, and nothing crashes.
            QCOMPARE(api.deviceList(devices, 8), KELM_CAMCTL_E_NOT_INIT);
            QCOMPARE(api.resolutionList(0, res, 32), KELM_CAMCTL_E_NOT_INIT);
            QCOMPARE(api.start(0, 0), KELM_CAMCTL_E_NOT_INIT);
            QCOMPARE(api.query(buffer.data(), &w, &h, &len), KELM_CAMCTL_E_NOT_INIT);
            QCOMPARE(w + h + len, 0);
            QCOMPARE(api.stop(), KELM_CAMCTL_E_NOT_INIT);
            QCOMPARE(api.getVideo(0, &prop), KELM_CAMCTL_E_NOT_INIT);
            QCOMPARE(api.status(10), KELM_CAMCTL_E_NOT_INIT);
            QCOMPARE(api.init(nullptr), KELM_CAMCTL_E_ARGUMENT);
        }
        // Each file keeps its own state: initialising one leaves the others uninitialised.
        Api a, b;
        QVERIFY(a.load("libKELM_CamCtl.so"));
        QVERIFY(b.load("libKELM_CamCtl_Vice.so"));
        KELM_CamInit block{1, 0, 0};
        QCOMPARE(a.init(&block), 1);
        KELM_CamDevice devices[8] = {};
        QVERIFY(a.deviceList(devices, 8) > 0);
        QCOMPARE(b.deviceList(devices, 8), KELM_CAMCTL_E_NOT_INIT);
        QCOMPARE(a.takePhoto(), KELM_CAMCTL_E_UNSUPPORTED);
    }

    void listsDevicesAndResolutions() {
        Api api;
        QVERIFY(api.load("libKELM_CamCtl.so"));
        KELM_CamInit block{1, 0, 0};
        QCOMPARE(api.init(&block), 1);
        KELM_CamDevice devices[8];
        std::memset(devices, 0x5a, sizeof devices);
        QCOMPARE(api.deviceList(devices, 8), 2);
        QCOMPARE(QString::fromLatin1(devices[0].name), QString("Virtual Document Camera"));
        QCOMPARE(QString::fromLatin1(devices[1].name), QString("Virtual Sub Camera"));
        const uint16_t subIds[KELM_CAMCTL_SUB_CAMERA_ID_COUNT][2] = KELM_CAMCTL_SUB_CAMERA_IDS;
        QCOMPARE(devices[1].vendorId, subIds[0][0]);
        QCOMPARE(devices[1].productId, subIds[0][1]);
        // Capacity is honoured: a one-record list gets one record and nothing beyond it.
        KELM_CamDevice one[2];
        std::memset(one, 0x5a, sizeof one);
        QCOMPARE(api.deviceList(one, 1), 1);
        QCOMPARE(uint8_t(one[1].name[0]), uint8_t(0x5a));
        QCOMPARE(api.deviceList(one, 0), KELM_CAMCTL_E_ARGUMENT);

        KELM_CamResolution res[33];
        std::memset(res, 0x5a, sizeof res);
        const int n = api.resolutionList(0, res, 32);
        QCOMPARE(n, 10);
        QCOMPARE(res[0].width, 3264);
        QCOMPARE(res[0].height, 2448);
        QCOMPARE(int(res[0].format), KELM_CAMCTL_FORMAT_MJPG);
        QCOMPARE(int(res[5].format), KELM_CAMCTL_FORMAT_YUY2);
        QCOMPARE(res[9].width, 640);
        QCOMPARE(uint8_t(reinterpret_cast<unsigned char*>(&res[10])[0]), uint8_t(0x5a));
        QCOMPARE(api.resolutionList(0, res, 3), 3);
        QCOMPARE(api.resolutionList(1, res, 64), 4);
        QCOMPARE(res[0].width, 640);
        QCOMPARE(res[0].height, 480);
        QCOMPARE(api.resolutionList(2, res, 32), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.resolutionList(-1, res, 32), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.resolutionList(0, nullptr, 32), KELM_CAMCTL_E_ARGUMENT);

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
        QVERIFY(api.load("libKELM_CamCtl.so"));
        KELM_CamInit block{1, 0, 0};
        QCOMPARE(api.init(&block), 1);
        KELM_CamDevice devices[8] = {};
        QCOMPARE(api.deviceList(devices, 8), 2);
        std::vector<unsigned char> buffer(KELM_CAMCTL_FRAME_BUFFER_BYTES);
        int w, h, len;
        QCOMPARE(api.query(buffer.data(), &w, &h, &len), KELM_CAMCTL_E_NOT_RUNNING);
        QCOMPARE(api.status(10), 0);

        const int mjpg = findResolution(api, 0, 1280, 720, KELM_CAMCTL_FORMAT_MJPG);
        QVERIFY(mjpg >= 0);
        QCOMPARE(api.bgr2rgb(1), 1);
        QCOMPARE(api.start(0, mjpg), 1);
        QCOMPARE(api.status(10), 1);
        Frame f = waitFrame(api, buffer);
        QCOMPARE(f.result, 1);
        QCOMPARE(f.width, 1280);
        QCOMPARE(f.height, 720);
        QCOMPARE(f.length, 1280 * 720 * 3);
        const Stats first = stats(buffer, f.width, f.height);
        QVERIFY2(first.edges > 2, "a rendered scene has structure, not a flat colour");
        // The desk is brown: red above blue in RGB order (a swapped order would show blue).
        QVERIFY(first.r > first.b);
        // No frame twice: right after a delivery the next query has nothing new.
        QCOMPARE(api.query(buffer.data(), &w, &h, &len), KELM_CAMCTL_NO_FRAME);
        // Frames keep coming at a camera's pace.
        QElapsedTimer t;
        t.start();
        int frames = 0;
        while (t.elapsed() < 1000) {
            if (api.query(buffer.data(), &w, &h, &len) == 1)
                ++frames;
            QThread::msleep(5);
        }
        QVERIFY2(frames >= 8, qPrintable(QString::number(frames)));

        // A second start without a stop replaces the stream (here by a YUY2 one).
        const int yuy2 = findResolution(api, 0, 640, 480, KELM_CAMCTL_FORMAT_YUY2);
        QCOMPARE(api.start(0, yuy2), 1);
        f = waitFrame(api, buffer);
        QCOMPARE(f.result, 1);
        QCOMPARE(f.width, 640);
        QCOMPARE(f.height, 480);
        QVERIFY(std::abs(stats(buffer, 640, 480).r - first.r) < 40);

        QCOMPARE(api.stop(), 1);
        QCOMPARE(api.status(10), 0);
        QCOMPARE(api.query(buffer.data(), &w, &h, &len), KELM_CAMCTL_E_NOT_RUNNING);
        QCOMPARE(api.stop(), 1);  // stopping twice is harmless

        // Restart on the sub camera without a new Init.
        QCOMPARE(api.start(1, 0), 1);
        f = waitFrame(api, buffer);
        QCOMPARE(f.result, 1);
        QCOMPARE(f.width, 640);
        QCOMPARE(api.stop(), 1);
        QCOMPARE(api.start(0, 10), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.start(5, 0), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.query(nullptr, &w, &h, &len), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.dispose(), 1);
        QCOMPARE(api.start(0, 0), KELM_CAMCTL_E_NOT_INIT);
    }

    void propertiesChangeThePicture() {
        Api api;
        QVERIFY(api.load("libKELM_CamCtl.so"));
        KELM_CamInit block{1, 0, 0};
        QCOMPARE(api.init(&block), 1);
        KELM_CamDevice devices[8] = {};
        api.deviceList(devices, 8);
        std::vector<unsigned char> buffer(KELM_CAMCTL_FRAME_BUFFER_BYTES);
        QCOMPARE(api.start(0, findResolution(api, 0, 640, 480, KELM_CAMCTL_FORMAT_MJPG)), 1);
        QCOMPARE(waitFrame(api, buffer).result, 1);
        const Stats base = stats(buffer, 640, 480);

        KELM_CamProperty p{};
        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &p), 1);
        QVERIFY(p.minimum < p.maximum);
        QVERIFY(p.defaultValue >= p.minimum && p.defaultValue <= p.maximum);
        QCOMPARE(p.value, p.defaultValue);
        const int brightMax = p.maximum;
        KELM_CamProperty set{};
        set.value = brightMax;
        set.flags = KELM_CAMCTL_FLAG_MANUAL;
        QCOMPARE(api.setVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &set), 1);
        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &p), 1);
        QCOMPARE(p.value, brightMax);
        QCOMPARE(waitFrame(api, buffer).result, 1);
        waitFrame(api, buffer);  // a frame decoded before the change may still be pending
        QVERIFY2(stats(buffer, 640, 480).mean > base.mean + 40, "brightness has no effect");
        set.value = p.defaultValue;
        api.setVideo(KELM_CAMCTL_PROP_BRIGHTNESS, &set);

        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_SATURATION, &p), 1);
        set.value = p.minimum;
        QCOMPARE(api.setVideo(KELM_CAMCTL_PROP_SATURATION, &set), 1);
        waitFrame(api, buffer);
        waitFrame(api, buffer);
        QVERIFY2(stats(buffer, 640, 480).chroma < base.chroma * 0.2, "saturation has no effect");
        set.value = p.defaultValue;
        api.setVideo(KELM_CAMCTL_PROP_SATURATION, &set);

        QCOMPARE(api.getVideo(KELM_CAMCTL_PROP_CONTRAST, &p), 1);
        set.value = p.minimum;
        QCOMPARE(api.setVideo(KELM_CAMCTL_PROP_CONTRAST, &set), 1);
        waitFrame(api, buffer);
        waitFrame(api, buffer);
        QVERIFY2(stats(buffer, 640, 480).edges < base.edges * 0.3, "contrast has no effect");
        set.value = p.defaultValue;
        api.setVideo(KELM_CAMCTL_PROP_CONTRAST, &set);

        // Focus: automatic keeps it sharp, a manual value far off blurs it.
        QCOMPARE(api.getCamera(KELM_CAMCTL_PROP_FOCUS, &p), 1);
        QCOMPARE(p.flags, KELM_CAMCTL_FLAG_AUTO);
        set.value = p.maximum;
        set.flags = KELM_CAMCTL_FLAG_MANUAL;
        QCOMPARE(api.setCamera(KELM_CAMCTL_PROP_FOCUS, &set), 1);
        waitFrame(api, buffer);
        waitFrame(api, buffer);
        QVERIFY2(stats(buffer, 640, 480).edges < base.edges * 0.7, "focus has no effect");
        set.flags = KELM_CAMCTL_FLAG_AUTO;
        QCOMPARE(api.setCamera(KELM_CAMCTL_PROP_FOCUS, &set), 1);
        QCOMPARE(api.getCamera(KELM_CAMCTL_PROP_FOCUS, &p), 1);
        QCOMPARE(p.flags, KELM_CAMCTL_FLAG_AUTO);

        // Unknown ids and flags are refused, and the record is left alone.
        KELM_CamProperty untouched{};
        untouched.value = 42;
        QCOMPARE(api.getVideo(2, &untouched), KELM_CAMCTL_E_UNSUPPORTED);
        QCOMPARE(untouched.value, 42);
        QCOMPARE(api.getCamera(0, &untouched), KELM_CAMCTL_E_UNSUPPORTED);
        set.flags = 7;
        QCOMPARE(api.setVideo(0, &set), KELM_CAMCTL_E_ARGUMENT);
        QCOMPARE(api.getVideo(0, nullptr), KELM_CAMCTL_E_ARGUMENT);
        api.stop();
    }

    void knownPictureComesThroughUnchanged() {
        QTemporaryDir dir;
        QImage picture(640, 480, QImage::Format_RGB888);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                picture.setPixel(x, y, x < 320 ? qRgb(220, 30, 30) : qRgb(30, 40, 200));
        QVERIFY(picture.save(dir.filePath("b.png")));
        QImage second(640, 480, QImage::Format_RGB888);
        second.fill(qRgb(20, 200, 20));
        QVERIFY(second.save(dir.filePath("c.png")));
        QFile(dir.filePath("a.txt")).open(QIODevice::WriteOnly);  // not an image: skipped
        qputenv("MIRAVELO_VCAM_SCENE", dir.path().toLocal8Bit());

        Api api;
        QVERIFY(api.load("libKELM_CamCtl.so"));
        KELM_CamInit block{1, 0, 0};
        api.init(&block);
        KELM_CamDevice devices[8] = {};
        api.deviceList(devices, 8);
        std::vector<unsigned char> buffer(KELM_CAMCTL_FRAME_BUFFER_BYTES);
        for (int format : {KELM_CAMCTL_FORMAT_MJPG, KELM_CAMCTL_FORMAT_YUY2}) {
            QCOMPARE(api.start(0, findResolution(api, 0, 640, 480, format)), 1);
            QCOMPARE(waitFrame(api, buffer).result, 1);
            const unsigned char* left = &buffer[(240 * 640 + 100) * 3];
            const unsigned char* right = &buffer[(240 * 640 + 500) * 3];
            QVERIFY2(std::abs(left[0] - 220) < 16 && left[2] < 60,
                     qPrintable(QString::number(left[0])));
            QVERIFY(std::abs(right[2] - 200) < 16 && right[0] < 60);
            // The folder is shown photo after photo.
            QElapsedTimer t;
            t.start();
            bool green = false;
            while (!green && t.elapsed() < 6000) {
                if (waitFrame(api, buffer).result == 1) {
                    const unsigned char* p = &buffer[(240 * 640 + 320) * 3];
                    green = p[1] > 150 && p[0] < 60;
                }
            }
            QVERIFY(green);
            api.stop();
        }
        // An unreadable scene falls back to the rendered page instead of failing.
        qputenv("MIRAVELO_VCAM_SCENE", dir.filePath("a.txt").toLocal8Bit());
        QCOMPARE(api.start(0, findResolution(api, 0, 640, 480, KELM_CAMCTL_FORMAT_MJPG)), 1);
        QCOMPARE(waitFrame(api, buffer).result, 1);
        QVERIFY(stats(buffer, 640, 480).edges > 2);
        api.stop();
    }

    void faultsGiveCodesNotCrashes() {
        Api api;
        QVERIFY(api.load("libKELM_CamCtlExt.so"));
        KELM_CamInit block{1, 0, 0};
        api.init(&block);
        KELM_CamDevice devices[8] = {};
        api.deviceList(devices, 8);
        std::vector<unsigned char> buffer(KELM_CAMCTL_FRAME_BUFFER_BYTES);
        int w, h, len;

        // Unplugged while previewing: the query reports it, the stop still works.
        qputenv("MIRAVELO_VCAM_FAULT", "unplug:3");
        QCOMPARE(api.start(0, findResolution(api, 0, 640, 480, KELM_CAMCTL_FORMAT_MJPG)), 1);
        QElapsedTimer t;
        t.start();
        int r = 0;
        while (t.elapsed() < 15000 && (r = api.query(buffer.data(), &w, &h, &len)) >= 0)
            QThread::msleep(10);
        QCOMPARE(r, KELM_CAMCTL_E_DEVICE_LOST);
        QCOMPARE(w + h + len, 0);
        QCOMPARE(api.status(10), KELM_CAMCTL_E_DEVICE_LOST);
        t.restart();
        QCOMPARE(api.stop(), 1);
        QVERIFY(t.elapsed() < 1000);

        // A refused format.
        qputenv("MIRAVELO_VCAM_FAULT", "refuse:YUY2");
        QCOMPARE(api.start(0, findResolution(api, 0, 640, 480, KELM_CAMCTL_FORMAT_YUY2)),
                 KELM_CAMCTL_E_FORMAT);
        QCOMPARE(api.status(10), 0);
        QCOMPARE(api.start(0, findResolution(api, 0, 640, 480, KELM_CAMCTL_FORMAT_MJPG)), 1);
        api.stop();

        // A size that cannot fit the caller's buffer is listed but never streamed.
        qputenv("MIRAVELO_VCAM_FAULT", "large");
        KELM_CamResolution res[32] = {};
        QCOMPARE(api.resolutionList(0, res, 32), 12);
        QCOMPARE(res[0].width, 4640);
        QCOMPARE(api.start(0, 0), KELM_CAMCTL_E_TOO_LARGE);
        QCOMPARE(api.query(buffer.data(), &w, &h, &len), KELM_CAMCTL_E_NOT_RUNNING);
        qunsetenv("MIRAVELO_VCAM_FAULT");

        // Stopping while the first frames are still being prepared returns promptly.
        QCOMPARE(api.start(0, findResolution(api, 0, 2592, 1944, KELM_CAMCTL_FORMAT_YUY2)), 1);
        t.restart();
        QCOMPARE(api.stop(), 1);
        QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestCamCtlContract)
#include "tst_CamCtlContract.moc"
