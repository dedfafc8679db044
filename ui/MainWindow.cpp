#include "ui/MainWindow.h"

#include <QApplication>
#include <QDebug>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AppSettings.h"
#include "app/StyleSheet.h"
#include "app/Log.h"
#include "modes/CPreConfigBar.h"
#include "ui/FirstPaintProbe.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowIcon(QIcon(":/new/prefix1/Res/NOLP.ico"));
    setupUi();

    // The window is shown at opacity 0 and fades in while it appears.
    m_fadeIn = new QPropertyAnimation(this, "windowOpacity", this);
    m_fadeIn->setDuration(400);
    m_fadeIn->setStartValue(0.0);
    m_fadeIn->setEndValue(1.0);
    m_fadeIn->start();

    // The log writer exists before the settings are read, so a failed read has a writer.
    m_log = new Log();
    m_settings = new AppSettings();
    if (m_settings->Load() < 0)
        m_log->Write(3, "Fail to Read Config File!");
    else
        m_log->Write(3, "Read Config File Success!");

    m_loadTimer = new QTimer(this);
    connect(m_loadTimer, &QTimer::timeout, this, &MainWindow::Handle_LoadTimerout);
    connect(new FirstPaintProbe(this), &FirstPaintProbe::painted, this,
            [this] { m_windowPainted = true; });

    // HELP TIPS: the help-tip provider is created here.

    buildRightSetZone();
    buildCentreWidgets();
    buildTitleBar();
    buildHelpTip();
    buildScanModeBar();
    buildSubCamera();
    buildMainGrid();
    // Set last: changing the flags of a top-level widget re-creates its native window.
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    m_log->Write(3, "Layout Init Success");

    applyStyle();
    m_log->Write(3, "Set Style");

    placeWindow();
    m_log->Write(3, "Set Position");

    // 0 ms: runs as soon as the event loop runs, i.e. once the window has been shown, so the
    // slow start-up steps (cameras, libraries) never delay the first paint.
    m_loadTimer->start(0);
}

MainWindow::~MainWindow() {
    releaseCamera();  // camera/MainWindowDevice.cpp
    // Tearing down the children moves the focus and fires signals such as editingFinished;
    // none of them may reach a slot once the record below is gone, and nothing is saved at exit.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    delete m_settings;
    delete m_log;
}

void MainWindow::setupUi() {
    setObjectName("MainWindow");
    resize(1100, 700);
    setMinimumSize(1100, 700);
    setWindowOpacity(0.0);
    centralWidget_ = new QWidget(this);
    centralWidget_->setObjectName("centralWidget");
    setCentralWidget(centralWidget_);
    setWindowTitle(tr("ZR Miravelo"));
    QMetaObject::connectSlotsByName(this);
}

void MainWindow::applyStyle() {
    // A missing sheet leaves the default style; the window stays fully usable.
    ApplyApplicationStyleSheet();
}

void MainWindow::placeWindow() {
    if (!m_settings->isFirstStart) {
        setWindowState(Qt::WindowMaximized);
        m_maximised = true;
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, width(), height());
    move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);
    m_maximised = false;
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

    // CAMERA: create the camera interface, the preview frame timer, the 500 ms tick timer and the
    // window's image-processing object, and load the camera and document libraries here.
    loadCameraComponents();

    // Filled before any connection exists, so filling runs no slot and writes nothing.
    fillSettingsPanel();

    connectFrame();
    connectSettingsPanel();
    // CAMERA: device, resolution, open, slider, focus and reset connections; frame and tick timer.
    connectDeviceControl();
    // CAPTURE: capture button, OnTakePhoto, Signal_GotTakePhoto, scan-mode bar signals, timed
    // capture timer, the three preview buttons.
    connectCapture();
    // LIST: image list double-click and context menu, list action buttons.
    connectImageList();

    announceSettings();

    // CAMERA: initialise the camera library (InitCamera) when the camera interface exists.
    initCameraLibrary();
    // LIST: build the image-list context menu.
    buildImageListMenu();

    m_loadTimer->stop();

    // HELP TIPS: first-start navigation dialog, then the help-tip rotation timer.
    // CAMERA: device search, then start the 500 ms tick timer.
    searchDevices();
    m_tickTimer->start(500);
}
