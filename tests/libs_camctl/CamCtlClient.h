#pragma once

// The camera library as a client that only knows its C contract drives it: loaded by absolute
// path, entry points resolved by name.
#include <KELM_CamCtl.h>

#include <QLibrary>
#include <QTest>
#include <QThread>
#include <QVector>

#include <dlfcn.h>

#include <memory>
#include <vector>

// Short name and exported name of every entry point a client resolves.
// clang-format off
#define CAMCTL_ENTRIES(X)                                                                   \
    X(init, Init) X(deviceList, GetDeviceList) X(resolutionList, GetResolutionList)         \
    X(bgr2rgb, BGR2RGB) X(start, StartPreview) X(query, QueryFrame) X(stop, StopPreview)    \
    X(getVideo, GetVideoProp) X(setVideo, SetVideoProp) X(getCamera, GetCameraProp)         \
    X(setCamera, SetCameraProp) X(status, GetCameraStatus) X(takePhoto, TakePhoto)          \
    X(dispose, Dispose) X(skipStale, SkipStaleFrame)
// clang-format on

// One loaded file driven as a client that only knows the contract would.
struct Api {
    std::unique_ptr<QLibrary> lib;
    std::vector<unsigned char> buf = std::vector<unsigned char>(KELM_CAMCTL_FRAME_BUFFER_BYTES);
    int w = 0, h = 0, len = 0;
#define CAMCTL_DECLARE(name, fn) decltype(&KELM_Camctl_##fn) name = nullptr;
    CAMCTL_ENTRIES(CAMCTL_DECLARE)

    bool load(const QString& file) {
        lib = std::make_unique<QLibrary>(QStringLiteral(MIRAVELO_BIN_DIR) + "/" + file);
        bool ok = lib->load();
#define CAMCTL_RESOLVE(name, fn) \
    ok = ok && (name = reinterpret_cast<decltype(name)>(lib->resolve("KELM_Camctl_" #fn)));
        CAMCTL_ENTRIES(CAMCTL_RESOLVE)
        return ok;
    }
    // Loaded, initialised and enumerated, as a client is before it starts a preview.
    bool ready(const char* file = "libKELM_CamCtl.so") {
        KELM_CamInit block{1, 0, 0};
        KELM_CamDevice devices[8] = {};
        return load(file) && init(&block) == 1 && deviceList(devices, 8) > 0;
    }
    int queryOnce() {
        return query(buf.data(), &w, &h, &len);
    }
    // Polls until a new frame arrives (the virtual camera renders its loop first) or a failure
    // code: {result, width, height, length}.
    QVector<int> waitFrame(int timeoutMs = 15000) {
        int r = KELM_CAMCTL_NO_FRAME;
        const bool arrived =
            QTest::qWaitFor([&] { return (r = queryOnce()) != KELM_CAMCTL_NO_FRAME; }, timeoutMs);
        Q_UNUSED(arrived)  // the result code says what came
        return {r, w, h, len};
    }
    int resolution(int device, int width, int height, int format) {
        KELM_CamResolution rec[32] = {};
        const int n = resolutionList(device, rec, 32);
        for (int i = 0; i < n; ++i)
            if (rec[i].width == width && rec[i].height == height && rec[i].format == format)
                return i;
        return -1;
    }
    // Starts the main camera in the listed mode of that size and format.
    int startAt(int width, int height, int format = KELM_CAMCTL_FORMAT_MJPG) {
        return start(0, resolution(0, width, height, format));
    }
};

// Scripting of the fake UVC camera (fakev4l2/FakeV4l2Device.c) when it is preloaded.
namespace FakeV4l2 {

inline bool present() {
    return dlsym(RTLD_DEFAULT, "fakeV4l2Set") != nullptr;
}
inline void set(const char* key, int value) {
    reinterpret_cast<int (*)(const char*, int)>(dlsym(RTLD_DEFAULT, "fakeV4l2Set"))(key, value);
}
inline int get(const char* key) {
    return reinterpret_cast<int (*)(const char*)>(dlsym(RTLD_DEFAULT, "fakeV4l2Get"))(key);
}
// Frame k is marked by the grey 20 + (k % 8) * 30 of its top rows.
inline int frameMark(const unsigned char* rgbTopLeft) {
    return (int(rgbTopLeft[0]) - 5) / 30;
}
inline void reset() {
    for (const char* key : {"stalled", "busy", "cutEvery", "slowMs"})
        set(key, 0);
    set("plugged", 1);
}

}  // namespace FakeV4l2
