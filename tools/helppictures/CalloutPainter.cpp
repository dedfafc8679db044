#include "CalloutPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor kAccent(0x28, 0xA4, 0xFF);
const QColor kCard(0x14, 0x18, 0x1D, 238);
const QColor kShade(6, 8, 12, 175);
const QColor kBody(0xD8, 0xDE, 0xE4);
constexpr int kPadding = 12;
constexpr int kGap = 34;     // between a part and its card
constexpr int kMargin = 6;   // kept free at the picture's edges
constexpr int kRingOut = 3;  // the ring lies just outside the part

QFont font(int pixelSize, bool bold) {
    // The interface's own font family, so that the help reads like the window.
    QFont f(QStringLiteral("Microsoft YaHei"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QRect united(const QVector<QRect>& parts) {
    QRect all;
    for (const QRect& r : parts)
        all |= r;
    return all;
}

QPoint nearestOn(const QRect& r, QPointF from) {
    return QPoint(std::clamp(int(from.x()), r.left(), r.right()),
                  std::clamp(int(from.y()), r.top(), r.bottom()));
}

}  // namespace

CalloutPainter::CalloutPainter(QImage& picture) : m_picture(picture) {}

void CalloutPainter::spotlight(const QVector<Callout>& callouts) {
    QPainter p(&m_picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shade;
    shade.addRect(m_picture.rect());
    QPainterPath lit;
    for (const Callout& c : callouts)
        for (const QRect& r : c.parts)
            lit.addRoundedRect(r.adjusted(-kRingOut, -kRingOut, kRingOut, kRingOut), 5, 5);
    lit.setFillRule(Qt::WindingFill);
    p.fillPath(shade.subtracted(lit.simplified()), kShade);
    p.setPen(QPen(kAccent, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lit.simplified());
}

QRect CalloutPainter::cardRect(const Callout& c, int height) const {
    const QRect part = united(c.parts);
    QPoint topLeft;
    switch (c.side) {
        case Side::Left:
            topLeft = QPoint(part.left() - kGap - c.width, part.center().y() - height / 2);
            break;
        case Side::Right:
            topLeft = QPoint(part.right() + kGap, part.center().y() - height / 2);
            break;
        case Side::Above:
            topLeft = QPoint(part.center().x() - c.width / 2, part.top() - kGap - height);
            break;
        case Side::Below:
            topLeft = QPoint(part.center().x() - c.width / 2, part.bottom() + kGap);
            break;
    }
    topLeft += c.shift;
    const QRect bounds = m_picture.rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    topLeft.setX(std::clamp(topLeft.x(), bounds.left(), bounds.right() - c.width));
    topLeft.setY(std::clamp(topLeft.y(), bounds.top(), bounds.bottom() - height));
    return QRect(topLeft, QSize(c.width, height));
}

void CalloutPainter::draw(const Callout& c) {
    const QFont titleFont = font(16, true);
    const QFont bodyFont = font(14, false);
    const int inner = c.width - 2 * kPadding - 4;
    const QRect titleBox =
        QFontMetrics(titleFont).boundingRect(QRect(0, 0, inner, 1000), Qt::TextWordWrap, c.title);
    const QRect bodyBox =
        QFontMetrics(bodyFont).boundingRect(QRect(0, 0, inner, 1000), Qt::TextWordWrap, c.text);
    const int height = kPadding * 2 + titleBox.height() + 4 + bodyBox.height();
    const QRect card = cardRect(c, height);

    QPainter p(&m_picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Leader lines from the card's nearest point to each part's ring.
    p.setPen(QPen(kAccent, 2));
    for (const QRect& part : c.parts) {
        const QRect ring = part.adjusted(-kRingOut, -kRingOut, kRingOut, kRingOut);
        const QPoint from = nearestOn(card, ring.center());
        const QPoint to = nearestOn(ring, from);
        p.drawLine(from, to);
        p.setBrush(kAccent);
        p.drawEllipse(QPointF(to), 3.5, 3.5);
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(QPen(kAccent, 1.5));
    p.setBrush(kCard);
    p.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(card.left() + 1, card.top() + 8, 4, card.height() - 16), 2, 2);

    const int x = card.left() + kPadding + 4;
    p.setFont(titleFont);
    p.setPen(Qt::white);
    p.drawText(QRect(x, card.top() + kPadding, inner, titleBox.height()), Qt::TextWordWrap,
               c.title);
    p.setFont(bodyFont);
    p.setPen(kBody);
    p.drawText(QRect(x, card.top() + kPadding + titleBox.height() + 4, inner, bodyBox.height()),
               Qt::TextWordWrap, c.text);
}

void CalloutPainter::heading(QPoint at, int width, const QString& title, const QString& step,
                             const QString& hint) {
    const QFont titleFont = font(22, true);
    const QFont hintFont = font(14, false);
    const int inner = width - 2 * kPadding - 8;
    const QRect titleBox =
        QFontMetrics(titleFont).boundingRect(QRect(0, 0, inner, 1000), Qt::TextWordWrap, title);
    const int hintHeight = QFontMetrics(hintFont).height();
    const QRect card(at, QSize(width, kPadding * 2 + titleBox.height() + 6 + hintHeight));

    QPainter p(&m_picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(card, 8, 8);
    const int x = card.left() + kPadding + 4;
    p.setFont(titleFont);
    p.setPen(Qt::white);
    p.drawText(QRect(x, card.top() + kPadding, inner, titleBox.height()), Qt::TextWordWrap, title);
    p.setFont(hintFont);
    const QRect line(x, card.top() + kPadding + titleBox.height() + 6, inner, hintHeight);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, step);
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, hint);
}
