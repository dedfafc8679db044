// The right-hand settings zone: three pages (Camera, Img Set, Image list) built once with the
// window, filled from the settings record when the start-up timer fires, then connected.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AppSettings.h"
#include "app/StyleSheet.h"
#include "ui/MainWindow.h"

namespace {
// Field labels and most label texts use this (redundant-looking but deliberate) combination.
constexpr Qt::Alignment kLabelAlign = Qt::AlignRight | Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

QLabel* fieldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(kLabelAlign);
    return label;
}

QSlider* tickedSlider(QWidget* parent, const char* name) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setTickPosition(QSlider::TicksAbove);
    return slider;
}

QComboBox* combo(QWidget* parent, const char* name, const QStringList& items = {}) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QString colourSheet(int r, int g, int b) {
    return QString("background: rgb(%1,%2,%3)").arg(r).arg(g).arg(b);
}
}  // namespace

void MainWindow::buildRightSetZone() {
    pQWid_RightSetZone_Main = new QWidget(centralWidget_);
    pQWid_RightSetZone_Main->setObjectName("pQWid_RightSetZone_Main");
    auto* box = new QVBoxLayout(pQWid_RightSetZone_Main);
    box->setContentsMargins(0, 0, 0, 0);

    ptabwidget_RightSetZone_Set = new QTabWidget(pQWid_RightSetZone_Main);
    ptabwidget_RightSetZone_Set->setObjectName("ptabwidget_RightSetZone_Set");
    ptabwidget_RightSetZone_Set->setTabPosition(QTabWidget::East);
    ptabwidget_RightSetZone_Set->setMaximumWidth(260);
    ptabwidget_RightSetZone_Set->addTab(
        buildCameraPage(), QIcon(":/new/prefix1/Res/UI/TabBar_CamSet_W.png"), tr("Camera"));
    ptabwidget_RightSetZone_Set->addTab(
        buildImageSetPage(), QIcon(":/new/prefix1/Res/UI/TabBar_ImageSet_W.png"), tr("Img Set"));
    ptabwidget_RightSetZone_Set->addTab(buildImageListPage(),
                                        QIcon(":/new/prefix1/Res/UI/TabBar_Imagelist_W.png"),
                                        tr("Image list"));
    box->addWidget(ptabwidget_RightSetZone_Set);
    // The zone is at most 260 pixels wide; a slightly smaller text keeps its longer captions
    // ("TakePhoto Timer:", "Open Vice Cam" beside "Merge Sub Cam") whole. Rules with an object name
    // keep their own size.
    pQWid_RightSetZone_Main->setStyleSheet(LoadStyleSheet(":/Black_Right_QTabWidget.css") +
                                           "\nQLabel, QCheckBox, QComboBox, QLineEdit, QSpinBox, "
                                           "QPushButton { font-size: 12px; }\n"
                                           "QCheckBox { font-size: 11px; spacing: 3px; }\n");
}

QWidget* MainWindow::buildCameraPage() {
    auto* page = new QWidget;
    page->setObjectName("pQWid_CameraPage");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);

    pQLabel_Devicelist = fieldLabel(tr("Devices:"), page);
    pQLabel_Devicelist->setObjectName("pQLabel_Devicelist");
    pCombo_Device = combo(page, "pCombo_Device");
    grid->addWidget(pQLabel_Devicelist, 0, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_Device, 0, 1, 1, 2, Qt::AlignVCenter);

    pCombo_Resolution = combo(page, "pCombo_Resolution");
    grid->addWidget(fieldLabel(tr("Resolution:"), page), 1, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_Resolution, 1, 1, 1, 2, Qt::AlignVCenter);

    pCombo_Format = combo(page, "pCombo_Format");
    grid->addWidget(fieldLabel(tr("Format:"), page), 2, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_Format, 2, 1, 1, 2, Qt::AlignVCenter);

    pBtn_OpenDevice = button(page, "pBtn_OpenDevice", tr("Open"));
    grid->addWidget(pBtn_OpenDevice, 3, 1, 1, 2, Qt::AlignVCenter);

    pSlider_Brightness = tickedSlider(page, "pSlider_Brightness");
    pSlider_Contrast = tickedSlider(page, "pSlider_Contrast");
    pSlider_Saturation = tickedSlider(page, "pSlider_Saturation");
    grid->addWidget(fieldLabel(tr("Brightness:"), page), 4, 0, 1, 1, kLabelAlign);
    grid->addWidget(pSlider_Brightness, 4, 1, 1, 2, Qt::AlignVCenter);
    grid->addWidget(fieldLabel(tr("Contrast:"), page), 5, 0, 1, 1, kLabelAlign);
    grid->addWidget(pSlider_Contrast, 5, 1, 1, 2, Qt::AlignVCenter);
    grid->addWidget(fieldLabel(tr("Saturation:"), page), 6, 0, 1, 1, kLabelAlign);
    grid->addWidget(pSlider_Saturation, 6, 1, 1, 2, Qt::AlignVCenter);

    // Mains frequency is offered but deliberately drives nothing.
    pCombo_PowerFre = combo(page, "pCombo_PowerFre", {"50HZ", "60HZ"});
    grid->addWidget(fieldLabel(tr("Power Fre:"), page), 7, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_PowerFre, 7, 1, 1, 2, Qt::AlignVCenter);

    pBtn_Focus = button(page, "pBtn_Focus", tr("Focus"));
    pBtn_Reset = button(page, "pBtn_Reset", tr("Reset"));
    grid->addWidget(pBtn_Focus, 8, 1, 1, 1, Qt::AlignVCenter);
    grid->addWidget(pBtn_Reset, 8, 2, 1, 2, Qt::AlignVCenter);

    pQLabel_TakePhotoTime = fieldLabel(tr("TakePhoto Timer:"), page);
    pQLabel_TakePhotoTime->setObjectName("pQLabel_TakePhotoTime");
    // Wraps rather than crowding out "Merge Sub Cam" in the column beside it.
    pQLabel_TakePhotoTime->setWordWrap(true);
    pCombo_TakePhotoTimer = combo(page, "pCombo_TakePhotoTimer",
                                  {"0S", "1S", "2S", "5S", "10S", "15S", "20S", "25S", "30S"});
    pCombo_TakePhotoTimer->setCurrentIndex(0);
    grid->addWidget(pQLabel_TakePhotoTime, 9, 1, 1, 1);
    grid->addWidget(pCombo_TakePhotoTimer, 9, 2, 1, 1);

    pCheck_OpenViceCam = new QCheckBox(tr("Open Vice Cam"), page);
    pCheck_OpenViceCam->setObjectName("pCheck_OpenViceCam");
    pCheck_MergeSubCam = new QCheckBox(tr("Merge Sub Cam"), page);
    pCheck_MergeSubCam->setObjectName("pCheck_MergeSubCam");
    // The column is narrow in some languages; the tool tip always carries the whole caption.
    pCheck_OpenViceCam->setToolTip(pCheck_OpenViceCam->text());
    pCheck_MergeSubCam->setToolTip(pCheck_MergeSubCam->text());
    grid->addWidget(pCheck_OpenViceCam, 10, 0, 1, 2, kLabelAlign);
    grid->addWidget(pCheck_MergeSubCam, 10, 2, 1, 1);
    // SUB CAMERA: "Open Vice Cam" clicked(bool) -> slotCtrlViceCam(bool) is connected here.

    pQLabel_VicePos = fieldLabel(tr("Position:"), page);
    pQLabel_VicePos->setObjectName("pQLabel_VicePos");
    pCombo_VicePos = combo(page, "pCombo_VicePos",
                           {tr("LeftUp"), tr("RightUp"), tr("LeftDown"), tr("RightDown")});
    grid->addWidget(pQLabel_VicePos, 11, 0, 1, 2);
    grid->addWidget(pCombo_VicePos, 11, 2, 1, 1);

    const int columnStretch[] = {12, 10, 10, 2};
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, columnStretch[c]);
    for (int r = 0; r <= 11; ++r)
        grid->setRowStretch(r, 1);
    grid->setRowStretch(12, 3);
    for (int r = 0; r <= 11; ++r)
        if (r != 8)
            grid->setRowMinimumHeight(r, 30);
    return page;
}

QWidget* MainWindow::buildImageSetPage() {
    auto* page = new QWidget;
    page->setObjectName("pQWid_ImageSetPage");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);

    pCombo_ImgFormat = combo(page, "pCombo_ImgFormat", {".BMP", ".JPG", ".PNG", ".GIF", ".TIF"});
    grid->addWidget(fieldLabel(tr("Img Format:"), page), 0, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_ImgFormat, 0, 1, 1, 2, Qt::AlignVCenter);

    pCombo_NameRule =
        combo(page, "pCombo_NameRule", {tr("Time&Date"), tr("Index"), tr("TimeDate&Index")});
    grid->addWidget(fieldLabel(tr("Name rule:"), page), 1, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_NameRule, 1, 1, 1, 2, Qt::AlignVCenter);

    pLineEdit_NamePre = new QLineEdit("IMG", page);
    pLineEdit_NamePre->setObjectName("pLineEdit_NamePre");
    grid->addWidget(fieldLabel(tr("Named prefix:"), page), 2, 0, 1, 1, kLabelAlign);
    grid->addWidget(pLineEdit_NamePre, 2, 1, 1, 2, Qt::AlignVCenter);

    auto* rateLabel = fieldLabel(tr("JPG Compress rate:"), page);
    rateLabel->setMargin(3);
    grid->addWidget(rateLabel, 3, 0, 1, 3, Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter);

    pSlider_JPGRate = tickedSlider(page, "pSlider_JPGRate");
    pSlider_JPGRate->setRange(0, 100);
    pSlider_JPGRate->setValue(80);
    pSlider_JPGRate->setTickInterval(5);
    grid->addWidget(pSlider_JPGRate, 4, 0, 1, 4, Qt::AlignVCenter);

    pCombo_ImgRotate = combo(page, "pCombo_ImgRotate", {"0", "90", "180", "270"});
    pCombo_ImgRotate->setToolTip(tr("Default rotation angle in document mode"));
    grid->addWidget(fieldLabel(tr("Img Rotate:"), page), 5, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_ImgRotate, 5, 1, 1, 2, Qt::AlignVCenter);

    pQlabel_Watermarktype = new QLabel(tr("Select the watermark type:"), page);
    pQlabel_Watermarktype->setObjectName("pQlabel_Watermarktype");
    pQlabel_Watermarktype->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    // Its large bold caption is wider than three columns in most languages.
    pQlabel_Watermarktype->setWordWrap(true);
    grid->addWidget(pQlabel_Watermarktype, 6, 0, 1, 3, Qt::AlignRight | Qt::AlignBottom);

    auto* typeRow = new QWidget(page);
    typeRow->setObjectName("pQWid_WaterMarkTypes");
    auto* typeBox = new QHBoxLayout(typeRow);
    typeBox->setContentsMargins(0, 0, 0, 0);
    pBtn_WaterMarkType_None = button(typeRow, "pBtn_WaterMarkType_None");
    pBtn_WaterMarkType_None->setToolTip(tr("No Watermark"));
    pBtn_WaterMarkType_DateTime = button(typeRow, "pBtn_WaterMarkType_DateTime");
    pBtn_WaterMarkType_DateTime->setToolTip(tr("Date watermark"));
    pBtn_WaterMarkType_Text = button(typeRow, "pBtn_WaterMarkType_Text");
    pBtn_WaterMarkType_Text->setToolTip(tr("Text watermark"));
    pBtn_WaterMarkType_Pic = button(typeRow, "pBtn_WaterMarkType_Pic");
    pBtn_WaterMarkType_Pic->setToolTip(tr("Img Watermark"));
    for (QPushButton* b : {pBtn_WaterMarkType_None, pBtn_WaterMarkType_DateTime,
                           pBtn_WaterMarkType_Text, pBtn_WaterMarkType_Pic}) {
        b->setCheckable(true);
        b->setChecked(false);
        b->setCursor(Qt::PointingHandCursor);
        typeBox->addWidget(b);
    }
    grid->addWidget(typeRow, 7, 0, 1, 3, kCentred);

    pLineEdit_WMContent = new QLineEdit(tr("Pleas input watermark content"), page);
    pLineEdit_WMContent->setObjectName("pLineEdit_WMContent");
    pLineEdit_WMContent->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    grid->addWidget(fieldLabel(tr("Content:"), page), 8, 0, 1, 1, kLabelAlign);
    grid->addWidget(pLineEdit_WMContent, 8, 1, 1, 2, Qt::AlignVCenter);

    pCombo_WMPosition =
        combo(page, "pCombo_WMPosition",
              {tr("Right&Down"), tr("Left&Up"), tr("Left&Cetner"), tr("Left&Down"), tr("Center&Up"),
               tr("Center"), tr("Center&Down"), tr("Right&Up"), tr("Right&Center")});
    grid->addWidget(fieldLabel(tr("Position:"), page), 9, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_WMPosition, 9, 1, 1, 1, Qt::AlignVCenter);

    // The record is already loaded while the zone is built, so the colour is known here.
    pBtn_WMColor = button(page, "pBtn_WMColor", tr("Select Color"));
    pBtn_WMColor->setStyleSheet(
        colourSheet(m_settings->wmColorR, m_settings->wmColorG, m_settings->wmColorB));
    grid->addWidget(fieldLabel(tr("Color:"), page), 10, 0, 1, 1, kLabelAlign);
    grid->addWidget(pBtn_WMColor, 10, 1);

    pSlider_WMOpacity = tickedSlider(page, "pSlider_WMOpacity");
    pSlider_WMOpacity->setRange(0, 100);
    pSlider_WMOpacity->setValue(80);
    grid->addWidget(fieldLabel(tr("Opacity:"), page), 11, 0, 1, 1, kLabelAlign);
    grid->addWidget(pSlider_WMOpacity, 11, 1, 1, 2, Qt::AlignVCenter);

    pSpin_WMWidth = new QSpinBox(page);
    pSpin_WMWidth->setObjectName("pSpin_WMWidth");
    pSpin_WMHeight = new QSpinBox(page);
    pSpin_WMHeight->setObjectName("pSpin_WMHeight");
    for (QSpinBox* s : {pSpin_WMWidth, pSpin_WMHeight}) {
        s->setRange(0, 800);
        s->setValue(100);
    }
    // One visible size control: the width box sets a square box for picture stamps.
    pSpin_WMHeight->hide();
    grid->addWidget(fieldLabel(tr("Size:"), page), 12, 0, 1, 1, kLabelAlign);
    grid->addWidget(pSpin_WMWidth, 12, 1, 1, 1, Qt::AlignVCenter);
    grid->addWidget(pSpin_WMHeight, 12, 2, 1, 1, Qt::AlignVCenter);

    pSpin_WMFontSize = new QSpinBox(page);
    pSpin_WMFontSize->setObjectName("pSpin_WMFontSize");
    pSpin_WMFontSize->setRange(0, 200);
    pSpin_WMFontSize->setValue(50);
    auto* textSizeLabel = fieldLabel(tr("Text Size:"), page);
    grid->addWidget(textSizeLabel, 13, 0, 1, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(pSpin_WMFontSize, 13, 1, 1, 1, Qt::AlignVCenter);

    pLineEdit_WMImgPath = new QLineEdit(page);
    pLineEdit_WMImgPath->setObjectName("pLineEdit_WMImgPath");
    grid->addWidget(fieldLabel(tr("Picture:"), page), 14, 0, 1, 1,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(pLineEdit_WMImgPath, 14, 1, 1, 2, Qt::AlignVCenter);

    pBtn_WMChooseImg = button(page, "pBtn_WMChooseImg", tr("Choose"));
    grid->addWidget(pBtn_WMChooseImg, 15, 1, 1, 2, kLabelAlign);

    const int columnStretch[] = {6, 7, 6, 1};
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, columnStretch[c]);
    for (int r = 0; r <= 15; ++r)
        grid->setRowStretch(r, 1);
    grid->setRowStretch(16, 2);
    for (int r = 0; r <= 12; ++r)
        grid->setRowMinimumHeight(r, 30);
    return page;
}

QWidget* MainWindow::buildImageListPage() {
    auto* page = new QWidget;
    page->setObjectName("pQWid_ImageListPage");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(2, 2, 2, 2);

    auto* pathTitle = new QLabel(tr("Img Path:"), page);
    pathTitle->setObjectName("pLbl_ImgPathTitle");
    pathTitle->setCursor(Qt::PointingHandCursor);
    grid->addWidget(pathTitle, 0, 0, 1, 4, Qt::AlignLeft | Qt::AlignVCenter);

    pLbl_BaseDir = new QLabel(page);
    pLbl_BaseDir->setObjectName("pLbl_BaseDir");
    // Long folder names must not widen the zone beyond its maximum width.
    pLbl_BaseDir->setWordWrap(true);
    grid->addWidget(pLbl_BaseDir, 1, 0, 1, 4, Qt::AlignCenter);

    pBtn_ChangeFolder = button(page, "pBtn_ChangeFolder", tr("Change folder"));
    pBtn_OpenFolder = button(page, "pBtn_OpenFolder", tr("Open folder"));
    grid->addWidget(pBtn_ChangeFolder, 2, 0, 1, 2, kCentred);
    grid->addWidget(pBtn_OpenFolder, 2, 2, 1, 2,
                    Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter);

    pQbtn_ImageItemsPdf = button(page, "pQbtn_ImageItemsPdf");
    pQbtn_ImageItemsPdf->setToolTip(tr("Output to Pdf"));
    pQbtn_ImageItemsPrint = button(page, "pQbtn_ImageItemsPrint");
    pQbtn_ImageItemsPrint->setToolTip(tr("Print"));
    pQbtn_ImageItemsOcr = button(page, "pQbtn_ImageItemsOcr");
    pQbtn_ImageItemsOcr->setToolTip(tr("OCR"));
    pQbtn_ImageItemsWord = button(page, "pQbtn_ImageItemsWord");
    pQbtn_ImageItemsWord->setToolTip(tr("Output to Word"));
    grid->addWidget(pQbtn_ImageItemsPdf, 3, 0, kCentred);
    grid->addWidget(pQbtn_ImageItemsPrint, 3, 1, kCentred);
    grid->addWidget(pQbtn_ImageItemsOcr, 3, 2, kCentred);
    grid->addWidget(pQbtn_ImageItemsWord, 3, 3, kCentred);

    pListWidget_Images = new QListWidget(page);
    pListWidget_Images->setObjectName("pListWidget_Images");
    pListWidget_Images->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Icon mode switches dragging on, so it is switched off afterwards: the window runs its own
    // drag of newly saved files.
    pListWidget_Images->setViewMode(QListView::IconMode);
    pListWidget_Images->setDragEnabled(false);
    pListWidget_Images->installEventFilter(this);
    pListWidget_Images->setStyleSheet(
        "QListWidget::item:selected{background:white; color:#28A4FF; border:1px solid white }");
    grid->addWidget(pListWidget_Images, 4, 0, 1, 4);

    pQbtn_ImageItemsSelectAll = button(page, "pQbtn_ImageItemsSelectAll");
    pQbtn_ImageItemsSelectAll->setToolTip(tr("Select All"));
    pQbtn_ImageItemsUnSelectAll = button(page, "pQbtn_ImageItemsUnSelectAll");
    pQbtn_ImageItemsUnSelectAll->setToolTip(tr("UnSelect"));
    pQbtn_ImageItemsCopy = button(page, "pQbtn_ImageItemsCopy");
    pQbtn_ImageItemsCopy->setToolTip(tr("Copy"));
    pQbtn_ImageItemsDelete = button(page, "pQbtn_ImageItemsDelete");
    pQbtn_ImageItemsDelete->setToolTip(tr("Delect Selectd Items"));
    grid->addWidget(pQbtn_ImageItemsSelectAll, 5, 0, kCentred);
    grid->addWidget(pQbtn_ImageItemsUnSelectAll, 5, 1, kCentred);
    grid->addWidget(pQbtn_ImageItemsCopy, 5, 2, kCentred);
    grid->addWidget(pQbtn_ImageItemsDelete, 5, 3, kCentred);

    for (QPushButton* b : page->findChildren<QPushButton*>())
        b->setCursor(Qt::PointingHandCursor);
    // The OCR hand-off is not offered yet.
    pQbtn_ImageItemsOcr->setCursor(Qt::ForbiddenCursor);
    pQbtn_ImageItemsOcr->hide();

    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, 1);
    const int rowStretch[] = {1, 1, 1, 1, 26, 1};
    for (int r = 0; r < 6; ++r)
        grid->setRowStretch(r, rowStretch[r]);
    return page;
}

void MainWindow::fillSettingsPanel() {
    const AppSettings& s = *m_settings;
    pCombo_ImgFormat->setCurrentIndex(s.imageType);
    pCombo_NameRule->setCurrentIndex(s.nameType);
    pLineEdit_NamePre->setText(s.namePre);
    pSlider_JPGRate->setValue(s.jpgRate);
    const int rotationIndex = s.docRotateAngle == 90    ? 1
                              : s.docRotateAngle == 180 ? 2
                              : s.docRotateAngle == 270 ? 3
                                                        : 0;
    pCombo_ImgRotate->setCurrentIndex(rotationIndex);

    for (int type = 0; type < 4; ++type)
        watermarkTypeButton(type)->setChecked(type == s.wmType);
    // Only the enabled states follow the stored type here; no slot runs and nothing is written.
    if (s.wmType >= 0 && s.wmType <= 3)
        setWatermarkWidgetsEnabled(s.wmType);

    pLineEdit_WMContent->setText(s.wmContent);
    pCombo_WMPosition->setCurrentIndex(s.wmPosition);
    pSlider_WMOpacity->setValue(s.wmOpacity);
    pSpin_WMWidth->setValue(s.wmWidth);
    pSpin_WMHeight->setValue(s.wmHeight);
    pLineEdit_WMImgPath->setText(s.wmImgPath);
    pSpin_WMFontSize->setValue(s.wmFontSize);

    pLbl_BaseDir->setText(s.baseDir);
    pLbl_BaseDir->setToolTip(s.baseDir);
}

void MainWindow::connectSettingsPanel() {
    connect(pCombo_ImgFormat, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MainWindow::Handle_ImageTypeChanged);
    connect(pCombo_NameRule, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MainWindow::Handle_ImageNamedTypeChanged);
    connect(pLineEdit_NamePre, &QLineEdit::editingFinished, this,
            &MainWindow::Handle_ImageNamePreChanged);
    connect(pSlider_JPGRate, &QSlider::valueChanged, this,
            &MainWindow::Handle_JPGComPressRateChanged);
    connect(pCombo_ImgRotate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MainWindow::Handle_DocModeRotateAngleChange);

    connect(pBtn_WaterMarkType_None, &QPushButton::toggled, this,
            &MainWindow::Handle_WaterMarkType_None);
    connect(pBtn_WaterMarkType_DateTime, &QPushButton::toggled, this,
            &MainWindow::Handle_WaterMarkType_DateTime);
    connect(pBtn_WaterMarkType_Text, &QPushButton::toggled, this,
            &MainWindow::Handle_WaterMarkType_Text);
    connect(pBtn_WaterMarkType_Pic, &QPushButton::toggled, this,
            &MainWindow::Handle_WaterMarkType_Img);
    connect(pLineEdit_WMContent, &QLineEdit::editingFinished, this,
            &MainWindow::Handle_WaterMarkContentEditFinshed);
    connect(pCombo_WMPosition, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MainWindow::Handle_WaterMarkPositionChange);
    connect(pBtn_WMColor, &QPushButton::pressed, this, &MainWindow::Handle_WaterMarkColorSelect);
    connect(pSlider_WMOpacity, &QSlider::valueChanged, this,
            &MainWindow::Handle_WaterMarkOpacityChanged);
    connect(pSpin_WMWidth, qOverload<int>(&QSpinBox::valueChanged), this,
            &MainWindow::Handle_WaterSizeWidgetChanged);
    connect(pSpin_WMHeight, qOverload<int>(&QSpinBox::valueChanged), this,
            &MainWindow::Handle_WaterSizeHeightChanged);
    connect(pSpin_WMFontSize, qOverload<int>(&QSpinBox::valueChanged), this,
            &MainWindow::Handle_WaterMarkFontSizeChanged);
    connect(pBtn_WMChooseImg, &QPushButton::pressed, this,
            &MainWindow::Handle_WaterMarkImgPathSelected);

    connect(pBtn_ChangeFolder, &QPushButton::pressed, this, &MainWindow::Handle_SelectBaseDir);
    connect(pBtn_OpenFolder, &QPushButton::pressed, this, &MainWindow::Handle_OpenBaseDir);
}
