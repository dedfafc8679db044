#pragma once

#include "CameraDevice.h"

#include <memory>
#include <mutex>

namespace camctl {

// A real camera behind /dev/videoN: MJPG and YUYV sizes from the format enumeration, mmap
// streaming at the fastest rate of the chosen size, controls for brightness, contrast,
// saturation, power line frequency and focus.
class V4l2Camera : public CameraDevice {
public:
    // Every /dev/video* node that can capture and stream in MJPG or YUYV.
    static std::vector<std::shared_ptr<CameraDevice>> enumerate();

    V4l2Camera(std::string path, std::string name, uint16_t vendor, uint16_t product,
               std::vector<Resolution> resolutions);
    ~V4l2Camera() override;

    std::string name() const override { return name_; }
    uint16_t vendorId() const override { return vendor_; }
    uint16_t productId() const override { return product_; }
    std::vector<Resolution> resolutions() override { return resolutions_; }

    int getProperty(int kind, int id, KELM_CamProperty& out) override;
    int setProperty(int kind, int id, int value, int flags) override;

    int openStream(const Resolution& resolution, const std::atomic<bool>* cancel) override;
    int grab(RawFrame& frame, int timeoutMs) override;
    void releaseFrame() override;
    void closeStream() override;

private:
    struct Buffer {
        void* start = nullptr;
        size_t length = 0;
    };
    // The streaming descriptor when open, otherwise a short-lived one for property calls.
    int controlFd(bool& temporary);
    void unmapBuffers();
    void requeue(int index);

    std::string path_;
    std::string name_;
    uint16_t vendor_;
    uint16_t product_;
    std::vector<Resolution> resolutions_;

    std::mutex fdMutex_;
    int fd_ = -1;
    std::vector<Buffer> buffers_;
    int dequeued_ = -1;
    Resolution active_;
};

}  // namespace camctl
