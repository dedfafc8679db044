#include "modes/CPreConfigBar.h"

#include <QAbstractButton>
#include <QFile>
#include <QPainter>
#include <QStyleOption>
#include <QTabWidget>
#include <QVBoxLayout>

#include "modes/BookModePage.h"
#include "modes/DocumentModePage.h"
#include "modes/IdCardModePage.h"
#include "modes/ImageProcessor.h"
#include "modes/SheetModePage.h"
#include "modes/TempFiles.h"
#include "output/OutputPipeline.h"

CPreConfigBar::CPreConfigBar(QWidget* parent)
    : QWidget(parent),
      m_temp(std::make_unique<TempFiles>()),
      m_processor(std::make_unique<ImageProcessor>()),
      m_output(std::make_unique<OutputPipeline>()) {
    qRegisterMetaType<ControlMode>("ControlMode");
    m_temp->InitTempFiles();
    m_processor->Load();
    ImageProcessor* p = m_processor.get();
    OutputPipeline* out = m_output.get();
    m_doc = new DocumentModePage(out, p);
    m_idCard = new IdCardModePage(out, p, m_temp.get());
    m_sheet = new SheetModePage(out, p);
    m_book = new BookModePage(out, p, m_temp.get());
    // A click on a page's box or button leaves the keyboard focus where it was (the capture
    // button), so that Space still captures instead of toggling the box just clicked.
    for (ControlMode m : {DocMode, IDMode, SheetMode, BookMode})
        for (QAbstractButton* b : page(m)->findChildren<QAbstractButton*>())
            b->setFocusPolicy(Qt::TabFocus);

    // The tab index is the ControlMode value.
    tabWidget = new QTabWidget(this);
    tabWidget->addTab(m_doc, QIcon(QStringLiteral(":/new/prefix1/Res/UI/TabBar_Doc.png")),
                      tr("Doc"));
    tabWidget->addTab(m_idCard, QIcon(QStringLiteral(":/new/prefix1/Res/UI/TabBar_IDCard.png")),
                      tr("Id Card"));
    tabWidget->addTab(m_sheet, QIcon(QStringLiteral(":/new/prefix1/Res/UI/TabBar_Sheet.png")),
                      tr("Sheet"));
    tabWidget->addTab(m_book, QIcon(QStringLiteral(":/new/prefix1/Res/UI/TabBar_Book.png")),
                      tr("Book"));
    tabWidget->setMaximumHeight(300);
    tabWidget->setTabPosition(QTabWidget::South);
    QFile css(QStringLiteral(":/Black_Top_QTabWidget.css"));
    if (css.open(QIODevice::ReadOnly))
        tabWidget->setStyleSheet(QString::fromUtf8(css.readAll()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabWidget);

    connect(tabWidget, &QTabWidget::currentChanged, this, &CPreConfigBar::HandleTabWidgetSelected);
    connect(m_doc, &DocumentModePage::originChosen, this, &CPreConfigBar::originImgWidgetCliked);
    connect(m_doc, &DocumentModePage::treatmentChosen, this,
            &CPreConfigBar::notOriginImgModeSignal);
    connect(m_idCard, &IdCardModePage::faceDetectionChanged, this,
            &CPreConfigBar::Signal_FaceDetectionStatus);
    connect(m_idCard, &IdCardModePage::frontCalibrated, this,
            &CPreConfigBar::Signal_IDMode_GetMainQImage);
    connect(out, &OutputPipeline::saved, this, &CPreConfigBar::Signal_SaveImageToDisk);
    connect(out, &OutputPipeline::naming, this, &CPreConfigBar::sendFileNameAndImg);
}

CPreConfigBar::~CPreConfigBar() {
    // Captures still in processing are finished and written, so closing the window right after
    // a capture loses no page; nobody is told any more, the window is going. Blocked rather than
    // disconnected: a widget still announces its own destruction, which the style sheet's
    // caches rely on to forget it.
    blockSignals(true);
    WaitForSaves();
    // The pages refer to the pipeline, the processor and the intermediate files: they go first,
    // finishing what they still write.
    delete tabWidget;
    m_temp->RemoveTempDir();
}

void CPreConfigBar::paintEvent(QPaintEvent*) {
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CPreConfigBar::SetSettings(AppSettings* s) {
    m_output->setSettings(s);
    for (ControlMode m : {DocMode, IDMode, SheetMode, BookMode})
        page(m)->setSettings(s);
}

bool CPreConfigBar::WaitForSaves(int msecs) {
    m_sheet->waitForCaptures();
    bool done = true;
    for (ControlMode m : {DocMode, IDMode, SheetMode, BookMode})
        done = page(m)->waitForIdle(msecs) && done;
    return m_output->waitForSaves(msecs) && done;
}

ScanModePage* CPreConfigBar::page(ControlMode mode) const {
    switch (mode) {
        case DocMode:
            return m_doc;
        case IDMode:
            return m_idCard;
        case SheetMode:
            return m_sheet;
        case BookMode:
            return m_book;
        default:
            return nullptr;
    }
}

void CPreConfigBar::HandleTabWidgetSelected(int idx) {
    for (ControlMode m : {DocMode, IDMode, SheetMode, BookMode})
        page(m)->reset();
    if (idx != IDMode)
        m_idCard->leave();
    if (idx >= DocMode && idx <= BookMode)
        currentMode = static_cast<ControlMode>(idx);
    emit Signal_ControlChanged(currentMode);
}

void CPreConfigBar::HandleTakePhoto(QImage img) {
    // Residence captures have no page and are not processed.
    if (ScanModePage* p = page(currentMode); p && !img.isNull())
        p->takeCapture(img);
}

void CPreConfigBar::SetOriginalCaptureSize(QSize size) {
    m_doc->setOriginalSize(size);
}

void CPreConfigBar::HandleDocSave() {
    m_doc->save();
}

void CPreConfigBar::HandleCheckBox_IDMode_FaceDetection(bool b) {
    m_idCard->setFaceDetection(b);
}

void CPreConfigBar::Handle_ID_Save_Merge() {
    m_idCard->saveMerged();
}

void CPreConfigBar::Handle_ID_Save_Sep() {
    m_idCard->saveSeparately();
}

void CPreConfigBar::Handle_ID_Exchange() {
    m_idCard->exchangeSides();
}

void CPreConfigBar::Handle_ID_Rotate() {
    m_idCard->rotateSide();
}

void CPreConfigBar::Handle_IDMode_UpdateFaceImg(QImage img) {
    m_idCard->updateFaceImage(img);
}

void CPreConfigBar::SheetMode_Save() {
    m_sheet->save();
}

void CPreConfigBar::BookMode_BtnSave_Click() {
    m_book->save();
}
