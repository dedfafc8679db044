#include "camera/CViceCamPreview.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QStyleOption>
#include <QThread>
#include <QTimer>

#include <memory>

#include "app/Log.h"
#include "camera/CCameraInterface.h"
#include "camera/FaceComparisonWorker.h"

namespace {

constexpr int kTickMs = 500;
// A comparison on one tick in ten: every five seconds.
constexpr int kTicksPerComparison = 10;
constexpr double kAcceptScore = 0.73;

}  // namespace

CViceCamPreview::CViceCamPreview(QWidget* parent) : QWidget(parent), m_log(new Log()) {
    setObjectName(QStringLiteral("ViceCamPreview"));
    hide();
    QFile sheet(QStringLiteral(":/Black_ViceWidget.css"));
    if (sheet.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(sheet.readAll()));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    pQlbl_Main = new QLabel(tr("Open..."), this);
    pQlbl_Main->setObjectName(QStringLiteral("pQlbl_Main"));
    pQlbl_Main->setAlignment(Qt::AlignCenter);
    pQlbl_Main->setMinimumSize(280, 260);
    pQlbl_tip = new QLabel(tr("Loading..."), this);
    pQlbl_tip->setObjectName(QStringLiteral("pQlbl_tip"));
    pQlbl_tip->setFont(QFont(QStringLiteral("Microsoft YaHei")));
    pQlbl_tip->setAlignment(Qt::AlignCenter);
    pQlbl_tip->setStyleSheet(QStringLiteral("color:white;font-size:18px;"));
    pQlbl_tip->setMinimumSize(280, 20);
    grid->addWidget(pQlbl_Main, 0, 0);
    grid->addWidget(pQlbl_tip, 1, 0);
    grid->setRowStretch(0, 5);
    grid->setRowStretch(1, 1);
    setMinimumSize(280, 280);

    qRegisterMetaType<FaceLibrary>();
    m_thread = new QThread(this);
    m_worker = new FaceComparisonWorker();
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(this, &CViceCamPreview::comparisonRequested, m_worker, &FaceComparisonWorker::compare);
    connect(m_worker, &FaceComparisonWorker::compared, this, &CViceCamPreview::takeResult);
    m_thread->start();
}

CViceCamPreview::~CViceCamPreview() {
    StopComparison();
    // A comparison in flight finishes first; its result is no longer delivered.
    m_thread->quit();
    m_thread->wait();
}

void CViceCamPreview::paintEvent(QPaintEvent*) {
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CViceCamPreview::SetDeviceName(const QString& name) {
    m_deviceName = name;
}

void CViceCamPreview::SetMainCameraName(const QString& name) {
    m_mainCameraName = name;
}

void CViceCamPreview::SetMainCamera(CCameraInterface* camera) {
    if (camera)
        m_mainCamera = camera;
}

QString CViceCamPreview::tipText() const {
    return pQlbl_tip->text();
}

double CViceCamPreview::scoreFor(double similarity) {
    return (2.0 - similarity) * similarity;
}

void CViceCamPreview::showTip(const QString& text) {
    pQlbl_tip->setText(text);
}

void CViceCamPreview::fail(const QString& tip, const char* logLine) {
    showTip(tip);
    m_log->Write(3, logLine);
}

int CViceCamPreview::loadComponents() {
    m_faceLibrary = std::make_unique<FaceLibrary>();
    const int loaded = m_faceLibrary->Load();
    if (loaded < 1) {
        fail(tr("error 01"), "Face Compent Error!");
        return loaded;
    }
    showTip(tr("Loading..."));
    m_faceCamera = std::make_unique<CCameraInterface>();
    if (!m_timer)
        m_timer = new QTimer(this);
    const int library = m_faceCamera->LoadCameraLibrary(true);
    if (library < 1) {
        fail(tr("error 02"), "Vice Camera Compent Error!");
        return library;
    }
    const int r = m_faceCamera->InitCamera();
    if (r < 1)
        fail(tr("error 04"), "Vice Camera Init Error");
    else
        showTip(tr("error 03"));  // kept until the face camera runs
    return r;
}

int CViceCamPreview::openFaceCamera() {
    if (!m_faceCamera)
        return -11;
    std::unique_ptr<QStringList> names(m_faceCamera->GetDeviceList());
    if (names->isEmpty())
        return -12;
    int device = names->size() - 1;
    for (int i = 0; i < names->size(); ++i)
        if (names->at(i).compare(m_deviceName, Qt::CaseInsensitive) == 0) {
            device = i;
            break;
        }
    // The document camera is not the face camera.
    if (device == names->size() - 1 && !m_mainCameraName.isEmpty() &&
        names->at(device) == m_mainCameraName) {
        if (names->size() == 1)
            return -12;
        device = names->size() - 2;
    }
    std::unique_ptr<QStringList> sizes(m_faceCamera->GetResolutionList(device));
    if (sizes->isEmpty())
        return -13;
    std::unique_ptr<QStringList> formats(m_faceCamera->GetFormatList());
    return m_faceCamera->StartPreview(device, m_width, m_height, KELM_CAMCTL_FORMAT_MJPG);
}

void CViceCamPreview::StartComparison() {
    if (m_comparing)
        return;
    const int loaded = loadComponents();
    m_bestScore = 0.0;
    if (loaded <= 0)
        return;
    connect(m_timer, &QTimer::timeout, this, &CViceCamPreview::TimerTicket, Qt::UniqueConnection);
    const int r = openFaceCamera();
    if (r > 0) {
        m_comparing = true;
        ++m_run;
        m_busy = false;
        m_tickCount = 0;
        m_timer->start(kTickMs);
        showTip(m_deviceName);
        return;
    }
    m_comparing = false;
    if (r == -11)
        fail(tr("ERROR 05"), "Compent Error");
    else if (r == -12)
        fail(tr("No Available Device"), "Vice Camera: No Available Device");
    else if (r == -13)
        fail(tr("No Available Resolution!"), "Vice Camera:No Available Resolution!");
}

void CViceCamPreview::StopComparison() {
    m_bestScore = 0.0;
    m_comparing = false;
    ++m_run;
    m_busy = false;
    if (m_timer) {
        m_timer->stop();
        disconnect(m_timer, nullptr, this, nullptr);
        delete m_timer;
        m_timer = nullptr;
    }
    if (m_faceCamera && m_faceCamera->previewRunning)
        m_faceCamera->StopPreview();
    m_faceCamera.reset();
    m_faceLibrary.reset();
}

void CViceCamPreview::TimerTicket() {
    if (!m_comparing || !m_faceCamera)
        return;
    const QImage* frame = m_faceCamera->QueryFrame();
    if (!frame)
        return;
    const QPixmap picture =
        QPixmap::fromImage(frame->scaled(280, 260, Qt::KeepAspectRatio, Qt::FastTransformation));
    if (picture.isNull())
        return;
    pQlbl_Main->setPixmap(picture);
    if (++m_tickCount < kTicksPerComparison)
        return;
    m_tickCount = 0;
    compareNow(*frame);
}

void CViceCamPreview::compareNow(const QImage& face) {
    if (!m_mainCamera) {
        fail(tr("Main camera error"), "Main Camera Error!");
        return;
    }
    if (!m_mainCamera->previewRunning) {
        fail(tr("Main Camera is not running"), "Main Camera is not running!");
        return;
    }
    if (!m_faceLibrary || !m_faceLibrary->loaded()) {
        fail(tr("error"), "Compent Error!");
        return;
    }
    // The document camera's newest frame, as the preview last showed it: decoding a fresh one
    // here would stall the window for a full-size decode. Both frames go to the comparison
    // thread as they are: their pixels are never written again while an image holds them, so
    // nothing is copied here, and any conversion happens over there.
    const QImage main = m_mainCamera->LatestFrame();
    if (main.isNull() || m_busy)
        return;
    m_busy = true;
    emit comparisonRequested(m_run, *m_faceLibrary, face, main);
}

void CViceCamPreview::takeResult(quint64 run, double similarity, QImage face) {
    if (run != m_run)
        return;
    m_busy = false;
    if (similarity <= 0.0) {
        showTip(tr("No face"));
        return;
    }
    const double score = scoreFor(similarity);
    if (score > kAcceptScore && score > m_bestScore) {
        m_bestScore = score;
        emit Signal_UpdateOKFaceImage(face);
    }
    showTip(tr("Result:") + QString::number(score * 100.0, 'f', 2));
}

void CViceCamPreview::GotMainIDImage(QImage) {}
