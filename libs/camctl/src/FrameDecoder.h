#pragma once

#include "CameraDevice.h"

#include <cstdint>
#include <vector>

namespace camctl {

// Turns one MJPG or YUY2 frame into packed RGB rows (red, green, blue; width x 3 bytes per row).
class FrameDecoder {
public:
    FrameDecoder();
    ~FrameDecoder();
    FrameDecoder(const FrameDecoder&) = delete;
    FrameDecoder& operator=(const FrameDecoder&) = delete;

    // Cheap check on the capture thread: false for an MJPG frame without its end marker (cut
    // short on the way) or a YUY2 frame with fewer bytes than its size needs.
    static bool complete(const RawFrame& frame);
    // Size of the decoded picture without decoding it. KELM_CAMCTL_OK or a negative code.
    int measure(const RawFrame& frame, int& width, int& height);
    // Decodes into `rgb`, which holds width x height x 3 bytes as measured. KELM_CAMCTL_OK or a
    // negative code (a corrupt frame, or one whose data ends before its last row, is skipped by
    // the caller, not fatal). `accurate` decodes MJPG
    // with the exact inverse DCT and smooth chroma upsampling instead of the fast paths.
    int decode(const RawFrame& frame, int width, int height, uint8_t* rgb, bool accurate = false);

private:
    void* jpeg_ = nullptr;
    std::vector<uint8_t> argbRows_;
};

}  // namespace camctl
