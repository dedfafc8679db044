/*
 * A fake UVC camera for the test suite, loaded with LD_PRELOAD. It answers open, ioctl, poll and
 * the /dev listing for /dev/video0 (MJPG and YUYV modes, brightness, contrast, saturation and
 * power line frequency, no focus) and /dev/video1 (a metadata node, as UVC drivers add one).
 * Descriptors are memfds, so mmap, munmap and close need no faking. Frames appear on a clock at
 * the rate chosen with S_PARM (5 fps until then, like a driver keeping its last rate) and go to
 * queued buffers oldest first; a frame with no queued buffer is lost, as in a real driver.
 *
 * Tests script it through fakeV4l2Set(key, value) (found with dlsym): "plugged" 0/1 (an unplug
 * kills every open descriptor; a replug brings the controls back to their defaults), "stalled"
 * 1 (no more frames) or 2 (no frames until the stream is restarted), "busy" (another program
 * holds the camera), "cutEvery" n (every n-th MJPG frame cut short, without an error flag),
 * "slowMs" (format negotiation and the first frame take that long). fakeV4l2Get(key) reads
 * "fps", "streamOns", "streaming", "lastIndex" (newest frame produced), "powerLine", "brightness".
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <linux/videodev2.h>
#include <poll.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <turbojpeg.h>
#include <unistd.h>

#define MAX_FDS 16
#define MAX_BUFFERS 8
#define PATTERNS 8

typedef struct {
    uint32_t fourcc;
    int w, h;
    int fps[3]; /* offered rates, 0-terminated, deliberately not in order */
} Mode;

static const Mode modes[] = {
    {V4L2_PIX_FMT_MJPEG, 3264, 2448, {5, 30, 15}}, {V4L2_PIX_FMT_MJPEG, 4656, 3496, {10}},
    {V4L2_PIX_FMT_MJPEG, 1920, 1080, {30, 60}},    {V4L2_PIX_FMT_MJPEG, 640, 480, {30}},
    {V4L2_PIX_FMT_YUYV, 640, 480, {30}},           {V4L2_PIX_FMT_YUYV, 1280, 720, {10}},
};
#define MODE_COUNT (int)(sizeof modes / sizeof modes[0])

typedef struct {
    uint32_t id;
    int min, max, def, value, menu;
} Control;

static Control controls[] = {{V4L2_CID_BRIGHTNESS, -64, 64, 0, 0, 0},
                             {V4L2_CID_CONTRAST, 0, 100, 50, 50, 0},
                             {V4L2_CID_SATURATION, 0, 100, 50, 50, 0},
                             {V4L2_CID_POWER_LINE_FREQUENCY, 0, 2, 2, 2, 1}};

typedef struct {
    int used, fd, node, generation;
} Handle;

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static Handle handles[MAX_FDS];
static int plugged = 1, generation = 1, stalled, busy, cutEvery, slowMs, streamOns;
static const Mode* mode = &modes[3];
static int fps = 5, streaming, streamFd = -1;
static long produced, lastIndex = -1;
static double nextFrameAt;
static uint8_t* mapping;
static size_t bufferBytes, mappingBytes;
static int bufferCount, queue[MAX_BUFFERS], queued;
static struct {
    int index;
    uint32_t bytes, sequence;
} done[MAX_BUFFERS];
static int doneCount;
static const Mode* patternMode;
static uint8_t* pattern[PATTERNS];
static unsigned long patternBytes[PATTERNS];
static DIR* devDir;
static int devEntriesGiven;

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

static Handle* handleOf(int fd) {
    for (int i = 0; i < MAX_FDS; ++i)
        if (handles[i].used && handles[i].fd == fd)
            return &handles[i];
    return NULL;
}

/* Frame k shows k % 8 as the grey level of its top band, over a textured page, so a reader can
 * tell which frame it got. */
static void renderPatterns(void) {
    if (patternMode == mode)
        return;
    for (int k = 0; k < PATTERNS; ++k)
        tjFree(pattern[k]), pattern[k] = NULL;
    patternMode = mode;
    const int w = mode->w, h = mode->h, yuyv = mode->fourcc == V4L2_PIX_FMT_YUYV;
    uint8_t* rgb = malloc((size_t)w * h * 3);
    tjhandle tj = tjInitCompress();
    for (int k = 0; k < PATTERNS; ++k) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int v = y < 64 ? 20 + k * 30 : 128 + ((x * 7) ^ (y * 3)) % 96;
                memset(rgb + ((size_t)y * w + x) * 3, v, 3);
            }
        if (yuyv) {
            patternBytes[k] = (size_t)w * h * 2;
            pattern[k] = tjAlloc((int)patternBytes[k]);
            for (size_t i = 0; i < (size_t)w * h; ++i)
                pattern[k][i * 2] = rgb[i * 3], pattern[k][i * 2 + 1] = 128;
        } else {
            tjCompress2(tj, rgb, w, 0, h, TJPF_RGB, &pattern[k], &patternBytes[k], TJSAMP_422, 80,
                        TJFLAG_FASTDCT);
        }
    }
    tjDestroy(tj);
    free(rgb);
}

/* Frames due by now go into queued buffers; a frame finding none is lost. */
static void advance(void) {
    if (!streaming || !plugged)
        return;
    const double t = now();
    while (nextFrameAt <= t) {
        nextFrameAt += 1.0 / fps;
        if (stalled)
            continue;
        const long k = produced++;
        if (!queued)
            continue;
        const int index = queue[0];
        memmove(queue, queue + 1, sizeof queue[0] * (size_t)--queued);
        uint32_t bytes = (uint32_t)patternBytes[k % PATTERNS];
        if (cutEvery && k % cutEvery == 0)
            bytes = bytes * 2 / 5; /* what a USB bandwidth shortage delivers, without a flag */
        memcpy(mapping + (size_t)index * bufferBytes, pattern[k % PATTERNS], bytes);
        done[doneCount].index = index;
        done[doneCount].bytes = bytes;
        done[doneCount++].sequence = (uint32_t)k;
        lastIndex = k;
    }
}

static int fail(int e) {
    errno = e;
    return -1;
}

static const Mode* findMode(uint32_t fourcc, int w, int h) {
    for (int i = 0; i < MODE_COUNT; ++i)
        if (modes[i].fourcc == fourcc && modes[i].w == w && modes[i].h == h)
            return &modes[i];
    return NULL;
}

static Control* findControl(uint32_t id) {
    for (size_t i = 0; i < sizeof controls / sizeof controls[0]; ++i)
        if (controls[i].id == id)
            return &controls[i];
    return NULL;
}

static void stopStream(void) {
    streaming = 0;
    queued = doneCount = 0;
}

static int enumerate(int node, unsigned long req, void* arg) {
    if (req == VIDIOC_QUERYCAP) {
        struct v4l2_capability* c = arg;
        memset(c, 0, sizeof *c);
        strcpy((char*)c->card, "Fake UVC Camera");
        strcpy((char*)c->driver, "uvcvideo");
        c->device_caps =
            V4L2_CAP_STREAMING | (node ? V4L2_CAP_META_CAPTURE : V4L2_CAP_VIDEO_CAPTURE);
        c->capabilities = c->device_caps | V4L2_CAP_DEVICE_CAPS;
        return 0;
    }
    if (node)
        return fail(EINVAL);
    if (req == VIDIOC_ENUM_FMT) {
        struct v4l2_fmtdesc* d = arg;
        if (d->index > 1)
            return fail(EINVAL);
        d->pixelformat = d->index ? V4L2_PIX_FMT_YUYV : V4L2_PIX_FMT_MJPEG;
        return 0;
    }
    if (req == VIDIOC_ENUM_FRAMESIZES) {
        struct v4l2_frmsizeenum* s = arg;
        for (int i = 0, n = 0; i < MODE_COUNT; ++i)
            if (modes[i].fourcc == s->pixel_format && n++ == (int)s->index) {
                s->type = V4L2_FRMSIZE_TYPE_DISCRETE;
                s->discrete.width = (uint32_t)modes[i].w;
                s->discrete.height = (uint32_t)modes[i].h;
                return 0;
            }
        return fail(EINVAL);
    }
    if (req == VIDIOC_ENUM_FRAMEINTERVALS) {
        struct v4l2_frmivalenum* f = arg;
        const Mode* m = findMode(f->pixel_format, (int)f->width, (int)f->height);
        if (!m || f->index >= 3 || !m->fps[f->index])
            return fail(EINVAL);
        f->type = V4L2_FRMIVAL_TYPE_DISCRETE;
        f->discrete.numerator = 1;
        f->discrete.denominator = (uint32_t)m->fps[f->index];
        return 0;
    }
    return 1;
}

static int controlIoctl(unsigned long req, void* arg) {
    if (req == VIDIOC_QUERYCTRL) {
        struct v4l2_queryctrl* q = arg;
        const Control* c = findControl(q->id);
        if (!c)
            return fail(EINVAL);
        q->type = c->menu ? V4L2_CTRL_TYPE_MENU : V4L2_CTRL_TYPE_INTEGER;
        q->minimum = c->min, q->maximum = c->max, q->step = 1, q->default_value = c->def;
        q->flags = 0;
        return 0;
    }
    struct v4l2_control* v = arg;
    Control* c = findControl(v->id);
    if (!c)
        return fail(EINVAL);
    if (req == VIDIOC_G_CTRL) {
        v->value = c->value;
        return 0;
    }
    if (v->value < c->min || v->value > c->max)
        return fail(ERANGE);
    c->value = v->value;
    return 0;
}

static int formatIoctl(int fd, unsigned long req, void* arg) {
    if (req == VIDIOC_S_FMT) {
        struct v4l2_format* f = arg;
        if (busy)
            return fail(EBUSY);
        if (slowMs) /* a slow camera negotiates for a while */
            usleep((useconds_t)slowMs * 1000);
        const Mode* m =
            findMode(f->fmt.pix.pixelformat, (int)f->fmt.pix.width, (int)f->fmt.pix.height);
        mode = m ? m : &modes[3];
        f->fmt.pix.pixelformat = mode->fourcc;
        f->fmt.pix.width = (uint32_t)mode->w;
        f->fmt.pix.height = (uint32_t)mode->h;
        f->fmt.pix.bytesperline = mode->fourcc == V4L2_PIX_FMT_YUYV ? (uint32_t)mode->w * 2 : 0;
        f->fmt.pix.sizeimage = (uint32_t)(mode->w * mode->h * 2);
        return 0;
    }
    if (req == VIDIOC_S_PARM || req == VIDIOC_G_PARM) {
        struct v4l2_streamparm* p = arg;
        struct v4l2_fract* tpf = &p->parm.capture.timeperframe;
        if (req == VIDIOC_S_PARM)
            for (int i = 0; i < 3; ++i)
                if (mode->fps[i] && tpf->numerator &&
                    (uint32_t)mode->fps[i] == tpf->denominator / tpf->numerator)
                    fps = mode->fps[i];
        p->parm.capture.capability = V4L2_CAP_TIMEPERFRAME;
        tpf->numerator = 1;
        tpf->denominator = (uint32_t)fps;
        return 0;
    }
    if (req == VIDIOC_REQBUFS) {
        struct v4l2_requestbuffers* r = arg;
        if (streaming)
            return fail(EBUSY);
        if (mapping)
            munmap(mapping, mappingBytes), mapping = NULL;
        bufferCount = r->count > MAX_BUFFERS ? MAX_BUFFERS : (int)r->count;
        r->count = (uint32_t)bufferCount;
        bufferBytes = ((size_t)mode->w * mode->h * 2 + 4095) & ~(size_t)4095;
        mappingBytes = bufferBytes * (size_t)bufferCount;
        if (bufferCount && ftruncate(fd, (off_t)mappingBytes) != 0)
            return fail(ENOMEM);
        if (bufferCount)
            mapping = mmap(NULL, mappingBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        streamFd = fd;
        renderPatterns();
        return 0;
    }
    return 1;
}

static int streamIoctl(int fd, unsigned long req, void* arg) {
    struct v4l2_buffer* b = arg;
    if (fd != streamFd)
        return fail(EINVAL);
    if (req == VIDIOC_QUERYBUF || req == VIDIOC_QBUF) {
        if (b->index >= (uint32_t)bufferCount)
            return fail(EINVAL);
        b->length = (uint32_t)bufferBytes;
        b->m.offset = (uint32_t)(b->index * bufferBytes);
        if (req == VIDIOC_QBUF)
            queue[queued++] = (int)b->index;
        return 0;
    }
    if (req == VIDIOC_DQBUF) {
        advance();
        if (!doneCount)
            return fail(EAGAIN);
        b->index = (uint32_t)done[0].index;
        b->bytesused = done[0].bytes;
        b->sequence = done[0].sequence;
        b->flags = V4L2_BUF_FLAG_MAPPED;
        memmove(done, done + 1, sizeof done[0] * (size_t)--doneCount);
        return 0;
    }
    if (req == VIDIOC_STREAMON) {
        streaming = 1;
        ++streamOns;
        if (stalled == 2)
            stalled = 0;
        produced = 0;
        nextFrameAt = now() + 1.0 / fps + slowMs / 1000.0;
        return 0;
    }
    if (req == VIDIOC_STREAMOFF) {
        stopStream();
        return 0;
    }
    return fail(ENOTTY);
}

static int fakeIoctl(Handle* h, unsigned long req, void* arg) {
    if (!plugged || h->generation != generation)
        return fail(ENODEV);
    int r = enumerate(h->node, req, arg);
    if (r != 1)
        return r;
    if (req == VIDIOC_QUERYCTRL || req == VIDIOC_G_CTRL || req == VIDIOC_S_CTRL)
        return controlIoctl(req, arg);
    r = formatIoctl(h->fd, req, arg);
    return r != 1 ? r : streamIoctl(h->fd, req, arg);
}

#define REAL(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

static int fakeOpen(const char* path, int* result) {
    int node = -1;
    if (path && strncmp(path, "/dev/video", 10) == 0 && (path[10] == '0' || path[10] == '1') &&
        !path[11])
        node = path[10] - '0';
    if (node < 0)
        return 0;
    pthread_mutex_lock(&lock);
    *result = plugged ? memfd_create("fake-video", MFD_CLOEXEC) : fail(ENOENT);
    for (int i = 0; *result >= 0 && i < MAX_FDS; ++i)
        if (!handles[i].used) {
            handles[i] = (Handle){1, *result, node, generation};
            break;
        }
    pthread_mutex_unlock(&lock);
    return 1;
}

int open(const char* path, int flags, ...) {
    int fd;
    if (fakeOpen(path, &fd))
        return fd;
    va_list ap;
    va_start(ap, flags);
    const mode_t m = va_arg(ap, mode_t);
    va_end(ap);
    return REAL(open)(path, flags, m);
}

int open64(const char* path, int flags, ...) {
    int fd;
    if (fakeOpen(path, &fd))
        return fd;
    va_list ap;
    va_start(ap, flags);
    const mode_t m = va_arg(ap, mode_t);
    va_end(ap);
    return REAL(open64)(path, flags, m);
}

int close(int fd) {
    pthread_mutex_lock(&lock);
    Handle* h = handleOf(fd);
    if (h) {
        if (fd == streamFd) {
            stopStream();
            streamFd = -1;
        }
        h->used = 0;
    }
    pthread_mutex_unlock(&lock);
    return REAL(close)(fd);
}

int ioctl(int fd, unsigned long req, ...) {
    va_list ap;
    va_start(ap, req);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    pthread_mutex_lock(&lock);
    Handle* h = handleOf(fd);
    const int r = h ? fakeIoctl(h, req, arg) : 2;
    const int e = errno;
    pthread_mutex_unlock(&lock);
    errno = e;
    return r != 2 ? r : REAL(ioctl)(fd, req, arg);
}

int poll(struct pollfd* fds, nfds_t n, int timeout) {
    pthread_mutex_lock(&lock);
    Handle* h = n == 1 ? handleOf(fds[0].fd) : NULL;
    pthread_mutex_unlock(&lock);
    if (!h)
        return REAL(poll)(fds, n, timeout);
    const double until = now() + timeout / 1000.0;
    for (;;) {
        pthread_mutex_lock(&lock);
        advance();
        const int lost = !plugged || h->generation != generation;
        const int ready = lost || doneCount > 0;
        fds[0].revents = (short)(lost ? POLLERR | POLLHUP : ready ? POLLIN : 0);
        pthread_mutex_unlock(&lock);
        if (ready)
            return 1;
        if (now() >= until)
            return 0;
        usleep(2000); /* short slices, so an unplug is seen at once */
    }
}

/* The /dev listing shows video0 and video1 while the camera is plugged in. */
DIR* opendir(const char* name) {
    DIR* d = REAL(opendir)(name);
    if (d && strcmp(name, "/dev") == 0) {
        pthread_mutex_lock(&lock);
        devDir = d;
        devEntriesGiven = 0;
        pthread_mutex_unlock(&lock);
    }
    return d;
}

struct dirent* readdir(DIR* d) {
    static struct dirent entry;
    pthread_mutex_lock(&lock);
    const int fake = d == devDir && plugged && devEntriesGiven < 2;
    if (fake) {
        memset(&entry, 0, sizeof entry);
        snprintf(entry.d_name, sizeof entry.d_name, "video%d", devEntriesGiven++);
        entry.d_type = DT_CHR;
    }
    pthread_mutex_unlock(&lock);
    return fake ? &entry : REAL(readdir)(d);
}

int closedir(DIR* d) {
    pthread_mutex_lock(&lock);
    if (d == devDir)
        devDir = NULL;
    pthread_mutex_unlock(&lock);
    return REAL(closedir)(d);
}

int fakeV4l2Set(const char* key, int value) {
    pthread_mutex_lock(&lock);
    if (!strcmp(key, "plugged")) {
        if (plugged && !value)
            ++generation; /* descriptors of the old plug stay dead */
        for (size_t i = 0; !plugged && value && i < sizeof controls / sizeof controls[0]; ++i)
            controls[i].value = controls[i].def;
        plugged = value;
    } else if (!strcmp(key, "stalled")) {
        stalled = value;
    } else if (!strcmp(key, "busy")) {
        busy = value;
    } else if (!strcmp(key, "cutEvery")) {
        cutEvery = value;
    } else if (!strcmp(key, "slowMs")) {
        slowMs = value;
    }
    pthread_mutex_unlock(&lock);
    return 0;
}

int fakeV4l2Get(const char* key) {
    pthread_mutex_lock(&lock);
    advance();
    const int r = !strcmp(key, "fps")          ? fps
                  : !strcmp(key, "streamOns")  ? streamOns
                  : !strcmp(key, "streaming")  ? streaming
                  : !strcmp(key, "lastIndex")  ? (int)lastIndex
                  : !strcmp(key, "powerLine")  ? controls[3].value
                  : !strcmp(key, "brightness") ? controls[0].value
                                               : -1;
    pthread_mutex_unlock(&lock);
    return r;
}
