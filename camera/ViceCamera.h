#pragma once

#include <KELM_CamCtl.h>

#include <QImage>
#include <QObject>
#include <QString>

#include <memory>

class AppSettings;
class Log;
class QLabel;
class QTimer;

// The small second camera beside the document camera: its own copy of the camera library, its
// live picture in a label over the preview's corner, and its picture saved beside each capture or
// pasted into a corner of it. The library and the found device are kept once opened, so a later
// opening only starts the stream again.
class ViceCamera : public QObject {
    Q_OBJECT

public:
    enum Corner { LeftUp, RightUp, LeftDown, RightDown };

    ViceCamera(AppSettings* settings, Log* log, QLabel* pictureLabel, QObject* parent = nullptr);
    ~ViceCamera() override;

    // 1 running; -1 or -2 when it could not be opened (openFailed() carries the message).
    int open();
    void close();
    bool running() const { return subRunning; }
    void setMerge(bool on) { mergeFlag = on; }
    // The newest sub picture (RGB888, resolution record 0's size); null before the first frame.
    QImage frame() const { return m_frame; }

    // After a capture was saved under fileName: the sub picture goes beside it ("_vice") or, with
    // merging on, into its corner. Returns the file written (empty when none).
    QString addToCapture(const QString& fileName, int corner);
    // The side file of a capture: "_vice" before the suffix, with "_2", "_3"... when taken.
    static QString sidePath(const QString& fileName);
    // The corner's top-left pixel for a w x h picture in a W x H image.
    static QPoint cornerOrigin(int corner, QSize image, QSize picture);

public slots:
    // One frame into the label.
    void preview();

signals:
    void openFailed(QString message);
    // The camera stopped delivering (unplugged): the sub camera is closed.
    void lost();

private:
    int load();
    bool findDevice();
    QString writeSide(const QString& fileName);
    QString merge(const QString& fileName, int corner);

    using InitFn = int(KELM_CamInit*);
    using DeviceListFn = int(KELM_CamDevice*, int);
    using ResolutionListFn = int(int, KELM_CamResolution*, int);
    using StartFn = int(int, int);
    using QueryFn = int(unsigned char*, int*, int*, int*);
    using StopFn = int();
    using Bgr2RgbFn = int(int);

    AppSettings* m_settings;
    Log* m_log;
    QLabel* m_label;
    QTimer* m_timer;
    StartFn* m_startPreview = nullptr;
    QueryFn* m_queryFrame = nullptr;
    StopFn* m_stopPreview = nullptr;
    int m_device = 0;
    int m_resolution = 0;
    QImage m_frame;
    std::unique_ptr<unsigned char[]> m_buffer;
    bool subRunning = false;
    bool mergeFlag = false;
};
