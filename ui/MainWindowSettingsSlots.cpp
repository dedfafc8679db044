// Slots behind the settings panel. Each one changes one field of the shared settings record,
// hands the record to the scan-mode bar again, and writes Tesmora.ini at once: nothing is saved
// at exit, so a setting that is not written here is lost.
#include <QColorDialog>
#include <QComboBox>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QUrl>

#include "app/AppSettings.h"
#include "ui/MainWindow.h"
#include "modes/CPreConfigBar.h"

void MainWindow::announceSettings() {
    if (m_preConfigBar)
        m_preConfigBar->SetSettings(m_settings);
}

void MainWindow::saveSettings() {
    m_settings->Save();
}

// --------------------------------------------------------------------------- image output

void MainWindow::Handle_ImageTypeChanged(int index) {
    m_settings->imageType = index;
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_ImageNamedTypeChanged(int index) {
    m_settings->nameType = index;
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_ImageNamePreChanged() {
    // Stored as typed: a name the file system refuses makes that later save fail visibly.
    m_settings->namePre = pLineEdit_NamePre->text();
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_JPGComPressRateChanged(int) {
    m_settings->jpgRate = pSlider_JPGRate->value();
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_DocModeRotateAngleChange(int index) {
    static const int angles[] = {0, 90, 180, 270};
    m_settings->docRotateAngle = (index >= 0 && index <= 3) ? angles[index] : 0;
    announceSettings();
    saveSettings();
}

// ------------------------------------------------------------------------------ watermark

QPushButton* MainWindow::watermarkTypeButton(int type) const {
    switch (type) {
        case 0:
            return pBtn_WaterMarkType_None;
        case 1:
            return pBtn_WaterMarkType_DateTime;
        case 2:
            return pBtn_WaterMarkType_Text;
        default:
            return pBtn_WaterMarkType_Pic;
    }
}

void MainWindow::setWatermarkWidgetsEnabled(int type) {
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

// The four type buttons behave like radio buttons, but through these slots rather than a button
// group, so that unchecking the active one is allowed and means "no watermark".
void MainWindow::watermarkTypeToggled(int type, bool checked) {
    if (checked) {
        for (int other = 0; other < 4; ++other)
            if (other != type)
                watermarkTypeButton(other)->setChecked(false);
        m_settings->wmType = type;
        setWatermarkWidgetsEnabled(type);
        announceSettings();
        saveSettings();
        return;
    }
    for (int t = 0; t < 4; ++t)
        if (watermarkTypeButton(t)->isChecked())
            return;
    m_settings->wmType = 0;
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_WaterMarkType_None(bool checked) {
    watermarkTypeToggled(0, checked);
}

void MainWindow::Handle_WaterMarkType_DateTime(bool checked) {
    watermarkTypeToggled(1, checked);
}

void MainWindow::Handle_WaterMarkType_Text(bool checked) {
    watermarkTypeToggled(2, checked);
}

void MainWindow::Handle_WaterMarkType_Img(bool checked) {
    watermarkTypeToggled(3, checked);
}

void MainWindow::Handle_WaterMarkContentEditFinshed() {
    m_settings->wmContent = pLineEdit_WMContent->text();
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_WaterMarkPositionChange(int index) {
    m_settings->wmPosition = index;
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_WaterMarkColorSelect() {
    const QColor colour = QColorDialog::getColor(Qt::red, nullptr, QString());
    if (!colour.isValid())
        return;  // cancelled
    m_settings->wmColorR = colour.red();
    m_settings->wmColorG = colour.green();
    m_settings->wmColorB = colour.blue();
    announceSettings();
    saveSettings();
    pBtn_WMColor->setStyleSheet(QString("background: rgb(%1,%2,%3)")
                                    .arg(colour.red())
                                    .arg(colour.green())
                                    .arg(colour.blue()));
}

void MainWindow::Handle_WaterMarkOpacityChanged(int value) {
    m_settings->wmOpacity = value;
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_WaterSizeWidgetChanged(int value) {
    // The only visible size control: picture stamps are stretched into a square box.
    m_settings->wmWidth = value;
    m_settings->wmHeight = value;
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_WaterSizeHeightChanged(int value) {
    // Not written here; the value reaches the file with the next save of any setting.
    m_settings->wmHeight = value;
    announceSettings();
}

void MainWindow::Handle_WaterMarkFontSizeChanged(int value) {
    m_settings->wmFontSize = value;
    announceSettings();
    saveSettings();
}

void MainWindow::Handle_WaterMarkImgPathChanged() {
    m_settings->wmImgPath = pLineEdit_WMImgPath->text();
    announceSettings();
}

void MainWindow::Handle_WaterMarkImgPathSelected() {
    QFileDialog dialog(this, tr("Select Image File"), "./",
                       tr("Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)"));
    dialog.setOption(QFileDialog::ReadOnly, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return;
    pLineEdit_WMImgPath->setText(files.first());
    m_settings->wmImgPath = files.first();
    // The scan-mode bar reads the shared record at capture time; only the file needs writing.
    saveSettings();
}

// -------------------------------------------------------------------------- output folder

void MainWindow::Handle_OpenBaseDir() {
    QString dir = pLbl_BaseDir->text();
    dir.replace('\\', '/');
    QDesktopServices::openUrl(QUrl::fromLocalFile(dir));
    focusCaptureButton();
}

void MainWindow::Handle_SelectBaseDir() {
    const QString dir = QFileDialog::getExistingDirectory(
        this, tr("Select Directory"), "./",
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (dir.isEmpty())
        return;  // cancelled
    m_settings->baseDir = dir;
    announceSettings();
    pLbl_BaseDir->setText(dir);
    pLbl_BaseDir->setToolTip(dir);
    saveSettings();
}
