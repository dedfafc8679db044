#include "CaptureThread.h"

namespace camctl {

CaptureThread::CaptureThread(std::shared_ptr<CameraDevice> device, FrameStore& store)
    : device_(std::move(device)), store_(store) {}

CaptureThread::~CaptureThread() {
    stop();
}

int CaptureThread::start(const Resolution& resolution) {
    cancel_ = false;
    store_.reset();
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
        store_.markLost();
    }
}

void CaptureThread::loop() {
    while (!cancel_) {
        RawFrame raw;
        const int r = device_->grab(raw, 200);
        if (r < 0) {
            store_.markLost();
            return;
        }
        if (r == 0)
            continue;
        int width = 0, height = 0;
        if (decoder_.measure(raw, width, height) == KELM_CAMCTL_OK &&
            size_t(width) * size_t(height) * 3 <= size_t(KELM_CAMCTL_FRAME_BUFFER_BYTES)) {
            uint8_t* rgb = store_.backBuffer(size_t(width) * size_t(height) * 3);
            if (decoder_.decode(raw, width, height, rgb) == KELM_CAMCTL_OK) {
                device_->adjustPicture(rgb, width, height);
                store_.publish(width, height);
            }
        }
        // Oversized or corrupt frames are dropped here: the caller's buffer has a fixed size and
        // a broken frame must not replace a good one.
        device_->releaseFrame();
    }
}

}  // namespace camctl
