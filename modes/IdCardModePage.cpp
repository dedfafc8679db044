#include "modes/IdCardModePage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QPainter>
#include <QPushButton>

#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/TempFiles.h"
#include "output/OutputPipeline.h"

namespace {

CImagePreview* makeTile(QWidget* page, const QString& text, const char* icon) {
    auto* tile = new CImagePreview(page);
    tile->SetText(text);
    tile->SetIcon(QString::fromLatin1(icon));
    return tile;
}

// The portrait goes into the free space beside the front side's photo: 320 x 240 pixels, 620
// from the right edge and 2440 from the bottom of the page.
void drawPortrait(QImage& page, const QImage& face) {
    const int x = page.width() < 320 ? 0 : page.width() - 620;
    const int y = page.height() - 2440;
    QPainter painter(&page);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(x, y, 320, 240), face);
}

}  // namespace

IdCardModePage::IdCardModePage(OutputPipeline* output, ImageProcessor* processor, TempFiles* temp,
                               QWidget* parent)
    : ScanModePage(output, processor, parent), m_temp(temp) {
    QGridLayout* grid = pageGrid({3, 1, 3, 3, 3, 10, 3, 4});
    m_tiles[Front] = makeTile(this, tr("Positive"), ":/new/prefix1/Res/UI/Pre_ID_Up_S.png");
    m_tiles[Back] = makeTile(this, tr("Negtive"), ":/new/prefix1/Res/UI/Pre_ID_Down_S.png");
    m_face = makeTile(this, tr("Person"), ":/new/prefix1/Res/UI/face.png");
    m_face->hide();

    auto* exchange = new QPushButton(this);
    exchange->setObjectName(QStringLiteral("pQbtn_IDMode_Exchange"));
    exchange->setToolTip(tr("Exchange"));
    auto* rotate = new QPushButton(this);
    rotate->setObjectName(QStringLiteral("pQbtn_IDMode_Rotate"));
    rotate->setToolTip(tr("Selected image rotates 180"));

    m_faceDetection = new QCheckBox(tr("Matches"), this);
    m_autoIdentify = new QCheckBox(tr("Automatic identification of ID"), this);
    m_faceAccept = new QCheckBox(tr("Identity card automatically corrects"), this);
    m_faceAccept->setChecked(true);
    m_faceAccept->hide();
    m_portrait = new QCheckBox(tr("Save with portrait"), this);
    m_portrait->setChecked(true);
    m_portrait->hide();
    QPushButton* save = saveButton(tr("Save"));
    QPushButton* merge = saveButton(tr("Merge"));

    grid->addWidget(m_tiles[Front], 0, 0, 4, 1);
    grid->addWidget(exchange, 1, 1);
    grid->addWidget(rotate, 2, 1);
    grid->addWidget(m_tiles[Back], 0, 2, 4, 1);
    grid->addWidget(m_faceDetection, 1, 3);
    grid->addWidget(m_autoIdentify, 2, 3);
    grid->addWidget(m_face, 0, 4, 4, 1);
    grid->addWidget(m_faceAccept, 2, 5);
    grid->addWidget(m_portrait, 3, 5);
    grid->addWidget(save, 2, 7);
    grid->addWidget(merge, 3, 7);

    connect(exchange, &QPushButton::clicked, this, &IdCardModePage::exchangeSides);
    connect(rotate, &QPushButton::clicked, this, &IdCardModePage::rotateSide);
    connect(m_faceDetection, &QCheckBox::clicked, this, &IdCardModePage::setFaceDetection);
    connect(save, &QPushButton::clicked, this, &IdCardModePage::saveSeparately);
    connect(merge, &QPushButton::clicked, this, &IdCardModePage::saveMerged);
}

void IdCardModePage::setSettings(AppSettings* settings) {
    ScanModePage::setSettings(settings);
    if (settings && !settings->faceDetectionEnabled) {
        m_faceDetection->hide();
        showFaceControls(false);
    }
}

void IdCardModePage::showFaceControls(bool shown) {
    m_face->setVisible(shown);
    m_portrait->setVisible(shown);
    m_faceAccept->setVisible(shown);
}

void IdCardModePage::setFaceDetection(bool on) {
    emit faceDetectionChanged(on);
    showFaceControls(on);
    if (!on) {
        m_face->ClearImage();
        m_faceImage = QImage();
    }
}

void IdCardModePage::updateFaceImage(const QImage& face) {
    if (face.isNull() || !m_faceAccept->isChecked())
        return;
    // The sender may reuse its picture as soon as this returns.
    m_faceImage = face.copy();
    m_face->SetImage(&m_faceImage);
    writeIntermediate(m_worker, m_faceImage, m_temp->facePath());
}

void IdCardModePage::takeCapture(const QImage& capture) {
    const bool autoIdentify = m_autoIdentify->isChecked();
    const int generation = m_generation;
    m_worker.run([this, capture, autoIdentify, generation](ImageProcessor& p) -> ModeWorker::Then {
        QImage input = capture;
        const QImage card = ImageProcessor::TakeImage(p.CalibrateCard(&input, autoIdentify));
        return [this, capture, card, generation] { cardCalibrated(capture, card, generation); };
    });
}

// The side a new card goes to: a clicked tile chooses it, else the empty side, else the front.
// The tile selections then point at the side the next capture will most likely fill.
IdCardModePage::Side IdCardModePage::sideForCapture() {
    CImagePreview* front = m_tiles[Front];
    CImagePreview* back = m_tiles[Back];
    Side side = Front;
    if (front->selected && !back->selected) {
        back->SetSelected(!back->hasImage);
    } else if (!front->selected && back->selected) {
        side = Back;
        front->SetSelected(!front->hasImage);
    } else if (front->hasImage != back->hasImage) {
        side = front->hasImage ? Back : Front;
    } else {
        back->SetSelected(true);
    }
    m_tiles[side]->SetSelected(false);
    return side;
}

void IdCardModePage::cardCalibrated(const QImage& capture, const QImage& card, int generation) {
    if (generation != m_generation)
        return;
    if (card.isNull()) {
        logFailure(
            QStringLiteral("ID card: no card found in the capture; the sides are unchanged"));
        return;
    }
    const Side s = sideForCapture();
    m_sides[s].capture = capture;
    setSideCard(s, card);
    if (s == Front)
        emit frontCalibrated(card);
}

void IdCardModePage::setSideCard(Side s, const QImage& card) {
    if (card.isNull())
        return;
    m_sides[s].card = card;
    m_tiles[s]->SetImage(&card);
    writeSideFile(s);
}

void IdCardModePage::writeSideFile(Side s) {
    writeIntermediate(m_worker, m_sides[s].card,
                      s == Front ? m_temp->frontPath() : m_temp->backPath());
}

void IdCardModePage::clearSide(Side s) {
    m_sides[s] = CardSide();
    m_tiles[s]->ClearImage();
}

void IdCardModePage::exchangeSides() {
    CImagePreview* front = m_tiles[Front];
    CImagePreview* back = m_tiles[Back];
    if (!front->hasImage && !back->hasImage)
        return;
    if (front->hasImage != back->hasImage) {
        // The side moves over and its tile is chosen for the next capture of the empty one.
        const Side from = front->hasImage ? Front : Back;
        const Side to = from == Front ? Back : Front;
        m_sides[to] = m_sides[from];
        m_tiles[to]->SetImage(m_tiles[from]->Image());
        clearSide(from);
        m_tiles[Front]->SetSelected(to == Back);
        m_tiles[Back]->SetSelected(to == Front);
        writeSideFile(to);
        return;
    }
    std::swap(m_sides[Front], m_sides[Back]);
    const QImage frontThumb = *front->Image();
    front->SetImage(back->Image());
    back->SetImage(&frontThumb);
    front->SetSelected(true);
    back->SetSelected(true);
    writeSideFile(Front);
    writeSideFile(Back);
}

void IdCardModePage::rotateSide() {
    for (Side s : {Front, Back}) {
        if (!m_tiles[s]->selected || !m_tiles[s]->hasImage)
            continue;
        m_tiles[s]->Rotate180();
        m_sides[s].card = m_sides[s].card.mirrored(true, true);
        writeSideFile(s);
    }
}

void IdCardModePage::saveSeparately() {
    if (!m_tiles[Front]->hasImage && !m_tiles[Back]->hasImage)
        return;
    m_face->ClearImage();
    m_faceImage = QImage();
    // Named by the output pipeline: the next free name, so an older card is never replaced.
    m_output->saveSides({{QStringLiteral("Up"), m_sides[Front].card},
                         {QStringLiteral("Down"), m_sides[Back].card}});
    clearSide(Front);
    clearSide(Back);
}

void IdCardModePage::saveMerged() {
    if (!m_tiles[Front]->hasImage || !m_tiles[Back]->hasImage) {
        logFailure(QStringLiteral("ID card: \"Merge\" needs both sides of the card"));
        return;
    }
    struct Input {
        QString path;
        QImage card;
    };
    const Input sides[2] = {{m_temp->frontPath(), m_sides[Front].card},
                            {m_temp->backPath(), m_sides[Back].card}};
    const QImage face = m_face->hasImage && m_portrait->isChecked() ? m_faceImage : QImage();
    const int type = m_settings ? m_settings->imageType : 1;
    const int quality = m_settings ? m_settings->jpgRate : 90;
    m_worker.run([this, sides, face, type, quality](ImageProcessor& p) -> ModeWorker::Then {
        // The library reads the sides from their files; one deleted meanwhile is written again
        // from the kept card rather than losing the page.
        QStringList problems;
        for (const Input& side : sides) {
            if (QFileInfo::exists(side.path))
                continue;
            QString error;
            problems << QStringLiteral("ID card: intermediate file \"%1\" was missing%2")
                            .arg(side.path,
                                 TempFiles::Write(side.card, side.path, type, quality, &error)
                                     ? QStringLiteral("; written again")
                                     : QStringLiteral(": ") + error);
        }
        QImage page = ImageProcessor::TakeImage(p.SynthesizeCardPage(sides[0].path, sides[1].path));
        if (!page.isNull() && !face.isNull())
            drawPortrait(page, face);
        return [this, problems, page] {
            for (const QString& problem : problems)
                logFailure(problem);
            if (page.isNull())
                logFailure(QStringLiteral("ID card: the card page could not be composed"));
            else
                m_output->save(page);
        };
    });
    for (Side s : {Front, Back})
        clearSide(s);
    m_face->ClearImage();
    m_faceImage = QImage();
}

void IdCardModePage::reset() {
    ++m_generation;
    clearSide(Front);
    clearSide(Back);
    m_face->ClearImage();
    m_faceImage = QImage();
}

bool IdCardModePage::waitForIdle(int msecs) {
    return m_worker.waitForIdle(msecs);
}

void IdCardModePage::leave() {
    if (!m_faceDetection->isChecked())
        return;
    m_faceDetection->setChecked(false);
    showFaceControls(false);
    emit faceDetectionChanged(false);
}
