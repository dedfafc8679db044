#include "FrameStore.h"

#include <KELM_CamCtl.h>

namespace camctl {

void FrameStore::publish(const RawFrame& frame) {
    // The copy is made outside the lock, so a reader taking the newest frame never waits for it.
    filling_.bytes.assign(frame.data, frame.data + frame.size);
    filling_.width = frame.width;
    filling_.height = frame.height;
    filling_.format = frame.format;
    const auto arrived = std::chrono::steady_clock::now();
    std::lock_guard<std::mutex> lock(mutex_);
    std::swap(newest_, filling_);
    arrived_ = arrived;
    ++sequence_;
}

void FrameStore::markEnded(int reason) {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = reason;
}

int FrameStore::ended() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return ended_;
}

void FrameStore::reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = 0;
    // The sequence keeps counting so that a query never mistakes an old frame for a new one.
    newest_ = EncodedFrame();
    filling_ = EncodedFrame();
}

int FrameStore::takeNewest(EncodedFrame& out, uint64_t& lastSequence) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (ended_)
        return ended_;
    if (sequence_ == lastSequence || newest_.bytes.empty())
        return KELM_CAMCTL_NO_FRAME;
    // The reader's previous buffer becomes the stale "newest"; the sequence keeps it from ever
    // being handed out, and the next publish overwrites it.
    std::swap(out, newest_);
    lastSequence = sequence_;
    return KELM_CAMCTL_OK;
}

int FrameStore::passOverStale(uint64_t& lastSequence, std::chrono::milliseconds maxAge) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (ended_)
        return ended_;
    if (sequence_ == lastSequence || newest_.bytes.empty() ||
        std::chrono::steady_clock::now() - arrived_ <= maxAge)
        return KELM_CAMCTL_NO_FRAME;
    lastSequence = sequence_;
    return KELM_CAMCTL_OK;
}

}  // namespace camctl
