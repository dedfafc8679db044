#pragma once

#include <opencv2/core.hpp>

#include <atomic>
#include <string>
#include <vector>

namespace camctl {

// Pictures of the virtual cameras, rendered with OpenCV in B,G,R order.
class VirtualScene {
public:
    enum class Kind { Document, Card, Book, QrSheet, Desk, Face };

    // Parses a scene name ("document", "card", "book", "qrsheet", "desk"); false if it is none.
    // "qrsheet:<text>" is a QR sheet whose one code carries <text> (UTF-8, any script).
    static bool kindFromName(const std::string& name, Kind& kind);
    // The text of the code on a QR sheet scene of that name.
    static std::string qrTextOf(const std::string& name);

    // A short loop of `count` frames of width x height showing the scene with a little motion,
    // light fall-off and sensor noise. Empty when `cancel` was set meanwhile.
    static std::vector<cv::Mat> renderLoop(Kind kind, int width, int height, int count,
                                           const std::atomic<bool>* cancel,
                                           const std::string& qrText = std::string());

    // A photo fitted into width x height (aspect kept, dark border), or an empty Mat when the file
    // cannot be read.
    static cv::Mat fitPhoto(const std::string& path, int width, int height);
};

}  // namespace camctl
