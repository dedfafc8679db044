#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QVector>

// Draws the explanations over a picture of the window: everything but the parts explained is
// dimmed, those parts are ringed in the accent colour, and each explanation is a card joined to
// its part by a leader line. Cards are placed relative to their parts, so they follow the window's
// layout when it changes.
class CalloutPainter {
public:
    enum class Side { Left, Right, Above, Below };

    struct Callout {
        QVector<QRect> parts;  // window coordinates
        QString title;
        QString text;
        Side side = Side::Left;
        QPoint shift;  // moves the card from its place beside the parts
        int width = 300;
    };

    explicit CalloutPainter(QImage& picture);

    // Dims the picture except the parts of every callout, then draws the rings.
    void spotlight(const QVector<Callout>& callouts);
    void draw(const Callout& callout);
    // The page heading: title, position in the tour and what a click does, as a card at `at`.
    void heading(QPoint at, int width, const QString& title, const QString& step,
                 const QString& hint);

private:
    QRect cardRect(const Callout& callout, int height) const;

    QImage& m_picture;
};
