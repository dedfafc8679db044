#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QString>

#include "modes/ControlMode.h"

class AppSettings;
class CCameraInterface;
class CCameraPreview;
class ImageProcessor;
class QStringList;
class CPreConfigBar;
class QListWidgetItem;
class Log;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QImage;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPropertyAnimation;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTimer;
class QVBoxLayout;
class QWidget;

// The one top-level window and the hub of the program: it owns the settings record, the log
// writer, every panel and (later) the cameras, and it hosts the slots of every concern.
//
// Members are grouped by concern, and each group is defined in the source file of its concern:
//   ui/MainWindow.cpp               construction, start-up timer, placement
//   ui/MainWindowTitleBar.cpp       frameless title bar, drag, maximise, fading close, About, menus
//   ui/MainWindowInput.cpp          key, mouse and context-menu entry points
//   ui/MainWindowLanguage.cpp       the nine language slots
//   ui/MainWindowSettingsPanel.cpp  building and filling the right settings zone
//   ui/MainWindowSettingsSlots.cpp  the slots that write the settings record and Tesmora.ini
// Add a new concern as its own section below (and its own source file) rather than growing an
// existing one, so that parallel work on this class merges cleanly.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    AppSettings* settings() const { return m_settings; }

signals:
    // Capture hand-off to the scan-mode bar.
    void Signal_GotTakePhoto(QImage* img);

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

    // ======================================================== device control (camera/)
    // Defined in camera/MainWindowDevice.cpp.
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
    void ResolutionProcess(QStringList* devicelist);

    // ======================================================= capture triggers (camera/)
    // Defined in camera/MainWindowCapture.cpp.
    void Qbtn_TakePhoto_Clicked();
    void Handle_GotTakePhoto(QImage* img);
    void Handle_Timer_TakePhoto_Timeout();
    void Handle_StopTakePhotoOnTimer();
    void Handle_CurrentControlModeChanged(ControlMode m);
    void Handle_Doc_Preview_TurnLeft();
    void Handle_Doc_Preview_TurnRight();

    // ========================================================= image list (output/)
    // Defined in output/MainWindowImageList.cpp.
    void TakePhotoFinish(QString path);
    void Handle_DoubleClickImageItem(QListWidgetItem* item);
    void Handle_SelectAllImageItems();
    void Handle_UnSelectAllImageItems();
    void Handle_DeleteSelectedImageItems();
    void Handle_Right_Zoom_Show_menu(QPoint pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // ------------------------------------------------------------- construction (ui/)
    void setupUi();
    void buildCentreWidgets();
    void buildTitleBar();
    void buildHelpTip();
    void buildScanModeBar();
    void buildSubCamera();
    void buildMainGrid();
    void applyStyle();
    void placeWindow();
    void connectFrame();

    // ----------------------------------------------------------- settings panel (ui/)
    void buildRightSetZone();
    QWidget* buildCameraPage();
    QWidget* buildImageSetPage();
    QWidget* buildImageListPage();
    void fillSettingsPanel();
    void connectSettingsPanel();
    // Hands the record to the scan-mode bar again after a change, then writes Tesmora.ini.
    void announceSettings();
    void saveSettings();
    void watermarkTypeToggled(int type, bool checked);
    void setWatermarkWidgetsEnabled(int type);
    QPushButton* watermarkTypeButton(int type) const;

    // ------------------------------------------------------------------ language (ui/)
    void changeLanguage(const QString& storedValue);

    // Returns the keyboard focus to the capture button, so Space keeps capturing.
    void focusCaptureButton();

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

    // --------------------------------------------------------------------- frame state
    bool m_dragging = false;
    QPoint m_dragOffset;
    bool m_maximised = false;

    // ------------------------------------------------------------------ frame widgets
    QWidget* centralWidget_ = nullptr;
    QGridLayout* pQGridLayout_Main = nullptr;
    QWidget* pQWidget_Title = nullptr;
    QLabel* pImg_SoftWare = nullptr;
    QLabel* pLbl_SoftWareName_Title = nullptr;
    QPushButton* pBtn_Languages = nullptr;
    QPushButton* pBtn_About = nullptr;
    QPushButton* pBtn_Min = nullptr;
    QPushButton* pBtn_Max = nullptr;
    QPushButton* pBtn_Close = nullptr;
    QMenu* pQmenu_Languate = nullptr;
    QWidget* pQWid_HelpTip = nullptr;
    QLabel* pLbl_HelpTips = nullptr;
    QLabel* pLbl_HelpIcon = nullptr;

    // ------------------------------------------------- centre widgets over the preview
    // The preview, the scan-mode bar, the face-comparison window and the sub-camera picture are
    // plain containers in their final cells until their own classes replace them.
    QWidget* pPreview = nullptr;
    QPushButton* pBtn_TakePhoto = nullptr;
    QLabel* pQlbl_Main = nullptr;  // countdown of a timed capture series
    QWidget* pQWid_PreviewButtons = nullptr;
    QVBoxLayout* pQVBox_PreviewButtons = nullptr;
    QPushButton* Btn_Preview_TurnLeft = nullptr;
    QPushButton* Btn_Preview_TurnRight = nullptr;
    QPushButton* Btn_Preview_StopAutoTake = nullptr;
    QWidget* pPreConfigBar = nullptr;
    QWidget* pCViceCamPreview = nullptr;
    QLabel* pLbl_ViceCamPicture = nullptr;

    // ------------------------------------------------------- settings zone: container
    QWidget* pQWid_RightSetZone_Main = nullptr;
    QTabWidget* ptabwidget_RightSetZone_Set = nullptr;

    // ------------------------------------------------------- settings zone: Camera page
    QLabel* pQLabel_Devicelist = nullptr;
    QComboBox* pCombo_Device = nullptr;
    QComboBox* pCombo_Resolution = nullptr;
    QComboBox* pCombo_Format = nullptr;
    QPushButton* pBtn_OpenDevice = nullptr;
    QSlider* pSlider_Brightness = nullptr;
    QSlider* pSlider_Contrast = nullptr;
    QSlider* pSlider_Saturation = nullptr;
    QComboBox* pCombo_PowerFre = nullptr;
    QPushButton* pBtn_Focus = nullptr;
    QPushButton* pBtn_Reset = nullptr;
    QLabel* pQLabel_TakePhotoTime = nullptr;
    QComboBox* pCombo_TakePhotoTimer = nullptr;
    QCheckBox* pCheck_OpenViceCam = nullptr;
    QCheckBox* pCheck_MergeSubCam = nullptr;
    QLabel* pQLabel_VicePos = nullptr;
    QComboBox* pCombo_VicePos = nullptr;

    // ------------------------------------------------------ settings zone: Img Set page
    QComboBox* pCombo_ImgFormat = nullptr;
    QComboBox* pCombo_NameRule = nullptr;
    QLineEdit* pLineEdit_NamePre = nullptr;
    QSlider* pSlider_JPGRate = nullptr;
    QComboBox* pCombo_ImgRotate = nullptr;
    QLabel* pQlabel_Watermarktype = nullptr;
    QPushButton* pBtn_WaterMarkType_None = nullptr;
    QPushButton* pBtn_WaterMarkType_DateTime = nullptr;
    QPushButton* pBtn_WaterMarkType_Text = nullptr;
    QPushButton* pBtn_WaterMarkType_Pic = nullptr;
    QLineEdit* pLineEdit_WMContent = nullptr;
    QComboBox* pCombo_WMPosition = nullptr;
    QPushButton* pBtn_WMColor = nullptr;
    QSlider* pSlider_WMOpacity = nullptr;
    QSpinBox* pSpin_WMWidth = nullptr;
    QSpinBox* pSpin_WMHeight = nullptr;
    QSpinBox* pSpin_WMFontSize = nullptr;
    QLineEdit* pLineEdit_WMImgPath = nullptr;
    QPushButton* pBtn_WMChooseImg = nullptr;

    // --------------------------------------------------- settings zone: Image list page
    QLabel* pLbl_BaseDir = nullptr;
    QPushButton* pBtn_ChangeFolder = nullptr;
    QPushButton* pBtn_OpenFolder = nullptr;
    QPushButton* pQbtn_ImageItemsPdf = nullptr;
    QPushButton* pQbtn_ImageItemsPrint = nullptr;
    QPushButton* pQbtn_ImageItemsOcr = nullptr;
    QPushButton* pQbtn_ImageItemsWord = nullptr;
    QListWidget* pListWidget_Images = nullptr;
    QPushButton* pQbtn_ImageItemsSelectAll = nullptr;
    QPushButton* pQbtn_ImageItemsUnSelectAll = nullptr;
    QPushButton* pQbtn_ImageItemsCopy = nullptr;
    QPushButton* pQbtn_ImageItemsDelete = nullptr;

    // ============================================= device control members (camera/)
    // Defined in camera/MainWindowDevice.cpp.
    CCameraInterface* m_camera = nullptr;        // the main camera, created at start-up
    CCameraPreview* m_cameraPreview = nullptr;   // also pPreview, in the preview's grid cell
    ImageProcessor* m_imageProcessor = nullptr;  // the window's own, used by the preview
    QTimer* m_frameTimer = nullptr;              // GetFrameBuffer(), interval by stream format
    QTimer* m_tickTimer = nullptr;               // Handle_Timer_1000_Timeout(), 500 ms
    int autoOpen = -1;       // while non-zero a device or resolution change reopens the preview
    int deviceChanging = 0;  // while non-zero resolution-selector changes are ignored
    int focusCountdown = 0;  // 500 ms ticks left of the automatic-focus hold after an open
    int blinkCount = 0;      // ticks, for the help-icon blink
    // Start-up steps, called from Handle_LoadTimerout().
    void createCameraPreview();
    void loadCameraComponents();
    void showComponentNotice();
    void connectDeviceControl();
    void initCameraLibrary();
    void searchDevices();
    // The close half shared by a device or resolution change while running.
    void stopPreviewForChange();
    void initPictureSliders();
    void zeroPictureSliders();
    // Stops the preview and frees the camera objects; called by the destructor.
    void releaseCamera();

    // ============================================ capture trigger members (camera/)
    // The scan-mode bar that receives every capture (it also sits in pPreConfigBar's cell).
    CPreConfigBar* m_preConfigBar = nullptr;
    QTimer* m_takePhotoTimer = nullptr;  // 1000 ms ticks of a timed capture series
    int m_seriesInterval = 0;            // seconds between captures, -1 when stopped
    int m_seriesElapsed = 0;             // seconds counted in the current period
    int m_dragState = 0;                 // capture gesture: 0 idle, 1 armed, 2 fired
    QPoint m_gesturePressPoint;
    void connectCapture();
    // Capture gesture parts of the window's mouse handlers; true when the event was used.
    bool capturePress(QMouseEvent* event);
    void captureMove(QMouseEvent* event);
    void captureRelease();
    // Whether a capture request can reach a running preview.
    bool capturePreviewRunning() const;
    void requestCapture();
    // Quarter turns of the document preview (0..3), starting at 0 on every run.
    int m_previewTurn = 0;
    void setPreviewTurn(int turn);
    // Picture parameters kept on entering identity-card mode, restored on leaving it.
    bool m_modeParamsSaved = false;
    int m_savedBrightness = 0;
    int m_savedContrast = 0;
    int m_savedSaturation = 0;
    void applyModeCameraParameters(ControlMode m);

    // ================================================== image list members (output/)
    QMenu* pQmenu_ImageList = nullptr;
    void connectImageList();
    void buildImageListMenu();
    // Opens the list menu when the pointer is over the image list tab; true when it opened.
    bool showImageListMenu(const QPoint& windowPos, const QPoint& globalPos);
    // Drags a file just saved into another application (the capture gesture's second half).
    void dragOutFile(const QString& path);
    // The resolution rescale of a saved file for cameras with a substituted resolution.
    void rescaleSavedFile(const QString& path);
};
