#pragma once

#include <QPoint>
#include <QString>

class QImage;

// The watermark settings a stamp needs, copied out of the settings record at capture time.
struct WatermarkSettings {
    enum Type { None = 0, DateTime = 1, Text = 2, Picture = 3 };
    int type = None;
    QString content;
    int position = 0;  // 0..8, see Watermark::PictureOrigin
    int red = 255, green = 0, blue = 0;
    int opacity = 80;               // percent, text stamps only
    int width = 100, height = 100;  // picture box in image pixels
    int fontSize = 50;              // pixel height of text stamps
    QString picturePath;
};

// Paints a date, text or picture stamp into a capture before it is encoded.
class Watermark {
public:
    // Stamps `image` in place. Returns false (and says why in `problem`) when a configured stamp
    // could not be drawn, e.g. a picture file that is missing or not an image; the image is then
    // left untouched so the capture itself is still saved.
    static bool Apply(QImage* image, const WatermarkSettings& settings, QString* problem = nullptr);

    // Top-left corner of the picture box of size w x h on a W x H image for a position index.
    // A box that does not fit is pushed entirely outside the image for positions 0 and 3.
    static QPoint PictureOrigin(int position, int W, int H, int w, int h);
    // Qt alignment flags used for a text stamp at a position index.
    static int TextAlignment(int position);
};
