// The four help pictures (1100 x 700, the size of the main window): a drawing of the window with
// the area being explained lit up, numbered badges and short explanations. They are drawn from
// the icons generated before them, so the help shows the very pictures of the interface.
#include "Painting.h"

#include <QLinearGradient>
#include <QVector>

using namespace Paint;

namespace {

QString g_root;

QImage pic(const QString& rel) {
    return QImage(g_root + QLatin1Char('/') + rel);
}

const QRectF kTitleBar(0, 0, 1100, 26);
const QRectF kModeBar(0, 26, 800, 100);
const QRectF kPreview(0, 126, 800, 574);
const QRectF kSettings(800, 26, 300, 674);
const QRectF kCapture(706, 606, 80, 80);
const QRectF kTurnButtons(755, 340, 35, 77);
const QRectF kTips(8, 668, 560, 26);

void text(QPainter& p, const QRectF& r, const QString& s, qreal size, const QColor& c,
          int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false) {
    p.setFont(font(size, bold));
    p.setPen(c);
    p.drawText(r, flags, s);
}

void combo(QPainter& p, const QRectF& r, const QString& s) {
    p.setPen(pen(QColor(0x4A, 0x50, 0x57), 1));
    p.setBrush(QColor(0x30, 0x36, 0x3C));
    p.drawRoundedRect(r, 3, 3);
    text(p, r.adjusted(8, 0, -20, 0), s, 12, QColor(0xDD, 0xDD, 0xDD));
    p.drawImage(QPointF(r.right() - 20, r.center().y() - 6), pic("UI/QComboxArrow.png"));
}

void slider(QPainter& p, qreal x, qreal y, qreal w, qreal frac) {
    p.setPen(pen(QColor(0x55, 0x5B, 0x62), 4));
    p.drawLine(QPointF(x, y), QPointF(x + w, y));
    p.setPen(pen(kAccent, 4));
    p.drawLine(QPointF(x, y), QPointF(x + w * frac, y));
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(x + w * frac, y), 6, 6);
}

void button(QPainter& p, const QRectF& r, const QString& s) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(r, 3, 3);
    text(p, r, s, 12, kWhite, Qt::AlignCenter);
}

// The right settings zone with one of its pages: 0 camera, 1 image settings, 2 image list.
void settingsZone(QPainter& p, int page) {
    const QRectF pane(kSettings.left(), kSettings.top(), kSettings.width() - 26,
                      kSettings.height());
    p.setPen(Qt::NoPen);
    p.setBrush(kWindow);
    p.drawRect(kSettings);
    p.setPen(pen(kAccent, 1));
    p.drawLine(pane.topLeft(), pane.bottomLeft());
    p.drawLine(pane.topRight(), pane.bottomRight());
    const char* tabIcons[] = {"UI/TabBar_CamSet", "UI/TabBar_ImageSet", "UI/TabBar_Imagelist"};
    for (int i = 0; i < 3; ++i) {
        const QRectF tab(pane.right() + 1, pane.top() + i * 80, 24, 80);
        p.setPen(Qt::NoPen);
        p.setBrush(i == page ? QColor(0, 160, 230) : QColor(255, 255, 255, 30));
        p.drawRect(tab.adjusted(0, 0, 0, -1));
        p.drawImage(QPointF(tab.left(), tab.top() + 10),
                    pic(QString(tabIcons[i]) + (i == page ? "_W.png" : ".png")));
    }
    const qreal x = pane.left() + 14;
    qreal y = pane.top() + 16;
    auto row = [&](const QString& label, const QString& value) {
        text(p, QRectF(x, y, 100, 26), label, 12, QColor(0xEE, 0xEE, 0xEE));
        combo(p, QRectF(x + 104, y, 150, 26), value);
        y += 36;
    };
    auto sliderRow = [&](const QString& label, qreal frac) {
        text(p, QRectF(x, y, 100, 20), label, 12, QColor(0xEE, 0xEE, 0xEE));
        slider(p, x + 104, y + 10, 150, frac);
        y += 32;
    };
    if (page == 0) {
        row("Device:", "Document Camera");
        row("Resolution:", "3264 x 2448");
        row("Format:", "MJPG");
        button(p, QRectF(x + 164, y, 90, 28), "Open");
        y += 48;
        sliderRow("Brightness:", 0.5);
        sliderRow("Contrast:", 0.45);
        sliderRow("Saturation:", 0.6);
        button(p, QRectF(x, y, 90, 28), "Focus");
        button(p, QRectF(x + 104, y, 90, 28), "Reset");
        y += 52;
        text(p, QRectF(x, y, 240, 24), "Timed capture", 13, kWhite,
             Qt::AlignLeft | Qt::AlignVCenter, true);
        y += 30;
        row("Interval:", "5 s");
        p.drawImage(QPointF(x, y + 3), pic("UI/CheckBox_NoCheck.png"));
        text(p, QRectF(x + 28, y, 200, 26), "Sub camera", 12, QColor(0xBB, 0xBB, 0xBB));
    } else if (page == 1) {
        row("Img Format:", "JPG");
        row("Img Name:", "Time&Date");
        text(p, QRectF(x, y, 100, 26), "Name Prefix:", 12, QColor(0xEE, 0xEE, 0xEE));
        p.drawImage(QRectF(x + 104, y, 150, 26), pic("UI/TextLineBackground.png"));
        text(p, QRectF(x + 112, y, 140, 26), "IMG", 12, QColor(0x55, 0x55, 0x55));
        y += 36;
        sliderRow("JPG quality:", 0.9);
        row("Img Rotate:", "0");
        y += 8;
        text(p, QRectF(x, y, 240, 24), "Watermark", 16, kWhite, Qt::AlignLeft | Qt::AlignVCenter,
             true);
        y += 32;
        const char* wm[] = {"UI/WM_N_b.png", "UI/WM_DT.png", "UI/WM_T.png", "UI/WM_Pic.png"};
        for (int i = 0; i < 4; ++i)
            p.drawImage(QPointF(x + 6 + i * 48, y), pic(wm[i]));
        y += 44;
        row("Position:", "Right&Down");
        sliderRow("Opacity:", 0.8);
    } else {
        text(p, QRectF(x, y, 70, 26), "Img Path:", 12, QColor(0xEE, 0xEE, 0xEE));
        text(p, QRectF(x + 70, y, 190, 26), "/home/user/OutPut/", 12, kAccent);
        y += 36;
        const char* btns[] = {"Btn_SelectALL", "Btn_UnSelectAll", "Btn_Delete", "Btn_PDF",
                              "Btn_Word",      "Btn_Print",       "Btn_Copy"};
        for (int i = 0; i < 7; ++i)
            p.drawImage(QPointF(x + i * 34, y), pic(QString("UI/%1.png").arg(btns[i])));
        // Room below the buttons for the badges of the help picture.
        y += 62;
        p.setPen(pen(QColor(100, 100, 100), 1));
        p.drawLine(QPointF(pane.left() + 4, y), QPointF(pane.right() - 4, y));
        y += 10;
        for (int i = 0; i < 8; ++i) {
            const QRectF thumb(x + (i % 2) * 124, y + (i / 2) * 96, 110, 74);
            p.setPen(i < 2 ? pen(kAccent, 2) : pen(QColor(0x44, 0x4A, 0x50), 1));
            p.setBrush(QColor(0x3A, 0x30, 0x28));
            p.drawRect(thumb);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xF4, 0xF4, 0xF4));
            p.drawRect(thumb.adjusted(30, 8, -30, -8));
            p.setPen(pen(QColor(0x9A, 0xA3, 0xAD), 1.2, Qt::FlatCap));
            for (int l = 0; l < 5; ++l)
                p.drawLine(QPointF(thumb.left() + 36, thumb.top() + 18 + l * 9),
                           QPointF(thumb.right() - 36, thumb.top() + 18 + l * 9));
            text(p, QRectF(thumb.left(), thumb.bottom() + 2, thumb.width(), 16),
                 QString("IMG_%1.jpg").arg(i + 1, 4, 10, QLatin1Char('0')), 10,
                 QColor(0xAA, 0xAA, 0xAA), Qt::AlignCenter);
        }
    }
}

void window(QPainter& p, int settingsPage) {
    p.fillRect(QRectF(0, 0, 1100, 700), kWindow);
    // Title bar.
    p.fillRect(kTitleBar, kTitle);
    p.drawImage(QRectF(4, 3, 20, 20), pic("NOLP.png"));
    text(p, QRectF(30, 0, 200, 26), "Miravelo", 15, kTitleGrey);
    const char* tb[] = {"UI/Lan.png", "UI/About.png", "UI/min.png", "UI/max.png", "UI/X.png"};
    for (int i = 0; i < 5; ++i)
        p.drawImage(QPointF(978 + i * 24, 3), pic(tb[i]));
    // Scan-mode bar: tabs, then the option tiles of document mode.
    const char* tabs[] = {"Doc", "Id Card", "Sheet", "Book"};
    const char* tabIcons[] = {"UI/TabBar_Doc.png", "UI/TabBar_IDCard.png", "UI/TabBar_Sheet.png",
                              "UI/TabBar_Book.png"};
    for (int i = 0; i < 4; ++i) {
        const QRectF tab(8 + i * 112, 28, 110, 28);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? QColor(0, 160, 230) : QColor(255, 255, 255, 30));
        p.drawRect(tab);
        p.drawImage(QPointF(tab.left() + 12, tab.top() + 4), pic(tabIcons[i]));
        text(p, tab.adjusted(38, 0, 0, 0), tabs[i], 13, i == 0 ? kWhite : kTabGrey);
    }
    p.setPen(pen(kAccent, 1));
    p.drawLine(QPointF(0, 125.5), QPointF(800, 125.5));
    const char* tiles[] = {"UI/Pre_Orgin.png", "UI/Pre_Cut_S.png", "UI/Pre_EnHence.png",
                           "UI/Pre_Gray.png"};
    for (int i = 0; i < 4; ++i)
        p.drawImage(QRectF(14 + i * 72, 60, 62, 62), pic(tiles[i]));
    p.drawImage(QPointF(330, 70), pic("UI/CheckBox_Check.png"));
    text(p, QRectF(360, 66, 160, 28), "Save Directly", 13, QColor(0xBB, 0xBB, 0xBB));
    // Preview: a page lying on a desk, with the detected outline.
    p.fillRect(kPreview, kTitle);
    const QRectF deskRect(60, 150, 680, 510);
    QLinearGradient wood(deskRect.topLeft(), deskRect.bottomRight());
    wood.setColorAt(0, QColor(0x6B, 0x55, 0x42));
    wood.setColorAt(1, QColor(0x45, 0x36, 0x2A));
    p.fillRect(deskRect, wood);
    QPolygonF sheet;
    sheet << QPointF(262, 190) << QPointF(548, 208) << QPointF(560, 612) << QPointF(236, 598);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPolygon(sheet.translated(6, 8));
    p.setBrush(QColor(0xF6, 0xF6, 0xF2));
    p.drawPolygon(sheet);
    p.setPen(pen(QColor(0x9A, 0xA3, 0xAD), 4, Qt::FlatCap));
    for (int i = 0; i < 12; ++i) {
        const qreal t = (i + 1.5) / 14.0;
        const QPointF a = sheet[0] + (sheet[3] - sheet[0]) * t + QPointF(28, 0);
        const QPointF b = sheet[1] + (sheet[2] - sheet[1]) * t - QPointF(i % 4 == 3 ? 120 : 28, 0);
        p.drawLine(a, b);
    }
    p.setPen(pen(QColor(0x3C, 0xE0, 0x6A), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(sheet);
    p.drawImage(kCapture.topLeft(), pic("UI/Btn_TakePhoto_normal.png"));
    p.drawImage(QPointF(kTurnButtons.left(), kTurnButtons.top()), pic("ICO/TurnL.png"));
    p.drawImage(QPointF(kTurnButtons.left(), kTurnButtons.top() + 42), pic("ICO/TurnR.png"));
    p.drawImage(QPointF(kTips.left(), kTips.top() + 3), pic("UI/help.png"));
    text(p, kTips.adjusted(26, 0, 0, 0),
         "Please pay attention to the lighting environment, avoid overexposure and over-darkness",
         12, QColor(0x88, 0x88, 0x88));
    settingsZone(p, settingsPage);
}

// Darkens everything but the lit areas and rings them in the accent colour.
void spotlight(QPainter& p, const QVector<QRectF>& lit) {
    QPainterPath shade;
    shade.addRect(QRectF(0, 0, 1100, 700));
    for (const QRectF& r : lit) {
        QPainterPath hole;
        hole.addRoundedRect(r.adjusted(-3, -3, 3, 3), 6, 6);
        shade = shade.subtracted(hole);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 10, 14, 175));
    p.drawPath(shade);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kAccent, 2.5));
    for (const QRectF& r : lit)
        p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 6, 6);
}

void badge(QPainter& p, QPointF c, int n) {
    p.setPen(pen(kWhite, 2));
    p.setBrush(kAccent);
    p.drawEllipse(c, 14, 14);
    text(p, QRectF(c.x() - 14, c.y() - 14, 28, 28), QString::number(n), 15, kWhite, Qt::AlignCenter,
         true);
}

struct Note {
    int number;
    QString title;
    QString body;
};

// A card with a heading and numbered explanations.
void card(QPainter& p, const QRectF& r, const QString& heading, const QVector<Note>& notes,
          int pageNo, int pages) {
    p.setPen(pen(QColor(0x3A, 0x41, 0x49), 1));
    p.setBrush(QColor(0x17, 0x1B, 0x20, 242));
    p.drawRoundedRect(r, 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(r.left(), r.top(), 6, r.height()), 3, 3);
    text(p, QRectF(r.left() + 26, r.top() + 14, r.width() - 40, 34), heading, 22, kWhite,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    qreal y = r.top() + 60;
    const qreal step = (r.height() - 110) / qMax(1, notes.size());
    for (const Note& n : notes) {
        badge(p, QPointF(r.left() + 40, y + 12), n.number);
        text(p, QRectF(r.left() + 64, y, r.width() - 84, 22), n.title, 15, kWhite,
             Qt::AlignLeft | Qt::AlignVCenter, true);
        text(p, QRectF(r.left() + 64, y + 22, r.width() - 84, step - 24), n.body, 13,
             QColor(0xCC, 0xD2, 0xD8), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        y += step;
    }
    // Page dots and the hint that a click goes on.
    const qreal by = r.bottom() - 30;
    for (int i = 0; i < pages; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i == pageNo ? kAccent : QColor(0x5A, 0x62, 0x6B));
        p.drawEllipse(QPointF(r.left() + 30 + i * 18, by), 5, 5);
    }
    text(p, QRectF(r.left() + 100, by - 12, r.width() - 124, 24),
         pageNo + 1 < pages ? "Click anywhere to continue" : "Click anywhere to start scanning", 13,
         kAccent, Qt::AlignRight | Qt::AlignVCenter);
}

QImage help1() {
    QImage img = canvas(1100, 700, kWindow);
    QPainter p;
    begin(p, img);
    window(p, 0);
    spotlight(p, {kTitleBar.adjusted(3, 3, -3, -3), kModeBar.adjusted(3, 3, -3, -3), kCapture,
                  kSettings.adjusted(3, 3, -3, -3), kTips});
    badge(p, QPointF(250, 13), 1);
    badge(p, QPointF(560, 76), 2);
    badge(p, QPointF(120, 300), 3);
    badge(p, QPointF(690, 600), 4);
    badge(p, QPointF(1050, 600), 5);
    badge(p, QPointF(590, 681), 6);
    card(p, QRectF(160, 148, 520, 470), "Welcome to Miravelo",
         {{1, "Title bar",
           "Language, About, minimise, maximise and close. Drag it to move the window; "
           "double-click to maximise."},
          {2, "Scan modes", "Document, ID card, sheet and book, each with its own options."},
          {3, "Live preview", "The camera picture. The page it finds is outlined in green."},
          {4, "Capture", "Click the button, or press Space or the keypad Enter key."},
          {5, "Settings", "Camera, image settings and the list of saved images."},
          {6, "Hints", "Short tips for what you are doing right now."}},
         0, 3);
    p.end();
    return img;
}

QImage help2() {
    QImage img = canvas(1100, 700, kWindow);
    QPainter p;
    begin(p, img);
    window(p, 0);
    spotlight(p, {kModeBar.adjusted(3, 3, -3, -3), kCapture, kTurnButtons});
    badge(p, QPointF(470, 42), 1);
    badge(p, QPointF(312, 92), 2);
    badge(p, QPointF(690, 600), 3);
    badge(p, QPointF(738, 400), 4);
    card(p, QRectF(120, 170, 560, 420), "Choose a mode, then capture",
         {{1, "Scan-mode tabs",
           "Doc for pages, Id Card for both sides of a card, Sheet to name files by their QR code, "
           "Book to split a spread into two pages."},
          {2, "Options",
           "Original keeps the whole picture, Auto Cutting cuts and straightens the page, "
           "Optimization improves the colours, Gray saves in grey."},
          {3, "Capture button",
           "Takes the current picture and saves it to the output folder. Space and keypad Enter do "
           "the same."},
          {4, "Rotate", "Turns document captures left or right before they are saved."}},
         1, 3);
    p.end();
    return img;
}

QImage help3() {
    QImage img = canvas(1100, 700, kWindow);
    QPainter p;
    begin(p, img);
    window(p, 1);
    spotlight(p, {kSettings.adjusted(3, 3, -3, -3)});
    badge(p, QPointF(1087, 88), 1);
    badge(p, QPointF(1087, 168), 2);
    badge(p, QPointF(1087, 248), 3);
    card(p, QRectF(110, 150, 600, 450), "Settings on the right",
         {{1, "Camera",
           "Choose the device, resolution and stream format; adjust brightness, contrast and "
           "saturation; focus, timed capture and the sub camera."},
          {2, "Img Set",
           "File format, naming rule, prefix, JPG quality, rotation and a date, text or picture "
           "watermark. Every change is kept at once."},
          {3, "Image list", "The output folder and a thumbnail of every saved image."}},
         2, 3);
    p.end();
    return img;
}

QImage help4() {
    QImage img = canvas(1100, 700, kWindow);
    QPainter p;
    begin(p, img);
    window(p, 2);
    spotlight(p, {kSettings.adjusted(3, 3, -3, -3)});
    card(p, QRectF(60, 110, 660, 520), "Working with saved images",
         {{1, "Select", "Select all or none; click thumbnails to pick single images."},
          {2, "Delete", "Removes the selected files from the disk and the list."},
          {3, "PDF and Word",
           "Puts the selected images, in the order you choose, into one document."},
          {4, "Print and copy", "Prints the selection, or copies the files for pasting elsewhere."},
          {5, "Open",
           "Double-click a thumbnail to open it; drag thumbnails out to other programs; "
           "right-click for more."}},
         0, 1);
    badge(p, QPointF(843, 121), 1);
    badge(p, QPointF(894, 121), 2);
    badge(p, QPointF(945, 121), 3);
    badge(p, QPointF(1013, 121), 4);
    badge(p, QPointF(1040, 330), 5);
    p.end();
    return img;
}

}  // namespace

void drawHelpPictures(const QString& root) {
    g_root = root;
    save(root, "UI/Help1.png", help1(), 1100, 700);
    save(root, "UI/Help2.png", help2(), 1100, 700);
    save(root, "UI/Help3.png", help3(), 1100, 700);
    save(root, "UI/Help4.png", help4(), 1100, 700);
}
