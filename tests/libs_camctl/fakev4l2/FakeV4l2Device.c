/*
 * A fake UVC camera for the tests, loaded with LD_PRELOAD: it answers open, ioctl, poll and the
 * /dev listing for /dev/video0 (MJPG and YUYV modes; brightness, contrast, saturation and power
 * line frequency; no focus) and /dev/video1 (a metadata node, as UVC drivers add one). Its
 * descriptors are memfds, so mmap, munmap and close need no faking. Frames come on a clock at the
 * rate set with S_PARM (5 fps until then: a driver keeps its last rate) into queued buffers, oldest
 * first; a frame finding no queued buffer is lost, as with a real driver. Frame k shows k % 8 as
 * the grey 20 + (k % 8) * 30 of its top rows.
 *
 * fakeV4l2Set(key, value) scripts it: "plugged" (an unplug kills every open descriptor, a replug
 * brings back default controls), "stalled" (1: no frames; 2: none until a restart), "busy",
 * "cutEvery" (every n-th MJPG frame cut short, unflagged), "slowMs" (slow negotiation and first
 * frame). fakeV4l2Get(key) also reads "fps", "streamOns", "lastIndex", "powerLine", "brightness".
 * SIGUSR1 unplugs or replugs it from outside.
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <linux/videodev2.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <turbojpeg.h>
#include <unistd.h>

#define REAL(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))
#define COUNT(a) (int)(sizeof a / sizeof a[0])

typedef struct {
    uint32_t fourcc;
    int w, h, fps[3]; /* rates offered, deliberately not in order */
} Mode;
static const Mode modes[] = {{V4L2_PIX_FMT_MJPEG, 3264, 2448, {5, 30, 15}},
                             {V4L2_PIX_FMT_MJPEG, 4656, 3496, {10}},
                             {V4L2_PIX_FMT_MJPEG, 640, 480, {30}},
                             {V4L2_PIX_FMT_YUYV, 640, 480, {30}},
                             {V4L2_PIX_FMT_YUYV, 1280, 720, {10}}};
static struct {
    uint32_t id;
    int min, max, def, value;
} controls[] = {{V4L2_CID_BRIGHTNESS, -64, 64, 0, 0},
                {V4L2_CID_CONTRAST, 0, 100, 50, 50},
                {V4L2_CID_SATURATION, 0, 100, 50, 50},
                {V4L2_CID_POWER_LINE_FREQUENCY, 0, 2, 2, 2}};

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static int nodeOf[1024], generationOf[1024]; /* node + 1 for our descriptors */
static int plugged = 1, generation = 1, stalled, busy, cutEvery, slowMs, streamOns, fps = 5;
static int lastIndex = -1, produced, streamFd = -1, bufferCount, queue[8], queued, done[8],
           doneCount;
static const Mode *mode = &modes[2], *rendered;
static double nextFrameAt;
static uint8_t* mapping;
static size_t bufferBytes;
static uint32_t bytesOf[8];
static uint8_t* pattern[8];
static unsigned long patternBytes[8];
static DIR* devDir;
static int devEntries;

/* clang-format off */
static struct {
    const char* key;
    int* value;
} knobs[] = {{"plugged", &plugged}, {"stalled", &stalled}, {"busy", &busy}, {"cutEvery", &cutEvery},
             {"slowMs", &slowMs}, {"fps", &fps}, {"streamOns", &streamOns},
             {"lastIndex", &lastIndex}, {"brightness", &controls[0].value},
             {"powerLine", &controls[3].value}};
/* clang-format on */

static int pop(int* fifo, int* count) {
    const int first = fifo[0];
    memmove(fifo, fifo + 1, sizeof fifo[0] * (size_t)-- * count);
    return first;
}

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

/* Woken by every scripted change, so that a wait for the next frame or the end of a slow
 * negotiation also ends at an unplug or a stall. */
static pthread_cond_t changed = PTHREAD_COND_INITIALIZER;

/* Waits with `lock` held until the monotonic time `until` or the next scripted change. */
static void waitUntil(double until) {
    const double left = until - now();
    if (left <= 0)
        return;
    struct timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    const double at = (double)t.tv_sec + t.tv_nsec / 1e9 + left;
    t.tv_sec = (time_t)at;
    t.tv_nsec = (long)((at - (double)t.tv_sec) * 1e9);
    pthread_cond_timedwait(&changed, &lock, &t);
}

static int fail(int e) {
    errno = e;
    return -1;
}

static void renderPatterns(void) {
    if (rendered == mode)
        return;
    rendered = mode;
    const int w = mode->w, h = mode->h;
    uint8_t* rgb = malloc((size_t)w * h * 3);
    tjhandle tj = tjInitCompress();
    for (int k = 0; k < 8; ++k) {
        for (size_t i = 0; i < (size_t)w * h; ++i) /* a mark, then a textured page */
            memset(rgb + i * 3,
                   i < (size_t)w * 64 ? 20 + k * 30 : 128 + (int)((i * 7 ^ i / w) % 96), 3);
        tjFree(pattern[k]);
        pattern[k] = NULL;
        if (mode->fourcc == V4L2_PIX_FMT_MJPEG) {
            tjCompress2(tj, rgb, w, 0, h, TJPF_RGB, &pattern[k], &patternBytes[k], TJSAMP_422, 80,
                        TJFLAG_FASTDCT);
            continue;
        }
        pattern[k] = tjAlloc(w * h * 2);
        patternBytes[k] = (unsigned long)w * h * 2;
        for (size_t i = 0; i < (size_t)w * h; ++i)
            pattern[k][i * 2] = rgb[i * 3], pattern[k][i * 2 + 1] = 128;
    }
    tjDestroy(tj);
    free(rgb);
}

/* Frames due by now go into queued buffers. */
static void advance(void) {
    for (const double t = now(); streamFd >= 0 && nextFrameAt && nextFrameAt <= t;) {
        nextFrameAt += 1.0 / fps;
        if (stalled || !plugged)
            continue;
        const int k = produced++;
        if (!queued)
            continue;
        const int index = done[doneCount++] = pop(queue, &queued);
        /* A cut-short frame is what a USB bandwidth shortage delivers. */
        bytesOf[index] =
            (uint32_t)patternBytes[k % 8] * (cutEvery && k % cutEvery == 0 ? 2 : 5) / 5;
        memcpy(mapping + (size_t)index * bufferBytes, pattern[k % 8], bytesOf[index]);
        lastIndex = k;
    }
}

static const Mode* findMode(uint32_t fourcc, uint32_t w, uint32_t h, int index) {
    for (int i = 0, n = 0; i < COUNT(modes); ++i)
        if (modes[i].fourcc == fourcc &&
            (index >= 0 ? n++ == index : modes[i].w == (int)w && modes[i].h == (int)h))
            return &modes[i];
    return NULL;
}

static int fakeIoctl(int fd, int node, unsigned long req, void* arg) {
    struct v4l2_fmtdesc* desc = arg;
    struct v4l2_frmsizeenum* size = arg;
    struct v4l2_frmivalenum* rate = arg;
    struct v4l2_format* fmt = arg;
    struct v4l2_streamparm* parm = arg;
    struct v4l2_buffer* buf = arg;
    struct v4l2_queryctrl* query = arg;
    struct v4l2_control* ctrl = arg;
    const Mode* m;
    if (req == VIDIOC_QUERYCAP) {
        struct v4l2_capability* cap = memset(arg, 0, sizeof(struct v4l2_capability));
        strcpy((char*)cap->card, "Fake UVC Camera");
        cap->device_caps =
            V4L2_CAP_STREAMING | (node ? V4L2_CAP_META_CAPTURE : V4L2_CAP_VIDEO_CAPTURE);
        cap->capabilities = cap->device_caps | V4L2_CAP_DEVICE_CAPS;
        return 0;
    }
    if (node)
        return fail(EINVAL);
    switch (req) {
        case VIDIOC_ENUM_FMT:
            if (desc->index > 1)
                return fail(EINVAL);
            desc->pixelformat = desc->index ? V4L2_PIX_FMT_YUYV : V4L2_PIX_FMT_MJPEG;
            return 0;
        case VIDIOC_ENUM_FRAMESIZES:
            if (!(m = findMode(size->pixel_format, 0, 0, (int)size->index)))
                return fail(EINVAL);
            size->type = V4L2_FRMSIZE_TYPE_DISCRETE;
            size->discrete.width = (uint32_t)m->w;
            size->discrete.height = (uint32_t)m->h;
            return 0;
        case VIDIOC_ENUM_FRAMEINTERVALS:
            m = findMode(rate->pixel_format, rate->width, rate->height, -1);
            if (!m || rate->index >= 3 || !m->fps[rate->index])
                return fail(EINVAL);
            rate->type = V4L2_FRMIVAL_TYPE_DISCRETE;
            rate->discrete = (struct v4l2_fract){1, (uint32_t)m->fps[rate->index]};
            return 0;
        case VIDIOC_QUERYCTRL:
        case VIDIOC_G_CTRL:
        case VIDIOC_S_CTRL:
            for (int i = 0; i < COUNT(controls); ++i) {
                if (controls[i].id != (req == VIDIOC_QUERYCTRL ? query->id : ctrl->id))
                    continue;
                if (req == VIDIOC_QUERYCTRL) {
                    query->minimum = controls[i].min, query->maximum = controls[i].max;
                    query->step = 1, query->default_value = controls[i].def, query->flags = 0;
                } else if (req == VIDIOC_G_CTRL) {
                    ctrl->value = controls[i].value;
                } else if (ctrl->value < controls[i].min || ctrl->value > controls[i].max) {
                    return fail(ERANGE);
                } else {
                    controls[i].value = ctrl->value;
                }
                return 0;
            }
            return fail(EINVAL);
        case VIDIOC_S_FMT:
            if (busy)
                return fail(EBUSY);
            /* A slow camera negotiates for a while; an unplug ends it, and so does a shorter
             * "slowMs", so a test can hold the negotiation until it has seen what it waits for. */
            for (const double from = now(); plugged && now() < from + slowMs / 1000.0;)
                waitUntil(from + slowMs / 1000.0);
            m = findMode(fmt->fmt.pix.pixelformat, fmt->fmt.pix.width, fmt->fmt.pix.height, -1);
            mode = m ? m : &modes[2];
            fmt->fmt.pix.pixelformat = mode->fourcc;
            fmt->fmt.pix.width = (uint32_t)mode->w;
            fmt->fmt.pix.height = (uint32_t)mode->h;
            fmt->fmt.pix.bytesperline = 0;
            return 0;
        case VIDIOC_S_PARM:
            for (int i = 0; i < 3; ++i)
                if (mode->fps[i] && parm->parm.capture.timeperframe.numerator &&
                    (uint32_t)mode->fps[i] == parm->parm.capture.timeperframe.denominator /
                                                  parm->parm.capture.timeperframe.numerator)
                    fps = mode->fps[i];
            /* fall through */
        case VIDIOC_G_PARM:
            parm->parm.capture.capability = V4L2_CAP_TIMEPERFRAME;
            parm->parm.capture.timeperframe = (struct v4l2_fract){1, (uint32_t)fps};
            return 0;
        case VIDIOC_REQBUFS: {
            struct v4l2_requestbuffers* r = arg;
            bufferCount = r->count > 8 ? 8 : (int)r->count;
            r->count = (uint32_t)bufferCount;
            if (mapping)
                munmap(mapping, bufferBytes * 8);
            bufferBytes = ((size_t)mode->w * mode->h * 2 + 4095) & ~(size_t)4095;
            if (ftruncate(fd, (off_t)(bufferBytes * 8)) != 0)
                return fail(ENOMEM);
            mapping = mmap(NULL, bufferBytes * 8, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
            streamFd = fd;
            renderPatterns();
            return 0;
        }
    }
    if (fd != streamFd)
        return fail(EINVAL);
    switch (req) {
        case VIDIOC_QUERYBUF:
        case VIDIOC_QBUF:
            if (buf->index >= (uint32_t)bufferCount)
                return fail(EINVAL);
            buf->length = (uint32_t)bufferBytes;
            buf->m.offset = (uint32_t)(buf->index * bufferBytes);
            if (req == VIDIOC_QBUF)
                queue[queued++] = (int)buf->index;
            return 0;
        case VIDIOC_DQBUF:
            advance();
            if (!doneCount)
                return fail(EAGAIN);
            buf->index = (uint32_t)pop(done, &doneCount);
            buf->bytesused = bytesOf[buf->index];
            buf->flags = 0;
            return 0;
        case VIDIOC_STREAMON:
            ++streamOns;
            stalled = stalled == 2 ? 0 : stalled;
            produced = 0;
            nextFrameAt = now() + 1.0 / fps + slowMs / 1000.0;
            return 0;
        case VIDIOC_STREAMOFF:
            nextFrameAt = queued = doneCount = 0;
            return 0;
    }
    return fail(ENOTTY);
}

int open(const char* path, int flags, ...) {
    va_list ap;
    va_start(ap, flags);
    const mode_t permissions = va_arg(ap, mode_t);
    va_end(ap);
    if (strncmp(path, "/dev/video", 10) != 0 || path[10] < '0' || path[10] > '1' || path[11])
        return REAL(open)(path, flags, permissions);
    pthread_mutex_lock(&lock);
    const int fd = plugged ? memfd_create("fake-video", MFD_CLOEXEC) : fail(ENOENT);
    if (fd >= 0 && fd < COUNT(nodeOf))
        nodeOf[fd] = path[10] - '0' + 1, generationOf[fd] = generation;
    pthread_mutex_unlock(&lock);
    return fd;
}

int close(int fd) {
    pthread_mutex_lock(&lock);
    if (fd >= 0 && fd < COUNT(nodeOf) && nodeOf[fd]) {
        nodeOf[fd] = 0;
        if (fd == streamFd)
            streamFd = -1, nextFrameAt = queued = doneCount = 0;
    }
    pthread_mutex_unlock(&lock);
    return REAL(close)(fd);
}

/* 1: ours and alive, -1: ours but unplugged, 0: not ours. */
static int ours(int fd) {
    if (fd < 0 || fd >= COUNT(nodeOf) || !nodeOf[fd])
        return 0;
    return plugged && generationOf[fd] == generation ? 1 : -1;
}

int ioctl(int fd, unsigned long req, ...) {
    va_list ap;
    va_start(ap, req);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    pthread_mutex_lock(&lock);
    const int state = ours(fd);
    const int r = state > 0   ? fakeIoctl(fd, nodeOf[fd] - 1, req, arg)
                  : state < 0 ? fail(ENODEV)
                              : 0;
    const int e = errno;
    pthread_mutex_unlock(&lock);
    errno = e;
    return state ? r : REAL(ioctl)(fd, req, arg);
}

/* glibc declares poll's array write-only; a poll that checks what it is asked about reads it. */
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
int poll(struct pollfd* fds, nfds_t n, int timeout) {
    if (n != 1 || !ours(fds[0].fd))
        return REAL(poll)(fds, n, timeout);
    const double until = now() + timeout / 1000.0;
    pthread_mutex_lock(&lock);
    for (;;) {
        advance();
        const int state = ours(fds[0].fd);
        fds[0].revents = (short)(state < 0 ? POLLERR | POLLHUP : doneCount ? POLLIN : 0);
        if (fds[0].revents || now() >= until)
            break;
        /* Nothing changes before the next frame is due, or before a scripted change. */
        waitUntil(streamFd >= 0 && nextFrameAt && nextFrameAt < until ? nextFrameAt : until);
    }
    pthread_mutex_unlock(&lock);
    return fds[0].revents ? 1 : 0;
}

DIR* opendir(const char* name) {
    DIR* d = REAL(opendir)(name);
    if (d && strcmp(name, "/dev") == 0)
        devDir = d, devEntries = 0;
    else if (d == devDir) /* the listing was closed and its memory reused */
        devDir = NULL;
    return d;
}

/* The listing shows video0 and video1 while the camera is plugged in. */
struct dirent* readdir(DIR* d) {
    static struct dirent entry;
    if (d != devDir || !plugged || devEntries >= 2)
        return REAL(readdir)(d);
    snprintf(entry.d_name, sizeof entry.d_name, "video%d", devEntries++);
    entry.d_type = DT_CHR;
    return &entry;
}

/* kill -USR1 unplugs or replugs the camera of a program run by hand. */
static void togglePlug(int signal) {
    (void)signal;
    generation += plugged;
    plugged = !plugged;
}
__attribute__((constructor)) static void installPlugToggle(void) {
    signal(SIGUSR1, togglePlug);
}

int fakeV4l2Set(const char* key, int value) {
    pthread_mutex_lock(&lock);
    if (!strcmp(key, "plugged") && plugged != value) {
        generation += !value; /* descriptors of the old plug stay dead */
        for (int i = 0; value && i < COUNT(controls); ++i)
            controls[i].value = controls[i].def;
    }
    for (int i = 0; i < COUNT(knobs); ++i)
        if (!strcmp(key, knobs[i].key))
            *knobs[i].value = value;
    pthread_cond_broadcast(&changed);
    pthread_mutex_unlock(&lock);
    return 0;
}

int fakeV4l2Get(const char* key) {
    int r = -1;
    pthread_mutex_lock(&lock);
    advance();
    for (int i = 0; i < COUNT(knobs); ++i)
        if (!strcmp(key, knobs[i].key))
            r = *knobs[i].value;
    pthread_mutex_unlock(&lock);
    return r;
}
