#include "CaptureThread.h"

#include <chrono>

namespace camctl {

CaptureThread::CaptureThread(std::shared_ptr<CameraDevice> device, FrameStore& store)
    : device_(std::move(device)), store_(store) {}

CaptureThread::~CaptureThread() {
    stop();
}

int CaptureThread::start(const Resolution& resolution) {
    cancel_ = false;
    store_.reset();
    resolution_ = resolution;
    const int r = device_->openStream(resolution, &cancel_);
    if (r != KELM_CAMCTL_OK)
        return r;
    open_ = true;
    try {
        thread_ = std::thread(&CaptureThread::run, this);
    } catch (...) {
        device_->closeStream();
        open_ = false;
        return KELM_CAMCTL_E_IO;
    }
    return KELM_CAMCTL_OK;
}

void CaptureThread::stop() {
    cancel_ = true;
    if (thread_.joinable())
        thread_.join();
    if (open_)
        device_->closeStream();
    open_ = false;
}

void CaptureThread::run() {
    // Nothing may escape this thread: an exception here would end the whole program.
    try {
        loop();
    } catch (...) {
        store_.markEnded(KELM_CAMCTL_E_DEVICE_LOST);
    }
}

void CaptureThread::loop() {
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastGood = Clock::now();
    bool gotFrame = false, restarted = false;
    while (!cancel_) {
        RawFrame raw;
        const int r = device_->grab(raw, 200);
        if (r < 0) {
            store_.markEnded(KELM_CAMCTL_E_DEVICE_LOST);
            return;
        }
        // A frame cut short is not published: it never reaches a preview or a capture, and a
        // camera sending only such frames counts as silent.
        const bool good = r > 0 && FrameDecoder::complete(raw);
        if (r > 0 && good)
            store_.publish(raw);
        if (r > 0)
            device_->releaseFrame();
        if (good) {
            lastGood = Clock::now();
            gotFrame = true;
            restarted = false;
            continue;
        }
        const int limitMs = gotFrame ? kNextFrameLimitMs : kFirstFrameLimitMs;
        if (Clock::now() - lastGood < std::chrono::milliseconds(limitMs))
            continue;
        if (restarted) {
            store_.markEnded(KELM_CAMCTL_E_STALLED);
            return;
        }
        // A restart wakes many a stuck camera; once is enough to know it is not coming back.
        if (!restart())
            return;
        restarted = true;
        gotFrame = false;
        lastGood = Clock::now();
    }
}

bool CaptureThread::restart() {
    device_->closeStream();
    const int r = device_->openStream(resolution_, &cancel_);
    if (r == KELM_CAMCTL_OK)
        return true;
    open_ = false;
    store_.markEnded(r == KELM_CAMCTL_E_DEVICE_LOST ? r : KELM_CAMCTL_E_STALLED);
    return false;
}

int CaptureThread::deliver(uint8_t* rgb, size_t capacity, int& width, int& height,
                           uint64_t& lastSequence, bool accurate) {
    const int r = store_.takeNewest(taken_, lastSequence);
    if (r != KELM_CAMCTL_OK)
        return r;
    const RawFrame raw = taken_.view();
    int w = 0, h = 0;
    // A corrupt frame is dropped: the caller keeps the good frame it already has.
    if (decoder_.measure(raw, w, h) != KELM_CAMCTL_OK)
        return KELM_CAMCTL_NO_FRAME;
    // Measured before anything is written: a frame larger than the caller's buffer is refused
    // whole, never delivered in part.
    if (size_t(w) * size_t(h) * 3 > capacity)
        return KELM_CAMCTL_E_TOO_LARGE;
    if (decoder_.decode(raw, w, h, rgb, accurate) != KELM_CAMCTL_OK)
        return KELM_CAMCTL_NO_FRAME;
    device_->adjustPicture(rgb, w, h);
    width = w;
    height = h;
    return KELM_CAMCTL_OK;
}

}  // namespace camctl
