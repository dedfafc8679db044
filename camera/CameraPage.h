#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// The "Camera" page of the settings zone: device, resolution and format selectors, the open
// button, the picture sliders, focus and reset, the timed-capture interval and the sub-camera
// options. It only shows what its controllers tell it and reports what the user does.
class CameraPage : public QWidget {
    Q_OBJECT

public:
    enum Picture { Brightness, Contrast, Saturation, PictureCount };

    explicit CameraPage(QWidget* parent = nullptr);

    // Selector contents. Filling a selector reports its new current entry like a user choice.
    void setDevices(const QStringList& names);
    void chooseDevice(int index);
    // A fresh device list with `current` chosen, reported as nothing: the camera stays as it is.
    void replaceDevices(const QStringList& names, int current);
    void setResolutions(const QStringList& sizes, int current);
    void setFormats(const QStringList& formats, int current);
    int currentDevice() const;
    QString currentDeviceName() const;
    QString currentResolution() const;
    int currentResolutionIndex() const;
    QString currentFormat() const;
    int currentFormatIndex() const;

    // Running: "Close", the format locked. Stopped: "Open", every selector free again.
    void showPreviewRunning(bool running);
    void showPreviewStopped(bool unlockSelectors);
    // While a camera is being started the selectors, the open button and the picture controls
    // wait for it; false gives them back as they were.
    void showPreviewOpening(bool opening);

    // Slider display only: nothing is reported back.
    void setPictureRange(Picture p, int minimum, int maximum, int value);
    void showPictureValue(Picture p, int value);
    int pictureValue(Picture p) const;

    // Mains frequency in Hz shown in "Power Fre:" (50 or 60); setting it reports nothing.
    int powerFrequency() const;
    void setPowerFrequency(int hertz);

    // Seconds between timed captures, 0 for a single capture.
    int seriesSeconds() const;
    // While a timed series runs, its interval and the sub camera stay as they are.
    void lockForSeries(bool locked);
    // The corner chosen under "Position:" (0 LeftUp, 1 RightUp, 2 LeftDown, 3 RightDown).
    int subPicturePosition() const;
    // Unchecks "Open Vice Cam" when the sub camera went away by itself.
    void showSubCameraClosed();

signals:
    void deviceChosen(int index);
    void resolutionChosen(int index);
    void openClicked();
    // The user moved a picture slider.
    void pictureChanged(CameraPage::Picture p, int value);
    void focusClicked();
    void resetClicked();
    void powerFrequencyChosen(int hertz);
    void subCameraClicked(bool checked);
    void mergeSubCameraClicked(bool checked);

private:
    void buildSelectors();
    void buildPictureControls();
    void buildCaptureOptions();
    QSlider* slider(Picture p) const { return m_sliders[p]; }

    class QGridLayout* m_grid = nullptr;
    QComboBox* pCombo_Device = nullptr;
    QComboBox* pCombo_Resolution = nullptr;
    QComboBox* pCombo_Format = nullptr;
    QPushButton* pBtn_OpenDevice = nullptr;
    QSlider* m_sliders[PictureCount] = {};
    QComboBox* pCombo_PowerFre = nullptr;
    QComboBox* pCombo_TakePhotoTimer = nullptr;
    QCheckBox* pCheck_OpenViceCam = nullptr;
    QComboBox* pCombo_VicePos = nullptr;
    QList<QWidget*> m_heldForOpening;  // enabled before the opening, disabled during it
};
