#include "modes/IdCardModePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

#include "app/AppSettings.h"
#include "modes/CImagePreview.h"

namespace {
CImagePreview* makeTile(QWidget* page, const QString& text, const char* icon) {
    auto* tile = new CImagePreview(page);
    tile->SetText(text);
    tile->SetIcon(QString::fromLatin1(icon));
    return tile;
}
}  // namespace

IdCardModePage::IdCardModePage(OutputPipeline* output, ImageProcessor* processor, QWidget* parent)
    : ScanModePage(output, processor, parent) {
    QGridLayout* grid = pageGrid({3, 1, 3, 3, 3, 10, 3, 4});
    m_front = makeTile(this, tr("Positive"), ":/new/prefix1/Res/UI/Pre_ID_Up_S.png");
    m_back = makeTile(this, tr("Negtive"), ":/new/prefix1/Res/UI/Pre_ID_Down_S.png");
    m_face = makeTile(this, tr("Person"), ":/new/prefix1/Res/UI/face.png");
    m_face->hide();

    auto* exchange = new QPushButton(this);
    exchange->setObjectName(QStringLiteral("pQbtn_IDMode_Exchange"));
    exchange->setToolTip(tr("Exchange"));
    auto* rotate = new QPushButton(this);
    rotate->setObjectName(QStringLiteral("pQbtn_IDMode_Rotate"));
    rotate->setToolTip(tr("Selected image rotates 180"));

    m_faceDetection = new QCheckBox(tr("Matches"), this);
    auto* autoIdentify = new QCheckBox(tr("Automatic identification of ID"), this);
    m_faceAccept = new QCheckBox(tr("Identity card automatically corrects"), this);
    m_faceAccept->setChecked(true);
    m_faceAccept->hide();
    m_portrait = new QCheckBox(tr("Save with portrait"), this);
    m_portrait->setChecked(true);
    m_portrait->hide();
    QPushButton* save = saveButton(tr("Save"));
    QPushButton* merge = saveButton(tr("Merge"));

    grid->addWidget(m_front, 0, 0, 4, 1);
    grid->addWidget(exchange, 1, 1);
    grid->addWidget(rotate, 2, 1);
    grid->addWidget(m_back, 0, 2, 4, 1);
    grid->addWidget(m_faceDetection, 1, 3);
    grid->addWidget(autoIdentify, 2, 3);
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
    if (!on)
        m_face->ClearImage();
}

void IdCardModePage::updateFaceImage(const QImage& face) {
    if (!face.isNull())
        m_face->SetImage(&face);
}

void IdCardModePage::takeCapture(const QImage&) {}

void IdCardModePage::reset() {
    for (CImagePreview* tile : {m_front, m_back, m_face})
        tile->ClearImage();
}

void IdCardModePage::leave() {
    if (!m_faceDetection->isChecked())
        return;
    m_faceDetection->setChecked(false);
    showFaceControls(false);
    emit faceDetectionChanged(false);
}
