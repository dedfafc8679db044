// A scriptable stand-in for the camera control library, so that the interface's handling of odd
// libraries (missing entry points, odd tables, odd frames) can be tested. Behaviour comes from
// environment variables read at each call:
//   FAKE_CAMCTL_RESOLUTIONS  "w,h,format;w,h,format;..." (default "640,480,1")
//   FAKE_CAMCTL_RESCOUNT     overrides the returned resolution count (for example -1)
//   FAKE_CAMCTL_LENGTH_DELTA added to the reported frame length
// Each entry point left out by an OMIT_<name> definition is simply not exported.

#include <KELM_CamCtl.h>

#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <vector>

#define FAKE_API extern "C" __attribute__((visibility("default")))

namespace {
int starts = 0;
int photos = 0;
std::vector<KELM_CamResolution> table() {
    const char* v = std::getenv("FAKE_CAMCTL_RESOLUTIONS");
    std::vector<KELM_CamResolution> out;
    int w = 0, h = 0, f = 0, used = 0;
    for (const char* s = v ? v : "640,480,1"; std::sscanf(s, "%d,%d,%d%n", &w, &h, &f, &used) == 3;
         s += used + (s[used] == ';'))
        out.push_back(KELM_CamResolution{w, h, 0, uint16_t(f)});
    return out;
}
int running = -1;
}  // namespace

// How often the library was asked to start a preview, and to mark a capture.
FAKE_API int fake_camctl_starts() {
    return starts;
}
FAKE_API int fake_camctl_photos() {
    return photos;
}

#ifndef OMIT_INIT
FAKE_API int KELM_Camctl_Init(KELM_CamInit*) {
    return 1;
}
#endif
FAKE_API int KELM_Camctl_GetDeviceList(KELM_CamDevice* d, int) {
    std::strcpy(d[0].name, "Fake Camera \xe9");
    return 1;
}
FAKE_API int KELM_Camctl_GetResolutionList(int, KELM_CamResolution* r, int capacity) {
    const auto t = table();
    const int n = std::min<int>(int(t.size()), capacity);
    for (int i = 0; i < n; ++i)
        r[i] = t[size_t(i)];
    if (const char* c = std::getenv("FAKE_CAMCTL_RESCOUNT"))
        return std::atoi(c);
    return n;
}
FAKE_API int KELM_Camctl_StartPreview(int, int index) {
    ++starts;
    running = index;
    return 1;
}
FAKE_API int KELM_Camctl_StopPreview() {
    running = -1;
    return 1;
}
FAKE_API int KELM_Camctl_TakePhoto() {
    ++photos;
    return 1;
}
FAKE_API int KELM_Camctl_Dispose() {
    return 1;
}
#ifndef OMIT_QUERYFRAME
// Pixel (x, y) is (x, y, x + y) modulo 256, so a row landing at the wrong offset shows.
FAKE_API int KELM_Camctl_QueryFrame(unsigned char* buf, int* w, int* h, int* len) {
    const auto t = table();
    if (running < 0 || running >= int(t.size()))
        return -5;
    *w = t[size_t(running)].width;
    *h = t[size_t(running)].height;
    for (int y = 0; y < *h; ++y)
        for (int x = 0; x < *w; ++x) {
            unsigned char* p = buf + (size_t(y) * *w + x) * 3;
            p[0] = uint8_t(x);
            p[1] = uint8_t(y);
            p[2] = uint8_t(x + y);
        }
    const char* delta = std::getenv("FAKE_CAMCTL_LENGTH_DELTA");
    *len = *w * *h * 3 + (delta ? std::atoi(delta) : 0);
    return 1;
}
#endif
FAKE_API int KELM_Camctl_SetVideoProp(int, KELM_CamProperty*) {
    return 1;
}
FAKE_API int KELM_Camctl_GetVideoProp(int id, KELM_CamProperty* p) {
    if (id != 0)
        return -8;
    *p = KELM_CamProperty{-10, 10, 1, 2, 3, 2};
    return 1;
}
FAKE_API int KELM_Camctl_GetCameraProp(int, KELM_CamProperty*) {
    return 0;
}
FAKE_API int KELM_Camctl_SetCameraProp(int, KELM_CamProperty*) {
    return 1;
}
FAKE_API int KELM_Camctl_GetCameraStatus(int) {
    return 7;
}
#ifndef OMIT_BGR2RGB
FAKE_API int KELM_Camctl_BGR2RGB(int) {
    return 1;
}
#endif
