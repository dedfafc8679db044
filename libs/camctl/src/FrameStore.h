#pragma once

#include "CameraDevice.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace camctl {

// An encoded frame (MJPG bytes or a YUY2 buffer) that owns its bytes.
struct EncodedFrame {
    std::vector<uint8_t> bytes;
    int width = 0;
    int height = 0;
    int format = KELM_CAMCTL_FORMAT_MJPG;

    RawFrame view() const { return {bytes.data(), bytes.size(), width, height, format}; }
};

// Hand-over of the newest encoded frame from the capture thread to QueryFrame. Only the newest
// frame is kept: a frame that arrives before anyone asked for the previous one replaces it, so
// frames nobody asks for are never decoded. Three buffers circulate (being filled, newest, taken
// by the reader) and are swapped, never reallocated, once they have grown to the frame size.
class FrameStore {
public:
    // Capture thread: copies the device's frame (whose buffer goes back to the device) and makes
    // it the newest.
    void publish(const RawFrame& frame);
    // The stream has ended: KELM_CAMCTL_E_DEVICE_LOST or KELM_CAMCTL_E_STALLED.
    void markEnded(int reason);

    // Reader: moves the newest frame into `out` if it is newer than `lastSequence`. Returns 1,
    // 0 (nothing new) or the reason the stream ended.
    int takeNewest(EncodedFrame& out, uint64_t& lastSequence);
    // Reader: counts the newest frame as taken, without decoding it, when it arrived more than
    // `maxAge` ago. Returns 1 when a frame was passed over, 0 when there was none to pass over
    // (nothing new, or the newest is fresh), or the reason the stream ended.
    int passOverStale(uint64_t& lastSequence, std::chrono::milliseconds maxAge);

    // 0 while the stream runs, otherwise the reason it ended.
    int ended() const;
    void reset();

private:
    mutable std::mutex mutex_;
    EncodedFrame newest_;
    EncodedFrame filling_;                           // capture thread only
    std::chrono::steady_clock::time_point arrived_;  // of newest_
    uint64_t sequence_ = 0;
    int ended_ = 0;
};

}  // namespace camctl
