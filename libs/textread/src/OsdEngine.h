#pragma once

#include <QByteArray>

#include <opencv2/core.hpp>

#include <memory>

namespace tesseract {
class TessBaseAPI;
}

namespace textread {

// One Tesseract engine loaded with the orientation data, for the calling thread only: an engine
// must never be used by two threads at once, and loading one costs more than a detection, so each
// thread keeps its own for its lifetime.
class OsdEngine {
public:
    static OsdEngine& forThisThread();
    ~OsdEngine();

    // Tesseract's evidence for a binarised page: for each clockwise turn of 0, 90, 180 and 270
    // degrees, how well the page's letters read after that turn (a sum of log likelihoods; only
    // differences mean something). False when the engine has no data or found no text it could
    // classify.
    bool detect(const cv::Mat& binary, float scores[4]);

private:
    OsdEngine() = default;
    // (Re)loads when the data folder changed since the last call; false without usable data.
    bool ensureLoaded();

    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    QByteArray m_dataDir;
    bool m_loaded = false;
    bool m_tried = false;
};

}  // namespace textread
