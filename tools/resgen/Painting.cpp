#include "Painting.h"

#include <QDir>
#include <QFileInfo>
#include <QtMath>

#include <cstdio>
#include <cstdlib>

namespace Paint {

QImage canvas(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void begin(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPen pen(const QColor& c, qreal width, Qt::PenCapStyle cap) {
    QPen pn(c, width, Qt::SolidLine, cap, Qt::RoundJoin);
    return pn;
}

QFont font(qreal pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    return f;
}

void save(const QString& root, const QString& relativePath, const QImage& img, int w, int h) {
    if (img.width() != w || img.height() != h) {
        fprintf(stderr, "%s: %dx%d instead of %dx%d\n", qPrintable(relativePath), img.width(),
                img.height(), w, h);
        exit(1);
    }
    const QString path = root + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    const QImage out = img.convertToFormat(QImage::Format_ARGB32);
    if (!out.save(path)) {
        fprintf(stderr, "cannot write %s\n", qPrintable(path));
        exit(1);
    }
}

void arrowArc(QPainter& p, QPointF c, qreal r, qreal startDeg, qreal spanDeg, const QColor& col,
              qreal width) {
    p.save();
    p.setPen(pen(col, width));
    p.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(box, qRound(startDeg * 16), qRound(spanDeg * 16));
    // Arrow head at the end of the arc, pointing along the direction of travel.
    const qreal endDeg = startDeg + spanDeg;
    const qreal a = qDegreesToRadians(endDeg);
    const QPointF tip(c.x() + r * qCos(a), c.y() - r * qSin(a));
    const qreal dir = spanDeg >= 0 ? 1 : -1;
    // Tangent of travel in screen coordinates (y grows downwards).
    const QPointF tangent(-qSin(a) * dir, -qCos(a) * dir);
    const QPointF normal(-tangent.y(), tangent.x());
    const qreal h = width * 2.2;
    QPolygonF head;
    head << tip + tangent * h << tip + normal * h * 0.85 << tip - normal * h * 0.85;
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPolygon(head);
    p.restore();
}

void page(QPainter& p, QRectF r, const QColor& paper, const QColor& ink, int lines) {
    p.save();
    const qreal fold = r.width() * 0.28;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(paper.darker(135));
    p.drawPath(corner);
    if (lines > 0) {
        const qreal margin = r.width() * 0.16;
        const qreal top = r.top() + fold + r.height() * 0.06;
        const qreal step = (r.bottom() - margin - top) / lines;
        p.setPen(pen(ink, qMax<qreal>(1.0, r.height() * 0.045), Qt::FlatCap));
        for (int i = 0; i < lines; ++i) {
            const qreal y = top + step * (i + 0.5);
            const qreal right = (i == lines - 1) ? r.left() + r.width() * 0.55 : r.right() - margin;
            p.drawLine(QPointF(r.left() + margin, y), QPointF(right, y));
        }
    }
    p.restore();
}

void qrCode(QPainter& p, QRectF r, const QColor& ink) {
    // A fixed 11 x 11 module pattern with the three finder squares.
    static const char* rows[] = {"1111101011111", "1000101010001", "1011100110101", "1011101010101",
                                 "1000100110001", "1111101011111", "0000011000000", "1101110110110",
                                 "0010001101001", "1111100010110", "1000101101011", "1011100110100",
                                 "1111101011011"};
    const int n = 13;
    const qreal m = r.width() / n;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (rows[y][x] == '1')
                p.drawRect(QRectF(r.left() + x * m, r.top() + y * m, m + 0.05, m + 0.05));
        }
    }
    p.restore();
}

}  // namespace Paint
