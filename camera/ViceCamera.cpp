#include "camera/ViceCamera.h"

#include <QDebug>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <cstring>

#include "app/AppSettings.h"
#include "app/LibraryLoader.h"
#include "app/Log.h"
#include "app/LogCategories.h"
#include "output/ImageFileWriter.h"

namespace {

constexpr int kPreviewMs = 100;
const QSize kPictureSize(280, 210);

}  // namespace

ViceCamera::ViceCamera(AppSettings* settings, Log* log, QLabel* pictureLabel, QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_log(log),
      m_label(pictureLabel),
      m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, &ViceCamera::preview);
}

ViceCamera::~ViceCamera() {
    close();
}

int ViceCamera::load() {
    LibraryLoader library(QStringLiteral("libKELM_CamCtl_Vice.so"));
    InitFn* init = nullptr;
    DeviceListFn* list = nullptr;
    ResolutionListFn* resolutions = nullptr;
    Bgr2RgbFn* bgr2rgb = nullptr;
    using L = LibraryLoader;
    const L::Symbol symbols[] = {
        L::entry("KELM_Camctl_Init", init),
        L::entry("KELM_Camctl_GetDeviceList", list),
        L::entry("KELM_Camctl_GetResolutionList", resolutions),
        L::entry("KELM_Camctl_BGR2RGB", bgr2rgb),
        L::entry("KELM_Camctl_StartPreview", m_startPreview),
        L::entry("KELM_Camctl_QueryFrame", m_queryFrame),
        L::entry("KELM_Camctl_StopPreview", m_stopPreview),
    };
    if (!library.load() || library.resolve(symbols) >= 0) {
        m_startPreview = nullptr;
        emit openFailed(tr("Can not load KELM_CamCtl.dll!"));
        return -1;
    }
    KELM_CamInit block{1, 0, 0};
    if (init(&block) != 1) {
        m_startPreview = nullptr;
        emit openFailed(tr("Failure to initialize library"));
        return -2;
    }
    KELM_CamDevice devices[KELM_CAMCTL_MAX_DEVICES];
    std::memset(devices, 0, sizeof devices);
    const int count = qMin(list(devices, KELM_CAMCTL_MAX_DEVICES), int(KELM_CAMCTL_MAX_DEVICES));
    static const uint16_t ids[KELM_CAMCTL_SUB_CAMERA_ID_COUNT][2] = KELM_CAMCTL_SUB_CAMERA_IDS;
    m_device = -1;
    for (int i = 0; i < count && m_device < 0; ++i)
        for (const auto& id : ids)
            if (devices[i].vendorId == id[0] && devices[i].productId == id[1])
                m_device = i;
    KELM_CamResolution records[64];
    std::memset(records, 0, sizeof records);
    if (m_device < 0 || resolutions(m_device, records, 64) < 1 || records[0].width <= 0 ||
        records[0].height <= 0) {
        m_startPreview = nullptr;
        emit openFailed(tr("Can not find vice camera"));
        return -2;
    }
    m_resolution = 0;
    m_frame = QImage(records[0].width, records[0].height, QImage::Format_RGB888);
    m_frame.fill(Qt::black);
    m_buffer.reset(new unsigned char[KELM_CAMCTL_FRAME_BUFFER_BYTES]);
    bgr2rgb(1);
    return 1;
}

int ViceCamera::open() {
    if (subRunning)
        return 1;
    if (!m_startPreview) {
        const int r = load();
        if (r < 1)
            return r;
    }
    if (m_startPreview(m_device, m_resolution) != 1) {
        emit openFailed(tr("Failure to start preview"));
        return -1;
    }
    m_label->show();
    m_timer->start(kPreviewMs);
    subRunning = true;
    return 1;
}

void ViceCamera::close() {
    if (!subRunning)
        return;
    m_timer->stop();
    m_label->hide();
    m_label->clear();
    m_stopPreview();
    subRunning = false;
}

void ViceCamera::preview() {
    if (!subRunning)
        return;
    int width = 0, height = 0, length = 0;
    const int r = m_queryFrame(m_buffer.get(), &width, &height, &length);
    if (r == KELM_CAMCTL_E_DEVICE_LOST || r == KELM_CAMCTL_E_NOT_RUNNING) {
        m_log->Write(3, "Vice Camera Lost!");
        qCDebug(lcDevice) << "Vice camera stopped delivering:" << r;
        close();
        emit lost();
        return;
    }
    // Only a complete frame of the expected size is taken; the library's rows are packed, the
    // image's are 4-byte aligned, so they are copied row by row.
    if (r != 1 || width != m_frame.width() || height != m_frame.height() ||
        qint64(length) != qint64(width) * height * 3)
        return;
    for (int y = 0; y < height; ++y)
        std::memcpy(m_frame.scanLine(y), m_buffer.get() + qint64(y) * width * 3, size_t(width) * 3);
    m_label->setPixmap(QPixmap::fromImage(
        m_frame.scaled(kPictureSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

QString ViceCamera::sidePath(const QString& fileName) {
    const QFileInfo info(fileName);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    const QString base = fileName.left(fileName.size() - suffix.size()) + "_vice";
    QString path = base + suffix;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + "_" + QString::number(n) + suffix;
    return path;
}

QPoint ViceCamera::cornerOrigin(int corner, QSize image, QSize picture) {
    const int right = image.width() - picture.width();
    const int bottom = image.height() - picture.height();
    switch (corner) {
        case RightUp:
            return QPoint(right, 0);
        case LeftDown:
            return QPoint(0, bottom);
        case RightDown:
            return QPoint(right, bottom);
        default:
            return QPoint(0, 0);
    }
}

QString ViceCamera::addToCapture(const QString& fileName, int corner) {
    if (!subRunning || m_frame.isNull())
        return QString();
    return mergeFlag ? merge(fileName, corner) : writeSide(fileName);
}

QString ViceCamera::writeSide(const QString& fileName) {
    const QString path = sidePath(fileName);
    QString error;
    if (!ImageFileWriter::write(m_frame, path, ImageFileWriter::encoderForSuffix(path),
                                m_settings->jpgRate, &error)) {
        m_log->Write(
            3, QStringLiteral("Fail to save sub camera picture %1: %2").arg(path, error).toUtf8());
        return QString();
    }
    return path;
}

QString ViceCamera::merge(const QString& fileName, int corner) {
    QImage image(fileName);
    if (image.isNull()) {
        m_log->Write(3, QStringLiteral("Fail to merge sub camera picture: cannot read %1")
                            .arg(fileName)
                            .toUtf8());
        return QString();
    }
    image = image.convertToFormat(QImage::Format_RGB888);
    if (image.width() < m_frame.width() || image.height() < m_frame.height())
        return QString();  // a capture smaller than the sub picture stays as it is
    const QPoint at = cornerOrigin(corner, image.size(), m_frame.size());
    qCDebug(lcDevice) << "x = " << at.x() * 3 << "y = " << at.y();
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at, m_frame);
    }
    // The merged picture replaces the capture only once it is completely written, at the
    // quality the user chose for the capture itself.
    QString error;
    if (!ImageFileWriter::write(image, fileName, ImageFileWriter::encoderForSuffix(fileName),
                                m_settings->jpgRate, &error)) {
        m_log->Write(3, QStringLiteral("Fail to merge sub camera picture into %1: %2")
                            .arg(fileName, error)
                            .toUtf8());
        return QString();
    }
    return fileName;
}
