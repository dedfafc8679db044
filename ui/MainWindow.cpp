#include "ui/MainWindow.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QIcon>
#include <QListView>
#include <QMap>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTimer>

#include "app/AppSettings.h"
#include "app/Log.h"
#include "app/StyleSheet.h"
#include "camera/CCameraPreview.h"
#include "camera/CViceCamPreview.h"
#include "camera/CaptureController.h"
#include "camera/DeviceController.h"
#include "camera/ViceCamera.h"
#include "modes/CPreConfigBar.h"
#include "output/ImageListPanel.h"
#include "output/OutputPipeline.h"
#include "camera/CameraPage.h"
#include "ui/CaptureKeyFilter.h"
#include "ui/Dialog_Navigate.h"
#include "ui/FirstPaintProbe.h"
#include "ui/HelpTip.h"
#include "ui/ImageSetPage.h"
#include "ui/NoticeBar.h"
#include "ui/SettingsPanel.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowIcon(QIcon(":/new/prefix1/Res/NOLP.ico"));
    setObjectName("MainWindow");
    resize(1100, 700);
    setMinimumSize(1100, 700);
    setWindowOpacity(0.0);
    centralWidget_ = new QWidget(this);
    centralWidget_->setObjectName("centralWidget");
    setCentralWidget(centralWidget_);
    setWindowTitle(tr("ZR Miravelo"));

    // The window is shown at opacity 0 and fades in while it appears.
    m_fadeIn = new QPropertyAnimation(this, "windowOpacity", this);
    m_fadeIn->setDuration(400);
    m_fadeIn->setStartValue(0.0);
    m_fadeIn->setEndValue(1.0);
    m_fadeIn->start();

    // The log writer exists before the settings are read, so a failed read has a writer.
    m_log = new Log();
    m_settings = new AppSettings();
    m_log->Write(
        3, m_settings->Load() < 0 ? "Fail to Read Config File!" : "Read Config File Success!");

    m_helpTip = new HelpTip(this);
    m_loadTimer = new QTimer(this);
    connect(m_loadTimer, &QTimer::timeout, this, &MainWindow::Handle_LoadTimerout);
    connect(new FirstPaintProbe(this), &FirstPaintProbe::painted, this,
            [this] { m_windowPainted = true; });

    m_panel = new SettingsPanel(m_settings, m_log, centralWidget_);
    buildCentreWidgets();
    buildTitleBar();
    buildHelpTip();
    buildScanModeBar();
    buildSubCamera();
    buildMainGrid();
    createComponents();
    new CaptureKeyFilter(this, [this] { captureKeyPressed(); });
    // Set last: changing the flags of a top-level widget re-creates its native window.
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    m_log->Write(3, "Layout Init Success");

    // A missing sheet leaves the default style; the window stays fully usable.
    ApplyApplicationStyleSheet();
    m_log->Write(3, "Set Style");

    placeWindow();
    m_log->Write(3, "Set Position");

    // 0 ms: runs as soon as the event loop runs, i.e. once the window has been shown, so the
    // slow start-up steps (cameras, libraries) never delay the first paint.
    m_loadTimer->start(0);
}

MainWindow::~MainWindow() {
    stopSubCameras();
    m_device->shutdown();
    // Tearing down the children moves the focus and fires signals such as editingFinished;
    // none of them may reach a slot once the record below is gone, and nothing is saved at exit.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    delete m_device;
    m_device = nullptr;
    // The scan-mode bar finishes its pending saves before the record they read goes away.
    delete m_preConfigBar;
    delete m_settings;
    delete m_log;
}

void MainWindow::createComponents() {
    m_device =
        new DeviceController(m_settings, m_log, m_panel->cameraPage(), m_cameraPreview, this);
    m_captures =
        new CaptureController(m_device, m_panel->cameraPage(),
                              {pBtn_TakePhoto, pQlbl_Main, Btn_Preview_StopAutoTake}, this);
    m_viceCamera = new ViceCamera(m_settings, m_log, pLbl_ViceCamPicture, this);
    connect(m_panel->cameraPage(), &CameraPage::subCameraClicked, this,
            &MainWindow::slotCtrlViceCam);
    connect(m_panel->cameraPage(), &CameraPage::mergeSubCameraClicked, this,
            &MainWindow::setMergeFlag);
    // Runs before the image list's receiver, so the list shows the merged picture.
    connect(m_preConfigBar, &CPreConfigBar::Signal_SaveImageToDisk, this, &MainWindow::mergeImg);
}

// Runs once, from the 0 ms start-up timer, after the window is on screen.
void MainWindow::Handle_LoadTimerout() {
    // The timer can fire before the window system has asked for the first paint; the camera steps
    // below take a noticeable moment, so a shown window paints once before they run. A window
    // that is not painted soon (hidden, minimised, a busy display) does not hold them back.
    if (!m_windowPainted && isVisible() && m_loadWaits < kMaxLoadWaits) {
        ++m_loadWaits;
        m_loadTimer->setInterval(kLoadWaitMs);
        return;
    }
    m_loadTimer->stop();
    if (!m_device->loadComponents())
        showComponentNotice();

    // Filled before any connection exists, so filling runs no slot and writes nothing.
    m_panel->imageSetPage()->fill();
    m_panel->imageList()->showBaseDir();

    connectFrame();
    m_panel->imageSetPage()->connectControls();
    connectComponents();
    connectCaptureFlow();
    connectNotices();
    connectSubCameras();
    announceSettings();
    // A stored folder that cannot take files is said at once, not at the first capture.
    m_preConfigBar->Output()->outputDirectory();

    m_device->initLibrary();
    m_panel->imageList()->buildMenu();
    showFirstStartTour();
    m_helpTip->start();
    m_device->searchDevices();
    m_device->startTicking();
}

void MainWindow::showFirstStartTour() {
    qDebug() << "Navigate_Dialog_Show";
    if (!m_settings->isFirstStart)
        return;
    // Saved before the tour appears, so that a run that ends during the tour does not show it
    // again next time.
    m_settings->isFirstStart = false;
    m_settings->Save();
    m_tour = new Dialog_Navigate(this);
    m_tour->show();
    m_tour->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showComponentNotice() {
    // Window-modal and not waited for: the start-up carries on behind the box, so the window is
    // complete (and usable without a camera) when the user reads it.
    auto* box =
        new QMessageBox(QMessageBox::Information, tr("Notice"),
                        tr("Unable to load camera related components. Please close this software."),
                        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::connectComponents() {
    CameraPage* camera = m_panel->cameraPage();
    connect(camera, &CameraPage::deviceChosen, this, &MainWindow::DeviceSelectChanged);
    connect(camera, &CameraPage::resolutionChosen, this, &MainWindow::ResolutionSelectChanged);
    connect(camera, &CameraPage::openClicked, this, &MainWindow::Qbtn_Opendevice_Clicked);
    connect(camera, &CameraPage::pictureChanged, m_device, &DeviceController::setPicture);
    connect(camera, &CameraPage::resetClicked, this, &MainWindow::Handle_VideoParaReset);
    connect(camera, &CameraPage::focusClicked, this, &MainWindow::Handle_VideoParaFouce);
    connect(m_device, &DeviceController::ticked, this, [this](int count) {
        pLbl_HelpIcon->setPixmap(QPixmap(count % 2 == 0 ? ":/new/prefix1/Res/UI/help_on.png"
                                                        : ":/new/prefix1/Res/UI/help.png"));
    });
    connect(m_device, &DeviceController::originalSizeChanged, m_preConfigBar,
            &CPreConfigBar::SetOriginalCaptureSize);
    connect(m_device, &DeviceController::cameraNotice, this, [this](const QString& text, int ms) {
        if (ms > 0)
            m_notices->showNotice(text, ms);
        else
            m_notices->showPersistent(text);
    });
    connect(m_device, &DeviceController::cameraStatus, m_notices, &NoticeBar::setStanding);
    // Only the camera's own notice goes: a newer one (a failed save, say) stays.
    connect(m_device, &DeviceController::cameraNoticeDone, this, [this](const QString& text) {
        if (m_notices->text() == text)
            m_notices->hideNotice();
    });
    connect(m_device, &DeviceController::noDeviceFound, this,
            [this] { m_helpTip->setContext(HelpTip::NoCamera); });

    connect(m_panel->imageSetPage(), &ImageSetPage::settingsChanged, this,
            &MainWindow::announceSettings);
    ImageListPanel* list = m_panel->imageList();
    connect(list, &ImageListPanel::baseDirChanged, this, &MainWindow::announceSettings);
    connect(list, &ImageListPanel::actionDone, this, &MainWindow::focusCaptureButton);
    list->view()->installEventFilter(this);
    connect(list->view(), &QListView::customContextMenuRequested, this,
            &MainWindow::Handle_Right_Zoom_Show_menu);
}

void MainWindow::connectCaptureFlow() {
    connect(m_preConfigBar, &CPreConfigBar::originImgWidgetCliked, m_cameraPreview,
            &CCameraPreview::originImgModeSlot);
    connect(m_preConfigBar, &CPreConfigBar::notOriginImgModeSignal, m_cameraPreview,
            &CCameraPreview::notOriginImgModeSlot);
    connect(m_device, &DeviceController::captured, this, &MainWindow::Handle_GotTakePhoto);
    // The preview follows the mode first, then the window.
    connect(m_preConfigBar, &CPreConfigBar::Signal_ControlChanged, m_cameraPreview,
            &CCameraPreview::UpdateCurrentControlMode);
    connect(m_preConfigBar, &CPreConfigBar::Signal_ControlChanged, this,
            &MainWindow::Handle_CurrentControlModeChanged);
    connect(this, &MainWindow::Signal_GotTakePhoto, m_preConfigBar,
            &CPreConfigBar::HandleTakePhoto);
    connect(m_preConfigBar, &CPreConfigBar::Signal_SaveImageToDisk, this,
            &MainWindow::TakePhotoFinish);
    connect(pBtn_TakePhoto, &QPushButton::clicked, this, &MainWindow::Qbtn_TakePhoto_Clicked);
    connect(Btn_Preview_TurnRight, &QPushButton::clicked, this,
            &MainWindow::Handle_Doc_Preview_TurnRight);
    connect(Btn_Preview_TurnLeft, &QPushButton::clicked, this,
            &MainWindow::Handle_Doc_Preview_TurnLeft);
    connect(Btn_Preview_StopAutoTake, &QPushButton::clicked, this,
            &MainWindow::Handle_StopTakePhotoOnTimer);
}

// What went wrong on the way to a file is told over the preview, never in a box: scanning goes on.
void MainWindow::connectNotices() {
    OutputPipeline* output = m_preConfigBar->Output();
    connect(output, &OutputPipeline::saveFailed, this,
            [this](const QString& path, const QString& reason) {
                m_notices->showNotice(
                    tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), reason));
            });
    connect(output, &OutputPipeline::outputDirectoryReplaced, this,
            [this](const QString& stored, const QString& used) {
                m_notices->showNotice(
                    tr("Output folder %1 cannot be used; saving to %2 for now")
                        .arg(QDir::toNativeSeparators(stored), QDir::toNativeSeparators(used)));
            });
    connect(output, &OutputPipeline::outputDirectoryRestored, this, [this](const QString& dir) {
        m_notices->showNotice(tr("Saving to %1 again").arg(QDir::toNativeSeparators(dir)));
    });
    connect(output, &OutputPipeline::noPageFound, this,
            [this] { m_notices->showNotice(tr("No page found — nothing saved")); });
    connect(m_captures, &CaptureController::captureRefused, this,
            [this](const QString& why) { m_notices->showNotice(why); });
    connect(m_device, &DeviceController::capturesDropped, this, [this](int count) {
        m_notices->showNotice(tr("%n captures not taken: the camera stopped", "", count));
    });
    connect(m_panel->imageList(), &ImageListPanel::ocrFailed, this,
            [this](const QString& text) { m_notices->showNotice(text); });
    connect(m_panel->imageList(), &ImageListPanel::filesTrashed, this,
            &MainWindow::showFilesTrashed);
}

void MainWindow::showFilesTrashed(const QList<FileTrash::Entry>& moved, const QStringList& failed) {
    QStringList parts;
    if (!moved.isEmpty())
        parts << tr("%n files moved to trash", "", moved.size());
    if (!failed.isEmpty())
        parts << tr("could not move %1 to trash").arg(QDir::toNativeSeparators(failed.first()));
    const QString text = parts.join(QStringLiteral(" — "));
    if (moved.isEmpty()) {
        m_notices->showNotice(text);
        return;
    }
    ImageListPanel* list = m_panel->imageList();
    m_notices->showNotice(text, kUndoMs, tr("Undo"), [this, list, moved] {
        const QStringList stayed = list->restoreFromTrash(moved);
        if (!stayed.isEmpty())
            m_notices->showNotice(tr("Could not restore %1 from the trash")
                                      .arg(QDir::toNativeSeparators(stayed.first())));
    });
}

void MainWindow::announceSettings() {
    m_preConfigBar->SetSettings(m_settings);
}

void MainWindow::Handle_GotTakePhoto(QImage img) {
    emit Signal_GotTakePhoto(img);
    m_captures->captureDelivered();
}

void MainWindow::Handle_CurrentControlModeChanged(ControlMode m) {
    focusCaptureButton();
    if (m >= ResidenceMode)
        return;
    static const QMap<ControlMode, int> contextOf = {{DocMode, HelpTip::Document},
                                                     {IDMode, HelpTip::IdCard},
                                                     {SheetMode, HelpTip::Sheet},
                                                     {BookMode, HelpTip::Book}};
    m_helpTip->setContext(contextOf.value(m, HelpTip::General));
    Btn_Preview_TurnLeft->setVisible(m == DocMode);
    Btn_Preview_TurnRight->setVisible(m == DocMode);
    m_device->applyModeParameters(m);
}

void MainWindow::setPreviewTurn(int turn) {
    m_previewTurn = (turn % 4 + 4) % 4;
    m_cameraPreview->rotation = m_previewTurn;
    // The rotation box stores the document rotation.
    m_panel->imageSetPage()->setRotationIndex(m_previewTurn);
}

void MainWindow::TakePhotoFinish(QString path) {
    QApplication::beep();
    m_captures->fileSaved(path, this);
    focusCaptureButton();
    m_panel->imageList()->addFile(path);
    m_panel->showTab(SettingsPanel::ImageListTab);
}
