#include "camera/CCameraInterface.h"

#include "app/AppPaths.h"

#include <QDebug>
#include <QLibrary>

#include <cstring>

namespace {
// The library's file names on this platform; the debug texts keep the names users and support
// staff know from the original component.
const char* const kMainFile = "libKELM_CamCtl.so";
const char* const kExtFile = "libKELM_CamCtlExt.so";

void missingApi(const char* name) {
    qDebug().noquote() << QStringLiteral("Can not load API %1!\n\r").arg(QLatin1String(name));
}
}  // namespace

CCameraInterface::CCameraInterface(QObject* parent)
    : QObject(parent), m_currentFrame(new QImage()) {
    std::memset(m_devices, 0, sizeof m_devices);
    std::memset(m_resolutions, 0, sizeof m_resolutions);
}

CCameraInterface::~CCameraInterface() {
    delete m_currentFrame;
}

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
    // Loaded by absolute path (dlopen does not search the program's folder) and never unloaded:
    // the entry points stay valid for the whole run.
    QLibrary library(AppPaths::besideExecutable(QLatin1String(ext ? kExtFile : kMainFile)));
    if (!library.load()) {
        qDebug().noquote() << "Can not load KELM_CamCtl.dll!\n\r";
        return -1;
    }
    struct Entry {
        const char* symbol;
        const char* shownName;
        void** target;
    };
    const Entry entries[] = {
        {"KELM_Camctl_Init", "KELM_Camctl_Init", reinterpret_cast<void**>(&m_init)},
        {"KELM_Camctl_GetDeviceList", "KELM_Camctl_GetDeviceList",
         reinterpret_cast<void**>(&m_getDeviceList)},
        {"KELM_Camctl_GetResolutionList", "KELM_Camctl_GetResolutionList",
         reinterpret_cast<void**>(&m_getResolutionList)},
        {"KELM_Camctl_StartPreview", "KELM_Camctl_StartPreview",
         reinterpret_cast<void**>(&m_startPreview)},
        {"KELM_Camctl_StopPreview", "KELM_Camctl_StopPreview",
         reinterpret_cast<void**>(&m_stopPreview)},
        {"KELM_Camctl_TakePhoto", "KELM_Camctl_TakePhoto", reinterpret_cast<void**>(&m_takePhoto)},
        {"KELM_Camctl_Dispose", "KELM_Camctl_Dispose", reinterpret_cast<void**>(&m_dispose)},
        {"KELM_Camctl_QueryFrame", "KELM_Camctl_QueryFrame",
         reinterpret_cast<void**>(&m_queryFrame)},
        {"KELM_Camctl_SetVideoProp", "KELM_Camctl_SetVideoProp",
         reinterpret_cast<void**>(&m_setVideoProp)},
        {"KELM_Camctl_GetVideoProp", "KELM_Camctl_GetVideoProp",
         reinterpret_cast<void**>(&m_getVideoProp)},
        {"KELM_Camctl_GetCameraProp", "KELM_Camctl_GetCamProp",
         reinterpret_cast<void**>(&m_getCameraProp)},
        {"KELM_Camctl_SetCameraProp", "KELM_Camctl_SetCamProp",
         reinterpret_cast<void**>(&m_setCameraProp)},
        {"KELM_Camctl_GetCameraStatus", "KELM_Camctl_GetCameraStatus",
         reinterpret_cast<void**>(&m_getCameraStatus)},
        {"KELM_Camctl_BGR2RGB", "KELM_Camctl_RGB2BGR", reinterpret_cast<void**>(&m_bgr2rgb)},
    };
    int code = -2;
    for (const Entry& e : entries) {
        *e.target = reinterpret_cast<void*>(library.resolve(e.symbol));
        if (!*e.target) {
            missingApi(e.shownName);
            return code;
        }
        --code;
    }
    qDebug().noquote() << "load DLL KELM_Camctl.dll Success!\n\r";
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
        qDebug() << "Fail to get Resolution";
        return list;
    }
    resolutionCount = qMin(n, 32);
    qDebug() << "Resolution Count:" << n;
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
        qDebug().noquote() << text;
    }
    maxResWidth = m_resolutions[best].width;
    maxResHeight = m_resolutions[best].height;
    qDebug() << "MaxRes W" << maxResWidth << "MaxRes H" << maxResHeight;
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

int CCameraInterface::StartPreview(int device, int width, int height, int format) {
    if (!m_startPreview) {
        missingApi("KELM_Camctl_StartPreview");
        return -1;
    }
    if (m_bgr2rgb)
        m_bgr2rgb(1);
    photoPending = false;
    previewRunning = false;
    openedDevice = -1;
    int index = -1;
    for (int i = 0; i < resolutionCount; ++i) {
        const KELM_CamResolution& r = m_resolutions[i];
        if (r.width == width && r.height == height && r.format == format) {
            index = i;
            break;
        }
    }
    if (index < 0)
        return -1;
    const int r = m_startPreview(device, index);
    const int status = m_getCameraStatus ? m_getCameraStatus(10) : -1;
    qDebug() << "Test!!!!!!!!!!!!!:" << status;
    if (r > 0) {
        previewRunning = true;
        openedDevice = device;
    }
    return r;
}

int CCameraInterface::StopPreview() {
    if (!m_stopPreview) {
        missingApi("KELM_Camctl_StopPreview");
        return -1;
    }
    photoPending = false;
    const int r = m_stopPreview();
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
    photoPending = true;
    return 1;
}

QImage* CCameraInterface::QueryFrame() {
    if (!m_queryFrame || !previewRunning)
        return nullptr;
    const int r = m_queryFrame(m_frameBuffer, &frameWidth, &frameHeight, &frameLength);
    if (r <= 0 || frameWidth <= 0 || frameHeight <= 0 || frameLength <= 0) {
        qDebug() << "Can not query frame:" << r;
        return nullptr;
    }
    // A library that reports more than fits the buffer, or a length that does not match the
    // size, is not trusted: reading past the delivered rows would show garbage or crash.
    const qint64 bytes = qint64(frameWidth) * frameHeight * 3;
    if (bytes > qint64(sizeof m_frameBuffer) || bytes != frameLength) {
        qDebug() << "Can not query frame:" << r;
        return nullptr;
    }
    if (m_currentFrame->width() != frameWidth || m_currentFrame->height() != frameHeight) {
        delete m_currentFrame;
        m_currentFrame = new QImage(frameWidth, frameHeight, QImage::Format_RGB888);
    }
    // QImage rows are 32-bit aligned, the library's rows are packed: copy row by row.
    const int rowBytes = frameWidth * 3;
    for (int y = 0; y < frameHeight; ++y)
        std::memcpy(m_currentFrame->scanLine(y), m_frameBuffer + qint64(y) * rowBytes,
                    size_t(rowBytes));
    if (photoPending) {
        photoPending = false;
        auto* copy = new QImage(frameWidth, frameHeight, QImage::Format_RGB888);
        std::memcpy(copy->bits(), m_currentFrame->constBits(),
                    size_t(m_currentFrame->sizeInBytes()));
        emit OnTakePhoto(copy);
    }
    return m_currentFrame;
}

int CCameraInterface::GetProp(PropFn fn, const char* name, int id, int* min, int* max, int* def,
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

int CCameraInterface::SetProp(PropFn fn, const char* name, int id, int value, int flags) {
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
