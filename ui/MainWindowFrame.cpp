// The frameless window's own frame: title bar, centre widgets over the preview, main grid,
// maximise / minimise / fading close, About box and the language menu.
#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/StyleSheet.h"
#include "app/LogCategories.h"
#include "camera/CCameraPreview.h"
#include "camera/CViceCamPreview.h"
#include "ui/HelpTip.h"
#include "ui/NoticeBar.h"
#include "camera/DeviceController.h"
#include "camera/ViceCamera.h"
#include "modes/CPreConfigBar.h"
#include "ui/MainWindow.h"
#include "ui/SettingsPanel.h"

namespace {
QPushButton* titleButton(QWidget* parent, const char* objectName) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}
}  // namespace

void MainWindow::buildCentreWidgets() {
    m_cameraPreview = new CCameraPreview(centralWidget_);
    m_cameraPreview->setObjectName("pCCameraPreview");

    pBtn_TakePhoto = new QPushButton(centralWidget_);
    pBtn_TakePhoto->setObjectName("pBtn_TakePhoto");
    pBtn_TakePhoto->setToolTip(tr("Take photo (Space)"));
    pBtn_TakePhoto->setCursor(Qt::PointingHandCursor);
    pBtn_TakePhoto->setStyleSheet(LoadStyleSheet(":/Black_Center_Button.css"));

    pQlbl_Main = new QLabel(centralWidget_);
    pQlbl_Main->setObjectName("pQlbl_Main");
    pQlbl_Main->setAlignment(Qt::AlignCenter);
    pQlbl_Main->setStyleSheet(LoadStyleSheet("://Black_Center_LabelTip.css"));

    pQWid_PreviewButtons = new QWidget(centralWidget_);
    pQWid_PreviewButtons->setObjectName("pQWid_PreviewButtons");
    auto* previewButtons = new QVBoxLayout(pQWid_PreviewButtons);
    previewButtons->setContentsMargins(0, 0, 0, 0);
    Btn_Preview_TurnLeft = new QPushButton(pQWid_PreviewButtons);
    Btn_Preview_TurnLeft->setObjectName("Btn_Preview_TurnLeft");
    Btn_Preview_TurnLeft->setToolTip(tr("Turn left"));
    Btn_Preview_TurnRight = new QPushButton(pQWid_PreviewButtons);
    Btn_Preview_TurnRight->setObjectName("Btn_Preview_TurnRight");
    Btn_Preview_TurnRight->setToolTip(tr("Turn right"));
    Btn_Preview_StopAutoTake = new QPushButton(pQWid_PreviewButtons);
    Btn_Preview_StopAutoTake->setObjectName("Btn_Preview_StopAutoTake");
    Btn_Preview_StopAutoTake->setToolTip(tr("Stop timed capture"));
    Btn_Preview_StopAutoTake->hide();
    for (QPushButton* b : {Btn_Preview_TurnLeft, Btn_Preview_TurnRight, Btn_Preview_StopAutoTake}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        previewButtons->addWidget(b);
    }
    pQWid_PreviewButtons->setStyleSheet(LoadStyleSheet(":/Black_Center_Button.css"));
}

void MainWindow::buildTitleBar() {
    pQWidget_Title = new QWidget(centralWidget_);
    pQWidget_Title->setObjectName("pQWidget_Title");
    // A plain QWidget paints no style-sheet background unless asked to.
    pQWidget_Title->setAttribute(Qt::WA_StyledBackground, true);
    auto* box = new QHBoxLayout(pQWidget_Title);
    box->setContentsMargins(0, 0, 0, 0);

    auto* logo = new QLabel(pQWidget_Title);
    logo->setObjectName("pImg_SoftWare");
    logo->setPixmap(QPixmap(":/new/prefix1/Res/NOLP.png")
                        .scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    logo->setContentsMargins(6, 0, 2, 0);
    auto* name = new QLabel(pQWidget_Title);
    name->setObjectName("pLbl_SoftWareName_Title");
    name->setText(m_settings->productName);

    pBtn_Languages = titleButton(pQWidget_Title, "pBtn_Languages");
    pBtn_Languages->setToolTip(tr("Language"));
    pBtn_About = titleButton(pQWidget_Title, "pBtn_About");
    pBtn_About->setToolTip(tr("About"));
    pBtn_Min = titleButton(pQWidget_Title, "pBtn_Min");
    pBtn_Min->setToolTip(tr("Minimize"));
    pBtn_Max = titleButton(pQWidget_Title, "pBtn_Max");
    pBtn_Max->setToolTip(tr("Maximize"));
    pBtn_Close = titleButton(pQWidget_Title, "pBtn_Close");
    pBtn_Close->setToolTip(tr("Close"));

    box->addWidget(logo);
    box->addWidget(name);
    box->addSpacerItem(new QSpacerItem(25, 25, QSizePolicy::Expanding, QSizePolicy::Minimum));
    box->addWidget(pBtn_Languages);
    box->addWidget(pBtn_About);
    box->addWidget(pBtn_Min);
    box->addWidget(pBtn_Max);
    box->addWidget(pBtn_Close);

    pQWidget_Title->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    pQWidget_Title->setStyleSheet(LoadStyleSheet(":/Black_Title.css"));
    pQWidget_Title->installEventFilter(this);

    // The menu texts name each language in itself, so they are never translated.
    pQmenu_Languate = new QMenu(this);
    pQmenu_Languate->setObjectName("pQmenu_Languate");
    pQmenu_Languate->setStyleSheet(LoadStyleSheet(":/Black_Title.css"));
    for (const QString& value : Language::menuOrder())
        pQmenu_Languate->addAction(Language::menuTextFor(value))->setData(value);
}

void MainWindow::buildHelpTip() {
    pQWid_HelpTip = new QWidget(centralWidget_);
    pQWid_HelpTip->setObjectName("pQWid_HelpTip");
    // The tip lies over the live picture: a translucent caption keeps it readable on any page.
    pQWid_HelpTip->setAttribute(Qt::WA_StyledBackground, true);
    pQWid_HelpTip->setStyleSheet(
        "QWidget#pQWid_HelpTip{background-color: rgba(31, 36, 42, 190); border-top-right-radius: "
        "6px;}");
    auto* box = new QHBoxLayout(pQWid_HelpTip);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);

    pLbl_HelpTips = new QLabel(pQWid_HelpTip);
    pLbl_HelpTips->setObjectName("pLbl_HelpTips");
    pLbl_HelpTips->setText(
        tr("Please pay attention to the lighting environment, avoid overexposure and "
           "over-darkness"));
    pLbl_HelpTips->setToolTip(tr("Click Open Help Center for more information..."));
    // Links in a tip open in the desktop's browser directly; linkActivated stays for plain clicks.
    pLbl_HelpTips->setOpenExternalLinks(true);
    pLbl_HelpTips->setTextFormat(Qt::RichText);

    pLbl_HelpIcon = new QLabel(pQWid_HelpTip);
    pLbl_HelpIcon->setObjectName("pLbl_HelpIcon");
    pLbl_HelpIcon->setMargin(4);
    pLbl_HelpIcon->setPixmap(QPixmap(":/new/prefix1/Res/UI/help.png"));

    box->addWidget(pLbl_HelpTips);
    box->addWidget(pLbl_HelpIcon);
}

void MainWindow::buildScanModeBar() {
    m_preConfigBar = new CPreConfigBar(centralWidget_);
    m_preConfigBar->setObjectName("pCPreConfigBar");
    m_preConfigBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_preConfigBar->setAttribute(Qt::WA_StyledBackground, true);
    m_preConfigBar->setStyleSheet("QWidget#pCPreConfigBar{background:#262B30;}");
}

void MainWindow::buildSubCamera() {
    pCViceCamPreview = new CViceCamPreview(centralWidget_);
    pCViceCamPreview->setObjectName("pCViceCamPreview");
    if (!m_settings->subCamera.isEmpty())
        pCViceCamPreview->SetDeviceName(m_settings->subCamera);
    pLbl_ViceCamPicture = new QLabel(centralWidget_);
    pLbl_ViceCamPicture->setObjectName("pLbl_ViceCamPicture");
    pLbl_ViceCamPicture->hide();
}

void MainWindow::buildMainGrid() {
    pQGridLayout_Main = new QGridLayout(centralWidget_);
    pQGridLayout_Main->setObjectName("pQGridLayout_Main");
    pQGridLayout_Main->setSpacing(0);
    pQGridLayout_Main->setContentsMargins(1, 1, 1, 1);

    pQGridLayout_Main->addWidget(pQWidget_Title, 0, 0, 1, 2, Qt::AlignVCenter);
    pQGridLayout_Main->addWidget(m_preConfigBar, 1, 0);
    pQGridLayout_Main->addWidget(m_panel, 1, 1, 2, 1, Qt::AlignJustify);
    pQGridLayout_Main->addWidget(m_cameraPreview, 2, 0);
    pQGridLayout_Main->addWidget(pBtn_TakePhoto, 2, 0, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    pQGridLayout_Main->addWidget(pQlbl_Main, 2, 0, 1, 1, Qt::AlignCenter);
    pQGridLayout_Main->addWidget(pCViceCamPreview, 2, 0, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    pQGridLayout_Main->addWidget(pLbl_ViceCamPicture, 2, 0, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    pQGridLayout_Main->addWidget(pQWid_PreviewButtons, 2, 0, 1, 1,
                                 Qt::AlignRight | Qt::AlignHCenter | Qt::AlignVCenter);
    // The help tip lies on the preview's bottom-left corner, clear of the capture button.
    pQGridLayout_Main->addWidget(pQWid_HelpTip, 2, 0, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    // Notices sit at the top of the preview, clear of the page outline's usual place.
    m_notices = new NoticeBar(centralWidget_);
    pQGridLayout_Main->addWidget(m_notices, 2, 0, 1, 1, Qt::AlignHCenter | Qt::AlignTop);

    // Extra width goes to the preview; the settings zone keeps its own width.
    pQGridLayout_Main->setColumnStretch(0, 1);
    pQGridLayout_Main->setRowStretch(0, 1);
    pQGridLayout_Main->setRowStretch(1, 1);
    pQGridLayout_Main->setRowStretch(2, 20);
    pQGridLayout_Main->setRowMinimumHeight(0, 26);
    pQGridLayout_Main->setRowMinimumHeight(1, 100);
    pQGridLayout_Main->setRowMinimumHeight(2, 600);
}

void MainWindow::connectFrame() {
    connect(pBtn_Close, &QPushButton::clicked, this, &MainWindow::Handle_CloseApp);
    connect(pBtn_Max, &QPushButton::clicked, this, &MainWindow::Handle_Max);
    connect(pBtn_Min, &QPushButton::clicked, this, &MainWindow::Handle_Min);
    connect(pBtn_Languages, &QPushButton::clicked, this, &MainWindow::Handle_ShowLanguateChoose);
    connect(pBtn_About, &QPushButton::clicked, this, &MainWindow::Handle_OpenAboutBox);
    connect(pLbl_HelpTips, &QLabel::linkActivated, this, &MainWindow::Handle_OpenHelpUrl);
    connect(m_helpTip, &HelpTip::UpdateTip, this, &MainWindow::Handle_UpdateHelpTip);

    using LanguageSlot = void (MainWindow::*)();
    const QMap<QString, LanguageSlot> slotFor = {
        {"English", &MainWindow::Handle_ChangeLanguage_en_us},
        {"French", &MainWindow::Handle_ChangeLanguage_french},
        {"TrdChina", &MainWindow::Handle_ChangeLanguage_zh_trd},
        {"German", &MainWindow::Handle_ChangeLanguage_German},
        {"Spanish", &MainWindow::Handle_ChangeLanguage_Spanish},
        {"Italian", &MainWindow::Handle_ChangeLanguage_Italian},
        {"Japanese", &MainWindow::Handle_ChangeLanguage_Japanese},
        {"Russian", &MainWindow::Handle_ChangeLanguage_Russian},
        {"SChina", &MainWindow::Handle_ChangeLanguage_zh_cn}};
    for (QAction* action : pQmenu_Languate->actions()) {
        const LanguageSlot slot = slotFor.value(action->data().toString(), nullptr);
        if (slot)
            connect(action, &QAction::triggered, this, slot);
    }
}

void MainWindow::focusCaptureButton() {
    if (pBtn_TakePhoto)
        pBtn_TakePhoto->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Handle_CloseApp() {
    m_loadTimer->stop();
    stopSubCameras();
    m_device->shutdown();

    if (m_fadeOut)
        return;  // a second click while fading changes nothing
    m_fadeOut = new QPropertyAnimation(this, "windowOpacity", this);
    m_fadeOut->setDuration(300);
    m_fadeOut->setStartValue(1.0);
    m_fadeOut->setEndValue(0.0);
    connect(m_fadeOut, &QPropertyAnimation::finished, this, &QWidget::close);
    m_fadeOut->start();
}

void MainWindow::Handle_Max() {
    // windowState() may also carry Qt::WindowActive; only the size states count as "not normal".
    const Qt::WindowStates sizeStates =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & sizeStates) {
        setWindowState(Qt::WindowNoState);
        m_maximised = false;
    } else {
        setWindowState(Qt::WindowMaximized);
        m_maximised = true;
    }
    focusCaptureButton();
}

void MainWindow::Handle_Min() {
    setWindowState(Qt::WindowMinimized);
}

void MainWindow::Handle_ShowLanguateChoose() {
    const QRect frame = frameGeometry();
    pQmenu_Languate->exec(QPoint(frame.right() - 159, frame.top() + 30));
}

void MainWindow::Handle_OpenHelpUrl(QString Url) {
    QDesktopServices::openUrl(QUrl(Url));
    focusCaptureButton();
}

void MainWindow::Handle_UpdateHelpTip(QString tip) {
    pLbl_HelpTips->setText(tip);
}

void MainWindow::Handle_OpenAboutBox() {
    const QString text = tr("Name:") + m_settings->productName + "\n" + tr("Ver:") +
                         CommandLine::version() + "\n" + tr("Company:") +
                         tr("ZR Document Imaging") + "\n" +
                         tr("Copyright (C) ZR Document Imaging. All rights reserved.");
    QMessageBox::information(nullptr, tr("About"), text, QMessageBox::Ok);
}

void MainWindow::PlaySound() {
    QApplication::beep();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Installed on the title bar and on the image list: a double-click on either toggles the
    // maximised state, whichever of the two it is for.
    if (event->type() == QEvent::MouseButtonDblClick) {
        qCDebug(lcWindow) << "Mouse Button Click!";
        Handle_Max();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
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

void MainWindow::bringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}
