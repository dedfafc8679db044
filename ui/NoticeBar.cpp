#include "ui/NoticeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

NoticeBar::NoticeBar(QWidget* parent) : QFrame(parent) {
    setObjectName("pNoticeBar");
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(
        "QFrame#pNoticeBar{background:rgba(20,24,28,225);border:1px solid #F0A030;"
        "border-radius:4px;} QLabel{color:#FFFFFF;font-size:13px;}"
        "QPushButton{color:#F0A030;background:transparent;border:none;"
        "font-weight:bold;font-size:13px;padding:0 6px;}");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 6, 8, 6);
    m_label = new QLabel(this);
    m_label->setObjectName("pLbl_Notice");
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setMaximumWidth(560);
    m_action = new QPushButton(this);
    m_action->setObjectName("pBtn_NoticeAction");
    m_action->setFocusPolicy(Qt::NoFocus);
    m_action->setCursor(Qt::PointingHandCursor);
    row->addWidget(m_label);
    row->addWidget(m_action);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &NoticeBar::hideNotice);
    connect(m_action, &QPushButton::clicked, this, &NoticeBar::runAction);
    hide();
}

void NoticeBar::showNotice(const QString& text, int msecs) {
    showNotice(text, msecs, QString(), {});
}

void NoticeBar::showNotice(const QString& text, int msecs, const QString& actionText,
                           std::function<void()> action) {
    m_showingStanding = false;
    m_pending = std::move(action);
    m_label->setText(text);
    m_action->setText(actionText);
    m_action->setVisible(!actionText.isEmpty() && m_pending);
    adjustSize();
    show();
    raise();
    if (msecs > 0)
        m_timer->start(msecs);
    else
        m_timer->stop();
    emit shown(text);
}

void NoticeBar::showPersistent(const QString& text) {
    showNotice(text, 0);
}

void NoticeBar::hideNotice() {
    m_timer->stop();
    m_pending = nullptr;
    if (!m_standing.isEmpty()) {
        showStanding();
        return;
    }
    m_showingStanding = false;
    hide();
}

void NoticeBar::setStanding(const QString& text) {
    m_standing = text;
    if (isHidden() || m_showingStanding)
        hideNotice();  // shows the new line, or nothing when it was cleared
}

void NoticeBar::showStanding() {
    showNotice(m_standing, 0);
    m_showingStanding = true;
}

QString NoticeBar::text() const {
    return !isHidden() ? m_label->text() : QString();
}

void NoticeBar::runAction() {
    // Taken out first: the action may show a new notice of its own.
    std::function<void()> action = std::move(m_pending);
    m_pending = nullptr;
    hideNotice();
    if (action)
        action();
}
