#include "app/AppPaths.h"
#include "camera/CCameraInterface.h"
#include "camera/FrameBufferPool.h"

#include <QtTest>

#include <cstring>
#include <memory>

namespace {

// A counter of the full fake library: "fake_camctl_starts" or "fake_camctl_photos".
int fakeCount(const char* counter) {
    QLibrary lib(QStringLiteral(FAKECAM_DIR) + "/full/libKELM_CamCtl.so");
    auto fn = reinterpret_cast<int (*)()>(lib.resolve(counter));
    return fn ? fn() : -100;
}

// 40 MiB each: never on the stack.
std::unique_ptr<CCameraInterface> loaded(const QString& dir) {
    AppPaths::setApplicationDir(dir);
    auto cam = std::make_unique<CCameraInterface>();
    return cam->LoadCameraLibrary(false) == 1 && cam->InitCamera() == 1 ? std::move(cam) : nullptr;
}

}  // namespace

class TestCCameraInterface : public QObject {
    Q_OBJECT

private slots:
    void init() {
        for (const char* v : {"FAKE_CAMCTL_RESOLUTIONS", "FAKE_CAMCTL_RESCOUNT",
                              "FAKE_CAMCTL_LENGTH_DELTA", "MIRAVELO_VCAM_FAULT"})
            qunsetenv(v);
    }
    void cleanup() { AppPaths::setApplicationDir(QString()); }

    void unloadedOrIncompleteLibraryAnswersWithCodes() {
        // Nothing loaded: every call fails cleanly.
        auto cam = std::make_unique<CCameraInterface>();
        QCOMPARE(cam->InitCamera(), -1);
        QVERIFY(std::unique_ptr<QStringList>(cam->GetDeviceList())->isEmpty());
        QVERIFY(std::unique_ptr<QStringList>(cam->GetResolutionList(0))->isEmpty());
        QCOMPARE(cam->StartPreview(0, 640, 480, 1), -1);
        QCOMPARE(cam->StopPreview(), -1);
        QCOMPARE(cam->TakePhoto(), -1);
        QCOMPARE(cam->GetCameraProp(6, nullptr, nullptr, nullptr, nullptr, nullptr), -1);
        QCOMPARE(cam->SetCameraProp(6, 1, 1), -1);
        QVERIFY(cam->QueryFrame() == nullptr);

        // A folder without the library.
        QTemporaryDir empty;
        AppPaths::setApplicationDir(empty.path());
        QCOMPARE(cam->LoadCameraLibrary(false), -1);
        QCOMPARE(cam->LoadCameraLibrary(true), -1);

        // A missing entry point gives its position's code.
        const std::pair<const char*, int> cases[] = {
            {"omit_init", -2}, {"omit_queryframe", -9}, {"omit_bgr2rgb", -15}, {"full", 1}};
        for (const auto& [variant, code] : cases) {
            AppPaths::setApplicationDir(QStringLiteral(FAKECAM_DIR) + "/" + variant);
            QCOMPARE(std::make_unique<CCameraInterface>()->LoadCameraLibrary(false), code);
        }
    }

    void resolutionAndFormatTables() {
        auto cam = loaded(QStringLiteral(FAKECAM_DIR) + "/full");
        QVERIFY(cam);
        std::unique_ptr<QStringList> list(cam->GetDeviceList());
        QCOMPARE(*list, QStringList{QString::fromUtf8("Fake Camera \xc3\xa9")});  // Latin-1 name
        QCOMPARE(cam->deviceCount, 1);

        // Same size in two formats: one text; equal areas: the earlier wins; code 3: "UnKnow".
        qputenv("FAKE_CAMCTL_RESOLUTIONS",
                "1920,1080,2;1280,720,1;1920,1080,1;2560,1440,3;1440,2560,1;800,600,1");
        list.reset(cam->GetResolutionList(0));
        QCOMPARE(*list,
                 (QStringList{"1920*1080", "1280*720", "2560*1440", "1440*2560", "800*600"}));
        QCOMPARE(QList<int>({cam->resolutionCount, cam->maxResWidth, cam->maxResHeight}),
                 QList<int>({6, 2560, 1440}));
        list.reset(cam->GetFormatList());
        QCOMPARE(*list, (QStringList{"YUY2", "MJPG", "UnKnow"}));

        // A failing list keeps the previous maximum; an empty one sets 0 x 0.
        qputenv("FAKE_CAMCTL_RESCOUNT", "-1");
        list.reset(cam->GetResolutionList(0));
        QVERIFY(list->isEmpty());
        QCOMPARE(QList<int>({cam->resolutionCount, cam->maxResWidth}), QList<int>({0, 2560}));
        list.reset(cam->GetFormatList());
        QVERIFY(list->isEmpty());
        qunsetenv("FAKE_CAMCTL_RESCOUNT");
        qputenv("FAKE_CAMCTL_RESOLUTIONS", "");
        list.reset(cam->GetResolutionList(0));
        QVERIFY(list->isEmpty());
        QCOMPARE(QList<int>({cam->maxResWidth, cam->maxResHeight}), QList<int>({0, 0}));

        // A library claiming more records than the table holds is cut at 32.
        qputenv("FAKE_CAMCTL_RESOLUTIONS", "640,480,1");
        qputenv("FAKE_CAMCTL_RESCOUNT", "500");
        list.reset(cam->GetResolutionList(0));
        QCOMPARE(cam->resolutionCount, 32);
    }

    void framesLandRowAlignedAndCapturesAreCopies() {
        auto cam = loaded(QStringLiteral(FAKECAM_DIR) + "/full");
        QVERIFY(cam);
        // 7 pixels make 21-byte rows, which QImage pads to 24.
        qputenv("FAKE_CAMCTL_RESOLUTIONS", "7,5,1;640,480,2");
        std::unique_ptr<QStringList> list(cam->GetResolutionList(0));
        const int startsBefore = fakeCount("fake_camctl_starts");
        QCOMPARE(cam->StartPreview(0, 7, 5, 2), -1);  // listed size, wrong format
        QCOMPARE(cam->StartPreview(0, 800, 600, 1), -1);
        QCOMPARE(fakeCount("fake_camctl_starts"), startsBefore);
        QVERIFY(!cam->previewRunning && cam->openedDevice == -1);

        QCOMPARE(cam->StartPreview(0, 7, 5, 1), 1);
        QVERIFY(cam->previewRunning && cam->openedDevice == 0);
        const QImage* frame = cam->QueryFrame();
        QVERIFY(frame && frame->size() == QSize(7, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                QCOMPARE(frame->pixel(x, y), qRgb(x, y, x + y));

        const QImage first = *frame;
        QList<QImage> captures;
        connect(cam.get(), &CCameraInterface::OnTakePhoto, this,
                [&](QImage img) { captures.append(img); });
        QCOMPARE(cam->TakePhoto(), 1);
        QCOMPARE(cam->TakePhoto(), 1);
        // The library hears of each request, so it can deliver that frame whole and decoded
        // exactly; it marks one frame at a time, the second once the first is served.
        QCOMPARE(fakeCount("fake_camctl_photos"), 1);
        QVERIFY(cam->QueryFrame());
        QCOMPARE(fakeCount("fake_camctl_photos"), 2);
        const QImage* next = cam->QueryFrame();
        // Two requests are two captures, each of a frame of its own.
        QCOMPARE(captures.size(), 2);
        QCOMPARE(cam->photoPending, 0);
        // The capture keeps its own pixels while the interface takes the next frames.
        QVERIFY(next && captures.at(0).constBits() != next->constBits());
        QCOMPARE(captures.at(0), first);

        // A request made while stopped is dropped by the next start.
        QCOMPARE(cam->StopPreview(), 1);
        QVERIFY(!cam->previewRunning);
        QVERIFY(cam->QueryFrame() == nullptr);
        cam->TakePhoto();
        QCOMPARE(cam->StartPreview(0, 640, 480, 2), 1);
        QVERIFY(cam->QueryFrame());
        QCOMPARE(captures.size(), 2);

        // A length that does not match the size is not trusted.
        qputenv("FAKE_CAMCTL_LENGTH_DELTA", "-3");
        QVERIFY(cam->QueryFrame() == nullptr);

        // Property outputs are written only on success.
        int mn = 0, mx = 0, def = 0, val = 0, fl = 0;
        QCOMPARE(cam->GetVideoProp(0, &mn, &mx, &def, &val, &fl), 1);
        QCOMPARE(QList<int>({mn, mx, def, val, fl}), QList<int>({-10, 10, 2, 3, 2}));
        val = 77;
        QVERIFY(cam->GetVideoProp(1, &mn, &mx, &def, &val, &fl) < 0);
        QCOMPARE(cam->GetCameraProp(6, &mn, &mx, &def, &val, &fl), 0);
        QCOMPARE(val, 77);
    }

    void heldFramesKeepTheirPixels() {
        // Each query writes its number into a 4 x 2 frame; a frame still held elsewhere must
        // keep its number while later ones are fetched, and a dropped one's buffer is reused.
        static int queries = 0;
        auto query = [](unsigned char* buf, int* w, int* h, int* len) {
            *w = 4, *h = 2, *len = 24;
            std::memset(buf, ++queries, 24);
            return 1;
        };
        FrameBufferPool pool;
        int w = 0, h = 0, len = 0;
        QImage held, passing;
        QCOMPARE(pool.fetch(query, held, w, h, len), 1);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(pool.fetch(query, passing, w, h, len), 1);
        QCOMPARE(qRed(held.pixel(3, 1)), 1);
        QCOMPARE(qRed(passing.pixel(3, 1)), 21);
        QCOMPARE(pool.bufferCount(), 3);  // held, shown, being filled
    }

    void threadedPreviewStartsAndCapturesOffTheCallersThread() {
        auto cam = loaded(QStringLiteral(FAKECAM_DIR) + "/full");
        QVERIFY(cam);
        qputenv("FAKE_CAMCTL_RESOLUTIONS", "640,480,1");
        std::unique_ptr<QStringList> list(cam->GetResolutionList(0));
        QCOMPARE(cam->BeginPreview(0, 800, 600, 1, 5), -1);  // not listed: refused at once
        QSignalSpy started(cam.get(), &CCameraInterface::previewStartFinished);
        QSignalSpy ready(cam.get(), &CCameraInterface::frameReady);
        QCOMPARE(cam->BeginPreview(0, 640, 480, 1, 5), 1);
        QVERIFY(cam->previewStarting && !cam->previewRunning);
        QVERIFY(started.wait(30000));
        QCOMPARE(started.at(0).at(0).toInt(), 1);
        QVERIFY(cam->previewRunning && !cam->previewStarting && cam->openedDevice == 0);

        // Two requests, two captures, each of a frame of its own, marked for the library.
        QList<QImage> captures;
        connect(cam.get(), &CCameraInterface::OnTakePhoto, this,
                [&](QImage img) { captures.append(img); });
        const int photos = fakeCount("fake_camctl_photos");
        cam->TakePhoto();
        cam->TakePhoto();
        const auto taken = [&] {
            cam->QueryFrame();
            return captures.size();
        };
        QTRY_COMPARE_WITH_TIMEOUT(taken(), 2, 30000);
        QCOMPARE(cam->photoPending, 0);
        QCOMPARE(fakeCount("fake_camctl_photos"), photos + 2);
        QVERIFY(captures.at(0).constBits() != captures.at(1).constBits());
        QCOMPARE(captures.at(1).pixel(5, 7), qRgb(5, 7, 12));
        QVERIFY(ready.count() > 0);

        QCOMPARE(cam->StopPreview(), 1);
        QVERIFY(!cam->previewRunning && cam->QueryFrame() == nullptr);
    }
};

QTEST_GUILESS_MAIN(TestCCameraInterface)
#include "tst_CCameraInterface.moc"
