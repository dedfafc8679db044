#pragma once

#include <KELM_CamCtl.h>

#include <QImage>
#include <QObject>
#include <QStringList>

#include <memory>

#include "camera/FrameBufferPool.h"

class PreviewStream;

// One loaded copy of the camera control library: its entry points, the device and resolution
// tables it fills, the frame buffers it writes into and the image of the latest frame. A capture
// request only queues; each successful QueryFrame() serves the oldest waiting request with its
// own new frame through OnTakePhoto(), so quick presses are never merged. GUI thread only.
//
// A preview started with StartPreview() is queried on the caller's thread. One begun with
// BeginPreview() runs on a thread of its own, which negotiates with the driver and decodes the
// frames; QueryFrame() then only takes the newest decoded frame, and frameReady() says when
// there is one. Frames are images over pooled 40 MiB buffers: a frame held anywhere (a capture,
// a comparison on another thread) keeps its pixels unchanged, and copies share them.
class CCameraInterface : public QObject {
    Q_OBJECT

public:
    explicit CCameraInterface(QObject* parent = nullptr);
    ~CCameraInterface() override;

    // 1 loaded, -1 file missing, -2 ... negative when an entry point is missing.
    int LoadCameraLibrary(bool ext);
    int InitCamera();
    // New lists owned by the caller.
    QStringList* GetDeviceList();
    QStringList* GetResolutionList(int device);
    QStringList* GetFormatList();
    int StartPreview(int device, int width, int height, int format);
    // Starts the preview on the stream's thread and returns at once: 1 when the start was handed
    // over (previewStarting is set until previewStartFinished() reports the library's answer), -1
    // when refused at once as StartPreview() refuses. Frames are decoded no more often than
    // every `paceMs`. The library is busy until the answer: callers leave it alone meanwhile.
    int BeginPreview(int device, int width, int height, int format, int paceMs);
    int StopPreview();
    int TakePhoto();
    // The frame just delivered, or null when there is none newer (or on failure). The pointer is
    // valid until the next query; a copy of the image keeps the frame for as long as needed.
    const QImage* QueryFrame();
    // The frame the last successful query delivered (null before the first), without asking the
    // library.
    const QImage& LatestFrame() const { return m_currentFrame; }
    int GetVideoProp(int id, int* min, int* max, int* def, int* value, int* flags);
    int GetCameraProp(int id, int* min, int* max, int* def, int* value, int* flags);
    int SetVideoProp(int id, int value, int flags);
    int SetCameraProp(int id, int value, int flags);

    // Texts shown in the selectors.
    static QString ResolutionText(int width, int height);
    static QString FormatText(int format);

signals:
    // The first frame after a TakePhoto() request.
    void OnTakePhoto(QImage image);
    // The answer to BeginPreview(): the library's start result.
    void previewStartFinished(int result);
    // A preview begun with BeginPreview() has a frame (or news of its end) for QueryFrame().
    void frameReady();

private:
    using InitFn = int(KELM_CamInit*);
    using DeviceListFn = int(KELM_CamDevice*, int);
    using ResolutionListFn = int(int, KELM_CamResolution*, int);
    using IntIntFn = int(int, int);
    using VoidFn = int();
    using QueryFn = int(unsigned char*, int*, int*, int*);
    using PropFn = int(int, KELM_CamProperty*);
    using IntFn = int(int);

    // What every start does first: the library's entry checked, the state of an earlier preview
    // cleared. The mode's record index, or -1.
    int resetForStart(int width, int height, int format);
    void streamStarted(quint64 ticket, int result, int status);
    // Index of the resolution record of that size and format, -1 when not listed.
    int recordFor(int width, int height, int format) const;

    int GetProp(PropFn* fn, const char* name, int id, int* min, int* max, int* def, int* value,
                int* flags);
    int SetProp(PropFn* fn, const char* name, int id, int value, int flags);

    InitFn* m_init = nullptr;
    DeviceListFn* m_getDeviceList = nullptr;
    ResolutionListFn* m_getResolutionList = nullptr;
    IntIntFn* m_startPreview = nullptr;
    VoidFn* m_stopPreview = nullptr;
    VoidFn* m_takePhoto = nullptr;
    VoidFn* m_dispose = nullptr;
    QueryFn* m_queryFrame = nullptr;
    PropFn* m_setVideoProp = nullptr;
    PropFn* m_getVideoProp = nullptr;
    PropFn* m_getCameraProp = nullptr;
    PropFn* m_setCameraProp = nullptr;
    IntFn* m_getCameraStatus = nullptr;
    IntFn* m_bgr2rgb = nullptr;
    IntFn* m_skipStaleFrame = nullptr;

    KELM_CamInit m_initBlock{1, 0, 0};
    KELM_CamDevice m_devices[KELM_CAMCTL_MAX_DEVICES];
    KELM_CamResolution m_resolutions[32];

public:
    // Read directly by the device control and the sub camera.
    // Capture requests not served yet; starting or stopping the preview drops them.
    int photoPending = 0;
    bool previewRunning = false;
    // BeginPreview() handed a start to the stream's thread and its answer has not come yet.
    bool previewStarting = false;
    int deviceCount = 0;
    int resolutionCount = 0;
    int openedDevice = -1;
    int maxResWidth = 0;
    int maxResHeight = 0;

private:
    FrameBufferPool m_frames;
    std::unique_ptr<PreviewStream> m_stream;  // made at the first BeginPreview()
    quint64 m_startTicket = 0;
    int m_startingDevice = -1;

public:
    int frameWidth = 0;
    int frameHeight = 0;
    int frameLength = 0;
    // The library's answer to the last frame query: a lost or stalled camera shows here.
    int lastQueryResult = 0;

private:
    QImage m_currentFrame;
};
