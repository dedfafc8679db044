// Larger pictures: logo and window icon, option tiles, face, drag picture, "no device", the
// waiting spinner and the small form pictures of the style sheets.
#include "Painting.h"

#include <QImageWriter>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>
#include <cstdlib>

using namespace Paint;

// Drawn on a 500 x 500 grid, so that the same strokes give the raster pictures and the scalable
// icon of the desktop entry.
void paintLogo(QPainter& p) {
    QLinearGradient bg(0, 20, 0, 480);
    bg.setColorAt(0, QColor(0x3F, 0xB6, 0xFF));
    bg.setColorAt(1, QColor(0x0B, 0x5E, 0xB8));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(20, 20, 460, 460), 104, 104);

    // Light cone from the camera head onto the page.
    QPolygonF cone;
    cone << QPointF(205, 168) << QPointF(265, 168) << QPointF(390, 372) << QPointF(100, 372);
    p.setBrush(QColor(255, 255, 255, 46));
    p.drawPolygon(cone);

    // The page on the desk, in perspective.
    QPolygonF sheet;
    sheet << QPointF(128, 300) << QPointF(362, 300) << QPointF(398, 400) << QPointF(92, 400);
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(sheet);
    p.setPen(pen(QColor(0x9C, 0xC9, 0xF0), 9, Qt::FlatCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 326 + i * 24;
        const qreal inset = (400 - y) * 0.36;
        p.drawLine(QPointF(92 + inset + 40, y), QPointF(398 - inset - (i == 2 ? 120 : 40), y));
    }

    // Stand, arm and head of the document camera.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x12, 0x2A, 0x44));
    p.drawRoundedRect(QRectF(330, 396, 96, 26), 12, 12);
    p.setPen(pen(QColor(0x12, 0x2A, 0x44), 22));
    p.drawLine(QPointF(378, 400), QPointF(378, 132));
    p.drawLine(QPointF(378, 132), QPointF(280, 132));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(170, 106, 130, 58), 22, 22);
    p.setBrush(QColor(0x9F, 0xDA, 0xFF));
    p.drawEllipse(QPointF(235, 160), 24, 12);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(228, 157), 7, 3.5);
}

namespace {

QImage logo(int size) {
    QImage img = canvas(size, size);
    QPainter p;
    begin(p, img);
    p.scale(size / 500.0, size / 500.0);
    paintLogo(p);
    p.end();
    return img;
}

// The frame of an option tile; returns the inner rectangle for the illustration.
QRectF tileFrame(QPainter& p, bool selected) {
    p.setPen(selected ? pen(kAccent, 2) : pen(QColor(0x3D, 0x44, 0x4C), 1));
    p.setBrush(selected ? QColor(0x1E, 0x35, 0x4A) : QColor(0x2E, 0x34, 0x3B));
    p.drawRoundedRect(QRectF(1.5, 1.5, 77, 77), 8, 8);
    return QRectF(10, 10, 60, 60);
}

void desk(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0x6B, 0x55, 0x42));
    g.setColorAt(1, QColor(0x4A, 0x3A, 0x2D));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
}

void photoOnPage(QPainter& p, const QRectF& r, bool colour) {
    // A small picture and a heading on the page, to show colour versus grey.
    const QColor sky = colour ? QColor(0x4F, 0xB3, 0xFF) : QColor(0xA8, 0xA8, 0xA8);
    const QColor hill = colour ? QColor(0x3C, 0xB3, 0x71) : QColor(0x70, 0x70, 0x70);
    const QColor sun = colour ? QColor(0xFF, 0xC8, 0x3D) : QColor(0xD8, 0xD8, 0xD8);
    const QRectF pic(r.left() + r.width() * 0.14, r.top() + r.height() * 0.3, r.width() * 0.72,
                     r.height() * 0.34);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(pic);
    p.setBrush(sun);
    p.drawEllipse(QPointF(pic.right() - pic.width() * 0.2, pic.top() + pic.height() * 0.3),
                  pic.height() * 0.14, pic.height() * 0.14);
    QPolygonF h;
    h << pic.bottomLeft()
      << QPointF(pic.left() + pic.width() * 0.35, pic.top() + pic.height() * 0.4)
      << QPointF(pic.left() + pic.width() * 0.6, pic.top() + pic.height() * 0.75)
      << QPointF(pic.left() + pic.width() * 0.78, pic.top() + pic.height() * 0.55)
      << pic.bottomRight();
    p.setBrush(hill);
    p.drawPolygon(h);
    p.setPen(pen(colour ? QColor(0x33, 0x3A, 0x44) : QColor(0x55, 0x55, 0x55), 2.2, Qt::FlatCap));
    p.drawLine(QPointF(pic.left(), r.top() + r.height() * 0.16),
               QPointF(pic.left() + pic.width() * 0.7, r.top() + r.height() * 0.16));
    p.setPen(pen(QColor(0x9A, 0xA3, 0xAD), 1.6, Qt::FlatCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.top() + r.height() * (0.74 + i * 0.08);
        p.drawLine(QPointF(pic.left(), y),
                   QPointF(pic.right() - (i == 2 ? pic.width() * 0.4 : 0), y));
    }
}

void cropMarks(QPainter& p, const QRectF& r) {
    p.setPen(pen(kAccent, 2.4, Qt::SquareCap));
    const qreal k = 8;
    p.drawPolyline(QPolygonF() << QPointF(r.left(), r.top() + k) << r.topLeft()
                               << QPointF(r.left() + k, r.top()));
    p.drawPolyline(QPolygonF() << QPointF(r.right() - k, r.top()) << r.topRight()
                               << QPointF(r.right(), r.top() + k));
    p.drawPolyline(QPolygonF() << QPointF(r.right(), r.bottom() - k) << r.bottomRight()
                               << QPointF(r.right() - k, r.bottom()));
    p.drawPolyline(QPolygonF() << QPointF(r.left() + k, r.bottom()) << r.bottomLeft()
                               << QPointF(r.left(), r.bottom() - k));
}

void sparkle(QPainter& p, QPointF c, qreal r, const QColor& col) {
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c, QPointF(c.x() + r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() + r));
    s.quadTo(c, QPointF(c.x() - r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() - r));
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(s);
}

void idCard(QPainter& p, const QRectF& r, bool front) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xE8, 0xF3, 0xFF));
    g.setColorAt(1, QColor(0xB9, 0xD9, 0xF5));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    const QColor ink(0x4A, 0x5A, 0x6C);
    if (front) {
        const QRectF photo(r.left() + 5, r.top() + 7, r.width() * 0.3, r.height() - 14);
        p.setBrush(QColor(0x8D, 0xA9, 0xC4));
        p.drawRect(photo);
        p.setBrush(QColor(0xF2, 0xF7, 0xFC));
        p.drawEllipse(QPointF(photo.center().x(), photo.top() + photo.height() * 0.38),
                      photo.width() * 0.22, photo.width() * 0.24);
        p.drawChord(QRectF(photo.left() + photo.width() * 0.12, photo.top() + photo.height() * 0.62,
                           photo.width() * 0.76, photo.height() * 0.7),
                    0, 180 * 16);
        p.setPen(pen(ink, 2, Qt::FlatCap));
        for (int i = 0; i < 4; ++i) {
            const qreal y = r.top() + 10 + i * (r.height() - 18) / 3.0;
            p.drawLine(QPointF(photo.right() + 5, y), QPointF(r.right() - (i % 2 ? 12 : 5), y));
        }
    } else {
        p.setBrush(QColor(0x33, 0x3D, 0x48));
        p.drawRect(QRectF(r.left(), r.top() + 6, r.width(), 8));
        p.setPen(pen(QColor(0xC8, 0x3A, 0x3A), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(r.left() + 12, r.bottom() - 11), 6, 6);
        p.setPen(pen(ink, 2, Qt::FlatCap));
        for (int i = 0; i < 2; ++i) {
            const qreal y = r.bottom() - 14 + i * 7;
            p.drawLine(QPointF(r.left() + 24, y), QPointF(r.right() - 5 - i * 10, y));
        }
    }
}

void openBook(QPainter& p, const QRectF& r, int highlight) {
    const qreal mid = r.center().x();
    auto pageShape = [&](bool left) {
        QPainterPath s;
        const qreal outer = left ? r.left() : r.right();
        s.moveTo(mid, r.top() + 6);
        s.cubicTo(mid + (outer - mid) * 0.4, r.top(), outer, r.top() + 2, outer, r.top() + 4);
        s.lineTo(outer, r.bottom() - 4);
        s.cubicTo(outer, r.bottom() - 6, mid + (outer - mid) * 0.4, r.bottom() - 8, mid,
                  r.bottom());
        s.closeSubpath();
        return s;
    };
    for (int side = 0; side < 2; ++side) {
        const bool left = side == 0;
        const bool lit = highlight == side;
        p.setPen(lit ? pen(kAccent, 1.6) : pen(QColor(0xC9, 0xCF, 0xD6), 1));
        p.setBrush(lit ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xD9, 0xDE, 0xE4));
        p.drawPath(pageShape(left));
        p.setPen(pen(QColor(0x8E, 0x99, 0xA5), 1.5, Qt::FlatCap));
        for (int i = 0; i < 5; ++i) {
            const qreal y = r.top() + 14 + i * (r.height() - 24) / 4.0;
            const qreal a = left ? r.left() + 6 : mid + 5;
            const qreal b = left ? mid - 5 : r.right() - 6;
            p.drawLine(QPointF(a, y), QPointF(b, y));
        }
    }
    p.setPen(pen(QColor(0x5C, 0x66, 0x70), 1.2));
    p.drawLine(QPointF(mid, r.top() + 6), QPointF(mid, r.bottom()));
}

QImage tile(int kind, bool selected) {
    QImage img = canvas(80, 80);
    QPainter p;
    begin(p, img);
    const QRectF in = tileFrame(p, selected);
    const QColor paper(0xF8, 0xF9, 0xFB);
    switch (kind) {
        case 0: {  // original: the whole frame, page lying askew on the desk
            desk(p, in);
            p.save();
            p.translate(in.center());
            p.rotate(-9);
            const QRectF pg(-17, -22, 34, 44);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 70));
            p.drawRect(pg.translated(2, 2));
            p.setBrush(paper);
            p.drawRect(pg);
            photoOnPage(p, pg, true);
            p.restore();
            break;
        }
        case 1: {  // cut and straightened
            const QRectF pg(in.left() + 9, in.top() + 2, in.width() - 18, in.height() - 4);
            p.setPen(Qt::NoPen);
            p.setBrush(paper);
            p.drawRect(pg);
            photoOnPage(p, pg, true);
            cropMarks(p, pg.adjusted(-4, -1, 4, 1));
            break;
        }
        case 2: {  // optimised colours
            const QRectF pg(in.left() + 9, in.top() + 2, in.width() - 18, in.height() - 4);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xFF, 0xFF, 0xFF));
            p.drawRect(pg);
            photoOnPage(p, pg, true);
            sparkle(p, QPointF(pg.right() - 2, pg.top() + 4), 8, QColor(0xFF, 0xD2, 0x4A));
            sparkle(p, QPointF(pg.left() + 1, pg.bottom() - 6), 5, kAccent);
            break;
        }
        case 3: {  // grey
            const QRectF pg(in.left() + 9, in.top() + 2, in.width() - 18, in.height() - 4);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xEE, 0xEE, 0xEE));
            p.drawRect(pg);
            photoOnPage(p, pg, false);
            break;
        }
        case 4: {  // sheet with QR code
            const QRectF pg(in.left() + 9, in.top() + 2, in.width() - 18, in.height() - 4);
            p.setPen(Qt::NoPen);
            p.setBrush(paper);
            p.drawRect(pg);
            qrCode(p, QRectF(pg.right() - 19, pg.top() + 4, 15, 15), QColor(0x20, 0x26, 0x2C));
            p.setPen(pen(QColor(0x9A, 0xA3, 0xAD), 1.6, Qt::FlatCap));
            for (int i = 0; i < 6; ++i) {
                const qreal y = pg.top() + 25 + i * 5.5;
                p.drawLine(QPointF(pg.left() + 5, y), QPointF(pg.right() - (i == 5 ? 16 : 5), y));
            }
            p.setPen(pen(QColor(0x33, 0x3A, 0x44), 2.2, Qt::FlatCap));
            p.drawLine(QPointF(pg.left() + 5, pg.top() + 8), QPointF(pg.left() + 18, pg.top() + 8));
            break;
        }
        case 5:
        case 6:
            idCard(p, QRectF(in.left() + 1, in.top() + 13, in.width() - 2, in.height() - 24),
                   kind == 5);
            break;
        case 7:
        case 8:
            openBook(p, QRectF(in.left(), in.top() + 8, in.width(), in.height() - 14), kind - 7);
            break;
    }
    p.end();
    return img;
}

QImage face() {
    QImage img = canvas(125, 125);
    QPainter p;
    begin(p, img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x34, 0x3B));
    p.drawRoundedRect(QRectF(1, 1, 123, 123), 10, 10);
    QRadialGradient g(QPointF(62, 50), 60);
    g.setColorAt(0, QColor(0xA7, 0xB3, 0xBF));
    g.setColorAt(1, QColor(0x6D, 0x78, 0x84));
    p.setBrush(g);
    p.drawEllipse(QPointF(62.5, 50), 22, 26);
    p.drawChord(QRectF(22, 78, 81, 80), 0, 180 * 16);
    // Face-detection frame.
    p.setPen(pen(kAccent, 3, Qt::SquareCap));
    const QRectF f(32, 18, 61, 66);
    const qreal k = 12;
    p.drawPolyline(QPolygonF() << QPointF(f.left(), f.top() + k) << f.topLeft()
                               << QPointF(f.left() + k, f.top()));
    p.drawPolyline(QPolygonF() << QPointF(f.right() - k, f.top()) << f.topRight()
                               << QPointF(f.right(), f.top() + k));
    p.drawPolyline(QPolygonF() << QPointF(f.right(), f.bottom() - k) << f.bottomRight()
                               << QPointF(f.right() - k, f.bottom()));
    p.drawPolyline(QPolygonF() << QPointF(f.left() + k, f.bottom()) << f.bottomLeft()
                               << QPointF(f.left(), f.bottom() - k));
    p.end();
    return img;
}

QImage gallery() {
    QImage img = canvas(98, 88);
    QPainter p;
    begin(p, img);
    const qreal angles[] = {-12, 7, 0};
    const QPointF offsets[] = {{-6, 2}, {6, 0}, {0, 4}};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(49 + offsets[i].x(), 42 + offsets[i].y());
        p.rotate(angles[i]);
        const QRectF card(-32, -26, 64, 50);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 80));
        p.drawRoundedRect(card.translated(2, 3), 3, 3);
        p.setBrush(QColor(0xF5, 0xF7, 0xFA));
        p.drawRoundedRect(card, 3, 3);
        const QRectF pic = card.adjusted(4, 4, -4, -10);
        p.setBrush(i == 2 ? QColor(0x4F, 0xB3, 0xFF) : QColor(0xB8, 0xC4, 0xD0));
        p.drawRect(pic);
        if (i == 2) {
            QPolygonF h;
            h << pic.bottomLeft() << QPointF(pic.left() + 18, pic.top() + 12)
              << QPointF(pic.left() + 32, pic.bottom() - 8)
              << QPointF(pic.left() + 42, pic.top() + 18) << pic.bottomRight();
            p.setBrush(QColor(0x3C, 0xB3, 0x71));
            p.drawPolygon(h);
            p.setBrush(QColor(0xFF, 0xC8, 0x3D));
            p.drawEllipse(QPointF(pic.right() - 9, pic.top() + 8), 4, 4);
        }
        p.restore();
    }
    // The accent badge says "several files".
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(84, 74), 12, 12);
    p.setPen(pen(kWhite, 2.6));
    p.drawLine(QPointF(84, 68), QPointF(84, 80));
    p.drawLine(QPointF(78, 74), QPointF(90, 74));
    p.end();
    return img;
}

QImage noDevice() {
    QImage img = canvas(144, 140);
    QPainter p;
    begin(p, img);
    const QColor body(0x6E, 0x78, 0x83);
    p.setPen(pen(body, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(18, 42, 108, 72), 12, 12);
    QPainterPath bump;
    bump.moveTo(50, 42);
    bump.lineTo(58, 26);
    bump.lineTo(86, 26);
    bump.lineTo(94, 42);
    p.drawPath(bump);
    p.drawEllipse(QPointF(72, 78), 22, 22);
    p.setPen(pen(kRed, 8));
    p.drawLine(QPointF(22, 124), QPointF(122, 16));
    p.end();
    return img;
}

QImage waiting() {
    QImage img = canvas(80, 80);
    QPainter p;
    begin(p, img);
    p.translate(40, 40);
    for (int i = 0; i < 12; ++i) {
        QColor c = kWhite;
        c.setAlpha(40 + i * 18);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 11 ? kAccent : c);
        p.drawEllipse(QPointF(0, -30), 4.5, 4.5);
        p.rotate(30);
    }
    // Hourglass in the middle.
    p.setPen(pen(kWhite, 2.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath h;
    h.moveTo(-10, -14);
    h.lineTo(10, -14);
    h.lineTo(-10, 14);
    h.lineTo(10, 14);
    h.closeSubpath();
    p.drawPath(h);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF() << QPointF(-6, 12) << QPointF(6, 12) << QPointF(0, 4));
    p.end();
    return img;
}

QImage checkBox(bool checked) {
    QImage img = canvas(checked ? 24 : 20, 20);
    QPainter p;
    begin(p, img);
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(1, 1, 18, 18), 3, 3);
        // The tick reaches past the box on the right, hence the wider picture.
        p.setPen(pen(kWhite, 2.6));
        p.drawPolyline(QPolygonF() << QPointF(5, 10) << QPointF(9, 14.5) << QPointF(22, 2.5));
    } else {
        p.setPen(pen(QColor(0x8A, 0x90, 0x97), 1.5));
        p.setBrush(QColor(255, 255, 255, 14));
        p.drawRoundedRect(QRectF(1.75, 1.75, 16.5, 16.5), 3, 3);
    }
    p.end();
    return img;
}

QImage comboArrow(bool up) {
    QImage img = canvas(20, 13);
    QPainter p;
    begin(p, img);
    p.setPen(pen(up ? kAccent : QColor(0xBB, 0xBB, 0xBB), 2));
    if (up)
        p.drawPolyline(QPolygonF() << QPointF(5, 9) << QPointF(10, 4) << QPointF(15, 9));
    else
        p.drawPolyline(QPolygonF() << QPointF(5, 4) << QPointF(10, 9) << QPointF(15, 4));
    p.end();
    return img;
}

QImage textLineBackground() {
    QImage img = canvas(252, 46);
    QPainter p;
    begin(p, img);
    QLinearGradient g(0, 0, 0, 46);
    g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    g.setColorAt(1, QColor(0xEE, 0xF1, 0xF4));
    p.setPen(pen(QColor(0xC5, 0xCD, 0xD6), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 251, 45), 4, 4);
    p.end();
    return img;
}

}  // namespace

void drawPictures(const QString& root) {
    save(root, "NOLP.png", logo(500), 500, 500);
    {
        const QImage icon = logo(128).convertToFormat(QImage::Format_ARGB32);
        QImageWriter w(root + "/NOLP.ico", "ico");
        if (!w.write(icon)) {
            fprintf(stderr, "cannot write NOLP.ico: %s\n", qPrintable(w.errorString()));
            exit(1);
        }
    }
    const char* tiles[][2] = {
        {"Pre_Orgin", "Pre_Orgin_S"},        {"Pre_Cut", "Pre_Cut_S"},
        {"Pre_EnHence", "Pre_Enhence_S"},    {"Pre_Gray", "Pre_Gray_S"},
        {"Pre_Sheet", "Pre_Sheet_S"},        {"Pre_ID_Up", "Pre_ID_Up_S"},
        {"Pre_ID_Down", "Pre_ID_Down_S"},    {"Pre_Book_Fore", "Pre_Book_Fore_S"},
        {"Pre_Book_Back", "Pre_Book_Back_S"}};
    for (int i = 0; i < 9; ++i) {
        save(root, QStringLiteral("UI/%1.png").arg(tiles[i][0]), tile(i, false), 80, 80);
        save(root, QStringLiteral("UI/%1.png").arg(tiles[i][1]), tile(i, true), 80, 80);
    }
    save(root, "UI/face.png", face(), 125, 125);
    save(root, "UI/gallery.png", gallery(), 98, 88);
    save(root, "UI/NoDevice.png", noDevice(), 144, 140);
    save(root, "ICO/Waitting.png", waiting(), 80, 80);
    save(root, "UI/CheckBox_Check.png", checkBox(true), 24, 20);
    save(root, "UI/CheckBox_NoCheck.png", checkBox(false), 20, 20);
    save(root, "UI/QComboxArrow.png", comboArrow(false), 20, 13);
    save(root, "UI/QComboxArrowUp.png", comboArrow(true), 20, 13);
    save(root, "UI/TextLineBackground.png", textLineBackground(), 252, 46);
    // The desktop's theme sizes; each is drawn at its size rather than scaled from a large one.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        save(root, QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId),
             logo(size), size, size);
}
