#include "modes/CImagePreview.h"

#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>

namespace {
constexpr int kThumbWidth = 80;
constexpr int kThumbHeight = 100;
}  // namespace

CImagePreview::CImagePreview(QWidget* parent)
    : QWidget(parent),
      imageLabel(new QLabel(this)),
      textLabel(new QLabel(this)),
      thumbnail(new QImage(kThumbWidth, kThumbHeight, QImage::Format_RGB888)) {
    thumbnail->fill(Qt::black);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(imageLabel, 0, 0);
    grid->addWidget(textLabel, 1, 0);
    grid->setRowStretch(0, 5);
    grid->setRowStretch(1, 1);
    imageLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    imageLabel->setFixedSize(kThumbWidth, kThumbHeight);
    textLabel->setMinimumSize(80, 20);
    textLabel->setFont(QFont(QStringLiteral("Microsoft YaHei")));
    textLabel->setAlignment(Qt::AlignCenter);
    setMinimumSize(80, 120);
    setFixedSize(94, 120);
    setStyleSheet(
        QStringLiteral("border:1px solid #999999;border-radius:1px;background-color:#262B30;"));
    textLabel->setStyleSheet(QStringLiteral("background-color:#262B30;color:#999999"));
    adjustButton = new QToolButton(this);
    adjustButton->setObjectName(QStringLiteral("pQbtn_Adjust"));
    adjustButton->setText(tr("Adjust"));
    adjustButton->setFocusPolicy(Qt::NoFocus);
    adjustButton->setStyleSheet(QStringLiteral(
        "border:1px solid #28A4FF;border-radius:2px;background-color:#1E2226;color:white;"
        "font-size:10px;padding:1px 3px;"));
    adjustButton->adjustSize();
    adjustButton->move(width() - adjustButton->width() - 3, 3);
    adjustButton->hide();
    connect(adjustButton, &QToolButton::clicked, this, &CImagePreview::AdjustRequested);
}

CImagePreview::~CImagePreview() {
    delete thumbnail;
}

int CImagePreview::SetImage(const QImage* img) {
    if (!img || img->isNull())
        return -1;
    const QImage scaled =
        img->scaled(kThumbWidth, kThumbHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .convertToFormat(QImage::Format_RGB888);
    *thumbnail = scaled.copy();
    ShowImage();
    return 1;
}

void CImagePreview::ClearImage() {
    hasImage = false;
    if (iconPath.isEmpty()) {
        imageLabel->clear();
        return;
    }
    imageLabel->setPixmap(QPixmap(iconPath));
    imageLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
}

void CImagePreview::ShowImage() {
    imageLabel->setPixmap(QPixmap::fromImage(*thumbnail));
    hasImage = true;
}

void CImagePreview::SetSelected(bool b) {
    selected = b;
    applyStyle();
}

void CImagePreview::SetSelectable(bool b) {
    selectable = b;
}

void CImagePreview::SetAdjustable(bool b) {
    adjustable = b;
    adjustButton->setVisible(b);
    adjustButton->raise();
}

void CImagePreview::SetText(const QString& text) {
    textLabel->setText(text);
}

QString CImagePreview::Text() const {
    return textLabel->text();
}

void CImagePreview::SetIcon(const QString& path) {
    iconPath = path;
    if (!hasImage)
        ClearImage();
}

void CImagePreview::Rotate180() {
    if (!hasImage)
        return;
    *thumbnail = thumbnail->transformed(QTransform().rotate(180));
    ShowImage();
}

void CImagePreview::mousePressEvent(QMouseEvent* event) {
    if (!selectable)
        return;
    selected = !selected;
    emit SelectedStatusChanged(selected);
    applyStyle();
    event->accept();
}

void CImagePreview::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (adjustable && event->button() == Qt::LeftButton)
        emit AdjustRequested();
}

void CImagePreview::applyStyle() {
    if (selected) {
        setStyleSheet(
            QStringLiteral("border:1px solid #28A4FF;border-radius:1px;background-color:#262B30;"));
        textLabel->setStyleSheet(QStringLiteral("background-color:#28A4FF;color:white"));
    } else {
        setStyleSheet(
            QStringLiteral("border:1px solid #888888;border-radius:1px;background-color:#262B30;"));
        textLabel->setStyleSheet(QStringLiteral("background-color:#262B30;color:#999999"));
    }
}
