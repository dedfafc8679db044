#pragma once

#include "CameraDevice.h"
#include "FrameDecoder.h"
#include "FrameStore.h"

#include <atomic>
#include <memory>
#include <thread>

namespace camctl {

// One running preview. Its thread only pulls encoded frames from the device and keeps the newest
// one; the caller's frame query decodes that one, once, straight into the caller's buffer. A
// camera delivers frames whether or not anybody looks, and decoding a large MJPG frame costs far
// more than receiving it, so only frames somebody asks for are decoded.
class CaptureThread {
public:
    CaptureThread(std::shared_ptr<CameraDevice> device, FrameStore& store);
    ~CaptureThread();
    CaptureThread(const CaptureThread&) = delete;
    CaptureThread& operator=(const CaptureThread&) = delete;

    // Opens the stream and starts the thread. KELM_CAMCTL_OK or the device's refusal.
    int start(const Resolution& resolution);

    // A stream silent this long is restarted once, and reported stalled if it stays silent.
    // Cameras can take seconds to send their first frame; after that, gaps are short.
    static constexpr int kFirstFrameLimitMs = 8000;
    static constexpr int kNextFrameLimitMs = 2500;
    // Asks the thread to end and joins it; the device's grab times out within 200 ms.
    void stop();

    // Caller's thread: decodes the newest frame newer than `lastSequence` into `rgb` (capacity
    // bytes). Result codes of QueryFrame; a corrupt frame counts as no new frame.
    int deliver(uint8_t* rgb, size_t capacity, int& width, int& height, uint64_t& lastSequence,
                bool accurate);

    const std::atomic<bool>* cancelFlag() const { return &cancel_; }

private:
    void run();
    void loop();
    // Closes and reopens the stream; false (with the reason stored) when that fails.
    bool restart();

    std::shared_ptr<CameraDevice> device_;
    FrameStore& store_;
    std::atomic<bool> cancel_{false};
    std::thread thread_;
    bool open_ = false;
    Resolution resolution_;
    // Used on the caller's thread only.
    FrameDecoder decoder_;
    EncodedFrame taken_;
};

}  // namespace camctl
