#include "V4l2Camera.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace camctl {

namespace {

constexpr int kBufferCount = 4;

int xioctl(int fd, unsigned long request, void* arg) {
    int r;
    do {
        r = ioctl(fd, request, arg);
    } while (r == -1 && errno == EINTR);
    return r;
}

int formatCode(uint32_t pixelformat) {
    if (pixelformat == V4L2_PIX_FMT_MJPEG)
        return KELM_CAMCTL_FORMAT_MJPG;
    if (pixelformat == V4L2_PIX_FMT_YUYV)
        return KELM_CAMCTL_FORMAT_YUY2;
    return 0;
}

uint32_t pixelFormat(int code) {
    return code == KELM_CAMCTL_FORMAT_YUY2 ? V4L2_PIX_FMT_YUYV : V4L2_PIX_FMT_MJPEG;
}

// Walks up from /sys/class/video4linux/videoN/device to the USB device that carries the ids.
void usbIds(const std::string& node, uint16_t& vendor, uint16_t& product) {
    vendor = product = 0;
    char resolved[PATH_MAX];
    const std::string link = "/sys/class/video4linux/" + node + "/device";
    if (!realpath(link.c_str(), resolved))
        return;
    std::string dir = resolved;
    for (int depth = 0; depth < 4 && dir.size() > 1; ++depth) {
        std::ifstream v(dir + "/idVendor"), p(dir + "/idProduct");
        unsigned int vid = 0, pid = 0;
        if (v >> std::hex >> vid && p >> std::hex >> pid) {
            vendor = uint16_t(vid);
            product = uint16_t(pid);
            return;
        }
        dir = dir.substr(0, dir.find_last_of('/'));
    }
}

uint32_t controlId(int kind, int id, bool& isFocus) {
    isFocus = false;
    if (kind == 0 && id == KELM_CAMCTL_PROP_BRIGHTNESS)
        return V4L2_CID_BRIGHTNESS;
    if (kind == 0 && id == KELM_CAMCTL_PROP_CONTRAST)
        return V4L2_CID_CONTRAST;
    if (kind == 0 && id == KELM_CAMCTL_PROP_SATURATION)
        return V4L2_CID_SATURATION;
    // The menu values (disabled, 50 Hz, 60 Hz) are the header's values.
    if (kind == 0 && id == KELM_CAMCTL_PROP_POWER_LINE)
        return V4L2_CID_POWER_LINE_FREQUENCY;
    if (kind == 1 && id == KELM_CAMCTL_PROP_FOCUS) {
        isFocus = true;
        return V4L2_CID_FOCUS_ABSOLUTE;
    }
    return 0;
}

// Errors that mean another program has the camera, not that the mode is wrong.
int refusal(int error) {
    return error == EBUSY ? KELM_CAMCTL_E_BUSY : KELM_CAMCTL_E_FORMAT;
}

bool fitsFrameBuffer(uint32_t width, uint32_t height) {
    return uint64_t(width) * height * 3 <= uint64_t(KELM_CAMCTL_FRAME_BUFFER_BYTES);
}

// Drivers keep whatever rate they last had; a document camera's preview wants the fastest one
// its chosen size allows. Cameras without rate control simply keep theirs.
void chooseFastestRate(int fd, const v4l2_format& fmt) {
    v4l2_frmivalenum iv{};
    iv.pixel_format = fmt.fmt.pix.pixelformat;
    iv.width = fmt.fmt.pix.width;
    iv.height = fmt.fmt.pix.height;
    v4l2_fract best{0, 0};
    const auto faster = [&best](const v4l2_fract& f) {
        // f is a shorter frame time than best: f.num / f.den < best.num / best.den.
        if (f.numerator == 0 || f.denominator == 0)
            return;
        if (best.denominator == 0 ||
            uint64_t(f.numerator) * best.denominator < uint64_t(best.numerator) * f.denominator)
            best = f;
    };
    for (iv.index = 0; xioctl(fd, VIDIOC_ENUM_FRAMEINTERVALS, &iv) == 0; ++iv.index) {
        if (iv.type == V4L2_FRMIVAL_TYPE_DISCRETE) {
            faster(iv.discrete);
        } else {
            faster(iv.stepwise.min);
            break;
        }
    }
    if (best.denominator == 0)
        return;
    v4l2_streamparm parm{};
    parm.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (xioctl(fd, VIDIOC_G_PARM, &parm) != 0 ||
        !(parm.parm.capture.capability & V4L2_CAP_TIMEPERFRAME))
        return;
    parm.parm.capture.timeperframe = best;
    xioctl(fd, VIDIOC_S_PARM, &parm);
}

}  // namespace

std::vector<std::shared_ptr<CameraDevice>> V4l2Camera::enumerate() {
    std::vector<std::shared_ptr<CameraDevice>> found;
    std::vector<std::string> nodes;
    if (DIR* dir = opendir("/dev")) {
        while (dirent* e = readdir(dir))
            if (std::strncmp(e->d_name, "video", 5) == 0)
                nodes.push_back(e->d_name);
        closedir(dir);
    }
    std::sort(nodes.begin(), nodes.end(), [](const std::string& a, const std::string& b) {
        return std::atoi(a.c_str() + 5) < std::atoi(b.c_str() + 5);
    });
    for (const std::string& node : nodes) {
        const std::string path = "/dev/" + node;
        const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        v4l2_capability cap{};
        if (xioctl(fd, VIDIOC_QUERYCAP, &cap) != 0) {
            close(fd);
            continue;
        }
        const uint32_t caps =
            (cap.capabilities & V4L2_CAP_DEVICE_CAPS) ? cap.device_caps : cap.capabilities;
        if (!(caps & V4L2_CAP_VIDEO_CAPTURE) || !(caps & V4L2_CAP_STREAMING)) {
            close(fd);
            continue;
        }
        std::vector<Resolution> sizes;
        v4l2_fmtdesc desc{};
        desc.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        for (desc.index = 0; xioctl(fd, VIDIOC_ENUM_FMT, &desc) == 0; ++desc.index) {
            const int code = formatCode(desc.pixelformat);
            if (!code)
                continue;
            v4l2_frmsizeenum fs{};
            fs.pixel_format = desc.pixelformat;
            for (fs.index = 0; xioctl(fd, VIDIOC_ENUM_FRAMESIZES, &fs) == 0; ++fs.index) {
                // Sizes that no caller's frame buffer holds would only be refused at start.
                if (fs.type == V4L2_FRMSIZE_TYPE_DISCRETE) {
                    if (fitsFrameBuffer(fs.discrete.width, fs.discrete.height))
                        sizes.push_back({int(fs.discrete.width), int(fs.discrete.height), code});
                } else {
                    // Stepwise or continuous: offer the largest and the smallest size.
                    if (fitsFrameBuffer(fs.stepwise.max_width, fs.stepwise.max_height))
                        sizes.push_back(
                            {int(fs.stepwise.max_width), int(fs.stepwise.max_height), code});
                    sizes.push_back(
                        {int(fs.stepwise.min_width), int(fs.stepwise.min_height), code});
                    break;
                }
            }
        }
        close(fd);
        if (sizes.empty())
            continue;
        uint16_t vendor, product;
        usbIds(node, vendor, product);
        found.push_back(std::make_shared<V4l2Camera>(
            path, std::string(reinterpret_cast<const char*>(cap.card)), vendor, product, sizes));
    }
    return found;
}

V4l2Camera::V4l2Camera(std::string path, std::string name, uint16_t vendor, uint16_t product,
                       std::vector<Resolution> resolutions)
    : path_(std::move(path)),
      name_(std::move(name)),
      vendor_(vendor),
      product_(product),
      resolutions_(std::move(resolutions)) {}

V4l2Camera::~V4l2Camera() {
    closeStream();
}

int V4l2Camera::controlFd(bool& temporary) {
    temporary = false;
    if (fd_ >= 0)
        return fd_;
    temporary = true;
    return open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}

int V4l2Camera::getProperty(int kind, int id, KELM_CamProperty& out) {
    bool isFocus = false;
    const uint32_t cid = controlId(kind, id, isFocus);
    if (!cid)
        return KELM_CAMCTL_E_UNSUPPORTED;
    std::lock_guard<std::mutex> lock(fdMutex_);
    bool temporary = false;
    const int fd = controlFd(temporary);
    if (fd < 0)
        return KELM_CAMCTL_E_DEVICE_LOST;
    int result = KELM_CAMCTL_E_UNSUPPORTED;
    v4l2_queryctrl q{};
    q.id = cid;
    v4l2_control c{};
    c.id = cid;
    if (xioctl(fd, VIDIOC_QUERYCTRL, &q) == 0 && !(q.flags & V4L2_CTRL_FLAG_DISABLED) &&
        xioctl(fd, VIDIOC_G_CTRL, &c) == 0) {
        out.minimum = q.minimum;
        out.maximum = q.maximum;
        out.step = q.step;
        out.defaultValue = q.default_value;
        out.value = c.value;
        out.flags = KELM_CAMCTL_FLAG_MANUAL;
        if (isFocus) {
            v4l2_control a{};
            a.id = V4L2_CID_FOCUS_AUTO;
            if (xioctl(fd, VIDIOC_G_CTRL, &a) == 0 && a.value)
                out.flags = KELM_CAMCTL_FLAG_AUTO;
        }
        result = KELM_CAMCTL_OK;
    }
    if (temporary)
        close(fd);
    return result;
}

int V4l2Camera::setProperty(int kind, int id, int value, int flags) {
    bool isFocus = false;
    const uint32_t cid = controlId(kind, id, isFocus);
    if (!cid)
        return KELM_CAMCTL_E_UNSUPPORTED;
    if (flags != KELM_CAMCTL_FLAG_AUTO && flags != KELM_CAMCTL_FLAG_MANUAL)
        return KELM_CAMCTL_E_ARGUMENT;
    std::lock_guard<std::mutex> lock(fdMutex_);
    bool temporary = false;
    const int fd = controlFd(temporary);
    if (fd < 0)
        return KELM_CAMCTL_E_DEVICE_LOST;
    int result = KELM_CAMCTL_OK;
    if (isFocus) {
        v4l2_control a{};
        a.id = V4L2_CID_FOCUS_AUTO;
        a.value = flags == KELM_CAMCTL_FLAG_AUTO ? 1 : 0;
        // A camera without automatic focus lacks the control: asking for it must not pass for
        // done. Manual focus needs no automatic control to switch off.
        if (xioctl(fd, VIDIOC_S_CTRL, &a) != 0 && flags == KELM_CAMCTL_FLAG_AUTO)
            result = KELM_CAMCTL_E_UNSUPPORTED;
    }
    if (!isFocus || flags == KELM_CAMCTL_FLAG_MANUAL) {
        v4l2_queryctrl q{};
        q.id = cid;
        v4l2_control c{};
        c.id = cid;
        c.value = value;
        if (xioctl(fd, VIDIOC_QUERYCTRL, &q) == 0)
            c.value = std::clamp(value, q.minimum, q.maximum);
        if (xioctl(fd, VIDIOC_S_CTRL, &c) != 0)
            result = KELM_CAMCTL_E_UNSUPPORTED;
    }
    if (temporary)
        close(fd);
    return result;
}

void V4l2Camera::unmapBuffers() {
    for (Buffer& b : buffers_)
        if (b.start && b.start != MAP_FAILED)
            munmap(b.start, b.length);
    buffers_.clear();
}

int V4l2Camera::openStream(const Resolution& resolution, const std::atomic<bool>* cancel) {
    (void)cancel;
    std::lock_guard<std::mutex> lock(fdMutex_);
    const int fd = open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENODEV ? KELM_CAMCTL_E_DEVICE_LOST
               : errno == EBUSY                   ? KELM_CAMCTL_E_BUSY
                                                  : KELM_CAMCTL_E_IO;
    v4l2_format fmt{};
    fmt.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    fmt.fmt.pix.width = uint32_t(resolution.width);
    fmt.fmt.pix.height = uint32_t(resolution.height);
    fmt.fmt.pix.pixelformat = pixelFormat(resolution.format);
    fmt.fmt.pix.field = V4L2_FIELD_ANY;
    // While another program streams, the driver refuses any format change as busy.
    if (xioctl(fd, VIDIOC_S_FMT, &fmt) != 0) {
        const int refused = refusal(errno);
        close(fd);
        return refused;
    }
    // A driver answers with the nearest mode it has; anything else than what was asked is a
    // refusal, because the caller sized everything for the asked mode.
    if (fmt.fmt.pix.pixelformat != pixelFormat(resolution.format) ||
        int(fmt.fmt.pix.width) != resolution.width ||
        int(fmt.fmt.pix.height) != resolution.height ||
        (resolution.format == KELM_CAMCTL_FORMAT_YUY2 &&
         fmt.fmt.pix.bytesperline != uint32_t(resolution.width) * 2 &&
         fmt.fmt.pix.bytesperline != 0)) {
        close(fd);
        return KELM_CAMCTL_E_FORMAT;
    }
    chooseFastestRate(fd, fmt);
    v4l2_requestbuffers req{};
    req.count = kBufferCount;
    req.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    req.memory = V4L2_MEMORY_MMAP;
    if (xioctl(fd, VIDIOC_REQBUFS, &req) != 0 || req.count < 2) {
        const int refused = errno == EBUSY ? KELM_CAMCTL_E_BUSY : KELM_CAMCTL_E_IO;
        close(fd);
        return refused;
    }
    fd_ = fd;
    for (uint32_t i = 0; i < req.count; ++i) {
        v4l2_buffer buf{};
        buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        buf.memory = V4L2_MEMORY_MMAP;
        buf.index = i;
        Buffer b;
        if (xioctl(fd, VIDIOC_QUERYBUF, &buf) == 0) {
            b.length = buf.length;
            b.start =
                mmap(nullptr, buf.length, PROT_READ | PROT_WRITE, MAP_SHARED, fd, buf.m.offset);
        }
        buffers_.push_back(b);
        if (!b.start || b.start == MAP_FAILED || xioctl(fd, VIDIOC_QBUF, &buf) != 0) {
            unmapBuffers();
            close(fd);
            fd_ = -1;
            return KELM_CAMCTL_E_IO;
        }
    }
    v4l2_buf_type type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (xioctl(fd, VIDIOC_STREAMON, &type) != 0) {
        unmapBuffers();
        close(fd);
        fd_ = -1;
        return KELM_CAMCTL_E_IO;
    }
    active_ = resolution;
    dequeued_ = -1;
    return KELM_CAMCTL_OK;
}

int V4l2Camera::grab(RawFrame& frame, int timeoutMs) {
    const int fd = fd_;
    if (fd < 0)
        return KELM_CAMCTL_E_DEVICE_LOST;
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, timeoutMs);
    if (ready == 0 || (ready < 0 && errno == EINTR))
        return 0;
    if (ready < 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
        return KELM_CAMCTL_E_DEVICE_LOST;
    // Every buffer that is ready is taken and all but the newest go straight back: when a wake-up
    // comes late, the oldest frame would make the preview trail the camera by frames.
    int newest = -1;
    v4l2_buffer buf{};
    for (;;) {
        v4l2_buffer next{};
        next.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        next.memory = V4L2_MEMORY_MMAP;
        if (xioctl(fd, VIDIOC_DQBUF, &next) != 0) {
            if (errno == EAGAIN)
                break;
            if (newest >= 0)
                requeue(newest);
            return KELM_CAMCTL_E_DEVICE_LOST;  // ENODEV after an unplug
        }
        if (next.index >= buffers_.size())
            continue;
        const bool usable = !(next.flags & V4L2_BUF_FLAG_ERROR) && next.bytesused > 0;
        if (!usable) {
            requeue(int(next.index));
            continue;
        }
        if (newest >= 0)
            requeue(newest);
        newest = int(next.index);
        buf = next;
    }
    if (newest < 0)
        return 0;
    dequeued_ = newest;
    frame.data = static_cast<const uint8_t*>(buffers_[buf.index].start);
    frame.size = std::min<size_t>(buf.bytesused, buffers_[buf.index].length);
    frame.width = active_.width;
    frame.height = active_.height;
    frame.format = active_.format;
    return 1;
}

void V4l2Camera::requeue(int index) {
    v4l2_buffer buf{};
    buf.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    buf.memory = V4L2_MEMORY_MMAP;
    buf.index = uint32_t(index);
    xioctl(fd_, VIDIOC_QBUF, &buf);
}

void V4l2Camera::releaseFrame() {
    if (dequeued_ < 0 || fd_ < 0)
        return;
    requeue(dequeued_);
    dequeued_ = -1;
}

void V4l2Camera::closeStream() {
    std::lock_guard<std::mutex> lock(fdMutex_);
    if (fd_ < 0)
        return;
    v4l2_buf_type type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    xioctl(fd_, VIDIOC_STREAMOFF, &type);
    unmapBuffers();
    close(fd_);
    fd_ = -1;
    dequeued_ = -1;
}

}  // namespace camctl
