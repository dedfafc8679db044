#include "camera/CCameraInterface.h"

#include "app/LibraryLoader.h"
#include "app/LogCategories.h"
#include "camera/PreviewStream.h"

#include <QDebug>

#include <cstring>

namespace {
// The library's file names on this platform; the debug texts keep the names users and support
// staff know from the original component.
const char* const kMainFile = "libKELM_CamCtl.so";
const char* const kExtFile = "libKELM_CamCtlExt.so";

void missingApi(const char* name) {
    qCDebug(lcCamera).noquote()
        << QStringLiteral("Can not load API %1!\n\r").arg(QLatin1String(name));
}
}  // namespace

CCameraInterface::CCameraInterface(QObject* parent) : QObject(parent) {
    std::memset(m_devices, 0, sizeof m_devices);
    std::memset(m_resolutions, 0, sizeof m_resolutions);
}

CCameraInterface::~CCameraInterface() = default;

QString CCameraInterface::ResolutionText(int width, int height) {
    return QString::number(width) + "*" + QString::number(height);
}

QString CCameraInterface::FormatText(int format) {
    if (format == KELM_CAMCTL_FORMAT_MJPG)
        return QStringLiteral("MJPG");
    if (format == KELM_CAMCTL_FORMAT_YUY2)
        return QStringLiteral("YUY2");
    return QStringLiteral("UnKnow");
}

int CCameraInterface::LoadCameraLibrary(bool ext) {
    LibraryLoader library(QLatin1String(ext ? kExtFile : kMainFile));
    if (!library.load()) {
        qCDebug(lcCamera).noquote() << "Can not load KELM_CamCtl.dll!\n\r";
        return -1;
    }
    using L = LibraryLoader;
    const L::Symbol symbols[] = {
        L::entry("KELM_Camctl_Init", m_init),
        L::entry("KELM_Camctl_GetDeviceList", m_getDeviceList),
        L::entry("KELM_Camctl_GetResolutionList", m_getResolutionList),
        L::entry("KELM_Camctl_StartPreview", m_startPreview),
        L::entry("KELM_Camctl_StopPreview", m_stopPreview),
        L::entry("KELM_Camctl_TakePhoto", m_takePhoto),
        L::entry("KELM_Camctl_Dispose", m_dispose),
        L::entry("KELM_Camctl_QueryFrame", m_queryFrame),
        L::entry("KELM_Camctl_SetVideoProp", m_setVideoProp),
        L::entry("KELM_Camctl_GetVideoProp", m_getVideoProp),
        L::entry("KELM_Camctl_GetCameraProp", m_getCameraProp),
        L::entry("KELM_Camctl_SetCameraProp", m_setCameraProp),
        L::entry("KELM_Camctl_GetCameraStatus", m_getCameraStatus),
        L::entry("KELM_Camctl_BGR2RGB", m_bgr2rgb),
    };
    const int missing = library.resolve(symbols);
    if (missing >= 0) {
        // Support staff know a few entry points by their older names.
        const char* shown = symbols[missing].name;
        if (symbols[missing].slot == reinterpret_cast<void**>(&m_getCameraProp))
            shown = "KELM_Camctl_GetCamProp";
        else if (symbols[missing].slot == reinterpret_cast<void**>(&m_setCameraProp))
            shown = "KELM_Camctl_SetCamProp";
        else if (symbols[missing].slot == reinterpret_cast<void**>(&m_bgr2rgb))
            shown = "KELM_Camctl_RGB2BGR";
        missingApi(shown);
        return -2 - missing;
    }
    // Newer than the rest: a library without it still previews, only with older frames.
    const L::Symbol optional[] = {L::entry("KELM_Camctl_SkipStaleFrame", m_skipStaleFrame)};
    library.resolve(optional);
    qCDebug(lcCamera).noquote() << "load DLL KELM_Camctl.dll Success!\n\r";
    return 1;
}

int CCameraInterface::InitCamera() {
    if (!m_init) {
        missingApi("KELM_Camctl_Init");
        return -1;
    }
    std::memset(m_devices, 0, sizeof m_devices);
    m_initBlock = KELM_CamInit{1, 0, 0};
    return m_init(&m_initBlock);
}

QStringList* CCameraInterface::GetDeviceList() {
    auto* list = new QStringList();
    if (!m_getDeviceList) {
        missingApi("KELM_Camctl_GetDeviceList");
        return list;
    }
    deviceCount = 0;
    const int n = m_getDeviceList(m_devices, KELM_CAMCTL_MAX_DEVICES);
    if (n >= 0) {
        // The table holds 8 records, whatever count the library claims.
        deviceCount = qMin(n, int(KELM_CAMCTL_MAX_DEVICES));
        for (int i = 0; i < deviceCount; ++i)
            list->append(QString::fromLatin1(
                m_devices[i].name, int(strnlen(m_devices[i].name, KELM_CAMCTL_NAME_BYTES))));
    }
    return list;
}

QStringList* CCameraInterface::GetResolutionList(int device) {
    resolutionCount = 0;
    std::memset(m_resolutions, 0, sizeof m_resolutions);
    auto* list = new QStringList();
    if (!m_getResolutionList) {
        missingApi("KELM_Camctl_GetResolutionList");
        return list;
    }
    const int n = m_getResolutionList(device, m_resolutions, 32);
    if (n < 0) {
        qCDebug(lcCamera) << "Fail to get Resolution";
        return list;
    }
    resolutionCount = qMin(n, 32);
    qCDebug(lcCamera) << "Resolution Count:" << n;
    quint32 bestArea = 0;
    int best = 0;
    for (int i = 0; i < resolutionCount; ++i) {
        const KELM_CamResolution& r = m_resolutions[i];
        const QString text = ResolutionText(r.width, r.height);
        const quint32 area = quint32(r.width) * quint32(r.height);
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
        if (!list->contains(text))
            list->append(text);
        qCDebug(lcCamera).noquote() << text;
    }
    maxResWidth = m_resolutions[best].width;
    maxResHeight = m_resolutions[best].height;
    qCDebug(lcCamera) << "MaxRes W" << maxResWidth << "MaxRes H" << maxResHeight;
    return list;
}

QStringList* CCameraInterface::GetFormatList() {
    auto* list = new QStringList();
    for (int i = 0; i < resolutionCount; ++i) {
        const QString text = FormatText(m_resolutions[i].format);
        if (!list->contains(text))
            list->append(text);
    }
    return list;
}

int CCameraInterface::recordFor(int width, int height, int format) const {
    for (int i = 0; i < resolutionCount; ++i) {
        const KELM_CamResolution& r = m_resolutions[i];
        if (r.width == width && r.height == height && r.format == format)
            return i;
    }
    return -1;
}

int CCameraInterface::resetForStart(int width, int height, int format) {
    if (!m_startPreview) {
        missingApi("KELM_Camctl_StartPreview");
        return -1;
    }
    if (m_bgr2rgb)
        m_bgr2rgb(1);
    photoPending = 0;
    previewRunning = false;
    previewStarting = false;
    openedDevice = -1;
    return recordFor(width, height, format);
}

int CCameraInterface::StartPreview(int device, int width, int height, int format) {
    // The library's start replaces whatever runs; the stream's thread must not query it on.
    if (m_startPreview)
        m_stream.reset();
    const int index = resetForStart(width, height, format);
    if (index < 0)
        return -1;
    const int r = m_startPreview(device, index);
    const int status = m_getCameraStatus ? m_getCameraStatus(10) : -1;
    qCDebug(lcCamera) << "Test!!!!!!!!!!!!!:" << status;
    if (r > 0) {
        previewRunning = true;
        openedDevice = device;
    }
    return r;
}

int CCameraInterface::BeginPreview(int device, int width, int height, int format, int paceMs) {
    const int index = resetForStart(width, height, format);
    if (index < 0 || !m_queryFrame)
        return -1;
    if (!m_stream) {
        PreviewStream::Entries entries;
        entries.start = m_startPreview;
        entries.query = m_queryFrame;
        entries.stop = m_stopPreview;
        entries.takePhoto = m_takePhoto;
        entries.status = m_getCameraStatus;
        entries.skipStale = m_skipStaleFrame;
        m_stream = std::make_unique<PreviewStream>(entries);
        connect(m_stream.get(), &PreviewStream::started, this, &CCameraInterface::streamStarted);
        connect(m_stream.get(), &PreviewStream::frameReady, this, &CCameraInterface::frameReady);
    }
    previewStarting = true;
    m_startingDevice = device;
    m_stream->start(++m_startTicket, device, index, paceMs);
    return 1;
}

void CCameraInterface::streamStarted(quint64 ticket, int result, int status) {
    // A stop or a newer start came after this one: its answer is stale.
    if (ticket != m_startTicket || !previewStarting)
        return;
    previewStarting = false;
    qCDebug(lcCamera) << "Test!!!!!!!!!!!!!:" << status;
    if (result > 0) {
        previewRunning = true;
        openedDevice = m_startingDevice;
    }
    emit previewStartFinished(result);
}

int CCameraInterface::StopPreview() {
    if (!m_stopPreview) {
        missingApi("KELM_Camctl_StopPreview");
        return -1;
    }
    photoPending = 0;
    previewStarting = false;
    const int r = m_stream ? m_stream->stop() : m_stopPreview();
    if (r > 0) {
        previewRunning = false;
        openedDevice = -1;
    }
    return r;
}

int CCameraInterface::TakePhoto() {
    if (!m_takePhoto) {
        missingApi("KELM_Camctl_TakePhoto");
        return -1;
    }
    ++photoPending;
    if (m_stream) {
        m_stream->requestCapture();
        return 1;
    }
    // The library decodes preview frames the fast way; the frame it marks for a capture is
    // decoded exactly, since that one becomes the user's document. It marks one frame at a time:
    // later requests are marked as the earlier ones are served.
    if (photoPending == 1)
        m_takePhoto();
    return 1;
}

const QImage* CCameraInterface::QueryFrame() {
    lastQueryResult = 0;
    if (!m_queryFrame || !previewRunning)
        return nullptr;
    QImage frame;
    QList<QImage> captures;
    int r = 0;
    if (m_stream) {
        PreviewStream::Taken taken = m_stream->take();
        frame = taken.frame;
        captures = taken.captures;
        r = taken.status;
        photoPending = qMax(0, photoPending - int(captures.size()));
    } else {
        r = m_frames.fetch(m_queryFrame, frame, frameWidth, frameHeight, frameLength);
        if (!frame.isNull() && photoPending > 0) {
            // Re-armed before the hand-off, which may take a while: the next frame is the next
            // capture's own.
            if (--photoPending > 0)
                m_takePhoto();
            captures.append(frame);
        }
    }
    lastQueryResult = r;
    if (frame.isNull()) {
        // Polled faster than the camera delivers: "nothing newer yet" is the usual answer.
        if (r != KELM_CAMCTL_NO_FRAME)
            qCDebug(lcCamera) << "Can not query frame:" << r;
        return nullptr;
    }
    frameWidth = frame.width();
    frameHeight = frame.height();
    frameLength = frameWidth * frameHeight * 3;
    m_currentFrame = frame;
    // A capture shares the frame's pixels: the buffer under them is not written again while
    // any copy of the image lives, and a capture that draws on its image detaches first.
    for (const QImage& capture : captures)
        emit OnTakePhoto(capture);
    return &m_currentFrame;
}

int CCameraInterface::GetProp(PropFn* fn, const char* name, int id, int* min, int* max, int* def,
                              int* value, int* flags) {
    if (!fn) {
        missingApi(name);
        return -1;
    }
    KELM_CamProperty record{};
    const int r = fn(id, &record);
    if (r > 0) {
        if (min)
            *min = record.minimum;
        if (max)
            *max = record.maximum;
        if (def)
            *def = record.defaultValue;
        if (value)
            *value = record.value;
        if (flags)
            *flags = record.flags;
    }
    return r;
}

int CCameraInterface::SetProp(PropFn* fn, const char* name, int id, int value, int flags) {
    if (!fn) {
        missingApi(name);
        return -1;
    }
    KELM_CamProperty record{};
    record.value = value;
    record.flags = flags;
    return fn(id, &record);
}

int CCameraInterface::GetVideoProp(int id, int* min, int* max, int* def, int* value, int* flags) {
    return GetProp(m_getVideoProp, "KELM_Camctl_GetVideoProp", id, min, max, def, value, flags);
}

int CCameraInterface::GetCameraProp(int id, int* min, int* max, int* def, int* value, int* flags) {
    return GetProp(m_getCameraProp, "KELM_Camctl_GetCamProp", id, min, max, def, value, flags);
}

int CCameraInterface::SetVideoProp(int id, int value, int flags) {
    return SetProp(m_setVideoProp, "KELM_Camctl_SetVideoProp", id, value, flags);
}

int CCameraInterface::SetCameraProp(int id, int value, int flags) {
    return SetProp(m_setCameraProp, "KELM_Camctl_SetCamProp", id, value, flags);
}
