/*
 * Camera control library: the C interface that the program (and any other client) uses to list
 * cameras, start a preview and pull frames. One source tree is built under three file names
 * (libKELM_CamCtl.so, libKELM_CamCtlExt.so, libKELM_CamCtl_Vice.so); each loaded file keeps its
 * own state, so three clients can drive three cameras independently.
 *
 * Back ends: real V4L2 capture devices (/dev/video*) and built-in virtual cameras. Virtual cameras
 * are listed only when no real camera is present; the environment variable MIRAVELO_CAMERA selects
 * "virtual" (only virtual devices) or "v4l2" (only real ones). MIRAVELO_VCAM_SCENE picks what the
 * virtual document camera shows: a rendered scene ("document", "card", "book", "qrsheet", "desk";
 * "qrsheet:<text>" puts <text>, UTF-8 in any script, into the sheet's QR code) or an image file
 * or folder of images, shown one after another.
 *
 * Call order: Init, GetDeviceList, GetResolutionList, BGR2RGB(1), StartPreview, QueryFrame on a
 * timer (property calls in between), StopPreview. Start and stop may repeat without a new Init.
 * Capture runs on a thread inside the library, which keeps only the newest encoded frame; frames
 * are decoded when QueryFrame asks for one, so a preview that is polled slowly costs little.
 * QueryFrame therefore takes the time of one decode when it delivers a frame (tens of
 * milliseconds at the largest sizes) and almost none when there is nothing new; every other
 * function returns at once. No function throws, and all are safe to call in any order:
 * out-of-order calls get a negative result code.
 */
#ifndef KELM_CAMCTL_H
#define KELM_CAMCTL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(KELM_CAMCTL_BUILD)
#define KELM_CAMCTL_API __attribute__((visibility("default")))
#else
#define KELM_CAMCTL_API
#endif

/* Result codes. Success is 1 unless a function documents a count. */
#define KELM_CAMCTL_OK 1
#define KELM_CAMCTL_NO_FRAME 0         /* QueryFrame: no frame newer than the last one */
#define KELM_CAMCTL_E_NOT_INIT (-1)    /* Init was not called (or failed) */
#define KELM_CAMCTL_E_ARGUMENT (-2)    /* null pointer, bad index, bad capacity, bad id */
#define KELM_CAMCTL_E_DEVICE_LOST (-3) /* the device disappeared (unplugged) or stopped */
#define KELM_CAMCTL_E_FORMAT (-4)      /* the device refused the requested size or format */
#define KELM_CAMCTL_E_NOT_RUNNING (-5) /* QueryFrame without a running preview */
#define KELM_CAMCTL_E_IO (-6)          /* the device could not be opened or streamed */
#define KELM_CAMCTL_E_TOO_LARGE (-7)   /* the frame would not fit KELM_CAMCTL_FRAME_BUFFER_BYTES */
#define KELM_CAMCTL_E_UNSUPPORTED (-8) /* property not offered by this device */
#define KELM_CAMCTL_E_STALLED (-9)     /* the stream sends no frames, even after one restart */
#define KELM_CAMCTL_E_BUSY (-10)       /* another program holds the camera */

/* The caller's frame buffer holds this many bytes; QueryFrame never writes more, and refuses (with
 * KELM_CAMCTL_E_TOO_LARGE) a frame that would need more. */
#define KELM_CAMCTL_FRAME_BUFFER_BYTES 41943040

#define KELM_CAMCTL_MAX_DEVICES 8
#define KELM_CAMCTL_NAME_BYTES 1024

/* Resolution formats. */
#define KELM_CAMCTL_FORMAT_MJPG 1
#define KELM_CAMCTL_FORMAT_YUY2 2

/* Property ids: video properties 0, 1, 3; camera property 6. */
#define KELM_CAMCTL_PROP_BRIGHTNESS 0
#define KELM_CAMCTL_PROP_CONTRAST 1
#define KELM_CAMCTL_PROP_SATURATION 3
#define KELM_CAMCTL_PROP_FOCUS 6
/* Video property: the mains frequency the camera's exposure avoids flicker for (V4L2's power line
 * frequency control). Values KELM_CAMCTL_POWER_LINE_*; a camera without it answers
 * KELM_CAMCTL_E_UNSUPPORTED. */
#define KELM_CAMCTL_PROP_POWER_LINE 10
#define KELM_CAMCTL_POWER_LINE_OFF 0
#define KELM_CAMCTL_POWER_LINE_50HZ 1
#define KELM_CAMCTL_POWER_LINE_60HZ 2

/* Property flags. */
#define KELM_CAMCTL_FLAG_AUTO 1
#define KELM_CAMCTL_FLAG_MANUAL 2

/* The four USB (vendor, product) id pairs of the small sub camera. The virtual sub camera carries
 * the first pair. */
#define KELM_CAMCTL_SUB_CAMERA_ID_COUNT 4
#define KELM_CAMCTL_SUB_CAMERA_IDS                              \
    {                                                           \
        {0x0C45, 0x6366}, {0x1BCF, 0x2283}, {0x0AC8, 0x3420}, { \
            0x05A3, 0x9230                                      \
        }                                                       \
    }

/* USB ids of the virtual document camera. */
#define KELM_CAMCTL_VIRTUAL_DOC_VID 0x1D6B
#define KELM_CAMCTL_VIRTUAL_DOC_PID 0x0C01

#pragma pack(push, 1)
/* 1,028 bytes. */
typedef struct KELM_CamDevice {
    uint16_t vendorId;
    uint16_t productId;
    char name[KELM_CAMCTL_NAME_BYTES]; /* NUL-terminated, 8-bit */
} KELM_CamDevice;

/* 12 bytes. */
typedef struct KELM_CamResolution {
    int32_t width;
    int32_t height;
    uint16_t reserved; /* set to 0 */
    uint16_t format;   /* KELM_CAMCTL_FORMAT_MJPG or KELM_CAMCTL_FORMAT_YUY2 */
} KELM_CamResolution;

/* 24 bytes. */
typedef struct KELM_CamProperty {
    int32_t minimum;
    int32_t maximum;
    int32_t step;
    int32_t defaultValue;
    int32_t value;
    int32_t flags; /* KELM_CAMCTL_FLAG_AUTO or KELM_CAMCTL_FLAG_MANUAL */
} KELM_CamProperty;

/* Three int32; the program passes 1, 0, 0. */
typedef struct KELM_CamInit {
    int32_t version;
    int32_t reserved1;
    int32_t reserved2;
} KELM_CamInit;
#pragma pack(pop)

/* Prepares the library. Returns 1. Later calls are harmless (a running preview keeps running). */
KELM_CAMCTL_API int KELM_Camctl_Init(KELM_CamInit* block);

/* Fills up to `capacity` records (at most 8 are ever used) and returns the device count, or a
 * negative code. The list is taken anew on each call; indices refer to the latest list. */
KELM_CAMCTL_API int KELM_Camctl_GetDeviceList(KELM_CamDevice* devices, int capacity);

/* Fills up to `capacity` resolution records of device `device` and returns their count, or a
 * negative code. Record indices are what StartPreview takes. Sizes whose frame would not fit
 * KELM_CAMCTL_FRAME_BUFFER_BYTES are left out. */
KELM_CAMCTL_API int KELM_Camctl_GetResolutionList(int device, KELM_CamResolution* records,
                                                  int capacity);

/* 1: frames are delivered in the order red, green, blue (the only order offered). Returns 1. */
KELM_CAMCTL_API int KELM_Camctl_BGR2RGB(int enable);

/* Starts streaming record `resolution` of device `device` at the highest frame rate the camera
 * offers for that size. A running preview is stopped first. Returns 1 when running, or a negative
 * code (the preview is then stopped): KELM_CAMCTL_E_BUSY when another program holds the camera,
 * KELM_CAMCTL_E_FORMAT when the camera refuses the mode. It returns once the driver has
 * negotiated the mode, which a slow camera draws out to seconds. */
KELM_CAMCTL_API int KELM_Camctl_StartPreview(int device, int resolution);

/* Decodes the newest frame (rows of width x 3 bytes, top row first) into `buffer`, which must
 * hold KELM_CAMCTL_FRAME_BUFFER_BYTES. Returns 1 with width, height and length = width x height x
 * 3; 0 when no frame arrived since the last query (a frame that is corrupt or cut short counts as
 * none); KELM_CAMCTL_E_DEVICE_LOST after an unplug, KELM_CAMCTL_E_STALLED when the camera
 * stopped sending frames (a stream silent for long is restarted once before it is reported); a
 * negative code otherwise. On any result but 1 the three outputs are set to 0 and the buffer is
 * untouched, except that an MJPG frame found corrupt only part-way through decoding may have
 * written some rows before 0 is returned. Preview frames are decoded with the fast paths of the
 * JPEG decoder; the frame that answers a TakePhoto request is decoded exactly. */
KELM_CAMCTL_API int KELM_Camctl_QueryFrame(unsigned char* buffer, int* width, int* height,
                                           int* length);

/* Passes over the newest frame without decoding it when it arrived more than `maxAgeMs`
 * milliseconds ago, so that the next QueryFrame delivers the frame after it. A caller that
 * decodes more slowly than the camera sends uses it to decode a frame the moment it arrives
 * rather than one that has already waited: what it shows is then as new as its decoding allows.
 * Returns 1 when a frame was passed over; 0 when there was none to pass over (no frame since the
 * last query, or the newest is younger than `maxAgeMs`); the codes of QueryFrame for a stream
 * that ended or is not running. A frame requested with TakePhoto is never passed over. */
KELM_CAMCTL_API int KELM_Camctl_SkipStaleFrame(int maxAgeMs);

/* Stops streaming. Returns 1 (also when nothing was running), or a negative code before Init. */
KELM_CAMCTL_API int KELM_Camctl_StopPreview(void);

/* Property access. Get returns 1 and fills the record; Set takes value and flags and returns 1,
 * or KELM_CAMCTL_E_UNSUPPORTED for a property (or automatic focus) the camera does not have.
 * Properties belong to the device of the latest StartPreview (or device 0 before any start). */
KELM_CAMCTL_API int KELM_Camctl_GetVideoProp(int id, KELM_CamProperty* property);
KELM_CAMCTL_API int KELM_Camctl_SetVideoProp(int id, KELM_CamProperty* property);
KELM_CAMCTL_API int KELM_Camctl_GetCameraProp(int id, KELM_CamProperty* property);
KELM_CAMCTL_API int KELM_Camctl_SetCameraProp(int id, KELM_CamProperty* property);

/* Status 10: 1 streaming, 0 stopped, KELM_CAMCTL_E_DEVICE_LOST after an unplug,
 * KELM_CAMCTL_E_STALLED when the stream stopped sending frames. Other queries return
 * KELM_CAMCTL_E_ARGUMENT. */
KELM_CAMCTL_API int KELM_Camctl_GetCameraStatus(int query);

/* Marks the next frame that QueryFrame delivers as a capture: it is decoded exactly rather than
 * with the preview's fast paths (same size, no separate still shot). Returns 1, or
 * KELM_CAMCTL_E_NOT_RUNNING without a running preview; a stop forgets the request. */
KELM_CAMCTL_API int KELM_Camctl_TakePhoto(void);

/* Stops any preview and forgets the device list; Init is needed again. Returns 1. */
KELM_CAMCTL_API int KELM_Camctl_Dispose(void);

#ifdef __cplusplus
}
#endif

#endif /* KELM_CAMCTL_H */
