#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

// Shared palette and helpers of the picture generator. Every picture is drawn with QPainter in
// code, at its exact pixel size, on a transparent canvas unless said otherwise.
namespace Paint {

const QColor kAccent(0x28, 0xA4, 0xFF);
const QColor kAccentDark(0x1A, 0x7F, 0xD0);
const QColor kWindow(0x26, 0x2B, 0x30);
const QColor kTitle(0x1F, 0x24, 0x2A);
const QColor kGrey(0xB4, 0xB4, 0xB4);
const QColor kTitleGrey(0x99, 0x99, 0x99);
const QColor kTabGrey(175, 175, 175);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kRed(0xE8, 0x4B, 0x4B);

QImage canvas(int w, int h, const QColor& fill = Qt::transparent);
void begin(QPainter& p, QImage& img);
QPen pen(const QColor& c, qreal width, Qt::PenCapStyle cap = Qt::RoundCap);
QFont font(qreal pixelSize, bool bold = false);

// Writes the picture to <root>/<relativePath>; stops the program when its size is not the one
// the resource table fixes, or when it cannot be written.
void save(const QString& root, const QString& relativePath, const QImage& img, int w, int h);

// Glyphs used by several pictures, drawn into the square (x, y, s, s).
void arrowArc(QPainter& p, QPointF c, qreal r, qreal startDeg, qreal spanDeg, const QColor& col,
              qreal width);
void page(QPainter& p, QRectF r, const QColor& paper, const QColor& ink, int lines);
void qrCode(QPainter& p, QRectF r, const QColor& ink);

}  // namespace Paint

// The application id: the name of the desktop entry, the metainfo and the theme icon.
constexpr const char* kAppId = "io.github.miravelo.Miravelo";

// The application logo on a 500 x 500 grid.
void paintLogo(QPainter& p);

// Picture groups; each writes its files below root.
void drawIcons(const QString& root);
void drawPictures(const QString& root);
void writeBeep(const QString& root);
void writeScalableIcon(const QString& root);
