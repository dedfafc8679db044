#pragma once

#include "modes/ModeWorker.h"
#include "modes/ScanModePage.h"

class CImagePreview;
class QCheckBox;
class QPushButton;
class TempFiles;

// Identity-card mode: the front and back of a card are captured one after the other (or into the
// side whose tile was clicked), cut out and straightened, and shown in the "Positive" and
// "Negtive" tiles; "Save" writes the two sides, "Merge" composes them onto one A4 page. The
// sides can be exchanged and turned. Each side is kept in memory (its capture and its card) and
// mirrored into an intermediate file, which the page composition of the library reads.
class IdCardModePage : public ScanModePage {
    Q_OBJECT

public:
    enum Side { Front = 0, Back = 1 };
    // The capture a side was cut from and the straightened card: a cut can be redone from the
    // capture (with corrected corners) and handed back with setSideCard().
    struct CardSide {
        QImage capture;
        QImage card;
    };

    IdCardModePage(OutputPipeline* output, ImageProcessor* processor, TempFiles* temp,
                   QWidget* parent = nullptr);

    void setSettings(AppSettings* settings) override;
    void takeCapture(const QImage& capture) override;
    void reset() override;
    bool waitForIdle(int msecs = 30000) override;
    // Leaving the mode switches the face comparison off.
    void leave();

    const CardSide& side(Side s) const { return m_sides[s]; }
    // A side's card replaced; its tile and intermediate file follow.
    void setSideCard(Side s, const QImage& card);
    CImagePreview* tile(Side s) const { return m_tiles[s]; }
    CImagePreview* faceTile() const { return m_face; }
    QCheckBox* portraitBox() const { return m_portrait; }
    QCheckBox* faceAcceptBox() const { return m_faceAccept; }

public slots:
    void setFaceDetection(bool on);
    // A portrait from the face comparison, taken while "Identity card automatically corrects"
    // is checked.
    void updateFaceImage(const QImage& face);
    void saveMerged();
    void saveSeparately();
    void exchangeSides();
    void rotateSide();

signals:
    void faceDetectionChanged(bool on);
    // Every straightened front side, for the face comparison.
    void frontCalibrated(QImage card);

private:
    void showFaceControls(bool shown);
    void cardCalibrated(const QImage& capture, const QImage& card, int generation);
    Side sideForCapture();
    // Queues the side's intermediate file to be written from the kept card.
    void writeSideFile(Side s);
    void clearSide(Side s);

    CImagePreview* m_tiles[2] = {};
    CImagePreview* m_face = nullptr;
    QCheckBox* m_faceDetection = nullptr;
    QCheckBox* m_autoIdentify = nullptr;
    QCheckBox* m_faceAccept = nullptr;
    QCheckBox* m_portrait = nullptr;

    TempFiles* m_temp;
    CardSide m_sides[2];
    QImage m_faceImage;
    // Advanced when the user leaves the mode: results of captures taken before are dropped.
    int m_generation = 0;
    ModeWorker m_worker;
};
