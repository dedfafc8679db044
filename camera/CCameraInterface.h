#pragma once

#include <KELM_CamCtl.h>

#include <QImage>
#include <QObject>
#include <QStringList>

#include <memory>

// One loaded copy of the camera control library: its entry points, the device and resolution
// tables it fills, the frame buffer it writes into and the image of the latest frame. A capture
// request only arms the interface; the next successful QueryFrame() hands a copy of that frame to
// OnTakePhoto(). GUI thread only.
//
// The library writes each frame into a 40 MiB buffer on the heap, allocated once per interface.
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
    int StopPreview();
    int TakePhoto();
    // The frame just delivered, or null when there is none newer (or on failure). It may show the
    // library's buffer itself: valid until the next query; keep a deep copy (QImage::copy()).
    const QImage* QueryFrame();
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

private:
    using InitFn = int(KELM_CamInit*);
    using DeviceListFn = int(KELM_CamDevice*, int);
    using ResolutionListFn = int(int, KELM_CamResolution*, int);
    using IntIntFn = int(int, int);
    using VoidFn = int();
    using QueryFn = int(unsigned char*, int*, int*, int*);
    using PropFn = int(int, KELM_CamProperty*);
    using IntFn = int(int);

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

    KELM_CamInit m_initBlock{1, 0, 0};
    KELM_CamDevice m_devices[KELM_CAMCTL_MAX_DEVICES];
    KELM_CamResolution m_resolutions[32];

public:
    // Read directly by the device control and the sub camera.
    bool photoPending = false;
    bool previewRunning = false;
    int deviceCount = 0;
    int resolutionCount = 0;
    int openedDevice = -1;
    int maxResWidth = 0;
    int maxResHeight = 0;

private:
    std::unique_ptr<unsigned char[]> m_frameBuffer;

public:
    int frameWidth = 0;
    int frameHeight = 0;
    int frameLength = 0;
    // The library's answer to the last frame query: a lost or stalled camera shows here.
    int lastQueryResult = 0;

private:
    QImage m_currentFrame;
};
