#include "camera/CameraPage.h"

#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "app/PanelWidgets.h"

using namespace PanelWidgets;

CameraPage::CameraPage(QWidget* parent) : QWidget(parent) {
    setObjectName("pQWid_CameraPage");
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(2);
    buildSelectors();
    buildPictureControls();
    buildCaptureOptions();

    const int columnStretch[] = {12, 10, 10, 2};
    for (int c = 0; c < 4; ++c)
        m_grid->setColumnStretch(c, columnStretch[c]);
    for (int r = 0; r <= 11; ++r)
        m_grid->setRowStretch(r, 1);
    m_grid->setRowStretch(12, 3);
    for (int r = 0; r <= 11; ++r)
        if (r != 8)
            m_grid->setRowMinimumHeight(r, 30);

    connect(pCombo_Device, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CameraPage::deviceChosen);
    connect(pCombo_Resolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CameraPage::resolutionChosen);
    connect(pBtn_OpenDevice, &QPushButton::clicked, this, &CameraPage::openClicked);
    for (int p = 0; p < PictureCount; ++p)
        connect(m_sliders[p], &QSlider::valueChanged, this,
                [this, p](int value) { emit pictureChanged(Picture(p), value); });
}

void CameraPage::buildSelectors() {
    auto* devices = fieldLabel(tr("Devices:"), this);
    devices->setObjectName("pQLabel_Devicelist");
    pCombo_Device = combo(this, "pCombo_Device");
    m_grid->addWidget(devices, 0, 0, 1, 1, kLabelAlign);
    m_grid->addWidget(pCombo_Device, 0, 1, 1, 2, Qt::AlignVCenter);

    pCombo_Resolution = combo(this, "pCombo_Resolution");
    m_grid->addWidget(fieldLabel(tr("Resolution:"), this), 1, 0, 1, 1, kLabelAlign);
    m_grid->addWidget(pCombo_Resolution, 1, 1, 1, 2, Qt::AlignVCenter);

    pCombo_Format = combo(this, "pCombo_Format");
    m_grid->addWidget(fieldLabel(tr("Format:"), this), 2, 0, 1, 1, kLabelAlign);
    m_grid->addWidget(pCombo_Format, 2, 1, 1, 2, Qt::AlignVCenter);

    pBtn_OpenDevice = button(this, "pBtn_OpenDevice", tr("Open"));
    m_grid->addWidget(pBtn_OpenDevice, 3, 1, 1, 2, Qt::AlignVCenter);
}

void CameraPage::buildPictureControls() {
    const struct {
        Picture picture;
        const char* name;
        QString label;
    } sliders[] = {{Brightness, "pSlider_Brightness", tr("Brightness:")},
                   {Contrast, "pSlider_Contrast", tr("Contrast:")},
                   {Saturation, "pSlider_Saturation", tr("Saturation:")}};
    int row = 4;
    for (const auto& s : sliders) {
        m_sliders[s.picture] = tickedSlider(this, s.name);
        m_grid->addWidget(fieldLabel(s.label, this), row, 0, 1, 1, kLabelAlign);
        m_grid->addWidget(m_sliders[s.picture], row++, 1, 1, 2, Qt::AlignVCenter);
    }

    // Under mains-powered light a camera set to the wrong frequency shows bands rolling across
    // the page.
    m_grid->addWidget(fieldLabel(tr("Power Fre:"), this), 7, 0, 1, 1, kLabelAlign);
    pCombo_PowerFre = combo(this, "pCombo_PowerFre", {"50HZ", "60HZ"});
    m_grid->addWidget(pCombo_PowerFre, 7, 1, 1, 2, Qt::AlignVCenter);
    connect(pCombo_PowerFre, qOverload<int>(&QComboBox::activated), this,
            [this] { emit powerFrequencyChosen(powerFrequency()); });

    auto* focus = button(this, "pBtn_Focus", tr("Focus"));
    auto* reset = button(this, "pBtn_Reset", tr("Reset"));
    m_grid->addWidget(focus, 8, 1, 1, 1, Qt::AlignVCenter);
    m_grid->addWidget(reset, 8, 2, 1, 2, Qt::AlignVCenter);
    connect(focus, &QPushButton::clicked, this, &CameraPage::focusClicked);
    connect(reset, &QPushButton::clicked, this, &CameraPage::resetClicked);
}

void CameraPage::buildCaptureOptions() {
    auto* timerLabel = fieldLabel(tr("TakePhoto Timer:"), this);
    timerLabel->setObjectName("pQLabel_TakePhotoTime");
    // Wraps rather than crowding out "Merge Sub Cam" in the column beside it.
    timerLabel->setWordWrap(true);
    pCombo_TakePhotoTimer = combo(this, "pCombo_TakePhotoTimer",
                                  {"0S", "1S", "2S", "5S", "10S", "15S", "20S", "25S", "30S"});
    m_grid->addWidget(timerLabel, 9, 1, 1, 1);
    m_grid->addWidget(pCombo_TakePhotoTimer, 9, 2, 1, 1);

    pCheck_OpenViceCam = new QCheckBox(tr("Open Vice Cam"), this);
    pCheck_OpenViceCam->setObjectName("pCheck_OpenViceCam");
    auto* merge = new QCheckBox(tr("Merge Sub Cam"), this);
    merge->setObjectName("pCheck_MergeSubCam");
    // The column is narrow in some languages; the tool tip always carries the whole caption.
    pCheck_OpenViceCam->setToolTip(pCheck_OpenViceCam->text());
    merge->setToolTip(merge->text());
    m_grid->addWidget(pCheck_OpenViceCam, 10, 0, 1, 2, kLabelAlign);
    m_grid->addWidget(merge, 10, 2, 1, 1);

    auto* positionLabel = fieldLabel(tr("Position:"), this);
    positionLabel->setObjectName("pQLabel_VicePos");
    m_grid->addWidget(positionLabel, 11, 0, 1, 2);
    pCombo_VicePos = combo(this, "pCombo_VicePos",
                           {tr("LeftUp"), tr("RightUp"), tr("LeftDown"), tr("RightDown")});
    m_grid->addWidget(pCombo_VicePos, 11, 2, 1, 1);
    connect(pCheck_OpenViceCam, &QCheckBox::clicked, this, &CameraPage::subCameraClicked);
    connect(merge, &QCheckBox::clicked, this, &CameraPage::mergeSubCameraClicked);
}

int CameraPage::subPicturePosition() const {
    return pCombo_VicePos->currentIndex();
}

void CameraPage::showSubCameraClosed() {
    pCheck_OpenViceCam->setChecked(false);
}

void CameraPage::setDevices(const QStringList& names) {
    pCombo_Device->clear();
    // Inserting into the empty selector makes index 0 current, which reports it at once.
    pCombo_Device->addItems(names);
}

void CameraPage::replaceDevices(const QStringList& names, int current) {
    const QSignalBlocker block(pCombo_Device);
    pCombo_Device->clear();
    pCombo_Device->addItems(names);
    pCombo_Device->setCurrentIndex(current);
}

int CameraPage::powerFrequency() const {
    return pCombo_PowerFre->currentIndex() == 1 ? 60 : 50;
}

void CameraPage::setPowerFrequency(int hertz) {
    const QSignalBlocker block(pCombo_PowerFre);
    pCombo_PowerFre->setCurrentIndex(hertz == 60 ? 1 : 0);
}

void CameraPage::chooseDevice(int index) {
    pCombo_Device->setCurrentIndex(index);
}

void CameraPage::setResolutions(const QStringList& sizes, int current) {
    pCombo_Resolution->clear();
    pCombo_Resolution->addItems(sizes);
    pCombo_Resolution->setCurrentIndex(current);
}

void CameraPage::setFormats(const QStringList& formats, int current) {
    pCombo_Format->clear();
    pCombo_Format->addItems(formats);
    if (current >= 0)
        pCombo_Format->setCurrentIndex(current);
}

int CameraPage::currentDevice() const {
    return pCombo_Device->currentIndex();
}

QString CameraPage::currentDeviceName() const {
    return pCombo_Device->currentText();
}

QString CameraPage::currentResolution() const {
    return pCombo_Resolution->currentText();
}

int CameraPage::currentResolutionIndex() const {
    return pCombo_Resolution->currentIndex();
}

QString CameraPage::currentFormat() const {
    return pCombo_Format->currentText();
}

int CameraPage::currentFormatIndex() const {
    return pCombo_Format->currentIndex();
}

void CameraPage::showPreviewRunning(bool running) {
    pBtn_OpenDevice->setText(running ? tr("Close") : tr("Open"));
    if (running)
        pCombo_Format->setEnabled(false);
}

void CameraPage::showPreviewStopped(bool unlockSelectors) {
    if (unlockSelectors) {
        for (QComboBox* c : {pCombo_Device, pCombo_Resolution, pCombo_Format}) {
            c->setEnabled(true);
            c->setCursor(Qt::PointingHandCursor);
        }
    }
    pBtn_OpenDevice->setText(tr("Open"));
    // Only the display goes back to 0: writing 0 to the camera as well would leave it dark and
    // flat, and the next open reads the current values back into the sliders.
    for (int p = 0; p < PictureCount; ++p)
        showPictureValue(Picture(p), 0);
}

void CameraPage::showPreviewOpening(bool opening) {
    if (!opening) {
        for (QWidget* w : std::exchange(m_heldForOpening, {}))
            w->setEnabled(true);
        return;
    }
    QList<QWidget*> held = {pCombo_Device,
                            pCombo_Resolution,
                            pCombo_Format,
                            pBtn_OpenDevice,
                            findChild<QPushButton*>("pBtn_Focus"),
                            findChild<QPushButton*>("pBtn_Reset")};
    for (QSlider* s : m_sliders)
        held << s;
    for (QWidget* w : held)
        if (w && w->isEnabled()) {
            w->setEnabled(false);
            m_heldForOpening << w;
        }
}

void CameraPage::setPictureRange(Picture p, int minimum, int maximum, int value) {
    const QSignalBlocker block(slider(p));
    slider(p)->setMaximum(maximum);
    slider(p)->setMinimum(minimum);
    slider(p)->setValue(value);
}

void CameraPage::showPictureValue(Picture p, int value) {
    const QSignalBlocker block(slider(p));
    slider(p)->setValue(value);
}

int CameraPage::pictureValue(Picture p) const {
    return slider(p)->value();
}

int CameraPage::seriesSeconds() const {
    static const int seconds[] = {0, 1, 2, 5, 10, 15, 20, 25, 30};
    const int index = pCombo_TakePhotoTimer->currentIndex();
    return index >= 0 && index < 9 ? seconds[index] : 0;
}

void CameraPage::lockForSeries(bool locked) {
    pCombo_TakePhotoTimer->setEnabled(!locked);
    pCheck_OpenViceCam->setEnabled(!locked);
}
