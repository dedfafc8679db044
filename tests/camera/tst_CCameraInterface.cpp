#include "app/AppPaths.h"
#include "camera/CCameraInterface.h"

#include <QElapsedTimer>
#include <QLibrary>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

QStringList& messages() {
    static QStringList m;
    return m;
}

void collect(QtMsgType, const QMessageLogContext&, const QString& text) {
    messages().append(text);
}

int fakeCalls(const QString& variant, const char* name) {
    QLibrary lib(QStringLiteral(FAKECAM_DIR) + "/" + variant + "/libKELM_CamCtl.so");
    auto fn = reinterpret_cast<int (*)(const char*)>(lib.resolve("fake_camctl_calls"));
    return fn ? fn(name) : -100;
}

std::unique_ptr<CCameraInterface> loaded(const QString& dir, int expected = 1) {
    AppPaths::setApplicationDir(dir);
    auto cam = std::make_unique<CCameraInterface>();
    const int r = cam->LoadCameraLibrary(false);
    if (r != expected)
        qWarning() << "load gave" << r;
    return r == expected ? std::move(cam) : nullptr;
}

QImage* waitFrame(CCameraInterface& cam, int timeoutMs = 15000) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (QImage* img = cam.QueryFrame())
            return img;
        QThread::msleep(10);
    }
    return nullptr;
}

}  // namespace

class TestCCameraInterface : public QObject {
    Q_OBJECT

private slots:
    void init() {
        messages().clear();
        qInstallMessageHandler(collect);
        for (const char* v : {"FAKE_CAMCTL_RESOLUTIONS", "FAKE_CAMCTL_RESCOUNT",
                              "FAKE_CAMCTL_LENGTH_DELTA", "MIRAVELO_VCAM_FAULT"})
            qunsetenv(v);
    }
    void cleanup() {
        qInstallMessageHandler(nullptr);
        AppPaths::setApplicationDir(QString());
    }

    void unloadedOrIncompleteLibraryAnswersWithCodes() {
        // Nothing loaded: every call fails cleanly.
        auto cam = std::make_unique<CCameraInterface>();
        QCOMPARE(cam->InitCamera(), -1);
        QVERIFY(messages().contains("Can not load API KELM_Camctl_Init!\n\r"));
        std::unique_ptr<QStringList> list(cam->GetDeviceList());
        QVERIFY(list->isEmpty());
        list.reset(cam->GetResolutionList(0));
        QVERIFY(list->isEmpty());
        QCOMPARE(cam->StartPreview(0, 640, 480, 1), -1);
        QCOMPARE(cam->StopPreview(), -1);
        QCOMPARE(cam->TakePhoto(), -1);
        QVERIFY(messages().contains("Can not load API KELM_Camctl_TakePhoto!\n\r"));
        int v = 99;
        QCOMPARE(cam->GetCameraProp(6, nullptr, nullptr, nullptr, &v, nullptr), -1);
        QVERIFY(messages().contains("Can not load API KELM_Camctl_GetCamProp!\n\r"));
        QCOMPARE(v, 99);
        QCOMPARE(cam->SetCameraProp(6, 1, 1), -1);
        QVERIFY(messages().contains("Can not load API KELM_Camctl_SetCamProp!\n\r"));
        messages().clear();
        QVERIFY(cam->QueryFrame() == nullptr);
        QVERIFY(messages().isEmpty());  // a query while nothing runs stays silent

        // A folder without the library.
        QTemporaryDir empty;
        AppPaths::setApplicationDir(empty.path());
        QCOMPARE(cam->LoadCameraLibrary(false), -1);
        QVERIFY(messages().contains("Can not load KELM_CamCtl.dll!\n\r"));
        QCOMPARE(cam->LoadCameraLibrary(true), -1);

        // Missing entry points give their position's code and the documented name.
        struct Case {
            const char* variant;
            int code;
            const char* line;
        };
        for (const Case& c :
             {Case{"omit_init", -2, "Can not load API KELM_Camctl_Init!\n\r"},
              Case{"omit_queryframe", -9, "Can not load API KELM_Camctl_QueryFrame!\n\r"},
              Case{"omit_bgr2rgb", -15, "Can not load API KELM_Camctl_RGB2BGR!\n\r"}}) {
            messages().clear();
            AppPaths::setApplicationDir(QStringLiteral(FAKECAM_DIR) + "/" + c.variant);
            // 40 MiB each: never on the stack.
            auto partial = std::make_unique<CCameraInterface>();
            QCOMPARE(partial->LoadCameraLibrary(false), c.code);
            QVERIFY2(messages().contains(c.line), c.variant);
            QVERIFY(!messages().contains("load DLL KELM_Camctl.dll Success!\n\r"));
        }
        messages().clear();
        AppPaths::setApplicationDir(QStringLiteral(FAKECAM_DIR) + "/full");
        QCOMPARE(cam->LoadCameraLibrary(false), 1);
        QVERIFY(messages().contains("load DLL KELM_Camctl.dll Success!\n\r"));
    }

    void resolutionAndFormatTables() {
        auto cam = loaded(QStringLiteral(FAKECAM_DIR) + "/full");
        QVERIFY(cam);
        QCOMPARE(cam->InitCamera(), 1);
        std::unique_ptr<QStringList> list(cam->GetDeviceList());
        QCOMPARE(*list, QStringList{QString::fromUtf8("Fake Camera \xc3\xa9")});  // Latin-1 name
        QCOMPARE(cam->deviceCount, 1);

        // Same size in two formats: one text; equal areas: the earlier wins; code 3: "UnKnow".
        qputenv("FAKE_CAMCTL_RESOLUTIONS",
                "1920,1080,2;1280,720,1;1920,1080,1;2560,1440,3;1440,2560,1;800,600,1");
        list.reset(cam->GetResolutionList(0));
        QCOMPARE(*list,
                 (QStringList{"1920*1080", "1280*720", "2560*1440", "1440*2560", "800*600"}));
        QCOMPARE(cam->resolutionCount, 6);
        QCOMPARE(cam->maxResWidth, 2560);
        QCOMPARE(cam->maxResHeight, 1440);
        QVERIFY(messages().contains("Resolution Count: 6"));
        QVERIFY(messages().contains("MaxRes W 2560 MaxRes H 1440"));
        list.reset(cam->GetFormatList());
        QCOMPARE(*list, (QStringList{"YUY2", "MJPG", "UnKnow"}));

        // A failing list keeps the previous maximum; an empty one sets 0 x 0.
        qputenv("FAKE_CAMCTL_RESCOUNT", "-1");
        list.reset(cam->GetResolutionList(0));
        QVERIFY(list->isEmpty());
        QVERIFY(messages().contains("Fail to get Resolution"));
        QCOMPARE(cam->maxResWidth, 2560);
        QCOMPARE(cam->resolutionCount, 0);
        list.reset(cam->GetFormatList());
        QVERIFY(list->isEmpty());
        qunsetenv("FAKE_CAMCTL_RESCOUNT");
        qputenv("FAKE_CAMCTL_RESOLUTIONS", "");
        list.reset(cam->GetResolutionList(0));
        QVERIFY(list->isEmpty());
        QCOMPARE(cam->maxResWidth, 0);
        QCOMPARE(cam->maxResHeight, 0);

        // A library claiming more records than the table holds is cut at 32.
        qputenv("FAKE_CAMCTL_RESOLUTIONS", "640,480,1");
        qputenv("FAKE_CAMCTL_RESCOUNT", "500");
        list.reset(cam->GetResolutionList(0));
        QCOMPARE(cam->resolutionCount, 32);
    }

    void framesLandRowAlignedAndCapturesAreCopies() {
        auto cam = loaded(QStringLiteral(FAKECAM_DIR) + "/full");
        QVERIFY(cam);
        cam->InitCamera();
        // 7 pixels make 21-byte rows, which QImage pads to 24.
        qputenv("FAKE_CAMCTL_RESOLUTIONS", "7,5,1;640,480,2");
        std::unique_ptr<QStringList> list(cam->GetResolutionList(0));
        const int startsBefore = fakeCalls("full", "StartPreview");
        QCOMPARE(cam->StartPreview(0, 7, 5, 2), -1);  // listed size, wrong format
        QCOMPARE(cam->StartPreview(0, 800, 600, 1), -1);
        QCOMPARE(fakeCalls("full", "StartPreview"), startsBefore);
        QVERIFY(!cam->previewRunning);
        QCOMPARE(cam->openedDevice, -1);

        QCOMPARE(cam->StartPreview(0, 7, 5, 1), 1);
        QVERIFY(messages().contains("Test!!!!!!!!!!!!!: 7"));
        QVERIFY(cam->previewRunning);
        QCOMPARE(cam->openedDevice, 0);
        QImage* frame = cam->QueryFrame();
        QVERIFY(frame);
        QCOMPARE(frame->size(), QSize(7, 5));
        QCOMPARE(frame->format(), QImage::Format_RGB888);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                QCOMPARE(frame->pixel(x, y), qRgb(x, y, x + y));

        QList<QImage*> captures;
        connect(cam.get(), &CCameraInterface::OnTakePhoto, this,
                [&](QImage* img) { captures.append(img); });
        QCOMPARE(cam->TakePhoto(), 1);
        QCOMPARE(cam->TakePhoto(), 1);
        QCOMPARE(fakeCalls("full", "TakePhoto"), 0);  // never reaches the library
        QImage* again = cam->QueryFrame();
        QCOMPARE(again, frame);  // same image object while the size stays
        QVERIFY(cam->QueryFrame());
        QCOMPARE(captures.size(), 1);
        std::unique_ptr<QImage> copy(captures.at(0));
        QVERIFY(copy.get() != frame);
        QCOMPARE(*copy, *frame);

        // A request made while stopped is dropped by the next start.
        QCOMPARE(cam->StopPreview(), 1);
        QVERIFY(!cam->previewRunning);
        QVERIFY(cam->QueryFrame() == nullptr);
        cam->TakePhoto();
        QCOMPARE(cam->StartPreview(0, 640, 480, 2), 1);
        QVERIFY(cam->QueryFrame());
        QCOMPARE(captures.size(), 1);

        // A length that does not match the size is not trusted.
        qputenv("FAKE_CAMCTL_LENGTH_DELTA", "-3");
        messages().clear();
        QVERIFY(cam->QueryFrame() == nullptr);
        QVERIFY(messages().contains("Can not query frame: 1"));

        // Property outputs are written only on success.
        int mn = 0, mx = 0, def = 0, val = 0, fl = 0;
        QCOMPARE(cam->GetVideoProp(0, &mn, &mx, &def, &val, &fl), 1);
        QCOMPARE(QList<int>({mn, mx, def, val, fl}), QList<int>({-10, 10, 2, 3, 2}));
        val = 77;
        QVERIFY(cam->GetVideoProp(1, &mn, &mx, &def, &val, &fl) < 0);
        QCOMPARE(cam->GetCameraProp(6, &mn, &mx, &def, &val, &fl), 0);
        QCOMPARE(val, 77);
    }

    void drivesTheVirtualCameras() {
        auto cam = loaded(QStringLiteral(MIRAVELO_BIN_DIR));
        QVERIFY(cam);
        QCOMPARE(cam->InitCamera(), 1);
        std::unique_ptr<QStringList> list(cam->GetDeviceList());
        QCOMPARE(*list, (QStringList{"Virtual Document Camera", "Virtual Sub Camera"}));
        list.reset(cam->GetResolutionList(0));
        QCOMPARE(*list,
                 (QStringList{"3264*2448", "2592*1944", "1920*1080", "1280*720", "640*480"}));
        QCOMPARE(cam->maxResWidth, 3264);
        QCOMPARE(cam->maxResHeight, 2448);
        list.reset(cam->GetFormatList());
        QCOMPARE(*list, (QStringList{"MJPG", "YUY2"}));

        QCOMPARE(cam->StartPreview(0, 640, 480, 1), 1);
        QImage* frame = waitFrame(*cam);
        QVERIFY(frame);
        QCOMPARE(frame->size(), QSize(640, 480));

        int mn, mx, def, val, fl;
        QCOMPARE(cam->GetVideoProp(0, &mn, &mx, &def, &val, &fl), 1);
        QVERIFY(mn < mx);
        QCOMPARE(cam->SetVideoProp(0, mx, 2), 1);
        QCOMPARE(cam->GetVideoProp(0, &mn, &mx, &def, &val, &fl), 1);
        QCOMPARE(val, mx);
        QCOMPARE(fl, 2);
        cam->SetVideoProp(0, def, 2);
        QCOMPARE(cam->GetCameraProp(6, &mn, &mx, &def, &val, &fl), 1);

        // A second start on a running interface reopens at the new size.
        QCOMPARE(cam->StartPreview(0, 1280, 720, 2), 1);
        QElapsedTimer t;
        t.start();
        while ((frame = waitFrame(*cam)) && frame->width() != 1280 && t.elapsed() < 15000) {
        }
        QVERIFY(frame);
        QCOMPARE(frame->size(), QSize(1280, 720));
        QCOMPARE(cam->StopPreview(), 1);

        // Unplugged while previewing: queries fail with the library's code, nothing crashes.
        qputenv("MIRAVELO_VCAM_FAULT", "unplug:2");
        QCOMPARE(cam->StartPreview(0, 640, 480, 1), 1);
        t.restart();
        while (!messages().contains("Can not query frame: -3") && t.elapsed() < 15000) {
            cam->QueryFrame();
            QThread::msleep(10);
        }
        QVERIFY(messages().contains("Can not query frame: -3"));
        QCOMPARE(cam->StopPreview(), 1);
        qunsetenv("MIRAVELO_VCAM_FAULT");
    }
};

QTEST_GUILESS_MAIN(TestCCameraInterface)
#include "tst_CCameraInterface.moc"
