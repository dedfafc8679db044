#include "VirtualCamera.h"

#include <libyuv/convert_argb.h>
#include <libyuv/convert_from_argb.h>
#include <libyuv/scale_rgb.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <malloc.h>
#include <sys/stat.h>
#include <thread>

namespace camctl {

namespace {

constexpr size_t kMjpgLoopBudgetBytes = 8u << 20;
constexpr size_t kYuy2LoopBudgetBytes = 32u << 20;
constexpr int kMaxPhotos = 32;
constexpr int kPhotoSeconds = 2;
constexpr size_t kUsbBytesPerSecond = 40u << 20;

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool hasFault(const std::string& token) {
    const std::string faults = "," + env("MIRAVELO_VCAM_FAULT") + ",";
    return faults.find("," + token + ",") != std::string::npos;
}

long unplugFault() {
    const std::string faults = env("MIRAVELO_VCAM_FAULT");
    const size_t at = faults.find("unplug:");
    if (at == std::string::npos)
        return -1;
    return std::strtol(faults.c_str() + at + 7, nullptr, 10);
}

bool isImageFile(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    for (const char* ext : {".jpg", ".jpeg", ".png", ".bmp", ".tif", ".tiff"}) {
        const size_t n = std::strlen(ext);
        if (lower.size() > n && lower.compare(lower.size() - n, n, ext) == 0)
            return true;
    }
    return false;
}

std::vector<std::string> photoPaths(const std::string& scene) {
    std::vector<std::string> paths;
    struct stat st {};
    if (scene.empty() || stat(scene.c_str(), &st) != 0)
        return paths;
    if (S_ISREG(st.st_mode)) {
        paths.push_back(scene);
        return paths;
    }
    if (!S_ISDIR(st.st_mode))
        return paths;
    if (DIR* dir = opendir(scene.c_str())) {
        while (dirent* e = readdir(dir))
            if (e->d_name[0] != '.' && isImageFile(e->d_name))
                paths.push_back(scene + "/" + e->d_name);
        closedir(dir);
    }
    std::sort(paths.begin(), paths.end());
    if (paths.size() > size_t(kMaxPhotos))
        paths.resize(kMaxPhotos);
    return paths;
}

}  // namespace

VirtualCamera::VirtualCamera(Role role) : role_(role) {}

std::string VirtualCamera::name() const {
    return role_ == Role::Document ? "Virtual Document Camera" : "Virtual Sub Camera";
}

uint16_t VirtualCamera::vendorId() const {
    static const uint16_t ids[KELM_CAMCTL_SUB_CAMERA_ID_COUNT][2] = KELM_CAMCTL_SUB_CAMERA_IDS;
    return role_ == Role::Document ? KELM_CAMCTL_VIRTUAL_DOC_VID : ids[0][0];
}

uint16_t VirtualCamera::productId() const {
    static const uint16_t ids[KELM_CAMCTL_SUB_CAMERA_ID_COUNT][2] = KELM_CAMCTL_SUB_CAMERA_IDS;
    return role_ == Role::Document ? KELM_CAMCTL_VIRTUAL_DOC_PID : ids[0][1];
}

std::vector<Resolution> VirtualCamera::resolutions() {
    std::vector<Resolution> list;
    std::vector<std::pair<int, int>> sizes;
    if (role_ == Role::Document) {
        if (hasFault("large"))
            sizes.push_back({4640, 3152});
        sizes.insert(sizes.end(),
                     {{3264, 2448}, {2592, 1944}, {1920, 1080}, {1280, 720}, {640, 480}});
    } else {
        sizes = {{640, 480}, {800, 600}};
    }
    // Like a UVC camera: every size as MJPG first, then as YUY2.
    for (int format : {KELM_CAMCTL_FORMAT_MJPG, KELM_CAMCTL_FORMAT_YUY2})
        for (const auto& s : sizes)
            list.push_back({s.first, s.second, format});
    return list;
}

VirtualCamera::Property* VirtualCamera::propertyFor(int kind, int id) {
    if (kind == 0 && id == KELM_CAMCTL_PROP_BRIGHTNESS)
        return &brightness_;
    if (kind == 0 && id == KELM_CAMCTL_PROP_CONTRAST)
        return &contrast_;
    if (kind == 0 && id == KELM_CAMCTL_PROP_SATURATION)
        return &saturation_;
    if (kind == 0 && id == KELM_CAMCTL_PROP_POWER_LINE)
        return &powerLine_;
    if (kind == 1 && id == KELM_CAMCTL_PROP_FOCUS)
        return &focus_;
    return nullptr;
}

int VirtualCamera::getProperty(int kind, int id, KELM_CamProperty& out) {
    std::lock_guard<std::mutex> lock(propertyMutex_);
    const Property* p = propertyFor(kind, id);
    if (!p)
        return KELM_CAMCTL_E_UNSUPPORTED;
    out.minimum = p->minimum;
    out.maximum = p->maximum;
    out.step = p->step;
    out.defaultValue = p->defaultValue;
    out.value = p->value;
    out.flags = p->flags;
    return KELM_CAMCTL_OK;
}

int VirtualCamera::setProperty(int kind, int id, int value, int flags) {
    if (flags != KELM_CAMCTL_FLAG_AUTO && flags != KELM_CAMCTL_FLAG_MANUAL)
        return KELM_CAMCTL_E_ARGUMENT;
    std::lock_guard<std::mutex> lock(propertyMutex_);
    Property* p = propertyFor(kind, id);
    if (!p)
        return KELM_CAMCTL_E_UNSUPPORTED;
    p->value = std::clamp(value, p->minimum, p->maximum);
    p->flags = flags;
    return KELM_CAMCTL_OK;
}

int VirtualCamera::openStream(const Resolution& resolution, const std::atomic<bool>* cancel) {
    if ((resolution.format == KELM_CAMCTL_FORMAT_MJPG && hasFault("refuse:MJPG")) ||
        (resolution.format == KELM_CAMCTL_FORMAT_YUY2 && hasFault("refuse:YUY2")))
        return KELM_CAMCTL_E_FORMAT;
    const bool sameLoop = prepared_ && resolution_.width == resolution.width &&
                          resolution_.height == resolution.height &&
                          resolution_.format == resolution.format &&
                          scene_ == env("MIRAVELO_VCAM_SCENE");
    if (!sameLoop) {
        loop_.clear();
        prepared_ = false;
    }
    resolution_ = resolution;
    scene_ = env("MIRAVELO_VCAM_SCENE");
    cancel_ = cancel;
    frameNumber_ = 0;
    unplugAfter_ = unplugFault();
    started_ = next_ = std::chrono::steady_clock::now();
    return KELM_CAMCTL_OK;
}

std::vector<uint8_t> VirtualCamera::encode(const cv::Mat& bgr) {
    const int w = bgr.cols, h = bgr.rows;
    std::vector<uint8_t> out;
    if (resolution_.format == KELM_CAMCTL_FORMAT_YUY2) {
        out.resize(size_t(w) * h * 2);
        std::vector<uint8_t> argb(size_t(w) * 4 * 32);
        for (int y = 0; y < h; y += 32) {
            const int rows = std::min(32, h - y);
            // libyuv "RGB24" is blue, green, red in memory, which is OpenCV's order.
            libyuv::RGB24ToARGB(bgr.ptr<uint8_t>(y), int(bgr.step), argb.data(), w * 4, w, rows);
            libyuv::ARGBToYUY2(argb.data(), w * 4, out.data() + size_t(y) * w * 2, w * 2, w, rows);
        }
        return out;
    }
    tjhandle tj = tjInitCompress();
    if (!tj)
        return out;
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(tj, bgr.ptr<uint8_t>(), w, int(bgr.step), h, TJPF_BGR, &jpeg, &size, TJSAMP_422,
                    85, TJFLAG_FASTDCT) == 0)
        out.assign(jpeg, jpeg + size);
    tjFree(jpeg);
    tjDestroy(tj);
    return out;
}

bool VirtualCamera::prepareLoop() {
    const int w = resolution_.width, h = resolution_.height;
    photos_ = false;
    std::vector<cv::Mat> pictures;
    if (role_ == Role::Document) {
        const std::string scene = scene_;
        VirtualScene::Kind kind = VirtualScene::Kind::Document;
        if (!scene.empty() && !VirtualScene::kindFromName(scene, kind)) {
            for (const std::string& path : photoPaths(scene)) {
                if (cancel_ && *cancel_)
                    return false;
                cv::Mat p = VirtualScene::fitPhoto(path, w, h);
                if (!p.empty())
                    pictures.push_back(p);
            }
            photos_ = !pictures.empty();
            // An unreadable scene falls back to the rendered page rather than a black picture.
        }
        if (!photos_) {
            // Enough frames for a smooth sway, within a memory budget: a compressed frame is
            // about a quarter of its pixel count, an uncompressed one two bytes per pixel.
            const bool yuy2 = resolution_.format == KELM_CAMCTL_FORMAT_YUY2;
            const size_t perFrame = yuy2 ? size_t(w) * h * 2 : size_t(w) * h / 4;
            const size_t budget = yuy2 ? kYuy2LoopBudgetBytes : kMjpgLoopBudgetBytes;
            const int count = int(std::clamp<size_t>(budget / perFrame, 1, 8));
            pictures =
                VirtualScene::renderLoop(kind, w, h, count, cancel_, VirtualScene::qrTextOf(scene));
        }
    } else {
        pictures = VirtualScene::renderLoop(VirtualScene::Kind::Face, w, h, 6, cancel_);
    }
    if (pictures.empty())
        return false;
    loop_.clear();
    for (const cv::Mat& p : pictures) {
        if (cancel_ && *cancel_)
            return false;
        loop_.push_back(encode(p));
        if (loop_.back().empty())
            return false;
    }
    prepared_ = true;
    pictures.clear();
    // Rendering needed several full-size temporaries on this thread; hand their pages back now
    // instead of keeping them resident for the whole preview.
    malloc_trim(0);
    return true;
}

int VirtualCamera::grab(RawFrame& frame, int timeoutMs) {
    if (!prepared_ && !prepareLoop())
        return 0;
    if (unplugAfter_ >= 0 && frameNumber_ >= unplugAfter_)
        return KELM_CAMCTL_E_DEVICE_LOST;

    const auto now = std::chrono::steady_clock::now();
    if (next_ > now) {
        const auto wait = std::min<std::chrono::steady_clock::duration>(
            next_ - now, std::chrono::milliseconds(timeoutMs));
        std::this_thread::sleep_for(wait);
        if (std::chrono::steady_clock::now() < next_)
            return 0;
    }
    next_ += std::chrono::microseconds(1000000 / framesPerSecond());
    // After a stall do not try to catch up with a burst of frames.
    if (next_ < std::chrono::steady_clock::now())
        next_ = std::chrono::steady_clock::now();

    size_t index = 0;
    const size_t n = loop_.size();
    if (photos_) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::steady_clock::now() - started_);
        index = size_t(elapsed.count() / kPhotoSeconds) % n;
    } else if (n > 1) {
        // Back and forth through the loop, so the sway never jumps.
        const size_t period = 2 * (n - 1);
        const size_t k = size_t(frameNumber_) % period;
        index = k < n ? k : period - k;
    }
    ++frameNumber_;
    frame.data = loop_[index].data();
    frame.size = loop_[index].size();
    frame.width = resolution_.width;
    frame.height = resolution_.height;
    frame.format = resolution_.format;
    return 1;
}

int VirtualCamera::framesPerSecond() const {
    const int fps = role_ == Role::Document ? 15 : 25;
    if (resolution_.format != KELM_CAMCTL_FORMAT_YUY2)
        return fps;
    // Uncompressed frames are limited by what USB 2.0 carries, as on a real camera: a full-size
    // YUY2 frame needs about 0.4 s on the wire. Handing over more would only cost copies that no
    // real device could cause.
    const size_t frameBytes = size_t(resolution_.width) * size_t(resolution_.height) * 2;
    return int(std::clamp<size_t>(kUsbBytesPerSecond / std::max<size_t>(1, frameBytes), 1, fps));
}

void VirtualCamera::closeStream() {
    cancel_ = nullptr;
}

void VirtualCamera::adjustPicture(uint8_t* rgb, int width, int height) {
    Property b, c, s, f;
    {
        std::lock_guard<std::mutex> lock(propertyMutex_);
        b = brightness_;
        c = contrast_;
        s = saturation_;
        f = focus_;
    }
    const size_t pixels = size_t(width) * height;
    if (b.value != b.defaultValue || c.value != c.defaultValue) {
        uint8_t lut[256];
        for (int v = 0; v < 256; ++v)
            lut[v] = uint8_t(std::clamp(
                (v - 128) * c.value / std::max(1, c.defaultValue) + 128 + b.value * 2, 0, 255));
        for (size_t i = 0; i < pixels * 3; ++i)
            rgb[i] = lut[rgb[i]];
    }
    if (s.value != s.defaultValue) {
        const int gain = s.value * 256 / std::max(1, s.defaultValue);
        for (size_t i = 0; i < pixels; ++i) {
            uint8_t* p = rgb + i * 3;
            const int y = (77 * p[0] + 150 * p[1] + 29 * p[2]) >> 8;
            for (int k = 0; k < 3; ++k)
                p[k] = uint8_t(std::clamp(y + ((p[k] - y) * gain >> 8), 0, 255));
        }
    }
    // Manual focus away from the page's distance blurs the picture, as a real lens would.
    const int defocus = std::abs(f.value - f.defaultValue);
    if (f.flags == KELM_CAMCTL_FLAG_MANUAL && defocus > 8) {
        const int factor = 2 + defocus / 24;
        const int sw = std::max(1, width / factor), sh = std::max(1, height / factor);
        blurSmall_.resize(size_t(sw) * sh * 3);
        libyuv::RGBScale(rgb, width * 3, width, height, blurSmall_.data(), sw * 3, sw, sh,
                         libyuv::kFilterBox);
        libyuv::RGBScale(blurSmall_.data(), sw * 3, sw, sh, rgb, width * 3, width, height,
                         libyuv::kFilterBilinear);
    }
}

}  // namespace camctl
