#pragma once

#include <QImage>
#include <QSize>

// Unsmoothed (nearest-pixel) downscaling of a camera frame for the live preview. A 3264 x 2448
// frame is scaled on the GUI thread for every tick, so this samples the packed RGB rows directly
// and writes 32-bit pixels, which the pixmap takes over without another conversion; QImage's
// general path converts the whole frame first and costs several times as much.
class PreviewScaler {
public:
    // `frame` scaled to fit `box` with its aspect ratio kept (as Qt::KeepAspectRatio does);
    // a null image for an empty frame or box.
    static QImage scaleToFit(const QImage& frame, const QSize& box);
};
