#include "ui/ImageSetPage.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "app/AppSettings.h"
#include "app/PanelWidgets.h"

using namespace PanelWidgets;

namespace {

QString colourSheet(int r, int g, int b) {
    return QString("background: rgb(%1,%2,%3)").arg(r).arg(g).arg(b);
}

const int kRotationAngles[] = {0, 90, 180, 270};

}  // namespace

ImageSetPage::ImageSetPage(AppSettings* settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    setObjectName("pQWid_ImageSetPage");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    buildFormatControls(grid);
    buildWatermarkControls(grid);

    const int columnStretch[] = {6, 7, 6, 1};
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, columnStretch[c]);
    for (int r = 0; r <= 15; ++r)
        grid->setRowStretch(r, 1);
    grid->setRowStretch(16, 2);
    for (int r = 0; r <= 12; ++r)
        grid->setRowMinimumHeight(r, 30);
}

void ImageSetPage::buildFormatControls(QGridLayout* grid) {
    pCombo_ImgFormat = combo(this, "pCombo_ImgFormat", {".BMP", ".JPG", ".PNG", ".GIF", ".TIF"});
    grid->addWidget(fieldLabel(tr("Img Format:"), this), 0, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_ImgFormat, 0, 1, 1, 2, Qt::AlignVCenter);

    pCombo_NameRule =
        combo(this, "pCombo_NameRule", {tr("Time&Date"), tr("Index"), tr("TimeDate&Index")});
    grid->addWidget(fieldLabel(tr("Name rule:"), this), 1, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_NameRule, 1, 1, 1, 2, Qt::AlignVCenter);

    pLineEdit_NamePre = new QLineEdit("IMG", this);
    pLineEdit_NamePre->setObjectName("pLineEdit_NamePre");
    grid->addWidget(fieldLabel(tr("Named prefix:"), this), 2, 0, 1, 1, kLabelAlign);
    grid->addWidget(pLineEdit_NamePre, 2, 1, 1, 2, Qt::AlignVCenter);

    auto* rateLabel = fieldLabel(tr("JPG Compress rate:"), this);
    rateLabel->setMargin(3);
    grid->addWidget(rateLabel, 3, 0, 1, 3, Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter);
    pSlider_JPGRate = tickedSlider(this, "pSlider_JPGRate");
    pSlider_JPGRate->setRange(0, 100);
    pSlider_JPGRate->setValue(80);
    pSlider_JPGRate->setTickInterval(5);
    grid->addWidget(pSlider_JPGRate, 4, 0, 1, 4, Qt::AlignVCenter);

    pCombo_ImgRotate = combo(this, "pCombo_ImgRotate", {"0", "90", "180", "270"});
    pCombo_ImgRotate->setToolTip(tr("Default rotation angle in document mode"));
    grid->addWidget(fieldLabel(tr("Img Rotate:"), this), 5, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_ImgRotate, 5, 1, 1, 2, Qt::AlignVCenter);
}

void ImageSetPage::buildWatermarkControls(QGridLayout* grid) {
    auto* typeLabel = new QLabel(tr("Select the watermark type:"), this);
    typeLabel->setObjectName("pQlabel_Watermarktype");
    typeLabel->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    // Its large bold caption is wider than three columns in most languages.
    typeLabel->setWordWrap(true);
    grid->addWidget(typeLabel, 6, 0, 1, 3, Qt::AlignRight | Qt::AlignBottom);

    auto* typeRow = new QWidget(this);
    typeRow->setObjectName("pQWid_WaterMarkTypes");
    auto* typeBox = new QHBoxLayout(typeRow);
    typeBox->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        QString tip;
    } types[] = {{"pBtn_WaterMarkType_None", tr("No Watermark")},
                 {"pBtn_WaterMarkType_DateTime", tr("Date watermark")},
                 {"pBtn_WaterMarkType_Text", tr("Text watermark")},
                 {"pBtn_WaterMarkType_Pic", tr("Img Watermark")}};
    for (int t = 0; t < 4; ++t) {
        m_typeButtons[t] = button(typeRow, types[t].name);
        m_typeButtons[t]->setToolTip(types[t].tip);
        m_typeButtons[t]->setCheckable(true);
        m_typeButtons[t]->setCursor(Qt::PointingHandCursor);
        typeBox->addWidget(m_typeButtons[t]);
    }
    grid->addWidget(typeRow, 7, 0, 1, 3, kCentred);
    buildWatermarkStyleControls(grid);
}

void ImageSetPage::buildWatermarkStyleControls(QGridLayout* grid) {
    pLineEdit_WMContent = new QLineEdit(tr("Pleas input watermark content"), this);
    pLineEdit_WMContent->setObjectName("pLineEdit_WMContent");
    grid->addWidget(fieldLabel(tr("Content:"), this), 8, 0, 1, 1, kLabelAlign);
    grid->addWidget(pLineEdit_WMContent, 8, 1, 1, 2, Qt::AlignVCenter);

    pCombo_WMPosition =
        combo(this, "pCombo_WMPosition",
              {tr("Right&Down"), tr("Left&Up"), tr("Left&Cetner"), tr("Left&Down"), tr("Center&Up"),
               tr("Center"), tr("Center&Down"), tr("Right&Up"), tr("Right&Center")});
    grid->addWidget(fieldLabel(tr("Position:"), this), 9, 0, 1, 1, kLabelAlign);
    grid->addWidget(pCombo_WMPosition, 9, 1, 1, 1, Qt::AlignVCenter);

    // The record is already loaded while the zone is built, so the colour is known here.
    pBtn_WMColor = button(this, "pBtn_WMColor", tr("Select Color"));
    pBtn_WMColor->setStyleSheet(
        colourSheet(m_settings->wmColorR, m_settings->wmColorG, m_settings->wmColorB));
    grid->addWidget(fieldLabel(tr("Color:"), this), 10, 0, 1, 1, kLabelAlign);
    grid->addWidget(pBtn_WMColor, 10, 1);

    pSlider_WMOpacity = tickedSlider(this, "pSlider_WMOpacity");
    pSlider_WMOpacity->setRange(0, 100);
    pSlider_WMOpacity->setValue(80);
    grid->addWidget(fieldLabel(tr("Opacity:"), this), 11, 0, 1, 1, kLabelAlign);
    grid->addWidget(pSlider_WMOpacity, 11, 1, 1, 2, Qt::AlignVCenter);

    pSpin_WMWidth = new QSpinBox(this);
    pSpin_WMWidth->setObjectName("pSpin_WMWidth");
    pSpin_WMHeight = new QSpinBox(this);
    pSpin_WMHeight->setObjectName("pSpin_WMHeight");
    for (QSpinBox* s : {pSpin_WMWidth, pSpin_WMHeight}) {
        s->setRange(0, 800);
        s->setValue(100);
    }
    // One visible size control: the width box sets a square box for picture stamps.
    pSpin_WMHeight->hide();
    grid->addWidget(fieldLabel(tr("Size:"), this), 12, 0, 1, 1, kLabelAlign);
    grid->addWidget(pSpin_WMWidth, 12, 1, 1, 1, Qt::AlignVCenter);
    grid->addWidget(pSpin_WMHeight, 12, 2, 1, 1, Qt::AlignVCenter);

    pSpin_WMFontSize = new QSpinBox(this);
    pSpin_WMFontSize->setObjectName("pSpin_WMFontSize");
    pSpin_WMFontSize->setRange(0, 200);
    pSpin_WMFontSize->setValue(50);
    grid->addWidget(fieldLabel(tr("Text Size:"), this), 13, 0, 1, 1,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(pSpin_WMFontSize, 13, 1, 1, 1, Qt::AlignVCenter);

    pLineEdit_WMImgPath = new QLineEdit(this);
    pLineEdit_WMImgPath->setObjectName("pLineEdit_WMImgPath");
    grid->addWidget(fieldLabel(tr("Picture:"), this), 14, 0, 1, 1,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(pLineEdit_WMImgPath, 14, 1, 1, 2, Qt::AlignVCenter);

    pBtn_WMChooseImg = button(this, "pBtn_WMChooseImg", tr("Choose"));
    grid->addWidget(pBtn_WMChooseImg, 15, 1, 1, 2, kLabelAlign);
}

void ImageSetPage::fill() {
    const AppSettings& s = *m_settings;
    // A stored type no format answers to is saved as the default one; the box shows which.
    const bool knownType = s.imageType >= 0 && s.imageType < pCombo_ImgFormat->count();
    pCombo_ImgFormat->setCurrentIndex(knownType ? s.imageType : AppSettings::kDefaultImageType);
    pCombo_NameRule->setCurrentIndex(s.nameType);
    pLineEdit_NamePre->setText(s.namePre);
    pSlider_JPGRate->setValue(s.jpgRate);
    int rotation = 0;
    for (int i = 0; i < 4; ++i)
        if (kRotationAngles[i] == s.docRotateAngle)
            rotation = i;
    pCombo_ImgRotate->setCurrentIndex(rotation);

    for (int type = 0; type < 4; ++type)
        m_typeButtons[type]->setChecked(type == s.wmType);
    // Only the enabled states follow the stored type here; no slot runs and nothing is written.
    if (s.wmType >= 0 && s.wmType <= 3)
        enableForType(s.wmType);

    pLineEdit_WMContent->setText(s.wmContent);
    pCombo_WMPosition->setCurrentIndex(s.wmPosition);
    pSlider_WMOpacity->setValue(s.wmOpacity);
    pSpin_WMWidth->setValue(s.wmWidth);
    pSpin_WMHeight->setValue(s.wmHeight);
    pLineEdit_WMImgPath->setText(s.wmImgPath);
    pSpin_WMFontSize->setValue(s.wmFontSize);
}

void ImageSetPage::connectControls() {
    const auto changed = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(pCombo_ImgFormat, changed, this, &ImageSetPage::setImageType);
    connect(pCombo_NameRule, changed, this, &ImageSetPage::setNameRule);
    connect(pLineEdit_NamePre, &QLineEdit::editingFinished, this, &ImageSetPage::takeNamePrefix);
    connect(pSlider_JPGRate, &QSlider::valueChanged, this, &ImageSetPage::setJpgQuality);
    connect(pCombo_ImgRotate, changed, this, &ImageSetPage::setRotation);
    for (int t = 0; t < 4; ++t)
        connect(m_typeButtons[t], &QPushButton::toggled, this,
                [this, t](bool checked) { watermarkTypeToggled(t, checked); });
    connect(pLineEdit_WMContent, &QLineEdit::editingFinished, this,
            &ImageSetPage::takeWatermarkText);
    connect(pCombo_WMPosition, changed, this, &ImageSetPage::setWatermarkPosition);
    connect(pBtn_WMColor, &QPushButton::pressed, this, &ImageSetPage::chooseWatermarkColour);
    connect(pSlider_WMOpacity, &QSlider::valueChanged, this, &ImageSetPage::setWatermarkOpacity);
    const auto spun = qOverload<int>(&QSpinBox::valueChanged);
    connect(pSpin_WMWidth, spun, this, &ImageSetPage::setWatermarkWidth);
    connect(pSpin_WMHeight, spun, this, &ImageSetPage::setWatermarkHeight);
    connect(pSpin_WMFontSize, spun, this, &ImageSetPage::setWatermarkFontSize);
    connect(pBtn_WMChooseImg, &QPushButton::pressed, this, &ImageSetPage::chooseWatermarkPicture);
}

void ImageSetPage::stored(bool writeFile) {
    emit settingsChanged();
    if (writeFile)
        m_settings->Save();
}

void ImageSetPage::setRotationIndex(int quarterTurns) {
    pCombo_ImgRotate->setCurrentIndex(quarterTurns);
}

void ImageSetPage::setImageType(int index) {
    m_settings->imageType = index;
    stored();
}

void ImageSetPage::setNameRule(int index) {
    m_settings->nameType = index;
    stored();
}

void ImageSetPage::takeNamePrefix() {
    // Stored as typed: a name the file system refuses makes that later save fail visibly.
    m_settings->namePre = pLineEdit_NamePre->text();
    stored();
}

void ImageSetPage::setJpgQuality(int) {
    m_settings->jpgRate = pSlider_JPGRate->value();
    stored();
}

void ImageSetPage::setRotation(int index) {
    m_settings->docRotateAngle = (index >= 0 && index <= 3) ? kRotationAngles[index] : 0;
    stored();
}

QPushButton* ImageSetPage::typeButton(int type) const {
    return m_typeButtons[qBound(0, type, 3)];
}

void ImageSetPage::enableForType(int type) {
    const bool text = type == 1 || type == 2;
    const bool picture = type == 3;
    const bool any = type != 0;
    pLineEdit_WMContent->setEnabled(type == 2);
    pCombo_WMPosition->setEnabled(any);
    pBtn_WMColor->setEnabled(any);
    pSlider_WMOpacity->setEnabled(any);
    pSpin_WMWidth->setEnabled(picture);
    pSpin_WMHeight->setEnabled(picture);
    pLineEdit_WMImgPath->setEnabled(picture);
    pBtn_WMChooseImg->setEnabled(picture);
    pSpin_WMFontSize->setEnabled(text);
}

// The four type buttons behave like radio buttons, but through this slot rather than a button
// group, so that unchecking the active one is allowed and means "no watermark".
void ImageSetPage::watermarkTypeToggled(int type, bool checked) {
    if (checked) {
        for (int other = 0; other < 4; ++other)
            if (other != type)
                typeButton(other)->setChecked(false);
        m_settings->wmType = type;
        enableForType(type);
        stored();
        return;
    }
    for (QPushButton* b : m_typeButtons)
        if (b->isChecked())
            return;
    m_settings->wmType = 0;
    stored();
}

void ImageSetPage::takeWatermarkText() {
    m_settings->wmContent = pLineEdit_WMContent->text();
    stored();
}

void ImageSetPage::setWatermarkPosition(int index) {
    m_settings->wmPosition = index;
    stored();
}

void ImageSetPage::chooseWatermarkColour() {
    const QColor colour = QColorDialog::getColor(Qt::red, nullptr, QString());
    if (!colour.isValid())
        return;  // cancelled
    m_settings->wmColorR = colour.red();
    m_settings->wmColorG = colour.green();
    m_settings->wmColorB = colour.blue();
    stored();
    pBtn_WMColor->setStyleSheet(colourSheet(colour.red(), colour.green(), colour.blue()));
}

void ImageSetPage::setWatermarkOpacity(int value) {
    m_settings->wmOpacity = value;
    stored();
}

void ImageSetPage::setWatermarkWidth(int value) {
    // The only visible size control: picture stamps are stretched into a square box.
    m_settings->wmWidth = value;
    m_settings->wmHeight = value;
    stored();
}

void ImageSetPage::setWatermarkHeight(int value) {
    // Not written here; the value reaches the file with the next save of any setting.
    m_settings->wmHeight = value;
    stored(false);
}

void ImageSetPage::setWatermarkFontSize(int value) {
    m_settings->wmFontSize = value;
    stored();
}

void ImageSetPage::takeWatermarkPicturePath() {
    m_settings->wmImgPath = pLineEdit_WMImgPath->text();
    stored(false);
}

void ImageSetPage::chooseWatermarkPicture() {
    QFileDialog dialog(this, tr("Select Image File"), "./",
                       tr("Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)"));
    dialog.setOption(QFileDialog::ReadOnly, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().first();
    pLineEdit_WMImgPath->setText(file);
    m_settings->wmImgPath = file;
    // The scan-mode bar reads the shared record at capture time; only the file needs writing.
    m_settings->Save();
}
