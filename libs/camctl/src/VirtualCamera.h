#pragma once

#include "CameraDevice.h"
#include "VirtualScene.h"

#include <chrono>
#include <mutex>

namespace camctl {

// A camera without hardware: the document camera shows a rendered desk scene (or the photos named
// by MIRAVELO_VCAM_SCENE), the sub camera a face. At start the capture thread renders a short
// loop of frames and encodes them once as MJPG or YUY2; streaming then only paces and hands them
// over, so decoding costs what it costs with a real camera.
//
// MIRAVELO_VCAM_FAULT (comma separated) imitates faulty hardware for tests: "unplug:<n>" loses the
// device after n frames, "refuse:MJPG" / "refuse:YUY2" refuses that format, "large" adds a
// 4640 x 3152 size that does not fit the frame buffer (and is therefore never listed).
class VirtualCamera : public CameraDevice {
public:
    enum class Role { Document, Sub };
    explicit VirtualCamera(Role role);

    std::string name() const override;
    uint16_t vendorId() const override;
    uint16_t productId() const override;
    std::vector<Resolution> resolutions() override;

    int getProperty(int kind, int id, KELM_CamProperty& out) override;
    int setProperty(int kind, int id, int value, int flags) override;

    int openStream(const Resolution& resolution, const std::atomic<bool>* cancel) override;
    int grab(RawFrame& frame, int timeoutMs) override;
    void closeStream() override;

    void adjustPicture(uint8_t* rgb, int width, int height) override;

private:
    struct Property {
        int minimum, maximum, step, defaultValue, value, flags;
    };
    bool prepareLoop();
    int framesPerSecond() const;
    std::vector<uint8_t> encode(const cv::Mat& bgr);

    Role role_;
    Resolution resolution_;
    std::string scene_;
    const std::atomic<bool>* cancel_ = nullptr;
    std::vector<std::vector<uint8_t>> loop_;
    bool photos_ = false;
    bool prepared_ = false;
    long frameNumber_ = 0;
    long unplugAfter_ = -1;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point next_;

    std::mutex propertyMutex_;
    Property brightness_{-64, 64, 1, 0, 0, KELM_CAMCTL_FLAG_MANUAL};
    Property contrast_{0, 100, 1, 50, 50, KELM_CAMCTL_FLAG_MANUAL};
    Property saturation_{0, 100, 1, 50, 50, KELM_CAMCTL_FLAG_MANUAL};
    Property focus_{0, 255, 1, 128, 128, KELM_CAMCTL_FLAG_AUTO};
    // Accepted and kept; a rendered scene has no mains flicker to avoid.
    Property powerLine_{
        0, 2, 1, KELM_CAMCTL_POWER_LINE_50HZ, KELM_CAMCTL_POWER_LINE_50HZ, KELM_CAMCTL_FLAG_MANUAL};
    // The record behind a (kind, id) pair, or null for one this camera does not offer.
    Property* propertyFor(int kind, int id);
    std::vector<uint8_t> blurSmall_;
};

}  // namespace camctl
