#pragma once

#include <QWidget>

class AppSettings;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

// The "Img Set" page of the settings zone: image format, naming, JPG quality, document rotation
// and the watermark. Each change is written to the settings record and to Tesmora.ini at once
// (nothing is saved at exit) and reported with settingsChanged().
class ImageSetPage : public QWidget {
    Q_OBJECT

public:
    explicit ImageSetPage(AppSettings* settings, QWidget* parent = nullptr);

    // Shows the record. Runs before connect(), so it writes nothing.
    void fill();
    // Connects the controls to the slots below.
    void connectControls();
    // The document rotation in quarter turns (0..3); the rotation box stores it.
    void setRotationIndex(int quarterTurns);

public slots:
    void setImageType(int index);
    void setNameRule(int index);
    void takeNamePrefix();
    void setJpgQuality(int value);
    void setRotation(int index);
    // type: 0 none, 1 date and time, 2 text, 3 picture.
    void watermarkTypeToggled(int type, bool checked);
    void takeWatermarkText();
    void setWatermarkPosition(int index);
    void chooseWatermarkColour();
    void setWatermarkOpacity(int value);
    void setWatermarkWidth(int value);
    void setWatermarkHeight(int value);
    void setWatermarkFontSize(int value);
    void takeWatermarkPicturePath();
    void chooseWatermarkPicture();

signals:
    void settingsChanged();

private:
    void buildFormatControls(class QGridLayout* grid);
    void buildWatermarkControls(class QGridLayout* grid);
    void buildWatermarkStyleControls(class QGridLayout* grid);
    QPushButton* typeButton(int type) const;
    void enableForType(int type);
    void stored(bool writeFile = true);

    AppSettings* m_settings;
    QComboBox* pCombo_ImgFormat = nullptr;
    QComboBox* pCombo_NameRule = nullptr;
    QLineEdit* pLineEdit_NamePre = nullptr;
    QSlider* pSlider_JPGRate = nullptr;
    QComboBox* pCombo_ImgRotate = nullptr;
    QPushButton* m_typeButtons[4] = {};
    QLineEdit* pLineEdit_WMContent = nullptr;
    QComboBox* pCombo_WMPosition = nullptr;
    QPushButton* pBtn_WMColor = nullptr;
    QSlider* pSlider_WMOpacity = nullptr;
    QSpinBox* pSpin_WMWidth = nullptr;
    QSpinBox* pSpin_WMHeight = nullptr;
    QSpinBox* pSpin_WMFontSize = nullptr;
    QLineEdit* pLineEdit_WMImgPath = nullptr;
    QPushButton* pBtn_WMChooseImg = nullptr;
};
