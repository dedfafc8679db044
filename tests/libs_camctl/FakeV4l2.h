#pragma once

// Scripting of the fake V4L2 camera (fakev4l2/FakeV4l2Device.c, preloaded into the test), found at
// run time so that a test run without it fails cleanly instead of failing to link.
#include <dlfcn.h>

namespace FakeV4l2 {

inline bool present() {
    return dlsym(RTLD_DEFAULT, "fakeV4l2Set") != nullptr;
}
inline void set(const char* key, int value) {
    if (auto* fn = reinterpret_cast<int (*)(const char*, int)>(dlsym(RTLD_DEFAULT, "fakeV4l2Set")))
        fn(key, value);
}
inline int get(const char* key) {
    auto* fn = reinterpret_cast<int (*)(const char*)>(dlsym(RTLD_DEFAULT, "fakeV4l2Get"));
    return fn ? fn(key) : -1;
}
// The fake marks frame k by the grey level 20 + (k % 8) * 30 of its top rows.
inline int frameMark(const unsigned char* rgbTopLeft) {
    return (int(rgbTopLeft[0]) - 20 + 15) / 30;
}
// Back to a plugged-in, healthy camera.
inline void reset() {
    for (const char* key : {"stalled", "busy", "cutEvery", "slowMs"})
        set(key, 0);
    set("plugged", 1);
}

}  // namespace FakeV4l2
