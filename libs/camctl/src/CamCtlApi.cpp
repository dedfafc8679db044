// The exported entry points. All state lives in one Context per loaded library file, guarded by
// one mutex, so calls from any thread and in any order get a result code instead of a crash.

#include <KELM_CamCtl.h>

#include "CaptureThread.h"
#include "FrameStore.h"
#include "V4l2Camera.h"
#include "VirtualCamera.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace camctl {
namespace {

struct Context {
    std::mutex mutex;
    bool initialised = false;
    // The virtual devices live as long as the library, so a restart reuses their encoded loop.
    std::shared_ptr<CameraDevice> virtualDocument;
    std::shared_ptr<CameraDevice> virtualSub;
    std::vector<std::shared_ptr<CameraDevice>> devices;
    bool listed = false;
    std::shared_ptr<CameraDevice> propertyDevice;
    std::unique_ptr<CaptureThread> capture;
    FrameStore store;
    uint64_t lastSequence = 0;
    int ended = 0;  // why the stream ended: lost or stalled
    bool capturePending = false;
};

Context& context() {
    static Context c;
    return c;
}

std::vector<std::shared_ptr<CameraDevice>> discover(Context& c) {
    const char* mode = std::getenv("MIRAVELO_CAMERA");
    const std::string which = mode ? mode : "";
    std::vector<std::shared_ptr<CameraDevice>> list;
    if (which != "virtual")
        list = V4l2Camera::enumerate();
    if (which == "v4l2" || !list.empty())
        return list;
    if (!c.virtualDocument)
        c.virtualDocument = std::make_shared<VirtualCamera>(VirtualCamera::Role::Document);
    if (!c.virtualSub)
        c.virtualSub = std::make_shared<VirtualCamera>(VirtualCamera::Role::Sub);
    return {c.virtualDocument, c.virtualSub};
}

void ensureListed(Context& c) {
    if (c.listed)
        return;
    c.devices = discover(c);
    if (c.devices.size() > KELM_CAMCTL_MAX_DEVICES)
        c.devices.resize(KELM_CAMCTL_MAX_DEVICES);
    c.listed = true;
}

// What a device can stream into the caller's buffer; a larger size would only be refused at start.
std::vector<Resolution> offeredResolutions(CameraDevice& device) {
    std::vector<Resolution> list = device.resolutions();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [](const Resolution& r) {
                                  return size_t(r.width) * size_t(r.height) * 3 >
                                         size_t(KELM_CAMCTL_FRAME_BUFFER_BYTES);
                              }),
               list.end());
    return list;
}

void stopCapture(Context& c) {
    if (c.capture)
        c.capture->stop();
    c.capture.reset();
    c.ended = 0;
    c.capturePending = false;
}

std::shared_ptr<CameraDevice> propertyTarget(Context& c) {
    if (c.propertyDevice)
        return c.propertyDevice;
    ensureListed(c);
    return c.devices.empty() ? nullptr : c.devices.front();
}

// Property calls share one guard: a record, an initialised library and a device to ask.
template <typename Call>
int withPropertyDevice(const KELM_CamProperty* property, Call&& call) {
    if (!property)
        return KELM_CAMCTL_E_ARGUMENT;
    try {
        Context& c = context();
        std::lock_guard<std::mutex> lock(c.mutex);
        if (!c.initialised)
            return KELM_CAMCTL_E_NOT_INIT;
        auto device = propertyTarget(c);
        if (!device)
            return KELM_CAMCTL_E_DEVICE_LOST;
        return call(*device);
    } catch (...) {
        return KELM_CAMCTL_E_IO;
    }
}

// Calls that need a running preview share one guard; `call` runs under the lock.
template <typename Call>
int withRunningPreview(Call&& call) {
    Context& c = context();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!c.initialised)
        return KELM_CAMCTL_E_NOT_INIT;
    if (!c.capture)
        return KELM_CAMCTL_E_NOT_RUNNING;
    try {
        return call(c);
    } catch (...) {
        return KELM_CAMCTL_E_IO;
    }
}

int getProp(int kind, int id, KELM_CamProperty* property) {
    return withPropertyDevice(property, [&](CameraDevice& device) {
        KELM_CamProperty record{};
        const int r = device.getProperty(kind, id, record);
        if (r == KELM_CAMCTL_OK)
            *property = record;
        return r;
    });
}

int setProp(int kind, int id, const KELM_CamProperty* property) {
    return withPropertyDevice(property, [&](CameraDevice& device) {
        return device.setProperty(kind, id, property->value, property->flags);
    });
}

}  // namespace
}  // namespace camctl

using namespace camctl;

extern "C" {

KELM_CAMCTL_API int KELM_Camctl_Init(KELM_CamInit* block) {
    if (!block)
        return KELM_CAMCTL_E_ARGUMENT;
    Context& c = context();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.initialised = true;
    return KELM_CAMCTL_OK;
}

KELM_CAMCTL_API int KELM_Camctl_GetDeviceList(KELM_CamDevice* devices, int capacity) {
    if (!devices || capacity <= 0)
        return KELM_CAMCTL_E_ARGUMENT;
    try {
        Context& c = context();
        std::lock_guard<std::mutex> lock(c.mutex);
        if (!c.initialised)
            return KELM_CAMCTL_E_NOT_INIT;
        // A new list each time, so a camera plugged in since the last call appears. A running
        // capture keeps its own reference to its device.
        c.listed = false;
        ensureListed(c);
        const int n = std::min<int>(int(c.devices.size()), capacity);
        for (int i = 0; i < n; ++i) {
            KELM_CamDevice& d = devices[i];
            std::memset(&d, 0, sizeof d);
            d.vendorId = c.devices[i]->vendorId();
            d.productId = c.devices[i]->productId();
            const std::string name = c.devices[i]->name();
            std::strncpy(d.name, name.c_str(), KELM_CAMCTL_NAME_BYTES - 1);
        }
        return n;
    } catch (...) {
        return KELM_CAMCTL_E_IO;
    }
}

KELM_CAMCTL_API int KELM_Camctl_GetResolutionList(int device, KELM_CamResolution* records,
                                                  int capacity) {
    if (!records || capacity <= 0)
        return KELM_CAMCTL_E_ARGUMENT;
    try {
        Context& c = context();
        std::lock_guard<std::mutex> lock(c.mutex);
        if (!c.initialised)
            return KELM_CAMCTL_E_NOT_INIT;
        ensureListed(c);
        if (device < 0 || device >= int(c.devices.size()))
            return KELM_CAMCTL_E_ARGUMENT;
        const auto list = offeredResolutions(*c.devices[size_t(device)]);
        const int n = std::min<int>(int(list.size()), capacity);
        for (int i = 0; i < n; ++i) {
            records[i].width = list[size_t(i)].width;
            records[i].height = list[size_t(i)].height;
            records[i].reserved = 0;
            records[i].format = uint16_t(list[size_t(i)].format);
        }
        return n;
    } catch (...) {
        return KELM_CAMCTL_E_IO;
    }
}

KELM_CAMCTL_API int KELM_Camctl_BGR2RGB(int enable) {
    (void)enable;  // frames are always delivered red, green, blue
    return KELM_CAMCTL_OK;
}

KELM_CAMCTL_API int KELM_Camctl_StartPreview(int device, int resolution) {
    try {
        Context& c = context();
        std::lock_guard<std::mutex> lock(c.mutex);
        if (!c.initialised)
            return KELM_CAMCTL_E_NOT_INIT;
        // A second start replaces the running stream: the caller asked for this mode now, and a
        // caller that lost track of the old stream must not be locked out of the camera.
        stopCapture(c);
        ensureListed(c);
        if (device < 0 || device >= int(c.devices.size()))
            return KELM_CAMCTL_E_ARGUMENT;
        auto cam = c.devices[size_t(device)];
        const auto list = offeredResolutions(*cam);
        if (resolution < 0 || resolution >= int(list.size()))
            return KELM_CAMCTL_E_ARGUMENT;
        const Resolution& res = list[size_t(resolution)];
        if (size_t(res.width) * size_t(res.height) * 3 > size_t(KELM_CAMCTL_FRAME_BUFFER_BYTES))
            return KELM_CAMCTL_E_TOO_LARGE;
        c.propertyDevice = cam;
        auto capture = std::make_unique<CaptureThread>(cam, c.store);
        const int r = capture->start(res);
        if (r != KELM_CAMCTL_OK)
            return r;
        c.capture = std::move(capture);
        return KELM_CAMCTL_OK;
    } catch (...) {
        return KELM_CAMCTL_E_IO;
    }
}

KELM_CAMCTL_API int KELM_Camctl_QueryFrame(unsigned char* buffer, int* width, int* height,
                                           int* length) {
    if (width)
        *width = 0;
    if (height)
        *height = 0;
    if (length)
        *length = 0;
    if (!buffer || !width || !height || !length)
        return KELM_CAMCTL_E_ARGUMENT;
    int w = 0, h = 0;
    const int r = withRunningPreview([&](Context& c) {
        const int delivered = c.capture->deliver(buffer, KELM_CAMCTL_FRAME_BUFFER_BYTES, w, h,
                                                 c.lastSequence, c.capturePending);
        if (delivered == KELM_CAMCTL_E_DEVICE_LOST || delivered == KELM_CAMCTL_E_STALLED)
            c.ended = delivered;
        if (delivered == KELM_CAMCTL_OK)
            c.capturePending = false;
        return delivered;
    });
    if (r != KELM_CAMCTL_OK)
        return r;
    *width = w;
    *height = h;
    *length = w * h * 3;
    return KELM_CAMCTL_OK;
}

KELM_CAMCTL_API int KELM_Camctl_SkipStaleFrame(int maxAgeMs) {
    if (maxAgeMs < 0)
        return KELM_CAMCTL_E_ARGUMENT;
    return withRunningPreview([&](Context& c) {
        if (c.capturePending)
            return int(KELM_CAMCTL_NO_FRAME);
        const int r = c.store.passOverStale(c.lastSequence, std::chrono::milliseconds(maxAgeMs));
        if (r == KELM_CAMCTL_E_DEVICE_LOST || r == KELM_CAMCTL_E_STALLED)
            c.ended = r;
        return r;
    });
}

KELM_CAMCTL_API int KELM_Camctl_StopPreview(void) {
    Context& c = context();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!c.initialised)
        return KELM_CAMCTL_E_NOT_INIT;
    stopCapture(c);
    c.store.reset();
    return KELM_CAMCTL_OK;
}

KELM_CAMCTL_API int KELM_Camctl_GetVideoProp(int id, KELM_CamProperty* property) {
    return getProp(0, id, property);
}

KELM_CAMCTL_API int KELM_Camctl_SetVideoProp(int id, KELM_CamProperty* property) {
    return setProp(0, id, property);
}

KELM_CAMCTL_API int KELM_Camctl_GetCameraProp(int id, KELM_CamProperty* property) {
    return getProp(1, id, property);
}

KELM_CAMCTL_API int KELM_Camctl_SetCameraProp(int id, KELM_CamProperty* property) {
    return setProp(1, id, property);
}

KELM_CAMCTL_API int KELM_Camctl_GetCameraStatus(int query) {
    if (query != 10)
        return KELM_CAMCTL_E_ARGUMENT;
    Context& c = context();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!c.initialised)
        return KELM_CAMCTL_E_NOT_INIT;
    if (c.capture && (c.ended || c.store.ended()))
        return c.ended ? c.ended : c.store.ended();
    return c.capture ? 1 : 0;
}

KELM_CAMCTL_API int KELM_Camctl_TakePhoto(void) {
    // The next delivered frame is the user's document, kept and perhaps printed: it is decoded
    // with the exact inverse DCT and smooth chroma, not the preview's fast paths. That costs a few
    // milliseconds once per capture, which nobody notices; the fast paths save them on every one
    // of the fifteen or so preview frames a second.
    return withRunningPreview([](Context& c) {
        c.capturePending = true;
        return KELM_CAMCTL_OK;
    });
}

KELM_CAMCTL_API int KELM_Camctl_Dispose(void) {
    Context& c = context();
    std::lock_guard<std::mutex> lock(c.mutex);
    stopCapture(c);
    c.store.reset();
    c.devices.clear();
    c.listed = false;
    c.propertyDevice.reset();
    c.initialised = false;
    return KELM_CAMCTL_OK;
}

}  // extern "C"
