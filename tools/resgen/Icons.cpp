// Small icons: title bar, tabs, list, watermark, export and identity-card buttons. Each glyph is
// drawn on a 24-unit grid and scaled to the picture's size, so one drawing serves every size.
#include "Painting.h"

#include <QtMath>
#include <functional>

using namespace Paint;

namespace {

using Glyph = std::function<void(QPainter&, const QColor&)>;

// Draws a glyph onto a canvas of w x h; `back` paints an optional background first.
QImage icon(int w, int h, const Glyph& g, const QColor& col,
            const std::function<void(QPainter&, int, int)>& back = nullptr) {
    QImage img = canvas(w, h);
    QPainter p;
    begin(p, img);
    if (back)
        back(p, w, h);
    const qreal s = qMin(w, h) / 24.0;
    p.translate((w - 24 * s) / 2, (h - 24 * s) / 2);
    p.scale(s, s);
    g(p, col);
    p.end();
    return img;
}

void roundBack(QPainter& p, int w, int h, const QColor& fill, const QColor& border = QColor()) {
    p.setPen(border.isValid() ? pen(border, 1) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), w * 0.2, h * 0.2);
}

void disc(QPainter& p, int w, int h, const QColor& fill) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(QRectF(1, 1, w - 2, h - 2));
}

// --- glyphs ---
void gMinus(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 2));
    p.drawLine(QPointF(6, 13), QPointF(18, 13));
}
void gMax(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 2, Qt::SquareCap));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 6, 12, 12));
    p.drawLine(QPointF(6, 7.5), QPointF(18, 7.5));
}
void gClose(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 2));
    p.drawLine(QPointF(6.5, 6.5), QPointF(17.5, 17.5));
    p.drawLine(QPointF(17.5, 6.5), QPointF(6.5, 17.5));
}
void gAbout(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(12, 7.6), 1.4, 1.4);
    p.setPen(pen(c, 2.2, Qt::FlatCap));
    p.drawLine(QPointF(12, 10.5), QPointF(12, 17.5));
}
void gGlobe(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.drawEllipse(QPointF(12, 12), 4, 9);
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
    p.drawLine(QPointF(12, 3), QPointF(12, 21));
    p.drawArc(QRectF(4, 2, 16, 8), 200 * 16, 140 * 16);
    p.drawArc(QRectF(4, 14, 16, 8), 20 * 16, 140 * 16);
}
void gHelp(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    QPainterPath q;
    q.moveTo(8.8, 9.4);
    q.cubicTo(8.8, 5.2, 15.4, 5.2, 15.4, 9.2);
    q.cubicTo(15.4, 11.6, 12, 11.8, 12, 14.2);
    p.setPen(pen(c, 2.1));
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(12, 17.4), 1.3, 1.3);
}
void gCamera(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 7, 19, 13), 2.5, 2.5);
    QPainterPath bump;
    bump.moveTo(8, 7);
    bump.lineTo(9.5, 4);
    bump.lineTo(14.5, 4);
    bump.lineTo(16, 7);
    p.drawPath(bump);
    p.drawEllipse(QPointF(12, 13.5), 3.8, 3.8);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(18.2, 10), 1, 1);
}
void gSliders(QPainter& p, const QColor& c) {
    const qreal ys[] = {6, 12, 18};
    const qreal knobs[] = {15, 8, 13};
    for (int i = 0; i < 3; ++i) {
        p.setPen(pen(c, 1.8));
        p.drawLine(QPointF(3, ys[i]), QPointF(21, ys[i]));
        p.setPen(pen(c, 1.8));
        p.setBrush(QColor(0, 0, 0, 0));
        p.setBrush(c);
        p.drawEllipse(QPointF(knobs[i], ys[i]), 2.6, 2.6);
    }
}
void gGrid(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.7));
    p.setBrush(Qt::NoBrush);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x)
            p.drawRoundedRect(QRectF(3.5 + x * 9.5, 3.5 + y * 9.5, 7.5, 7.5), 1.5, 1.5);
    }
}
void gGear(QPainter& p, const QColor& c) {
    p.save();
    p.translate(12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int i = 0; i < 8; ++i) {
        p.drawRoundedRect(QRectF(-2, -10, 4, 5), 1, 1);
        p.rotate(45);
    }
    p.setPen(pen(c, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 6.2, 6.2);
    p.drawEllipse(QPointF(0, 0), 2.2, 2.2);
    p.restore();
}
void gDoc(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.7));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(5, 2.5);
    path.lineTo(14, 2.5);
    path.lineTo(19, 7.5);
    path.lineTo(19, 21.5);
    path.lineTo(5, 21.5);
    path.closeSubpath();
    p.drawPath(path);
    p.drawLine(QPointF(14, 2.5), QPointF(14, 7.5));
    p.drawLine(QPointF(14, 7.5), QPointF(19, 7.5));
    p.drawLine(QPointF(8, 11.5), QPointF(16, 11.5));
    p.drawLine(QPointF(8, 15), QPointF(16, 15));
    p.drawLine(QPointF(8, 18.5), QPointF(13, 18.5));
}
void gCard(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 5, 21, 14), 2, 2);
    p.drawEllipse(QPointF(7.5, 10.5), 2.3, 2.3);
    p.drawArc(QRectF(3.5, 13.5, 8, 6), 0, 180 * 16);
    p.drawLine(QPointF(13.5, 9.5), QPointF(19.5, 9.5));
    p.drawLine(QPointF(13.5, 13), QPointF(19.5, 13));
    p.drawLine(QPointF(13.5, 16.5), QPointF(17, 16.5));
}
void gSheet(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 2.5, 16, 19));
    qrCode(p, QRectF(7.5, 6.5, 9, 9), c);
    p.drawLine(QPointF(7.5, 18.5), QPointF(16.5, 18.5));
}
void gBook(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.7));
    p.setBrush(Qt::NoBrush);
    QPainterPath l;
    l.moveTo(12, 6.5);
    l.cubicTo(9, 4.5, 5, 4.5, 2, 5.5);
    l.lineTo(2, 19.5);
    l.cubicTo(5, 18.5, 9, 18.5, 12, 20.5);
    l.cubicTo(15, 18.5, 19, 18.5, 22, 19.5);
    l.lineTo(22, 5.5);
    l.cubicTo(19, 4.5, 15, 4.5, 12, 6.5);
    l.lineTo(12, 20.5);
    p.drawPath(l);
}
void gCheckBoxes(QPainter& p, const QColor& c, bool checked) {
    p.setPen(pen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7, 3, 14, 14), 2, 2);
    p.drawPolyline(QPolygonF() << QPointF(3, 7) << QPointF(3, 21) << QPointF(17, 21));
    if (checked) {
        p.setPen(pen(c, 2.2));
        p.drawPolyline(QPolygonF() << QPointF(10, 10) << QPointF(13, 13.2) << QPointF(18, 7));
    }
}
void gTrash(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 6), QPointF(20, 6));
    p.drawLine(QPointF(9.5, 6), QPointF(10, 3.5));
    p.drawLine(QPointF(10, 3.5), QPointF(14, 3.5));
    p.drawLine(QPointF(14, 3.5), QPointF(14.5, 6));
    QPainterPath can;
    can.moveTo(6, 6);
    can.lineTo(7.3, 21);
    can.lineTo(16.7, 21);
    can.lineTo(18, 6);
    p.drawPath(can);
    p.drawLine(QPointF(10, 9.5), QPointF(10.3, 17.5));
    p.drawLine(QPointF(14, 9.5), QPointF(13.7, 17.5));
}
void gLabelledPage(QPainter& p, const QColor& c, const QString& text, qreal size) {
    gDoc(p, c);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x2B, 0x30));
    p.drawRect(QRectF(2, 9.5, 18, 10.5));
    p.setPen(c);
    p.setFont(font(size, true));
    p.drawText(QRectF(0, 9, 24, 11.5), Qt::AlignCenter, text);
}
void gOcr(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    const QPointF corners[] = {{3, 3}, {21, 3}, {21, 21}, {3, 21}};
    for (int i = 0; i < 4; ++i) {
        const QPointF k = corners[i];
        const qreal dx = k.x() < 12 ? 5 : -5;
        const qreal dy = k.y() < 12 ? 5 : -5;
        p.drawPolyline(QPolygonF()
                       << QPointF(k.x(), k.y() + dy) << k << QPointF(k.x() + dx, k.y()));
    }
    p.setPen(pen(c, 2.2, Qt::FlatCap));
    p.drawLine(QPointF(8, 8), QPointF(16, 8));
    p.drawLine(QPointF(12, 8), QPointF(12, 17));
}
void gPrinter(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(7, 3, 10, 5));
    p.drawRoundedRect(QRectF(2.5, 8, 19, 9), 2, 2);
    p.drawRect(QRectF(7, 14, 10, 7));
    p.drawLine(QPointF(9, 17), QPointF(15, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(18, 11), 1, 1);
}
void gCopy(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 7, 13, 15), 2, 2);
    p.drawPolyline(QPolygonF() << QPointF(16, 4.5) << QPointF(16, 2.5) << QPointF(3, 2.5)
                               << QPointF(3, 17) << QPointF(5.5, 17));
}
void gClock(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.drawLine(QPointF(12, 12), QPointF(12, 6.5));
    p.drawLine(QPointF(12, 12), QPointF(16, 14.5));
}
void gLetterT(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 2.6, Qt::FlatCap));
    p.drawLine(QPointF(5, 5), QPointF(19, 5));
    p.drawLine(QPointF(12, 5), QPointF(12, 19.5));
    p.setPen(pen(c, 1.6));
    p.drawLine(QPointF(8, 20), QPointF(16, 20));
}
void gPicture(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 4, 19, 16), 2, 2);
    p.drawPolyline(QPolygonF() << QPointF(3, 18) << QPointF(9, 11) << QPointF(13, 15.5)
                               << QPointF(16, 12.5) << QPointF(21, 17.5));
    p.drawEllipse(QPointF(16, 8.5), 1.7, 1.7);
}
void gNone(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
    p.drawLine(QPointF(6, 18), QPointF(18, 6));
}
void gPlus(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 2.2));
    p.drawLine(QPointF(12, 4.5), QPointF(12, 19.5));
    p.drawLine(QPointF(4.5, 12), QPointF(19.5, 12));
}
void gRemove(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.setPen(pen(c, 2.2));
    p.drawLine(QPointF(7.5, 12), QPointF(16.5, 12));
}
void gArrow(QPainter& p, const QColor& c, bool up) {
    p.save();
    if (!up) {
        p.translate(12, 12);
        p.rotate(180);
        p.translate(-12, -12);
    }
    p.setPen(pen(c, 2.2));
    p.drawLine(QPointF(12, 4), QPointF(12, 20));
    p.drawPolyline(QPolygonF() << QPointF(5.5, 10.5) << QPointF(12, 4) << QPointF(18.5, 10.5));
    p.restore();
}
void gClear(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(3, 6 + i * 5), QPointF(12, 6 + i * 5));
    p.drawLine(QPointF(14, 11), QPointF(21, 18));
    p.drawLine(QPointF(21, 11), QPointF(14, 18));
}
void gRotateRight(QPainter& p, const QColor& c) {
    arrowArc(p, QPointF(12, 13), 7.5, 150, -250, c, 2);
}
void gRotateHalf(QPainter& p, const QColor& c) {
    arrowArc(p, QPointF(12, 12), 7.5, 200, -160, c, 2);
    arrowArc(p, QPointF(12, 12), 7.5, 20, -160, c, 2);
}
void gExchange(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 2));
    p.drawLine(QPointF(4, 8.5), QPointF(19, 8.5));
    p.drawPolyline(QPolygonF() << QPointF(15, 4.5) << QPointF(19.5, 8.5) << QPointF(15, 12.5));
    p.drawLine(QPointF(20, 15.5), QPointF(5, 15.5));
    p.drawPolyline(QPolygonF() << QPointF(9, 11.5) << QPointF(4.5, 15.5) << QPointF(9, 19.5));
}
void gSave(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(3, 3);
    path.lineTo(17.5, 3);
    path.lineTo(21, 6.5);
    path.lineTo(21, 21);
    path.lineTo(3, 21);
    path.closeSubpath();
    p.drawPath(path);
    p.drawRect(QRectF(7, 3, 9, 5.5));
    p.drawRect(QRectF(6.5, 13, 11, 8));
}
void gRetake(QPainter& p, const QColor& c) {
    gCamera(p, c);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(12, 13.5), 1.5, 1.5);
}
void gTurn(QPainter& p, const QColor& c, bool left) {
    if (left)
        arrowArc(p, QPointF(12, 13), 7, 20, 230, c, 2.2);
    else
        arrowArc(p, QPointF(12, 13), 7, 160, -230, c, 2.2);
}
void gStop(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(7.5, 7.5, 9, 9), 1.5, 1.5);
}
void gCaptureCamera(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 8, 16, 11), 2, 2);
    body.addRoundedRect(QRectF(9, 6, 6, 3), 1, 1);
    QPainterPath lens;
    lens.addEllipse(QPointF(12, 13.5), 3.6, 3.6);
    p.drawPath(body.subtracted(lens));
    p.drawEllipse(QPointF(12, 13.5), 2.1, 2.1);
}

}  // namespace

void drawIcons(const QString& root) {
    const QString ui = QStringLiteral("UI/");
    const QColor listGrey(0xBB, 0xBB, 0xBB);
    const QColor light(0xDD, 0xDD, 0xDD);

    // Title bar, 20 x 20: grey, white while hovered; the help icon blinks to the accent colour.
    struct Named {
        const char* name;
        Glyph g;
    };
    const Named title[] = {{"min", gMinus}, {"max", gMax}, {"X", gClose}, {"Lan", gGlobe}};
    for (const Named& n : title) {
        save(root, ui + n.name + ".png", icon(20, 20, n.g, kTitleGrey), 20, 20);
        save(root, ui + n.name + "b.png", icon(20, 20, n.g, kWhite), 20, 20);
    }
    save(root, ui + "About.png", icon(20, 20, gAbout, kTitleGrey), 20, 20);
    save(root, ui + "AboutB.png", icon(20, 20, gAbout, kWhite), 20, 20);
    save(root, ui + "help.png", icon(20, 20, gHelp, kTitleGrey), 20, 20);
    save(root, ui + "help_on.png", icon(20, 20, gHelp, kAccent), 20, 20);

    // Settings tabs, 24 x 24: grey, white for the selected tab.
    const Named tabs[] = {
        {"TabBar_CamSet", gCamera}, {"TabBar_ImageSet", gSliders}, {"TabBar_Imagelist", gGrid}};
    for (const Named& n : tabs) {
        save(root, ui + n.name + ".png", icon(24, 24, n.g, kTabGrey), 24, 24);
        save(root, ui + n.name + "_W.png", icon(24, 24, n.g, kWhite), 24, 24);
    }
    save(root, ui + "TabBar_Otherset.png", icon(24, 24, gGear, kTabGrey), 24, 24);
    save(root, ui + "TabBar_OtherSet_W.png", icon(24, 24, gGear, kWhite), 24, 24);

    // Scan-mode tabs, 20 x 20.
    save(root, ui + "TabBar_Doc.png", icon(20, 20, gDoc, light), 20, 20);
    save(root, ui + "TabBar_IDCard.png", icon(20, 20, gCard, light), 20, 20);
    save(root, ui + "TabBar_Sheet.png", icon(20, 20, gSheet, light), 20, 20);
    save(root, ui + "TabBar_Book.png", icon(20, 20, gBook, light), 20, 20);

    // Image-list buttons, 25 x 25: grey, accent while hovered.
    const Named list[] = {
        {"Btn_SelectALL", [](QPainter& p, const QColor& c) { gCheckBoxes(p, c, true); }},
        {"Btn_UnSelectAll", [](QPainter& p, const QColor& c) { gCheckBoxes(p, c, false); }},
        {"Btn_Delete", gTrash},
        {"Btn_PDF", [](QPainter& p, const QColor& c) { gLabelledPage(p, c, "PDF", 6.5); }},
        {"Btn_Word", [](QPainter& p, const QColor& c) { gLabelledPage(p, c, "W", 9.5); }},
        {"Btn_OCR", gOcr},
        {"Btn_Print", gPrinter},
        {"Btn_Copy", gCopy}};
    for (const Named& n : list) {
        save(root, ui + n.name + ".png", icon(25, 25, n.g, listGrey), 25, 25);
        save(root, ui + n.name + "_B.png", icon(25, 25, n.g, kAccent), 25, 25);
    }

    // Watermark type buttons, 30 x 30: outlined; while checked, white on an accent tile.
    const Named wm[] = {
        {"WM_DT", gClock}, {"WM_T", gLetterT}, {"WM_Pic", gPicture}, {"WM_N", gNone}};
    for (const Named& n : wm) {
        auto scaled = [g = n.g](QPainter& p, const QColor& c) {
            p.translate(12, 12);
            p.scale(0.72, 0.72);
            p.translate(-12, -12);
            g(p, c);
        };
        save(root, ui + n.name + ".png",
             icon(30, 30, scaled, listGrey,
                  [](QPainter& p, int w, int h) {
                      roundBack(p, w, h, QColor(255, 255, 255, 12), QColor(0x55, 0x5A, 0x60));
                  }),
             30, 30);
        save(root, ui + n.name + "_b.png",
             icon(30, 30, scaled, kWhite,
                  [](QPainter& p, int w, int h) { roundBack(p, w, h, kAccent); }),
             30, 30);
    }

    // Export dialog buttons, 25 x 25; the hover file of "Ddelete" is spelt "DDelete_b".
    const Named dlg[] = {{"DAdd", gPlus},
                         {"Ddelete", gRemove},
                         {"DUp", [](QPainter& p, const QColor& c) { gArrow(p, c, true); }},
                         {"DDown", [](QPainter& p, const QColor& c) { gArrow(p, c, false); }},
                         {"DClear", gClear},
                         {"DRight", gRotateRight}};
    for (const Named& n : dlg) {
        QString hover = QString::fromLatin1(n.name) + "_b.png";
        if (hover == "Ddelete_b.png")
            hover = "DDelete_b.png";
        save(root, ui + n.name + ".png", icon(25, 25, n.g, listGrey), 25, 25);
        save(root, ui + hover, icon(25, 25, n.g, kAccent), 25, 25);
    }
    save(root, ui + "Menuclose.png", icon(32, 32, gClose, light), 32, 32);
    save(root, ui + "Menuclose_b.png",
         icon(32, 32, gClose, kWhite, [](QPainter& p, int w, int h) { roundBack(p, w, h, kRed); }),
         32, 32);

    // Identity-card buttons.
    save(root, ui + "Rotate.png", icon(30, 30, gRotateHalf, light), 30, 30);
    save(root, ui + "Rotate_B.png", icon(30, 30, gRotateHalf, kAccent), 30, 30);
    save(root, ui + "Exchange.png", icon(30, 30, gExchange, light), 30, 30);
    save(root, ui + "Exchange_B.png", icon(30, 30, gExchange, kAccent), 30, 30);
    save(root, ui + "BtnSave.png", icon(24, 24, gSave, kWhite), 24, 24);
    save(root, ui + "Btn_Retake.png", icon(24, 24, gRetake, kWhite), 24, 24);

    // Preview buttons over the live picture, 35 x 35: a dark disc keeps them readable on any
    // picture; the hover variant turns the disc to the accent colour.
    const QColor shade(0, 0, 0, 120);
    auto shaded = [shade](QPainter& p, int w, int h) { disc(p, w, h, shade); };
    auto lit = [](QPainter& p, int w, int h) { disc(p, w, h, kAccent); };
    auto turnL = [](QPainter& p, const QColor& c) { gTurn(p, c, true); };
    auto turnR = [](QPainter& p, const QColor& c) { gTurn(p, c, false); };
    save(root, "ICO/TurnL.png", icon(35, 35, turnL, kWhite, shaded), 35, 35);
    save(root, "ICO/TurnLS.png", icon(35, 35, turnL, kWhite, lit), 35, 35);
    save(root, "ICO/TurnR.png", icon(35, 35, turnR, kWhite, shaded), 35, 35);
    save(root, "ICO/TurnRS.png", icon(35, 35, turnR, kWhite, lit), 35, 35);
    save(root, "ICO/Stop.png",
         icon(35, 35, gStop, kWhite, [](QPainter& p, int w, int h) { disc(p, w, h, kRed); }), 35,
         35);

    // Capture button, 80 x 80: ring and camera; brighter while hovered, pressed darker.
    auto capture = [](const QColor& ring, const QColor& fill, const QColor& glyph, qreal inset) {
        QImage img = canvas(80, 80);
        QPainter p;
        begin(p, img);
        p.setPen(pen(ring, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(2.5, 2.5, 75, 75));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawEllipse(QRectF(8 + inset, 8 + inset, 64 - 2 * inset, 64 - 2 * inset));
        p.translate(40 - 18, 40 - 18);
        p.scale(1.5, 1.5);
        gCaptureCamera(p, glyph);
        p.end();
        return img;
    };
    save(root, ui + "Btn_TakePhoto_normal.png",
         capture(kAccent, QColor(0x1F, 0x24, 0x2A, 220), kWhite, 0), 80, 80);
    save(root, ui + "Btn_TakePhoto_hover.png", capture(kWhite, kAccent, kWhite, 0), 80, 80);
    save(root, ui + "Btn_TakePhoto_click.png",
         capture(kAccent, kAccentDark, QColor(0xDD, 0xEE, 0xFF), 3), 80, 80);
}
