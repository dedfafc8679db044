#include "FrameStore.h"

#include <KELM_CamCtl.h>

#include <cstring>

namespace camctl {

uint8_t* FrameStore::backBuffer(size_t bytes) {
    // Only the capture thread touches back_ outside the lock; publish() swaps under the lock.
    if (back_.size() < bytes)
        back_.resize(bytes);
    return back_.data();
}

void FrameStore::publish(int width, int height) {
    std::lock_guard<std::mutex> lock(mutex_);
    front_.swap(back_);
    width_ = width;
    height_ = height;
    ++sequence_;
}

void FrameStore::markLost() {
    std::lock_guard<std::mutex> lock(mutex_);
    lost_ = true;
}

bool FrameStore::lost() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lost_;
}

void FrameStore::reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    lost_ = false;
    width_ = height_ = 0;
    // The sequence keeps counting so that a query never mistakes an old frame for a new one.
    // Buffers are released: a stopped camera should not hold tens of megabytes.
    std::vector<uint8_t>().swap(front_);
    std::vector<uint8_t>().swap(back_);
}

int FrameStore::copyNewest(uint8_t* destination, size_t capacity, int& width, int& height,
                           uint64_t& lastSequence) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (lost_)
        return KELM_CAMCTL_E_DEVICE_LOST;
    if (sequence_ == lastSequence || width_ <= 0 || height_ <= 0)
        return KELM_CAMCTL_NO_FRAME;
    const size_t bytes = size_t(width_) * size_t(height_) * 3;
    if (bytes > capacity || bytes > front_.size()) {
        lastSequence = sequence_;
        return KELM_CAMCTL_E_TOO_LARGE;
    }
    std::memcpy(destination, front_.data(), bytes);
    width = width_;
    height = height_;
    lastSequence = sequence_;
    return KELM_CAMCTL_OK;
}

}  // namespace camctl
