#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace camctl {

// Double buffer between the capture thread (which decodes into the back buffer and publishes it)
// and QueryFrame (which copies the front buffer). Publishing swaps the two, so the decoder never
// waits for a copy and a copy never sees a half-decoded frame.
class FrameStore {
public:
    // Capture thread: a back buffer of at least `bytes` bytes.
    uint8_t* backBuffer(size_t bytes);
    void publish(int width, int height);
    void markLost();

    // Caller thread: copies the newest frame if it is newer than `lastSequence` and fits
    // `capacity`. Returns 1, 0 (nothing new), KELM_CAMCTL_E_DEVICE_LOST or KELM_CAMCTL_E_TOO_LARGE.
    int copyNewest(uint8_t* destination, size_t capacity, int& width, int& height,
                   uint64_t& lastSequence);

    bool lost() const;
    void reset();

private:
    mutable std::mutex mutex_;
    std::vector<uint8_t> front_;
    std::vector<uint8_t> back_;
    int width_ = 0;
    int height_ = 0;
    uint64_t sequence_ = 0;
    bool lost_ = false;
};

}  // namespace camctl
