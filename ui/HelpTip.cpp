#include "ui/HelpTip.h"

#include <QTimer>

HelpTip::HelpTip(QObject* parent) : QObject(parent), m_tips(tipsFor(General)) {
    m_timer = new QTimer(this);
    m_timer->setInterval(kPeriodMs);
    connect(m_timer, &QTimer::timeout, this, &HelpTip::Handle_Timerout);
}

void HelpTip::setContext(int context) {
    if (m_context == NoCamera)
        return;
    m_context = context;
    m_tips = tipsFor(context);
    m_index = 0;
}

void HelpTip::start() {
    m_timer->start();
}

bool HelpTip::isRotating() const {
    return m_timer->isActive();
}

void HelpTip::Handle_Timerout() {
    if (m_tips.isEmpty())
        return;
    // The list's first hint comes last: right after a switch the label still shows a hint of
    // the same kind, so the rotation starts with the next one.
    m_index = (m_index + 1) % m_tips.size();
    emit UpdateTip(m_tips.at(m_index));
}

QStringList HelpTip::tipsFor(int context) {
    const QString light = tr("Pay attention to light to avoid excessive light or too dark light");
    const QString placeDocument =
        tr("When scanning a document, place the document within the camera's shooting range.");
    switch (context) {
        case Document:
            return {placeDocument,
                    light,
                    tr("If you cannot find the target area, you can manually adjust the screen "
                       "brightness"),
                    tr("The software can choose the scanning mode, according to the actual needs "
                       "and the actual effect selection mode"),
                    tr("Click the scan button in the lower right corner of the software to "
                       "complete the scan operation"),
                    tr("The right side of the software can directly view the scanned image。")};
        case Book:
            return {placeDocument, light,
                    tr("When scanning books, please open the books naturally to avoid artificial "
                       "folds"),
                    tr("After the target area is stable, click the scan button")};
        case IdCard:
            return {tr("Place the document within the camera's shooting range。"), light,
                    tr("After the scan is completed, you can manually rotate the image according "
                       "to the actual needs and processing results"),
                    tr("After the scan is completed, it can be saved independently, or it can be "
                       "saved to A4 size paper for easy printing.")};
        case Sheet:
            return {tr("Place the document within the camera's shooting range"), light,
                    tr("If there is a qr code in the document, the software will automatically "
                       "identify the qr code.")};
        case Face:
            return {tr("Please remove the glasses when shooting."), light,
                    tr("Face straight to attached camera."),
                    tr("The contrast values are displayed in real time under the software.")};
        case NoCamera:
            return {tr("Please check whether the computer is connected to the equipment properly."),
                    tr("Check whether the device exists in the computer device manager -> image "
                       "device."),
                    tr("Check to see if there is any third-party software that takes up the "
                       "camera."),
                    tr("If you still can't handle it, please contact the manufacturer")};
        default:
            return {light, tr("Pictures in the list bar can be exported to PDF,WORD and other "
                              "formats.")};
    }
}
