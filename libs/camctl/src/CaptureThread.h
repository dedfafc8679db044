#pragma once

#include "CameraDevice.h"
#include "FrameDecoder.h"
#include "FrameStore.h"

#include <atomic>
#include <memory>
#include <thread>

namespace camctl {

// The one thread per running preview: it pulls encoded frames from the device, decodes them and
// publishes them in the frame store. QueryFrame never decodes, it only copies.
class CaptureThread {
public:
    CaptureThread(std::shared_ptr<CameraDevice> device, FrameStore& store);
    ~CaptureThread();
    CaptureThread(const CaptureThread&) = delete;
    CaptureThread& operator=(const CaptureThread&) = delete;

    // Opens the stream and starts the thread. KELM_CAMCTL_OK or the device's refusal.
    int start(const Resolution& resolution);
    // Asks the thread to end and joins it; the device's grab times out within 200 ms.
    void stop();

    const std::atomic<bool>* cancelFlag() const { return &cancel_; }

private:
    void run();
    void loop();

    std::shared_ptr<CameraDevice> device_;
    FrameStore& store_;
    FrameDecoder decoder_;
    std::atomic<bool> cancel_{false};
    std::thread thread_;
    bool open_ = false;
};

}  // namespace camctl
