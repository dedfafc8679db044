#pragma once

#include <KELM_CamCtl.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace camctl {

struct Resolution {
    int width = 0;
    int height = 0;
    int format = KELM_CAMCTL_FORMAT_MJPG;
};

// One encoded frame as the device hands it over, valid until releaseFrame().
struct RawFrame {
    const uint8_t* data = nullptr;
    size_t size = 0;
    int width = 0;
    int height = 0;
    int format = KELM_CAMCTL_FORMAT_MJPG;
};

// A camera as the entry points see it. Listing and properties run on the caller's thread; the
// grab/release pair runs on the capture thread between openStream() and closeStream().
class CameraDevice {
public:
    virtual ~CameraDevice() = default;

    virtual std::string name() const = 0;
    virtual uint16_t vendorId() const = 0;
    virtual uint16_t productId() const = 0;
    virtual std::vector<Resolution> resolutions() = 0;

    // Result codes of KELM_CamCtl.h. `kind` 0 = video property, 1 = camera property.
    virtual int getProperty(int kind, int id, KELM_CamProperty& out) = 0;
    virtual int setProperty(int kind, int id, int value, int flags) = 0;

    // Prepares streaming; `cancel` becomes true when the stream is to end, so that long work on
    // the capture thread (rendering, waiting) can give up early.
    virtual int openStream(const Resolution& resolution, const std::atomic<bool>* cancel) = 0;
    // 1 with a frame, 0 when nothing arrived within timeoutMs, negative when the device is gone.
    virtual int grab(RawFrame& frame, int timeoutMs) = 0;
    virtual void releaseFrame() {}
    virtual void closeStream() = 0;

    // Picture adjustments that a real camera makes in its sensor; only virtual cameras need it.
    virtual void adjustPicture(uint8_t* rgb, int width, int height) {
        (void)rgb;
        (void)width;
        (void)height;
    }
};

}  // namespace camctl
