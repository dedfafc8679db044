#pragma once

#include <QImage>
#include <QMainWindow>
#include <QModelIndex>
#include <QPoint>
#include <QString>

#include "modes/ControlMode.h"
#include "output/FileTrash.h"

class AppSettings;
class CCameraPreview;
class CPreConfigBar;
class CViceCamPreview;
class CaptureController;
class DeviceController;
class Dialog_Navigate;
class HelpTip;
class Log;
class QGridLayout;
class QLabel;
class QMenu;
class QPropertyAnimation;
class QPushButton;
class QStringList;
class QTimer;
class QWidget;
class SettingsPanel;
class ViceCamera;

// The one top-level window. It owns the settings record and the log writer, composes the
// components (settings panel, device and capture controllers, live preview, scan-mode bar) and
// wires them; each component owns its own state. The named slots below are the window's public
// face and forward to the component that does the work.
//
//   ui/MainWindow.cpp          construction, start-up, wiring, capture hand-off
//   ui/MainWindowFrame.cpp     frameless title bar, centre widgets, grid, maximise, close, About
//   ui/MainWindowInput.cpp     keys, mouse (window drag, capture gesture), list menu
//   ui/MainWindowLanguage.cpp  the nine language slots
//   ui/MainWindowForwards.cpp  the settings, device and list slots handed to their components
class NoticeBar;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    AppSettings* settings() const { return m_settings; }
    DeviceController* device() const { return m_device; }
    CaptureController* captures() const { return m_captures; }
    CPreConfigBar* scanModeBar() const { return m_preConfigBar; }
    ViceCamera* subCamera() const { return m_viceCamera; }
    CViceCamPreview* faceComparison() const { return pCViceCamPreview; }

    // Shows the window in front, also when it was minimised (a second start asked for it).
    void bringToFront();

    // The hints under the preview; the face comparison switches their context too.
    HelpTip* helpTip() const { return m_helpTip; }
    // The first-start tour, or null when this run did not show it.
    Dialog_Navigate* tour() const { return m_tour; }

signals:
    // Capture hand-off to the scan-mode bar.
    void Signal_GotTakePhoto(QImage img);
    // A language change is about to start the next instance of the program.
    void restarting();

public slots:
    // ===================================================================== start-up
    void Handle_LoadTimerout();

    // ===================================================== settings: image output
    void Handle_DocModeRotateAngleChange(int index);
    void Handle_ImageTypeChanged(int index);
    void Handle_ImageNamedTypeChanged(int index);
    void Handle_ImageNamePreChanged();
    void Handle_JPGComPressRateChanged(int value);

    // ========================================================== settings: watermark
    void Handle_WaterMarkType_None(bool checked);
    void Handle_WaterMarkType_Text(bool checked);
    void Handle_WaterMarkType_DateTime(bool checked);
    void Handle_WaterMarkType_Img(bool checked);
    void Handle_WaterMarkContentEditFinshed();
    void Handle_WaterMarkPositionChange(int index);
    void Handle_WaterMarkColorSelect();
    void Handle_WaterMarkOpacityChanged(int value);
    void Handle_WaterSizeHeightChanged(int value);
    void Handle_WaterSizeWidgetChanged(int value);
    void Handle_WaterMarkImgPathChanged();
    void Handle_WaterMarkImgPathSelected();
    void Handle_WaterMarkFontSizeChanged(int value);

    // ====================================================== settings: output folder
    void Handle_OpenBaseDir();
    void Handle_SelectBaseDir();

    // ================================================================ frame, title bar
    void Handle_CloseApp();
    void Handle_Max();
    void Handle_Min();
    void Handle_ShowLanguateChoose();
    void Handle_OpenHelpUrl(QString Url);
    void Handle_UpdateHelpTip(QString tip);
    void Handle_OpenAboutBox();
    void PlaySound();

    // ====================================================================== language
    void Handle_ChangeLanguage_en_us();
    void Handle_ChangeLanguage_french();
    void Handle_ChangeLanguage_zh_trd();
    void Handle_ChangeLanguage_German();
    void Handle_ChangeLanguage_Spanish();
    void Handle_ChangeLanguage_Italian();
    void Handle_ChangeLanguage_Japanese();
    void Handle_ChangeLanguage_Russian();
    void Handle_ChangeLanguage_zh_cn();

    // ================================================================ device control
    void DeviceSelectChanged(int index);
    void ResolutionSelectChanged(int index);
    void Qbtn_Opendevice_Clicked();
    void GetFrameBuffer();
    void Handle_Timer_1000_Timeout();
    void SetBrightnessValue(int value);
    void SetContrastValue(int value);
    void SetSaturationValue(int value);
    void Handle_CameraParaChangedManual(int value);
    void Handle_VideoParaReset();
    void Handle_VideoParaFouce();

    // ============================================================== capture triggers
    void Qbtn_TakePhoto_Clicked();
    void Handle_GotTakePhoto(QImage img);
    void Handle_Timer_TakePhoto_Timeout();
    void Handle_StopTakePhotoOnTimer();
    void Handle_CurrentControlModeChanged(ControlMode m);
    void Handle_Doc_Preview_TurnLeft();
    void Handle_Doc_Preview_TurnRight();

    // ======================================================= sub camera, face comparison
    void slotCtrlViceCam(bool on);
    void slotPreview_vice();
    void setMergeFlag(bool on);
    void mergeImg(QString fileName);
    void OpenViceCamera(bool on);

    // ==================================================================== image list
    void TakePhotoFinish(QString path);
    void Handle_DoubleClickImageItem(const QModelIndex& item);
    void Handle_SelectAllImageItems();
    void Handle_UnSelectAllImageItems();
    void Handle_DeleteSelectedImageItems();
    void Handle_Right_Zoom_Show_menu(QPoint pos);

    // ================================================================== list actions
    void Handle_SelectedImageItemsCopy();
    void Handle_SelectedImageItemsPrint();
    void Handle_SelectedImageItemsToPdf();
    void Handle_SelectedImageItemsToWord();
    void Handle_SelectedImageItemsToOcr();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Construction (MainWindowFrame.cpp).
    void buildCentreWidgets();
    void buildTitleBar();
    void buildHelpTip();
    void buildScanModeBar();
    void buildSubCamera();
    void buildMainGrid();
    void placeWindow();
    void connectFrame();
    // Start-up and wiring (MainWindow.cpp).
    void createComponents();
    void showComponentNotice();
    void showFirstStartTour();
    void connectComponents();
    void connectCaptureFlow();
    void connectNotices();
    // A delete from the image list, with an Undo while the notice shows.
    void showFilesTrashed(const QList<FileTrash::Entry>& moved, const QStringList& failed);
    static constexpr int kUndoMs = 8000;
    void connectSubCameras();
    // Both extra cameras stop before the main camera does (close, language change, exit).
    void stopSubCameras();
    void announceSettings();
    // Quarter turns of the document preview (0..3), starting at 0 on every run.
    void setPreviewTurn(int turn);
    void changeLanguage(const QString& storedValue);
    // Returns the keyboard focus to the capture button, so Space keeps capturing.
    void focusCaptureButton();
    // Space or keypad Enter, wherever the focus is but in a text field.
    void captureKeyPressed();
    // The non-blocking notice over the preview; parts report by signals and the window shows them.
    NoticeBar* notices() const { return m_notices; }
    // Opens the list menu when the pointer is over the image list tab; true when it opened.
    bool showImageListMenu(const QPoint& windowPos, const QPoint& globalPos);

    // ===================================================================== owned state
    AppSettings* m_settings = nullptr;
    Log* m_log = nullptr;
    QTimer* m_loadTimer = nullptr;
    QPropertyAnimation* m_fadeIn = nullptr;
    QPropertyAnimation* m_fadeOut = nullptr;
    // Start-up steps wait for the first paint, at most kMaxLoadWaits x kLoadWaitMs.
    static constexpr int kLoadWaitMs = 5;
    static constexpr int kMaxLoadWaits = 100;
    bool m_windowPainted = false;
    int m_loadWaits = 0;
    bool m_dragging = false;
    QPoint m_dragOffset;
    bool m_maximised = false;
    int m_previewTurn = 0;

    // ====================================================================== components
    SettingsPanel* m_panel = nullptr;
    CCameraPreview* m_cameraPreview = nullptr;
    CPreConfigBar* m_preConfigBar = nullptr;
    DeviceController* m_device = nullptr;
    CaptureController* m_captures = nullptr;
    ViceCamera* m_viceCamera = nullptr;
    NoticeBar* m_notices = nullptr;
    HelpTip* m_helpTip = nullptr;
    Dialog_Navigate* m_tour = nullptr;

    // ================================================================== frame widgets
    QWidget* centralWidget_ = nullptr;
    QGridLayout* pQGridLayout_Main = nullptr;
    QWidget* pQWidget_Title = nullptr;
    QPushButton* pBtn_Languages = nullptr;
    QPushButton* pBtn_About = nullptr;
    QPushButton* pBtn_Min = nullptr;
    QPushButton* pBtn_Max = nullptr;
    QPushButton* pBtn_Close = nullptr;
    QMenu* pQmenu_Languate = nullptr;
    QWidget* pQWid_HelpTip = nullptr;
    QLabel* pLbl_HelpTips = nullptr;
    QLabel* pLbl_HelpIcon = nullptr;
    QPushButton* pBtn_TakePhoto = nullptr;
    QLabel* pQlbl_Main = nullptr;  // countdown of a timed capture series
    QWidget* pQWid_PreviewButtons = nullptr;
    QPushButton* Btn_Preview_TurnLeft = nullptr;
    QPushButton* Btn_Preview_TurnRight = nullptr;
    QPushButton* Btn_Preview_StopAutoTake = nullptr;
    // The face-comparison window and the sub camera's picture share the preview's top-left corner.
    CViceCamPreview* pCViceCamPreview = nullptr;
    QLabel* pLbl_ViceCamPicture = nullptr;
};
