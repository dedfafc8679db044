#pragma once

#include <QString>

class QImage;
class QIODevice;

// Writes a real GIF (one frame, 256-colour median-cut palette) with giflib; Qt itself has no GIF
// encoder, and a ".gif" holding anything else is unreadable by most viewers.
class GifWriter {
public:
    // Encodes `image` to `device`. Returns false and fills `error` when anything fails.
    static bool write(const QImage& image, QIODevice* device, QString* error);
};
